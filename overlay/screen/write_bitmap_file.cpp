#include "write_bitmap_file.h"

#include <windows.h>

#include <cstring>

#include "bitmap_file.h"
#include "picture_data.h"
#include "screen_snapshot.h"

bool WriteBitmapFile(const wchar_t* path, int w, int h) {
    const uint64_t size = BitmapFileSize(w, h);
    if (!size || !g_snapshot.pixels || g_snapshot.w != w || g_snapshot.h != h) return false;
    const DWORD bytes = static_cast<DWORD>(size);
    // Every byte is written below: the header whole, then the pixels.
    auto* block = static_cast<uint8_t*>(GlobalAlloc(GMEM_FIXED, bytes));
    if (!block) return false;
    FormatBitmapHeader(block, w, h);
    std::memcpy(block + kBitmapHeaderSize, g_snapshot.pixels, bytes - kBitmapHeaderSize);
    const bool written = WriteWholeFile(path, block, bytes);
    GlobalFree(block);
    return written;
}
