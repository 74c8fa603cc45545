// The pause before a screen copy, after the overlay's own windows have left the screen.
#pragma once
#include <windows.h>

// Waits ms milliseconds and handles nothing meanwhile: no message is taken or dispatched. The
// system may still bring the screen up to date, as it does while the thread waits for messages.
void WaitForScreen(DWORD ms);
