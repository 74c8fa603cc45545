#include "dimming_rules.h"

#include <algorithm>

int DimStrips(const Rect& frame, const Rect* monitors, int monitorCount, Rect (&out)[kDimStrips]) {
    for (Rect& r : out) r = {0, 0, 0, 0};
    if (monitorCount <= 0) return 0;
    Rect b = monitors[0];
    for (int i = 1; i < monitorCount; ++i) {
        b.left = std::min(b.left, monitors[i].left);
        b.top = std::min(b.top, monitors[i].top);
        b.right = std::max(b.right, monitors[i].right);
        b.bottom = std::max(b.bottom, monitors[i].bottom);
    }
    // Each strip reaches a whole screen's width or height beyond the frame, so that a move
    // only moves strips and never resizes one; past the screens nothing shows. A frame beyond
    // the screens still has everything on them darkened.
    const long long w = b.right - b.left, h = b.bottom - b.top;
    const auto at = [](long long v) { return static_cast<int>(std::clamp<long long>(v, INT32_MIN / 2, INT32_MAX / 2)); };
    out[0] = {b.left, at(std::min<long long>(b.top, frame.top - h)), b.right, frame.top};
    out[1] = {b.left, frame.bottom, b.right, at(std::max<long long>(b.bottom, frame.bottom + h))};
    out[2] = {at(std::min<long long>(b.left, frame.left - w)), frame.top, frame.left, frame.bottom};
    out[3] = {frame.right, frame.top, at(std::max<long long>(b.right, frame.right + w)), frame.bottom};
    return kDimStrips;
}

int DimAlpha(int level) { return (level * 255 * 2 + 100) / 200; }
