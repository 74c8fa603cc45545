// Benchmarks of what users feel, printed as one table of ratios against baselines measured in
// the same run:
// - start-up and working set, against a minimal program that shows the same window;
// - painting each guide on a 3840 x 2160 frame, against erasing that frame (which every paint
//   does); the goal there is also a paint within one frame of a 60 Hz screen;
// - painting the thirds with 16 own lines each way, one of them selected, on that frame;
// - drag steps (the set's move, with the dimming too, and a live resize step), against a bare
//   SetWindowPos;
// - the capture's bitmap file of a 1920 x 1080 frame, against one WriteFile of as many bytes,
//   and its PNG file against the bitmap file;
// - timer wake-ups of the idle window set (the grip dormant), against none.
#include <windows.h>

#include <cstdio>
#include <cstring>
#include <cwchar>

#include "bench_table.h"
#include "overlay/guides/guide_table.h"
#include "overlay/guides/paint_guides.h"
#include "overlay/menus/guide_frame.h"
#include "overlay/screen/picture_data.h"
#include "overlay/screen/screen_snapshot.h"
#include "overlay/screen/write_bitmap_file.h"
#include "overlay/windows/dimming.h"
#include "overlay/windows/frame_drag.h"
#include "overlay/windows/frame_geometry.h"
#include "overlay/windows/own_guides.h"
#include "overlay/windows/window_set.h"

void StartupBench();

