// The dimming's level (Ext 0x0040): per cent black around the frame, kept under "Level" in the
// settings file's section "DIM". Read by the overlay, set by the editor.
#pragma once
#include <algorithm>
#include <cstdint>

constexpr int kDimLevelLeast = 10, kDimLevelMost = 90, kDimLevelDefault = 50;

// A level from the file or a field within 10..90.
constexpr int DimLevel(int32_t asGiven) { return std::clamp<int32_t>(asGiven, kDimLevelLeast, kDimLevelMost); }

// The level of the file at path; the default when it has none or there is no path.
int ReadDimLevel(const wchar_t* path);
// Writes the level, brought within 10..90, to the settings file (its whole-file replace). 0 when
// the file cannot be written.
int SaveDimLevel(int level);
