#include <gtest/gtest.h>

#include "overlay_harness.h"

namespace {
RECT Offset(RECT r, int dl, int dt, int dr, int db) { return {r.left + dl, r.top + dt, r.right + dr, r.bottom + db}; }

std::string Shown(const RECT& r) {
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

// A left drag with real input: press at from, move through the path and release at its end.
// live is the frame the drag shows before the release.
void Drag(const Overlay& o, POINT from, std::initializer_list<POINT> path, const RECT& live) {
    ASSERT_TRUE(PointerTo(from.x, from.y));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; })) << "the back pane takes the mouse";
    for (POINT p : path) ASSERT_TRUE(PointerTo(p.x, p.y));
    EXPECT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), live); }))
        << "during the drag: " << Shown(o.FrameRect()) << ", want " << Shown(live);
    ASSERT_TRUE(LeftButton(false));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == nullptr; })) << "the release frees the mouse";
}

class MoveResize : public ::testing::Test {
protected:
    Overlay o;
    RECT start{};
    void SetUp() override {
        ASSERT_TRUE(o.Start(Ini("InitRule=2147483648\r\n")));
        start = o.FrameRect();
        ASSERT_TRUE(o.Focus());
    }
    // Presses key (with modifiers held) and waits for the frame to settle at want.
    void Press(WORD key, std::initializer_list<WORD> modifiers, const RECT& want) {
        for (WORD m : modifiers) ASSERT_TRUE(Key(m, true));
        ASSERT_TRUE(Tap(key));
        EXPECT_TRUE(o.SettlesAt(want)) << "key " << key << ": frame " << Shown(o.FrameRect()) << " back "
                                       << Shown(o.BackRect()) << ", want " << Shown(want);
        for (WORD m : modifiers) ASSERT_TRUE(Key(m, false));
    }
};
}  // namespace

TEST_F(MoveResize, InteriorDragMovesBothWindows) {
    const POINT grab{start.left + 90, start.top + 40};  // off the guide lines
    const RECT moved = Offset(start, 60, 50, 60, 50);
    Drag(o, grab, {{grab.x + 20, grab.y + 10}, {grab.x + 60, grab.y + 50}}, moved);
    EXPECT_TRUE(o.SettlesAt(moved));
    EXPECT_EQ(GetWindow(o.frame, GW_HWNDNEXT), o.back);
}

TEST_F(MoveResize, EdgeAndCornerDragsResize) {
    RECT want = Offset(start, 0, 0, 30, 0);
    Drag(o, {start.right - 3, start.top + 100}, {{start.right + 10, start.top + 100}, {start.right + 27, start.top + 120}},
         want);
    EXPECT_TRUE(o.SettlesAt(want));
    // Bottom-left corner: left edge and bottom edge follow the pointer.
    const RECT before = want;
    want = Offset(want, -22, 0, 0, 15);
    Drag(o, {before.left + 2, before.bottom - 2}, {{before.left - 20, before.bottom + 13}}, want);
    EXPECT_TRUE(o.SettlesAt(want));
}

TEST_F(MoveResize, DragBelowFortyChangesNothing) {
    Drag(o, {start.right - 2, start.bottom - 2}, {{start.left + 30, start.bottom + 40}}, start);
    EXPECT_TRUE(o.SettlesAt(start, 500));
    EXPECT_TRUE(SameRect(o.FrameRect(), start));
}

TEST_F(MoveResize, ArrowKeysMoveAndResize) {
    RECT want = start;
    const struct { WORD key; bool shift, ctrl; int dl, dt, dr, db; } steps[] = {
        {VK_LEFT, false, false, -1, 0, -1, 0},  {VK_DOWN, false, false, 0, 1, 0, 1},
        {VK_RIGHT, true, false, 4, 0, 4, 0},    {VK_UP, true, false, 0, -4, 0, -4},
        {VK_RIGHT, false, true, 0, 0, 2, 0},    {VK_DOWN, false, true, 0, 0, 0, 2},
        {VK_LEFT, true, true, 0, 0, -8, 0},     {VK_UP, true, true, 0, 0, 0, -8},
    };
    for (const auto& s : steps) {
        want = Offset(want, s.dl, s.dt, s.dr, s.db);
        if (s.shift && s.ctrl)
            Press(s.key, {VK_SHIFT, VK_CONTROL}, want);
        else if (s.shift)
            Press(s.key, {VK_SHIFT}, want);
        else if (s.ctrl)
            Press(s.key, {VK_CONTROL}, want);
        else
            Press(s.key, {}, want);
    }
    // Held keys repeat: repeated key-downs (previous-state bit set) act each time.
    for (int i = 0; i < 3; ++i) PostMessageA(o.frame, WM_KEYDOWN, VK_RIGHT, 0x40000001);
    EXPECT_TRUE(o.SettlesAt(Offset(want, 3, 0, 3, 0)));
}

