#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "dib.h"
#include "overlay/guides/guide_table.h"
#include "overlay/guides/paint_guides.h"
#include "tests/unit/segment_list.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);

class PaintGuidesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_settings = DefaultSettings();
        g_guides = {1, 0};
    }
    void TearDown() override { SetUp(); }
    // Paints the given guide and variant on a fresh 200 x 200 white DIB.
    void Paint(Dib& dib, uint32_t mask, uint32_t variant) {
        g_guides = {mask, variant};
        PaintGuides(dib.dc, dib.w, dib.h);
    }
};

// Whether the painted positions are exactly `width` pixels per line, each band containing its
// line's position: a 2-pixel pen may lie on either side of it.
bool BandsAt(const std::vector<int>& painted, const std::vector<int>& lines, int width) {
    std::vector<int> want;
    for (int at : lines) {
        int first = at;
        if (width == 2) first = std::find(painted.begin(), painted.end(), at - 1) != painted.end() ? at - 1 : at;
        for (int i = 0; i < width; ++i) want.push_back(first + i);
    }
    return painted == want;
}

struct VariantCase {
    uint32_t variant;
    bool vertical, horizontal;
};
}  // namespace

TEST_F(PaintGuidesTest, ThirdsAndHalvesInEveryVariantAndWidth) {
    const VariantCase variants[] = {{0, true, true}, {1, true, false}, {2, false, true}, {3, true, true}};
    const struct { uint32_t mask; std::vector<int> at; } guides[] = {{0x1, {67, 133}}, {0x4, {100}}};
    for (int width : {1, 2}) {
        g_settings.LineWidth = width;
        for (const auto& g : guides) {
            for (const VariantCase& c : variants) {
                Dib d(200, 200);
                Paint(d, g.mask, c.variant);
                const std::vector<int> none;
                const std::string what = "mask " + std::to_string(g.mask) + " width " + std::to_string(width) +
                                         " variant " + std::to_string(c.variant);
                EXPECT_TRUE(BandsAt(PaintedColumns(d, 10), c.vertical ? g.at : none, width)) << what;
                EXPECT_TRUE(BandsAt(PaintedRows(d, 10), c.horizontal ? g.at : none, width)) << what;
                EXPECT_EQ(d.At(g.at[0], 150) == kRed, c.vertical) << what;
                EXPECT_EQ(d.At(150, g.at[0]) == kRed, c.horizontal) << what;
            }
        }
    }
}

TEST_F(PaintGuidesTest, SingleHalvesIgnoreTheVariant) {
    for (int width : {1, 2}) {
        g_settings.LineWidth = width;
        for (uint32_t variant : {0u, 1u, 2u}) {
            Dib v(200, 200), h(200, 200);
            Paint(v, 0x8, variant);
            Paint(h, 0x10, variant);
            EXPECT_EQ(PaintedColumns(v, 50).size(), static_cast<size_t>(width));
            EXPECT_TRUE(PaintedRows(v, 50).empty());
            EXPECT_EQ(v.At(100, 30), kRed);
            EXPECT_EQ(PaintedRows(h, 50).size(), static_cast<size_t>(width));
            EXPECT_TRUE(PaintedColumns(h, 50).empty());
            EXPECT_EQ(h.At(30, 100), kRed);
        }
    }
}

TEST_F(PaintGuidesTest, ColourAndWidthComeFromTheSettings) {
    g_settings.LineColor = static_cast<int32_t>(RGB(0, 128, 255));
    g_settings.LineWidth = 5;
    Dib d(200, 200);
    Paint(d, 0x8, 0);
    EXPECT_EQ(PaintedColumns(d, 10).size(), 5u);
    EXPECT_EQ(d.At(100, 10), RGB(0, 128, 255));
    // A hand-edited absurd width must neither fail nor hang; the line then covers the frame.
    g_settings.LineWidth = 2147483647;
    Dib wide(200, 200);
    Paint(wide, 0x8, 0);
    EXPECT_FALSE(wide.White(0, 0));
    EXPECT_FALSE(wide.White(199, 199));
    g_settings.LineWidth = -5;
    Dib thin(200, 200);
    Paint(thin, 0x8, 0);
    EXPECT_EQ(PaintedColumns(thin, 10), std::vector<int>{100});
}

TEST_F(PaintGuidesTest, NothingForAMaskMatchingNoRow) {
    Dib d(200, 200);
    Paint(d, 0x10000, 0);
    for (int y = 0; y < 200; y += 7) EXPECT_TRUE(PaintedColumns(d, y).empty());
}

