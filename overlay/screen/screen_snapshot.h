// The screen snapshot: the one off-screen 32-bit image into which the overlay copies screen
// pixels, and the two screen operations that use it, capture and fit.
#pragma once
#include <windows.h>

struct ScreenSnapshot {
    HDC dc;            // null while no snapshot exists
    HBITMAP bitmap;    // the DIB section, bottom-up, rows of 4 * w bytes
    HGDIOBJ previous;  // the memory DC's bitmap before the DIB section
    void* pixels;
    int w, h;
};
extern ScreenSnapshot g_snapshot;

// Creates a w x h snapshot unless one exists (which then stays as it is). When the image
// cannot be had, none exists afterwards.
void CreateScreenSnapshot(int w, int h);
// Harmless when none exists.
void ReleaseScreenSnapshot();

// The capture command: copies the frame's area, hides the window set, asks for a file name,
// writes the bitmap and brings the window set back where it was. Refused while a capture runs.
void CaptureFrameArea();
// Writes the snapshot as a w x h bitmap file in one write. Nothing is written when the
// snapshot is missing or smaller, the file would reach 4 GiB or the block cannot be had; a
// failed write leaves no file behind.
void WriteBitmapFile(const char* path, int w, int h);

// Grows the frame outward, all four sides at once, to where the content beside it changes,
// or leaves it unchanged. Does nothing while a capture holds the snapshot.
void FitFrameToContent();
