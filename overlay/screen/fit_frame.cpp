#include "fit_frame.h"

#include <windows.h>

#include <algorithm>

#include "../../settings/settings_record.h"
#include "../windows/dimming.h"
#include "../windows/gdi_holders.h"
#include "../windows/window_set.h"
#include "capture.h"
#include "content_edge.h"
#include "screen_snapshot.h"

namespace {
uint32_t ReadSnapshotPixel(const void*, Point at) { return GetPixel(g_snapshot.dc, at.x, at.y); }

// Copies one strip to the snapshot's corner and searches it; 0 without a snapshot.
int SearchOne(HDC screen, const SearchStrip& s) {
    if (!g_snapshot.dc || !s.length) return 0;
    BitBlt(g_snapshot.dc, 0, 0, s.width(), s.height(), screen, s.x, s.y, SRCCOPY);
    return FindContentEdge(s, ReadSnapshotPixel, nullptr);
}

// The two strips of one axis share one snapshot; both must find a line.
bool SearchOpposite(HDC screen, const SearchStrip& a, const SearchStrip& b, int& moveA, int& moveB) {
    CreateScreenSnapshot(std::max(a.width(), b.width()), std::max(a.height(), b.height()));
    moveA = SearchOne(screen, a);
    moveB = SearchOne(screen, b);
    ReleaseScreenSnapshot();
    return moveA && moveB;
}

Rect RectOf(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {r.left, r.top, r.right, r.bottom};
}

// The bounding rectangle of all monitors: a frame on any of them fits, and a strip may read a
// neighbouring one. With one monitor it is the desktop window's rectangle.
Rect VirtualScreen() {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    return {x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}
}  // namespace

void FitFrameToContent() {
    if (CaptureRunning()) return;
    SendGripAway();
    const Rect f = RectOf(g_windows.frame), d = VirtualScreen();
    const int range = g_settings.FitRange;
    int top = 0, bottom = 0, left = 0, right = 0;
    bool found;
    {
        const WindowDc screen(nullptr);  // the whole virtual screen
        found = SearchOpposite(screen.dc, StripBeside(StripSide::top, f, d, range),
                               StripBeside(StripSide::bottom, f, d, range), top, bottom) &&
                SearchOpposite(screen.dc, StripBeside(StripSide::left, f, d, range),
                               StripBeside(StripSide::right, f, d, range), left, right);
    }
    ReturnDimming();
    if (!found) return;
    const Rect n = FittedFrame(f, top, bottom, left, right);
    SetWindowPos(g_windows.frame, HWND_TOPMOST, n.left, n.top, n.right - n.left, n.bottom - n.top, 0);
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}
