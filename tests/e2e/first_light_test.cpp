#include <gtest/gtest.h>

#include "overlay_harness.h"
#include "settings/shared_names.h"

namespace {
// Waits for client pixel (x, y) to satisfy pred (paints arrive asynchronously).
bool PixelBecomes(const Overlay& o, int x, int y, bool (*pred)(COLORREF)) {
    return WaitUntil([&] { return pred(o.ClientPixel(x, y)); });
}
}  // namespace

TEST(FirstLight, FreshStartShowsThirdsInACentredFrame) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start());

    const RECT r = o.FrameRect();
    EXPECT_EQ(r.right - r.left, 200);
    EXPECT_EQ(r.bottom - r.top, 200);
    EXPECT_EQ(r.left, (GetSystemMetrics(SM_CXSCREEN) - 200) / 2);
    EXPECT_EQ(r.top, (GetSystemMetrics(SM_CYSCREEN) - 200) / 2);
    EXPECT_TRUE(GetWindowLongA(o.frame, GWL_STYLE) & WS_BORDER);
    EXPECT_TRUE(GetWindowLongA(o.frame, GWL_EXSTYLE) & WS_EX_TOPMOST);

    // The back pane: same rectangle, directly below the frame.
    EXPECT_TRUE(SameRect(o.BackRect(), r));
    EXPECT_EQ(GetWindow(o.frame, GW_HWNDNEXT), o.back);

    // Red thirds at 66 and 132 of the 198-pixel client, each waited for (the screen may take
    // the first paint in parts); see-through in between.
    for (const POINT p : {POINT{66, 30}, POINT{132, 170}, POINT{30, 66}, POINT{170, 132}})
        EXPECT_TRUE(PixelBecomes(o, p.x, p.y, IsRed)) << p.x << ", " << p.y;
    EXPECT_TRUE(ShowsBackdrop(o.ClientPixel(30, 30)));
    EXPECT_TRUE(ShowsBackdrop(o.ClientPixel(100, 100)));
    // The one-pixel border is drawn, and is not the backdrop.
    for (const POINT p : {POINT{r.left, r.top + 30}, POINT{r.right - 1, r.top + 100}})
        EXPECT_TRUE(WaitUntil([&] { return !ShowsBackdrop(ScreenPixel(p.x, p.y)); })) << p.x << ", " << p.y;

    ASSERT_TRUE(o.Close());
    EXPECT_EQ(o.SettingsText(),
              "[SET]\r\nWidth=200\r\nHeight=200\r\nInitRule=1\r\nLineColor=255\r\nLineWidth=2\r\n"
              "DivNumV=-1\r\nDivNumH=-1\r\nDivWidthV=-1\r\nDivWidthH=-1\r\nFitRange=50\r\nAspectV=-1\r\n"
              "AspectH=-1\r\nTray=0\r\nHotkey=0\r\nOuter=1\r\nExt=0\r\n");
}

TEST(FirstLight, NoBorderWithOuterZero) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=300\r\nHeight=240\r\nOuter=0\r\n")));
    const RECT r = o.FrameRect();
    EXPECT_EQ(r.right - r.left, 300);
    EXPECT_EQ(r.bottom - r.top, 240);
    EXPECT_FALSE(GetWindowLongA(o.frame, GWL_STYLE) & WS_BORDER);
    EXPECT_EQ(o.ClientOrigin().x, r.left);
    // Thirds of 300 x 240 without a border: x = 100, 200 and y = 80, 160.
    EXPECT_TRUE(PixelBecomes(o, 100, 30, IsRed));
    EXPECT_TRUE(PixelBecomes(o, 30, 160, IsRed));
    EXPECT_TRUE(ShowsBackdrop(ScreenPixel(r.left, r.top + 30)));
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "Outer"), "0");
    EXPECT_EQ(IniValue(o.SettingsText(), "Width"), "300");
}

TEST(FirstLight, InitRuleThroughARun) {
    const struct { const char* rule; bool halves; const char* written; } cases[] = {
        {"0", false, "0"},
        {"2147483648", false, "2147483649"},
        {"2147483652", true, "2147483652"},
        {"4", true, "4"},
    };
    Backdrop backdrop(kBackdropColour);
    for (const auto& c : cases) {
        Overlay o;
        ASSERT_TRUE(o.Start(Ini(std::string("InitRule=") + c.rule + "\r\n"))) << c.rule;
        // Halves put a line through the centre (99 of 198); thirds leave it clear.
        EXPECT_TRUE(PixelBecomes(o, c.halves ? 99 : 66, 30, IsRed)) << c.rule;
        EXPECT_EQ(IsRed(o.ClientPixel(99, 30)), c.halves) << c.rule;
        EXPECT_EQ(IsRed(o.ClientPixel(66, 30)), !c.halves) << c.rule;
        ASSERT_TRUE(o.Close());
        EXPECT_EQ(IniValue(o.SettingsText(), "InitRule"), c.written) << c.rule;
    }
}

