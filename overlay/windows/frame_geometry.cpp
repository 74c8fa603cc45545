#include "frame_geometry.h"

#include <algorithm>

int ScaleForDpi(int value, unsigned dpi) {
    return static_cast<int>((static_cast<long long>(value) * dpi * 2 + 96) / 192);
}

ZoneHit ClassifyPointer(const Rect& frame, Point p, int zone) {
    int horizontal = 0, vertical = 0, edges = 0;
    if (p.x <= frame.left + zone) {
        horizontal = 1;
        edges |= kEdgeLeft;
    } else if (p.x >= frame.right - zone) {
        horizontal = 2;
        edges |= kEdgeRight;
    }
    if (p.y <= frame.top + zone) {
        vertical = 3;
        edges |= kEdgeTop;
    } else if (p.y >= frame.bottom - zone) {
        vertical = 6;
        edges |= kEdgeBottom;
    }
    return {edges ? edges : kDragMove, horizontal + vertical};
}

ResizePlacement ComputeResizeStep(const Rect& r, int dx, int dy, int edges, bool live, Point p,
                                  bool keepDifference) {
    const int w = r.right - r.left, h = r.bottom - r.top;

    // At the minimum an edge stops following the pointer until the pointer is back on the
    // dragged edge's line or beyond it.
    bool widthFrozen = false, heightFrozen = false;
    if (live) {
        if (w <= kMinFrameSize)
            widthFrozen = (edges & kEdgeRight) ? p.x < r.right : (edges & kEdgeLeft) && p.x > r.left;
        if (h <= kMinFrameSize)
            heightFrozen = (edges & kEdgeBottom) ? p.y < r.bottom : (edges & kEdgeTop) && p.y > r.top;
    }

    if (keepDifference) {
        if (edges == (kEdgeTop | kEdgeLeft) || edges == (kEdgeBottom | kEdgeRight)) {
            dx = dy = (dx + dy) / 2;
        } else if (edges == (kEdgeTop | kEdgeRight) || edges == (kEdgeBottom | kEdgeLeft)) {
            dx = (dx - dy) / 2;
            dy = -dx;
        }
    }

    const int heightChange = (edges & kEdgeTop) ? -dy : (edges & kEdgeBottom) ? dy : 0;
    const int widthChange = (edges & kEdgeLeft) ? -dx : (edges & kEdgeRight) ? dx : 0;
    ResizePlacement out{r.left + ((edges & kEdgeLeft) ? dx : 0), r.top + ((edges & kEdgeTop) ? dy : 0),
                        w + widthChange, h + heightChange, (edges & (kEdgeTop | kEdgeLeft)) != 0, true};

    // The whole step is dropped, in both dimensions, when either side would shrink below the
    // minimum. A side already below it (a hand-edited size) may still grow.
    const bool widthTooSmall = out.w < kMinFrameSize && out.w < w, heightTooSmall = out.h < kMinFrameSize && out.h < h;
    if (widthFrozen || widthTooSmall || heightFrozen || heightTooSmall) {
        out = {r.left, r.top, w, h, false, false};
    }
    return out;
}

Point ArrowDirection(unsigned virtualKey) {
    switch (virtualKey) {
        case 0x25: return {-1, 0};  // Left
        case 0x26: return {0, -1};  // Up
        case 0x27: return {1, 0};   // Right
        case 0x28: return {0, 1};   // Down
        default: return {0, 0};
    }
}

int GripHalf(Point c, int size) { return c.x < size - c.y ? kDragMove : kGripResize; }

GripStep GripDragStep(int gripMode) {
    if (gripMode == kDragMove) return {true, 0};
    if (gripMode == kGripResize) return {false, kEdgeRight | kEdgeBottom};
    return {false, 0};
}

Rect CentreInArea(const Rect& frame, const Rect& area) {
    // Wide arithmetic: a hand-edited size or a far-off rectangle must not overflow.
    const long long areaW = static_cast<long long>(area.right) - area.left, areaH = static_cast<long long>(area.bottom) - area.top;
    const long long w = std::min(static_cast<long long>(frame.right) - frame.left, areaW);
    const long long h = std::min(static_cast<long long>(frame.bottom) - frame.top, areaH);
    const int x = static_cast<int>(area.left + (areaW - w) / 2), y = static_cast<int>(area.top + (areaH - h) / 2);
    return {x, y, static_cast<int>(x + w), static_cast<int>(y + h)};
}
