#include "navigation_grip.h"

#include "display_affinity.h"

#include "frame_drag.h"
#include "gdi_holders.h"
#include "frame_geometry.h"
#include "window_dpi.h"
#include "window_set.h"

namespace {
constexpr UINT_PTR kGripTimer = 1000;
constexpr UINT kShowDelay = 500, kHidePause = 2500;

struct GripState {
    int mode;         // 0, kDragMove or kGripResize
    int showPending;  // 1 while the show timer is armed by a release
    POINT last;       // pointer when shown, at the press and after every drag step
};
GripState g_grip{};

int HalfUnderPointer() {
    POINT p = Pointer();
    ScreenToClient(g_windows.grip, &p);
    RECT r{};
    GetWindowRect(g_windows.grip, &r);
    return GripHalf({p.x, p.y}, r.right - r.left);
}

void CALLBACK HideTimer(HWND grip, UINT, UINT_PTR, DWORD) {
    if (!IsWindowVisible(grip)) return;  // stays armed
    g_grip.showPending = 0;
    KillTimer(grip, kGripTimer);
    ShowWindow(grip, SW_HIDE);
}

void CALLBACK ShowTimer(HWND grip, UINT, UINT_PTR, DWORD) {
    if (InModalLoop() || IsWindowVisible(grip)) return;  // tries again at the next tick
    if (!IsWindowVisible(g_windows.frame) || g_windows.locked) {  // the set went away or was locked meanwhile
        HideNavigationGrip(true);
        return;
    }
    g_grip.last = Pointer();
    // Its size is the frame's monitor's, taken anew at each showing: the frame may have been
    // moved to a monitor of another scale.
    const int size = ScaleForDpi(kGripSize, WindowDpi(g_windows.frame));
    SetWindowPos(grip, HWND_TOP, g_grip.last.x - size / 2, g_grip.last.y - size / 2, size, size, 0);
    // Grip, frame, back pane from the top; the frame brings the back pane along.
    SetWindowPos(g_windows.frame, grip, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    ShowWindow(grip, SW_SHOW);
    SetTimer(grip, kGripTimer, kHidePause, HideTimer);
    g_grip.showPending = 0;
}

void ArmShowTimer() {
    if (g_grip.showPending) return;
    g_grip.showPending = 1;
    SetTimer(g_windows.grip, kGripTimer, kShowDelay, ShowTimer);
}

void Hover() {
    const int half = HalfUnderPointer();
    if (half == g_grip.mode) return;
    g_grip.mode = half;
    InvalidateRect(g_windows.grip, nullptr, TRUE);
    SetTimer(g_windows.grip, kGripTimer, kHidePause, HideTimer);
}

void DragStep() {
    const GripStep step = GripDragStep(g_grip.mode);
    if (!step.move && !step.edges) return;
    const POINT p = Pointer();
    const int dx = p.x - g_grip.last.x, dy = p.y - g_grip.last.y;
    g_grip.last = p;
    if (step.move) {
        MoveWindowSet(dx, dy);
    } else {
        g_windows.frameSync = 1;
        ResizeFrameStep(dx, dy, step.edges, 1);
    }
}

// Ends a drag on the grip: the final step of a resize, which lets the back pane follow again.
void FinishGripDrag() {
    const GripStep step = GripDragStep(g_grip.mode);
    if (step.edges) {
        const POINT p = Pointer();
        ResizeFrameStep(p.x - g_grip.last.x, p.y - g_grip.last.y, step.edges, 0);
        g_windows.frameSync = 0;
    }
    g_grip.mode = 0;
}

// Only a release that ends a press on the grip does anything.
void Release(HWND grip) {
    if (GetCapture() != grip) return;
    FinishGripDrag();
    ReleaseCapture();
    ArmShowTimer();
}

// Another window took the mouse in the middle of a drag (a dialog that turned up, say): the
// drag ends where the pointer is, and the grip stays hidden.
void LoseCapture(HWND grip, HWND newCapture) {
    if (newCapture == grip || !g_grip.mode) return;
    FinishGripDrag();
    g_grip.showPending = 0;
    KillTimer(grip, kGripTimer);
}

void RightClick(HWND grip) {
    g_grip.showPending = 0;
    KillTimer(grip, kGripTimer);
    ShowWindow(grip, SW_HIDE);
    SendMessageA(g_windows.frame, WM_RBUTTONUP, 0, 0);  // the frame opens the menu
    ArmShowTimer();
}

LRESULT CALLBACK GripWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: {
            PAINTSTRUCT ps;
            HDC dc = BeginPaint(hwnd, &ps);
            RECT client;
            GetClientRect(hwnd, &client);
            PaintGrip(dc, client.right, client.bottom, g_grip.mode, CurrentOwnColours());
            EndPaint(hwnd, &ps);
            return 0;
        }
        // The grip lives as long as the frame: only the close sequence ends it.
        case WM_CLOSE:
            if (g_windows.closing) DestroyWindow(hwnd);
            return 0;
        case WM_SYSCOMMAND:
            if (CloseFromWindowManager(wp)) return 0;
            break;
        case WM_KEYDOWN: SendMessageA(g_windows.frame, WM_KEYDOWN, wp, lp); return 1;
        case WM_CONTEXTMENU: SendMessageA(g_windows.frame, msg, wp, lp); return 0;  // Shift+F10, the Menu key
        case WM_MOUSEMOVE: GetCapture() == hwnd ? DragStep() : Hover(); break;
        case WM_LBUTTONDOWN:
            if (InModalLoop()) break;
            g_grip.last = Pointer();
            g_grip.mode = HalfUnderPointer();
            SetCapture(hwnd);
            ShowWindow(hwnd, SW_HIDE);
            break;
        case WM_LBUTTONUP: Release(hwnd); break;
        case WM_CAPTURECHANGED: LoseCapture(hwnd, reinterpret_cast<HWND>(lp)); break;
        case WM_RBUTTONUP: RightClick(hwnd); break;
        default: break;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

void PaintGrip(HDC dc, int w, int h, int gripMode, const OwnColours& colours) {
    const RECT all{0, 0, w, h};
    const GdiObject<HBRUSH> back(CreateSolidBrush(colours.gripBack));
    if (back.handle) FillRect(dc, &all, back.handle);
    const POINT upperLeft[3] = {{0, 0}, {0, h}, {w, 0}}, lowerRight[3] = {{w, 0}, {0, h}, {w, h}};
    const GdiObject<HRGN> region(CreatePolygonRgn(gripMode == kDragMove ? upperLeft : lowerRight, 3, WINDING));
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colours.gripLit));
    if (region.handle && brush.handle) FillRgn(dc, region.handle, brush.handle);
    const GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colours.gripLine));
    const SelectedObject selected(dc, pen.handle);
    MoveToEx(dc, w, 0, nullptr);
    LineTo(dc, 0, h);
}

