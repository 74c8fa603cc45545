// The extensions' keys, and the dimming's strips and level.
#include <gtest/gtest.h>

#include <vector>

#include "overlay/menus/input_rules.h"
#include "overlay/windows/dimming_rules.h"

TEST(ExtensionRules, KeysOfOwnLinesDimmingAndTheCaptureSwitch) {
    using A = KeyAction;
    constexpr unsigned kEsc = 0x1B, kTab = 0x09, kDel = 0x2E, kLeft = 0x25, kDown = 0x28;
    constexpr uint32_t kLines = 0x0080, kDim = 0x0040, kTools = 0x1000, kAll = 0x10C0;
    const struct { unsigned key; bool shift, ctrl; uint32_t ext; bool selected; KeyDecision want; bool alt = false, repeat = false; } cases[] = {
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
        // Held down, a switch or an added line acts once; a selected line keeps moving.
        {'H', false, true, kTools, false, {A::none, 0, 0}, false, true},
        {'D', false, false, kDim, false, {A::none, 0, 0}, false, true},
        {'G', false, false, kLines, false, {A::none, 0, 0}, false, true},
        {kLeft, false, false, kLines, true, {A::moveLine, -1, 0}, false, true},
        // AltGr is Ctrl+Alt: AltGr+H types a character on some keyboards.
        {'H', false, true, kTools, false, {A::none, 0, 0}, true, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideExtensionKey({c.key, c.shift, c.ctrl, c.alt, c.repeat}, c.ext, c.selected), c.want)
            << std::hex << c.key << " shift " << c.shift << " ctrl " << c.ctrl << " ext " << c.ext << " selected "
            << c.selected << " alt " << c.alt << " repeat " << c.repeat;
}

namespace {
bool In(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }
}  // namespace

// Every pixel of the monitors outside the frame lies in exactly one strip, and none of the frame
// does: sampled on a grid and on both sides of each of the frame's edges.
TEST(ExtensionRules, TheDimmingCoversEverythingAroundTheFrameOnce) {
    const Rect one[] = {{0, 0, 1280, 1024}};
    const Rect two[] = {{0, 0, 1920, 1080}, {1920, -200, 3360, 2360}};  // the second upright, higher up
    const struct { const char* what; const Rect* monitors; int count; Rect frame; } cases[] = {
        {"in the middle", one, 1, {100, 200, 300, 400}},
        {"in the top-left corner", one, 1, {0, 0, 300, 400}},
        {"partly off the screen", one, 1, {-50, 900, 200, 1100}},
        {"beyond the screen", one, 1, {2000, 2000, 2200, 2200}},
        {"far beyond it, as a hand-edited slot may be", one, 1, {-1000000, 5, -999000, 500}},
        {"over the whole screen", one, 1, {0, 0, 1280, 1024}},
        {"across two monitors", two, 2, {1800, 100, 2100, 500}},
        {"on the upright monitor", two, 2, {2000, -200, 3360, 2360}},
    };
    for (const auto& c : cases) {
        Rect strips[kDimStrips];
        ASSERT_EQ(DimStrips(c.frame, c.monitors, c.count, strips), kDimStrips) << c.what;
        std::vector<Point> points;
        for (int m = 0; m < c.count; ++m)
            for (int y = c.monitors[m].top; y < c.monitors[m].bottom; y += 37)
                for (int x = c.monitors[m].left; x < c.monitors[m].right; x += 41) points.push_back({x, y});
        for (int d : {-1, 0}) {
            points.push_back({c.frame.left + d, (c.frame.top + c.frame.bottom) / 2});
            points.push_back({c.frame.right + d, (c.frame.top + c.frame.bottom) / 2});
            points.push_back({(c.frame.left + c.frame.right) / 2, c.frame.top + d});
            points.push_back({(c.frame.left + c.frame.right) / 2, c.frame.bottom + d});
        }
        for (const Point& p : points) {
            bool onMonitor = false;
            for (int m = 0; m < c.count; ++m) onMonitor = onMonitor || In(c.monitors[m], p.x, p.y);
            if (!onMonitor) continue;
            int covering = 0;
            for (const Rect& s : strips) covering += In(s, p.x, p.y);
            EXPECT_EQ(covering, In(c.frame, p.x, p.y) ? 0 : 1) << c.what << " at " << p.x << "," << p.y;
        }
    }
    Rect none[kDimStrips];
    EXPECT_EQ(DimStrips({0, 0, 10, 10}, one, 0, none), 0) << "no monitor known: nothing darkened";
}

// A move of the frame on the screen moves the strips and resizes none, so that a drag step
// costs no repaint of them; a sideways move leaves the strips above and below where they are.
TEST(ExtensionRules, AMoveOnlyMovesTheStrips) {
    const Rect screen[] = {{0, 0, 1280, 1024}};
    Rect before[kDimStrips], after[kDimStrips], down[kDimStrips];
    DimStrips({100, 200, 300, 400}, screen, 1, before);
    DimStrips({101, 200, 301, 400}, screen, 1, after);
    DimStrips({100, 210, 300, 410}, screen, 1, down);
    for (int i = 0; i < kDimStrips; ++i) {
        EXPECT_EQ(after[i].right - after[i].left, before[i].right - before[i].left) << i;
        EXPECT_EQ(after[i].bottom - after[i].top, before[i].bottom - before[i].top) << i;
        EXPECT_EQ(down[i].right - down[i].left, before[i].right - before[i].left) << i;
        EXPECT_EQ(down[i].bottom - down[i].top, before[i].bottom - before[i].top) << i;
    }
    for (int i : {0, 1}) {
        EXPECT_EQ(after[i].left, before[i].left);
        EXPECT_EQ(after[i].top, before[i].top);
    }
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
