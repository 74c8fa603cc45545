// The division, diagonal, golden-section, rabatment and railman guides painted through
// PaintGuides with a one-pixel pen: pixels on and off their lines.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "dib.h"
#include "overlay/guides/guide_table.h"
#include "overlay/guides/paint_guides.h"

namespace {
class FurtherGuidesTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_settings = DefaultSettings();
        g_settings.LineWidth = 1;
    }
    void TearDown() override { g_guides = {1, 0}; }
    static void Paint(Dib& dib, uint32_t mask, uint32_t variant) {
        g_guides = {mask, variant};
        PaintGuides(dib.dc, dib.w, dib.h);
    }
};


// Whether row y is painted within a pixel of each of the columns, and nowhere else.
// A slanted line may cover one or two pixels of a row, and rounding may shift it by one.
bool RowCrossesLinesAt(const Dib& d, int y, const std::vector<int>& xs) {
    for (int x : PaintedColumns(d, y)) {
        bool close = false;
        for (int want : xs) close = close || std::abs(x - want) <= 1;
        if (!close) return false;
    }
    for (int want : xs) {
        bool hit = false;
        for (int x = want - 1; x <= want + 1; ++x) hit = hit || (x >= 0 && x < d.w && !d.White(x, y));
        if (!hit) return false;
    }
    return true;
}
}  // namespace

TEST_F(FurtherGuidesTest, CountDivisionsDrawTheGridOfTheSettings) {
    g_settings.DivNumV = 4;
    g_settings.DivNumH = 3;
    Dib grid(200, 300);
    Paint(grid, 0x80, 0);
    EXPECT_EQ(PaintedColumns(grid, 10), (std::vector<int>{50, 100, 150}));
    EXPECT_EQ(PaintedRows(grid, 10), (std::vector<int>{100, 200}));
    EXPECT_EQ(grid.At(150, 299), RGB(255, 0, 0));

    Dib vertical(200, 300);
    Paint(vertical, 0x80, 1);
    EXPECT_EQ(PaintedColumns(vertical, 10), (std::vector<int>{50, 100, 150}));
    EXPECT_TRUE(PaintedRows(vertical, 10).empty());

    g_settings.DivNumV = -1;  // never confirmed: nothing in that direction
    Dib unset(200, 300);
    Paint(unset, 0x80, 0);
    EXPECT_TRUE(PaintedColumns(unset, 10).empty());
    EXPECT_EQ(PaintedRows(unset, 10), (std::vector<int>{100, 200}));
}

TEST_F(FurtherGuidesTest, WidthDivisionsStepFromTheLeftAndTopEdges) {
    g_settings.DivWidthV = 50;
    g_settings.DivWidthH = 70;
    Dib d(201, 200);
    Paint(d, 0x100, 0);
    EXPECT_EQ(PaintedColumns(d, 10), (std::vector<int>{50, 100, 150, 200}));  // 200 < 201
    EXPECT_EQ(PaintedRows(d, 10), (std::vector<int>{70, 140}));
    g_settings.DivWidthV = 0;  // typed 0: no vertical lines, and the paint returns
    Dib zero(201, 200);
    Paint(zero, 0x100, 0);
    EXPECT_TRUE(PaintedColumns(zero, 10).empty());
    EXPECT_EQ(PaintedRows(zero, 10), (std::vector<int>{70, 140}));
}

TEST_F(FurtherGuidesTest, DiagonalsCrossOnlyInVariantTwo) {
    Dib d(200, 100);
    Paint(d, 0x2, 2);  // the cross diagonal from (200, 0) to (0, 100)
    EXPECT_TRUE(RowCrossesLinesAt(d, 25, {150}));
    EXPECT_TRUE(RowCrossesLinesAt(d, 75, {50}));
    EXPECT_TRUE(d.White(50, 25));  // where the main diagonal would be
}

TEST_F(FurtherGuidesTest, GoldenSectionWithAndWithoutFrameDiagonals) {
    // 300 x 200: g = 124. At y = 50 the four golden lines stand at 31, 93, 207 and 269,
    // the frame diagonals at 75 and 225.
    Dib all(300, 200);
    Paint(all, 0x20, 0);
    EXPECT_TRUE(RowCrossesLinesAt(all, 50, {31, 75, 93, 207, 225, 269}));
    Dib golden(300, 200);
    Paint(golden, 0x20, 3);
    EXPECT_TRUE(RowCrossesLinesAt(golden, 50, {31, 93, 207, 269}));
    // The two lines at each end meet at the middle height, g / 2 in.
    EXPECT_TRUE(RowCrossesLinesAt(golden, 100, {62, 238}));
    // Upright 200 x 300: lying rectangles, so a column crosses the golden lines.
    Dib tall(200, 300);
    Paint(tall, 0x20, 3);
    std::vector<int> rows = PaintedRows(tall, 100);  // lines through (100, 62) and (100, 238)
    ASSERT_FALSE(rows.empty());
    EXPECT_NEAR(rows.front(), 62, 1);
    EXPECT_NEAR(rows.back(), 238, 1);
    EXPECT_TRUE(tall.White(100, 150));
}

TEST_F(FurtherGuidesTest, RabatmentDrawsTheInnerSidesOfTheSquares) {
    Dib wide(300, 200);
    Paint(wide, 0x200, 1);  // the first line only: x = 200, from the top to the bottom
    EXPECT_EQ(PaintedColumns(wide, 0), std::vector<int>{200});
    EXPECT_EQ(PaintedColumns(wide, 199), std::vector<int>{200});
    Dib tall(200, 300);
    Paint(tall, 0x200, 2);  // the second line only: y = 100, from the left edge to the right
    EXPECT_EQ(PaintedRows(tall, 0), std::vector<int>{100});
    EXPECT_EQ(PaintedRows(tall, 199), std::vector<int>{100});
    EXPECT_TRUE(PaintedColumns(tall, 200).empty());
}

TEST_F(FurtherGuidesTest, RailmanQuartersWithTheMainDiagonal) {
    Dib d(400, 300);
    Paint(d, 0x40, 1);  // quarters of the width and the main diagonal from (0, 0) to (400, 300)
    EXPECT_TRUE(RowCrossesLinesAt(d, 30, {40, 100, 200, 300}));
    EXPECT_TRUE(RowCrossesLinesAt(d, 270, {100, 200, 300, 360}));
    Dib tall(300, 400);
    Paint(tall, 0x40, 3);  // quarters of the height, no diagonals
    EXPECT_EQ(PaintedRows(tall, 10), (std::vector<int>{100, 200, 300}));
    EXPECT_TRUE(PaintedColumns(tall, 50).empty());
}
