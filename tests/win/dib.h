// A 32-bit top-down DIB section in a memory DC, erased to white, for painting tests.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

struct Dib {
    int w, h;
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
    uint32_t* bits;

    Dib(int width, int height) : w(width), h(height) {
        BITMAPINFO bi{};
        bi.bmiHeader.biSize = sizeof bi.bmiHeader;
        bi.bmiHeader.biWidth = w;
        bi.bmiHeader.biHeight = -h;
        bi.bmiHeader.biPlanes = 1;
        bi.bmiHeader.biBitCount = 32;
        dc = CreateCompatibleDC(nullptr);
        void* raw = nullptr;
        bitmap = CreateDIBSection(dc, &bi, DIB_RGB_COLORS, &raw, nullptr, 0);
        bits = static_cast<uint32_t*>(raw);
        previous = SelectObject(dc, bitmap);
        for (int i = 0; i < w * h; ++i) bits[i] = 0xFFFFFF;
    }
    ~Dib() {
        SelectObject(dc, previous);
        DeleteObject(bitmap);
        DeleteDC(dc);
    }
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;

    // The pixel as a COLORREF (red in the low byte).
    COLORREF At(int x, int y) const {
        const uint32_t p = bits[y * w + x];
        return RGB((p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF);
    }
    bool White(int x, int y) const { return At(x, y) == RGB(255, 255, 255); }
};

// Columns painted on row y, and rows painted on column x.
inline std::vector<int> PaintedColumns(const Dib& d, int y) {
    std::vector<int> xs;
    for (int x = 0; x < d.w; ++x)
        if (!d.White(x, y)) xs.push_back(x);
    return xs;
}
inline std::vector<int> PaintedRows(const Dib& d, int x) {
    std::vector<int> ys;
    for (int y = 0; y < d.h; ++y)
        if (!d.White(x, y)) ys.push_back(y);
    return ys;
}
