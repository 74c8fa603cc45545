// The navigation grip's picture in each mode, painted into a DIB of its 22 x 22 client area.
#include <gtest/gtest.h>

#include "dib.h"
#include "overlay/windows/frame_geometry.h"
#include "overlay/windows/navigation_grip.h"

TEST(Grip, HighlightsTheHalfOfItsModeAndDrawsTheDiagonal) {
    constexpr COLORREF kHighlight = RGB(200, 200, 255), kBlack = RGB(0, 0, 0), kWhite = RGB(255, 255, 255);
    for (int mode : {0, kDragMove, kGripResize}) {
        Dib d(22, 22);
        PaintGrip(d.dc, 22, 22, mode);
        const bool upper = mode == kDragMove;  // no mode paints like the resize half
        for (int y = 0; y < 22; ++y) {
            for (int x = 0; x < 22; ++x) {
                const int sum = x + y;
                if (sum == 22) {
                    EXPECT_EQ(d.At(x, y), kBlack) << mode << " at " << x << "," << y;  // (22, 0) to (0, 22)
                } else if (sum <= 20 || sum >= 24) {
                    EXPECT_EQ(d.At(x, y), (sum < 22) == upper ? kHighlight : kWhite) << mode << " at " << x << "," << y;
                }
            }
        }
    }
}
