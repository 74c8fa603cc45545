// The dialog "アスペクト比" (template 114), in which the user types the custom ratio.
#pragma once
#include <windows.h>

// Shows AspectV (the width term, 3 when never set) and AspectH (the height term, 2); OK
// stores both, gives the frame that ratio and ends with IDOK; cancel ends with IDCANCEL.
INT_PTR CALLBACK CustomRatioDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
