#include <gtest/gtest.h>

#include "overlay/windows/frame_geometry.h"

std::ostream& operator<<(std::ostream& os, const ResizePlacement& p) {
    return os << p.x << "," << p.y << " " << p.w << "x" << p.h << (p.move ? " move" : "") << (p.size ? " size" : "");
}

namespace {
constexpr Rect kFrame{100, 200, 300, 350};  // 200 x 150

bool Same(const ResizePlacement& a, const ResizePlacement& b) {
    return a.x == b.x && a.y == b.y && a.w == b.w && a.h == b.h && a.move == b.move && a.size == b.size;
}

// The placement of a step that changes nothing.
ResizePlacement Dropped(const Rect& r) { return {r.left, r.top, r.right - r.left, r.bottom - r.top, false, false}; }
}  // namespace

TEST(Zones, BoundariesAndCursors) {
    const struct { Point p; int mode; int cursor; } cases[] = {
        {{107, 275}, kEdgeLeft, 32644},    // R.left + 7: left
        {{108, 275}, kDragMove, 0},        // R.left + 8: interior
        {{293, 275}, kEdgeRight, 32644},   // R.right - 7: right
        {{292, 275}, kDragMove, 0},        // R.right - 8: interior
        {{200, 207}, kEdgeTop, 32645},     // R.top + 7
        {{200, 208}, kDragMove, 0},
        {{200, 343}, kEdgeBottom, 32645},  // R.bottom - 7
        {{200, 342}, kDragMove, 0},
        {{-50, 275}, kEdgeLeft, 32644},    // the zones have no outer bound
        {{900, 900}, kEdgeRight | kEdgeBottom, 32642},
        {{100, 200}, kEdgeLeft | kEdgeTop, 32642},
        {{299, 200}, kEdgeRight | kEdgeTop, 32643},
        {{104, 345}, kEdgeLeft | kEdgeBottom, 32643},
    };
    for (const auto& c : cases) {
        const ZoneHit hit = ClassifyPointer(kFrame, c.p, kEdgeZone);
        EXPECT_EQ(hit.dragMode, c.mode) << c.p.x << "," << c.p.y;
        EXPECT_EQ(kZoneCursors[hit.zoneIndex], c.cursor) << c.p.x << "," << c.p.y;
    }
    // A frame narrower than both zones: the left zone wins.
    EXPECT_EQ(ClassifyPointer({0, 0, 10, 100}, {5, 50}, kEdgeZone).dragMode, kEdgeLeft);
}

// The grip and the edge zones keep their size to the eye: 96 DPI is 100 %, 120 is 125 %, 144 is
// 150 % and 192 is 200 %, rounded half up.
TEST(Zones, ScaleWithTheMonitorsDpi) {
    const struct { unsigned dpi; int grip, zone; } cases[] = {
        {96, 24, 7}, {120, 30, 9}, {144, 36, 11}, {192, 48, 14}, {72, 18, 5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScaleForDpi(kGripSize, c.dpi), c.grip) << c.dpi;
        const int zone = ScaleForDpi(kEdgeZone, c.dpi);
        EXPECT_EQ(zone, c.zone) << c.dpi;
        // The zones and the grip's halves follow the scaled sizes.
        EXPECT_EQ(ClassifyPointer(kFrame, {kFrame.right - zone, 275}, zone).dragMode, kEdgeRight) << c.dpi;
        EXPECT_EQ(ClassifyPointer(kFrame, {kFrame.right - zone - 1, 275}, zone).dragMode, kDragMove) << c.dpi;
        EXPECT_EQ(GripHalf({c.grip / 2 - 2, c.grip / 2 + 1}, c.grip), kDragMove) << c.dpi;
        EXPECT_EQ(GripHalf({c.grip / 2 - 2, c.grip / 2 + 2}, c.grip), kGripResize) << c.dpi;
    }
    EXPECT_EQ(ScaleForDpi(5000, 480), 25000);  // no overflow on large sizes
}

TEST(ResizeStep, EdgesAndPlacementFlags) {
    const Point inside{200, 275};
    const struct { int dx, dy, edges; ResizePlacement want; } cases[] = {
        {10, 0, kEdgeRight, {100, 200, 210, 150, false, true}},
        {10, 0, kEdgeLeft, {110, 200, 190, 150, true, true}},
        {0, -5, kEdgeTop, {100, 195, 200, 155, true, true}},
        {0, 5, kEdgeBottom, {100, 200, 200, 155, false, true}},
        {-3, 4, kEdgeLeft | kEdgeBottom, {97, 200, 203, 154, true, true}},
        {7, 7, 0, {100, 200, 200, 150, false, true}},  // no edges: unchanged, aligned
    };
    for (const auto& c : cases) {
        const ResizePlacement got = ComputeResizeStep(kFrame, c.dx, c.dy, c.edges, true, inside, false);
        EXPECT_TRUE(Same(got, c.want)) << got << " for edges " << c.edges;
    }
}

