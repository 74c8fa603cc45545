#include <gtest/gtest.h>

#include <string>

#include "settings/layout_slot.h"
#include "settings/settings_record.h"
#include "settings/shared_names.h"

namespace {
// The section text with its zero separators shown as '|'.
std::string Shown(const Settings& s) {
    char buf[kSectionTextMax];
    size_t n = FormatSettingsSection(s, buf, sizeof buf);
    std::string text(buf, n);
    for (char& c : text) if (c == '\0') c = '|';
    return text;
}
}  // namespace

TEST(SettingsText, DefaultsInTableOrder) {
    EXPECT_EQ(Shown(DefaultSettings()),
              "Width=200|Height=200|InitRule=1|LineColor=255|LineWidth=2|DivNumV=-1|DivNumH=-1|"
              "DivWidthV=-1|DivWidthH=-1|FitRange=50|AspectV=-1|AspectH=-1|Tray=0|Hotkey=0|Outer=1|Ext=0||");
}

TEST(SettingsText, LongestValuesFitTheBlock) {
    Settings s{};
    for (const SettingsKey& key : kSettingsKeys) s.*key.value = INT32_MIN;  // 11 characters signed
    char buf[kSectionTextMax];
    size_t n = FormatSettingsSection(s, buf, sizeof buf);
    EXPECT_EQ(n, kSectionTextMax);  // the block is exactly as large as the worst case
    std::string text = Shown(s);
    EXPECT_NE(text.find("Width=2147483648|"), std::string::npos);     // unsigned keys
    EXPECT_NE(text.find("LineColor=2147483648|"), std::string::npos);
    EXPECT_NE(text.find("LineWidth=-2147483648|"), std::string::npos);  // signed keys
    EXPECT_NE(text.find("Ext=-2147483648||"), std::string::npos);
}

TEST(SettingsText, TooSmallBufferGivesNothing) {
    char buf[40];
    EXPECT_EQ(FormatSettingsSection(DefaultSettings(), buf, sizeof buf), 0u);
    EXPECT_EQ(FormatSettingsSection(DefaultSettings(), buf, 0), 0u);
}

TEST(SharedNames, WhatTheProgramsKnowOfEachOther) {
    EXPECT_STREQ(kFrameClass, "__pemoka_246__");
    EXPECT_EQ(kSettingsChangedMessage, 0x8001u);  // WM_APP + 1
}

TEST(LayoutSlotText, WrittenReadBackAndJunkIgnored) {
    constexpr uint32_t kOffered = 0x43BF;  // Ext 0x2000: the first ten rows but the railman ratio, and the safe areas
    const LayoutSlot kept{-1920, 35, 1080, 1350, 0x4000, 7};
    char text[kLayoutSlotTextMax];
    EXPECT_EQ(FormatLayoutSlot(kept, text, sizeof text), 26u);
    EXPECT_STREQ(text, "-1920,35,1080,1350,16384,7");
    const LayoutSlot widest{INT32_MIN, INT32_MIN, INT32_MIN, INT32_MIN, 0xFFFFFFFF, 0xFFFFFFFF};
    EXPECT_EQ(FormatLayoutSlot(widest, text, sizeof text), kLayoutSlotTextMax - 1);

    const LayoutSlot untouched{1, 1, 1, 1, 1, 1};
    const struct { const char* text; LayoutSlot read; } cases[] = {
        {"-1920,35,1080,1350,16384,7", kept},
        {" 10 , 20 ,40,\t40, 1 ,4294967295 ", {10, 20, 40, 40, 1, 4294967295u}},  // blanks; the least sides
        {"-1000000,1000000,1000000,1000000,512,0", {-1000000, 1000000, 1000000, 1000000, 512, 0}},
        {"", untouched},
        {"10,20,300,200,1", untouched},      // a number missing
        {"10,,300,200,1,0", untouched},
        {"10,20,300,200,1,0,5", untouched},  // one too many
        {"ten,20,300,200,1,0", untouched},
        {"10,20,300.5,200,1,0", untouched},
        {"+10,20,300,200,1,0", untouched},
        {"10,20,39,200,1,0", untouched},     // a side below 40
        {"1000001,20,300,200,1,0", untouched},  // huge
        {"10,20,300,99999999999999999999,1,0", untouched},
        {"10,20,300,200,1,4294967296", untouched},
        {"10,20,300,200,0,0", untouched},    // no guide, two guides, one not offered, no row at all
        {"10,20,300,200,3,0", untouched},
        {"10,20,300,200,64,0", untouched},
        {"10,20,300,200,65536,0", untouched},
    };
    for (const auto& c : cases) {
        LayoutSlot out = untouched;
        EXPECT_EQ(ParseLayoutSlot(c.text, kOffered, out), !(c.read == untouched)) << '"' << c.text << '"';
        EXPECT_EQ(out, c.read) << '"' << c.text << '"';
    }
    LayoutSlot out = untouched;
    EXPECT_TRUE(ParseLayoutSlot("10,20,300,200,64,0", kOffered | 0x40, out));  // the railman ratio with its bit

    char label[64];
    EXPECT_EQ(FormatLayoutSlotLabel(1, {0, 0, 1080, 1350, 0x800, 0}, "黄金螺旋", label, sizeof label), 24u);
    EXPECT_STREQ(label, "1: 1080 × 1350 黄金螺旋");
    EXPECT_EQ(FormatLayoutSlotLabel(9, kept, "セーフエリア", label, 20), 0u);  // never a character cut in two
    EXPECT_STREQ(label, "");
}
