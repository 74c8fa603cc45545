#include "own_lines.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }

// One comma-separated item: a number from 1 to 9999 with blanks around it, or -1.
int ReadItem(const char* from, const char* to) {
    while (from < to && Blank(*from)) ++from;
    while (to > from && Blank(to[-1])) --to;
    if (from == to || to - from > 4) return -1;
    int v = 0;
    for (; from < to; ++from) {
        if (*from < '0' || *from > '9') return -1;
        v = v * 10 + (*from - '0');
    }
    return v >= 1 && v < kOwnLineScale ? v : -1;
}

bool Holds(const int* at, int count, int value) { return std::find(at, at + count, value) != at + count; }
}  // namespace

int ParseOwnLineList(const char* text, int (&out)[kOwnLinesMax]) {
    int count = 0;
    if (!text) return 0;
    for (const char* item = text; count < kOwnLinesMax;) {
        const char* end = item;
        while (*end && *end != ',') ++end;
        const int v = ReadItem(item, end);
        if (v > 0 && !Holds(out, count, v)) out[count++] = v;
        if (!*end) break;
        item = end + 1;
    }
    return count;
}

size_t FormatOwnLineList(const int* at, int count, char* out, size_t cap) {
    if (!cap) return 0;
    size_t n = 0;
    out[0] = '\0';
    for (int i = 0; i < count; ++i) {
        const int w = std::snprintf(out + n, cap - n, i ? ",%d" : "%d", at[i]);
        if (w < 0 || static_cast<size_t>(w) >= cap - n) {
            out[0] = '\0';
            return 0;
        }
        n += static_cast<size_t>(w);
    }
    return n;
}

int OwnLinePixel(int at, int side) {
    return static_cast<int>(std::floor(static_cast<double>(at) * side / kOwnLineScale + 0.5));
}

int OwnLinePlace(int pixel, int side) {
    if (side <= 0) return kOwnLineScale / 2;
    const double at = std::floor(static_cast<double>(pixel) * kOwnLineScale / side + 0.5);
    return static_cast<int>(std::clamp(at, 1.0, kOwnLineScale - 1.0));
}

LineRef AddOwnLine(OwnLines& lines, int axis, int at) {
    if (axis != kOwnVertical && axis != kOwnHorizontal) return kNoLine;
    int& count = lines.count[axis];
    if (count >= kOwnLinesMax || Holds(lines.at[axis], count, at)) return kNoLine;
    lines.at[axis][count] = at;
    return {axis, count++};
}

void RemoveOwnLine(OwnLines& lines, LineRef line, LineRef& selected) {
    if (line.axis < 0 || line.axis > 1 || line.index < 0 || line.index >= lines.count[line.axis]) return;
    int* at = lines.at[line.axis];
    std::copy(at + line.index + 1, at + lines.count[line.axis], at + line.index);
    at[--lines.count[line.axis]] = 0;  // so that equal sets compare equal
    if (selected == line) selected = kNoLine;
    else if (selected.axis == line.axis && selected.index > line.index) --selected.index;
}

LineRef NextOwnLine(const OwnLines& lines, LineRef current) {
    LineRef next = current.axis < 0 ? LineRef{kOwnVertical, 0} : LineRef{current.axis, current.index + 1};
    while (next.axis <= kOwnHorizontal && next.index >= lines.count[next.axis]) next = {next.axis + 1, 0};
    return next.axis > kOwnHorizontal ? kNoLine : next;
}

int StepOwnLine(int at, int side, int pixels) {
    int moved = OwnLinePlace(OwnLinePixel(at, side) + pixels, side);
    if (moved == at && pixels) moved = std::clamp(at + (pixels > 0 ? 1 : -1), 1, kOwnLineScale - 1);
    return moved;
}

LineRef GrabOwnLine(const OwnLines& lines, int w, int h, const Rect& frame, Point screen, Point client, int zone,
                    int grab) {
    const bool inside = screen.x >= frame.left && screen.x < frame.right && screen.y >= frame.top && screen.y < frame.bottom;
    if (!inside || ClassifyPointer(frame, screen, zone).dragMode != kDragMove) return kNoLine;
    LineRef best = kNoLine;
    int nearest = grab + 1;
    for (int axis : {kOwnVertical, kOwnHorizontal}) {
        for (int i = 0; i < lines.count[axis]; ++i) {
            const int d = axis == kOwnVertical ? std::abs(client.x - OwnLinePixel(lines.at[axis][i], w))
                                               : std::abs(client.y - OwnLinePixel(lines.at[axis][i], h));
            if (d < nearest) {
                nearest = d;
                best = {axis, i};
            }
        }
    }
    return best;
}

std::vector<LineSpan> OwnLineSpans(const OwnLines& lines, LineRef selected, int w, int h) {
    std::vector<LineSpan> spans;
    for (int axis : {kOwnVertical, kOwnHorizontal}) {
        const int length = axis == kOwnVertical ? h : w;
        for (int i = 0; i < lines.count[axis]; ++i) {
            const int p = OwnLinePixel(lines.at[axis][i], axis == kOwnVertical ? w : h);
            const bool dashed = selected == LineRef{axis, i};
            for (int from = 0; from < length; from += dashed ? kDashOn + kDashOff : length) {
                const int to = dashed ? std::min(from + kDashOn, length) : length;
                spans.push_back(axis == kOwnVertical ? LineSpan{p, from, p, to} : LineSpan{from, p, to, p});
            }
        }
    }
    return spans;
}
