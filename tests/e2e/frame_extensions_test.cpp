// The dimming outside the frame (Ext 0x0040) and the work tools' capture switch (Ctrl+H) in a
// running overlay, with real input. The darkening shows only under a compositor, which the
// test sessions run.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>

#include "overlay_harness.h"

namespace {
// A full-screen window of the test's own in the backdrop's blue that counts the left presses
// it gets.
int g_presses = 0;
LRESULT CALLBACK CountingProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN) ++g_presses;
    return DefWindowProcA(hwnd, msg, wp, lp);
}

struct CountingBackdrop {
    WNDCLASSA wc{};
    HWND hwnd = nullptr;
    CountingBackdrop() {
        wc.lpfnWndProc = CountingProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = CreateSolidBrush(kBackdropColour);
        wc.lpszClassName = "pemoka_test_counting_blue";
        RegisterClassA(&wc);
        hwnd = CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, nullptr, WS_POPUP | WS_VISIBLE, 0, 0,
                               GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                               wc.hInstance, nullptr);
        UpdateWindow(hwnd);
    }
    ~CountingBackdrop() {
        DestroyWindow(hwnd);
        UnregisterClassA(wc.lpszClassName, wc.hInstance);
        DeleteObject(wc.hbrBackground);
    }
};

// The backdrop's blue at half strength: darkened by the default level of 50 %.
bool Dimmed(COLORREF c) { return NearColour(c, RGB(0, 0, 127), 30); }

// The settings file's Ext, read with every sharing allowed: the overlay may write it meanwhile.
std::string ExtInFile(const Overlay& o) {
    HANDLE f = CreateFileA(o.SettingsPath().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                           nullptr, OPEN_EXISTING, 0, nullptr);
    if (f == INVALID_HANDLE_VALUE) return "";
    std::string text(GetFileSize(f, nullptr), '\0');
    DWORD read = 0;
    ReadFile(f, text.data(), static_cast<DWORD>(text.size()), &read, nullptr);
    CloseHandle(f);
    text.resize(read);
    return IniValue(text, "Ext");
}

bool CtrlKey(WORD key, const std::function<bool()>& done) {
    const bool ok = Key(VK_CONTROL, true) && Tap(key) && WaitUntil(done);
    return Key(VK_CONTROL, false) && ok;
}
}  // namespace

// Outside the frame the screen is darker, inside it is not; D switches the dimming off and on
// again, a move by key takes it along, and a real click outside reaches the window beneath.
TEST(Dimming, DarkensAroundTheFrameAndLetsClicksThrough) {
    CountingBackdrop beneath;
    Overlay o;
    // Sides of whole multiples of 32: a loaded compositor shows no band right of and below them.
    ASSERT_TRUE(o.Start(Ini("Ext=64\r\nWidth=256\r\nHeight=192\r\n")));
    ASSERT_TRUE(o.MoveTo(200, 200));
    const POINT outside{100, 600}, inside{200 + 30, 200 + 30};
    ASSERT_TRUE(WaitUntil([&] { return Dimmed(ScreenPixel(outside.x, outside.y)); }))
        << std::hex << ScreenPixel(outside.x, outside.y);
    EXPECT_TRUE(ShowsBackdrop(ScreenPixel(inside.x, inside.y)));
    EXPECT_TRUE(WaitUntil([&] { return Dimmed(ScreenPixel(200, 199)) && Dimmed(ScreenPixel(456, 300)); }))
        << "right up to the frame's edges: " << std::hex << ScreenPixel(200, 199) << " " << ScreenPixel(456, 300);

    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(Tap('D'));
    EXPECT_TRUE(WaitUntil([&] { return ShowsBackdrop(ScreenPixel(outside.x, outside.y)); })) << "off for the session";
    ASSERT_TRUE(Tap('D'));
    EXPECT_TRUE(WaitUntil([&] { return Dimmed(ScreenPixel(outside.x, outside.y)); }));
    // A move by key takes the dimming along.
    ASSERT_TRUE(Tap(VK_RIGHT));
    ASSERT_TRUE(o.SettlesAt({201, 200, 457, 392}));
    EXPECT_TRUE(WaitUntil([&] { return Dimmed(ScreenPixel(200, 300)) && ShowsBackdrop(ScreenPixel(202, 300)); }));

    // Last, as the click may take the keyboard to the window beneath.
    g_presses = 0;
    ASSERT_TRUE(PointerTo(outside.x, outside.y));
    ASSERT_TRUE(LeftButton(true) && LeftButton(false));
    EXPECT_TRUE(WaitUntil([&] { return g_presses > 0; })) << "the press went through the dimming";
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "Ext"), "64");
}

