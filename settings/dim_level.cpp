#include "dim_level.h"

#include <windows.h>

#include <string>

#include "ini_text.h"
#include "settings_file.h"

int ReadDimLevel(const wchar_t* path) {
    if (!path || !path[0]) return kDimLevelDefault;
    return DimLevel(static_cast<int32_t>(GetPrivateProfileIntW(L"DIM", L"Level", kDimLevelDefault, LongPathForm(path).c_str())));
}

int SaveDimLevel(int level) {
    const std::string text = std::to_string(DimLevel(level));
    return ReplaceSettingsFile([&](std::string_view old) { return SetIniKey(old, "DIM", "Level", text); });
}
