#include <gtest/gtest.h>

#include <climits>
#include <set>

#include "segment_list.h"

namespace {
Settings Defaults() { return DefaultSettings(); }

SegmentList Lines(GuideRoutine routine, int w, int h, uint32_t variant, const Settings& s = Defaults()) {
    SegmentList out;
    routine(GuideView{w, h, variant, s}, Into(out));
    return out;
}

SegmentList Divisions(int w, int h, int n, int orientation) {
    Settings s = Defaults();
    SegmentList out;
    DrawEqualDivisions(GuideView{w, h, 0, s}, n, orientation, Into(out));
    return out;
}

Segment V(int x, int h) { return {x, 0, x, h}; }
Segment H(int y, int w) { return {0, y, w, y}; }
}  // namespace

TEST(EqualDivisions, PositionsRoundHalfUp) {
    EXPECT_EQ(Divisions(200, 10, 3, kVertical), (SegmentList{V(67, 10), V(133, 10)}));
    EXPECT_EQ(Divisions(198, 10, 3, kVertical), (SegmentList{V(66, 10), V(132, 10)}));
    EXPECT_EQ(Divisions(99, 10, 2, kVertical), (SegmentList{V(50, 10)}));  // 49.5 goes up
    EXPECT_EQ(Divisions(200, 10, 2, kVertical), (SegmentList{V(100, 10)}));
    EXPECT_EQ(Divisions(10, 200, 3, 0), (SegmentList{H(67, 10), H(133, 10)}));
    EXPECT_EQ(Divisions(10, 200, 3, 7), (SegmentList{H(67, 10), H(133, 10)}));  // any other orientation
    for (int n : {1, 0, -1, INT_MIN}) EXPECT_TRUE(Divisions(200, 200, n, kVertical).empty()) << n;
}

TEST(EqualDivisions, CountsBeyondThePixelsDrawEachPositionOnce) {
    // 5 columns over 3 pixels: 0.6, 1.2, 1.8, 2.4 round to 1, 1, 2, 2.
    EXPECT_EQ(Divisions(3, 9, 5, kVertical), (SegmentList{V(1, 9), V(2, 9)}));
    SegmentList huge = Divisions(198, 50, INT_MAX, kVertical);
    ASSERT_EQ(huge.size(), 199u);  // the first lines round to 0, the last to 198: one a pixel
    EXPECT_EQ(huge.front(), V(0, 50));
    EXPECT_EQ(huge.back(), V(198, 50));
    SegmentList dense = Divisions(198, 50, 199, kVertical);  // i * 0.995 for i = 1 .. 198
    ASSERT_EQ(dense.size(), 197u);
    EXPECT_EQ(dense.front(), V(1, 50));
    EXPECT_EQ(dense.back(), V(197, 50));
    EXPECT_EQ(Divisions(0, 50, 5, kVertical), (SegmentList{V(0, 50)}));
}

TEST(EqualDivisions, SameLinesAsDrawingEveryDivision) {
    // Against the plain loop over every i, duplicates removed: the picture must not change.
    for (int w = 0; w <= 64; ++w) {
        for (int n = 2; n <= 300; ++n) {
            std::set<int> expected;
            const double step = static_cast<double>(w) / n;
            for (int i = 1; i < n; ++i) expected.insert(static_cast<int>(i * step + 0.5));
            std::set<int> drawn;
            for (const Segment& s : Divisions(w, 5, n, kVertical)) drawn.insert(s.x0);
            ASSERT_EQ(drawn, expected) << "w " << w << " n " << n;
        }
    }
}

TEST(RowsZeroToThree, VariantsOfThirdsAndHalves) {
    const SegmentList grid{V(66, 198), V(132, 198), H(66, 198), H(132, 198)};
    EXPECT_EQ(Lines(DrawThirds, 198, 198, 0), grid);
    EXPECT_EQ(Lines(DrawThirds, 198, 198, 3), grid);
    EXPECT_EQ(Lines(DrawThirds, 198, 198, 1), (SegmentList{V(66, 198), V(132, 198)}));
    EXPECT_EQ(Lines(DrawThirds, 198, 198, 2), (SegmentList{H(66, 198), H(132, 198)}));
    EXPECT_EQ(Lines(DrawHalves, 200, 100, 0), (SegmentList{V(100, 100), H(50, 200)}));
    EXPECT_EQ(Lines(DrawHalves, 200, 100, 1), (SegmentList{V(100, 100)}));
    EXPECT_EQ(Lines(DrawHalves, 200, 100, 2), (SegmentList{H(50, 200)}));
    for (uint32_t v : {0u, 1u, 2u}) {
        EXPECT_EQ(Lines(DrawVerticalHalf, 99, 40, v), (SegmentList{V(50, 40)}));
        EXPECT_EQ(Lines(DrawHorizontalHalf, 40, 99, v), (SegmentList{H(50, 40)}));
    }
}

