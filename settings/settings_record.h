// The settings record: 16 signed 32-bit values, named after their keys in "pemoka.ini".
// Platform-free: the key table and the section text live here, the file access in settings_file.
#pragma once
#include <cstddef>
#include <cstdint>

struct Settings {
    int32_t Width, Height, InitRule, LineColor, LineWidth, DivNumV, DivNumH, DivWidthV,
        DivWidthH, FitRange, AspectV, AspectH, Tray, Hotkey, Outer, Ext;
};

// One key of section "SET", in file order.
struct SettingsKey {
    const char* name;
    int32_t Settings::*value;
    int32_t fallback;   // the value when the key is missing
    bool isUnsigned;    // written with %u rather than %d
};

constexpr int kSettingsKeyCount = 16;
extern const SettingsKey kSettingsKeys[kSettingsKeyCount];

// The process-wide record of the running program.
extern Settings g_settings;

// InitRule's remember flag: start with the guide that was active at the last close.
constexpr uint32_t kRememberFlag = 0x80000000u;

// Hotkey: the key's virtual-key code in bits 0-7, the modifiers in bits 8-15 (1 Alt, 2 Ctrl,
// 4 Shift, 8 Win, as RegisterHotKey takes them). Higher bits are ignored.
struct HotkeyParts {
    unsigned key, modifiers;
    bool operator==(const HotkeyParts&) const = default;
};
constexpr HotkeyParts DecodeHotkey(int32_t hotkey) {
    const auto bits = static_cast<uint32_t>(hotkey);
    return {bits & 0xFF, (bits >> 8) & 0xFF};
}
constexpr int32_t EncodeHotkey(HotkeyParts parts) {
    return static_cast<int32_t>((parts.key & 0xFF) | (parts.modifiers & 0xFF) << 8);
}

// Key names with '=' (125), four unsigned values of 10 digits, twelve signed of 11,
// a zero after each value and the final zero.
constexpr size_t kSectionTextMax = 125 + 4 * 10 + 12 * 11 + 16 + 1;

// The record as the fallback values of the key table yield it.
Settings DefaultSettings();

// Formats the record as a private-profile section: "key=value\0" per key and one more '\0'.
// Returns the length including both kinds of zero, or 0 when cap is too small.
size_t FormatSettingsSection(const Settings& s, char* out, size_t cap);
