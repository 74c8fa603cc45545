#include "apply_aspect_ratio.h"

#include <windows.h>

#include "../windows/window_set.h"
#include "aspect_ratio.h"

void ApplyAspectRatio(int a, int b) {
    RECT r;
    if (!GetWindowRect(g_windows.frame, &r)) return;
    const FrameSize size = AspectSize(r.right - r.left, r.bottom - r.top, a, b);
    SetWindowPos(g_windows.frame, HWND_TOPMOST, 0, 0, size.w, size.h, SWP_NOMOVE);
}