// The paint gathers dense lines into blocks; the pixels must stay those of every segment drawn
// with its own move-to and line-to, and of every arc's polyline, whatever the pen, the guide,
// the density and the shape; outlined, every outline drawn so under every line. Pens wider
// than the spacing gather lines that far apart too: a hand-edited width over a fine grid.
TEST_F(PaintGuidesTest, PixelsEqualEverySegmentDrawnAlone) {
    const struct { int count, spacing; } densities[] = {{12, 40}, {2147483647, 1}, {60, 2}, {95, 3}, {7, 20}};
    const struct { int w, h; } sizes[] = {{97, 61}, {61, 97}, {1, 1}, {3, 40}};
    for (int width : {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 21, 150}) {
        // A hand-edited colour may carry a palette flag in its top byte; pen and brush read it alike.
        g_settings.LineColor = width == 3 ? 0x01000003 : RGB(10, 200, 30);
        g_settings.LineWidth = width;
        g_settings.Ext = width <= 3 || width == 10 ? kOutlinedLinesExt : 0;  // more widths add only time
        for (const auto& density : densities) {
            g_settings.DivNumV = g_settings.DivNumH = density.count;
            g_settings.DivWidthV = g_settings.DivWidthH = density.spacing;
            for (const auto& size : sizes) {
                for (uint32_t mask = 1; mask <= 0x4000; mask <<= 1) {
                    Dib painted(size.w, size.h), alone(size.w, size.h);
                    const uint32_t variant = mask >= 0x2000;  // dynamic symmetry with its lines, the centre cross
                    Paint(painted, mask, variant);
                    Drawing drawn;
                    CollectGuideSegments(mask, GuideView{size.w, size.h, variant, g_settings}, Into(drawn));
                    for (int outline = g_settings.Ext ? 1 : 0; outline >= 0; --outline) {
                        const COLORREF colour = outline ? OutlineColour(g_settings.LineColor) : g_settings.LineColor;
                        HPEN pen = CreatePen(PS_SOLID, width + 2 * outline, colour);
                        HGDIOBJ old = SelectObject(alone.dc, pen);
                        for (const Segment& s : drawn.segments) {
                            MoveToEx(alone.dc, s.x0, s.y0, nullptr);
                            LineTo(alone.dc, s.x1, s.y1);
                        }
                        for (const QuarterArc& a : drawn.arcs) {
                            ArcPoint points[kArcPointsMax];
                            POINT line[kArcPointsMax];
                            const int n = FlattenArc(a, points);
                            for (int i = 0; i < n; ++i) line[i] = {points[i].x, points[i].y};
                            Polyline(alone.dc, line, n);
                        }
                        DeleteObject(SelectObject(alone.dc, old));
                    }
                    GdiFlush();
                    ASSERT_TRUE(std::equal(painted.bits, painted.bits + size.w * size.h, alone.bits))
                        << "width " << width << " mask " << mask << " count " << density.count << " spacing "
                        << density.spacing << " size " << size.w << " x " << size.h << " ext " << g_settings.Ext;
                }
            }
        }
    }
}

// Outlined, a line keeps its pixels, the pixels beside them (of eight neighbours) take the
// outline colour and the rest stays white: a line across the frame, a grid, lines closer than
// their outlines, where no outline may cover a line, and a dense run.
TEST_F(PaintGuidesTest, OutlinedLinesArePlainLinesWithTheirEdge) {
    const struct { uint32_t mask, variant; int spacing; } guides[] = {
        {0x8, 0, 40}, {0x10, 0, 40}, {0x1, 0, 40}, {0x100, 1, 1}, {0x100, 2, 2}, {0x100, 0, 3}};
    for (const COLORREF colour : {RGB(255, 0, 0), RGB(255, 255, 0)}) {
        g_settings.LineColor = static_cast<int32_t>(colour);
        for (int width = 1; width <= 4; ++width) {
            g_settings.LineWidth = width;
            for (const auto& g : guides) {
                g_settings.DivWidthV = g_settings.DivWidthH = g.spacing;
                Dib plain(61, 47), outlined(61, 47);
                g_settings.Ext = 0;
                Paint(plain, g.mask, g.variant);
                g_settings.Ext = static_cast<int32_t>(kOutlinedLinesExt);
                Paint(outlined, g.mask, g.variant);
                GdiFlush();
                auto line = [&](int x, int y) { return x >= 0 && y >= 0 && x < plain.w && y < plain.h && plain.At(x, y) == colour; };
                for (int at = 0; at < plain.w * plain.h; ++at) {
                    const int x = at % plain.w, y = at / plain.w;
                    bool edge = false;
                    for (int n = 0; n < 9; ++n) edge = edge || line(x + n % 3 - 1, y + n / 3 - 1);  // and its eight neighbours
                    const COLORREF want = line(x, y) ? colour : edge ? OutlineColour(colour) : RGB(255, 255, 255);
                    ASSERT_EQ(outlined.At(x, y), want) << "mask " << g.mask << " variant " << g.variant << " width "
                                                       << width << " colour " << colour << " at " << x << ", " << y;
                }
            }
        }
    }
}
