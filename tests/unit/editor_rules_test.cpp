#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <map>
#include <string>

#include "editor/dialog_rules.h"
#include "editor/key_names.h"

namespace {
// Every named code as the key-name table gives it in the language; all others have no name.
std::map<unsigned, std::string> ExpectedKeyNames(Language language) {
    std::map<unsigned, std::string> names = {
        {0x02, "マウス右ボタン"}, {0x03, "Cancel"}, {0x04, "マウス中央ボタン"}, {0x05, "マウス X1 ボタン"},
        {0x06, "マウス X2 ボタン"}, {0x07, "未定義"}, {0x08, "BS"}, {0x09, "Tab"}, {0x0A, "未定義"},
        {0x0B, "未定義"}, {0x0C, "Clear"}, {0x0D, "Enter"}, {0x0E, "未定義"}, {0x0F, "未定義"},
        {0x10, "Shift"}, {0x11, "Ctrl"}, {0x12, "Alt"}, {0x13, "Pause"}, {0x14, "Caps Lock"},
        {0x15, "---"}, {0x16, "未定義"}, {0x17, "---"}, {0x18, "---"}, {0x19, "---"}, {0x1A, "未定義"},
        {0x1B, "Esc"}, {0x1C, "IME 変換"}, {0x1D, "IME 無変換"}, {0x1E, "未定義"}, {0x1F, "IME モード変更"},
        {0x20, "Space"}, {0x21, "Page Up"}, {0x22, "Page Down"}, {0x23, "End"}, {0x24, "Home"},
        {0x25, "Left"}, {0x26, "Up"}, {0x27, "Right"}, {0x28, "Down"}, {0x29, "Select"}, {0x2A, "Print"},
        {0x2B, "Execute"}, {0x2C, "Print Screen"}, {0x2D, "Insert"}, {0x2E, "Delete"}, {0x2F, "Help"},
        {0x6A, "Num(*)"}, {0x6B, "Num(+)"}, {0x6C, "Num(Enter)"}, {0x6D, "Num(-)"}, {0x6E, "Num(.)"},
        {0x6F, "Num(/)"},
    };
    for (unsigned c = '0'; c <= '9'; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (unsigned c = 'A'; c <= 'Z'; ++c) names[c] = std::string(1, static_cast<char>(c));
    for (unsigned c = 0x60; c <= 0x69; ++c) names[c] = "Num(" + std::to_string(c - 0x60) + ")";
    for (unsigned c = 0x70; c <= 0x87; ++c) names[c] = "F" + std::to_string(c - 0x6F);
    if (language == Language::english) {
        for (auto& [code, name] : names)
            if (name == "未定義") name = "Undefined";
        names[0x02] = "Right Mouse Button";
        names[0x03] = "Break";
        names[0x04] = "Middle Mouse Button";
        names[0x05] = "X1 Mouse Button";
        names[0x06] = "X2 Mouse Button";
        names[0x08] = "Backspace";
        names[0x1C] = "IME Convert";
        names[0x1D] = "IME Nonconvert";
        names[0x1F] = "IME Mode Change";
    }
    return names;
}
}  // namespace

TEST(KeyNames, EveryCodeAgainstTheTableInEachLanguage) {
    for (Language language : {Language::japanese, Language::english}) {
        const auto expected = ExpectedKeyNames(language);
        for (unsigned code = 0; code < 256; ++code) {
            char name[kKeyNameMax + 8];
            std::memset(name, '#', sizeof name);
            const auto it = expected.find(code);
            if (it == expected.end()) {
                EXPECT_EQ(FormatKeyName(code, name, language), 0) << code;
                EXPECT_EQ(std::string(name, sizeof name), std::string(sizeof name, '#')) << code;  // untouched
            } else {
                EXPECT_EQ(FormatKeyName(code, name, language), 1) << code;
                EXPECT_EQ(std::string(name), it->second) << code;
                EXPECT_LT(it->second.size(), static_cast<size_t>(kKeyNameMax)) << code;
                EXPECT_EQ(name[it->second.size() + 1], '#') << code;  // nothing written past the zero
            }
        }
    }
    // Spot checks of boundaries against what the table above builds.
    char name[kKeyNameMax];
    for (auto [code, want] : std::map<unsigned, std::string>{
             {0x30, "0"}, {0x39, "9"}, {0x41, "A"}, {0x5A, "Z"}, {0x60, "Num(0)"}, {0x69, "Num(9)"},
             {0x70, "F1"}, {0x79, "F10"}, {0x87, "F24"}}) {
        ASSERT_EQ(FormatKeyName(code, name, Language::japanese), 1) << code;
        EXPECT_EQ(std::string(name), want) << code;
    }
    // The longest Japanese names: 16 bytes in code page 932.
    FormatKeyName(0x04, name, Language::japanese);
    EXPECT_EQ(std::strlen(name), 16u);
    FormatKeyName(0x05, name, Language::japanese);
    EXPECT_EQ(std::strlen(name), 16u);
}

TEST(EditorRules, StartupRowOfInitRuleAndWhatOkStores) {
    const struct { uint32_t rule; int32_t ext; int row; uint32_t stored; } cases[] = {
        {0x80000000u, 0, 0, 0x80000000u},
        {0x80000004u, 0, 0, 0x80000000u},  // remember flag with a mask: "前回の構図", the mask is not kept
        {0x1, 0, 1, 0x1}, {0x4, 0, 2, 0x4}, {0x8, 0, 3, 0x8}, {0x10, 0, 4, 0x10}, {0x80, 0, 5, 0x80},
        {0x100, 0, 6, 0x100}, {0x2, 0, 7, 0x2}, {0x20, 0, 8, 0x20}, {0x200, 0, 9, 0x200}, {0x40, 0, 10, 0x40},
        {0x0, 0, -1, 0x0},  // no row: shown empty, kept as read
        {0x3, 0, -1, 0x3},
        {0x400, 0, -1, 0x400},  // not listed without Ext's bit: kept as read
        {0x2000, 0xBFFF, -1, 0x2000},
        {0x400, 0x4000, 11, 0x400}, {0x800, 0x4000, 12, 0x800}, {0x1000, -1, 13, 0x1000}, {0x2000, 0x4000, 14, 0x2000},
        {0x40, 0x4000, 10, 0x40},
        {0x4000, 0x2000, 11, 0x4000}, {0x4000, 0x6000, 15, 0x4000}, {0x4000, 0x4000, -1, 0x4000},  // safe areas
    };
    for (const auto& c : cases) {
        const int row = StartupRowOf(static_cast<int32_t>(c.rule), c.ext);
        EXPECT_EQ(row, c.row) << c.rule;
        EXPECT_EQ(static_cast<uint32_t>(InitRuleOfRow(row, c.ext, static_cast<int32_t>(c.rule))), c.stored) << c.rule;
    }
    EXPECT_EQ(StartupRowCount(0), 11);
    EXPECT_EQ(StartupRowCount(0xBFFF), 12);  // the safe areas without the golden guides
    EXPECT_EQ(StartupRowCount(0x4000), 15);
    EXPECT_EQ(StartupRowCount(-1), 16);
    const auto ja = Language::japanese;
    EXPECT_STREQ(StartupRowLabel(14, 0x4000, ja), "ダイナミックシンメトリー");
    EXPECT_STREQ(StartupRowLabel(11, 0x2000, ja), "セーフエリア");
    EXPECT_STREQ(StartupRowLabel(15, 0x6000, ja), "セーフエリア");
    EXPECT_STREQ(StartupRowLabel(15, 0x4000, ja), "");
    EXPECT_STREQ(StartupRowLabel(0, 0, ja), "前回の構図");
    EXPECT_STREQ(StartupRowLabel(7, 0, ja), "対角線");
    EXPECT_STREQ(StartupRowLabel(10, 0, ja), "レイルマン比率");
    EXPECT_STREQ(StartupRowLabel(-1, 0, ja), "");
    // The list shows a row without the menu's access key.
    const auto listed = [](int row, int32_t ext) {
        char shown[64];
        WithoutAccessKey(StartupRowLabel(row, ext, Language::english), shown, sizeof shown);
        return std::string(shown);
    };
    EXPECT_EQ(listed(0, 0), "Guide Last Used");
    EXPECT_EQ(listed(1, 0), "Rule of Thirds");
    EXPECT_EQ(listed(11, 0x2000), "Safe Areas");
    EXPECT_STREQ(StartupRowLabel(15, 0x4000, Language::english), "");
    EXPECT_EQ(InitRuleOfRow(2, 0, 0x2), 0x4);  // a chosen row replaces what was read
    EXPECT_EQ(InitRuleOfRow(11, 0, 0x2), 0x2);  // past the list: kept
}

TEST(EditorRules, HotKeyIsTriedOnlyWhenTheOverlayWouldTakeANewOne) {
    Settings read = DefaultSettings();
    read.Tray = 1;
    read.Hotkey = 0x0341;  // Alt+Ctrl+A
    const struct { int32_t tray, hotkey; bool test; } cases[] = {
        {1, 0x0341, false},  // as read: the running overlay may hold it
        {1, 0x0342, true},   // another key
        {1, 0x0141, true},   // other modifiers
        {0, 0x0342, false},  // not resident: never registered
        {1, 0x0042, false},  // no modifier
        {1, 0x0300, false},  // no key
    };
    for (const auto& c : cases) EXPECT_EQ(HotKeyNeedsTest(c.tray, c.hotkey, read), c.test) << c.tray << " " << c.hotkey;
    read.Tray = 0;  // residency switched on with the same key
    EXPECT_TRUE(HotKeyNeedsTest(1, 0x0341, read));
}

// The group of extensions: its boxes and language as Ext shows them, and Ext from them with every
// other bit kept.
TEST(EditorRules, ExtOfTheExtensionsGroup) {
    using L = LanguageChoice;
    const struct { int32_t ext; L shown; } shown[] = {
        {0, L::automatic}, {0x0200, L::japanese}, {0x0100, L::english}, {0x0300, L::japanese}, {-1, L::japanese},
        {0x00FF, L::automatic},
    };
    for (const auto& c : shown) EXPECT_EQ(LanguageChoiceOf(c.ext), c.shown) << std::hex << c.ext;
    const struct { int32_t asRead; uint32_t ticked; L language; int32_t want; } stored[] = {
        {0, 0, L::automatic, 0},
        {0, 0x8000 | 0x1000, L::english, 0x9100},
        {0x0300, 0, L::automatic, 0},                           // both language bits go
        {0x4000, 0x0400, L::japanese, 0x0600},                  // an unticked box's bit goes
        {static_cast<int32_t>(0x80010021), 0x2000 | 0x0800, L::automatic, static_cast<int32_t>(0x80012821)},  // unknown bits kept
        {0, 0x00FF, L::automatic, 0x00C0},                      // only the boxes' own bits are taken
        {0x0400, 0x0080 | 0x0040, L::automatic, 0x00C0},        // own lines and dimming
        {-1, 0xFC00, L::english, static_cast<int32_t>(0xFFFFFD3F)},
    };
    for (const auto& c : stored)
        EXPECT_EQ(ExtOfChoices(c.asRead, c.ticked, c.language), c.want) << std::hex << c.asRead << " " << c.ticked;
}
