// The guide frame's window procedure: the one place that decides what every input of the
// overlay does, the keys of all three windows, the right click, the tray icon's callback and
// the hot key, with DispatchCommand for the commands. While a loop of the overlay's own runs,
// it starts nothing.
#pragma once
#include <windows.h>

// Creates the window set with the guide frame's procedure; 0 when it cannot be had.
int CreateOverlay(HINSTANCE instance);

// Every key press of the overlay (repeats included), whichever window of the set heard it, with
// the key message's lParam (bit 30: the key was down already, a repeat).
void HandleOverlayKey(unsigned virtualKey, LPARAM keyData);

// Keeps InitRule, writes the settings file, withdraws the icon and the hot key and destroys the
// window set; the message loop then ends. Asked for while a loop of the overlay runs, it waits
// until the last one has ended.
void CloseOverlay();

// Start-up and the message loop; returns the program's exit code.
int RunOverlay(HINSTANCE instance, int showCommand);
