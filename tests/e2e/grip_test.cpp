// The navigation grip of a running overlay, driven by real clicks and drags.
#include <gtest/gtest.h>

#include "overlay_harness.h"

namespace {
HWND Grip(const Overlay& o) { return FindProcessWindow(o.process.dwProcessId, "NaviWindow"); }

RECT WindowRect(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}

// Waits until the grip shows, centred on the pointer (its 24 x 24 square from pointer - 12).
bool GripAtPointer(const Overlay& o) {
    return WaitUntil([&] {
        HWND g = Grip(o);
        POINT p{};
        GetCursorPos(&p);
        return g && IsWindowVisible(g) && SameRect(WindowRect(g), {p.x - 12, p.y - 12, p.x + 12, p.y + 12});
    });
}
bool GripHidden(const Overlay& o, int ms = kWaitMs) {
    return WaitUntil([&] { return !IsWindowVisible(Grip(o)); }, ms);
}

RECT Moved(const RECT& r, int dx, int dy) { return {r.left + dx, r.top + dy, r.right + dx, r.bottom + dy}; }

// A click inside the frame calls the grip to the pointer.
bool ClickInside(const Overlay& o, int x, int y) {
    return PointerTo(x, y) && LeftButton(true) && LeftButton(false) && GripAtPointer(o);
}
}  // namespace

TEST(Grip, AClickCallsItAndItsUpperHalfMovesTheWindowSet) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(ClickInside(o, f.left + 50, f.top + 60));
    // Pressed at its centre, in the move half: it hides while the drag moves both windows.
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(GripHidden(o));
    ASSERT_TRUE(PointerTo(f.left + 80, f.top + 55));
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
    ASSERT_TRUE(ClickInside(o, f.left + 50, f.top + 60));
    const RECT g = WindowRect(Grip(o));
    ASSERT_TRUE(PointerTo(g.left + 19, g.top + 19));  // client (18, 18)
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(GripHidden(o));
    ASSERT_TRUE(PointerTo(g.left + 39, g.top + 29));
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
    ASSERT_TRUE(ClickInside(o, f.left + 50, f.top + 60));
    ASSERT_TRUE(RightButton(true));
    ASSERT_TRUE(RightButton(false));
    HWND menu = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); }));
    EXPECT_FALSE(IsWindowVisible(Grip(o)));
    PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(menu); }));
    EXPECT_TRUE(GripAtPointer(o));
    ASSERT_TRUE(o.Close());
}
