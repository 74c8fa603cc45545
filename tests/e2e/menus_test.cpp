// The context menu, the small commands, residency in the notification area and the global hot
// key of a running overlay.
#include <gtest/gtest.h>

#include <string>

#include "overlay_harness.h"

namespace {
constexpr UINT kTrayMessage = 0x8000, kIconId = 1000;

// Whether the shell holds the overlay's icon: changing the tip of a missing icon fails.
bool HasTrayIcon(HWND frame) {
    NOTIFYICONDATAA data{};
    data.cbSize = sizeof data;
    data.hWnd = frame;
    data.uID = kIconId;
    data.uFlags = NIF_TIP;
    lstrcpyA(data.szTip, "ペモカ");
    return Shell_NotifyIconA(NIM_MODIFY, &data) != 0;
}

bool Hidden(const Overlay& o) {
    return WaitUntil([&] { return !IsWindowVisible(o.frame) && !IsWindowVisible(o.back); });
}
bool Shown(const Overlay& o) {
    return WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); });
}

// The message box of the overlay with the caption "ペモカ" and its text.
std::string BoxText(HWND box) {
    char text[128] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}
}  // namespace

TEST(ContextMenu, ARightClickOffersTheGuidesAndTheRatios) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("InitRule=-2147483648\r\n")));  // remembers the last guide
    const RECT f = o.FrameRect();
    ASSERT_TRUE(o.Focus());
    HWND menu = o.OpenContextMenu();
    ASSERT_NE(menu, nullptr);
    MenuKeys(menu, {{VK_HOME, 1}, {VK_DOWN, 6}, {VK_RETURN, 1}});  // the seventh guide, "対角線"
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(menu); }));

    menu = o.OpenContextMenu();
    ASSERT_NE(menu, nullptr);
    // Up from "終了" past the border item to "アスペクト比", into it, and down to "4:3".
    MenuKeys(menu, {{VK_END, 1}, {VK_UP, 2}, {VK_RIGHT, 1}, {VK_DOWN, 1}, {VK_RETURN, 1}});
    EXPECT_TRUE(o.SettlesAt({f.left, f.top, f.right, f.top + (f.right - f.left) * 3 / 4}));
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "InitRule"), "2147483650");  // 0x80000002: the diagonals
}

TEST(ContextMenu, BorderBackPaneAndVersionCommands) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    auto border = [&] { return (GetWindowLongA(o.frame, GWL_STYLE) & WS_BORDER) != 0; };
    const bool first = border();
    for (bool want : {!first, first}) {
        PostMessageA(o.frame, WM_COMMAND, 32791, 0);
        EXPECT_TRUE(WaitUntil([&] { return border() == want; }));
    }
    PostMessageA(o.frame, WM_COMMAND, 32792, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindowVisible(o.back) && IsWindowVisible(o.frame); }));
    PostMessageA(o.frame, WM_COMMAND, 32792, 0);
    EXPECT_TRUE(Shown(o));

    PostMessageA(o.frame, WM_COMMAND, 32790, 0);
    HWND box = o.WaitForWindow("ペモカ");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(BoxText(box), "mirvo\nペモカ\n0.18");
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(o.Close());
}

