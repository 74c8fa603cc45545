// Benchmarks of what users feel, each as a ratio against a baseline measured in the same run:
// - painting each guide on a large frame, against erasing that frame (which every paint does);
// - drag steps (the two-window move and a live resize step), against a bare SetWindowPos;
// - the capture's bitmap file of a 1920 x 1080 frame, against one WriteFile of as many bytes;
// - timer wake-ups of the idle window set (the grip dormant), against none.
#include <windows.h>

#include <cstdio>

#include "overlay/guides/guide_table.h"
#include "overlay/guides/paint_guides.h"
#include "overlay/screen/screen_snapshot.h"
#include "overlay/windows/frame_drag.h"
#include "overlay/windows/frame_geometry.h"
#include "overlay/windows/window_set.h"

namespace {
double Now() {
    LARGE_INTEGER f, t;
    QueryPerformanceFrequency(&f);
    QueryPerformanceCounter(&t);
    return static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

// Seconds per call of body, over enough calls to take about a quarter of a second.
template <typename Body>
double PerCall(Body body) {
    int calls = 1;
    for (;;) {
        const double start = Now();
        for (int i = 0; i < calls; ++i) body(i);
        const double took = Now() - start;
        if (took > 0.25 || calls >= (1 << 24)) return took / calls;
        calls *= 2;
    }
}

void PaintBench() {
    constexpr int kW = 2400, kH = 1600;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT all{0, 0, kW, kH};

    g_settings = DefaultSettings();
    g_settings.DivNumV = g_settings.DivNumH = 12;
    g_settings.DivWidthV = g_settings.DivWidthH = 40;
    const double erase = PerCall([&](int) { FillRect(dc, &all, white); });
    std::printf("paint on %d x %d, against erasing it (%.1f us)\n", kW, kH, erase * 1e6);
    for (const GuideEntry& entry : kGuideTable) {
        g_guides = {entry.mask, 0};
        const double paint = PerCall([&](int) { PaintGuides(dc, kW, kH); });
        std::printf("  mask 0x%03x  %6.2f\n", static_cast<unsigned>(entry.mask), paint / erase);
    }
    g_settings.DivNumV = g_settings.DivNumH = 2147483647;  // one line a pixel, at most
    g_guides = {0x80, 0};
    const double dense = PerCall([&](int) { PaintGuides(dc, kW, kH); });
    std::printf("  count 2147483647  %6.2f\n", dense / erase);

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

void DragBench() {
    g_settings = DefaultSettings();
    g_settings.Width = 400;
    g_settings.Height = 300;
    g_windows = {};
    g_windows.instance = GetModuleHandleA(nullptr);
    if (!CreateOverlayWindows(g_windows.instance)) return;
    CentreWindowSet(SW_SHOWNOACTIVATE);
    HWND plain = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                 nullptr, g_windows.instance, nullptr);
    const double bare = PerCall([&](int i) {
        SetWindowPos(plain, HWND_TOPMOST, 100 + (i & 1), 100, 0, 0, SWP_NOSIZE);
    });
    const double move = PerCall([&](int i) { MoveWindowSet(i & 1 ? 1 : -1, 0); });
    const double resize = PerCall([&](int i) {
        g_windows.frameSync = 1;
        ResizeFrameStep(i & 1 ? 1 : -1, 0, kEdgeRight, 1);
    });
    g_windows.frameSync = 0;
    std::printf("drag steps, against a bare SetWindowPos (%.1f us)\n", bare * 1e6);
    std::printf("  two-window move    %6.2f\n", move / bare);
    std::printf("  live resize step   %6.2f\n", resize / bare);
    DestroyWindow(plain);

    // Idle: every message that arrives in three seconds, timers counted apart.
    int timers = 0, messages = 0;
    const double until = Now() + 3;
    for (double now = Now(); now < until; now = Now()) {
        MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>((until - now) * 1000) + 1, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ++messages;
            if (msg.message == WM_TIMER) ++timers;
            DispatchMessageA(&msg);
        }
    }
    std::printf("idle window set for 3 s, against none\n  timer wake-ups     %6d\n  messages           %6d\n", timers,
                messages);
    DestroyWindow(g_windows.frame);
    DestroyWindow(g_windows.back);
}

void CaptureWriteBench() {
    constexpr int kW = 1920, kH = 1080;
    const DWORD bytes = 54 + 4 * kW * kH;
    char folder[MAX_PATH], path[MAX_PATH];
    GetTempPathA(MAX_PATH, folder);
    std::snprintf(path, sizeof path, "%spemoka-bench-%lu.bmp", folder, GetCurrentProcessId());
    g_windows = {};
    CreateScreenSnapshot(kW, kH);
    if (!g_snapshot.pixels) return;
    void* block = GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes);
    const double bare = PerCall([&](int) {
        HANDLE f = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written;
        WriteFile(f, block, bytes, &written, nullptr);
        CloseHandle(f);
    });
    const double capture = PerCall([&](int) { WriteBitmapFile(path, kW, kH); });
    std::printf("bitmap file of %d x %d, against one WriteFile of its %lu bytes (%.1f ms)\n", kW, kH,
                static_cast<unsigned long>(bytes), bare * 1e3);
    std::printf("  WriteBitmapFile    %6.2f\n", capture / bare);
    GlobalFree(block);
    ReleaseScreenSnapshot();
    DeleteFileA(path);
}
}  // namespace

int main() {
    PaintBench();
    DragBench();
    CaptureWriteBench();
    return 0;
}
