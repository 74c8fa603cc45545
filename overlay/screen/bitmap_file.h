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

// The same pixels as a 24-bit device-independent bitmap, as the clipboard takes it: a 40-byte
// information header, then rows of 3 * w bytes padded to 4, lowest screen row first. Its size
// in 64 bits, 0 when w or h is below 1 or it would reach 4 GiB.
constexpr int kDibHeaderSize = 40;
uint64_t Dib24Size(int w, int h);
void FormatDib24Header(uint8_t* header, int w, int h);
// One row of 32-bit pixels (blue, green, red, unused) as 24-bit ones.
void PackRow24(const uint8_t* bgrx, int w, uint8_t* bgr);
