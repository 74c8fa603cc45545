#include "tray.h"

#include "../../settings/settings_record.h"
#include "../resources/resource.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"
#include "popup_menus.h"

namespace {
HICON g_trayIcon = nullptr;
bool g_trayIconAdded = false;  // apart from the handle: an icon that cannot be loaded is added null
bool g_hotKeyHeld = false;
constexpr char kTip[] = "ペモカ";
}  // namespace

void RegisterGlobalHotKey() {
    ReleaseGlobalHotKey();
    if (g_settings.Tray != 1 || g_settings.Hotkey == 0) return;
    const UINT modifiers = (static_cast<UINT>(g_settings.Hotkey) >> 8) & 0xFF;
    const UINT key = static_cast<UINT>(g_settings.Hotkey) & 0xFF;
    if (!modifiers || !key) return;
    g_hotKeyHeld = RegisterHotKey(g_windows.frame, kHotKeyId, modifiers, key) != 0;
    if (!g_hotKeyHeld)
        MessageBoxA(g_windows.frame, "ホットキーが設定できませんでした。", kTip, MB_OK | MB_ICONWARNING);
}

void ReleaseGlobalHotKey() {
    if (g_hotKeyHeld) UnregisterHotKey(g_windows.frame, kHotKeyId);
    g_hotKeyHeld = false;
}

void SetTrayIcon(const char* tip, HICON icon, DWORD action) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = g_windows.frame;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon;
    if (tip) lstrcpynA(data.szTip, tip, sizeof data.szTip);
    if (auto* notify = SystemFunction<decltype(Shell_NotifyIconA)>("shell32.dll", "Shell_NotifyIconA"))
        notify(action, &data);
}

void HideToTray() {
    if (g_trayIcon) DestroyIcon(g_trayIcon);
    g_trayIcon = static_cast<HICON>(
        LoadImageA(g_windows.instance, MAKEINTRESOURCEA(IDI_FRAME), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    SetTrayIcon(kTip, g_trayIcon, NIM_ADD);
    g_trayIconAdded = true;
    HideWindowSet();
}

void RemoveTrayIcon() {
    if (!g_trayIconAdded) return;
    SetTrayIcon(nullptr, nullptr, NIM_DELETE);
    g_trayIconAdded = false;
    if (g_trayIcon) DestroyIcon(g_trayIcon);
    g_trayIcon = nullptr;
}

bool HandleTrayMessage(UINT msg, WPARAM wp, LPARAM lp) {
    static UINT taskbarCreated = 0;  // registered once; no guarded initialisation
    if (!taskbarCreated) taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    if (taskbarCreated && msg == taskbarCreated) {
        if (g_trayIconAdded) SetTrayIcon(kTip, g_trayIcon, NIM_ADD);
        return true;
    }
    if (msg != kTrayMessage) return false;
    if (wp == kTrayIconId) {
        if (lp == WM_LBUTTONDOWN) RestoreWindowSet();
        else if (lp == WM_RBUTTONUP) ShowTrayMenu();
    }
    return true;
}
