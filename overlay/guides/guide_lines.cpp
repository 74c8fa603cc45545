// The line geometry of each guide for a client area of w x h pixels.
#include <cstdint>

#include "guide_table.h"

namespace {
constexpr double kGoldenDivisor = 1.618;  // the ratio as the guide has always drawn it

int RoundHalfUp(double x) { return static_cast<int>(x + 0.5); }

void MainDiagonal(const GuideView& v, const SegmentSink& out) { out.Add({0, 0, v.w, v.h}); }
void CrossDiagonal(const GuideView& v, const SegmentSink& out) { out.Add({v.w, 0, 0, v.h}); }

// v modulo 3: 0 both parts, 1 the first only, 2 the second only.
bool FirstPart(uint32_t variant) { return variant % 3 != 2; }
bool SecondPart(uint32_t variant) { return variant % 3 != 1; }

void Line(int orientation, int at, const GuideView& v, const SegmentSink& out) {
    if (orientation == kVertical)
        out.Add({at, 0, at, v.h});
    else
        out.Add({0, at, v.w, at});
}

void Grid(const GuideView& v, int columns, int rows, const SegmentSink& out) {
    if (FirstPart(v.variant)) DrawEqualDivisions(v, columns, kVertical, out);
    if (SecondPart(v.variant)) DrawEqualDivisions(v, rows, 0, out);
}

void Spaced(const GuideView& v, int spacing, int orientation, const SegmentSink& out) {
    if (spacing < 1) return;  // a spacing that never advances would never reach the edge
    const int64_t end = orientation == kVertical ? v.w : v.h;
    for (int64_t at = spacing; at < end; at += spacing) Line(orientation, static_cast<int>(at), v, out);
}
}  // namespace

void DrawEqualDivisions(const GuideView& v, int n, int orientation, const SegmentSink& out) {
    if (n <= 1) return;
    const int length = orientation == kVertical ? v.w : v.h;
    const double step = static_cast<double>(length) / n;
    if (n > length) {
        // Lines closer than a pixel: consecutive positions differ by at most one, so every
        // position from the first to the last is hit. Draw each once, whatever n is.
        const int first = RoundHalfUp(step), last = RoundHalfUp((n - 1) * step);
        for (int at = first; at <= last; ++at) Line(orientation, at, v, out);
        return;
    }
    for (int i = 1; i < n; ++i) Line(orientation, RoundHalfUp(i * step), v, out);
}

void DrawVerticalFromTop(int x, int y, const SegmentSink& out) { out.Add({x, 0, x, y}); }
void DrawHorizontalFromLeft(int x, int y, const SegmentSink& out) { out.Add({0, y, x, y}); }

void DrawFrameDiagonals(const GuideView& v, const SegmentSink& out) {
    switch (v.variant & 3) {
        case 0: MainDiagonal(v, out); CrossDiagonal(v, out); break;
        case 1: MainDiagonal(v, out); break;
        case 2: CrossDiagonal(v, out); break;
        default: break;
    }
}

void DrawThirds(const GuideView& v, const SegmentSink& out) { Grid(v, 3, 3, out); }
void DrawHalves(const GuideView& v, const SegmentSink& out) { Grid(v, 2, 2, out); }
void DrawVerticalHalf(const GuideView& v, const SegmentSink& out) { DrawEqualDivisions(v, 2, kVertical, out); }
void DrawHorizontalHalf(const GuideView& v, const SegmentSink& out) { DrawEqualDivisions(v, 2, 0, out); }

void DrawCountDivisions(const GuideView& v, const SegmentSink& out) {
    Grid(v, v.settings.DivNumV, v.settings.DivNumH, out);
}

void DrawWidthDivisions(const GuideView& v, const SegmentSink& out) {
    if (FirstPart(v.variant)) Spaced(v, v.settings.DivWidthV, kVertical, out);
    if (SecondPart(v.variant)) Spaced(v, v.settings.DivWidthH, 0, out);
}

void DrawDiagonals(const GuideView& v, const SegmentSink& out) {
    if (FirstPart(v.variant)) MainDiagonal(v, out);
    if (SecondPart(v.variant)) CrossDiagonal(v, out);
}

void DrawGoldenSection(const GuideView& v, const SegmentSink& out) {
    const int w = v.w, h = v.h;
    if (w >= h) {
        // Diagonals of the upright rectangles h high and g wide at both ends.
        const int g = RoundHalfUp(h / kGoldenDivisor);
        out.Add({0, 0, g, h});
        out.Add({0, h, g, 0});
        out.Add({w, 0, w - g, h});
        out.Add({w, h, w - g, 0});
    } else {
        // Diagonals of the lying rectangles w wide and g high at top and bottom.
        const int g = RoundHalfUp(w / kGoldenDivisor);
        out.Add({w, 0, 0, g});
        out.Add({0, 0, w, g});
        out.Add({0, h, w, h - g});
        out.Add({w, h, 0, h - g});
    }
    DrawFrameDiagonals(v, out);
}

void DrawRabatment(const GuideView& v, const SegmentSink& out) {
    const int w = v.w, h = v.h;
    // The inner sides of the two squares laid in from either end of the longer side.
    if (w >= h) {
        if (FirstPart(v.variant)) DrawVerticalFromTop(h, h, out);
        if (SecondPart(v.variant)) DrawVerticalFromTop(w - h, h, out);
    } else {
        if (FirstPart(v.variant)) DrawHorizontalFromLeft(w, w, out);
        if (SecondPart(v.variant)) DrawHorizontalFromLeft(w, h - w, out);
    }
}

void DrawRailman(const GuideView& v, const SegmentSink& out) {
    DrawEqualDivisions(v, 4, v.w >= v.h ? kVertical : 0, out);
    DrawFrameDiagonals(v, out);
}
