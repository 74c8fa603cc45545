#include "write_bitmap_file.h"

#include <windows.h>

#include "bitmap_file.h"
#include "picture_data.h"
#include "screen_snapshot.h"

bool WriteBitmapFile(const wchar_t* path, int w, int h) {
    const uint64_t size = BitmapFileSize(w, h);
    if (!size || !g_snapshot.file || g_snapshot.w != w || g_snapshot.h != h) return false;
    // The header goes in front of the pixels where they lie: one block, no copy, one write.
    GdiFlush();
    FormatBitmapHeader(g_snapshot.file, w, h);
    return WriteWholeFile(path, g_snapshot.file, static_cast<DWORD>(size));
}
