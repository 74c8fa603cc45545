// The dimming outside the frame (Ext 0x0040): four black, partly see-through windows around the
// frame that take neither the mouse nor the keyboard. They show while the frame shows, follow
// it in the same step, and leave the screen before every screen copy.
#pragma once
#include <windows.h>

#include "dimming_rules.h"

struct Dimming {
    HWND strips[kDimStrips];
    bool on;         // D and the menu's item switch it for the session
    bool suspended;  // away for a screen copy
    int level;       // per cent black, from section "DIM"
};
extern Dimming g_dimming;

constexpr char kDimmingClass[] = "__pemoka_246__Dim";

// Reads the level from the settings file and makes the strips when Ext asks for the dimming, or
// takes them away when it does not; at start and whenever the settings are read again.
void ApplyDimmingSettings();
// Places the strips around the frame where it is now, or hides them when they should not show.
void FollowFrameWithDimming();
// The same as part of a batch of placements; returns the batch (null when it failed).
HDWP DeferDimming(HDWP batch, const RECT& frame);
// Off the screen for a screen copy; true when any strip was shown. ReturnDimming brings it back.
bool HideDimming();
void ReturnDimming();
void SwitchDimming();
void DestroyDimming();
