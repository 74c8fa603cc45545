// Dense guides as runs: lines across the whole client, each at most `reach` pixels beyond the
// last, as the divisions draw them when they are closer than a pixel or closer than the pen is
// wide. A run of three or more lines goes on as its two outer lines and the block between them.
// With a reach below the pen's width the pixels are the same (every line covers its own
// position on every row of the client, and its pen closes the gap to the next), but one fill
// costs what one line costs, not thousands: under Wine every wide line becomes a region.
#pragma once
#include "guide_table.h"

// A filled rectangle, right and bottom exclusive.
struct Block {
    int left, top, right, bottom;
    bool operator==(const Block&) const = default;
};

struct LineRun {
    int w, h;                                     // the client
    SegmentSink lines;                            // where lines go on
    void (*block)(void* target, const Block& b);  // where blocks go, given lines.target
    int reach = 1;                                // the farthest apart two lines of a run may be
    int orientation = 0;                          // of the open run: kVertical, kHorizontalRun or 0
    int first = 0, last = 0;                      // its first and last positions
};
constexpr int kHorizontalRun = 2;

// Takes a segment: it extends the open run, starts a new one or passes straight on.
void AddToRun(LineRun& run, const Segment& s);
// Passes on what is left of the open run.
void EndRun(LineRun& run);
// A sink that feeds AddToRun; arcs pass by the run, straight on.
SegmentSink IntoRun(LineRun& run);
