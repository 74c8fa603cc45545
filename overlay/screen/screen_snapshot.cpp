#include "screen_snapshot.h"

#include "../windows/gdi_holders.h"
#include "../windows/window_set.h"

ScreenSnapshot g_snapshot{};

void CreateScreenSnapshot(int w, int h) {
    if (g_snapshot.dc || w < 1 || h < 1) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const WindowDc frame(g_windows.frame);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(frame.dc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC dc = bitmap ? CreateCompatibleDC(frame.dc) : nullptr;
    if (!dc || !pixels) {
        if (dc) DeleteDC(dc);
        if (bitmap) DeleteObject(bitmap);
        return;
    }
    g_snapshot = {dc, bitmap, SelectObject(dc, bitmap), pixels, w, h};
}

void ReleaseScreenSnapshot() {
    if (g_snapshot.dc) {
        SelectObject(g_snapshot.dc, g_snapshot.previous);
        DeleteDC(g_snapshot.dc);
    }
    if (g_snapshot.bitmap) DeleteObject(g_snapshot.bitmap);
    g_snapshot = {};
}
