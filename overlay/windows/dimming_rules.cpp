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
    // The frame as it lies within the bounds; the strips keep to them.
    const int top = std::clamp(frame.top, b.top, b.bottom), bottom = std::clamp(frame.bottom, top, b.bottom);
    const int left = std::clamp(frame.left, b.left, b.right), right = std::clamp(frame.right, left, b.right);
    const Rect strips[kDimStrips] = {
        {b.left, b.top, b.right, top}, {b.left, bottom, b.right, b.bottom},
        {b.left, top, left, bottom},   {right, top, b.right, bottom},
    };
    int n = 0;
    for (const Rect& r : strips)
        if (r.right > r.left && r.bottom > r.top) out[n++] = r;
    return n;
}

int DimLevel(int32_t fromFile) { return std::clamp<int32_t>(fromFile, kDimLevelLeast, kDimLevelMost); }

int DimAlpha(int level) { return (level * 255 * 2 + 100) / 200; }
