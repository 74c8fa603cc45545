// The own lines' sections in a real settings file, and the dimming's windows.
#include <gtest/gtest.h>

#include <string>

#include "../win/temp_folder.h"
#include "overlay/menus/guide_frame.h"
#include "overlay/windows/dimming.h"
#include "overlay/windows/own_guides.h"
#include "overlay/windows/window_set.h"
#include "settings/settings_record.h"

namespace {
const std::string kSet =
    "[SET]\r\nWidth=640\r\nHeight=480\r\nInitRule=1\r\nLineColor=255\r\nLineWidth=2\r\nDivNumV=-1\r\nDivNumH=-1\r\n"
    "DivWidthV=-1\r\nDivWidthH=-1\r\nFitRange=50\r\nAspectV=-1\r\nAspectH=-1\r\nTray=0\r\nHotkey=0\r\nOuter=1\r\n"
    "Ext=128\r\n";
}  // namespace

// Junk in the sections is dropped on reading; what is written back is the valid part, and
// section "SET" stays as it was to the byte.
TEST(OwnLineSections, RoundTripLeavesSetUntouched) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    WriteTextFile(path, kSet + "[GUIDES]\r\nV=2500,junk,2500,0,10000,7500\r\nH= 5000 \r\n[LAYOUTGUIDES]\r\n2V=1000\r\n"
                               "2H=\r\n3H=abc\r\n[LAYOUT]\r\n2=10,10,300,200,1,0\r\n");
    OwnGuides read{};
    ReadOwnLinesFrom(Wide(path).c_str(), read);
    EXPECT_EQ(read.lines.count[kOwnVertical], 2);
    EXPECT_EQ(read.lines.at[kOwnVertical][1], 7500);
    EXPECT_EQ(read.lines.count[kOwnHorizontal], 1);
    EXPECT_TRUE(read.slotHeld[1]) << "slot 2 has lines: one vertical, no horizontal";
    EXPECT_EQ(read.slots[1].count[kOwnVertical], 1);
    EXPECT_EQ(read.slots[1].count[kOwnHorizontal], 0);
    EXPECT_TRUE(read.slotHeld[2]) << "slot 3's key is there, with no valid line";
    EXPECT_EQ(read.slots[2].count[kOwnHorizontal], 0);
    EXPECT_FALSE(read.slotHeld[0]) << "a slot kept before there were lines";

    ASSERT_EQ(WriteOwnLinesTo(Wide(path).c_str(), read.lines), 1);
    const std::string text = ReadTextFile(path);
    EXPECT_EQ(text.rfind(kSet, 0), 0u) << text;
    EXPECT_NE(text.find("[GUIDES]\r\nV=2500,7500\r\nH=5000\r\n"), std::string::npos) << text;
    EXPECT_NE(text.find("[LAYOUT]\r\n2=10,10,300,200,1,0\r\n"), std::string::npos) << text;
    OwnGuides again{};
    ReadOwnLinesFrom(Wide(path).c_str(), again);
    EXPECT_EQ(again.lines, read.lines);
    EXPECT_EQ(WriteOwnLinesTo(nullptr, read.lines), 0);
    WriteTextFile(path, "[GUIDES]\r\nV=" + std::string(5000, '7') + "\r\n");  // absurdly long
    ReadOwnLinesFrom(Wide(path).c_str(), again);
    EXPECT_EQ(again.lines.count[kOwnVertical], 0);
}

namespace {
// The overlay's windows in this process, with the dimming's bit, at 300 x 200 in the middle.
class DimmingTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_settings = DefaultSettings();
        g_settings.Width = 300;
        g_settings.Height = 200;
        g_settings.Ext = 0x0040;
        g_windows = {};
        g_dimming.on = true;
        g_windows.instance = GetModuleHandleA(nullptr);
        ASSERT_EQ(CreateOverlay(g_windows.instance), 1);
        CentreWindowSet(SW_SHOWNOACTIVATE);
        ApplyDimmingSettings();
    }
    void TearDown() override {
        DestroyOverlayWindows();
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        }
    }
    int ShownStrips() const {
        int n = 0;
        for (HWND s : g_dimming.strips) n += s && IsWindowVisible(s);
        return n;
    }
};

RECT RectOf(HWND w) {
    RECT r{};
    GetWindowRect(w, &r);
    return r;
}
}  // namespace

// Four strips around the frame, click-through and never activated, that follow the frame, go
// with the set and leave for a screen copy.
TEST_F(DimmingTest, StripsAroundTheFrameTakeNoInput) {
    ASSERT_EQ(ShownStrips(), 4);
    for (HWND s : g_dimming.strips) {
        const LONG_PTR ex = GetWindowLongPtrA(s, GWL_EXSTYLE);
        EXPECT_EQ(ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST),
                  WS_EX_LAYERED | WS_EX_TRANSPARENT | WS_EX_NOACTIVATE | WS_EX_TOOLWINDOW | WS_EX_TOPMOST);
        EXPECT_EQ(SendMessageA(s, WM_NCHITTEST, 0, 0), HTTRANSPARENT);
        EXPECT_EQ(SendMessageA(s, WM_MOUSEACTIVATE, 0, 0), MA_NOACTIVATE);
        BYTE alpha = 0;
        DWORD flags = 0;
        ASSERT_TRUE(GetLayeredWindowAttributes(s, nullptr, &alpha, &flags));
        EXPECT_EQ(alpha, 128);
        EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
    }
    const RECT f = RectOf(g_windows.frame);
    EXPECT_EQ(RectOf(g_dimming.strips[0]).bottom, f.top);
    EXPECT_EQ(RectOf(g_dimming.strips[1]).top, f.bottom);
    EXPECT_EQ(RectOf(g_dimming.strips[2]).right, f.left);
    EXPECT_EQ(RectOf(g_dimming.strips[3]).left, f.right);

    SetWindowPos(g_windows.frame, nullptr, 10, 20, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(RectOf(g_dimming.strips[0]).bottom, 20) << "it follows a frame placed by anyone";
    EXPECT_EQ(RectOf(g_dimming.strips[2]).right, 10);
    EXPECT_TRUE(HideDimming());
    EXPECT_EQ(ShownStrips(), 0);
    EXPECT_FALSE(HideDimming()) << "nothing was shown the second time";
    ReturnDimming();
    EXPECT_EQ(ShownStrips(), 4);
    HideWindowSet();
    EXPECT_EQ(ShownStrips(), 0) << "it hides with the set";
    RestoreWindowSet();
    EXPECT_EQ(ShownStrips(), 4);
    SwitchDimming();
    EXPECT_EQ(ShownStrips(), 0);
    SwitchDimming();
    EXPECT_EQ(ShownStrips(), 4);
}

// Without the bit there are no strips; the bit given by a reload makes them.
TEST_F(DimmingTest, OnlyWithItsBit) {
    g_settings.Ext = 0;
    ApplyDimmingSettings();
    EXPECT_EQ(g_dimming.strips[0], nullptr);
    g_settings.Ext = 0x0040;
    ApplyDimmingSettings();
    EXPECT_EQ(ShownStrips(), 4);
}
