// The layout slots in the settings file, section "LAYOUT". A slot is read alone through the
// private-profile API, and written alone through the settings file's whole-file replace, so that
// section "SET", every other slot and every other line stay as they are.
#pragma once
#include <cstdint>

#include "layout_slot.h"

// Slot number (1 to 9) from the file at path; 0 when the number, the file, the key or its text
// is no slot (see ParseLayoutSlot), out untouched.
int ReadLayoutSlot(const wchar_t* path, int number, uint32_t offeredMasks, LayoutSlot& out);
// Writes slot number (1 to 9) into the file at path (a new one starting from seed's text when
// seed is given). 0 when the number is no slot's or the file cannot be written; the file is
// then as it was.
int StoreLayoutSlot(const wchar_t* path, int number, const LayoutSlot& slot, const wchar_t* seed = nullptr);

// The same with the settings file.
int LoadLayoutSlot(int number, uint32_t offeredMasks, LayoutSlot& out);
int SaveLayoutSlot(int number, const LayoutSlot& slot);
