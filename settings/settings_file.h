// The settings file "pemoka.ini" of both programs: where it lives (settings_place.h), how it is
// read (the private-profile API) and how it is written (a whole new file, swapped in). Paths go
// through the wide functions only, so that a folder of any name works on any Windows; the
// file's own text is ASCII.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

#include "settings_record.h"

// Ends a path directly after its last backslash or slash. Returns null (path untouched) for an
// empty path or one without a separator.
wchar_t* CutToFolder(wchar_t* path);

// The folder of exePath (a text without a separator is kept whole) plus name.
std::wstring ComposeProgramPath(const wchar_t* exePath, const wchar_t* name);
// The same for the running executable; empty when its path cannot be had whole. "" gives its
// folder.
std::wstring ProgramFilePath(const wchar_t* name);

// A full path as the file functions take it at any length: from MAX_PATH characters on, in its
// "\\?\" form.
std::wstring LongPathForm(const std::wstring& path);

// The file read at start and the one written (see settings_place.h), for the programs' folder
// (ending with a separator) and the per-user folder, asked for only when the programs' folder
// cannot be written (empty: there is none).
struct SettingsFiles {
    std::wstring read, write;
};
SettingsFiles FindSettingsFilesIn(const std::wstring& folder, const std::function<std::wstring()>& perUserFolder);
// The one answer both programs use: the running executable's folder, and "Pemoka" in the
// user's roaming application data folder.
SettingsFiles FindSettingsFiles();

// Fill the record from the file (missing file, section or key: the table's values). A null
// path gives the table's values. Always 1.
int LoadSettingsFrom(const wchar_t* path, Settings& s);
// Replace section "SET" with the record. A new file starts from seed's text when seed is given.
// 0 when there is no path or the file cannot be written.
int SaveSettingsTo(const wchar_t* path, const Settings& s, const wchar_t* seed = nullptr);

// Writes bytes to a new file whole; the whole-file replace's write, which a test may cut short.
using WriteBytes = bool (*)(HANDLE file, const char* bytes, DWORD size);
bool WriteAllBytes(HANDLE file, const char* bytes, DWORD size);

// The one way every writer changes the settings file: the text of path (or of seed when path
// is not there yet) through edit, written whole to a new file beside it, flushed, and swapped in
// for the old one. At any moment the file is the old one or the new one. A swap that another
// program's open handle refuses is tried again for about 200 ms. 1, or 0 with the file as it was
// and no new file left behind.
int ReplaceSettingsFile(const wchar_t* path, const wchar_t* seed, const std::function<std::string(std::string_view)>& edit,
                        WriteBytes write = WriteAllBytes);
// The same at the place FindSettingsFiles gives, whose folder is made at its first write.
int ReplaceSettingsFile(const std::function<std::string(std::string_view)>& edit);

int LoadSettings();   // g_settings from the settings file
int SaveSettings();   // g_settings to the settings file
