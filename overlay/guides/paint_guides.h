// The guide frame's paint pass: the segments of the active guides drawn with the guide pen.
#pragma once
#include <windows.h>

// Draws every guide that the active mask selects onto dc for a client area of w x h.
void PaintGuides(HDC dc, int w, int h);