namespace {
// A paint within one frame of a 60 Hz screen.
const char* Goal(double seconds, char* out, size_t cap) {
    std::snprintf(out, cap, "%s: %.2f ms", seconds < 1.0 / 60 ? "< 16.67 ms" : "NOT < 16.67", seconds * 1e3);
    return out;
}

void PaintBench() {
    constexpr int kW = 3840, kH = 2160;
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof bi.bmiHeader, kW, -kH, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC dc = CreateCompatibleDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    HBRUSH white = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    const RECT all{0, 0, kW, kH};
    const double erase = PerCall([&](int) { FillRect(dc, &all, white); });

    static const char* const kNames[kGuideCount] = {"thirds",         "halves",          "vertical half",
                                                    "horizontal half", "12 x 12 divisions", "divisions 40 apart",
                                                    "diagonals",      "golden section",  "rabatment",
                                                    "railman ratio",  "phi grid",        "golden spiral",
                                                    "golden triangles", "dynamic symmetry", "safe areas"};
    struct Case {
        const char* name;
        uint32_t mask;
        int count, spacing;
    };
    Case cases[kGuideCount + 2];
    for (int i = 0; i < kGuideCount; ++i) cases[i] = {kNames[i], kGuideTable[i].mask, 12, 40};
    cases[kGuideCount] = {"2147483647 x 2147483647 divisions", kCountDivisionsMask, 2147483647, 40};
    cases[kGuideCount + 1] = {"divisions 1 apart", kWidthDivisionsMask, 12, 1};
    for (const Case& c : cases) {
        g_settings = DefaultSettings();
        g_settings.DivNumV = g_settings.DivNumH = c.count;
        g_settings.DivWidthV = g_settings.DivWidthH = c.spacing;
        g_guides = {c.mask, 0};
        // Plain, then outlined beside it: the outlined paint against the plain one.
        const double paint = PerCall([&](int) { PaintGuides(dc, kW, kH); });
        g_settings.Ext = static_cast<int32_t>(kOutlinedLinesExt);
        const double outlined = PerCall([&](int) { PaintGuides(dc, kW, kH); });
        char measure[80], goal[32];
        std::snprintf(measure, sizeof measure, "paint: %s", c.name);
        TableRow(measure, "erasing 3840 x 2160", erase * 1e3, "ms", paint / erase, Goal(paint, goal, sizeof goal));
        std::snprintf(measure, sizeof measure, "paint outlined: %s", c.name);
        TableRow(measure, "the plain paint", paint * 1e3, "ms", outlined / paint, Goal(outlined, goal, sizeof goal));
    }

    // The most own lines there may be, with the selected one dashed.
    g_settings = DefaultSettings();
    g_settings.Ext = static_cast<int32_t>(kOwnLinesExt);
    g_guides = {kGuideTable[0].mask, 0};
    g_ownGuides = {};
    for (int i = 1; i <= kOwnLinesMax; ++i) {
        AddOwnLine(g_ownGuides.lines, kOwnVertical, i * 580);
        AddOwnLine(g_ownGuides.lines, kOwnHorizontal, i * 590);
    }
    g_ownGuides.selected = {kOwnVertical, 3};
    const double own = PerCall([&](int) { PaintGuides(dc, kW, kH); });
    char goal[32];
    TableRow("paint: thirds and 16 own lines each way", "erasing 3840 x 2160", erase * 1e3, "ms", own / erase,
             Goal(own, goal, sizeof goal));
    g_ownGuides = {};

    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
}

// What a drag step brings with it in the message loop: the paints and the window manager's
// answers, handled before the next step.
void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

void DragBench() {
    g_settings = DefaultSettings();
    g_settings.Width = 400;
    g_settings.Height = 300;
    g_windows = {};
    g_windows.instance = GetModuleHandleA(nullptr);
    if (!CreateOverlay(g_windows.instance)) return;
    CentreWindowSet(SW_SHOWNOACTIVATE);
    HWND plain = CreateWindowExA(WS_EX_TOPMOST, "STATIC", "", WS_POPUP | WS_VISIBLE, 100, 100, 400, 300, nullptr,
                                 nullptr, g_windows.instance, nullptr);
    // The X server's pace drifts during a run: the three steps are taken in turns, one of each
    // at a time, and each one's time summed.
    double bare = 0, move = 0, resize = 0;
    constexpr int kSteps = 400;
    for (int i = 0; i < kSteps; ++i) {
        const int dx = i & 1 ? 1 : -1;
        const double t0 = Now();
        SetWindowPos(plain, HWND_TOPMOST, 100 + (i & 1), 100, 0, 0, SWP_NOSIZE);
        Pump();
        const double t1 = Now();
        MoveWindowSet(dx, 0);
        Pump();
        const double t2 = Now();
        g_windows.frameSync = 1;
        ResizeFrameStep(dx, 0, kEdgeRight, 1);
        Pump();
        const double t3 = Now();
        bare += t1 - t0, move += t2 - t1, resize += t3 - t2;
    }
    g_windows.frameSync = 0;
    TableRow("drag: the set's move step", "bare SetWindowPos", bare / kSteps * 1e6, "us", move / bare, "<= 1.2");
    TableRow("drag: live resize step", "bare SetWindowPos", bare / kSteps * 1e6, "us", resize / bare, "none set");

    // The same move with the dimming's four strips around the frame.
    g_settings.Ext = static_cast<int32_t>(kDimmingExt);
    ApplyDimmingSettings();
    double dimmedBare = 0, dimmed = 0;
    for (int i = 0; i < kSteps; ++i) {
        const double t0 = Now();
        SetWindowPos(plain, HWND_TOPMOST, 100 + (i & 1), 100, 0, 0, SWP_NOSIZE);
        Pump();
        const double t1 = Now();
        MoveWindowSet(i & 1 ? 1 : -1, 0);
        Pump();
        const double t2 = Now();
        dimmedBare += t1 - t0, dimmed += t2 - t1;
    }
    TableRow("drag: the set's move step, dimming on", "bare SetWindowPos", dimmedBare / kSteps * 1e6, "us",
             dimmed / dimmedBare, "<= 1.5");
    DestroyDimming();
    g_settings.Ext = 0;
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
    CountRow("idle 3 s: timer wake-ups", timers, "0");
    CountRow("idle 3 s: messages of any kind", messages, "none set");
    DestroyWindow(g_windows.frame);
    DestroyWindow(g_windows.back);
}

void CaptureWriteBench() {
    constexpr int kW = 1920, kH = 1080;
    const DWORD bytes = 54 + 4 * kW * kH;
    wchar_t folder[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, folder);
    std::swprintf(path, MAX_PATH, L"%lspemoka-bench-%lu.bmp", folder, GetCurrentProcessId());
    g_windows = {};
    CreateScreenSnapshot(kW, kH);
    if (!g_snapshot.pixels) return;
    // The baseline writes as many bytes, of the same pixels, from a block of its own.
    auto* block = static_cast<uint8_t*>(GlobalAlloc(GMEM_FIXED, bytes));
    if (!block) return ReleaseScreenSnapshot();
    std::memset(block, 0, 54);
    std::memcpy(block + 54, g_snapshot.pixels, bytes - 54);
    const auto writeBlock = [&](int) {
        HANDLE f = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written;
        WriteFile(f, block, bytes, &written, nullptr);
        CloseHandle(f);
    };
    const auto writeCapture = [&](int) { WriteBitmapFile(path, kW, kH); };
    // Rounds of the two side by side, so that a change of the machine's pace between them
    // cancels out; the median round counts.
    std::vector<double> bares, captures, ratios;
    for (int round = 0; round < 7; ++round) {
        bares.push_back(PerCall(writeBlock));
        captures.push_back(PerCall(writeCapture));
        ratios.push_back(captures.back() / bares.back());
    }
    const double capture = Median(captures);
    TableRow("capture: bitmap file of 1920 x 1080", "one WriteFile of its bytes", Median(bares) * 1e3, "ms",
             Median(ratios), "<= 1.1");
    // A screen picture is neither blank nor noise: gradients with a little grain, so that the
    // PNG's compression has the work a real screen gives it.
    auto* pixel = static_cast<uint8_t*>(g_snapshot.pixels);
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x, pixel += 4) {
            const unsigned grain = (x * 7919u + y * 104729u) % 7;
            pixel[0] = static_cast<uint8_t>(x / 8 + grain), pixel[1] = static_cast<uint8_t>(y / 5 + grain);
            pixel[2] = static_cast<uint8_t>((x + y) / 12), pixel[3] = 0;
        }
    const double png = PerCall([&](int) {
        const std::vector<uint8_t> file = EncodeSnapshotPng(kW, kH);
        WriteWholeFile(path, file.data(), static_cast<DWORD>(file.size()));
    });
    TableRow("capture: PNG file of 1920 x 1080", "its bitmap file", capture * 1e3, "ms", png / capture, "none set");
    GlobalFree(block);
    ReleaseScreenSnapshot();
    DeleteFileW(path);
}
}  // namespace

// With arguments, only the parts named: startup, paint, drag, capture.
int main(int argc, char** argv) {
    const auto wanted = [&](const char* part) {
        if (argc < 2) return true;
        for (int i = 1; i < argc; ++i)
            if (std::strcmp(argv[i], part) == 0) return true;
        return false;
    };
    TableHead();
    if (wanted("startup")) StartupBench();
    if (wanted("paint")) PaintBench();
    if (wanted("drag")) DragBench();
    if (wanted("capture")) CaptureWriteBench();
    return 0;
}
