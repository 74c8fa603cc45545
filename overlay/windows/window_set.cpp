#include "window_set.h"

#include <string>

#include "../../settings/settings_record.h"
#include "../../settings/shown_text.h"
#include "frame_geometry.h"
#include "navigation_grip.h"
#include "size_label.h"

WindowSet g_windows{};

namespace {
bool IsEmpty(const RECT& r) { return r.right - r.left <= 0 || r.bottom - r.top <= 0; }

// The back pane is shown only in the same call that places it directly below the frame: shown
// on its own, the system may raise it above the frame (Wine's X server then keeps it there).
// While the frame is locked the back pane stays hidden: clicks go through to what lies beneath.
void ShowBackPaneAt(int x, int y, int w, int h) {
    SetWindowPos(g_windows.back, g_windows.frame, x, y, w, h, (g_windows.locked ? 0 : SWP_SHOWWINDOW) | SWP_NOACTIVATE);
}
}  // namespace

void ShowBackPane() {
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    ShowBackPaneAt(r.left, r.top, r.right - r.left, r.bottom - r.top);
}

void HideBackPane() {
    SetWindowPos(g_windows.back, nullptr, 0, 0, 0, 0,
                 SWP_HIDEWINDOW | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void CentreWindowSet(int showCommand) {
    RECT desk;
    GetWindowRect(GetDesktopWindow(), &desk);
    const int w = g_settings.Width, h = g_settings.Height;
    // Wide arithmetic: a hand-edited size must not overflow the centring.
    const int x = static_cast<int>((static_cast<long long>(desk.right) - w - desk.left) / 2);
    const int y = static_cast<int>((static_cast<long long>(desk.bottom) - h - desk.top) / 2);
    SetWindowPos(g_windows.frame, HWND_TOPMOST, x, y, w, h, 0);
    ShowWindow(g_windows.frame, showCommand);
    UpdateWindow(g_windows.frame);
    ShowBackPaneAt(x, y, w, h);
    UpdateWindow(g_windows.back);
}

void HideWindowSet() {
    // A drag on the back pane or the grip ends where it stands, its last step first, so that the
    // rectangles remembered are the ones the person sees; a grip on its way stays away.
    const HWND holder = GetCapture();
    if (holder && (holder == g_windows.back || holder == g_windows.grip)) ReleaseCapture();
    HideNavigationGrip(true);
    HideSizeLabel();
    GetWindowRect(g_windows.frame, &g_windows.savedFrame);
    GetWindowRect(g_windows.back, &g_windows.savedBack);
    ShowWindow(g_windows.frame, SW_HIDE);
    HideBackPane();
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
    SetWindowPos(g_windows.frame, HWND_TOPMOST, f.left, f.top, f.right - f.left, f.bottom - f.top, 0);
    ShowBackPaneAt(b.left, b.top, b.right - b.left, b.bottom - b.top);
    g_windows.savedFrame = RECT{};
    g_windows.savedBack = RECT{};
}

void BringSetOntoScreen() {
    // A hidden set is placed when it is restored.
    if (!IsWindowVisible(g_windows.frame)) return;
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    MONITORINFO nearest{};
    nearest.cbSize = sizeof nearest;
    if (MonitorFromRect(&r, MONITOR_DEFAULTTONULL) || !GetMonitorInfoA(MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST), &nearest))
        return;
    const RECT& w = nearest.rcWork;
    const Rect p = CentreInArea({r.left, r.top, r.right, r.bottom}, {w.left, w.top, w.right, w.bottom});
    SetWindowPos(g_windows.frame, HWND_TOPMOST, p.left, p.top, p.right - p.left, p.bottom - p.top, SWP_NOACTIVATE);
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

void ShowWarning(TextId id, const wchar_t* arg) {
    std::wstring text = WideText(ShownText(id)).text;
    if (const size_t at = text.find(L"%s"); at != std::wstring::npos) text.replace(at, 2, arg);
    ModalLoop box;
    ShowMessageBox(g_windows.frame, text.c_str(), MB_OK | MB_ICONWARNING | MB_TOPMOST | MB_SETFOREGROUND);
}

void FollowPlacement(HWND moved, const WINDOWPOS& pos) {
    if (g_windows.frameSync) return;
    const UINT flags = SWP_NOOWNERZORDER | SWP_NOACTIVATE;
    if (moved == g_windows.frame && g_windows.back)
        SetWindowPos(g_windows.back, g_windows.frame, pos.x, pos.y, pos.cx, pos.cy, flags);
    else if (moved == g_windows.back && g_windows.frame)
        SetWindowPos(g_windows.frame, HWND_TOP, pos.x, pos.y, pos.cx, pos.cy, flags);
}

bool CloseFromWindowManager(WPARAM sysCommand) {
    if ((sysCommand & 0xFFF0) != SC_CLOSE) return false;
    RequestClose();
    return true;
}

void SetFrameLocked(bool locked) {
    g_windows.locked = locked;
    const LONG_PTR style = GetWindowLongPtrA(g_windows.frame, GWL_EXSTYLE);
    SetWindowLongPtrA(g_windows.frame, GWL_EXSTYLE, locked ? style | WS_EX_TRANSPARENT : style & ~WS_EX_TRANSPARENT);
    if (locked) {
        HideNavigationGrip(true);
        HideBackPane();
    } else if (IsWindowVisible(g_windows.frame)) {
        ShowBackPane();
    }
}
