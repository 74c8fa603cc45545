// Guide lines of the person's own: vertical and horizontal lines placed anywhere in the frame,
// each kept as its position in ten-thousandths of the client's width or height, so that the
// lines follow the frame through every resize. Platform-free: their text in the settings file,
// their pixels, the hit rule of a press and the keyboard's steps.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "frame_geometry.h"

constexpr uint32_t kOwnLinesExt = 0x0080;
constexpr int kOwnLinesMax = 16;          // per axis
constexpr int kOwnLineScale = 10000;      // positions run from 1 to kOwnLineScale - 1
constexpr int kOwnLineGrab = 4;           // pixels either side of a line that take it, at 96 DPI
constexpr int kOwnVertical = 0, kOwnHorizontal = 1;
// One axis as text: up to 16 positions separated by commas, and the zero.
constexpr size_t kOwnLineTextMax = kOwnLinesMax * 5 + 1;

struct OwnLines {
    int count[2];                 // vertical, horizontal
    int at[2][kOwnLinesMax];      // in order of placing
    bool operator==(const OwnLines&) const = default;
};

// A line of a set, or none (axis -1).
struct LineRef {
    int axis, index;
    bool operator==(const LineRef&) const = default;
};
constexpr LineRef kNoLine{-1, -1};

// The positions of one axis read from text: numbers separated by commas, blanks allowed
// around each. Whatever is not a number from 1 to 9999, a repeat of an earlier position and
// everything past the 16th position are dropped; the rest is kept in order. The count.
int ParseOwnLineList(const char* text, int (&out)[kOwnLinesMax]);
// One axis as the settings file keeps it; "" for none. Its length, or 0 and "" when cap is short.
size_t FormatOwnLineList(const int* at, int count, char* out, size_t cap);

// The pixel of a position on a side of the given length: floor(at * side / 10000 + 0.5).
int OwnLinePixel(int at, int side);
// The position of a pixel, kept within 1..9999; the middle on a side of no length.
int OwnLinePlace(int pixel, int side);

// Adds a line; the new line's reference, or kNoLine when the axis is full or a line of it stands
// at that position already.
LineRef AddOwnLine(OwnLines& lines, int axis, int at);
// Removes a line; selected follows the lines that move up and becomes kNoLine when it was that
// line.
void RemoveOwnLine(OwnLines& lines, LineRef line, LineRef& selected);
// Tab's order: every vertical line, then every horizontal one, then none, then the first again.
LineRef NextOwnLine(const OwnLines& lines, LineRef current);
// A position moved by some pixels on a side of the given length, within 1..9999; a step too small
// to change the rounded position still moves it by one ten-thousandth.
int StepOwnLine(int at, int side, int pixels);

// The line a press takes: the nearest within grab pixels of the point (in client pixels), among
// the lines drawn on a client of w x h. The press must lie in the frame's interior, outside the
// edge zones (zone pixels, as ClassifyPointer has them), whose drags keep resizing: frame is the
// window's rectangle and client the point's place in it, both on the screen.
LineRef GrabOwnLine(const OwnLines& lines, int w, int h, const Rect& frame, Point screen, Point client, int zone,
                    int grab);

// What the paint pass draws of the lines on a client of w x h: a segment per line, the selected
// one cut into dashes so that it stands out.
struct LineSpan {
    int x0, y0, x1, y1;
    bool operator==(const LineSpan&) const = default;
};
constexpr int kDashOn = 8, kDashOff = 6;
std::vector<LineSpan> OwnLineSpans(const OwnLines& lines, LineRef selected, int w, int h);
