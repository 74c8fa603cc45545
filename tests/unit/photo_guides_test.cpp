// The phi grid, the golden spiral, the golden triangles and dynamic symmetry: positions worked
// out by hand from phi = 1.6180339887 and the diagonals' feet, w^2 / (w^2 + h^2) along them.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "segment_list.h"

namespace {
Drawing Draw(GuideRoutine routine, int w, int h, uint32_t variant) {
    Drawing d;
    const Settings s = DefaultSettings();
    routine(GuideView{w, h, variant, s}, Into(d));
    return d;
}
Segment V(int x, int h) { return {x, 0, x, h}; }
Segment H(int y, int w) { return {0, y, w, y}; }
struct Frame {
    int w, h;
};
constexpr Frame kFrames[] = {{300, 200}, {200, 300}, {301, 199}, {233, 144}};  // 233 x 144: golden
}  // namespace

TEST(PhiGrid, LinesAtTheGoldenCutsOfEachSide) {
    // w / phi^2 and w / phi: 300 -> 114.59, 185.41; 200 -> 76.39, 123.61; 301 -> 114.97, 186.03;
    // 199 -> 76.01, 122.99; 233 -> 89.00, 144.00; 144 -> 55.00, 89.00.
    const int cuts[4][4] = {{115, 185, 76, 124}, {76, 124, 115, 185}, {115, 186, 76, 123}, {89, 144, 55, 89}};
    for (int i = 0; i < 4; ++i) {
        const auto [w, h] = kFrames[i];
        const SegmentList vertical{V(cuts[i][0], h), V(cuts[i][1], h)}, horizontal{H(cuts[i][2], w), H(cuts[i][3], w)};
        SegmentList both = vertical;
        both.insert(both.end(), horizontal.begin(), horizontal.end());
        EXPECT_EQ(Draw(DrawPhiGrid, w, h, 0).segments, both) << w << " x " << h;
        EXPECT_EQ(Draw(DrawPhiGrid, w, h, 1).segments, vertical) << w << " x " << h;
        EXPECT_EQ(Draw(DrawPhiGrid, w, h, 2).segments, horizontal) << w << " x " << h;
        EXPECT_EQ(Draw(DrawPhiGrid, w, h, 3).segments, both) << w << " x " << h;
    }
}

TEST(GoldenTriangles, ADiagonalAndThePerpendicularsToIt) {
    // The feet on the main diagonal: from (w, 0) at (w^3, w^2 h) / s, from (0, h) at (w h^2, h^3) / s.
    // 300 x 200, s = 130000: (207.7, 138.5) and (92.3, 61.5); 301 x 199: (209.5, 138.5), (91.5, 60.5);
    // 233 x 144: (168.6, 104.2), (64.4, 39.8).
    const SegmentList fromTopLeft[4] = {
        {{0, 0, 300, 200}, {300, 0, 208, 138}, {0, 200, 92, 62}},
        {{0, 0, 200, 300}, {200, 0, 62, 92}, {0, 300, 138, 208}},
        {{0, 0, 301, 199}, {301, 0, 209, 138}, {0, 199, 92, 61}},
        {{0, 0, 233, 144}, {233, 0, 169, 104}, {0, 144, 64, 40}},
    };
    const SegmentList fromTopRight[4] = {
        {{300, 0, 0, 200}, {0, 0, 92, 138}, {300, 200, 208, 62}},
        {{200, 0, 0, 300}, {0, 0, 138, 92}, {200, 300, 62, 208}},
        {{301, 0, 0, 199}, {0, 0, 92, 138}, {301, 199, 209, 61}},
        {{233, 0, 0, 144}, {0, 0, 64, 104}, {233, 144, 169, 40}},
    };
    for (int i = 0; i < 4; ++i) {
        const auto [w, h] = kFrames[i];
        EXPECT_EQ(Draw(DrawGoldenTriangles, w, h, 0).segments, fromTopLeft[i]) << w << " x " << h;
        EXPECT_EQ(Draw(DrawGoldenTriangles, w, h, 1).segments, fromTopRight[i]) << w << " x " << h;
        EXPECT_EQ(Draw(DrawGoldenTriangles, w, h, 2).segments, fromTopLeft[i]) << w << " x " << h;
    }
    EXPECT_TRUE(Draw(DrawGoldenTriangles, 0, 0, 0).segments.empty());  // no frame, no division by 0
}

