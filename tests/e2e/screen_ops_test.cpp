// The fit and the capture of a running overlay, over a window of the test's own whose edges
// are known: white, with a black rectangle around the frame.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <utility>
#include <vector>

#include "overlay/screen/content_edge.h"
#include "overlay_harness.h"

namespace {
// Under a loaded compositor Wine's windows may show a band of up to 31 pixels right of and below
// them until their size settles, where the fit reads the screen. Frames of whole multiples of
// 32 pixels have none.
const std::string kFrameSize = "Width=256\r\nHeight=192\r\n";

RECT Grown(const RECT& r, int by) { return {r.left - by, r.top - by, r.right + by, r.bottom + by}; }

// Holds until the overlay has handled a message, whatever loop it is in.
bool Handled(const Overlay& o, UINT msg, WPARAM wp) {
    DWORD_PTR result;
    return SendMessageTimeoutA(o.frame, msg, wp, 0, SMTO_NORMAL, kWaitMs, &result) != 0;
}

template <typename T>
T Field(const std::string& file, size_t offset) {
    T value{};
    if (offset + sizeof value <= file.size()) std::memcpy(&value, file.data() + offset, sizeof value);
    return value;
}
}  // namespace

TEST(Fit, GrowsTheFrameOutToTheEdgesAroundIt) {
    // A black band of 20 beyond every side: the top and left move out by 20 onto its first
    // line, and the bottom and right by 19 to keep its last line inside.
    const struct { const char* ini; POINT at; bool grows; } cases[] = {
        {"FitRange=50", {-1, -1}, true},
        {"FitRange=100000", {-1, -1}, true},  // strips cut at the screen's edges
        {"FitRange=50", {30, 30}, true},      // 30 from the corner: strips of 30 above and left
        {"FitRange=1", {-1, -1}, false},
    };
    for (const auto& c : cases) {
        Overlay o;
        ASSERT_TRUE(o.Start(Ini(kFrameSize + c.ini + "\r\n"))) << c.ini;
        if (c.at.x >= 0) {
            ASSERT_TRUE(o.MoveTo(c.at.x, c.at.y));
        }
        const RECT f = o.FrameRect();
        Content content;
        ASSERT_TRUE(content.Black(f, 20)) << c.ini;
        PostMessageA(o.frame, WM_COMMAND, 32771, 0);
        if (c.grows) {
            EXPECT_TRUE(o.SettlesAt(Grown(f, 20))) << c.ini << " at " << c.at.x;
        } else {
            // Then 1:1, which keeps the corner and the height: it shows where the frame was
            // after the fit.
            PostMessageA(o.frame, WM_COMMAND, 32774, 0);
            EXPECT_TRUE(o.SettlesAt({f.left, f.top, f.left + (f.bottom - f.top), f.bottom})) << c.ini;
        }
        ASSERT_TRUE(o.Close());
    }
}

TEST(Fit, TheFKeyFitsAtOnce) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini(kFrameSize)));
    const RECT f = o.FrameRect();
    Content content;
    ASSERT_TRUE(content.Black(f, 30));
    ASSERT_TRUE(o.Focus());
    ASSERT_TRUE(Tap('F'));
    EXPECT_TRUE(o.SettlesAt(Grown(f, 30)));
    ASSERT_TRUE(o.Close());
}

TEST(Capture, CancelWritesNothingAndBringsTheWindowsBack) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    ASSERT_TRUE(o.MoveTo(100, 80));
    const RECT f = o.FrameRect();
    PostMessageA(o.frame, WM_COMMAND, 32772, 0);
    HWND dialog = o.WaitForWindow("キャプチャーの保存");
    ASSERT_NE(dialog, nullptr);
    EXPECT_FALSE(IsWindowVisible(o.frame));
    EXPECT_FALSE(IsWindowVisible(o.back));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); }));
    EXPECT_TRUE(o.SettlesAt(f));
    ASSERT_TRUE(o.Close());
    WIN32_FIND_DATAA found;
    HANDLE h = FindFirstFileA((o.dir + "*.bmp").c_str(), &found);
    EXPECT_EQ(h, INVALID_HANDLE_VALUE) << found.cFileName;
    if (h != INVALID_HANDLE_VALUE) FindClose(h);
}

TEST(Capture, SavesTheFrameAreaWhileFitAndCaptureWait) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini(kFrameSize)));
    const RECT f = o.FrameRect();
    const int w = f.right - f.left, h = f.bottom - f.top;
    Content content;
    ASSERT_TRUE(content.Black(f, 20));  // a fit now would find these edges
    PostMessageA(o.frame, WM_COMMAND, 32772, 0);
    HWND dialog = o.WaitForWindow("キャプチャーの保存");
    ASSERT_NE(dialog, nullptr);

    // Handed on by the dialog's own loop, they must leave the capture's snapshot alone: a
    // second capture would open a second dialog and never return here.
    ASSERT_TRUE(Handled(o, WM_KEYDOWN, 'F'));
    ASSERT_TRUE(Handled(o, WM_COMMAND, 32771));
    ASSERT_TRUE(Handled(o, WM_COMMAND, 32772));

    // The name box: the combo box of newer dialogs, or the plain edit.
    for (int box : {0x47C, 0x480}) SetDlgItemTextA(dialog, box, "shot");
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(o.frame) && IsWindowVisible(o.back); }));
    EXPECT_TRUE(o.SettlesAt(f));

    const std::string file = ReadTextFile(o.dir + "shot.bmp");  // in the program's folder, ".bmp" added
    ASSERT_EQ(file.size(), 54u + 4u * w * h);
    EXPECT_EQ(Field<uint32_t>(file, 2), file.size());
    EXPECT_EQ(Field<int32_t>(file, 18), w);
    EXPECT_EQ(Field<int32_t>(file, 22), h);
    // The frame's area is black away from the guide lines; rows are stored bottom-up.
    for (POINT p : {POINT{20, 20}, POINT{w - 20, h - 20}, POINT{w / 2, 5}}) {
        const size_t at = 54 + 4u * ((h - 1 - p.y) * w + p.x);
        const uint32_t bgr = Field<uint32_t>(file, at);
        EXPECT_TRUE(NearColour(RGB(bgr >> 16 & 0xFF, bgr >> 8 & 0xFF, bgr & 0xFF), RGB(0, 0, 0))) << p.x << "," << p.y;
    }
    ASSERT_TRUE(o.Close());
}
