// Asking the shell about a notification-area icon, from this process or another.
#pragma once
#include <windows.h>

#include "overlay/windows/system_function.h"

// Whether the shell holds the icon: changing the tip of a missing icon fails.
inline bool ShellHoldsIcon(HWND window, UINT id) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = window;
    data.uID = id;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "ペモカ");
    auto* notify = SystemFunction<decltype(Shell_NotifyIconA)>("shell32.dll", "Shell_NotifyIconA");
    return notify && notify(NIM_MODIFY, &data);
}
