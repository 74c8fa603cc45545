#include "temp_folder.h"

#include <cstdio>

std::wstring Wide(const std::string& text) {
    std::wstring wide(text.size() + 1, L'\0');
    wide.resize(MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide.data(), static_cast<int>(wide.size())) - 1);
    return wide;
}

std::string Narrow(const std::wstring& text) {
    std::string narrow(text.size() * 4 + 1, '\0');
    narrow.resize(WideCharToMultiByte(CP_ACP, 0, text.c_str(), -1, narrow.data(), static_cast<int>(narrow.size()), nullptr, nullptr) - 1);
    return narrow;
}

namespace {
// Paths of MAX_PATH bytes or more reach the file system only through the wide functions and
// their long form.
std::wstring Reachable(const std::string& path) { return Wide(path.size() < MAX_PATH ? path : "\\\\?\\" + path); }

// Removes a folder with everything in it.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring path = folder + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
}
}  // namespace

TempFolder::TempFolder() {
    char base[MAX_PATH];
    GetTempPathA(sizeof base, base);
    static unsigned serial = 0;
    for (;;) {
        char name[MAX_PATH];
        std::snprintf(name, sizeof name, "%spemoka-%lu-%u\\", base, GetCurrentProcessId(), ++serial);
        if (CreateDirectoryA(name, nullptr) || GetLastError() != ERROR_ALREADY_EXISTS) {
            path = name;
            return;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(Wide("\\\\?\\" + path.substr(0, path.size() - 1))); }

void WriteTextFile(const std::string& path, const std::string& text) {
    HANDLE f = CreateFileW(Reachable(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                           nullptr);
    if (f == INVALID_HANDLE_VALUE) return;
    DWORD written;
    WriteFile(f, text.data(), static_cast<DWORD>(text.size()), &written, nullptr);
    CloseHandle(f);
}

std::string ReadTextFile(const std::string& path) {
    HANDLE f = CreateFileW(Reachable(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return {};
    std::string text(GetFileSize(f, nullptr), '\0');
    DWORD read = 0;
    ReadFile(f, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(f);
    text.resize(read);
    return text;
}

bool FileExists(const std::string& path) { return GetFileAttributesW(Reachable(path).c_str()) != INVALID_FILE_ATTRIBUTES; }
