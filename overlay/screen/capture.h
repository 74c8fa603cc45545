// The capture command: the area under the frame saved to a bitmap file.
#pragma once

// Copies the frame's area, hides the window set, asks for a file name, writes the bitmap and
// brings the window set back where it was. Refused while a capture runs.
void CaptureFrameArea();
// With the work tools: the frame's area, without the overlay, to the clipboard as a bitmap and a
// PNG, the set brought back where it was. Refused while a capture runs.
void CopyFrameAreaToClipboard();
// From the copy of a capture to its end, across the save dialog.
bool CaptureRunning();
// The grip and the dimming are ordinary windows that a screen copy would take: they are hidden
// before any copy of the overlay's, and given a moment to leave the screen when they were shown.
// The dimming stays away until ReturnDimming.
void SendGripAway();