TEST(CountDivisions, GridFromTheSettings) {
    Settings s = Defaults();
    s.DivNumV = 4;
    s.DivNumH = 3;
    EXPECT_EQ(Lines(DrawCountDivisions, 200, 300, 0, s),
              (SegmentList{V(50, 300), V(100, 300), V(150, 300), H(100, 200), H(200, 200)}));
    EXPECT_EQ(Lines(DrawCountDivisions, 200, 300, 1, s).size(), 3u);
    EXPECT_EQ(Lines(DrawCountDivisions, 200, 300, 2, s).size(), 2u);
    for (int32_t n : {0, 1, -1, INT_MIN, static_cast<int32_t>(2147483648u + 12)}) {
        s.DivNumV = s.DivNumH = n;
        EXPECT_TRUE(Lines(DrawCountDivisions, 200, 300, 0, s).empty()) << n;
    }
    s.DivNumV = s.DivNumH = INT_MAX;
    EXPECT_EQ(Lines(DrawCountDivisions, 200, 300, 0, s).size(), 201u + 301u);  // 0 to 200, 0 to 300
}

TEST(WidthDivisions, StepsFromTheEdgeAndNeverByLessThanOne) {
    Settings s = Defaults();
    s.DivWidthV = 50;
    s.DivWidthH = 50;
    EXPECT_EQ(Lines(DrawWidthDivisions, 200, 10, 1, s), (SegmentList{V(50, 10), V(100, 10), V(150, 10)}));
    EXPECT_EQ(Lines(DrawWidthDivisions, 201, 10, 1, s),
              (SegmentList{V(50, 10), V(100, 10), V(150, 10), V(200, 10)}));
    EXPECT_EQ(Lines(DrawWidthDivisions, 120, 60, 0, s), (SegmentList{V(50, 60), V(100, 60), H(50, 120)}));
    EXPECT_EQ(Lines(DrawWidthDivisions, 120, 60, 2, s), (SegmentList{H(50, 120)}));
    s.DivWidthV = 200;  // a spacing of the width or more: no vertical line
    EXPECT_TRUE(Lines(DrawWidthDivisions, 200, 10, 1, s).empty());
    for (int32_t spacing : {0, -1, INT_MIN}) {
        s.DivWidthV = s.DivWidthH = spacing;
        EXPECT_TRUE(Lines(DrawWidthDivisions, 200, 200, 0, s).empty()) << spacing;
    }
    s.DivWidthV = INT_MAX;  // stepping past the edge must not overflow
    EXPECT_TRUE(Lines(DrawWidthDivisions, 200, 200, 1, s).empty());
}

TEST(Diagonals, ThreeStatesAgainstFourStates) {
    const Segment mainD{0, 0, 300, 200}, cross{300, 0, 0, 200};
    EXPECT_EQ(Lines(DrawDiagonals, 300, 200, 0), (SegmentList{mainD, cross}));
    EXPECT_EQ(Lines(DrawDiagonals, 300, 200, 1), (SegmentList{mainD}));
    EXPECT_EQ(Lines(DrawDiagonals, 300, 200, 2), (SegmentList{cross}));
    EXPECT_EQ(Lines(DrawDiagonals, 300, 200, 3), (SegmentList{mainD, cross}));
    EXPECT_EQ(Lines(DrawFrameDiagonals, 300, 200, 1), (SegmentList{mainD}));
    EXPECT_EQ(Lines(DrawFrameDiagonals, 300, 200, 2), (SegmentList{cross}));
    EXPECT_TRUE(Lines(DrawFrameDiagonals, 300, 200, 3).empty());
    EXPECT_EQ(Lines(DrawFrameDiagonals, 300, 200, 4), (SegmentList{mainD, cross}));
}

