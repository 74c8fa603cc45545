#include "window_set.h"

#include "../../settings/settings_record.h"
#include "navigation_grip.h"

WindowSet g_windows{};

namespace {
bool IsEmpty(const RECT& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

void PlaceBackPaneBelowFrame(int x, int y, int w, int h, UINT flags) {
    SetWindowPos(g_windows.back, g_windows.frame, x, y, w, h, flags | SWP_NOACTIVATE);
}
}  // namespace

void CentreWindowSet(int showCommand) {
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    const int w = g_settings.Width, h = g_settings.Height;
    // Wide arithmetic: a hand-edited size must not overflow the centring.
    const int x = static_cast<int>((static_cast<long long>(desk.right) - w - desk.left) / 2);
    const int y = static_cast<int>((static_cast<long long>(desk.bottom) - h - desk.top) / 2);
    SetWindowPos(g_windows.frame, HWND_TOPMOST, x, y, w, h, 0);
    PlaceBackPaneBelowFrame(x, y, w, h, 0);
    ShowWindow(g_windows.frame, showCommand);
    UpdateWindow(g_windows.frame);
    ShowWindow(g_windows.back, showCommand);
    UpdateWindow(g_windows.back);
}

void HideWindowSet() {
    GetWindowRect(g_windows.frame, &g_windows.savedFrame);
    GetWindowRect(g_windows.back, &g_windows.savedBack);
    ShowWindow(g_windows.frame, SW_HIDE);
    ShowWindow(g_windows.back, SW_HIDE);
}

void RestoreWindowSet() {
    const RECT f = g_windows.savedFrame, b = g_windows.savedBack;
    // A frame on no monitor any more (one unplugged while the set was hidden) would come back
    // where nobody sees it: it is centred instead, as when nothing is remembered.
    if (IsEmpty(f) || IsEmpty(b) || !MonitorFromRect(&f, MONITOR_DEFAULTTONULL)) {
        g_windows.savedFrame = g_windows.savedBack = RECT{};
        CentreWindowSet(SW_SHOWNORMAL);
        return;
    }
    ShowWindow(g_windows.frame, SW_SHOWNORMAL);
    ShowWindow(g_windows.back, SW_SHOWNORMAL);
    SetWindowPos(g_windows.frame, HWND_TOPMOST, f.left, f.top, f.right - f.left, f.bottom - f.top, 0);
    PlaceBackPaneBelowFrame(b.left, b.top, b.right - b.left, b.bottom - b.top, 0);
    g_windows.savedFrame = RECT{};
    g_windows.savedBack = RECT{};
}

void RequestClose() { SendMessageA(g_windows.frame, WM_CLOSE, 0, 0); }

ModalLoop::ModalLoop() {
    // The grip would take the keyboard from the loop's window; a show it has pending waits for
    // the loop's end.
    HideNavigationGrip();
    ++g_windows.modalLoops;
}

ModalLoop::~ModalLoop() {
    if (--g_windows.modalLoops > 0 || !g_windows.closePending) return;
    g_windows.closePending = 0;
    PostMessageA(g_windows.frame, WM_CLOSE, 0, 0);
}

void FollowPlacement(HWND moved, const WINDOWPOS& pos) {
    if (g_windows.frameSync) return;
    const UINT flags = SWP_NOOWNERZORDER | SWP_NOACTIVATE;
    if (moved == g_windows.frame && g_windows.back)
        SetWindowPos(g_windows.back, g_windows.frame, pos.x, pos.y, pos.cx, pos.cy, flags);
    else if (moved == g_windows.back && g_windows.frame)
        SetWindowPos(g_windows.frame, HWND_TOP, pos.x, pos.y, pos.cx, pos.cy, flags);
}