TEST(DynamicSymmetry, DiagonalsReciprocalsAndTheirCrossings) {
    // The reciprocal from (0, 0) runs along (h, w): it leaves a wide frame through the bottom at
    // h^2 / w (133.3, 131.6; 89.0 in the golden frame, where the phi grid stands), a tall one
    // through the right edge at w^2 / h. The crossings are the triangles' feet.
    const struct {
        SegmentList armature;
        int xs[2], ys[2];
    } cases[4] = {
        {{{0, 0, 300, 200}, {300, 0, 0, 200}, {0, 0, 133, 200}, {300, 0, 167, 200}, {0, 200, 133, 0}, {300, 200, 167, 0}},
         {92, 208}, {62, 138}},
        {{{0, 0, 200, 300}, {200, 0, 0, 300}, {0, 0, 200, 133}, {200, 0, 0, 133}, {0, 300, 200, 167}, {200, 300, 0, 167}},
         {138, 62}, {208, 92}},
        {{{0, 0, 301, 199}, {301, 0, 0, 199}, {0, 0, 132, 199}, {301, 0, 169, 199}, {0, 199, 132, 0}, {301, 199, 169, 0}},
         {92, 209}, {61, 138}},
        {{{0, 0, 233, 144}, {233, 0, 0, 144}, {0, 0, 89, 144}, {233, 0, 144, 144}, {0, 144, 89, 0}, {233, 144, 144, 0}},
         {64, 169}, {40, 104}},
    };
    for (int i = 0; i < 4; ++i) {
        const auto [w, h] = kFrames[i];
        const auto& c = cases[i];
        EXPECT_EQ(Draw(DrawDynamicSymmetry, w, h, 0).segments, c.armature) << w << " x " << h;
        SegmentList withLines = c.armature;
        for (const Segment& s : {V(c.xs[0], h), V(c.xs[1], h), H(c.ys[0], w), H(c.ys[1], w)}) withLines.push_back(s);
        EXPECT_EQ(Draw(DrawDynamicSymmetry, w, h, 1).segments, withLines) << w << " x " << h;
    }
    EXPECT_TRUE(Draw(DrawDynamicSymmetry, 0, 50, 1).segments.empty());
}

// 300 x 200: the cuts at 300 / phi = 185.4, 200 / phi = 123.6 and 300 - 114.6 / phi = 229.2,
// each arc centred on the inner end of its cut; 200 x 300 is the same turned a quarter, so that
// the first cut still runs across the longer side. 200 x 200 is cut at 123.6, 123.6 and
// 200 - 76.4 / phi = 152.8.
TEST(GoldenSpiral, CutsAcrossTheLongerSideInEveryOrientation) {
    const struct {
        int w, h;
        uint32_t variant;
        SegmentList cuts;  // the first three
        QuarterArc first;
    } cases[] = {
        {300, 200, 0, {{185, 0, 185, 200}, {185, 124, 300, 124}, {229, 124, 229, 200}}, {185, 200, 0, 0}},
        {300, 200, 1, {{115, 0, 115, 200}, {0, 124, 115, 124}, {71, 124, 71, 200}}, {115, 200, 300, 0}},
        {300, 200, 2, {{115, 0, 115, 200}, {0, 76, 115, 76}, {71, 0, 71, 76}}, {115, 0, 300, 200}},
        {300, 200, 3, {{185, 0, 185, 200}, {185, 76, 300, 76}, {229, 0, 229, 76}}, {185, 0, 0, 200}},
        {200, 300, 0, {{0, 185, 200, 185}, {124, 185, 124, 300}, {124, 229, 200, 229}}, {200, 185, 0, 0}},
        {200, 300, 1, {{0, 185, 200, 185}, {76, 185, 76, 300}, {0, 229, 76, 229}}, {0, 185, 200, 0}},
        {200, 300, 2, {{0, 115, 200, 115}, {76, 0, 76, 115}, {0, 71, 76, 71}}, {0, 115, 200, 300}},
        {200, 300, 3, {{0, 115, 200, 115}, {124, 0, 124, 115}, {124, 71, 200, 71}}, {200, 115, 0, 300}},
        {200, 200, 0, {{124, 0, 124, 200}, {124, 124, 200, 124}, {153, 124, 153, 200}}, {124, 200, 0, 0}},
        {200, 200, 1, {{76, 0, 76, 200}, {0, 124, 76, 124}, {47, 124, 47, 200}}, {76, 200, 200, 0}},
        {200, 200, 2, {{76, 0, 76, 200}, {0, 76, 76, 76}, {47, 0, 47, 76}}, {76, 0, 200, 200}},
        {200, 200, 3, {{124, 0, 124, 200}, {124, 76, 200, 76}, {153, 0, 153, 76}}, {124, 0, 0, 200}},
    };
    for (const auto& c : cases) {
        const Drawing d = Draw(DrawGoldenSpiral, c.w, c.h, c.variant);
        ASSERT_EQ(d.arcs.size(), c.w == c.h ? 10u : 11u) << c.w << " x " << c.h << " " << c.variant;
        ASSERT_EQ(d.segments.size(), d.arcs.size());
        EXPECT_EQ(SegmentList(d.segments.begin(), d.segments.begin() + 3), c.cuts) << c.w << " x " << c.h << " " << c.variant;
        EXPECT_EQ(d.arcs[0], c.first) << c.w << " x " << c.h << " " << c.variant;
        EXPECT_EQ(Draw(DrawGoldenSpiral, c.w, c.h, c.variant + 4).arcs, d.arcs);  // the counter modulo 4
    }
    const std::vector<QuarterArc> arcs = Draw(DrawGoldenSpiral, 300, 200, 0).arcs;
    EXPECT_EQ(std::vector<QuarterArc>(arcs.begin(), arcs.begin() + 4),
              (std::vector<QuarterArc>{{185, 200, 0, 0}, {185, 124, 300, 0}, {229, 124, 300, 200}, {229, 153, 185, 200}}));
}

