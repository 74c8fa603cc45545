#include "size_label.h"

#include <string>

#include "../../settings/shown_text.h"
#include "display_affinity.h"
#include "gdi_holders.h"
#include "system_function.h"
#include "window_dpi.h"
#include "window_set.h"
#include "work_rules.h"

namespace {
constexpr UINT_PTR kLabelTimer = 1;
constexpr UINT kLabelShown = 1000;

// The text as the label shows it: converted from the program's code page, whatever the system's.
std::wstring LabelText() {
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    return WideText(SizeLabelText(r.right - r.left, r.bottom - r.top).c_str()).text;
}

// The status bar's font as the frame's monitor shows it. The program is DPI aware, so the plain
// metrics are already at the system's DPI: scaled once from there, never from 96.
HFONT LabelFont(unsigned dpi) {
    using MetricsForDpi = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
    static MetricsForDpi* const forDpi = SystemFunction<MetricsForDpi>("user32.dll", "SystemParametersInfoForDpi");
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (forDpi && forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, dpi))
        return CreateFontIndirectW(&metrics.lfStatusFont);
    if (!SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) return nullptr;
    const WindowDc screen(nullptr);
    const int systemDpi = screen.dc ? GetDeviceCaps(screen.dc, LOGPIXELSY) : 96;
    metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, static_cast<int>(dpi), systemDpi ? systemDpi : 96);
    return CreateFontIndirectW(&metrics.lfStatusFont);
}

void PaintLabel(HWND label) {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(label, &ps);
    RECT client;
    GetClientRect(label, &client);
    const OwnColours colours = CurrentOwnColours();
    const GdiObject<HBRUSH> back(CreateSolidBrush(colours.labelBack));
    if (back.handle) FillRect(dc, &client, back.handle);
    const GdiObject<HFONT> font(LabelFont(WindowDpi(g_windows.frame)));
    const SelectedObject selected(dc, font.handle);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colours.labelText);
    const std::wstring text = LabelText();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
    EndPaint(label, &ps);
}

LRESULT CALLBACK SizeLabelProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_PAINT: PaintLabel(hwnd); return 0;
        case WM_TIMER: HideSizeLabel(); return 0;
        case WM_NCHITTEST: return HTTRANSPARENT;
        case WM_MOUSEACTIVATE: return MA_NOACTIVATE;
        default: return DefWindowProcA(hwnd, msg, wp, lp);
    }
}

HWND Label() {
    if (g_windows.sizeLabel) return g_windows.sizeLabel;
    WNDCLASSA wc{};
    wc.lpfnWndProc = SizeLabelProc;
    wc.hInstance = g_windows.instance;
    wc.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512));
    wc.lpszClassName = kSizeLabelClass;
    RegisterClassA(&wc);
    // Owned by the frame: it goes with it, and stays above it.
    g_windows.sizeLabel = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE | WS_EX_TRANSPARENT,
                                          kSizeLabelClass, nullptr, WS_POPUP, 0, 0, 0, 0, g_windows.frame, nullptr,
                                          g_windows.instance, nullptr);
    if (g_windows.sizeLabel) JoinDisplayAffinity(g_windows.sizeLabel);
    return g_windows.sizeLabel;
}

// The label's size for its text, with a margin, in the frame's monitor's pixels.
SIZE LabelSize(HWND label) {
    const unsigned dpi = WindowDpi(g_windows.frame);
    const std::wstring text = LabelText();
    SIZE size{80, 20};
    const WindowDc dc(label);
    const GdiObject<HFONT> font(LabelFont(dpi));
    const SelectedObject selected(dc.dc, font.handle);
    if (dc.dc && GetTextExtentPoint32W(dc.dc, text.c_str(), static_cast<int>(text.size()), &size)) {
        size.cx += ScaleForDpi(12, dpi);
        size.cy += ScaleForDpi(6, dpi);
    }
    return size;
}
}  // namespace

void ShowSizeLabel() {
    if (!IsWindowVisible(g_windows.frame)) return;
    HWND label = Label();
    if (!label) return;
    RECT f{};
    GetWindowRect(g_windows.frame, &f);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    if (!GetMonitorInfoA(MonitorFromRect(&f, MONITOR_DEFAULTTONEAREST), &monitor)) return;
    const RECT& w = monitor.rcWork;
    const SIZE size = LabelSize(label);
    // The window's text is the size it shows, for accessibility tools to read; kept whole
    // through the wide default procedure, as the frame's name is.
    DefWindowProcW(label, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(LabelText().c_str()));
    const Rect at = SizeLabelPlace({f.left, f.top, f.right, f.bottom}, size.cx, size.cy, {w.left, w.top, w.right, w.bottom});
    SetWindowPos(label, HWND_TOPMOST, at.left, at.top, at.right - at.left, at.bottom - at.top,
                 SWP_NOACTIVATE | SWP_SHOWWINDOW);
    InvalidateRect(label, nullptr, FALSE);
    SetTimer(label, kLabelTimer, kLabelShown, nullptr);
}

bool HideSizeLabel() {
    if (!g_windows.sizeLabel) return false;
    KillTimer(g_windows.sizeLabel, kLabelTimer);
    return ShowWindow(g_windows.sizeLabel, SW_HIDE) != 0;
}
