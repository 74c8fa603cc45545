// The bitmap file that a capture writes: a 54-byte header, then the snapshot's 32-bit rows
// as they lie in memory, lowest screen row first. Platform-free.
#pragma once
#include <cstdint>

constexpr int kBitmapHeaderSize = 54;

// 54 + 4 * w * h, worked out in 64 bits; 0 when w or h is below 1 or the file would not fit
// the header's 32-bit size field (4 GiB or more).
uint64_t BitmapFileSize(int w, int h);

// Writes the header of a w x h file whose BitmapFileSize is not 0: "BM", the file size, the
// pixel offset 54, the 40-byte information header with w, h (bottom-up), 1 plane and 32 bits
// per pixel, every other byte 0.
void FormatBitmapHeader(uint8_t* header, int w, int h);
