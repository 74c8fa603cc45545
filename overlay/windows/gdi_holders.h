// Small holders that give back what GDI lends for the time of one operation: a window's device
// context, an object selected into a DC, and a GDI object to delete.
#pragma once
#include <windows.h>

// GetDC of a window (null: the screen), released when the holder goes.
struct WindowDc {
    HWND window;
    HDC dc;
    // The whole window's, border included, when wholeWindow; the client area's otherwise.
    explicit WindowDc(HWND w, bool wholeWindow = false) : window(w), dc(wholeWindow ? GetWindowDC(w) : GetDC(w)) {}
    ~WindowDc() {
        if (dc) ReleaseDC(window, dc);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
};

// A pen, brush, region or bitmap, deleted when the holder goes. Declare it before the
// SelectedObject that selects it, so that it is deselected first.
template <class Handle>
struct GdiObject {
    Handle handle;
    explicit GdiObject(Handle h) : handle(h) {}
    ~GdiObject() {
        if (handle) DeleteObject(handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
};

// An object selected into a DC for the holder's life; nothing when either is null.
struct SelectedObject {
    HDC dc;
    HGDIOBJ previous;
    SelectedObject(HDC target, HGDIOBJ object) : dc(target), previous(target && object ? SelectObject(target, object) : nullptr) {}
    ~SelectedObject() {
        if (previous) SelectObject(dc, previous);
    }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;
};