TEST(GoldenSpiral, EveryOrientationIsOneCurve) {
    auto joined = [](const QuarterArc& a, const QuarterArc& b) {  // an arc runs from (fx, cy) to (cx, fy)
        const ArcPoint ends[2][2] = {{{a.fx, a.cy}, {a.cx, a.fy}}, {{b.fx, b.cy}, {b.cx, b.fy}}};
        for (const ArcPoint& p : ends[0])
            for (const ArcPoint& q : ends[1])
                if (p.x == q.x && p.y == q.y) return true;
        return false;
    };
    for (const Frame f : {Frame{233, 144}, Frame{144, 233}}) {
        for (uint32_t o = 0; o < 4; ++o) {
            const Drawing d = Draw(DrawGoldenSpiral, f.w, f.h, o);
            // In a golden frame, lying or upright, each part is a square of 144, 89, 55, ... 2
            // pixels and each arc a quarter circle.
            ASSERT_EQ(d.arcs.size(), 10u) << o;
            // The eye towards the bottom-right, bottom-left, top-left and top-right corner.
            const QuarterArc& eye = d.arcs.back();
            EXPECT_EQ(eye.cx > f.w / 2, o == 0 || o == 3) << o;
            EXPECT_EQ(eye.cy > f.h / 2, o < 2) << o;
            for (size_t i = 0; i < d.arcs.size(); ++i) {
                const QuarterArc& a = d.arcs[i];
                EXPECT_LE(std::abs(std::abs(a.fx - a.cx) - std::abs(a.fy - a.cy)), 1) << o << " arc " << i;
                EXPECT_TRUE(i == 0 || joined(a, d.arcs[i - 1])) << o << " arc " << i;
            }
        }
    }
}

TEST(GoldenSpiral, StopsAtPartsUnderTwoPixelsOrAfterTwelveArcs) {
    // 40 x 40: parts of 24.7, 15.3, 9.4, 5.8, 3.6, 2.2 and 1.4 pixels across; by the pixel the
    // seventh is 29 to 31, the eighth would be under 2.
    const Drawing small = Draw(DrawGoldenSpiral, 40, 40, 0);
    ASSERT_EQ(small.arcs.size(), 7u);
    EXPECT_EQ(small.arcs.back(), (QuarterArc{29, 28, 31, 31}));
    EXPECT_EQ(small.segments.back(), (Segment{29, 28, 29, 31}));
    EXPECT_EQ(Draw(DrawGoldenSpiral, 2000, 1236, 3).arcs.size(), 12u);  // the last part still 6 pixels
    EXPECT_EQ(Draw(DrawGoldenSpiral, 3, 3, 0).arcs.size(), 1u);  // 2 of 3 pixels, then 1
    EXPECT_TRUE(Draw(DrawGoldenSpiral, 2, 2, 0).arcs.empty());
    EXPECT_TRUE(Draw(DrawGoldenSpiral, 0, 0, 5).arcs.empty());
}

