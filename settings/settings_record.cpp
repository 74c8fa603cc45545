#include "settings_record.h"

#include <cstdio>

const SettingsKey kSettingsKeys[kSettingsKeyCount] = {
    {"Width", &Settings::Width, 200, true},
    {"Height", &Settings::Height, 200, true},
    {"InitRule", &Settings::InitRule, 1, true},
    {"LineColor", &Settings::LineColor, 255, true},
    {"LineWidth", &Settings::LineWidth, 2, false},
    {"DivNumV", &Settings::DivNumV, -1, false},
    {"DivNumH", &Settings::DivNumH, -1, false},
    {"DivWidthV", &Settings::DivWidthV, -1, false},
    {"DivWidthH", &Settings::DivWidthH, -1, false},
    {"FitRange", &Settings::FitRange, 50, false},
    {"AspectV", &Settings::AspectV, -1, false},
    {"AspectH", &Settings::AspectH, -1, false},
    {"Tray", &Settings::Tray, 0, false},
    {"Hotkey", &Settings::Hotkey, 0, false},
    {"Outer", &Settings::Outer, 1, false},
    {"Ext", &Settings::Ext, 0, false},
};

Settings g_settings = DefaultSettings();

Settings DefaultSettings() {
    Settings s{};
    for (const SettingsKey& key : kSettingsKeys) s.*key.value = key.fallback;
    return s;
}

size_t FormatSettingsSection(const Settings& s, char* out, size_t cap) {
    size_t used = 0;
    for (const SettingsKey& key : kSettingsKeys) {
        int32_t v = s.*key.value;
        int n = key.isUnsigned
                    ? std::snprintf(out + used, cap - used, "%s=%u", key.name, static_cast<uint32_t>(v))
                    : std::snprintf(out + used, cap - used, "%s=%d", key.name, static_cast<int>(v));
        // Room is needed for the text, its zero and the section's final zero.
        if (n < 0 || used + static_cast<size_t>(n) + 2 > cap) return 0;
        used += static_cast<size_t>(n) + 1;  // keep snprintf's zero as the separator
    }
    out[used++] = '\0';
    return used;
}
