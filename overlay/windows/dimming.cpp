#include "dimming.h"

#include "../../settings/settings_file.h"
#include "display_affinity.h"
#include "window_set.h"

Dimming g_dimming{{}, true, false, kDimLevelDefault};

namespace {
bool Offered() { return (static_cast<uint32_t>(g_settings.Ext) & kDimmingExt) != 0; }

bool ShouldShow() {
    return Offered() && g_dimming.on && !g_dimming.suspended && g_dimming.strips[0] && IsWindowVisible(g_windows.frame);
}

LRESULT CALLBACK DimmingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        case WM_DESTROY:
            for (HWND& s : g_dimming.strips)
                if (s == hwnd) s = nullptr;
            break;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void MakeStrips() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = DimmingProc;
    wc.hInstance = g_windows.instance;
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
    wc.lpszClassName = kDimmingClass;
    RegisterClassA(&wc);
    for (HWND& s : g_dimming.strips) {
        if (s) continue;
        // Owned by the frame: they go with it. Layered and transparent, so that every click
        // reaches what lies beneath.
        s = CreateWindowExA(WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TOPMOST,
                            kDimmingClass, nullptr, WS_POPUP, 0, 0, 0, 0, g_windows.frame, nullptr, g_windows.instance,
                            nullptr);
        if (s) JoinDisplayAffinity(s);
    }
}

// The strips of the frame's rectangle within the bounds of every monitor.
int Strips(const RECT& frame, Rect (&out)[kDimStrips]) {
    const int x = GetSystemMetrics(SM_XVIRTUALSCREEN), y = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const Rect screen{x, y, x + GetSystemMetrics(SM_CXVIRTUALSCREEN), y + GetSystemMetrics(SM_CYVIRTUALSCREEN)};
    return DimStrips({frame.left, frame.top, frame.right, frame.bottom}, &screen, 1, out);
}

// Each strip shown at its place, or hidden. A hidden one is shown in the same call that places
// it, at the top of the topmost band: Wine's X driver raises a window it shows only when no
// window stands above it, and the strips never cover the frame.
template <typename Place>
void PlaceStrips(const RECT& frame, Place place) {
    Rect r[kDimStrips];
    const int n = ShouldShow() ? Strips(frame, r) : 0;
    for (int i = 0; i < kDimStrips; ++i) {
        HWND s = g_dimming.strips[i];
        if (!s) continue;
        const bool shown = IsWindowVisible(s) != 0;
        RECT now{};
        GetWindowRect(s, &now);
        // A strip that stays as it is is left alone: a sideways move changes two strips only.
        if (i < n && shown && now.left == r[i].left && now.top == r[i].top && now.right == r[i].right &&
            now.bottom == r[i].bottom)
            continue;
        if (i < n)
            place(s, shown ? nullptr : HWND_TOPMOST, r[i].left, r[i].top, r[i].right - r[i].left, r[i].bottom - r[i].top,
                  SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING | (shown ? SWP_NOZORDER : SWP_SHOWWINDOW));
        else if (shown)
            place(s, nullptr, 0, 0, 0, 0, SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOMOVE | SWP_NOSIZE | SWP_HIDEWINDOW);
    }
}

RECT FrameRect() {
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    return r;
}
}  // namespace

void ApplyDimmingSettings() {
    g_dimming.level = ReadDimLevel(FindSettingsFiles().read.c_str());
    if (!Offered()) {
        DestroyDimming();
        return;
    }
    MakeStrips();
    for (HWND s : g_dimming.strips)
        if (s) SetLayeredWindowAttributes(s, 0, static_cast<BYTE>(DimAlpha(g_dimming.level)), LWA_ALPHA);
    FollowFrameWithDimming();
}

void FollowFrameWithDimming() {
    PlaceStrips(FrameRect(), [](HWND s, HWND after, int x, int y, int w, int h, UINT flags) {
        SetWindowPos(s, after, x, y, w, h, flags);
    });
}

HDWP DeferDimming(HDWP batch, const RECT& frame) {
    PlaceStrips(frame, [&batch](HWND s, HWND after, int x, int y, int w, int h, UINT flags) {
        if (batch) batch = DeferWindowPos(batch, s, after, x, y, w, h, flags);
    });
    return batch;
}

bool HideDimming() {
    bool shown = false;
    for (HWND s : g_dimming.strips) shown = shown || (s && IsWindowVisible(s));
    g_dimming.suspended = true;
    FollowFrameWithDimming();
    return shown;
}

void ReturnDimming() {
    g_dimming.suspended = false;
    FollowFrameWithDimming();
}

void SwitchDimming() {
    g_dimming.on = !g_dimming.on;
    FollowFrameWithDimming();
}

void DestroyDimming() {
    for (HWND& s : g_dimming.strips) {
        if (s) DestroyWindow(s);
        s = nullptr;
    }
    UnregisterClassA(kDimmingClass, g_windows.instance);
}
