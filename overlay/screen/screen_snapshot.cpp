#include "screen_snapshot.h"

#include <commdlg.h>

#include <algorithm>
#include <cstring>

#include "../../settings/settings_file.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"
#include "bitmap_file.h"
#include "content_edge.h"

ScreenSnapshot g_snapshot{};

namespace {
// Set from the copy of a capture to its end, across the save dialog and the messages that its
// loop hands on meanwhile (the F key, a second capture, a fit command).
bool g_capturing = false;
}  // namespace

void CreateScreenSnapshot(int w, int h) {
    if (g_snapshot.dc || w < 1 || h < 1) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC frameDc = GetDC(g_windows.frame);
    void* pixels = nullptr;
    HBITMAP bitmap = CreateDIBSection(frameDc, &info, DIB_RGB_COLORS, &pixels, nullptr, 0);
    HDC dc = bitmap ? CreateCompatibleDC(frameDc) : nullptr;
    ReleaseDC(g_windows.frame, frameDc);
    if (!dc || !pixels) {
        if (dc) DeleteDC(dc);
        if (bitmap) DeleteObject(bitmap);
        return;
    }
    g_snapshot = {dc, bitmap, SelectObject(dc, bitmap), pixels, w, h};
}

void ReleaseScreenSnapshot() {
    if (g_snapshot.dc) {
        SelectObject(g_snapshot.dc, g_snapshot.previous);
        DeleteDC(g_snapshot.dc);
    }
    if (g_snapshot.bitmap) DeleteObject(g_snapshot.bitmap);
    g_snapshot = {};
}

void WriteBitmapFile(const char* path, int w, int h) {
    const uint64_t size = BitmapFileSize(w, h);
    if (!size || !g_snapshot.pixels || g_snapshot.w != w || g_snapshot.h != h) return;
    const DWORD bytes = static_cast<DWORD>(size);
    // Every byte is written below: the header whole, then the pixels.
    auto* block = static_cast<uint8_t*>(GlobalAlloc(GMEM_FIXED, bytes));
    if (!block) return;
    FormatBitmapHeader(block, w, h);
    std::memcpy(block + kBitmapHeaderSize, g_snapshot.pixels, bytes - kBitmapHeaderSize);
    HANDLE file = CreateFileA(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file != INVALID_HANDLE_VALUE) {
        DWORD written = 0;
        const bool whole = WriteFile(file, block, bytes, &written, nullptr) && written == bytes;
        CloseHandle(file);
        if (!whole) DeleteFileA(path);  // a cut-off bitmap is no picture
    }
    GlobalFree(block);
}

void CaptureFrameArea() {
    if (g_capturing) return;
    g_capturing = true;
    HWND desktop = GetDesktopWindow();
    HDC screen = GetDC(desktop);
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    const int w = r.right - r.left, h = r.bottom - r.top;
    CreateScreenSnapshot(w, h);
    if (g_snapshot.dc) BitBlt(g_snapshot.dc, 0, 0, w, h, screen, r.left, r.top, SRCCOPY);
    HideWindowSet();

    char folder[MAX_PATH];
    const bool haveFolder = ProgramFilePath("", folder) != 0;
    char path[MAX_PATH] = "";
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = g_windows.frame;
    dialog.lpstrFilter = "*.bmp\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = haveFolder ? folder : nullptr;
    dialog.lpstrTitle = "キャプチャーの保存";
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = "bmp";
    auto* ask = SystemFunction<decltype(GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    if (ask && ask(&dialog) == TRUE) WriteBitmapFile(path, w, h);

    ReleaseDC(desktop, screen);
    ReleaseScreenSnapshot();
    RestoreWindowSet();
    g_capturing = false;
}

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
}  // namespace

void FitFrameToContent() {
    if (g_capturing) return;
    RECT fr{}, dr{};
    GetWindowRect(g_windows.frame, &fr);
    HWND desktop = GetDesktopWindow();
    GetWindowRect(desktop, &dr);
    const Rect f{fr.left, fr.top, fr.right, fr.bottom}, d{dr.left, dr.top, dr.right, dr.bottom};
    const int range = g_settings.FitRange;
    HDC screen = GetDC(desktop);
    int top = 0, bottom = 0, left = 0, right = 0;
    const bool found =
        SearchOpposite(screen, StripBeside(StripSide::top, f, d, range), StripBeside(StripSide::bottom, f, d, range), top, bottom) &&
        SearchOpposite(screen, StripBeside(StripSide::left, f, d, range), StripBeside(StripSide::right, f, d, range), left, right);
    ReleaseDC(desktop, screen);
    if (!found) return;
    // The found lines of all four strips lie inside the new frame.
    SetWindowPos(g_windows.frame, HWND_TOPMOST, f.left - left, f.top - top, f.right - f.left + left + right + 1,
                 f.bottom - f.top + top + bottom + 1, 0);
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}
