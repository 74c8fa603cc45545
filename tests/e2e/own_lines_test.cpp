// The person's own guide lines (Ext 0x0080) in a running overlay, with real keys and a real drag:
// added at the pointer, dragged, selected, moved and removed from the keyboard, and kept through
// a close, a resize and a layout slot.
#include <gtest/gtest.h>

#include <string>

#include "overlay_harness.h"

namespace {
// A frame of 240 x 180 with its border: a client of 238 x 178, the thirds at 79 and 158 across
// and 59 and 118 down.
std::string LinesIni(const char* ext, const char* guides = "") {
    return Ini(std::string("Ext=") + ext + "\r\nWidth=240\r\nHeight=180\r\n") + guides;
}

// A vertical line at client x shows down the client (rows chosen off the thirds' lines).
bool VerticalAt(const Overlay& o, int x) {
    return IsRed(o.ClientPixel(x, 30)) && IsRed(o.ClientPixel(x, 90)) && IsRed(o.ClientPixel(x, 150));
}
bool NoVerticalAt(const Overlay& o, int x) { return !IsRed(o.ClientPixel(x, 30)) && !IsRed(o.ClientPixel(x, 150)); }
bool HorizontalAt(const Overlay& o, int y) { return IsRed(o.ClientPixel(30, y)) && IsRed(o.ClientPixel(200, y)); }

// Presses key with Shift held until done holds; Shift goes up whatever happens.
bool ShiftKey(WORD key, const std::function<bool()>& done) {
    const bool ok = Key(VK_SHIFT, true) && Tap(key) && WaitUntil(done);
    return Key(VK_SHIFT, false) && ok;
}

bool CtrlKey(WORD key, const std::function<bool()>& done, bool shift = false) {
    bool ok = (!shift || Key(VK_SHIFT, true)) && Key(VK_CONTROL, true) && Tap(key) && WaitUntil(done);
    ok = Key(VK_CONTROL, false) && ok;
    return (!shift || Key(VK_SHIFT, false)) && ok;
}
}  // namespace

// G adds a line at the pointer; a real drag takes it along, and one let go outside the frame
// is gone.
TEST(OwnLines, GAtThePointerThenADragOfThatLine) {
    Overlay o;
    ASSERT_TRUE(o.Start(LinesIni("128")));
    ASSERT_TRUE(o.MoveTo(100, 100));
    ASSERT_TRUE(o.Focus());
    const POINT c = o.ClientOrigin();
    ASSERT_TRUE(PointerTo(c.x + 40, c.y + 100));
    ASSERT_TRUE(Tap('G'));
    ASSERT_TRUE(WaitUntil([&] { return VerticalAt(o, 40); })) << "a vertical line at the pointer";
    ASSERT_TRUE(PointerTo(c.x + 100, c.y + 140));
    ASSERT_TRUE(ShiftKey('G', [&] { return HorizontalAt(o, 140); })) << "Shift+G: a horizontal one";

    const RECT f = o.FrameRect();
    ASSERT_TRUE(PointerTo(c.x + 41, c.y + 100));  // a pixel beside the line still takes it
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; }));
    ASSERT_TRUE(PointerTo(c.x + 80, c.y + 100));
    ASSERT_TRUE(PointerTo(c.x + 131, c.y + 100));
    EXPECT_TRUE(WaitUntil([&] { return VerticalAt(o, 130) && NoVerticalAt(o, 40); })) << "the line follows";
    ASSERT_TRUE(LeftButton(false));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == nullptr; }));
    EXPECT_TRUE(SameRect(o.FrameRect(), f)) << "the frame stays where it was";
    EXPECT_TRUE(HorizontalAt(o, 140));

    // Dragged past the frame's right edge and let go there: removed.
    ASSERT_TRUE(PointerTo(c.x + 130, c.y + 100));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; }));
    ASSERT_TRUE(PointerTo(f.right + 60, c.y + 100));
    ASSERT_TRUE(LeftButton(false));
    EXPECT_TRUE(WaitUntil([&] { return NoVerticalAt(o, 130) && NoVerticalAt(o, 236); })) << "gone";
    EXPECT_TRUE(SameRect(o.FrameRect(), f));
    ASSERT_TRUE(o.Close());
    EXPECT_NE(o.SettingsText().find("[GUIDES]\r\nV=\r\nH=7865\r\n"), std::string::npos) << o.SettingsText();
}

