// The work tools' layouts: nine slots, each a frame's rectangle with its guide and variant,
// stored with Ctrl+Shift+1 to 9 and recalled with Ctrl+1 to 9. They live in the settings
// file's section "LAYOUT" and, for this run, in memory: a file that cannot be written still
// leaves the slot usable, and the slot is written again until the file takes it.
#pragma once
#include <cstddef>
#include <cstdint>

#include "../../settings/layout_slot.h"
#include "../../settings/texts.h"

struct Layouts {
    LayoutSlot slots[kLayoutSlotCount];
    bool held[kLayoutSlotCount];
    bool unwritten[kLayoutSlotCount];  // stored, but the file did not take it yet
};
extern Layouts g_layouts;

// Reads the nine slots from the settings file when Ext has the work tools; a slot with junk, or
// with a guide that Ext does not offer, is empty. Run at start and whenever the settings are
// read again. A slot that the file did not take yet stays as it was stored.
void LoadLayouts(uint32_t ext);
// Keeps the frame's rectangle, the active guide and its variant in slot number (1 to 9), and
// writes it with every slot still unwritten; a warning says so when the file does not take it.
void StoreLayout(int number);
// Writes the slots that the file did not take yet; true when none is left. The close sequence
// runs it.
bool WriteUnwrittenLayouts();
// Gives the frame the slot's rectangle (the back pane follows; a hidden set stays hidden) and
// makes its guide active. A rectangle on no monitor now comes back centred on the primary one.
// An empty slot does nothing.
void RecallLayout(int number);
// The slot as the menu lists it in the language: "1: 1080 × 1350 黄金螺旋", or "1: (空き)"
// when empty.
void LayoutMenuLabel(Language language, int number, char* out, size_t cap);
