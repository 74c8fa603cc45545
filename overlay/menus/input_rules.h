// What the overlay's inputs do, decided without a window: the keys, and the commands refused
// while a dialog, a message box, the save dialog or a popup menu of the overlay is open.
// Platform-free; the guide frame's window procedure carries the decisions out.
#pragma once
#include <bitset>
#include <cstdint>

enum class KeyAction {
    none, close, hideToTray, nextGuide, previousGuide, nextVariant, fit, move, resize,
    capture, copyToClipboard, lock, storeLayout, recallLayout,  // the work tools'
    addVerticalLine, addHorizontalLine, selectNextLine, moveLine, deleteLine, clearLineSelection,  // own lines
    switchDimming, switchCaptureExclusion
};

struct KeyDecision {
    KeyAction action;
    int dx, dy;  // the move, or the step applied twice to the right and bottom edges; a layout's slot in dx
    bool operator==(const KeyDecision&) const = default;
};

// One key press (repeats included) with the modifiers held at it, and the Tray setting:
// Esc closes, or with Tray 1 and no Shift hides to the notification area; N and B step through
// the guides, E to the next variant, F fits; an arrow moves by 1 (4 with Shift), with Ctrl it
// resizes by 2 (8 with Shift) from the top-left corner.
KeyDecision DecideOverlayKey(unsigned virtualKey, bool shift, bool ctrl, int32_t tray);

// The keys a window has seen go down and not yet up. The system marks a press that repeats a
// key held down (bit 30 of the key data), but under Wine a program that resynchronises the
// keyboard's state from the X server (on the pointer entering one of its windows) can leave that
// mark on a fresh press made right after a release. A press repeats only when it has the mark
// and the window saw the key go down and not up since.
class KeysDown {
public:
    bool Press(unsigned key, bool repeatMark);  // true when the press repeats
    void Release(unsigned key) { down_.reset(key & 0xFF); }

private:
    std::bitset<256> down_;
};

// One key press as it was queued: the key, the modifiers held at that moment (not when the key is
// handled, which may be later), and whether it is the keyboard's repeat of a key held down.
struct KeyPress {
    unsigned key;
    bool shift, ctrl, alt, repeat;
};

// The work tools' keys, with Ext 0x1000 only: Ctrl+S saves a capture, Ctrl+C copies the frame's
// area to the clipboard, Ctrl+L locks or unlocks; Ctrl+1 to 9 recall a layout and Ctrl+Shift+1
// to 9 store one, the keypad's digits as well. Ctrl+Shift with a letter does nothing. With Alt
// down nothing: Ctrl+Alt is what AltGr sends, and types a character on many keyboards. A
// repeat does nothing either: holding a key does what one press does.
KeyDecision DecideWorkToolKey(const KeyPress& press, uint32_t ext);

// The keys of the extensions, asked before every other key: with Ext 0x0080 G adds a vertical
// line at the pointer and Shift+G a horizontal one, Tab selects the next line, and while a line
// is selected the arrows move it by 1 pixel (10 with Shift), Delete removes it and Esc only
// clears the selection; with Ext 0x0040 D switches the dimming for the session; with the work
// tools Ctrl+H switches Ext 0x0400. Ctrl with anything else is none of theirs, and nothing with
// Alt (AltGr). Held down, G, D and Ctrl+H act once; the line's arrows, Tab and Delete repeat.
KeyDecision DecideExtensionKey(const KeyPress& press, uint32_t ext, bool lineSelected);

// Whether a command (the low word of WM_COMMAND) that arrives while a loop of the overlay runs,
// from another program or handed on by that loop, is refused: the commands that would open a
// second loop or restore the window set under this one. Every other command is carried out; a
// close waits for the last loop to end.
// With the work tools, their screen copy to the clipboard and their size dialog are refused too.
bool RefusedDuringModalLoop(unsigned id, uint32_t ext);
