// The screen snapshot: the one off-screen 32-bit image into which the overlay copies screen
// pixels, for the capture and the fit.
#pragma once
#include <windows.h>

#include <cstdint>

struct ScreenSnapshot {
    HDC dc;            // null while no snapshot exists
    HBITMAP bitmap;    // the DIB section, bottom-up, rows of 4 * w bytes
    HGDIOBJ previous;  // the memory DC's bitmap before the DIB section
    void* pixels;
    int w, h;
    // The image lies in a section of memory with room before it, so that the capture's bitmap
    // file is one block, header and pixels, written straight from there: file is its view,
    // kBitmapHeaderSize bytes of header room and then the same pixels.
    HANDLE section;
    uint8_t* file;
};
extern ScreenSnapshot g_snapshot;

// Creates a w x h snapshot unless one exists (which then stays as it is). When the image
// cannot be had, none exists afterwards.
void CreateScreenSnapshot(int w, int h);
// Harmless when none exists.
void ReleaseScreenSnapshot();
