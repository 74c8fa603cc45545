#include "overlay/screen/aspect_ratio.h"

#include <gtest/gtest.h>

#include <string>

TEST(AspectRatio, KeepsTheSideTheRatioNamesAndRoundsHalfUp) {
    const struct { int w, h, a, b, wantW, wantH; } cases[] = {
        {300, 100, 4, 3, 300, 225},  // 225.5 truncated after adding the half
        {400, 150, 3, 4, 113, 150},  // 113.0
        {8, 100, 16, 9, 8, 5},       // an exact half goes up: 4.5 + 0.5
        {300, 200, 1, 1, 200, 200},  // the square keeps the height
        {200, 200, 3, 2, 200, 133},  // the custom default: 133.83
        {5000, 40, 1000, 1, 5000, 5},
        // No frame of less than a pixel, and no division by a zero or negative term.
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
