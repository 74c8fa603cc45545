#include "overlay/screen/aspect_ratio.h"

#include <gtest/gtest.h>

#include <string>

TEST(AspectRatio, KeepsTheSideTheRatioNamesAndRoundsHalfUp) {
    const struct { int w, h, a, b, wantW, wantH; } cases[] = {
        {300, 100, 4, 3, 300, 225},  // 225.5 truncated after adding the half
        {400, 150, 3, 4, 113, 150},  // 113.0
        {128, 100, 16, 9, 128, 72},  // an exact half goes up: 71.5 + 0.5
        {300, 200, 1, 1, 200, 200},  // the square keeps the height
        {200, 200, 3, 2, 200, 133},  // the custom default: 133.83
        {5000, 40, 125, 1, 5000, 40},
        // No side below the minimum, and no division by a zero or negative term.
        {5000, 40, 1000, 1, 5000, 40}, {70, 100, 16, 9, 70, 100}, {71, 100, 16, 9, 71, 40},
        {200, 200, 0, 2, 200, 200}, {200, 200, 5, 0, 200, 200}, {200, 200, 0, 0, 200, 200},
        {200, 200, -3, 2, 200, 200}, {200, 200, 1, 1000, 200, 200}, {200, 200, -1, -1, 200, 200},
    };
    for (const auto& c : cases) {
        const FrameSize s = AspectSize(c.w, c.h, c.a, c.b);
        EXPECT_EQ(s.w, c.wantW) << c.w << "x" << c.h << " " << c.a << ":" << c.b;
        EXPECT_EQ(s.h, c.wantH) << c.w << "x" << c.h << " " << c.a << ":" << c.b;
    }
}

TEST(AspectRatio, CommandsFollowTheSubmenu) {
    EXPECT_EQ(FindRatioPreset(32773), nullptr);
    EXPECT_EQ(FindRatioPreset(kCustomRatioCommand), nullptr);
    for (unsigned i = 0; i < kRatioCommandCount; ++i) {
        const RatioPreset& p = kRatioPresets[i];
        EXPECT_EQ(p.command, kFirstRatioCommand + i);
        if (p.command == kCustomRatioCommand) continue;
        EXPECT_EQ(FindRatioPreset(p.command), &p);
        EXPECT_EQ(std::string(p.label), std::to_string(p.a) + ":" + std::to_string(p.b));
    }
}

// A frame at the minimum keeps its size with every preset: each would shorten a side below 40,
// and a chain of ratios must not shrink the frame out of reach of the hand.
TEST(AspectRatio, AFrameAtTheMinimumKeepsItsSizeWithEveryPreset) {
    for (const RatioPreset& p : kRatioPresets) {
        if (p.command == kCustomRatioCommand) continue;
        const FrameSize s = AspectSize(40, 40, p.a, p.b);
        EXPECT_EQ(s.w, 40) << p.label;
        EXPECT_EQ(s.h, 40) << p.label;
    }
}
