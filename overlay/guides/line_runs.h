// Dense guides as runs: lines across the whole client, each one pixel beyond the last, as the
// divisions draw them when they are closer than a pixel or one pixel apart. A run of three or
// more lines goes on as its two outer lines and the block between them. The pixels are the
// same for any pen (every line covers its own position on every row of the client), but one
// fill costs what one line costs, not thousands.
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