TEST(GoldenSection, FourLinesThenFrameDiagonals) {
    const SegmentList wide{{0, 0, 124, 200}, {0, 200, 124, 0}, {300, 0, 176, 200}, {300, 200, 176, 0}};
    EXPECT_EQ(Lines(DrawGoldenSection, 300, 200, 3), wide);
    SegmentList withDiagonals = wide;
    withDiagonals.push_back({0, 0, 300, 200});
    withDiagonals.push_back({300, 0, 0, 200});
    EXPECT_EQ(Lines(DrawGoldenSection, 300, 200, 0), withDiagonals);
    const SegmentList tall{{200, 0, 0, 124}, {0, 0, 200, 124}, {0, 300, 200, 176}, {200, 300, 0, 176}};
    EXPECT_EQ(Lines(DrawGoldenSection, 200, 300, 3), tall);
    // 1.618 rather than the exact ratio: 1000 / 1.618 = 618.05 but / 1.6180339 = 618.03; both 618,
    // while 809 / 1.618 = 500.0 exactly and the exact ratio gives 499.99.
    EXPECT_EQ(Lines(DrawGoldenSection, 2000, 809, 3)[0], (Segment{0, 0, 500, 809}));
}

TEST(Rabatment, InnerSidesOfTheSquares) {
    EXPECT_EQ(Lines(DrawRabatment, 300, 200, 0), (SegmentList{{200, 0, 200, 200}, {100, 0, 100, 200}}));
    EXPECT_EQ(Lines(DrawRabatment, 300, 200, 1), (SegmentList{{200, 0, 200, 200}}));
    EXPECT_EQ(Lines(DrawRabatment, 300, 200, 2), (SegmentList{{100, 0, 100, 200}}));
    EXPECT_EQ(Lines(DrawRabatment, 200, 300, 0), (SegmentList{{0, 200, 200, 200}, {0, 100, 200, 100}}));
    EXPECT_EQ(Lines(DrawRabatment, 150, 150, 0), (SegmentList{{150, 0, 150, 150}, {0, 0, 0, 150}}));
}

TEST(Railman, QuartersOfTheLongerSideWithDiagonals) {
    EXPECT_EQ(Lines(DrawRailman, 400, 300, 0),
              (SegmentList{V(100, 300), V(200, 300), V(300, 300), {0, 0, 400, 300}, {400, 0, 0, 300}}));
    EXPECT_EQ(Lines(DrawRailman, 300, 400, 3), (SegmentList{H(100, 300), H(200, 300), H(300, 300)}));
    EXPECT_EQ(Lines(DrawRailman, 100, 100, 3), (SegmentList{V(25, 100), V(50, 100), V(75, 100)}));
}

TEST(PaintPass, RowsInTableOrder) {
    Settings s = Defaults();
    SegmentList out;
    CollectGuideSegments(0x3, GuideView{198, 198, 0, s}, Into(out));  // thirds, then diagonals (row 6)
    ASSERT_EQ(out.size(), 6u);
    EXPECT_EQ(out[0], V(66, 198));
    EXPECT_EQ(out[4], (Segment{0, 0, 198, 198}));
    out.clear();
    CollectGuideSegments(0x10000, GuideView{198, 198, 0, s}, Into(out));
    EXPECT_TRUE(out.empty());
}

TEST(PaintPass, OutlineColourByContrastWithTheLine) {
    constexpr uint32_t kBlack = 0x000000, kGrey = 0xC0C0C0;
    const struct { uint32_t line, outline; } cases[] = {
        {0x0000FF, kBlack},  // red, every fresh file's colour: 5.3 : 1 against black, 2.2 : 1 grey
        {0x00FF00, kBlack},  // green
        {0xFF0000, kGrey},   // blue
        {0x00FFFF, kBlack},  // yellow
        {0xFFFFFF, kBlack},  // white, the colour key
        {0x000000, kGrey},   // black
        {0x404040, kGrey},   // dark grey
        {0x808080, kBlack},  // mid-grey
        {0xC0C0C0, kBlack},  // a grey line gets no grey outline
        {0x01FFFFFF, kBlack}, {0x02000000, kGrey},  // a palette flag is no part of the colour
    };
    for (const auto& c : cases) EXPECT_EQ(OutlineColour(c.line), c.outline) << std::hex << c.line;
}
