// Where the settings file lives: beside the programs whenever a file can be written there, as it
// always was; otherwise in the user's own application data folder ("%APPDATA%\Pemoka"), which
// starts from the folder's file at its first write and is read from then on. Both programs ask
// the same rule, so they always agree. Platform-free.
#pragma once

enum class SettingsPlace { folder, perUser };

// What was found by trying, not by attributes.
struct SettingsPlaceFacts {
    bool folderWritable;  // a file could be made beside the programs, and pemoka.ini there written
    bool perUserKnown;    // the user's application data folder could be had
    bool perUserExists;   // pemoka.ini is already in the per-user place
};

// The file read at start and the one written. They differ only before the first write to the
// per-user place, which then starts from the file read.
struct SettingsPlaces {
    SettingsPlace read, write;
    bool operator==(const SettingsPlaces&) const = default;
};

SettingsPlaces ChooseSettingsPlaces(const SettingsPlaceFacts& facts);
