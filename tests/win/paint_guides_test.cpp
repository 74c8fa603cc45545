#include <gtest/gtest.h>

#include <vector>

#include "dib.h"
#include "overlay/guides/guide_table.h"
#include "overlay/guides/paint_guides.h"

namespace {
constexpr COLORREF kRed = RGB(255, 0, 0);

class PaintGuidesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_settings = DefaultSettings();
        g_guides = {1, 0};
    }
    // Paints the given guide and variant on a fresh 200 x 200 white DIB.
    void Paint(Dib& dib, uint32_t mask, uint32_t variant) {
        g_guides = {mask, variant};
        PaintGuides(dib.dc, dib.w, dib.h);
    }
};

}  // namespace

TEST_F(PaintGuidesTest, ThirdsInEveryVariantWithThinLines) {
    g_settings.LineWidth = 1;
    const std::vector<int> at{67, 133}, none{};
    const struct { uint32_t variant; bool vertical, horizontal; } cases[] = {
        {0, true, true}, {1, true, false}, {2, false, true}, {3, true, true}};
    for (const auto& c : cases) {
        Dib d(200, 200);
        Paint(d, 0x1, c.variant);
        EXPECT_EQ(PaintedColumns(d, 10), c.vertical ? at : none) << "variant " << c.variant;
        EXPECT_EQ(PaintedRows(d, 10), c.horizontal ? at : none) << "variant " << c.variant;
        if (c.vertical) {
            EXPECT_EQ(d.At(67, 100), kRed);
        }
    }
}

TEST_F(PaintGuidesTest, HalvesInEveryVariantWithWideLines) {
    g_settings.LineWidth = 2;
    const struct { uint32_t variant; bool vertical, horizontal; } cases[] = {
        {0, true, true}, {1, true, false}, {2, false, true}};
    for (const auto& c : cases) {
        Dib d(200, 200);
        Paint(d, 0x4, c.variant);
        std::vector<int> cols = PaintedColumns(d, 10), rows = PaintedRows(d, 10);
        if (c.vertical) {
            ASSERT_EQ(cols.size(), 2u) << "variant " << c.variant;  // two pixels wide, on x = 100
            EXPECT_TRUE(cols[0] == 100 || cols[1] == 100);
            EXPECT_EQ(d.At(100, 150), kRed);
        } else {
            EXPECT_TRUE(cols.empty());
        }
        if (c.horizontal) {
            ASSERT_EQ(rows.size(), 2u) << "variant " << c.variant;
            EXPECT_TRUE(rows[0] == 100 || rows[1] == 100);
        } else {
            EXPECT_TRUE(rows.empty());
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
    Paint(d, 0x400, 0);
    for (int y = 0; y < 200; y += 7) EXPECT_TRUE(PaintedColumns(d, y).empty());
}
