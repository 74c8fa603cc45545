// The arithmetic of the fit: the search strips around the frame, the colour classes and the
// search for a line where the content changes. Platform-free; the shell copies the strips
// from the screen and reads their pixels.
#pragma once
#include <cstdint>

#include "../windows/frame_geometry.h"

// The class of a colour value as the single-pixel read returns it (red in the low byte);
// only equality of classes matters. The read's failure value 0xFFFFFFFF has class 84.
int ColourClass(uint32_t colour);

enum class StripSide { top, bottom, left, right };

// The band of screen outside one side of the frame. It lies wholly on the screen rectangle
// (the virtual screen, which holds every monitor): its depth is the fit range or the room up to
// the screen's edge, whichever is smaller, and its length is the part of the frame's side that
// lies on the screen. Depth or length 0: no strip.
struct SearchStrip {
    StripSide side;
    int x, y;           // the screen area's top-left corner
    int length, depth;  // along the frame's side, and away from it
    int width() const { return side == StripSide::top || side == StripSide::bottom ? length : depth; }
    int height() const { return side == StripSide::top || side == StripSide::bottom ? depth : length; }
};
SearchStrip StripBeside(StripSide side, const Rect& frame, const Rect& screen, int range);

// Where a strip copied to (0, 0) of the snapshot has the point at position p along it, on its
// line `far` counted from the line farthest from the frame (0) toward the frame.
Point StripPixel(const SearchStrip& strip, int p, int far);

// Reads the colour at a point of the snapshot.
using ReadPixel = uint32_t (*)(const void* context, Point at);

// How far that side of the frame moves out to the changing line nearest to it, 0 when the
// strip has none. A line counts when the three sample positions agree in class on the line
// before it and all three change on it. Reads 3 pixels per line and nothing outside the strip.
int FindContentEdge(const SearchStrip& strip, ReadPixel read, const void* context);

// The frame after a fit whose four strips found their lines (moves of each side): the found
// lines lie inside it.
Rect FittedFrame(const Rect& frame, int top, int bottom, int left, int right);
