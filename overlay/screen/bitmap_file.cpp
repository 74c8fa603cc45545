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
