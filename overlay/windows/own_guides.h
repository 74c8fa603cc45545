// The person's own guide lines in the running overlay (Ext 0x0080): added at the pointer or at
// the menu's place, dragged by the mouse, selected with Tab and moved with the arrows, kept in
// the settings file's section "GUIDES" and with each layout slot in section "LAYOUTGUIDES".
#pragma once
#include <windows.h>

#include "../../settings/layout_slot.h"
#include "own_lines.h"

struct OwnGuides {
    OwnLines lines;
    LineRef selected;  // Tab's choice, which the arrows move; kNoLine for none
    LineRef dragged;   // the line under a drag of the back pane; kNoLine for none
    OwnLines slots[kLayoutSlotCount];  // the lines of each layout slot, for this run too when the file cannot be written
    bool slotHeld[kLayoutSlotCount];   // false: the slot has no lines of its own (kept before there were any)
};
extern OwnGuides g_ownGuides;

bool OwnLinesOffered();  // the Ext bit of the running settings

// The lines (keys "V" and "H" of section "GUIDES") and those of the slots (keys "1V", "1H" to
// "9H" of section "LAYOUTGUIDES") of the file at path; every other line of the file stays as it
// is (the settings file's whole-file replace). A null or empty path reads no lines, and writes
// nothing (0).
void ReadOwnLinesFrom(const wchar_t* path, OwnGuides& out);
int WriteOwnLinesTo(const wchar_t* path, const OwnLines& lines);

// Reads the lines and those of the layout slots from the settings file (none without the Ext
// bit); at start and whenever the settings are read again.
void LoadOwnLines();
// Writes them to the settings file, with the Ext bit only. 0 when the file cannot be written.
int SaveOwnLines();

// A vertical (axis kOwnVertical) or horizontal line at a screen point; at the frame's middle when
// the point lies outside the frame.
void AddOwnLineAt(int axis, POINT screen);
void ClearOwnLines();
void SelectNextOwnLine();
void ClearOwnLineSelection();
// The selected line moved by pixels along its axis (the other part of the step is ignored).
void MoveSelectedOwnLine(int dx, int dy);
void DeleteSelectedOwnLine();

// The back pane's drag of a line. The sizing cursor of the line under the pointer, or 0.
int OwnLineCursor(POINT screen);
// Takes the line under a press; false when the press takes none.
bool BeginOwnLineDrag(POINT screen);
void ContinueOwnLineDrag(POINT screen);
// The release: a line let go outside the frame is removed.
void EndOwnLineDrag(POINT screen);

// The lines of layout slot number (1 to 9), with the Ext bit only. A slot kept before the lines
// existed has none in the file: recalling it leaves the lines as they are.
void StoreSlotOwnLines(int number);
void RecallSlotOwnLines(int number);
