// What the work tools decide without a window: the file format of a capture, keeping the set
// out of other programs' screen captures, and where the size label goes and what it says.
// Platform-free.
#pragma once
#include <cstdint>
#include <string>

#include "frame_geometry.h"

constexpr uint32_t kWorkToolsExt = 0x1000;
constexpr uint32_t kHideFromCapturesExt = 0x0400;

enum class CaptureFormat { bmp, png };

// The format of a capture saved under path, chosen with the save dialog's type at filterIndex
// (1 PNG, 2 BMP, as the work tools offer them). A name typed with ".png" or ".bmp" (any case) is
// saved as it says; any other name takes the chosen type.
CaptureFormat ChooseCaptureFormat(const wchar_t* path, unsigned filterIndex);

// The display affinity to give every window of the set, or -1 to call nothing. Windows before
// build 19041 take the exclusion for WDA_MONITOR and show black boxes: nothing is called there.
// From 19041 on, the Ext bit asks for WDA_EXCLUDEFROMCAPTURE (0x11), and a set that had it
// takes WDA_NONE (0) when the bit goes; a set that never had it is left alone.
constexpr uint32_t kFirstBuildExcludingFromCapture = 19041;
int DisplayAffinityToSet(uint32_t ext, uint32_t build, bool excludedNow);

// "640 × 480" (the multiplication sign in the program's code page).
std::string SizeLabelText(int w, int h);
// Where a label of the given size goes: below the frame's bottom-left corner, or above its
// top-left corner when it would leave the monitor's work area there, or inside the frame's
// bottom-left corner when neither fits; always kept whole within the work area, also beside a
// frame larger than it.
Rect SizeLabelPlace(const Rect& frame, int labelW, int labelH, const Rect& workArea);
