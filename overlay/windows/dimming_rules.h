// The dimming outside the frame (Ext 0x0040): what lies around the frame on every monitor is
// darkened by black windows that take no input. Platform-free: their rectangles and the level.
#pragma once
#include <cstdint>

#include "../../settings/dim_level.h"
#include "frame_geometry.h"

constexpr uint32_t kDimmingExt = 0x0040;

// The strips that darken everything outside the frame on all monitors: above it and below it
// across the bounds of all monitors, and left and right of it at its height, none overlapping
// another or the frame. Each reaches past the frame by the bounds' width or height, so that a
// move of the frame moves them without resizing them. Four, or none without a monitor; their
// count.
constexpr int kDimStrips = 4;
int DimStrips(const Rect& frame, const Rect* monitors, int monitorCount, Rect (&out)[kDimStrips]);

// Its opacity for a layered window, 0..255: floor(level * 255 / 100 + 0.5).
int DimAlpha(int level);
