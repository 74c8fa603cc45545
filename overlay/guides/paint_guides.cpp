#include "paint_guides.h"

#include <algorithm>

#include "../windows/gdi_holders.h"
#include "guide_table.h"
#include "line_runs.h"

namespace {
// A hand-edited LineWidth may be absurd. A pen wider than twice the frame already covers all
// of it, so wider pens look the same; a negative width is drawn as the thinnest line.
int PenWidth(int w, int h) { return std::clamp(g_settings.LineWidth, 0, 2 * std::max({w, h, 1})); }

void DrawSegment(void* dc, const Segment& s) {
    MoveToEx(static_cast<HDC>(dc), s.x0, s.y0, nullptr);
    LineTo(static_cast<HDC>(dc), s.x1, s.y1);
}

// An arc as the polyline of its points; the last point, like the end of a line, is left out.
void DrawArc(void* dc, const QuarterArc& a) {
    ArcPoint points[kArcPointsMax];
    POINT line[kArcPointsMax];
    const int n = FlattenArc(a, points);
    for (int i = 0; i < n; ++i) line[i] = {points[i].x, points[i].y};
    Polyline(static_cast<HDC>(dc), line, n);
}
}  // namespace

void PaintGuides(HDC dc, int w, int h) {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, PenWidth(w, h), static_cast<COLORREF>(g_settings.LineColor)));
    const SelectedObject selected(dc, pen.handle);
    const SegmentSink draw{DrawSegment, dc, DrawArc};
    // The inside of a run of dense lines, filled in the line colour.
    LineRun run{w, h, draw, [](void* target, const Block& b) {
                    const RECT r{b.left, b.top, b.right, b.bottom};
                    const GdiObject<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(g_settings.LineColor)));
                    if (brush.handle) FillRect(static_cast<HDC>(target), &r, brush.handle);
                }};
    CollectGuideSegments(g_guides.activeMask, GuideView{w, h, g_guides.variant, g_settings}, IntoRun(run));
    EndRun(run);
}
