// The DPI of the monitor a window is on, for what the pointer must hit.
#pragma once
#include <windows.h>

#include "system_function.h"

// GetDpiForWindow is looked up at the first call, so that the overlay still starts on systems
// that lack it; there, and when it fails, the answer is 96.
inline unsigned WindowDpi(HWND window) {
    using DpiForWindow = UINT WINAPI(HWND);
    static DpiForWindow* const dpiForWindow = SystemFunction<DpiForWindow>("user32.dll", "GetDpiForWindow");
    const UINT dpi = dpiForWindow && window ? dpiForWindow(window) : 0;
    return dpi ? dpi : 96;
}
