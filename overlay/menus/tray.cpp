#include "tray.h"

#include "../../settings/settings_record.h"
#include "../../settings/shown_text.h"
#include "../resources/resource.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"

TrayState g_tray{};

void RegisterGlobalHotKey() {
    ReleaseGlobalHotKey();
    if (g_settings.Tray != 1 || g_settings.Hotkey == 0) return;
    const HotkeyParts hotkey = DecodeHotkey(g_settings.Hotkey);
    if (!hotkey.modifiers || !hotkey.key) return;
    g_tray.hotKeyHeld = RegisterHotKey(g_windows.frame, kHotKeyId, hotkey.modifiers, hotkey.key) != 0;
    if (g_tray.hotKeyHeld) return;
    ModalLoop box;
    ShowMessageBox(g_windows.frame, WideText(ShownText(kTextHotKeyNotSet)), MB_OK | MB_ICONWARNING);
}

void ReleaseGlobalHotKey() {
    if (g_tray.hotKeyHeld) UnregisterHotKey(g_windows.frame, kHotKeyId);
    g_tray.hotKeyHeld = false;
}

bool SetTrayIcon(const char* tip, HICON icon, DWORD action) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = g_windows.frame;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon;
    data.uVersion = NOTIFYICON_VERSION_4;  // read by NIM_SETVERSION alone
    if (tip) lstrcpynW(data.szTip, WideText(tip), sizeof data.szTip / sizeof data.szTip[0]);
    auto* notify = SystemFunction<decltype(Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW");
    return notify && notify(action, &data);
}

namespace {
// Adds the icon and asks for its keyboard behaviour (version 4): Enter, Space, Shift+F10 and the
// Menu key on it reach the frame too. True when the shell has it.
bool ShowIcon() {
    if (!SetTrayIcon(ShownText(kTextProductName), g_tray.icon, NIM_ADD)) return false;
    SetTrayIcon(nullptr, g_tray.icon, NIM_SETVERSION);
    return true;
}
}  // namespace

bool AddTrayIcon() {
    if (g_tray.iconAdded && g_tray.iconShown) return true;
    if (!g_tray.icon)
        g_tray.icon = static_cast<HICON>(
            LoadImageA(g_windows.instance, MAKEINTRESOURCEA(IDI_FRAME), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    g_tray.iconShown = ShowIcon();
    g_tray.iconAdded = true;
    return g_tray.iconShown;
}

void RefreshTrayTip() {
    if (g_tray.iconShown) SetTrayIcon(ShownText(kTextProductName), g_tray.icon, NIM_MODIFY);
}

void HideToTray() {
    // A hidden set is never locked; the icon the lock added stays, as the resident's icon now.
    if (g_windows.locked) SetFrameLocked(false);
    g_tray.iconForLock = false;
    AddTrayIcon();
    HideWindowSet();
}

void RemoveTrayIcon() {
    g_tray.iconForLock = false;
    if (!g_tray.iconAdded) return;
    SetTrayIcon(nullptr, nullptr, NIM_DELETE);
    g_tray.iconAdded = g_tray.iconShown = false;
    if (g_tray.icon) DestroyIcon(g_tray.icon);
    g_tray.icon = nullptr;
}

UINT TaskbarCreatedMessage() {
    if (!g_tray.taskbarCreated) g_tray.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    return g_tray.taskbarCreated;
}

void ShowTrayIconAgain() {
    if (g_tray.iconAdded) g_tray.iconShown = ShowIcon();
}
