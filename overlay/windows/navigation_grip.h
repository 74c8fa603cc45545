// The navigation grip: a small square that turns up at the pointer and moves the window set
// (upper-left half) or the frame's right and bottom edges (lower-right half), then hides.
#pragma once
#include <windows.h>

#include "contrast_colours.h"

constexpr char kGripClass[] = "NaviWindow";

// Registers the grip's class and creates the grip hidden, owned by the frame. Its keys and its
// right click go to the frame.
void CreateNavigationGrip(HWND owner);
// Hides the grip and has it turn up at the pointer half a second later (unless a showing is
// already pending). A release on the grip does this, and so does a click on the frame.
void ArmGripShow();
// Hides a shown grip as its hide timer would, timer and all; a pending show stays pending
// unless cancelShow. True when the grip was shown.
bool HideNavigationGrip(bool cancelShow = false);
// Paints the grip's client area (w x h) as the grip mode shows it, in the colours given.
void PaintGrip(HDC dc, int w, int h, int gripMode, const OwnColours& colours);
