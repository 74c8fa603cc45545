// The navigation grip of a running overlay, driven by real clicks and drags.
#include <gtest/gtest.h>

#include "overlay/windows/frame_geometry.h"
#include "overlay/windows/navigation_grip.h"
#include "overlay_harness.h"

namespace {
HWND Grip(const Overlay& o) { return FindProcessWindow(o.process.dwProcessId, kGripClass); }

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// Waits until the grip shows, centred on the pointer (its square of size pixels, 24 at 96 DPI,
// from pointer - size / 2).
::testing::AssertionResult GripAtPointer(const Overlay& o, int size = kGripSize) {
    RECT r{};
    POINT p{};
    bool visible = false;
    if (WaitUntil([&] {
            HWND g = Grip(o);
            GetCursorPos(&p);
            r = WindowRect(g);
            visible = g && IsWindowVisible(g);
            const int x = p.x - size / 2, y = p.y - size / 2;
            return visible && SameRect(r, {x, y, x + size, y + size});
        }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "grip " << (visible ? "shown" : "hidden") << " at " << r.left << ","
                                         << r.top << ", pointer at " << p.x << "," << p.y;
}
bool GripHidden(const Overlay& o, int ms = kWaitMs) {
    return WaitUntil([&] { return !IsWindowVisible(Grip(o)); }, ms);
}

RECT Moved(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A click inside the frame calls the grip to the pointer.
bool ClickInside(const Overlay& o, int x, int y, int gripSize = kGripSize) {
    return PointerTo(x, y) && LeftButton(true) && LeftButton(false) && GripAtPointer(o, gripSize);
}


// Presses the left button at (dx, dy) from the grip's corner, with the grip called by a click at
// (x, y). The grip hides itself after its pause, so a slow press may reach the frame instead:
// that press is released, which calls the grip again, and the press is tried once more.
bool PressOnGrip(const Overlay& o, int x, int y, int dx, int dy) {
    if (!ClickInside(o, x, y)) return false;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const RECT g = WindowRect(Grip(o));
        if (!PointerTo(g.left + dx, g.top + dy) || !PointerOver(Grip(o)) || !LeftButton(true)) return false;
        HWND holder = nullptr;
        if (!WaitUntil([&] { return (holder = CaptureOf(o)) != nullptr; })) return false;
        if (holder == Grip(o)) return true;
        if (!LeftButton(false) || !GripAtPointer(o)) return false;
    }
    return false;
}

// Calls the grip with a click at (x, y) and opens its menu with a real right click; the menu.
HWND GripMenu(const Overlay& o, int x, int y) {
    if (!ClickInside(o, x, y) || !PointerOver(Grip(o)) || !RightButton(true) || !RightButton(false)) return nullptr;
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); });
    return menu;
}
}  // namespace

TEST(Grip, AClickCallsItAndItsUpperHalfMovesTheWindowSet) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    // Pressed at its centre, in the move half: it hides while the drag moves both windows.
    ASSERT_TRUE(PressOnGrip(o, f.left + 50, f.top + 60, 12, 12));
    ASSERT_TRUE(GripHidden(o));
    POINT p{};
    GetCursorPos(&p);
    ASSERT_TRUE(PointerTo(p.x + 30, p.y - 5));
    EXPECT_TRUE(o.SettlesAt(Moved(f, 30, -5)));
    ASSERT_TRUE(LeftButton(false));
    EXPECT_TRUE(GripAtPointer(o));  // back at the pointer after the release
    // Left alone, it hides after its pause.
    EXPECT_TRUE(GripHidden(o, 6000));
    ASSERT_TRUE(o.Close());
}

TEST(Grip, ItsLowerHalfMovesTheRightAndBottomEdges) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(PressOnGrip(o, f.left + 50, f.top + 60, 19, 19));  // client (18, 18)
    ASSERT_TRUE(GripHidden(o));
    POINT p{};
    GetCursorPos(&p);
    ASSERT_TRUE(PointerTo(p.x + 20, p.y + 10));
    EXPECT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), {f.left, f.top, f.right + 20, f.bottom + 10}); }));
    ASSERT_TRUE(LeftButton(false));
    EXPECT_TRUE(o.SettlesAt({f.left, f.top, f.right + 20, f.bottom + 10}));  // the back pane aligned
    EXPECT_TRUE(GripAtPointer(o));
    ASSERT_TRUE(o.Close());
}

TEST(Grip, ARightClickOpensTheMenuAndItComesBackAfter) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    const HWND menu = GripMenu(o, f.left + 50, f.top + 60);
    ASSERT_NE(menu, nullptr);
    EXPECT_FALSE(IsWindowVisible(Grip(o)));
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(menu); }));
    EXPECT_TRUE(GripAtPointer(o));
    ASSERT_TRUE(o.Close());
}

namespace {
// The overlay's active window.
HWND Active(const Overlay& o) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(o.frame, nullptr), &info);
    return info.hwndActive;
}
}  // namespace

