// The extensions' keys, and the dimming's strips and level.
#include <gtest/gtest.h>

#include "overlay/menus/input_rules.h"
#include "overlay/windows/dimming_rules.h"

TEST(ExtensionRules, KeysOfOwnLinesDimmingAndTheCaptureSwitch) {
    using A = KeyAction;
    constexpr unsigned kEsc = 0x1B, kTab = 0x09, kDel = 0x2E, kLeft = 0x25, kDown = 0x28;
    constexpr uint32_t kLines = 0x0080, kDim = 0x0040, kTools = 0x1000, kAll = 0x10C0;
    const struct { unsigned key; bool shift, ctrl; uint32_t ext; bool selected; KeyDecision want; } cases[] = {
        {'G', false, false, kLines, false, {A::addVerticalLine, 0, 0}},
        {'G', true, false, kLines, false, {A::addHorizontalLine, 0, 0}},
        {'G', false, false, kDim | kTools, false, {A::none, 0, 0}},  // without the lines' bit
        {'G', false, true, kAll, false, {A::none, 0, 0}},
        {kTab, false, false, kLines, false, {A::selectNextLine, 0, 0}},
        {kTab, false, false, 0, false, {A::none, 0, 0}},
        {kLeft, false, false, kLines, true, {A::moveLine, -1, 0}},
        {kDown, true, false, kLines, true, {A::moveLine, 0, 10}},
        {kLeft, false, false, kLines, false, {A::none, 0, 0}},  // no line selected: the frame moves
        {kLeft, false, true, kLines, true, {A::none, 0, 0}},    // Ctrl+arrow keeps resizing
        {kDel, false, false, kLines, true, {A::deleteLine, 0, 0}},
        {kDel, false, false, kLines, false, {A::none, 0, 0}},
        {kEsc, false, false, kLines, true, {A::clearLineSelection, 0, 0}},
        {kEsc, false, false, kLines, false, {A::none, 0, 0}},  // Esc closes as before
        {'D', false, false, kDim, false, {A::switchDimming, 0, 0}},
        {'D', true, false, kDim, true, {A::switchDimming, 0, 0}},
        {'D', false, false, kLines | kTools, false, {A::none, 0, 0}},
        {'H', false, true, kTools, false, {A::switchCaptureExclusion, 0, 0}},
        {'H', false, true, kLines | kDim, false, {A::none, 0, 0}},  // only with the work tools
        {'H', true, true, kTools, false, {A::none, 0, 0}},
        {'H', false, false, kTools, false, {A::none, 0, 0}},
        {'N', false, false, kAll, true, {A::none, 0, 0}},  // the guides' keys stay theirs
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideExtensionKey(c.key, c.shift, c.ctrl, c.ext, c.selected), c.want)
            << std::hex << c.key << " shift " << c.shift << " ctrl " << c.ctrl << " ext " << c.ext << " selected " << c.selected;
}

TEST(ExtensionRules, TheDimmingCoversEverythingAroundTheFrame) {
    const Rect one[] = {{0, 0, 1280, 1024}};
    const Rect two[] = {{0, 0, 1920, 1080}, {1920, -200, 3360, 2360}};  // the second upright, higher up
    const struct { const char* what; const Rect* monitors; int count; Rect frame; int n; Rect want[4]; } cases[] = {
        {"in the middle", one, 1, {100, 200, 300, 400}, 4,
         {{0, 0, 1280, 200}, {0, 400, 1280, 1024}, {0, 200, 100, 400}, {300, 200, 1280, 400}}},
        {"in the top-left corner", one, 1, {0, 0, 300, 400}, 2, {{0, 400, 1280, 1024}, {300, 0, 1280, 400}}},
        {"partly off the screen", one, 1, {-50, 900, 200, 1100}, 2, {{0, 0, 1280, 900}, {200, 900, 1280, 1024}}},
        {"on no monitor", one, 1, {2000, 2000, 2200, 2200}, 1, {{0, 0, 1280, 1024}}},
        {"over the whole screen", one, 1, {0, 0, 1280, 1024}, 0, {}},
        {"across two monitors", two, 2, {1800, 100, 2100, 500}, 4,
         {{0, -200, 3360, 100}, {0, 500, 3360, 2360}, {0, 100, 1800, 500}, {2100, 100, 3360, 500}}},
        {"on the upright monitor", two, 2, {2000, -200, 3360, 2360}, 1, {{0, -200, 2000, 2360}}},
    };
    for (const auto& c : cases) {
        Rect got[kDimStrips];
        ASSERT_EQ(DimStrips(c.frame, c.monitors, c.count, got), c.n) << c.what;
        for (int i = 0; i < c.n; ++i) {
            EXPECT_EQ(got[i].left, c.want[i].left) << c.what << " strip " << i;
            EXPECT_EQ(got[i].top, c.want[i].top) << c.what << " strip " << i;
            EXPECT_EQ(got[i].right, c.want[i].right) << c.what << " strip " << i;
            EXPECT_EQ(got[i].bottom, c.want[i].bottom) << c.what << " strip " << i;
        }
    }
    Rect none[kDimStrips];
    EXPECT_EQ(DimStrips({0, 0, 10, 10}, one, 0, none), 0) << "no monitor known: nothing darkened";
}

TEST(ExtensionRules, TheDimmingLevelKeepsWithinItsRange) {
    const struct { int32_t file; int level, alpha; } cases[] = {
        {50, 50, 128}, {10, 10, 26}, {90, 90, 230}, {0, 10, 26}, {-7, 10, 26}, {100, 90, 230}, {2147483647, 90, 230},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DimLevel(c.file), c.level) << c.file;
        EXPECT_EQ(DimAlpha(DimLevel(c.file)), c.alpha) << c.file;
    }
}
