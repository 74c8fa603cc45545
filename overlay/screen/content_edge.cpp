#include "content_edge.h"

#include <algorithm>

int ColourClass(uint32_t v) {
    return static_cast<int>((((v >> 16) - 1) & ((v >> 8) - 1) & v & 0xFFu) / 3);
}

namespace {
bool Horizontal(StripSide s) { return s == StripSide::top || s == StripSide::bottom; }
bool BeforeFrame(StripSide s) { return s == StripSide::top || s == StripSide::left; }

// The room between a frame's side and the screen's edge, capped by the range; 64-bit, since
// the range may be anything a settings file holds.
int Depth(long long room, int range) { return static_cast<int>(std::clamp<long long>(room, 0, std::max(range, 0))); }
}  // namespace

SearchStrip StripBeside(StripSide side, const Rect& f, const Rect& d, int range) {
    const bool horizontal = Horizontal(side), before = BeforeFrame(side);
    // Along the side: the part of it on the screen.
    const int start = horizontal ? std::max(f.left, d.left) : std::max(f.top, d.top);
    const int end = horizontal ? std::min(f.right, d.right) : std::min(f.bottom, d.bottom);
    // Away from it: the frame's edge on that side and the screen's edge beyond it.
    const int edge = horizontal ? (before ? f.top : f.bottom) : (before ? f.left : f.right);
    const int limit = horizontal ? (before ? d.top : d.bottom) : (before ? d.left : d.right);
    const int depth = Depth(before ? static_cast<long long>(edge) - limit : static_cast<long long>(limit) - edge, range);
    const int length = std::max(0, end - start);
    if (length == 0 || depth == 0) return {side, 0, 0, 0, 0};
    const int across = before ? edge - depth : edge;
    return horizontal ? SearchStrip{side, start, across, length, depth} : SearchStrip{side, across, start, length, depth};
}

Point StripPixel(const SearchStrip& s, int p, int far) {
    const int line = BeforeFrame(s.side) ? far : s.depth - 1 - far;
    return Horizontal(s.side) ? Point{p, line} : Point{line, p};
}

int FindContentEdge(const SearchStrip& s, ReadPixel read, const void* context) {
    const int L = s.length;
    // The three sample positions need a strip of 6; a change needs two lines.
    if (L < 6 || s.depth < 2) return 0;
    const int middle = BeforeFrame(s.side) ? L - L / 2 : L / 2;
    const int samples[3] = {5, middle, L - 5};
    int previous[3]{}, found = -1;
    for (int far = 0; far < s.depth; ++far) {
        int now[3];
        for (int k = 0; k < 3; ++k) now[k] = ColourClass(read(context, StripPixel(s, samples[k], far)));
        if (far > 0 && previous[0] == previous[1] && previous[1] == previous[2] && now[0] != previous[0] &&
            now[1] != previous[1] && now[2] != previous[2])
            found = far;
        std::copy(now, now + 3, previous);
    }
    if (found < 0) return 0;
    // Before the frame the side moves onto the found line; after it, the found line becomes the
    // last one inside, so a change right next to the frame moves nothing.
    return BeforeFrame(s.side) ? s.depth - found : s.depth - 1 - found;
}

Rect FittedFrame(const Rect& f, int top, int bottom, int left, int right) {
    return {f.left - left, f.top - top, f.right + right + 1, f.bottom + bottom + 1};
}
