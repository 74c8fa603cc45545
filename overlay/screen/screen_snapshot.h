// The screen snapshot: the one off-screen 32-bit image into which the overlay copies screen
// pixels, for the capture and the fit.
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
