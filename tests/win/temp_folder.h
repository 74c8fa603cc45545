// A fresh folder under the temporary folder, removed with everything in it at the end.
#pragma once
#include <windows.h>

#include <string>

struct TempFolder {
    std::string path;  // ends with a backslash
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    std::string File(const char* name) const { return path + name; }
};

// A path or text in the system's code page as UTF-16, and back.
std::wstring Wide(const std::string& text);
std::string Narrow(const std::wstring& text);

void WriteTextFile(const std::string& path, const std::string& text);
std::string ReadTextFile(const std::string& path);  // empty when missing
bool FileExists(const std::string& path);
