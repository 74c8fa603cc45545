// The work tools' size dialog: the frame's width and height typed, 40 to 30000 each.
#pragma once
#include <windows.h>

constexpr int kMaxFrameSide = 30000;

// Dialog procedure over template IDD_FRAME_SIZE: it shows the frame's size; OK gives the frame
// exactly the size typed (each brought into 40 to 30000), its top-left corner staying where it
// is, and ends with IDOK; Cancel changes nothing.
INT_PTR CALLBACK FrameSizeDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
// Gives the frame, and so the back pane, the size w x h at the same top-left corner.
void SetFrameSize(int w, int h);
