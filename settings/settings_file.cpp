#include "settings_file.h"

#include <cstring>
#include <cwchar>

#include "../overlay/windows/system_function.h"
#include "ini_text.h"
#include "settings_place.h"

namespace {
constexpr wchar_t kFileName[] = L"pemoka.ini";
constexpr wchar_t kPerUserFolder[] = L"Pemoka\\";
constexpr char kSection[] = "SET";
constexpr DWORD kLongestPath = 32768;
// A settings file is a few hundred bytes; one far larger is refused rather than half read.
constexpr DWORD kFileSizeMax = 16u << 20;
constexpr DWORD kSwapTriesMs = 200, kSwapPauseMs = 20;
constexpr DWORD kShareAll = FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE;

// FOLDERID_RoamingAppData
constexpr GUID kRoamingAppData = {0x3EB685DB, 0x65F9, 0x4CF6, {0xA0, 0x3A, 0xE3, 0xEF, 0x65, 0x72, 0x9F, 0x3D}};

bool Exists(const std::wstring& path) { return GetFileAttributesW(LongPathForm(path).c_str()) != INVALID_FILE_ATTRIBUTES; }

// A name beside path that no other running program of ours uses.
std::wstring NewFileBeside(const std::wstring& path) {
    return path + L"." + std::to_wstring(GetCurrentProcessId()) + L".new";
}

// Whether pemoka.ini in folder can be read and written, by trying: a new file can be made beside it, and
// the file, when there, opened for writing. Its read-only attribute is respected (it is not
// ours to change, and Wine run as root would not enforce it). A file that another program holds
// open is still the place: the write tries again, and says so when it cannot.
bool CanWriteIn(const std::wstring& folder) {
    // The profile functions reach no file from MAX_PATH characters on.
    if (folder.size() + std::size(kFileName) > MAX_PATH) return false;
    const std::wstring file = folder + kFileName;
    const DWORD attributes = GetFileAttributesW(file.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES) {
        if (attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY)) return false;
        HANDLE open = CreateFileW(file.c_str(), GENERIC_WRITE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
        if (open == INVALID_HANDLE_VALUE && GetLastError() != ERROR_SHARING_VIOLATION) return false;
        if (open != INVALID_HANDLE_VALUE) CloseHandle(open);
    }
    HANDLE probe = CreateFileW(NewFileBeside(file).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_TEMPORARY | FILE_FLAG_DELETE_ON_CLOSE, nullptr);
    if (probe == INVALID_HANDLE_VALUE) return false;
    CloseHandle(probe);
    return true;
}

std::wstring RoamingAppDataFolder() {
    using Find = HRESULT WINAPI(REFGUID, DWORD, HANDLE, PWSTR*);
    auto* find = SystemFunction<Find>("shell32.dll", "SHGetKnownFolderPath");
    auto* release = SystemFunction<void WINAPI(void*)>("ole32.dll", "CoTaskMemFree");
    PWSTR found = nullptr;
    if (!find || !release || FAILED(find(kRoamingAppData, 0, nullptr, &found)) || !found) return {};
    std::wstring folder = found;
    release(found);
    return folder.empty() ? folder : folder + L"\\" + kPerUserFolder;
}

// The file's whole text, or "" when there is none; false when it is there but cannot be read
// whole, so that nothing is written from a text that lacks part of it.
bool ReadWholeFile(const std::wstring& path, std::string& text) {
    text.clear();
    const DWORD attributes = GetFileAttributesW(LongPathForm(path).c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) return true;  // a folder of the name
    HANDLE file = CreateFileW(LongPathForm(path).c_str(), GENERIC_READ, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    LARGE_INTEGER size{};
    bool whole = GetFileSizeEx(file, &size) && size.QuadPart <= kFileSizeMax;
    if (whole) {
        text.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        whole = text.empty() || (ReadFile(file, text.data(), static_cast<DWORD>(text.size()), &read, nullptr) && read == text.size());
    }
    CloseHandle(file);
    return whole;
}

// A file saved as UTF-16 (Notepad's "Unicode") is edited as UTF-8 and written back as it was.
std::string EditKeepingEncoding(const std::string& old, const std::function<std::string(std::string_view)>& edit) {
    if (old.size() < 2 || old.compare(0, 2, "\xFF\xFE") != 0) return edit(old);
    const int units = static_cast<int>((old.size() - 2) / 2);
    std::wstring wide(static_cast<size_t>(units), L'\0');
    if (units) std::memcpy(wide.data(), old.data() + 2, static_cast<size_t>(units) * 2);
    std::string utf8(static_cast<size_t>(units) * 3, '\0');
    utf8.resize(static_cast<size_t>(WideCharToMultiByte(CP_UTF8, 0, wide.data(), units, utf8.data(), static_cast<int>(utf8.size()), nullptr, nullptr)));
    const std::string edited = edit(utf8);
    wide.assign(edited.size(), L'\0');
    wide.resize(static_cast<size_t>(MultiByteToWideChar(CP_UTF8, 0, edited.data(), static_cast<int>(edited.size()), wide.data(), static_cast<int>(wide.size()))));
    std::string out = "\xFF\xFE";
    out.append(reinterpret_cast<const char*>(wide.data()), wide.size() * 2);
    if (old.size() % 2) out += old.back();  // a byte that makes no character stays as it was
    return out;
}

// Whether another program holds path so that it cannot be replaced now. Wine's ReplaceFileW
// leaves an empty "rfb….tmp" beside the file at every try that such a holder refuses, so a held
// file is not tried.
bool HeldElsewhere(const std::wstring& path) {
    HANDLE file = CreateFileW(LongPathForm(path).c_str(), DELETE, kShareAll, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return GetLastError() == ERROR_SHARING_VIOLATION;
    CloseHandle(file);
    return false;
}

// Puts the new file in the old one's place, trying again while another program holds the old
// one. ReplaceFileW keeps the old file's attributes and permissions.
bool SwapIn(const std::wstring& target, const std::wstring& fresh) {
    const DWORD start = GetTickCount();
    for (;;) {
        bool swapped = false;
        if (Exists(target)) {
            if (!HeldElsewhere(target))
                swapped = ReplaceFileW(target.c_str(), fresh.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
            // The old file went but the new one did not take its name: it still can.
            if (!swapped && GetLastError() == ERROR_UNABLE_TO_MOVE_REPLACEMENT)
                swapped = MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_WRITE_THROUGH);
        } else {
            swapped = MoveFileExW(fresh.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
        }
        if (swapped) return true;
        if (GetTickCount() - start >= kSwapTriesMs) return false;
        Sleep(kSwapPauseMs);
    }
}

std::string WithSettings(std::string_view text, const Settings& s) {
    char section[kSectionTextMax];
    const size_t used = FormatSettingsSection(s, section, sizeof section);
    std::string body;
    // "key=value\0" per key: one line each.
    for (size_t at = 0; at + 1 < used; at += std::strlen(section + at) + 1) body.append(section + at).append("\r\n");
    return ReplaceIniSection(text, kSection, body);
}
}  // namespace

wchar_t* CutToFolder(wchar_t* path) {
    if (!path || !path[0]) return nullptr;
    wchar_t* lastSeparator = nullptr;
    for (wchar_t* p = path; *p; ++p)
        if (*p == L'\\' || *p == L'/') lastSeparator = p;
    if (!lastSeparator) return nullptr;
    lastSeparator[1] = L'\0';
    return path;
}

std::wstring ComposeProgramPath(const wchar_t* exePath, const wchar_t* name) {
    std::wstring folder = exePath;
    CutToFolder(folder.data());
    folder.resize(std::wcslen(folder.c_str()));
    return folder + name;
}

std::wstring ProgramFilePath(const wchar_t* name) {
    std::wstring exe(kLongestPath, L'\0');
    const DWORD n = GetModuleFileNameW(nullptr, exe.data(), kLongestPath);
    // A full buffer means the path was cut short.
    if (n == 0 || n >= kLongestPath) return {};
    exe.resize(n);
    return ComposeProgramPath(exe.c_str(), name);
}

std::wstring LongPathForm(const std::wstring& path) {
    if (path.size() < MAX_PATH || path.starts_with(L"\\\\?\\")) return path;
    if (path.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + path.substr(2);
    return L"\\\\?\\" + path;
}

SettingsFiles FindSettingsFilesIn(const std::wstring& folder, const std::function<std::wstring()>& perUserFolder) {
    const std::wstring inFolder = folder + kFileName;
    SettingsPlaceFacts facts{CanWriteIn(folder), false, false};
    std::wstring perUser;
    if (!facts.folderWritable) {
        const std::wstring other = perUserFolder();
        facts.perUserKnown = !other.empty();
        perUser = other + kFileName;
        facts.perUserExists = facts.perUserKnown && Exists(perUser);
    }
    const SettingsPlaces places = ChooseSettingsPlaces(facts);
    return {places.read == SettingsPlace::folder ? inFolder : perUser,
            places.write == SettingsPlace::folder ? inFolder : perUser};
}

SettingsFiles FindSettingsFiles() {
    const std::wstring folder = ProgramFilePath(L"");
    if (folder.empty()) return {};
    return FindSettingsFilesIn(folder, RoamingAppDataFolder);
}

int LoadSettingsFrom(const wchar_t* path, Settings& s) {
    s = DefaultSettings();
    if (!path || !path[0]) return 1;
    const std::wstring file = LongPathForm(path);
    for (const SettingsKey& key : kSettingsKeys) {
        wchar_t name[32];
        MultiByteToWideChar(CP_ACP, 0, key.name, -1, name, 32);
        s.*key.value = static_cast<int32_t>(GetPrivateProfileIntW(L"SET", name, key.fallback, file.c_str()));
    }
    return 1;
}

bool WriteAllBytes(HANDLE file, const char* bytes, DWORD size) {
    DWORD written = 0;
    return size == 0 || (WriteFile(file, bytes, size, &written, nullptr) && written == size);
}

int ReplaceSettingsFile(const wchar_t* path, const wchar_t* seed, const std::function<std::string(std::string_view)>& edit,
                        WriteBytes write) {
    if (!path || !path[0]) return 0;
    const std::wstring target = LongPathForm(path);
    std::string old;
    const bool fromSeed = !Exists(target) && seed && seed[0];
    if (!ReadWholeFile(fromSeed ? std::wstring(seed) : target, old)) return 0;
    const std::string text = EditKeepingEncoding(old, edit);
    if (text.size() > kFileSizeMax) return 0;

    const std::wstring fresh = NewFileBeside(target);
    HANDLE file = CreateFileW(fresh.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 0;
    // On the disk before it takes the old one's place: a power cut leaves one or the other whole.
    const bool written = write(file, text.data(), static_cast<DWORD>(text.size())) && FlushFileBuffers(file);
    CloseHandle(file);
    if (written && SwapIn(target, fresh)) return 1;
    DeleteFileW(fresh.c_str());
    return 0;
}

int ReplaceSettingsFile(const std::function<std::string(std::string_view)>& edit) {
    const SettingsFiles files = FindSettingsFiles();
    // The per-user folder is made at the first write there.
    if (!files.write.empty() && files.write != files.read) {
        CreateDirectoryW(LongPathForm(ComposeProgramPath(files.write.c_str(), L"")).c_str(), nullptr);
    }
    return ReplaceSettingsFile(files.write.c_str(), files.read.c_str(), edit);
}

int SaveSettingsTo(const wchar_t* path, const Settings& s, const wchar_t* seed) {
    return ReplaceSettingsFile(path, seed, [&](std::string_view text) { return WithSettings(text, s); });
}

int LoadSettings() { return LoadSettingsFrom(FindSettingsFiles().read.c_str(), g_settings); }

int SaveSettings() {
    const Settings s = g_settings;
    return ReplaceSettingsFile([&](std::string_view text) { return WithSettings(text, s); });
}
