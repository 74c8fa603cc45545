// The layout slots in the settings file, section "LAYOUT", through the private-profile API. A
// slot is read and written alone, so that section "SET" and every other slot stay as they are.
#pragma once
#include <cstdint>

#include "layout_slot.h"

// Slot number (1 to 9) from the file at path; 0 when the number, the file, the key or its text
// is no slot (see ParseLayoutSlot), out untouched.
int ReadLayoutSlot(const char* path, int number, uint32_t offeredMasks, LayoutSlot& out);
// Writes slot number (1 to 9) into the file at path. 0 when the number is no slot's or the
// file cannot be written; the file is then as it was.
int StoreLayoutSlot(const char* path, int number, const LayoutSlot& slot);

// The same with this executable's settings file.
int LoadLayoutSlot(int number, uint32_t offeredMasks, LayoutSlot& out);
int SaveLayoutSlot(int number, const LayoutSlot& slot);