TEST(FirstLight, SettingsChangedMessageRepaintsInTheNewColour) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start());
    ASSERT_TRUE(PixelBecomes(o, 66, 30, IsRed));
    WriteTextFile(o.SettingsPath(), Ini("LineColor=65280\r\nInitRule=4\r\n"));  // green, halves
    DWORD_PTR result;
    ASSERT_TRUE(SendMessageTimeoutA(o.frame, kSettingsChangedMessage, 0, 0, SMTO_ABORTIFHUNG, 5000, &result));
    EXPECT_TRUE(PixelBecomes(o, 99, 30, [](COLORREF c) { return NearColour(c, RGB(0, 255, 0)); }));
    EXPECT_TRUE(PixelBecomes(o, 66, 30, ShowsBackdrop));
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "LineColor"), "65280");
}

TEST(FirstLight, WhiteLinesAreKeyedOut) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("LineColor=16777215\r\n")));
    // The border comes to the screen with the first paint of the frame.
    const RECT r = o.FrameRect();
    ASSERT_TRUE(WaitUntil([&] { return !ShowsBackdrop(ScreenPixel(r.left, r.top + 30)); }));
    EXPECT_TRUE(ShowsBackdrop(o.ClientPixel(100, 100)));
    for (int at : {65, 66, 67, 131, 132, 133}) {
        EXPECT_TRUE(ShowsBackdrop(o.ClientPixel(at, 30))) << at;
        EXPECT_TRUE(ShowsBackdrop(o.ClientPixel(30, at))) << at;
    }
    ASSERT_TRUE(o.Close());
}

TEST(FirstLight, MovingTheFrameFromOutsideBringsTheBackPane) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=260\r\nHeight=180\r\n")));
    SetWindowPos(o.frame, nullptr, 37, 51, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT want{37, 51, 37 + 260, 51 + 180};
    EXPECT_TRUE(WaitUntil([&] { return SameRect(o.BackRect(), want); }));
    EXPECT_TRUE(SameRect(o.FrameRect(), want));
    EXPECT_EQ(GetWindow(o.frame, GW_HWNDNEXT), o.back);
    // And the other way round: the frame follows the back pane.
    SetWindowPos(o.back, nullptr, 400, 300, 300, 200, SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT moved{400, 300, 700, 500};
    EXPECT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), moved); }));
    EXPECT_EQ(GetWindow(o.frame, GW_HWNDNEXT), o.back);
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "Width"), "260");  // the size is never stored
}

TEST(FirstLight, ClosingTheBackPaneEndsWithoutWriting) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    PostMessageA(o.back, WM_CLOSE, 0, 0);
    EXPECT_TRUE(o.WaitForExit());
    EXPECT_FALSE(FileExists(o.SettingsPath()));
}

TEST(FirstLight, LongFoldersReadAndWriteOnlyWhatTheyReach) {
    const std::string ini = Ini("Width=240\r\n");
    {
        Overlay o;  // a folder of 249 bytes: the full path and the settings file path are 259 bytes
        ASSERT_TRUE(o.UseFolderForPathLength(259));
        ASSERT_TRUE(o.Start(ini));
        EXPECT_EQ(o.FrameRect().right - o.FrameRect().left, 240);
        ASSERT_TRUE(o.Close());
        EXPECT_EQ(IniValue(o.SettingsText(), "Width"), "240");
        EXPECT_EQ(IniValue(o.SettingsText(), "Ext"), "0");
    }
    {
        // Folder and file name would pass 259 bytes, where the profile functions reach no file:
        // defaults, and the close writes the user's own file.
        PerUserSettings user;
        Overlay o;
        ASSERT_TRUE(o.UseFolderForPathLength(262));
        ASSERT_TRUE(o.Start(ini));
        EXPECT_EQ(o.FrameRect().right - o.FrameRect().left, 200);
        ASSERT_TRUE(o.Close());
        EXPECT_EQ(o.SettingsText(), ini);
        EXPECT_EQ(IniValue(ReadTextFile(user.path), "Width"), "200");
    }
}
