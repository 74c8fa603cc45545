#include "dialog_rules.h"

#include "../settings/shared_names.h"

int StartupRowCount(int32_t ext) {
    return 1 + ((static_cast<uint32_t>(ext) & kPhotoGuidesExt) ? kGuideCount : kPhotoGuidesFirst);
}

const char* StartupRowLabel(int row, Language language) {
    if (row == 0) return TextOf(language, kTextLastGuide);
    return row > 0 && row <= kGuideCount ? TextOf(language, kGuideNames[row - 1].label) : "";
}

int StartupRowOf(int32_t initRule, int32_t ext) {
    const uint32_t rule = static_cast<uint32_t>(initRule);
    if (rule & kRememberFlag) return 0;
    for (int row = 1; row < StartupRowCount(ext); ++row)
        if (kGuideNames[row - 1].mask == rule) return row;
    return -1;
}

int32_t InitRuleOfRow(int row, int32_t asRead) {
    if (row == 0) return static_cast<int32_t>(kRememberFlag);
    return row > 0 && row <= kGuideCount ? static_cast<int32_t>(kGuideNames[row - 1].mask) : asRead;
}

int32_t ReadLeadingInteger(const char* text) {
    while (*text == ' ' || (*text >= '\t' && *text <= '\r')) ++text;
    const bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    const int64_t limit = negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    int64_t value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > limit) value = limit;
    }
    return static_cast<int32_t>(negative ? -value : value);
}

bool HotKeyNeedsTest(int32_t tray, int32_t hotkey, const Settings& asRead) {
    const HotkeyParts parts = DecodeHotkey(hotkey);
    const bool registered = tray == 1 && parts.key != 0 && parts.modifiers != 0;
    return registered && (tray != asRead.Tray || hotkey != asRead.Hotkey);
}
