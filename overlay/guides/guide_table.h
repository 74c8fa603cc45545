// The guide table, the active guide and its variant, and the line geometry of every guide.
// Platform-free: a routine appends the segments of its guide; the shell draws them.
#pragma once
#include <cstdint>

#include "../../settings/settings_record.h"
#include "../../settings/shared_names.h"

// A line from (x0, y0) to (x1, y1); the end point itself is not painted.
struct Segment {
    int x0, y0, x1, y1;
    bool operator==(const Segment&) const = default;
};

// A quarter of the ellipse centred on (cx, cy) that runs from (fx, cy) to (cx, fy): the arc
// inscribed in the box between the centre and the far corner (fx, fy), joining the box's two
// other corners.
struct QuarterArc {
    int cx, cy, fx, fy;
    bool operator==(const QuarterArc&) const = default;
};

// Where a routine puts its segments and arcs: straight onto a device context, or into a list.
// Arcs have a way of their own, so that nothing that gathers lines ever sees them.
struct SegmentSink {
    void (*add)(void* target, const Segment& s);
    void* target;
    void (*arc)(void* target, const QuarterArc& a) = nullptr;  // none: arcs are not wanted
    void Add(const Segment& s) const { add(target, s); }
    void AddArc(const QuarterArc& a) const {
        if (arc) arc(target, a);
    }
};

// An arc as the points of a polyline, the first (fx, cy) and the last (cx, fy), each point
// rounded to the pixel; returns how many, at most kArcPointsMax.
struct ArcPoint {
    int x, y;
};
constexpr int kArcPointsMax = 97;
int FlattenArc(const QuarterArc& a, ArcPoint* points);

// What a routine draws from: the client size, the variant counter and the settings.
struct GuideView {
    int w, h;
    uint32_t variant;
    const Settings& settings;
};

using GuideRoutine = void (*)(const GuideView&, const SegmentSink&);

struct GuideEntry {
    uint32_t mask;  // one bit; also the menu command and the value kept in InitRule
    GuideRoutine draw;
    TextId label;
    uint32_t gate;  // Ext bits that must be present for the guide to be offered; 0: always
};

extern const GuideEntry kGuideTable[kGuideCount];

// The two guides that ask for their numbers in a dialog before they become active.
constexpr uint32_t kCountDivisionsMask = kGuideNames[4].mask, kWidthDivisionsMask = kGuideNames[5].mask;
static_assert(kCountDivisionsMask == 0x80 && kWidthDivisionsMask == 0x100);
constexpr int kVertical = 1;    // orientation of DrawEqualDivisions; anything else: horizontal

// With this Ext bit every line and arc is drawn over one two pixels wider in OutlineColour, so
// that the guides read on any picture.
constexpr uint32_t kOutlinedLinesExt = 0x0800;
// Black or light grey, whichever contrasts more with the line colour: never the colour key's white.
uint32_t OutlineColour(uint32_t lineColour);

struct GuideState {
    uint32_t activeMask;  // every row sharing a bit with it is drawn
    uint32_t variant;     // E presses since the last choice of guide
};
extern GuideState g_guides;

// Active guide from InitRule (remember flag cleared; 0 gives thirds).
void ApplyInitialGuide();
// The InitRule kept at close: with the remember flag set, the flag and the guide active then;
// any other rule as it is.
int32_t InitRuleAtClose(int32_t initRule, uint32_t activeMask);
// Step to the next (forward == 1) or previous offered row of the table.
void CycleGuide(int forward);
// Whether the row is offered for the given Ext bits.
bool GuideOffered(const GuideEntry& entry, uint32_t ext);
// The masks of every row offered for the given Ext bits, together.
uint32_t OfferedGuideMasks(uint32_t ext);

// The inner lines dividing the client into n equal columns (kVertical) or rows.
void DrawEqualDivisions(const GuideView& v, int n, int orientation, const SegmentSink& out);
void DrawVerticalFromTop(int x, int y, const SegmentSink& out);
void DrawHorizontalFromLeft(int x, int y, const SegmentSink& out);
void DrawFrameDiagonals(const GuideView& v, const SegmentSink& out);

void DrawThirds(const GuideView& v, const SegmentSink& out);
void DrawHalves(const GuideView& v, const SegmentSink& out);
void DrawVerticalHalf(const GuideView& v, const SegmentSink& out);
void DrawHorizontalHalf(const GuideView& v, const SegmentSink& out);
void DrawCountDivisions(const GuideView& v, const SegmentSink& out);
void DrawWidthDivisions(const GuideView& v, const SegmentSink& out);
void DrawDiagonals(const GuideView& v, const SegmentSink& out);
void DrawGoldenSection(const GuideView& v, const SegmentSink& out);
void DrawRabatment(const GuideView& v, const SegmentSink& out);
void DrawRailman(const GuideView& v, const SegmentSink& out);
void DrawPhiGrid(const GuideView& v, const SegmentSink& out);
void DrawGoldenSpiral(const GuideView& v, const SegmentSink& out);
void DrawGoldenTriangles(const GuideView& v, const SegmentSink& out);
void DrawDynamicSymmetry(const GuideView& v, const SegmentSink& out);
// Variant % 3: 0 the action-safe and title-safe rectangles, 1 those and a centre cross, 2 the
// largest centred 4:5 and 9:16 rectangles instead.
void DrawSafeAreas(const GuideView& v, const SegmentSink& out);

// The segments of every row that the mask selects, in table order.
void CollectGuideSegments(uint32_t mask, const GuideView& v, const SegmentSink& out);
