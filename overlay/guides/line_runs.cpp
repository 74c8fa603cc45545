#include "line_runs.h"

namespace {
Segment RunLine(const LineRun& run, int at) {
    return run.orientation == kVertical ? Segment{at, 0, at, run.h} : Segment{0, at, run.w, at};
}
}  // namespace

void EndRun(LineRun& run) {
    if (!run.orientation) return;
    run.lines.Add(RunLine(run, run.first));
    if (run.last != run.first) run.lines.Add(RunLine(run, run.last));
    if (run.last - run.first >= 2) {
        const Block inner = run.orientation == kVertical ? Block{run.first + 1, 0, run.last, run.h}
                                                         : Block{0, run.first + 1, run.w, run.last};
        run.block(run.lines.target, inner);
    }
    run.orientation = 0;
}

void AddToRun(LineRun& run, const Segment& s) {
    // Only lines drawn the way the divisions draw them: top to bottom or left to right, across
    // the whole client.
    int orientation = 0, at = 0;
    if (s.x0 == s.x1 && s.y0 == 0 && s.y1 == run.h)
        orientation = kVertical, at = s.x0;
    else if (s.y0 == s.y1 && s.x0 == 0 && s.x1 == run.w)
        orientation = kHorizontalRun, at = s.y0;
    if (orientation && orientation == run.orientation && at > run.last && at - run.last <= run.reach) {
        run.last = at;
        return;
    }
    EndRun(run);
    if (!orientation) {
        run.lines.Add(s);
        return;
    }
    run.orientation = orientation;
    run.first = run.last = at;
}

SegmentSink IntoRun(LineRun& run) {
    return {[](void* target, const Segment& s) { AddToRun(*static_cast<LineRun*>(target), s); }, &run,
            [](void* target, const QuarterArc& a) { static_cast<LineRun*>(target)->lines.AddArc(a); }};
}
