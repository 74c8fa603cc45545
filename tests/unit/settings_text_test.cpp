#include <gtest/gtest.h>

#include <string>

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
