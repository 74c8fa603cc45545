#include "screen_snapshot.h"

#include "../windows/gdi_holders.h"
#include "../windows/window_set.h"
#include "bitmap_file.h"

ScreenSnapshot g_snapshot{};

namespace {
// Where the pixels start in the section: the header's room, rounded up to whole DWORDs as a
// DIB section's offset must be.
constexpr DWORD kPixelOffset = (kBitmapHeaderSize + 3) / 4 * 4;

void ReleaseSection(HANDLE section, uint8_t* file) {
    if (file) UnmapViewOfFile(file - (kPixelOffset - kBitmapHeaderSize));
    if (section) CloseHandle(section);
}
}  // namespace

void CreateScreenSnapshot(int w, int h) {
    if (g_snapshot.dc || w < 1 || h < 1) return;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), w, h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    const uint64_t bytes = kPixelOffset + 4ull * static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    HANDLE section = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, static_cast<DWORD>(bytes >> 32),
                                        static_cast<DWORD>(bytes), nullptr);
    auto* view = section ? static_cast<uint8_t*>(MapViewOfFile(section, FILE_MAP_WRITE, 0, 0, 0)) : nullptr;
    uint8_t* file = view ? view + (kPixelOffset - kBitmapHeaderSize) : nullptr;
    const WindowDc frame(g_windows.frame);
    void* pixels = nullptr;
    HBITMAP bitmap = file ? CreateDIBSection(frame.dc, &info, DIB_RGB_COLORS, &pixels, section, kPixelOffset) : nullptr;
    HDC dc = bitmap ? CreateCompatibleDC(frame.dc) : nullptr;
    if (!dc || !pixels) {
        if (dc) DeleteDC(dc);
        if (bitmap) DeleteObject(bitmap);
        ReleaseSection(section, file);
        return;
    }
    g_snapshot = {dc, bitmap, SelectObject(dc, bitmap), pixels, w, h, section, file};
}

void ReleaseScreenSnapshot() {
    if (g_snapshot.dc) {
        SelectObject(g_snapshot.dc, g_snapshot.previous);
        DeleteDC(g_snapshot.dc);
    }
    if (g_snapshot.bitmap) DeleteObject(g_snapshot.bitmap);
    ReleaseSection(g_snapshot.section, g_snapshot.file);
    g_snapshot = {};
}
