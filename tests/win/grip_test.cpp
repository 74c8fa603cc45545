// The navigation grip's picture in each mode, painted into a DIB of its 22 x 22 client area.
#include <gtest/gtest.h>

#include "dib.h"
#include "overlay/windows/frame_geometry.h"
#include "overlay/windows/navigation_grip.h"

namespace {
// A dark high-contrast theme as a stand-in for the system's colours.
uint32_t DarkTheme(int index) {
    switch (index) {
        case kSysWindow: return RGB(0, 0, 0);
        case kSysWindowText: return RGB(255, 255, 255);
        case kSysHighlight: return RGB(26, 235, 255);
        default: return RGB(255, 255, 0);
    }
}
}  // namespace

// The grip in its own colours, and in a dark high-contrast theme's: background, lit half and
// diagonal each in the theme's colour.
TEST(Grip, HighlightsTheHalfOfItsModeAndDrawsTheDiagonal) {
    const struct { bool highContrast; COLORREF back, lit, line; } themes[] = {
        {false, RGB(255, 255, 255), RGB(200, 200, 255), RGB(0, 0, 0)},
        {true, RGB(0, 0, 0), RGB(26, 235, 255), RGB(255, 255, 255)},
    };
    for (const auto& theme : themes) {
        const OwnColours colours = OwnDrawnColours(theme.highContrast, DarkTheme);
        for (int mode : {0, kDragMove, kGripResize}) {
            Dib d(22, 22);
            PaintGrip(d.dc, 22, 22, mode, colours);
            const bool upper = mode == kDragMove;  // no mode paints like the resize half
            for (int y = 0; y < 22; ++y) {
                for (int x = 0; x < 22; ++x) {
                    const int sum = x + y;
                    if (sum == 22) {
                        EXPECT_EQ(d.At(x, y), theme.line) << mode << " at " << x << "," << y;  // (22, 0) to (0, 22)
                    } else if (sum <= 20 || sum >= 24) {
                        EXPECT_EQ(d.At(x, y), (sum < 22) == upper ? theme.lit : theme.back)
                            << theme.highContrast << " " << mode << " at " << x << "," << y;
                    }
                }
            }
        }
    }
}
