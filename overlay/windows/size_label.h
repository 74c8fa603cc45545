// The work tools' size label: a small window beside the frame that says its size, "640 × 480",
// while it changes and for a second after. It never takes the mouse or the keyboard.
#pragma once
#include <windows.h>

constexpr char kSizeLabelClass[] = "__pemoka_246__Sz";

// Shows the label for the frame's present size at its place beside the frame (made at the first
// use), and has it go a second after the last call. Nothing while the frame is hidden.
void ShowSizeLabel();
// Hides it at once; true when it was shown, and so may still be on the screen for a moment.
bool HideSizeLabel();
