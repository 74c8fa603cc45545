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

void SetTrayIcon(const char* tip, HICON icon, DWORD action) {
    NOTIFYICONDATAW data{};
    data.cbSize = sizeof data;
    data.hWnd = g_windows.frame;
    data.uID = kTrayIconId;
    data.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data.uCallbackMessage = kTrayMessage;
    data.hIcon = icon;
    data.uVersion = NOTIFYICON_VERSION_4;  // read by NIM_SETVERSION alone
    if (tip) lstrcpynW(data.szTip, WideText(tip), sizeof data.szTip / sizeof data.szTip[0]);
    if (auto* notify = SystemFunction<decltype(Shell_NotifyIconW)>("shell32.dll", "Shell_NotifyIconW"))
        notify(action, &data);
}

namespace {
// Adds the icon, and asks for the icon's keyboard behaviour (version 4): Enter, Space, Shift+F10
// and the Menu key on it reach the frame too.
void ShowIcon() {
    SetTrayIcon(ShownText(kTextProductName), g_tray.icon, NIM_ADD);
    SetTrayIcon(nullptr, g_tray.icon, NIM_SETVERSION);
}
}  // namespace

void AddTrayIcon() {
    if (g_tray.icon) DestroyIcon(g_tray.icon);
    g_tray.icon = static_cast<HICON>(
        LoadImageA(g_windows.instance, MAKEINTRESOURCEA(IDI_FRAME), IMAGE_ICON, 16, 16, LR_DEFAULTCOLOR));
    ShowIcon();
    g_tray.iconAdded = true;
}

void RefreshTrayTip() {
    if (g_tray.iconAdded) SetTrayIcon(ShownText(kTextProductName), g_tray.icon, NIM_MODIFY);
}

void HideToTray() {
    if (g_windows.locked) SetFrameLocked(false);  // a hidden set is never locked
    AddTrayIcon();
    HideWindowSet();
}

void RemoveTrayIcon() {
    if (!g_tray.iconAdded) return;
    SetTrayIcon(nullptr, nullptr, NIM_DELETE);
    g_tray.iconAdded = false;
    if (g_tray.icon) DestroyIcon(g_tray.icon);
    g_tray.icon = nullptr;
}

UINT TaskbarCreatedMessage() {
    if (!g_tray.taskbarCreated) g_tray.taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    return g_tray.taskbarCreated;
}

void ShowTrayIconAgain() {
    if (g_tray.iconAdded) ShowIcon();
}
