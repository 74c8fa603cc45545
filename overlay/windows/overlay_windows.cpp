// The guide frame and the back pane: their classes, creation and window procedures.
#include "../../settings/settings_file.h"
#include "../guides/guide_table.h"
#include "../guides/paint_guides.h"
#include "../menus/dispatch_command.h"
#include "../menus/popup_menus.h"
#include "../menus/tray.h"
#include "../resources/resource.h"
#include "frame_drag.h"
#include "navigation_grip.h"
#include "window_set.h"

namespace {
void PaintFrame(HWND hwnd) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    PaintGuides(dc, client.right, client.bottom);
    EndPaint(hwnd, &ps);
}

void ReloadSettings(HWND hwnd) {
    LoadSettings();
    ApplyInitialGuide();
    RegisterGlobalHotKey();
    InvalidateRect(hwnd, nullptr, TRUE);
}

LRESULT CALLBACK FrameWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE:
            g_windows.frame = hwnd;
            CreateNavigationGrip(hwnd);
            ApplyInitialGuide();
            RegisterGlobalHotKey();
            break;
        case WM_DESTROY: PostQuitMessage(0); break;
        case WM_PAINT: PaintFrame(hwnd); return 0;
        case WM_CLOSE: CloseOverlay(); return 0;
        case WM_WINDOWPOSCHANGED: FollowPlacement(hwnd, *reinterpret_cast<WINDOWPOS*>(lp)); break;
        // The guides depend on the size: whatever resized the frame, nothing of the old lines
        // may stay.
        case WM_SIZE: InvalidateRect(hwnd, nullptr, TRUE); break;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP: SendMessageA(g_windows.back, msg, wp, lp); break;
        case WM_COMMAND:
            if (HIWORD(wp) == 0) DispatchCommand(LOWORD(wp));
            break;
        case kSettingsChangedMessage: ReloadSettings(hwnd); break;
        case WM_HOTKEY:
            if (wp == kHotKeyId) RestoreWindowSet();
            break;
        default: HandleTrayMessage(msg, wp, lp); break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

LRESULT CALLBACK BackPaneWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: g_windows.back = hwnd; break;
        case WM_DESTROY: PostQuitMessage(0); break;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;
        case WM_WINDOWPOSCHANGED: FollowPlacement(hwnd, *reinterpret_cast<WINDOWPOS*>(lp)); break;
        case WM_KEYDOWN: HandleOverlayKey(static_cast<unsigned>(wp)); return 0;
        case WM_KEYUP: return 0;
        case WM_LBUTTONDOWN: BeginDrag(); break;
        case WM_MOUSEMOVE: ContinueDrag(); break;
        case WM_LBUTTONUP: EndDrag(); break;
        case WM_RBUTTONUP: ShowContextMenu(); break;
        case WM_CAPTURECHANGED: AbandonDrag(reinterpret_cast<HWND>(lp)); break;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

void RegisterOverlayClass(HINSTANCE instance, const char* name, WNDPROC proc, HICON smallIcon) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    wc.hbrBackground = CreateSolidBrush(RGB(255, 255, 255));
    wc.lpszClassName = name;
    wc.hIconSm = smallIcon;
    if (!RegisterClassExA(&wc)) DeleteObject(wc.hbrBackground);  // already registered
}
}  // namespace

int CreateOverlayWindows(HINSTANCE instance) {
    RegisterOverlayClass(instance, kBackPaneClass, BackPaneWndProc, nullptr);
    HWND back = CreateWindowExA(WS_EX_COMPOSITED | WS_EX_LAYERED | WS_EX_TOOLWINDOW, kBackPaneClass, nullptr,
                                WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!back) return 0;
    SetLayeredWindowAttributes(back, 0, 1, LWA_ALPHA);

    RegisterOverlayClass(instance, kFrameClass, FrameWndProc,
                         LoadIconA(instance, MAKEINTRESOURCEA(IDI_FRAME)));
    const DWORD style = WS_POPUP | (g_settings.Outer == 1 ? WS_BORDER : 0);
    HWND frame = CreateWindowExA(WS_EX_COMPOSITED | WS_EX_LAYERED | WS_EX_TOPMOST, kFrameClass, nullptr, style,
                                 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!frame) return 0;
    SetLayeredWindowAttributes(frame, RGB(255, 255, 255), 0, LWA_COLORKEY);
    return 1;
}
