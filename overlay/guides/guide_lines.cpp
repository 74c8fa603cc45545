// The line geometry of each guide for a client area of w x h pixels.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "guide_table.h"

namespace {
constexpr double kGoldenDivisor = 1.618;  // the ratio as the guide has always drawn it
const double kPhi = (1 + std::sqrt(5.0)) / 2;  // the golden ratio itself, for the newer guides

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

int FlattenArc(const QuarterArc& a, ArcPoint* points) {
    // About one piece to every two pixels of radius: from 96 pieces on, no chord strays a
    // tenth of a pixel from the curve of any frame a screen holds.
    const int radius = std::max(std::abs(a.fx - a.cx), std::abs(a.fy - a.cy));
    const int pieces = std::clamp(radius / 2, 2, kArcPointsMax - 1);
    const double quarter = std::acos(0.0);
    for (int i = 0; i <= pieces; ++i) {
        const double t = quarter * i / pieces;
        points[i] = {RoundHalfUp(a.cx + (a.fx - a.cx) * std::cos(t)), RoundHalfUp(a.cy + (a.fy - a.cy) * std::sin(t))};
    }
    return pieces + 1;
}

void DrawPhiGrid(const GuideView& v, const SegmentSink& out) {
    if (FirstPart(v.variant))
        for (double at : {v.w / (kPhi * kPhi), v.w / kPhi}) Line(kVertical, RoundHalfUp(at), v, out);
    if (SecondPart(v.variant))
        for (double at : {v.h / (kPhi * kPhi), v.h / kPhi}) Line(0, RoundHalfUp(at), v, out);
}

namespace {
// The spiral is built in the unit square and stretched to the client, turned a quarter on a
// frame taller than wide, so that the first cut runs across the longer side and a golden frame,
// lying or upright, is cut into squares with circular arcs. Orientation o = counter % 4: the eye
// lies towards the bottom-right, bottom-left, top-left and top-right corner for o = 0, 1, 2, 3,
// the square's mirror images.
struct SpiralMap {
    int w, h;
    bool transpose, mirrorX, mirrorY;
    ArcPoint operator()(double x, double y) const {
        if (transpose) std::swap(x, y);
        return {RoundHalfUp((mirrorX ? 1 - x : x) * w), RoundHalfUp((mirrorY ? 1 - y : y) * h)};
    }
};
constexpr int kSpiralArcsMax = 12, kSpiralPartMin = 2;

// A cut from a to b, drawn towards the right or the bottom: the point left out is then on the
// frame's far edge or on an earlier cut.
Segment Cut(ArcPoint a, ArcPoint b) {
    if (b.x < a.x || b.y < a.y) std::swap(a, b);
    return {a.x, a.y, b.x, b.y};
}
}  // namespace

void DrawGoldenSpiral(const GuideView& v, const SegmentSink& out) {
    const unsigned o = v.variant % 4;
    const SpiralMap map{v.w, v.h, v.h > v.w, o == 1 || o == 2, o >= 2};
    // What is left to cut. Each part is cut off it at 1/phi of the side being cut, on the left,
    // the top, the right and the bottom in turn. Its arc is centred on the inner end of the cut
    // and runs from there to the part's far corner; the cut goes from the centre to one end of
    // the arc.
    double left = 0, top = 0, right = 1, bottom = 1;
    for (int k = 0; k < kSpiralArcsMax; ++k) {
        double x0 = left, y0 = top, x1 = right, y1 = bottom, cx, cy, fx, fy;  // the part
        switch (k % 4) {
            case 0: x1 = left = left + (right - left) / kPhi, cx = x1, cy = y1, fx = x0, fy = y0; break;
            case 1: y1 = top = top + (bottom - top) / kPhi, cx = x0, cy = y1, fx = x1, fy = y0; break;
            case 2: x0 = right = right - (right - left) / kPhi, cx = x0, cy = y0, fx = x1, fy = y1; break;
            default: y0 = bottom = bottom - (bottom - top) / kPhi, cx = x1, cy = y0, fx = x0, fy = y1; break;
        }
        const ArcPoint p0 = map(x0, y0), p1 = map(x1, y1), centre = map(cx, cy), far = map(fx, fy);
        if (std::abs(p1.x - p0.x) < kSpiralPartMin || std::abs(p1.y - p0.y) < kSpiralPartMin) return;
        out.Add(Cut(centre, k % 2 == 0 ? map(cx, fy) : map(fx, cy)));
        out.AddArc({centre.x, centre.y, far.x, far.y});
    }
}

namespace {
// Where the perpendicular from a corner meets a frame diagonal, as a fraction of the diagonal
// from its own end: w^2 / (w^2 + h^2) from (w, 0), h^2 / (w^2 + h^2) from (0, h).
struct Feet {
    double w2, h2;
};
Feet FeetOf(const GuideView& v) {
    const double w2 = static_cast<double>(v.w) * v.w, h2 = static_cast<double>(v.h) * v.h;
    return {w2 / (w2 + h2), h2 / (w2 + h2)};
}
}  // namespace

void DrawGoldenTriangles(const GuideView& v, const SegmentSink& out) {
    if (v.w <= 0 || v.h <= 0) return;
    const Feet f = FeetOf(v);
    const int w = v.w, h = v.h;
    // The diagonal from the top-left corner and the perpendiculars from (w, 0) and (0, h); the
    // one from the top-right corner is its mirror image.
    const bool mirror = v.variant % 2 != 0;
    auto x = [&](double at) { return RoundHalfUp(mirror ? w - at : at); };
    if (mirror)
        CrossDiagonal(v, out);
    else
        MainDiagonal(v, out);
    out.Add({x(w), 0, x(w * f.w2), RoundHalfUp(h * f.w2)});
    out.Add({x(0), h, x(w * f.h2), RoundHalfUp(h * f.h2)});
}

void DrawDynamicSymmetry(const GuideView& v, const SegmentSink& out) {
    if (v.w <= 0 || v.h <= 0) return;
    const int w = v.w, h = v.h;
    MainDiagonal(v, out);
    CrossDiagonal(v, out);
    // From each corner, perpendicular to the diagonal that misses it, to the frame's edge: the
    // line from (0, 0) runs along (h, w) and leaves through the bottom, or the right edge of a
    // frame taller than wide.
    const double dx = w >= h ? static_cast<double>(h) * h / w : w, dy = w >= h ? h : static_cast<double>(w) * w / h;
    const int nearX = RoundHalfUp(dx), farX = RoundHalfUp(w - dx), nearY = RoundHalfUp(dy), farY = RoundHalfUp(h - dy);
    out.Add({0, 0, nearX, nearY});
    out.Add({w, 0, farX, nearY});
    out.Add({0, h, nearX, farY});
    out.Add({w, h, farX, farY});
    if (v.variant % 2 == 0) return;
    // Where a reciprocal meets a diagonal: the feet of the perpendiculars from the corners.
    const Feet f = FeetOf(v);
    for (double at : {w * f.h2, w * f.w2}) Line(kVertical, RoundHalfUp(at), v, out);
    for (double at : {h * f.h2, h * f.w2}) Line(0, RoundHalfUp(at), v, out);
}

namespace {
// Video's safe areas: 93 % and 90 % of each side, centred.
constexpr double kActionSafe = 0.93, kTitleSafe = 0.90;
// The centre cross: each arm a fortieth of the shorter side, so 5 % across, and never too small
// to see.
constexpr double kCrossArm = 0.025;
constexpr int kCrossArmMin = 4;

// A rectangle through four edge positions, as a loop: each edge leaves out its last point,
// where the next edge begins, so every pixel of the outline is painted once, whatever the pen.
void Loop(int left, int top, int right, int bottom, const SegmentSink& out) {
    out.Add({left, top, right, top});
    out.Add({right, top, right, bottom});
    out.Add({right, bottom, left, bottom});
    out.Add({left, bottom, left, top});
}

// The centred rectangle w x h (not rounded), its edges rounded as positions. An edge that would
// fall on the frame's side lies on its last column or row, inside the frame like every guide's.
void Centred(const GuideView& v, double w, double h, const SegmentSink& out) {
    Loop(RoundHalfUp((v.w - w) / 2), RoundHalfUp((v.h - h) / 2), std::min(RoundHalfUp((v.w + w) / 2), v.w - 1),
         std::min(RoundHalfUp((v.h + h) / 2), v.h - 1), out);
}

// The largest centred rectangle of across : down.
void Crop(const GuideView& v, double across, double down, const SegmentSink& out) {
    const double w = std::min<double>(v.w, v.h * across / down);
    Centred(v, w, w * down / across, out);
}
}  // namespace

void DrawSafeAreas(const GuideView& v, const SegmentSink& out) {
    if (v.w <= 0 || v.h <= 0) return;
    if (v.variant % 3 == 2) {
        Crop(v, 4, 5, out);
        Crop(v, 9, 16, out);
        return;
    }
    Centred(v, v.w * kActionSafe, v.h * kActionSafe, out);
    Centred(v, v.w * kTitleSafe, v.h * kTitleSafe, out);
    if (v.variant % 3 == 0) return;
    const int x = RoundHalfUp(v.w / 2.0), y = RoundHalfUp(v.h / 2.0);
    const int arm = std::max(RoundHalfUp(std::min(v.w, v.h) * kCrossArm), kCrossArmMin);
    out.Add({x - arm, y, x + arm + 1, y});
    out.Add({x, y - arm, x, y + arm + 1});
}
