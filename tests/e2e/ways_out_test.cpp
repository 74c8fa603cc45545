// Every way out of a running overlay keeps what the person set: Alt+F4 on any of its windows,
// the end of the session, and hiding to the notification area in the middle of something.
#include <gtest/gtest.h>

#include <string>

#include "../win/shell_icon.h"
#include "overlay/guides/guide_table.h"
#include "overlay/menus/tray.h"
#include "overlay/windows/navigation_grip.h"
#include "overlay_harness.h"

namespace {
// Halves, the guide after the thirds, remembered with the flag.
const std::string kHalvesRemembered = std::to_string(0x80000000u | kGuideNames[1].mask);
const std::string kRememberingTray = Ini("InitRule=2147483648\r\nTray=1\r\nHotkey=0\r\n");

HWND Grip(const Overlay& o) { return FindProcessWindow(o.process.dwProcessId, kGripClass); }
bool HasTrayIcon(HWND frame) { return ShellHoldsIcon(frame, kTrayIconId); }
bool Visible(HWND w) { return w && IsWindowVisible(w); }
bool AnyShown(const Overlay& o) { return Visible(o.frame) || Visible(o.back) || Visible(Grip(o)); }

// Hides the set to the icon and brings it back: the icon stays, as after every restore.
bool ShowAfterTray(const Overlay& o) {
    PostMessageA(o.frame, WM_KEYDOWN, VK_ESCAPE, 0);
    if (!WaitUntil([&] { return !AnyShown(o); })) return false;
    PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
    return WaitUntil([&] { return Visible(o.frame) && Visible(o.back); }) && HasTrayIcon(o.frame);
}
}  // namespace

// A press on the back pane makes it the active window on Windows; half a second after a click
// the grip is. Alt+F4 then closes through the close sequence, as on the frame.
TEST(WaysOut, AltF4OnTheBackPaneOrTheGripClosesAndKeeps) {
    for (const bool onGrip : {false, true}) {
        Overlay o;
        ASSERT_TRUE(o.Start(kRememberingTray)) << onGrip;
        ASSERT_TRUE(o.Focus()) << onGrip;
        // The halves' vertical line shows once N has been handled: Esc, posted next, would
        // otherwise go ahead of the key, which the system delivers after posted messages.
        ASSERT_TRUE(Tap('N') && WaitUntil([&] { return IsRed(o.ClientPixel(99, 30)); })) << onGrip;
        ASSERT_TRUE(ShowAfterTray(o)) << onGrip;
        if (onGrip) {
            // Shown, it is the active window; the X server's keyboard focus stays on the frame,
            // and Wine hands the keys to the active window. A grip that hid again before it was
            // seen is called once more.
            const RECT f = o.FrameRect();
            bool active = false;
            for (int attempt = 0; attempt < 3 && !active; ++attempt) {
                ASSERT_TRUE(PointerTo(f.left + 60, f.top + 50) && LeftButton(true) && LeftButton(false));
                active = WaitUntil([&] { return GetForegroundWindow() == Grip(o); });
            }
            ASSERT_TRUE(active);
        } else {
            ASSERT_TRUE(FocusOn(o.back));
        }
        // Alt goes up whatever happens, or every later test would hear it held.
        const bool pressed = Key(VK_MENU, true) && Tap(VK_F4);
        EXPECT_TRUE(o.WaitForExit()) << onGrip;
        ASSERT_TRUE(ReleaseAfterClose(VK_MENU));
        ASSERT_TRUE(pressed) << onGrip;
        EXPECT_EQ(IniValue(o.SettingsText(), "InitRule"), kHalvesRemembered) << onGrip;
        EXPECT_FALSE(HasTrayIcon(o.frame)) << onGrip;
    }
}

// Windows sends no close at the end of a session and may end the process as soon as the end is
// answered: the file is written by then, also while a box of the overlay is open.
TEST(WaysOut, TheEndOfTheSessionWritesTheFileAndTakesTheIcon) {
    for (const bool duringBox : {false, true}) {
        Overlay o;
        ASSERT_TRUE(o.Start(kRememberingTray)) << duringBox;
        PostMessageA(o.frame, WM_COMMAND, kGuideNames[1].mask, 0);
        ASSERT_TRUE(ShowAfterTray(o)) << duringBox;
        if (duringBox) {
            PostMessageA(o.frame, WM_COMMAND, 32790, 0);  // the version box
            ASSERT_NE(o.WaitForWindow("ペモカ"), nullptr);
        }
        DWORD_PTR answer = 0;
        ASSERT_TRUE(SendMessageTimeoutA(o.frame, WM_QUERYENDSESSION, 0, 0, SMTO_NORMAL, kWaitMs, &answer));
        EXPECT_TRUE(answer) << "the end of the session is never refused";
        ASSERT_TRUE(SendMessageTimeoutA(o.frame, WM_ENDSESSION, TRUE, 0, SMTO_NORMAL, kWaitMs, &answer));
        EndProcess(o.process);
        EXPECT_EQ(IniValue(o.SettingsText(), "InitRule"), kHalvesRemembered) << duringBox;
        EXPECT_FALSE(HasTrayIcon(o.frame)) << duringBox;
    }
}

