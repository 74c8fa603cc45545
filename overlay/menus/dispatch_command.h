// Carries out the commands that reach the guide frame as WM_COMMAND.
#pragma once

// One command identifier (the low word of WM_COMMAND): below 32768 a guide mask, which
// becomes the active guide (128 and 256 after their dialog); from 32768 up a fixed command.
void DispatchCommand(unsigned id);

// The work tools' lock on or off. It goes on only over a shown frame with a way back: the tray
// icon, shown while locked whatever Tray says, or the hot key; otherwise a warning says why. The
// icon the lock added goes with the lock.
void ToggleFrameLock();
void LockFrame();
void UnlockFrame();
