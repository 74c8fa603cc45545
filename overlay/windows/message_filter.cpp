#include "message_filter.h"

#include "../../settings/shared_names.h"

bool AllowMessagesFromBelow(HWND window) {
    using Allow = BOOL WINAPI(HWND, UINT, DWORD, void*);
    constexpr DWORD kAllow = 1;  // MSGFLT_ALLOW
    auto* allow = reinterpret_cast<Allow*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("user32.dll"), "ChangeWindowMessageFilterEx")));
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    if (!allow || !taskbarCreated) return false;
    const bool settings = allow(window, kSettingsChangedMessage, kAllow, nullptr) != 0;
    return allow(window, taskbarCreated, kAllow, nullptr) != 0 && settings;
}