TEST(ResizeStep, FortyPixelRuleDropsTheWholeStep) {
    const Rect r{0, 0, 45, 300};
    const Point far{1000, 1000};
    // To 40 is taken; to 39 is dropped in both dimensions, although the height could change.
    EXPECT_TRUE(Same(ComputeResizeStep(r, -5, 0, kEdgeRight, false, far, false), {0, 0, 40, 300, false, true}));
    EXPECT_TRUE(Same(ComputeResizeStep(r, -6, 9, kEdgeRight | kEdgeBottom, false, far, false), Dropped(r)));
    EXPECT_TRUE(Same(ComputeResizeStep({0, 0, 300, 41}, 5, 2, kEdgeTop | kEdgeRight, false, far, false),
                     Dropped({0, 0, 300, 41})));

    // A frame below the minimum (a hand-edited size) grows, and never shrinks further.
    const Rect small{10, 10, 23, 33};  // 13 x 23
    const struct { int dx, dy, edges; ResizePlacement want; } cases[] = {
        {2, 0, kEdgeRight | kEdgeBottom, {10, 10, 15, 23, false, true}},  // Ctrl+Right, final step
        {0, 8, kEdgeRight | kEdgeBottom, {10, 10, 13, 31, false, true}},
        {-5, -5, kEdgeLeft | kEdgeTop, {5, 5, 18, 28, true, true}},
        {-1, 0, kEdgeRight | kEdgeBottom, Dropped(small)},
        {0, -1, kEdgeRight | kEdgeBottom, Dropped(small)},
        {3, -1, kEdgeRight | kEdgeBottom, Dropped(small)},  // the width could grow, the height would shrink
        {30, 0, kEdgeRight, {10, 10, 43, 23, false, true}},
    };
    for (const auto& c : cases) {
        const ResizePlacement got = ComputeResizeStep(small, c.dx, c.dy, c.edges, false, far, false);
        EXPECT_TRUE(Same(got, c.want)) << got << " for " << c.dx << "," << c.dy;
    }
    // During a drag the grown edge follows the pointer once it is on the edge's line or beyond.
    EXPECT_TRUE(Same(ComputeResizeStep(small, 4, 0, kEdgeRight, true, {27, 20}, false), {10, 10, 17, 23, false, true}));
    EXPECT_TRUE(Same(ComputeResizeStep(small, 4, 0, kEdgeRight, true, {20, 20}, false), Dropped(small)));
}

TEST(ResizeStep, FrozenEdgesAtTheMinimum) {
    const Rect r{100, 100, 140, 300};  // 40 wide
    // Right edge: frozen while the pointer is left of R.right, also for a growing delta.
    EXPECT_TRUE(Same(ComputeResizeStep(r, 5, 0, kEdgeRight, true, {139, 150}, false), Dropped(r)));
    EXPECT_TRUE(Same(ComputeResizeStep(r, 5, 0, kEdgeRight, true, {140, 150}, false), {100, 100, 45, 200, false, true}));
    EXPECT_TRUE(Same(ComputeResizeStep(r, -5, 0, kEdgeRight, true, {160, 150}, false), Dropped(r)));  // below 40
    // Left edge: frozen while the pointer is right of R.left.
    EXPECT_TRUE(Same(ComputeResizeStep(r, -5, 0, kEdgeLeft, true, {101, 150}, false), Dropped(r)));
    EXPECT_TRUE(Same(ComputeResizeStep(r, -5, 0, kEdgeLeft, true, {100, 150}, false), {95, 100, 45, 200, true, true}));
    // The final step does not test the pointer.
    EXPECT_TRUE(Same(ComputeResizeStep(r, 5, 0, kEdgeRight, false, {139, 150}, false), {100, 100, 45, 200, false, true}));
    // A frozen height drops a width change too.
    const Rect flat{0, 0, 300, 40};
    EXPECT_TRUE(Same(ComputeResizeStep(flat, 5, 0, kEdgeRight | kEdgeBottom, true, {10, 10}, false), Dropped(flat)));
    EXPECT_TRUE(Same(ComputeResizeStep(flat, 5, 0, kEdgeRight | kEdgeBottom, true, {10, 40}, false),
                     {0, 0, 305, 40, false, true}));
    const Rect low{0, 50, 300, 90};
    EXPECT_TRUE(Same(ComputeResizeStep(low, 0, -3, kEdgeTop, true, {10, 51}, false), Dropped(low)));
    EXPECT_TRUE(Same(ComputeResizeStep(low, 0, -3, kEdgeTop, true, {10, 50}, false), {0, 47, 300, 43, true, true}));
}