// Esc right after a click, or in the middle of an edge drag: nothing of the set stays or turns up
// again, and the set comes back as the drag had left it.
TEST(WaysOut, HidingToTheTrayEndsADragAndSendsTheGripAway) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Tray=1\r\nHotkey=0\r\n")));
    ASSERT_TRUE(o.Focus());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(PointerTo(f.left + 60, f.top + 50) && LeftButton(true) && LeftButton(false));
    ASSERT_TRUE(Tap(VK_ESCAPE));
    ASSERT_TRUE(WaitUntil([&] { return !AnyShown(o); }));
    EXPECT_FALSE(WaitUntil([&] { return AnyShown(o); }, 1000)) << "the grip that the click called stays away";

    PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
    ASSERT_TRUE(o.SettlesAt(f));
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(PointerTo(f.right - 3, f.top + 100));
    ASSERT_TRUE(PointerOver(o.back, o.frame)) << "the restored set has reached the X server";
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; }));
    ASSERT_TRUE(PointerTo(f.right + 27, f.top + 100));
    const RECT wider{f.left, f.top, f.right + 30, f.bottom};
    ASSERT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), wider); }));
    ASSERT_TRUE(Tap(VK_ESCAPE));
    ASSERT_TRUE(WaitUntil([&] { return !AnyShown(o) && CaptureOf(o) == nullptr; }));
    ASSERT_TRUE(LeftButton(false));
    EXPECT_FALSE(WaitUntil([&] { return AnyShown(o); }, 1000)) << "the release shows nothing";

    PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_LBUTTONDOWN);
    EXPECT_TRUE(o.SettlesAt(wider));
    EXPECT_TRUE(WaitUntil([&] { return XStackedAbove(o.frame, o.back); }));
    ASSERT_TRUE(o.Close());
}

namespace {
// The grip is an ordinary window that any screen copy takes: a capture while it shows saves
// nothing of it. Without a compositor X leaves a hidden window's pixels on the windows below
// until their owner repaints them, and the capture must wait for that.
void ExpectCaptureWithoutTheGrip() {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=240\r\nHeight=200\r\n")));
    const RECT f = o.FrameRect();
    ASSERT_TRUE(PointerTo(f.left + 40, f.top + 40) && LeftButton(true) && LeftButton(false));
    ASSERT_TRUE(WaitUntil([&] { return Visible(Grip(o)); }));
    const HWND grip = Grip(o);
    // Its lit half is on the screen before the capture is asked for.
    RECT g{};
    GetWindowRect(grip, &g);
    ASSERT_TRUE(WaitUntil([&] { return NearColour(ScreenPixel(g.left + 5, g.top + 5), 0xFFC8C8, 12) ||
                                       NearColour(ScreenPixel(g.right - 5, g.bottom - 5), 0xFFC8C8, 12); }));
    PostMessageA(o.frame, WM_COMMAND, 32772, 0);
    HWND dialog = o.WaitForWindow("キャプチャーの保存");
    ASSERT_NE(dialog, nullptr);
    for (int box : {0x47C, 0x480}) SetDlgItemTextA(dialog, box, "grip");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return FileExists(o.dir + "grip.bmp") && Visible(o.frame); }));
    ASSERT_TRUE(o.Close());
    const std::string file = ReadTextFile(o.dir + "grip.bmp");
    const int w = f.right - f.left, h = f.bottom - f.top;
    ASSERT_EQ(file.size(), 54u + 4u * w * h);
    // Nowhere its lit half, and where it stood none of its black lines either.
    int lit = 0, black = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const auto* p = reinterpret_cast<const unsigned char*>(file.data() + 54 + 4u * ((h - 1 - y) * w + x));
            const COLORREF c = RGB(p[2], p[1], p[0]);
            lit += NearColour(c, 0xFFC8C8, 12);
            const POINT at{f.left + x, f.top + y};
            black += PtInRect(&g, at) && NearColour(c, RGB(0, 0, 0));
        }
    EXPECT_EQ(lit, 0);
    EXPECT_EQ(black, 0);
}
}  // namespace

TEST(WaysOut, ACaptureWhileTheGripShowsSavesNoneOfIt) {
    {
        SCOPED_TRACE("as the session runs");
        ExpectCaptureWithoutTheGrip();
    }
    const WithoutCompositor session;
    if (!session.ready) GTEST_SKIP() << "the display's compositing manager is not the session's to stop";
    SCOPED_TRACE("without a compositor");
    ExpectCaptureWithoutTheGrip();
}

// Six events that once left the back pane's X window above the frame's for good, so that
// without a compositor its white square hid the guides: the back pane switched off and on while
// a menu of the frame stands above it.
TEST(WaysOut, TheBackPaneSwitchDuringAMenuKeepsItBelowTheFrame) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Ext=32768\r\n")));
    const auto menu = [&] { return FindProcessWindow(o.process.dwProcessId, "#32768"); };
    const auto menuOpen = [&] { return Visible(menu()); };
    // Esc until the menu has gone: the first may come before the menu loop takes keys.
    const auto closeMenu = [&] {
        return WaitUntil([&] {
            if (menuOpen()) PostMessageA(menu(), WM_KEYDOWN, VK_ESCAPE, 0);
            return !menuOpen();
        });
    };
    PostMessageA(o.frame, WM_RBUTTONUP, 0, 0);
    ASSERT_TRUE(WaitUntil(menuOpen));
    PostMessageA(o.frame, WM_COMMAND, 64, 0);
    ASSERT_TRUE(closeMenu());
    PostMessageA(o.frame, WM_RBUTTONUP, 0, 0);
    ASSERT_TRUE(WaitUntil(menuOpen));
    PostMessageA(o.frame, WM_COMMAND, 32792, 0);
    ASSERT_TRUE(WaitUntil([&] { return !Visible(o.back); }));
    PostMessageA(o.frame, WM_COMMAND, 32792, 0);
    ASSERT_TRUE(WaitUntil([&] { return Visible(o.back); }));
    ASSERT_TRUE(closeMenu());
    EXPECT_TRUE(WaitUntil([&] { return XStackedAbove(o.frame, o.back); }));
    ASSERT_TRUE(o.Close());
}