// Tab selects (the line turns dashed), the arrows move the selected line and not the frame,
// Esc only clears the selection, Delete removes the selected line.
TEST(OwnLines, TabArrowsEscapeAndDelete) {
    Overlay o;
    ASSERT_TRUE(o.Start(LinesIni("128", "[GUIDES]\r\nV=5000\r\nH=9000\r\n")));
    ASSERT_TRUE(WaitUntil([&] { return VerticalAt(o, 119) && HorizontalAt(o, 160); }));
    const RECT f = o.FrameRect();
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(Tap(VK_TAB));
    // Dashes of 8 pixels with gaps of 6: row 10 lies in the first gap.
    ASSERT_TRUE(WaitUntil([&] { return IsRed(o.ClientPixel(119, 4)) && !IsRed(o.ClientPixel(119, 10)); })) << [&] {
        std::string column;
        for (int y = 0; y < 20; ++y) column += IsRed(o.ClientPixel(119, y)) ? 'r' : '.';
        return column;
    }();
    ASSERT_TRUE(Tap(VK_RIGHT));
    ASSERT_TRUE(ShiftKey(VK_RIGHT, [&] { return IsRed(o.ClientPixel(130, 4)) && !IsRed(o.ClientPixel(119, 4)); }))
        << "11 pixels to the right";
    EXPECT_TRUE(SameRect(o.FrameRect(), f)) << "the frame stays";
    ASSERT_TRUE(Tap(VK_ESCAPE));
    ASSERT_TRUE(WaitUntil([&] { return VerticalAt(o, 130) && IsRed(o.ClientPixel(130, 10)); })) << "solid again";
    ASSERT_TRUE(Tap(VK_DELETE));  // nothing selected: nothing to remove
    ASSERT_TRUE(Tap(VK_LEFT));    // and the arrows move the frame again
    EXPECT_TRUE(o.SettlesAt({f.left - 1, f.top, f.right - 1, f.bottom}));
    EXPECT_TRUE(VerticalAt(o, 130));
    ASSERT_TRUE(Tap(VK_TAB));
    ASSERT_TRUE(Tap(VK_TAB));  // the horizontal line
    ASSERT_TRUE(Tap(VK_DELETE));
    EXPECT_TRUE(WaitUntil([&] { return !IsRed(o.ClientPixel(30, 160)); }));
    EXPECT_TRUE(VerticalAt(o, 130));
    ASSERT_TRUE(Tap(VK_TAB));
    ASSERT_TRUE(Tap(VK_TAB));  // past the last line: none selected, and Esc closes as before
    ASSERT_TRUE(Tap(VK_ESCAPE));
    EXPECT_TRUE(o.WaitForExit());
    EXPECT_NE(o.SettingsText().find("[GUIDES]\r\nV=5462\r\nH=\r\n"), std::string::npos) << o.SettingsText();
}

