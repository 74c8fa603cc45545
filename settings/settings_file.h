// The settings file "pemoka.ini" next to the executable, read and written through the
// private-profile API. Shared by both programs.
#pragma once
#include <windows.h>

#include "settings_record.h"

// Ends a path directly after its last backslash or slash, stepping over double-byte
// characters. Returns null (path untouched) for an empty path or one without a separator.
char* CutToFolder(char* path);

// Folder of exePath plus "pemoka.ini" into out (MAX_PATH bytes). Returns 0 when the result
// would not fit in MAX_PATH - 1 bytes; out is then empty.
int ComposeSettingsPath(const char* exePath, char* out);

// Folder of exePath plus name into out (MAX_PATH bytes). Returns 0 when the result would not fit
// in MAX_PATH - 1 bytes, whatever the length of exePath's own file name; out is then empty.
int ComposeProgramPath(const char* exePath, const char* name, char* out);
// The same for the running executable, whose path must be had whole; "" gives its folder.
int ProgramFilePath(const char* name, char* out);

// The settings file path of the running executable, or 0 when it cannot be had.
int SettingsFilePath(char* out);

// Fill the record from the file (missing file, section or key: the table's values). A null
// path gives the table's values. Always 1.
int LoadSettingsFrom(const char* path, Settings& s);
// Replace section "SET" with the record. 0 when there is no path or no memory, or the file
// cannot be written.
int SaveSettingsTo(const char* path, const Settings& s);

int LoadSettings();   // g_settings from this executable's file
int SaveSettings();   // g_settings to this executable's file
