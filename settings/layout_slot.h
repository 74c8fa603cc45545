// Layout slots: a frame's rectangle with its guide and variant, kept under keys "1" to "9" of
// the settings file's own section "LAYOUT", one line of text each. Platform-free: the text of a
// slot and its label; the file access is in layout_file.
#pragma once
#include <cstddef>
#include <cstdint>

struct LayoutSlot {
    int32_t left, top, width, height;  // the frame's rectangle on the screen
    uint32_t mask, variant;            // the active guide and its variant
    bool operator==(const LayoutSlot&) const = default;
};

constexpr int kLayoutSlotCount = 9;
// Slots are stored and recalled only when Ext has this bit.
constexpr uint32_t kLayoutSlotsExt = 0x1000;
// The frame's least side; positions and sides beyond a million pixels are no screen's.
constexpr int32_t kLayoutSideMin = 40, kLayoutCoordinateMax = 1000000;
// "left,top,width,height,mask,variant" and its zero.
constexpr size_t kLayoutSlotTextMax = 4 * 11 + 2 * 10 + 5 + 1;

// The slot's text; its length, or 0 when cap is too small (out is then empty).
size_t FormatLayoutSlot(const LayoutSlot& slot, char* out, size_t cap);
// Reads a slot's text: six decimal numbers separated by commas, blanks allowed around each.
// False, out untouched, for anything else: a number missing or too many, other text, a value
// past the limits above, a side below kLayoutSideMin, or a mask that is not one bit of
// offeredMasks (the guides that the table offers for the running Ext).
bool ParseLayoutSlot(const char* text, uint32_t offeredMasks, LayoutSlot& out);

// The slot as a menu shows it, "1: 1080 × 1350 黄金螺旋", with the label of its guide. Its
// length, or 0 when cap is too small (out is then empty).
size_t FormatLayoutSlotLabel(int number, const LayoutSlot& slot, const char* guideLabel, char* out, size_t cap);