TEST_F(MoveResize, CtrlArrowStopsAtForty) {
    // Shrink to 41 x 200 with Ctrl+Shift+Left (8 each) and Ctrl+Left (2), pointer far away.
    ASSERT_TRUE(PointerTo(5, 5));
    RECT want = start;
    for (int i = 0; i < 19; ++i) Press(VK_LEFT, {VK_SHIFT, VK_CONTROL}, want = Offset(want, 0, 0, -8, 0));
    ASSERT_EQ(want.right - want.left, 48);
    for (int i = 0; i < 3; ++i) Press(VK_LEFT, {VK_CONTROL}, want = Offset(want, 0, 0, -2, 0));
    ASSERT_EQ(want.right - want.left, 42);
    Press(VK_LEFT, {VK_CONTROL}, want = Offset(want, 0, 0, -2, 0));  // 42 -> 40
    // Stays 40. Ctrl+Down after it shows when both have been handled with Ctrl still held; it
    // grows by 1 only, as the frozen width (pointer left of the right edge) drops its first step.
    ASSERT_TRUE(Key(VK_CONTROL, true));
    ASSERT_TRUE(Tap(VK_LEFT));
    ASSERT_TRUE(Tap(VK_DOWN));
    EXPECT_TRUE(o.SettlesAt(want = Offset(want, 0, 0, 0, 1)));
    ASSERT_TRUE(Key(VK_CONTROL, false));
    // Pointer left of the right edge: the first application is frozen, so +1.
    ASSERT_TRUE(PointerTo(want.left + 5, want.top + 5));
    Press(VK_RIGHT, {VK_CONTROL}, want = Offset(want, 0, 0, 1, 0));
}

TEST_F(MoveResize, GuideKeysStepAndCycle) {
    auto lit = [&](int x, int y) { return WaitUntil([&] { return IsRed(o.ClientPixel(x, y)); }); };
    auto clear = [&](int x, int y) { return WaitUntil([&] { return !IsRed(o.ClientPixel(x, y)); }); };
    ASSERT_TRUE(lit(66, 30));
    Tap('E');  // thirds: vertical lines only
    EXPECT_TRUE(clear(30, 66));
    EXPECT_TRUE(lit(66, 30));
    Tap('E');  // horizontal lines only
    EXPECT_TRUE(clear(66, 30));
    EXPECT_TRUE(lit(30, 66));
    Tap('N');  // halves, the full cross again
    EXPECT_TRUE(lit(99, 30));
    EXPECT_TRUE(lit(30, 99));
    EXPECT_TRUE(clear(66, 30));
    Tap('B');  // back to thirds
    EXPECT_TRUE(lit(66, 30));
    EXPECT_TRUE(clear(99, 30));
    Tap('B');  // rabatment, remembered at close with the flag
    EXPECT_TRUE(clear(66, 30));
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "InitRule"), std::to_string(2147483648u + 0x200));
}

TEST_F(MoveResize, TakingTheCaptureEndsTheDrag) {
    ASSERT_TRUE(PointerTo(start.right - 3, start.top + 100));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; }));
    ASSERT_TRUE(PointerTo(start.right + 17, start.top + 100));
    const RECT wider = Offset(start, 0, 0, 20, 0);
    ASSERT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), wider); })) << Shown(o.FrameRect());
    EXPECT_TRUE(SameRect(o.BackRect(), start)) << "the back pane waits for the final step";

    // Another window takes the capture; the button is never released over the overlay. The
    // window stays hidden, so the overlay keeps the keyboard.
    HWND thief = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_TRUE(AttachThreadInput(GetCurrentThreadId(), o.process.dwThreadId, TRUE));
    SetCapture(thief);
    ReleaseCapture();
    AttachThreadInput(GetCurrentThreadId(), o.process.dwThreadId, FALSE);
    EXPECT_TRUE(o.SettlesAt(wider)) << "the back pane is aligned as after a release";
    ASSERT_TRUE(LeftButton(false));
    DestroyWindow(thief);

    // The drag is over: moving the pointer resizes nothing, and outside moves couple again.
    ASSERT_TRUE(PointerTo(start.right + 60, start.top + 100));
    ASSERT_TRUE(Tap(VK_LEFT));  // a key after the move: once it has acted, the move has been handled
    EXPECT_TRUE(o.SettlesAt(Offset(wider, -1, 0, -1, 0)));
    SetWindowPos(o.frame, nullptr, 100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_TRUE(o.SettlesAt({100, 100, 100 + 220, 100 + 200}));
}

TEST(Escape, ClosesAndWritesUnlessTrayIsOne) {
    for (const char* tray : {"0", "2"}) {
        Overlay o;
        ASSERT_TRUE(o.Start(Ini(std::string("Tray=") + tray + "\r\n")));
        ASSERT_TRUE(o.Focus());
        ASSERT_TRUE(Tap(VK_ESCAPE));
        EXPECT_TRUE(o.WaitForExit()) << "Tray=" << tray;
        EXPECT_EQ(IniValue(o.SettingsText(), "Tray"), tray);
    }
}