TEST(ResizeStep, CtrlKeepsTheDifferenceOfACornerDrag) {
    const Point far{-1000, -1000};
    // Top-left (+6, +2) moves the corner by (+4, +4).
    EXPECT_TRUE(Same(ComputeResizeStep(kFrame, 6, 2, kEdgeTop | kEdgeLeft, true, far, true),
                     {104, 204, 196, 146, true, true}));
    // Bottom-left (-3, +5): dx = (-3 - 5) / 2 = -4 on the left edge, +4 on the height.
    EXPECT_TRUE(Same(ComputeResizeStep(kFrame, -3, 5, kEdgeBottom | kEdgeLeft, true, far, true),
                     {96, 200, 204, 154, true, true}));
    // Truncation toward zero: (3 + 0) / 2 = 1 and (-3 + 0) / 2 = -1.
    EXPECT_TRUE(Same(ComputeResizeStep(kFrame, 3, 0, kEdgeBottom | kEdgeRight, true, far, true),
                     {100, 200, 201, 151, false, true}));
    EXPECT_TRUE(Same(ComputeResizeStep(kFrame, -3, 0, kEdgeBottom | kEdgeRight, true, far, true),
                     {100, 200, 199, 149, false, true}));
    // Top-right (+5, +2): dx = 1, dy = -1.
    EXPECT_TRUE(Same(ComputeResizeStep(kFrame, 5, 2, kEdgeTop | kEdgeRight, true, far, true),
                     {100, 199, 201, 151, true, true}));
    // Not a corner: Ctrl changes nothing.
    EXPECT_TRUE(Same(ComputeResizeStep(kFrame, 6, 2, kEdgeRight, true, far, true), {100, 200, 206, 150, false, true}));
}

TEST(ResizeStep, CtrlArrowAppliesTheStepTwice) {
    // Two applications from the top-left corner: live against the pointer, then final.
    auto ctrlArrow = [](Rect r, int dx, Point pointer) {
        for (bool live : {true, false}) {
            const ResizePlacement p = ComputeResizeStep(r, dx, 0, kEdgeRight | kEdgeBottom, live, pointer, false);
            r = {p.x, p.y, p.x + p.w, p.y + p.h};
        }
        return r.right - r.left;
    };
    const Point far{5000, 5000};
    EXPECT_EQ(ctrlArrow({0, 0, 100, 100}, 1, far), 102);
    EXPECT_EQ(ctrlArrow({0, 0, 100, 100}, 4, far), 108);
    EXPECT_EQ(ctrlArrow({0, 0, 41, 100}, -1, far), 40);
    EXPECT_EQ(ctrlArrow({0, 0, 40, 100}, -1, far), 40);
    EXPECT_EQ(ctrlArrow({0, 0, 40, 100}, 1, {20, 50}), 41);  // left of the right edge: +1, not +2
    EXPECT_EQ(ctrlArrow({0, 0, 40, 100}, 1, {40, 50}), 42);
}

TEST(Arrows, Directions) {
    EXPECT_EQ(ArrowDirection(0x25).x, -1);
    EXPECT_EQ(ArrowDirection(0x26).y, -1);
    EXPECT_EQ(ArrowDirection(0x27).x, 1);
    EXPECT_EQ(ArrowDirection(0x28).y, 1);
    const Point none = ArrowDirection('A');
    EXPECT_EQ(none.x | none.y, 0);
}

TEST(Grip, HalfUnderThePointerAndWhatADragDoes) {
    const struct { Point at; int half; } cases[] = {
        {{10, 13}, kDragMove}, {{10, 14}, kGripResize},  // either side of x = 24 - y
        {{0, 0}, kDragMove},   {{21, 0}, kDragMove},   {{0, 21}, kDragMove},
        {{21, 21}, kGripResize}, {{11, 11}, kDragMove},  // the centre, where the grip turns up
        {{12, 12}, kGripResize},
    };
    for (const auto& c : cases) EXPECT_EQ(GripHalf(c.at, kGripSize), c.half) << c.at.x << "," << c.at.y;
    EXPECT_TRUE(GripDragStep(kDragMove).move);
    EXPECT_EQ(GripDragStep(kDragMove).edges, 0);
    EXPECT_FALSE(GripDragStep(kGripResize).move);
    EXPECT_EQ(GripDragStep(kGripResize).edges, kEdgeRight | kEdgeBottom);
    EXPECT_FALSE(GripDragStep(0).move);
    EXPECT_EQ(GripDragStep(0).edges, 0);
}

TEST(Displays, AFrameOnNoMonitorComesBackWholeOntoTheNearest) {
    const Rect laptop{0, 0, 1366, 728};  // its work area, above the task bar
    const struct { const char* what; Rect frame, area, want; } cases[] = {
        {"from an unplugged screen on the right", {2200, 300, 2800, 700}, laptop, {383, 164, 983, 564}},
        {"from a screen on the left, far out", {-3000, -200, -2600, 100}, laptop, {483, 214, 883, 514}},
        {"taller than the laptop's work area", {1500, 0, 1900, 1200}, laptop, {483, 0, 883, 728}},
        {"larger both ways", {-5000, 0, -1000, 3000}, laptop, {0, 0, 1366, 728}},
        {"onto a screen left of the primary", {3000, 0, 3200, 200}, {-1920, 0, 0, 1040}, {-1060, 420, -860, 620}},
        {"a hand-edited size beyond any screen", {0, 0, 2000000000, 2000000000}, laptop, {0, 0, 1366, 728}},
    };
    for (const auto& c : cases) {
        const Rect r = CentreInArea(c.frame, c.area);
        EXPECT_TRUE(r.left == c.want.left && r.top == c.want.top && r.right == c.want.right && r.bottom == c.want.bottom)
            << c.what << ": " << r.left << "," << r.top << "," << r.right << "," << r.bottom;
    }
}
