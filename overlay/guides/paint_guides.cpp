#include "paint_guides.h"

#include <algorithm>

#include "../windows/gdi_holders.h"
#include "../windows/own_guides.h"
#include "guide_table.h"
#include "line_runs.h"

namespace {
// A hand-edited LineWidth may be absurd. A pen wider than twice the frame already covers all
// of it, so wider pens look the same; a negative width is drawn as the thinnest line.
int PenWidth(int w, int h) { return std::clamp(g_settings.LineWidth, 0, 2 * std::max({w, h, 1})); }

// One pass over the active guides: the DC with a pen selected, and the brush that fills the
// inside of a run of dense lines in the pen's colour.
struct Pass {
    HDC dc;
    HBRUSH brush;
};

void DrawSegment(void* pass, const Segment& s) {
    const HDC dc = static_cast<Pass*>(pass)->dc;
    MoveToEx(dc, s.x0, s.y0, nullptr);
    LineTo(dc, s.x1, s.y1);
}

// An arc as the polyline of its points; the last point, like the end of a line, is left out.
void DrawArc(void* pass, const QuarterArc& a) {
    ArcPoint points[kArcPointsMax];
    POINT line[kArcPointsMax];
    const int n = FlattenArc(a, points);
    for (int i = 0; i < n; ++i) line[i] = {points[i].x, points[i].y};
    Polyline(static_cast<Pass*>(pass)->dc, line, n);
}

void FillBlock(void* pass, const Block& b) {
    const RECT r{b.left, b.top, b.right, b.bottom};
    if (HBRUSH brush = static_cast<Pass*>(pass)->brush) FillRect(static_cast<Pass*>(pass)->dc, &r, brush);
}

void PaintPass(HDC dc, int w, int h, int penWidth, COLORREF colour) {
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, penWidth, colour));
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const SelectedObject selected(dc, pen.handle);
    Pass pass{dc, brush.handle};
    // Lines closer than the pen is wide run together; lines one pixel apart always do.
    LineRun run{w, h, SegmentSink{DrawSegment, &pass, DrawArc}, FillBlock, std::max(penWidth - 1, 1)};
    CollectGuideSegments(g_guides.activeMask, GuideView{w, h, g_guides.variant, g_settings}, IntoRun(run));
    EndRun(run);
    // The person's own lines go with the chosen guide, in its colour, width and outline.
    if (OwnLinesOffered())
        for (const LineSpan& l : OwnLineSpans(g_ownGuides.lines, g_ownGuides.selected, w, h))
            DrawSegment(&pass, {l.x0, l.y0, l.x1, l.y1});
}
}  // namespace

void PaintGuides(HDC dc, int w, int h) {
    const auto colour = static_cast<COLORREF>(g_settings.LineColor);
    const int width = PenWidth(w, h);
    // Every outline first, so that no line lies under a neighbour's outline. A pen of width 0
    // draws one pixel, so its outline is three.
    if (static_cast<uint32_t>(g_settings.Ext) & kOutlinedLinesExt)
        PaintPass(dc, w, h, std::max(width, 1) + 2, OutlineColour(colour));
    PaintPass(dc, w, h, width, colour);
}
