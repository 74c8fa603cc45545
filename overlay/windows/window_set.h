// The overlay's window set: the guide frame, the back pane below it and the navigation grip,
// kept on top of each other, and the operations that place, hide, restore and close them.
#pragma once
#include <windows.h>

#include "../../settings/shared_names.h"

struct WindowSet {
    HINSTANCE instance;
    HWND frame;
    HWND back;
    HWND grip;
    int frameSync;    // 1 while the program places both windows itself
    RECT savedFrame;  // remembered by HideWindowSet; all zero when nothing is remembered
    RECT savedBack;
};
extern WindowSet g_windows;

constexpr char kBackPaneClass[] = "__pemoka_246__Bk";

void CentreWindowSet(int showCommand);
void HideWindowSet();
void RestoreWindowSet();
void RequestClose();
void CloseOverlay();

// Copies one window's reported placement onto the other unless frameSync is set.
void FollowPlacement(HWND moved, const WINDOWPOS& pos);

// Registers the classes and creates the back pane and the hidden guide frame (both 0 x 0).
// Returns 0 when either window cannot be created.
int CreateOverlayWindows(HINSTANCE instance);

// Start-up and the message loop; returns the program's exit code.
int RunOverlay(HINSTANCE instance, int showCommand);
