#include "dialog_rules.h"

#include "../settings/shared_names.h"
#include "resources/resource.h"

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

const ExtensionBox kExtensionBoxes[kExtensionBoxCount] = {
    {IDC_EXT_RAILMAN, 0x8000}, {IDC_EXT_GOLDEN, 0x4000},   {IDC_EXT_SAFE_AREAS, 0x2000},
    {IDC_EXT_TOOLS, 0x1000},   {IDC_EXT_OUTLINE, 0x0800}, {IDC_EXT_NO_CAPTURE, 0x0400},
    {IDC_EXT_OWN_LINES, 0x0080}, {IDC_EXT_DIMMING, 0x0040},
};

LanguageChoice LanguageChoiceOf(int32_t ext) {
    const uint32_t bits = static_cast<uint32_t>(ext);
    if (bits & kJapaneseTextsExt) return LanguageChoice::japanese;
    return (bits & kEnglishTextsExt) ? LanguageChoice::english : LanguageChoice::automatic;
}

int32_t ExtOfChoices(int32_t asRead, uint32_t tickedBits, LanguageChoice language) {
    uint32_t shown = kJapaneseTextsExt | kEnglishTextsExt, ticked = 0;
    for (const ExtensionBox& box : kExtensionBoxes) {
        shown |= box.bit;
        ticked |= tickedBits & box.bit;
    }
    const uint32_t languageBit = language == LanguageChoice::japanese  ? kJapaneseTextsExt
                                 : language == LanguageChoice::english ? kEnglishTextsExt
                                                                       : 0;
    return static_cast<int32_t>((static_cast<uint32_t>(asRead) & ~shown) | ticked | languageBit);
}