// Esc with other Tray values closes: see the Escape tests.
TEST(Tray, EscHidesToTheIconWithTrayOne) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=0\r\n")));
    ASSERT_TRUE(o.MoveTo(60, 50));
    const RECT f = o.FrameRect();
    for (int round = 0; round < 2; ++round) {
        PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);  // as the frame hears it
        ASSERT_TRUE(Hidden(o)) << round;
        EXPECT_TRUE(HasTrayIcon(o.frame)) << round;
        PostMessageA(o.frame, kTrayMessage, kIconId, WM_LBUTTONDOWN);  // a click on the icon
        ASSERT_TRUE(Shown(o)) << round;
        EXPECT_TRUE(o.SettlesAt(f)) << round;
        EXPECT_TRUE(HasTrayIcon(o.frame)) << round;  // the icon stays
    }
    // The hot key while showing centres the frame at its start size.
    PostMessageA(o.frame, WM_HOTKEY, 1000, 0);
    const int w = f.right - f.left, h = f.bottom - f.top;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - w) / 2, y = (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
    EXPECT_TRUE(o.SettlesAt({x, y, x + w, y + h}));
    // A new taskbar (here: the icon gone from the shell) gets the icon again.
    NOTIFYICONDATAA gone{};
    gone.cbSize = sizeof gone;
    gone.hWnd = o.frame;
    gone.uID = kIconId;
    ASSERT_TRUE(Shell_NotifyIconA(NIM_DELETE, &gone));
    const UINT taskbarCreated = RegisterWindowMessageA("TaskbarCreated");
    PostMessageA(o.frame, taskbarCreated, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return HasTrayIcon(o.frame); }));
    // "表示" takes the icon away, and a new taskbar brings nothing back.
    PostMessageA(o.frame, WM_COMMAND, 32788, 0);
    EXPECT_TRUE(WaitUntil([&] { return !HasTrayIcon(o.frame); }));
    EXPECT_TRUE(Shown(o));
    DWORD_PTR result;
    ASSERT_TRUE(SendMessageTimeoutA(o.frame, taskbarCreated, 0, 0, SMTO_NORMAL, kWaitMs, &result));
    EXPECT_FALSE(HasTrayIcon(o.frame));

    // Shift+Esc closes: Shift held on the keyboard, Esc as the frame hears it.
    ASSERT_TRUE(Key(VK_SHIFT, true));
    PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(o.WaitForExit());
    ASSERT_TRUE(ReleaseAfterClose(VK_SHIFT));
}

TEST(Tray, TheTrayMenuOpensFromTheIcon) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\n")));
    PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
    ASSERT_TRUE(Hidden(o));
    PostMessageA(o.frame, kTrayMessage, kIconId, WM_RBUTTONUP);
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); }));
    MenuKeys(menu, {{VK_HOME, 1}, {VK_RETURN, 1}});  // "表示"
    EXPECT_TRUE(Shown(o));
    EXPECT_TRUE(WaitUntil([&] { return !HasTrayIcon(o.frame); }));
    ASSERT_TRUE(o.Close());
}

TEST(HotKey, HeldElsewhereWarnsAndIsGivenBackOnChangeAndClose) {
    constexpr UINT kCtrlAlt = MOD_CONTROL | MOD_ALT;
    // Held by this test: the overlay warns and goes on without it.
    ASSERT_TRUE(RegisterHotKey(nullptr, 1, kCtrlAlt, 'A'));
    {
        Overlay o;
        ASSERT_TRUE(o.Launch(Ini("Tray=1\r\nHotkey=833\r\n").c_str()));  // 0x341: Ctrl+Alt+A
        HWND box = o.WaitForWindow("ペモカ");
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(BoxText(box), "ホットキーが設定できませんでした。");
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        ASSERT_TRUE(o.WaitForWindows());
        ASSERT_TRUE(o.Close());
    }
    UnregisterHotKey(nullptr, 1);

    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=833\r\n")));
    EXPECT_FALSE(RegisterHotKey(nullptr, 1, kCtrlAlt, 'A'));  // the overlay holds it
    // A new combination from the file: the old one is given back, the new one taken.
    WriteTextFile(o.SettingsPath(), Ini("Tray=1\r\nHotkey=834\r\n"));  // Ctrl+Alt+B
    DWORD_PTR result;
    ASSERT_TRUE(SendMessageTimeoutA(o.frame, 0x8001, 0, 0, SMTO_NORMAL, kWaitMs, &result));
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, kCtrlAlt, 'A'));
    EXPECT_FALSE(RegisterHotKey(nullptr, 2, kCtrlAlt, 'B'));
    UnregisterHotKey(nullptr, 1);
    ASSERT_TRUE(o.Close());
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, kCtrlAlt, 'B'));
    UnregisterHotKey(nullptr, 2);
}
