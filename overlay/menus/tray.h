// Residency in the notification area and the global hot key, both on the guide frame.
#pragma once
#include <windows.h>

constexpr UINT kTrayMessage = 0x8000;  // the icon's callback message
constexpr UINT kTrayIconId = 1000;
constexpr int kHotKeyId = 1000;

struct TrayState {
    HICON icon;            // the shown icon's image, which may be null
    bool iconAdded;        // kept apart from the image: an icon that cannot be loaded is added null
    bool iconShown;        // the shell took the icon: it is there to be clicked
    bool iconForLock;      // the lock added the icon, and takes it away when it ends
    bool hotKeyHeld;       // this program holds hot key 1000
    UINT taskbarCreated;   // the shell's "TaskbarCreated" message, once registered
};
extern TrayState g_tray;

// Registers Hotkey (key in bits 0-7, modifiers in bits 8-15) as hot key 1000 of the frame when
// Tray is 1, after withdrawing the one this program holds; a combination held elsewhere gets
// a warning box. Run at start and whenever the settings are read again.
void RegisterGlobalHotKey();
// Withdraws the hot key if this program holds one.
void ReleaseGlobalHotKey();

// Shows the icon (tip "ペモカ"); true when the shell has it. An icon shown already stays as it is.
// One the shell refused is still wanted: it comes back with the shell (ShowTrayIconAgain).
bool AddTrayIcon();
// A shown icon's tip in the settings' language, after the settings were read again.
void RefreshTrayTip();
// Unlocks a locked frame, shows the icon and hides the window set, even when the icon cannot be
// added.
void HideToTray();
// Deletes the icon if one is shown.
void RemoveTrayIcon();
// Passes the icon record to the shell with NIM_ADD, NIM_MODIFY, NIM_SETVERSION or NIM_DELETE;
// the tip is a text of code page 932. False when the shell refused it or cannot be reached.
bool SetTrayIcon(const char* tip, HICON icon, DWORD action);

// The message that the shell broadcasts when the taskbar has been created anew, and adding the
// shown icon again after it.
UINT TaskbarCreatedMessage();
void ShowTrayIconAgain();
