#include "dialog_rules.h"

#include "../settings/shared_names.h"

namespace {
// The guide of a list row, as an index of kGuideNames; -1 for row 0 and rows past the list.
int GuideOfRow(int row, int32_t ext) {
    if (row <= 0) return -1;
    for (int guide = 0; guide < kGuideCount; ++guide) {
        const uint32_t gate = ListedGuideGate(guide);
        if ((gate == 0 || (gate & static_cast<uint32_t>(ext))) && --row == 0) return guide;
    }
    return -1;
}
}  // namespace

int StartupRowCount(int32_t ext) {
    int rows = 1;
    while (GuideOfRow(rows, ext) >= 0) ++rows;
    return rows;
}

const char* StartupRowLabel(int row, int32_t ext, Language language) {
    if (row == 0) return TextOf(language, kTextLastGuide);
    const int guide = GuideOfRow(row, ext);
    return guide >= 0 ? TextOf(language, kGuideNames[guide].label) : "";
}

int StartupRowOf(int32_t initRule, int32_t ext) {
    const uint32_t rule = static_cast<uint32_t>(initRule);
    if (rule & kRememberFlag) return 0;
    for (int row = 1, guide; (guide = GuideOfRow(row, ext)) >= 0; ++row)
        if (kGuideNames[guide].mask == rule) return row;
    return -1;
}

int32_t InitRuleOfRow(int row, int32_t ext, int32_t asRead) {
    if (row == 0) return static_cast<int32_t>(kRememberFlag);
    const int guide = GuideOfRow(row, ext);
    return guide >= 0 ? static_cast<int32_t>(kGuideNames[guide].mask) : asRead;
}

bool HotKeyNeedsTest(int32_t tray, int32_t hotkey, const Settings& asRead) {
    const HotkeyParts parts = DecodeHotkey(hotkey);
    const bool registered = tray == 1 && parts.key != 0 && parts.modifiers != 0;
    return registered && (tray != asRead.Tray || hotkey != asRead.Hotkey);
}
