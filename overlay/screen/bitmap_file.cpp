#include "bitmap_file.h"

#include <cstring>

namespace {
void Put(uint8_t* at, uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) at[i] = static_cast<uint8_t>(value >> (8 * i));
}
}  // namespace

uint64_t BitmapFileSize(int w, int h) {
    if (w < 1 || h < 1) return 0;
    const uint64_t size = kBitmapHeaderSize + 4ull * static_cast<uint64_t>(w) * static_cast<uint64_t>(h);
    return size > UINT32_MAX ? 0 : size;
}

void FormatBitmapHeader(uint8_t* header, int w, int h) {
    std::memset(header, 0, kBitmapHeaderSize);
    header[0] = 'B';
    header[1] = 'M';
    Put(header + 2, static_cast<uint32_t>(BitmapFileSize(w, h)), 4);
    Put(header + 10, kBitmapHeaderSize, 4);
    Put(header + 14, 40, 4);
    Put(header + 18, static_cast<uint32_t>(w), 4);
    Put(header + 22, static_cast<uint32_t>(h), 4);
    Put(header + 26, 1, 2);
    Put(header + 28, 32, 2);
}

uint64_t Dib24Size(int w, int h) {
    if (w < 1 || h < 1) return 0;
    const uint64_t stride = (3ull * static_cast<uint64_t>(w) + 3) & ~3ull;
    const uint64_t size = kDibHeaderSize + stride * static_cast<uint64_t>(h);
    return size > UINT32_MAX ? 0 : size;
}

void FormatDib24Header(uint8_t* header, int w, int h) {
    std::memset(header, 0, kDibHeaderSize);
    Put(header, kDibHeaderSize, 4);
    Put(header + 4, static_cast<uint32_t>(w), 4);
    Put(header + 8, static_cast<uint32_t>(h), 4);
    Put(header + 12, 1, 2);
    Put(header + 14, 24, 2);
}

void PackRow24(const uint8_t* bgrx, int w, uint8_t* bgr) {
    for (int x = 0; x < w; ++x, bgrx += 4, bgr += 3) {
        bgr[0] = bgrx[0];
        bgr[1] = bgrx[1];
        bgr[2] = bgrx[2];
    }
}
