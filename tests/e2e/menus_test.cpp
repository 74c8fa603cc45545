// The context menu, the small commands, residency in the notification area and the global hot
// key of a running overlay.
#include <gtest/gtest.h>

#include <string>

#include "../win/shell_icon.h"
#include "overlay/menus/tray.h"
#include "overlay/windows/navigation_grip.h"
#include "overlay_harness.h"
#include "pemoka_version.h"
#include "settings/shared_names.h"

namespace {
bool HasTrayIcon(HWND frame) { return ShellHoldsIcon(frame, kTrayIconId); }

bool Hidden(const Overlay& o) {
    return WaitUntil([&] { return !IsWindowVisible(o.frame) && !IsWindowVisible(o.back); });
}
bool Shown(const Overlay& o) {
    return WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); });
}

// Esc as the frame hears it hides the set (Tray=1), and a right click on the icon opens the tray
// menu; the open menu, or null.
HWND HideAndOpenTrayMenu(const Overlay& o) {
    PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!Hidden(o)) return nullptr;
    PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); });
    return menu;
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
    EXPECT_EQ(BoxText(box), "mirvo\nペモカ\n" PEMOKA_VERSION_SHOWN);
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(o.Close());
}

// A frame hidden where no monitor is any more comes back centred at its start size; one that
// still meets a monitor, even in part, comes back where it was.
TEST(Tray, AFrameOffEveryMonitorComesBackCentred) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=0\r\n")));
    const RECT centred = o.FrameRect();
    const struct { POINT at; bool back; } cases[] = {{{5000, 4000}, false}, {{-100, -120}, true}, {{-3000, 200}, false}};
    for (const auto& c : cases) {
        ASSERT_TRUE(o.MoveTo(c.at.x, c.at.y)) << c.at.x;
        const RECT hidden = o.FrameRect();
        PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(Hidden(o)) << c.at.x;
        PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
        ASSERT_TRUE(Shown(o)) << c.at.x;
        EXPECT_TRUE(o.SettlesAt(c.back ? hidden : centred)) << c.at.x;
    }
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
        PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);  // a click on the icon
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
    gone.uID = kTrayIconId;
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

    // Shift+Esc closes, both pressed on the keyboard: the overlay reads Shift as it was when Esc
    // went down, which a posted Esc could overtake.
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(Key(VK_SHIFT, true));
    EXPECT_TRUE(Tap(VK_ESCAPE) && o.WaitForExit());
    ASSERT_TRUE(ReleaseAfterClose(VK_SHIFT));
}

TEST(Tray, TheTrayMenuOpensFromTheIcon) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\n")));
    const HWND menu = HideAndOpenTrayMenu(o);
    ASSERT_NE(menu, nullptr);
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
    ASSERT_TRUE(SendMessageTimeoutA(o.frame, kSettingsChangedMessage, 0, 0, SMTO_NORMAL, kWaitMs, &result));
    EXPECT_TRUE(RegisterHotKey(nullptr, 1, kCtrlAlt, 'A'));
    EXPECT_FALSE(RegisterHotKey(nullptr, 2, kCtrlAlt, 'B'));
    UnregisterHotKey(nullptr, 1);
    ASSERT_TRUE(o.Close());
    EXPECT_TRUE(RegisterHotKey(nullptr, 2, kCtrlAlt, 'B'));
    UnregisterHotKey(nullptr, 2);
}

namespace {
// Toggles the border by a posted command and waits for it: every message posted to the frame
// before it has then been handled, whichever loop handed it on.
bool AfterPostedMessages(const Overlay& o) {
    const LONG style = GetWindowLongA(o.frame, GWL_STYLE);
    PostMessageA(o.frame, WM_COMMAND, 32791, 0);
    return WaitUntil([&] { return GetWindowLongA(o.frame, GWL_STYLE) != style; });
}
HWND OpenMenu(const Overlay& o) { return FindProcessWindow(o.process.dwProcessId, "#32768"); }
}  // namespace

