#include "layout_file.h"

#include <windows.h>

#include "ini_text.h"
#include "settings_file.h"

namespace {
constexpr char kSection[] = "LAYOUT";

// The key of a slot, "1" to "9"; false for any other number.
bool SlotKey(int number, char (&key)[2]) {
    if (number < 1 || number > kLayoutSlotCount) return false;
    key[0] = static_cast<char>('0' + number);
    key[1] = '\0';
    return true;
}

std::string WithSlot(std::string_view text, const char* key, const char* slot) { return SetIniKey(text, kSection, key, slot); }
}  // namespace

int ReadLayoutSlot(const wchar_t* path, int number, uint32_t offeredMasks, LayoutSlot& out) {
    char key[2];
    wchar_t wideKey[2], wide[kLayoutSlotTextMax + 16];
    if (!path || !path[0] || !SlotKey(number, key)) return 0;
    wideKey[0] = static_cast<wchar_t>(key[0]);
    wideKey[1] = L'\0';
    const DWORD n = GetPrivateProfileStringW(L"LAYOUT", wideKey, L"", wide, kLayoutSlotTextMax + 16, LongPathForm(path).c_str());
    // A value that fills the buffer was cut short: it is no slot, whatever its start reads.
    if (n == 0 || n >= kLayoutSlotTextMax + 16 - 1) return 0;
    char text[kLayoutSlotTextMax + 16];
    for (DWORD i = 0; i <= n; ++i) text[i] = wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';  // a slot is ASCII
    return ParseLayoutSlot(text, offeredMasks, out) ? 1 : 0;
}

int StoreLayoutSlot(const wchar_t* path, int number, const LayoutSlot& slot, const wchar_t* seed) {
    char key[2], text[kLayoutSlotTextMax];
    if (!SlotKey(number, key) || !FormatLayoutSlot(slot, text, sizeof text)) return 0;
    return ReplaceSettingsFile(path, seed, [&](std::string_view old) { return WithSlot(old, key, text); });
}

int LoadLayoutSlot(int number, uint32_t offeredMasks, LayoutSlot& out) {
    return ReadLayoutSlot(FindSettingsFiles().read.c_str(), number, offeredMasks, out);
}

int SaveLayoutSlot(int number, const LayoutSlot& slot) {
    char key[2], text[kLayoutSlotTextMax];
    if (!SlotKey(number, key) || !FormatLayoutSlot(slot, text, sizeof text)) return 0;
    return ReplaceSettingsFile([&](std::string_view old) { return WithSlot(old, key, text); });
}
