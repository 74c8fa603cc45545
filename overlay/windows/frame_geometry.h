// The arithmetic of moving and resizing the frame by hand: edge zones, sizing cursors, the
// resize step with its frozen edges, the diagonal constraint and the 40-pixel rule.
// Platform-free; the Win32 shell reads the pointer and rectangles and applies the results.
#pragma once

struct Rect {
    int left, top, right, bottom;  // right and bottom exclusive
};
struct Point {
    int x, y;
};

constexpr int kEdgeZone = 7;  // at 96 DPI
constexpr int kMinFrameSize = 40;

// A size in pixels at 96 DPI as it is at dpi, so that what the pointer must hit looks as large
// on every screen: floor(value * dpi / 96 + 0.5).
int ScaleForDpi(int value, unsigned dpi);

// Edge flags of a resize drag; kDragMove is the drag mode of a move.
constexpr int kEdgeTop = 1, kEdgeBottom = 2, kEdgeRight = 4, kEdgeLeft = 8;
constexpr int kDragMove = 7;

// The sizing cursors by zone index (horizontal 0 none, 1 left, 2 right, plus vertical
// 0 none, 3 top, 6 bottom); 0 leaves the cursor alone.
constexpr int kSizeWE = 32644, kSizeNS = 32645, kSizeNWSE = 32642, kSizeNESW = 32643;
constexpr int kZoneCursors[9] = {0, kSizeWE, kSizeWE, kSizeNS, kSizeNWSE, kSizeNESW, kSizeNS, kSizeNESW, kSizeNWSE};

struct ZoneHit {
    int dragMode;   // edge flags, or kDragMove for the interior
    int zoneIndex;  // index into kZoneCursors
};

// Where the pointer lies against the frame rectangle, with edge zones zone pixels wide inside
// each side (kEdgeZone at 96 DPI). The zones have no outer bound.
ZoneHit ClassifyPointer(const Rect& frame, Point pointer, int zone);

// One resize step as the frame should be placed.
struct ResizePlacement {
    int x, y, w, h;
    bool move;  // false: the position stays (SWP_NOMOVE)
    bool size;  // false: the size stays (SWP_NOSIZE)
};

// Applies (dx, dy) to the given edges. live: a step during a drag, which obeys the frozen-edge
// test against the pointer. keepDifference: Ctrl held during a drag, which makes width and
// height of a corner drag change by the same amount.
ResizePlacement ComputeResizeStep(const Rect& frame, int dx, int dy, int edges, bool live, Point pointer,
                                  bool keepDifference);

// The (dx, dy) unit of an arrow key's virtual-key code, or (0, 0) for another key.
Point ArrowDirection(unsigned virtualKey);

// The navigation grip: a square, 24 x 24 at 96 DPI, split by its rising diagonal. The upper-left
// half moves the window set (kDragMove), the lower-right half moves the right and bottom edges.
constexpr int kGripSize = 24;
constexpr int kGripResize = 8;
// The half under a point of the client area of a grip size pixels wide outside: x < size - y is
// the move half. The border makes the client 2 narrower, so the points between the painted
// diagonal and this line look like the resize half but move.
int GripHalf(Point client, int size);
// What a drag step of the grip does in each mode: the edges it resizes (0 for a move or for
// no mode), and whether it moves the window set.
struct GripStep {
    bool move;
    int edges;
};
GripStep GripDragStep(int gripMode);

// A frame that lies on no monitor any more, brought whole onto the work area of the nearest
// one: centred there at its size, made smaller only where it is larger than the area.
Rect CentreInArea(const Rect& frame, const Rect& area);