TEST(ModalLoops, NoMenuOpensWhileADialogIsUp) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=700\r\nHeight=600\r\n")));
    PostMessageA(o.frame, WM_COMMAND, 0x80, 0);
    HWND dialog = o.WaitForWindow("等分割数の設定");
    ASSERT_NE(dialog, nullptr);
    const RECT f = o.FrameRect();
    RECT d{};
    GetWindowRect(dialog, &d);
    ASSERT_GT(d.left - f.left, 40);  // the dialog is centred: room beside it
    ASSERT_TRUE(PointerTo(f.left + 20, f.top + 20));
    ASSERT_TRUE(RightButton(true));
    ASSERT_TRUE(RightButton(false));
    // The release as the back pane and the grip hear it too.
    PostMessageA(o.back, WM_RBUTTONUP, 0, MAKELPARAM(20, 20));
    PostMessageA(FindProcessWindow(o.process.dwProcessId, kGripClass), WM_RBUTTONUP, 0, 0);
    ASSERT_TRUE(AfterPostedMessages(o));
    EXPECT_EQ(OpenMenu(o), nullptr);
    // Exit waits for the dialog; the dialog's end then closes the overlay.
    PostMessageA(o.frame, WM_COMMAND, 32769, 0);
    ASSERT_TRUE(AfterPostedMessages(o));
    EXPECT_TRUE(IsWindow(dialog));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(o.WaitForExit());
}

TEST(ModalLoops, TheHotKeyDuringTheSaveDialogKeepsTheFramesPlace) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=833\r\n")));  // Ctrl+Alt+A
    ASSERT_TRUE(o.MoveTo(70, 90));
    const RECT f = o.FrameRect();
    PostMessageA(o.frame, WM_COMMAND, 32772, 0);
    HWND save = o.WaitForWindow("キャプチャーの保存");
    ASSERT_NE(save, nullptr);
    ASSERT_TRUE(Hidden(o));
    ASSERT_TRUE(FocusOn(save));
    for (WORD key : {VK_CONTROL, VK_MENU}) ASSERT_TRUE(Key(key, true));
    ASSERT_TRUE(Tap('A'));
    for (WORD key : {VK_MENU, VK_CONTROL}) ASSERT_TRUE(Key(key, false));
    // The hot key and a click on the icon as the frame gets them, for a certain arrival.
    PostMessageA(o.frame, WM_HOTKEY, kHotKeyId, 0);
    PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(AfterPostedMessages(o));
    EXPECT_FALSE(IsWindowVisible(o.frame));
    EXPECT_FALSE(IsWindowVisible(o.back));
    PostMessageA(save, WM_COMMAND, IDCANCEL, 0);
    ASSERT_TRUE(Shown(o));
    EXPECT_TRUE(o.SettlesAt(f));
    ASSERT_TRUE(o.Close());
}

// With the set hidden, the tray menu or the version box is open: what would bring the set back
// does nothing. The back pane shown meanwhile on its own stands above the frame on the X server;
// once the set is back, the frame is above it again.
TEST(ModalLoops, NothingBringsTheSetBackDuringTheTrayMenuOrABox) {
    for (const bool box : {false, true}) {
        Overlay o;
        ASSERT_TRUE(o.Start(Ini("Tray=1\r\n")));
        HWND loop = nullptr;
        if (box) {
            PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
            ASSERT_TRUE(Hidden(o));
            PostMessageA(o.frame, WM_COMMAND, 32790, 0);
            loop = o.WaitForWindow("ペモカ");
        } else {
            loop = HideAndOpenTrayMenu(o);
        }
        ASSERT_NE(loop, nullptr) << box;
        PostMessageA(o.frame, WM_COMMAND, 32792, 0);  // the back pane on its own
        PostMessageA(o.frame, WM_COMMAND, 32788, 0);
        PostMessageA(o.frame, WM_HOTKEY, kHotKeyId, 0);
        PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
        ASSERT_TRUE(AfterPostedMessages(o)) << box;
        EXPECT_FALSE(IsWindowVisible(o.frame)) << box;
        if (box)
            PostMessageA(loop, WM_COMMAND, IDOK, 0);
        else
            PostMessageA(loop, WM_KEYDOWN, VK_ESCAPE, 0);
        ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(loop); })) << box;
        PostMessageA(o.frame, WM_COMMAND, 32788, 0);
        ASSERT_TRUE(Shown(o)) << box;
        EXPECT_TRUE(WaitUntil([&] { return XStackedAbove(o.frame, o.back); })) << box;
        ASSERT_TRUE(o.Close()) << box;
    }
}