// The lines are kept through a resize (in parts of the frame), a layout slot, the menu's group
// and a close and a start.
TEST(OwnLines, KeptThroughAResizeALayoutAndARestart) {
    Overlay o;
    ASSERT_TRUE(o.Start(LinesIni("4224", "[GUIDES]\r\nV=2500\r\n")));  // with the work tools
    ASSERT_TRUE(o.MoveTo(100, 100));
    ASSERT_TRUE(WaitUntil([&] { return VerticalAt(o, 60); }));
    SetWindowPos(o.frame, nullptr, 100, 100, 400, 180, SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(o.SettlesAt({100, 100, 500, 280}));
    ASSERT_TRUE(WaitUntil([&] { return VerticalAt(o, 100) && NoVerticalAt(o, 60); })) << "a quarter of 398";
    ASSERT_TRUE(o.Focus());
    // Stored in slot 3 with its line; the line goes, and comes back with the slot.
    ASSERT_TRUE(Key(VK_SHIFT, true));
    const bool stored = Key(VK_CONTROL, true) && Tap('3') && Tap(VK_RIGHT) && o.SettlesAt({100, 100, 508, 280});
    ASSERT_TRUE(Key(VK_CONTROL, false) && Key(VK_SHIFT, false));
    ASSERT_TRUE(stored);
    ASSERT_TRUE(Tap(VK_TAB) && Tap(VK_DELETE));
    ASSERT_TRUE(WaitUntil([&] { return NoVerticalAt(o, 100); }));
    ASSERT_TRUE(CtrlKey('3', [&] { return o.SettlesAt({100, 100, 500, 280}, 200) && VerticalAt(o, 100); }));

    // The menu's group: a line where the menu was opened, and all of them gone.
    HWND menu = o.OpenContextMenu();  // at (30, 30) from the frame's corner
    ASSERT_NE(menu, nullptr);
    MenuKeys(menu, {{VK_ESCAPE, 1}});
    ASSERT_TRUE(WaitUntil([&] { return !IsWindowVisible(menu); }));
    PostMessageA(o.frame, WM_COMMAND, 32796, 0);
    EXPECT_TRUE(WaitUntil([&] { return VerticalAt(o, 29); }));
    PostMessageA(o.frame, WM_COMMAND, 32798, 0);
    EXPECT_TRUE(WaitUntil([&] { return NoVerticalAt(o, 29) && NoVerticalAt(o, 100); }));
    ASSERT_TRUE(CtrlKey('3', [&] { return VerticalAt(o, 100); }));
    ASSERT_TRUE(o.Close());
    const std::string text = o.SettingsText();
    EXPECT_NE(text.find("[GUIDES]\r\nV=2500\r\nH=\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[LAYOUTGUIDES]\r\n3V=2500\r\n3H=\r\n"), std::string::npos) << text;
    // Started again from the same file: the line is there at once.
    ASSERT_TRUE(o.Start(nullptr));
    EXPECT_TRUE(WaitUntil([&] { return VerticalAt(o, 60); }));
    ASSERT_TRUE(o.Close());
}

// Without the bit nothing of this shows or is written: G and Tab do nothing, the lines in the
// file are not drawn and stay as they were.
TEST(OwnLines, NothingWithoutTheirBit) {
    Overlay o;
    ASSERT_TRUE(o.Start(LinesIni("0", "[GUIDES]\r\nV=5000\r\n")));
    ASSERT_TRUE(o.Focus());
    const RECT f = o.FrameRect();
    ASSERT_TRUE(PointerTo(f.left + 40, f.top + 100));
    for (WORD key : {WORD{'G'}, WORD{VK_TAB}, WORD{VK_RIGHT}}) ASSERT_TRUE(Tap(key));
    ASSERT_TRUE(o.SettlesAt({f.left + 1, f.top, f.right + 1, f.bottom})) << "the arrow moved the frame";
    EXPECT_TRUE(NoVerticalAt(o, 119));
    EXPECT_TRUE(NoVerticalAt(o, 40));
    ASSERT_TRUE(o.Close());
    EXPECT_NE(o.SettingsText().find("[GUIDES]\r\nV=5000\r\n"), std::string::npos) << o.SettingsText();
}

// While a box of the overlay is open its keys start nothing and a press on a line drags
// nothing; the menu's commands from outside are carried out, the line at the frame's middle
// when no menu was opened over the frame.
TEST(OwnLines, DuringABoxOfTheOverlay) {
    Overlay o;
    ASSERT_TRUE(o.Start(LinesIni("128", "[GUIDES]\r\nV=2500\r\n")));
    ASSERT_TRUE(o.MoveTo(40, 40));  // away from the box in the middle of the screen
    ASSERT_TRUE(WaitUntil([&] { return VerticalAt(o, 60); }));
    PostMessageA(o.frame, WM_COMMAND, 32790, 0);
    HWND box = o.WaitForWindow("ペモカ");
    ASSERT_NE(box, nullptr);
    const POINT c = o.ClientOrigin();
    PostMessageA(o.frame, WM_KEYDOWN, 'G', 0);
    PostMessageA(o.frame, WM_KEYDOWN, VK_TAB, 0);
    ASSERT_TRUE(PointerTo(c.x + 60, c.y + 100));
    ASSERT_TRUE(PointerOver(o.frame, o.back)) << "the press reaches the overlay, not the box";
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(PointerTo(c.x + 140, c.y + 100));
    ASSERT_TRUE(LeftButton(false));
    PostMessageA(o.frame, WM_COMMAND, 32797, 0);  // a horizontal line, handled after the keys
    ASSERT_TRUE(WaitUntil([&] { return HorizontalAt(o, 89); }));
    EXPECT_TRUE(VerticalAt(o, 60) && IsRed(o.ClientPixel(60, 10))) << "not dragged, not selected";
    EXPECT_TRUE(NoVerticalAt(o, 140));
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    ASSERT_TRUE(o.Close());
    EXPECT_NE(o.SettingsText().find("[GUIDES]\r\nV=2500\r\nH=5000\r\n"), std::string::npos) << o.SettingsText();
}
