// An overlay started as administrator hears the editor and the shell, which run below it.
#pragma once
#include <windows.h>

// Lets the settings-changed message and the shell's "TaskbarCreated" through to window from
// programs of a lower integrity level, which the system otherwise drops. The function is looked
// up when called: systems before Windows 7 have none and need none. False when it is not there
// or refuses either message.
bool AllowMessagesFromBelow(HWND window);
