// The division, diagonal, golden-section, rabatment, railman and the four golden guides painted
// through PaintGuides with a one-pixel pen: pixels on and off their lines and arcs.
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

// Whether a pixel within one of (x, y) is painted: a slanted line or an arc may round either way.
bool PaintedNear(const Dib& d, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (!d.White(x + dx, y + dy)) return true;
    return false;
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

TEST_F(FurtherGuidesTest, PhiGridLinesAcrossTheClient) {
    Dib d(300, 200);
    Paint(d, 0x400, 0);  // 300 / phi^2 = 114.6, 300 / phi = 185.4; 200 / phi^2 = 76.4, 200 / phi = 123.6
    EXPECT_EQ(PaintedColumns(d, 10), (std::vector<int>{115, 185}));
    EXPECT_EQ(PaintedRows(d, 10), (std::vector<int>{76, 124}));
    EXPECT_EQ(PaintedRows(d, 185).size(), 200u);
    Dib horizontal(300, 200);
    Paint(horizontal, 0x400, 2);
    EXPECT_TRUE(PaintedColumns(horizontal, 10).empty());
    EXPECT_EQ(PaintedRows(horizontal, 10), (std::vector<int>{76, 124}));
}

TEST_F(FurtherGuidesTest, GoldenTrianglesFromEitherTopCorner) {
    // 300 x 200, from the top left: the diagonal, (300, 0) to (208, 138) and (0, 200) to (92, 62).
    Dib d(300, 200);
    Paint(d, 0x1000, 0);
    EXPECT_TRUE(RowCrossesLinesAt(d, 30, {45, 280}));
    EXPECT_TRUE(RowCrossesLinesAt(d, 100, {67, 150, 233}));
    EXPECT_TRUE(RowCrossesLinesAt(d, 170, {20, 255}));
    Dib mirrored(300, 200);
    Paint(mirrored, 0x1000, 1);
    EXPECT_TRUE(RowCrossesLinesAt(mirrored, 30, {20, 255}));
    EXPECT_TRUE(RowCrossesLinesAt(mirrored, 170, {45, 280}));
}

TEST_F(FurtherGuidesTest, DynamicSymmetryAndItsLinesThroughTheCrossings) {
    // 300 x 200: the reciprocals end at x = 133.3 and 166.7 on the far edge; at y = 50 they stand
    // at 33, 100, 200 and 267 between the diagonals at 75 and 225.
    Dib armature(300, 200);
    Paint(armature, 0x2000, 0);
    EXPECT_TRUE(RowCrossesLinesAt(armature, 50, {33, 75, 100, 200, 225, 267}));
    EXPECT_TRUE(armature.White(10, 62));
    EXPECT_TRUE(armature.White(92, 20));
    Dib lines(300, 200);
    Paint(lines, 0x2000, 1);  // and the lines x = 92, 208 and y = 62, 138 through the crossings
    EXPECT_TRUE(RowCrossesLinesAt(lines, 50, {33, 75, 92, 100, 200, 208, 225, 267}));
    EXPECT_EQ(lines.At(10, 62), RGB(255, 0, 0));
    EXPECT_EQ(lines.At(150, 138), RGB(255, 0, 0));
}

TEST_F(FurtherGuidesTest, GoldenSpiralArcsAndCuts) {
    // 300 x 200: the first cut at x = 185 with the arc from (0, 200) to (185, 0) centred on
    // (185, 200): halfway round it passes (54.2, 58.6). The second arc, centred on (185, 124),
    // passes (266.3, 36.3).
    Dib d(300, 200);
    Paint(d, 0x800, 0);
    EXPECT_EQ(PaintedRows(d, 185).size(), 200u);
    EXPECT_TRUE(PaintedNear(d, 54, 59));
    EXPECT_TRUE(PaintedNear(d, 266, 36));
    EXPECT_TRUE(d.White(100, 150));  // inside the first arc
    EXPECT_TRUE(d.White(30, 30));    // outside it
    EXPECT_TRUE(d.White(246, 59));
    Dib mirrored(300, 200);  // the eye towards the bottom left: the first cut at 300 - 185.4
    Paint(mirrored, 0x800, 1);
    EXPECT_EQ(PaintedRows(mirrored, 115).size(), 200u);
    EXPECT_TRUE(PaintedNear(mirrored, 246, 59));
    EXPECT_TRUE(mirrored.White(54, 59));
    Dib upright(200, 300);  // turned a quarter: the first cut across the height, at y = 185.4
    Paint(upright, 0x800, 0);
    EXPECT_EQ(PaintedColumns(upright, 185).size(), 200u);
    EXPECT_TRUE(PaintedNear(upright, 59, 54));  // (200 - 200 * 0.7071, 185 - 185 * 0.7071)
    EXPECT_TRUE(upright.White(150, 120));
}
