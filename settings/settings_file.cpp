#include "settings_file.h"

#include <cstring>

namespace {
constexpr char kFileName[] = "pemoka.ini";
constexpr char kSection[] = "SET";
// Room for the executable's whole path whenever its folder leaves room for a file beside it
// (under 259 bytes), whatever its own name (up to 255 bytes).
constexpr DWORD kExePathMax = MAX_PATH + 256;
}  // namespace

char* CutToFolder(char* path) {
    if (!path || !path[0]) return nullptr;
    char* lastSeparator = nullptr;
    for (char* p = path; *p; ++p) {
        if (IsDBCSLeadByte(static_cast<BYTE>(*p))) {
            if (!p[1]) break;  // a lead byte right before the end has no trail byte
            ++p;
        } else if (*p == '\\' || *p == '/') {
            lastSeparator = p;
        }
    }
    if (!lastSeparator) return nullptr;
    lastSeparator[1] = '\0';
    return path;
}

int ComposeProgramPath(const char* exePath, const char* name, char* out) {
    out[0] = '\0';
    char folder[kExePathMax];
    size_t len = std::strlen(exePath);
    if (len >= sizeof folder) return 0;
    std::memcpy(folder, exePath, len + 1);
    CutToFolder(folder);
    const size_t folderLen = std::strlen(folder), nameLen = std::strlen(name);
    if (folderLen + nameLen + 1 > MAX_PATH) return 0;
    std::memcpy(out, folder, folderLen);
    std::memcpy(out + folderLen, name, nameLen + 1);
    return 1;
}

int ComposeSettingsPath(const char* exePath, char* out) { return ComposeProgramPath(exePath, kFileName, out); }

int ProgramFilePath(const char* name, char* out) {
    char exePath[kExePathMax];
    DWORD n = GetModuleFileNameA(nullptr, exePath, kExePathMax);
    // A full buffer means the path was cut short; its folder is then too long for the file.
    if (n == 0 || n >= kExePathMax) {
        out[0] = '\0';
        return 0;
    }
    return ComposeProgramPath(exePath, name, out);
}

int SettingsFilePath(char* out) { return ProgramFilePath(kFileName, out); }

int LoadSettingsFrom(const char* path, Settings& s) {
    s = DefaultSettings();
    if (!path) return 1;
    for (const SettingsKey& key : kSettingsKeys)
        s.*key.value = static_cast<int32_t>(GetPrivateProfileIntA(kSection, key.name, key.fallback, path));
    return 1;
}

int SaveSettingsTo(const char* path, const Settings& s) {
    if (!path) return 0;
    HANDLE heap = GetProcessHeap();
    char* text = static_cast<char*>(HeapAlloc(heap, HEAP_ZERO_MEMORY, kSectionTextMax));
    if (!text) return 0;
    // A file that cannot be written (read-only, no such folder) keeps its old contents, and the
    // caller hears of it.
    const int ok = FormatSettingsSection(s, text, kSectionTextMax) != 0 &&
                   WritePrivateProfileSectionA(kSection, text, path) != 0;
    HeapFree(heap, 0, text);
    return ok;
}

int LoadSettings() {
    char path[MAX_PATH];
    return LoadSettingsFrom(SettingsFilePath(path) ? path : nullptr, g_settings);
}

int SaveSettings() {
    char path[MAX_PATH];
    return SettingsFilePath(path) ? SaveSettingsTo(path, g_settings) : 0;
}
