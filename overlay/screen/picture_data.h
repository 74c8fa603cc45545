// The snapshot's pixels in the forms other programs take: a PNG through the system's image
// codecs, and a 24-bit device-independent bitmap; and both put on the clipboard.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// The snapshot's top-left w x h pixels as a 24-bit PNG; empty when the snapshot is smaller or
// the codecs cannot be had (windowscodecs.dll is loaded at the first use).
std::vector<uint8_t> EncodeSnapshotPng(int w, int h);
// The same pixels as a movable global block holding a CF_DIB; null when it cannot be had.
HGLOBAL SnapshotDib(int w, int h);
// Writes the bytes to path in one write; a failed write leaves no file behind.
bool WriteWholeFile(const wchar_t* path, const void* bytes, DWORD size);
// Puts CF_DIB and "PNG" of the snapshot on the clipboard for owner. Otherwise the clipboard is
// left as it was: it stayed held by another program (busy), or nothing could be made (failed).
enum class ClipboardPut { done, busy, failed };
ClipboardPut PutSnapshotOnClipboard(HWND owner, int w, int h);
