// Keeping the window set out of the screenshots and recordings that other programs take.
#pragma once
#include <windows.h>

#include <cstdint>

// The system's real build number (RtlGetVersion, which no manifest changes); 0 when unknown.
uint32_t WindowsBuild();
// Gives every window of the set the display affinity that Ext asks for, where the system knows
// it (see DisplayAffinityToSet). A failed call changes nothing else.
void ApplyDisplayAffinity(uint32_t ext);
// A window of the set made later (the size label) is kept out of captures like the others.
void JoinDisplayAffinity(HWND window);
