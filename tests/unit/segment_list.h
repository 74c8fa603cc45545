// The segments of a guide routine collected into a list, for comparing with exact numbers.
#pragma once
#include <vector>

#include "overlay/guides/guide_table.h"

using SegmentList = std::vector<Segment>;

inline SegmentSink Into(SegmentList& list) {
    return {[](void* target, const Segment& s) { static_cast<SegmentList*>(target)->push_back(s); }, &list};
}

// Segments and arcs, each in the order drawn.
struct Drawing {
    SegmentList segments;
    std::vector<QuarterArc> arcs;
};
inline SegmentSink Into(Drawing& d) {
    return {[](void* target, const Segment& s) { static_cast<Drawing*>(target)->segments.push_back(s); }, &d,
            [](void* target, const QuarterArc& a) { static_cast<Drawing*>(target)->arcs.push_back(a); }};
}