// Waits for cond without handling this thread's messages, so that the X events Wine holds for
// this program stay unread meanwhile.
bool WaitUnread(const std::function<bool()>& cond) {
    for (const DWORD end = GetTickCount() + kWaitMs; !cond();) {
        if (static_cast<int>(GetTickCount() - end) >= 0) return false;
        Sleep(5);
    }
    return true;
}

// D held while the dimming goes: the pointer, over a strip, comes to lie over the window beneath,
// whose program (this test) is told which keys are down as the pointer enters. Read after D's
// release, that news makes the system's key state say D is still down, and Wine marks the next
// D as a repeat of it. That D still switches the dimming back on.
TEST(Dimming, DPressedRightAfterAReleaseIsNoRepeat) {
    CountingBackdrop beneath;
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Ext=64\r\nWidth=256\r\nHeight=192\r\n")));
    ASSERT_TRUE(o.MoveTo(200, 200));
    const POINT outside{100, 600};
    ASSERT_TRUE(PointerTo(outside.x, outside.y));
    ASSERT_TRUE(WaitUntil([&] { return Dimmed(ScreenPixel(outside.x, outside.y)); }));
    const HWND strip = FindProcessWindow(o.process.dwProcessId, "__pemoka_246__Dim");
    ASSERT_NE(strip, nullptr);
    ASSERT_TRUE(o.Focus());

    ASSERT_TRUE(Key('D', true));
    ASSERT_TRUE(WaitUnread([&] { return !IsWindowVisible(strip); }));
    ASSERT_TRUE(Key('D', false));
    // Asking for a key's state reads the asking thread's news first: another thread watches for
    // the release, and this one reads its news only once the release is in.
    bool released = false;
    std::thread([&] { released = WaitUnread([] { return (GetAsyncKeyState('D') & 0x8000) == 0; }); }).join();
    ASSERT_TRUE(released);
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
    const bool stale = (GetAsyncKeyState('D') & 0x8000) != 0;
    ASSERT_TRUE(Tap('D'));
    EXPECT_TRUE(WaitUntil([&] { return Dimmed(ScreenPixel(outside.x, outside.y)); }))
        << "on again; the key state said D was down after its release: " << stale;
    ASSERT_TRUE(o.Close());
}

// Without the bit nothing is darkened and D does nothing.
TEST(Dimming, NothingWithoutItsBit) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Ext=0\r\n[DIM]\r\nLevel=90\r\n")));
    ASSERT_TRUE(o.Focus());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(Tap('D') && Tap(VK_RIGHT));
    ASSERT_TRUE(o.SettlesAt({f.left + 1, f.top, f.right + 1, f.bottom}));
    EXPECT_TRUE(ShowsBackdrop(ScreenPixel(20, 20)));
    EXPECT_EQ(FindProcessWindow(o.process.dwProcessId, "__pemoka_246__Dim"), nullptr);
    ASSERT_TRUE(o.Close());
}

// Ctrl+H switches Ext 0x0400 at once and writes it; twice leaves Ext as it was.
TEST(CaptureSwitch, CtrlHTwiceLeavesExtAsItWas) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Ext=4096\r\n")));
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(CtrlKey('H', [&] { return ExtInFile(o) == "5120"; })) << o.SettingsText();
    ASSERT_TRUE(CtrlKey('H', [&] { return ExtInFile(o) == "4096"; })) << o.SettingsText();
    PostMessageA(o.frame, WM_COMMAND, 32800, 0);  // the menu's item does the same
    EXPECT_TRUE(WaitUntil([&] { return ExtInFile(o) == "5120"; }));
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "Ext"), "5120");
}

// A capture copies the screen with the dimming away, and it comes back with the set after the
// save dialog.
TEST(Dimming, LeavesTheScreenForACapture) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Ext=64\r\n")));
    const auto stripsShown = [&] {
        int shown = 0;
        for (HWND w = FindWindowExA(nullptr, nullptr, "__pemoka_246__Dim", nullptr); w;
             w = FindWindowExA(nullptr, w, "__pemoka_246__Dim", nullptr)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            shown += pid == o.process.dwProcessId && IsWindowVisible(w);
        }
        return shown;
    };
    ASSERT_TRUE(WaitUntil([&] { return stripsShown() == 4; }));
    PostMessageA(o.frame, WM_COMMAND, 32772, 0);
    HWND dialog = o.WaitForWindow("キャプチャーの保存");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(stripsShown(), 0);
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog) && stripsShown() == 4; }));
    ASSERT_TRUE(o.Close());
}
