// The window classes of the set, their creation, and the back pane's window procedure: the
// back pane takes the mouse for the drag and hands keys and the right click to the guide frame,
// which decides what they do.
#include "../../settings/settings_record.h"
#include "../../settings/shown_text.h"
#include "../resources/resource.h"
#include "gdi_holders.h"
#include "dimming.h"
#include "frame_drag.h"
#include "navigation_grip.h"
#include "size_label.h"
#include "window_set.h"

namespace {
LRESULT CALLBACK BackPaneWndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_CREATE: g_windows.back = hwnd; break;
        case WM_DESTROY: PostQuitMessage(0); break;
        case WM_CLOSE: DestroyWindow(hwnd); return 0;  // from another program: nothing is kept
        case WM_SYSCOMMAND:
            if (CloseFromWindowManager(wp)) return 0;
            break;
        case WM_WINDOWPOSCHANGED: FollowPlacement(hwnd, *reinterpret_cast<WINDOWPOS*>(lp)); break;
        case WM_DPICHANGED: return 0;  // it keeps the frame's rectangle, as the frame keeps its own
        case WM_KEYDOWN: SendMessageA(g_windows.frame, msg, wp, lp); return 0;
        // Shift+F10 and the Menu key where the back pane has the keyboard: the frame decides.
        case WM_CONTEXTMENU: SendMessageA(g_windows.frame, msg, wp, lp); return 0;
        case WM_KEYUP: SendMessageA(g_windows.frame, msg, wp, lp); return 0;
        case WM_LBUTTONDOWN:
            if (!InModalLoop()) BeginDrag();
            break;
        case WM_MOUSEMOVE: ContinueDrag(); break;
        case WM_LBUTTONUP: EndDrag(); break;
        case WM_RBUTTONUP: SendMessageA(g_windows.frame, msg, wp, lp); break;
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

// A class's brush goes with the class.
void UnregisterOverlayClass(HINSTANCE instance, const char* name) {
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    const bool known = GetClassInfoExA(instance, name, &wc) != 0;
    if (UnregisterClassA(name, instance) && known && wc.hbrBackground) DeleteObject(wc.hbrBackground);
}
}  // namespace

int CreateOverlayWindows(HINSTANCE instance, WNDPROC frameProc) {
    RegisterOverlayClass(instance, kBackPaneClass, BackPaneWndProc, nullptr);
    HWND back = CreateWindowExA(WS_EX_COMPOSITED | WS_EX_LAYERED | WS_EX_TOOLWINDOW, kBackPaneClass, nullptr,
                                WS_POPUP | WS_VISIBLE, 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!back) return 0;
    SetLayeredWindowAttributes(back, 0, 1, LWA_ALPHA);

    RegisterOverlayClass(instance, kFrameClass, frameProc, LoadIconA(instance, MAKEINTRESOURCEA(IDI_FRAME)));
    const DWORD style = WS_POPUP | (g_settings.Outer == 1 ? WS_BORDER : 0);
    HWND frame = CreateWindowExA(WS_EX_COMPOSITED | WS_EX_LAYERED | WS_EX_TOPMOST, kFrameClass, nullptr, style,
                                 0, 0, 0, 0, nullptr, nullptr, instance, nullptr);
    if (!frame) return 0;
    SetLayeredWindowAttributes(frame, kFrameKeyColour, 0, LWA_COLORKEY);
    NameFrame();
    return 1;
}

// Set through the wide default procedure, so that the name is kept whole whatever the system's
// code page: SetWindowTextW would pass it through this ANSI window's procedure.
void NameFrame() {
    const WideText name(ShownText(kTextProductName));
    DefWindowProcW(g_windows.frame, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(name.text));
}

namespace {
uint32_t SystemColour(int index) { return GetSysColor(index); }
}  // namespace

OwnColours CurrentOwnColours() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof contrast;
    const bool on = SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof contrast, &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON);
    return OwnDrawnColours(on, SystemColour);
}

bool PaintOwnBorder(HWND frame) {
    const OwnColours colours = CurrentOwnColours();
    if (!colours.themed || !(GetWindowLongA(frame, GWL_STYLE) & WS_BORDER)) return false;
    const WindowDc dc(frame, true);
    RECT r{};
    GetWindowRect(frame, &r);
    OffsetRect(&r, -r.left, -r.top);
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colours.border));
    if (dc.dc && brush.handle) FrameRect(dc.dc, &r, brush.handle);
    return true;
}

void FollowThemeColours() {
    RedrawWindow(g_windows.frame, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
    const HWND drawn[] = {g_windows.grip, g_windows.sizeLabel};
    for (HWND w : drawn)
        if (w) InvalidateRect(w, nullptr, TRUE);
}

void DestroyOverlayWindows() {
    DestroyDimming();
    const HWND windows[] = {g_windows.sizeLabel, g_windows.grip, g_windows.back, g_windows.frame};
    for (HWND w : windows)
        if (w) DestroyWindow(w);
    const HINSTANCE instance = g_windows.instance;
    UnregisterClassA(kGripClass, instance);
    UnregisterClassA(kSizeLabelClass, instance);
    UnregisterOverlayClass(instance, kBackPaneClass);
    UnregisterOverlayClass(instance, kFrameClass);
    g_windows = {};
}