TEST(FlattenArc, EndsOnTheCornersAndStaysOnTheEllipse) {
    for (const QuarterArc a : {QuarterArc{185, 200, 0, 0}, QuarterArc{71, 124, 0, 200}, QuarterArc{3, 3, 5, 4},
                               QuarterArc{0, 0, 4000, 2500}}) {
        ArcPoint points[kArcPointsMax];
        const int n = FlattenArc(a, points);
        ASSERT_GE(n, 3);
        ASSERT_LE(n, kArcPointsMax);
        EXPECT_EQ(points[0].x, a.fx);
        EXPECT_EQ(points[0].y, a.cy);
        EXPECT_EQ(points[n - 1].x, a.cx);
        EXPECT_EQ(points[n - 1].y, a.fy);
        const double rx = a.fx - a.cx, ry = a.fy - a.cy;
        for (int i = 0; i < n; ++i) {
            // Within the rounding of a pixel of the curve, and moving one way from end to end.
            const double off = std::hypot((points[i].x - a.cx) / rx, (points[i].y - a.cy) / ry) - 1;
            EXPECT_LE(std::abs(off) * std::min(std::abs(rx), std::abs(ry)), 0.8) << i;
            if (i == 0) continue;
            EXPECT_LE(std::abs(points[i].x - a.cx), std::abs(points[i - 1].x - a.cx));
            EXPECT_GE(std::abs(points[i].y - a.cy), std::abs(points[i - 1].y - a.cy));
        }
    }
}

// Action safe 93 % and title safe 90 %, centred; the portrait crops 4:5 and 9:16 the largest
// that fit. Edges are positions, taken to the nearest pixel, halves upward: 1920 x 0.93 leaves
// 67.2 on each side, 1080 x 9 / 16 = 607.5 leaves 656.25.
TEST(SafeAreas, RectanglesCrossAndCropsInEveryVariant) {
    struct Box {
        int l, t, r, b;
    };
    // Each edge ends where the next begins.
    auto loops = [](Box x, Box y) {
        SegmentList out;
        for (const Box& z : {x, y})
            for (const Segment& s : {Segment{z.l, z.t, z.r, z.t}, {z.r, z.t, z.r, z.b}, {z.r, z.b, z.l, z.b}, {z.l, z.b, z.l, z.t}})
                out.push_back(s);
        return out;
    };
    const struct {
        int w, h;
        Box action, title;
        int x, y, arm;
        Box fourFive, nineSixteen;
    } cases[] = {
        // A crop that fills a side has that edge on the frame's last row or column.
        {1920, 1080, {67, 38, 1853, 1042}, {96, 54, 1824, 1026}, 960, 540, 27, {528, 0, 1392, 1079}, {656, 0, 1264, 1079}},
        {1080, 1920, {38, 67, 1042, 1853}, {54, 96, 1026, 1824}, 540, 960, 27, {0, 285, 1079, 1635}, {0, 0, 1079, 1919}},
        {640, 480, {22, 17, 618, 463}, {32, 24, 608, 456}, 320, 240, 12, {128, 0, 512, 479}, {185, 0, 455, 479}},
        {41, 40, {1, 1, 40, 39}, {2, 2, 39, 38}, 21, 20, 4, {5, 0, 37, 39}, {9, 0, 32, 39}},  // the arm's least
    };
    for (const auto& c : cases) {
        const SegmentList rects = loops(c.action, c.title), crops = loops(c.fourFive, c.nineSixteen);
        SegmentList cross = rects;
        cross.push_back({c.x - c.arm, c.y, c.x + c.arm + 1, c.y});
        cross.push_back({c.x, c.y - c.arm, c.x, c.y + c.arm + 1});
        const SegmentList* want[] = {&rects, &cross, &crops, &rects};
        for (uint32_t variant = 0; variant < 4; ++variant)
            EXPECT_EQ(Draw(DrawSafeAreas, c.w, c.h, variant).segments, *want[variant]) << c.w << " x " << c.h << " v " << variant;
    }
    EXPECT_TRUE(Draw(DrawSafeAreas, 0, 480, 1).segments.empty());
}