// The grip's menu chose a dialog; the grip's show, armed when the menu closed, waits for the
// dialog to end, and the keyboard stays with the dialog.
TEST(Grip, ADialogFromItsMenuKeepsTheKeyboard) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=400\r\nHeight=300\r\n")));
    const RECT f = o.FrameRect();
    const HWND menu = GripMenu(o, f.left + 40, f.top + 40);
    ASSERT_NE(menu, nullptr);
    ASSERT_TRUE(PointerTo(f.left + 10, f.top + 10));  // no hovered item moves the keys' start
    MenuKeys(menu, {{VK_HOME, 1}, {VK_DOWN, 4}, {VK_RETURN, 1}});  // "等分割数ダイアログ"
    HWND dialog = o.WaitForWindow("等分割数の設定");
    ASSERT_NE(dialog, nullptr);
    // Twice the grip's show delay: it must not turn up or take the dialog's place.
    EXPECT_FALSE(WaitUntil([&] { return IsWindowVisible(Grip(o)) || Active(o) != dialog; }, 1000));
    EXPECT_FALSE(IsWindowVisible(Grip(o)));
    EXPECT_EQ(Active(o), dialog);
    ASSERT_TRUE(FocusOn(dialog));
    ASSERT_TRUE(Tap(VK_ESCAPE));
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    EXPECT_EQ(WaitForSingleObject(o.process.hProcess, 0), WAIT_TIMEOUT);  // only the dialog closed
    EXPECT_TRUE(IsWindowVisible(o.frame));
    // And the overlay takes keys again.
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(Tap(VK_RIGHT));
    EXPECT_TRUE(o.SettlesAt(Moved(f, 1, 0)));
    ASSERT_TRUE(o.Close());
}

// A resize drag on the grip whose capture a dialog takes (the system sends WM_CANCELMODE):
// the drag ends there, and the back pane follows the frame again.
TEST(Grip, ADragThatLosesTheMouseEndsAndTheBackPaneFollowsAgain) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(PressOnGrip(o, f.left + 50, f.top + 60, 19, 19));
    POINT p{};
    GetCursorPos(&p);
    ASSERT_TRUE(PointerTo(p.x + 15, p.y + 5));
    ASSERT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), {f.left, f.top, f.right + 15, f.bottom + 5}); }));
    PostMessageA(Grip(o), WM_CANCELMODE, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == nullptr; }));
    ASSERT_TRUE(LeftButton(false));
    EXPECT_TRUE(o.SettlesAt({f.left, f.top, f.right + 15, f.bottom + 5}));  // the final step aligned it
    EXPECT_TRUE(o.MoveTo(f.left - 30, f.top + 20));
    EXPECT_TRUE(GripHidden(o));
    ASSERT_TRUE(o.Close());
}

// A release over the grip that ends no press on it: pressed outside the overlay, released on
// the grip's resize half.
TEST(Grip, AReleaseWithoutAPressOnItChangesNothing) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(ClickInside(o, f.left + 50, f.top + 60));
    const RECT g = WindowRect(Grip(o));
    ASSERT_TRUE(PointerTo(f.right + 40, f.bottom + 40));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(PointerTo(g.left + 19, g.top + 19));  // the resize half, hovered
    ASSERT_TRUE(LeftButton(false));
    // The hover and the release as the grip gets them, for a certain arrival, then a marker
    // command that is carried out after them (the style read before it is posted).
    const LONG style = GetWindowLongA(o.frame, GWL_STYLE);
    PostMessageA(Grip(o), WM_MOUSEMOVE, 0, MAKELPARAM(18, 18));
    PostMessageA(Grip(o), WM_LBUTTONUP, 0, MAKELPARAM(18, 18));
    PostMessageA(o.frame, WM_COMMAND, 32791, 0);
    ASSERT_TRUE(WaitUntil([&] { return GetWindowLongA(o.frame, GWL_STYLE) != style; }));
    EXPECT_TRUE(o.SettlesAt(f));
    ASSERT_TRUE(o.Close());
}

// What the pointer must hit keeps its size to the eye on a scaled screen: at 144 DPI the grip
// is 36 pixels and the edge zones 11, so a press 10 pixels inside the right edge resizes; at
// 96 DPI the grip is 24 and the same press lies in the interior and moves.
TEST(Grip, ItAndTheEdgeZonesGrowWithTheDisplayScale) {
    const struct { DWORD dpi; int grip; bool resizes; } cases[] = {{144, 36, true}, {96, 24, false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.dpi);
        const LogPixels scale(c.dpi);
        Overlay o;
        ASSERT_TRUE(o.Start());
        const RECT f = o.FrameRect();
        ASSERT_TRUE(ClickInside(o, f.left + 50, f.top + 60, c.grip));
        const POINT from{f.right - 10, f.top + 100};
        ASSERT_TRUE(PointerTo(from.x, from.y));
        ASSERT_TRUE(PointerOver(o.back, o.frame));
        ASSERT_TRUE(LeftButton(true));
        ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; }));
        ASSERT_TRUE(PointerTo(from.x + 20, from.y));
        const RECT want = c.resizes ? RECT{f.left, f.top, f.right + 20, f.bottom} : Moved(f, 20, 0);
        EXPECT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), want); }));
        ASSERT_TRUE(LeftButton(false));
        EXPECT_TRUE(o.SettlesAt(want));
        ASSERT_TRUE(o.Close());
    }
}
