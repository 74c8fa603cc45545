// Residency in the notification area and the global hot key, both on the guide frame.
#pragma once
#include <windows.h>

constexpr UINT kTrayMessage = 0x8000;  // the icon's callback message
constexpr UINT kTrayIconId = 1000;
constexpr int kHotKeyId = 1000;

// Registers Hotkey (key in bits 0-7, modifiers in bits 8-15) as hot key 1000 of the frame when
// Tray is 1, after withdrawing the one this program holds; a combination held elsewhere gets
// a warning box. Run at start and whenever the settings are read again.
void RegisterGlobalHotKey();
// Withdraws the hot key if this program holds one.
void ReleaseGlobalHotKey();

// Shows the icon (tip "ペモカ") and hides the window set, even when the icon cannot be added.
void HideToTray();
// Deletes the icon if one is shown.
void RemoveTrayIcon();
// Passes the icon record to the shell with NIM_ADD or NIM_DELETE.
void SetTrayIcon(const char* tip, HICON icon, DWORD action);

// The frame's tray messages: the icon's callback (a left press restores the window set, a
// right release opens the tray menu), and the taskbar's re-creation, after which a shown icon
// is added again. False for any other message.
bool HandleTrayMessage(UINT msg, WPARAM wp, LPARAM lp);
