// Writing the screen snapshot to a bitmap file.
#pragma once

// Writes the snapshot as a w x h bitmap file in one write. Nothing is written when the
// snapshot is missing or smaller, the file would reach 4 GiB or the block cannot be had; a
// failed write leaves no file behind.
// True once the whole file is there.
bool WriteBitmapFile(const wchar_t* path, int w, int h);