void CreateNavigationGrip(HWND owner) {
    HINSTANCE instance = g_windows.instance;
    WNDCLASSA wc{};
    wc.lpfnWndProc = GripWndProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));  // the arrow
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = kGripClass;
    RegisterClassA(&wc);
    g_windows.grip = CreateWindowExA(WS_EX_TOPMOST, kGripClass, nullptr, WS_POPUP | WS_BORDER, 0, 0, kGripSize,
                                     kGripSize, owner, nullptr, instance, nullptr);
    // Made after the rest of the set is shown, it is kept out of captures as the set already is.
    if (g_windows.grip) JoinDisplayAffinity(g_windows.grip);
}

bool HideNavigationGrip(bool cancelShow) {
    if (!g_windows.grip) return false;
    const bool visible = IsWindowVisible(g_windows.grip) != 0;
    if (cancelShow) g_grip.showPending = 0;
    if (!visible && !cancelShow) return false;
    KillTimer(g_windows.grip, kGripTimer);
    if (visible) ShowWindow(g_windows.grip, SW_HIDE);
    return visible;
}

void ArmGripShow() {
    if (!g_windows.grip) return;
    // A click on the frame while the grip shows sends it to the new place.
    ShowWindow(g_windows.grip, SW_HIDE);
    ArmShowTimer();
}
