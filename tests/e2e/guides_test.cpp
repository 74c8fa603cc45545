// The further guides and the division dialogs of a running overlay, chosen with WM_COMMAND
// as the context menu sends it, and E for the variants.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay/guides/guide_table.h"
#include "overlay_harness.h"

namespace {
std::string BoxText(HWND dialog, int id) {
    char text[32] = "";
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// Types into both boxes (null: leaves the box as it is), presses the button and waits for the
// dialog to go.
bool Answer(HWND dialog, const char* upper, const char* lower, int button) {
    if (upper) SetDlgItemTextA(dialog, 40004, upper);
    if (lower) SetDlgItemTextA(dialog, 40005, lower);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, button)));
    return WaitUntil([&] { return !IsWindow(dialog); });
}

struct Spot {
    int x, y;
};
// A slanted line may land a pixel either side of the computed point.
bool RedNear(const Overlay& o, Spot s) {
    for (int dx = -1; dx <= 1; ++dx)
        if (IsRed(o.ClientPixel(s.x + dx, s.y))) return true;
    return false;
}
// Waits until every red spot shows a line and every clear spot shows the backdrop; names the
// first spot that does not.
::testing::AssertionResult Shows(const Overlay& o, const std::vector<Spot>& red, const std::vector<Spot>& clear) {
    std::string wrong;
    auto at = [](const char* what, Spot s) { return what + std::to_string(s.x) + "," + std::to_string(s.y); };
    const bool ok = WaitUntil([&] {
        for (Spot s : red) {
            if (RedNear(o, s)) continue;
            wrong = at("no line at ", s);
            return false;
        }
        for (Spot s : clear) {
            if (ShowsBackdrop(o.ClientPixel(s.x, s.y))) continue;
            wrong = at("not clear at ", s);
            return false;
        }
        return true;
    });
    return ok ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << wrong;
}

// Starts the overlay and moves it off the centre of the screen, where other overlays come up.
bool StartAside(Overlay& o, const char* ini = nullptr) {
    return o.Start(ini) && o.MoveTo(40, 40);
}
bool StartAside(Overlay& o, const std::string& ini) { return StartAside(o, ini.c_str()); }

void PressE(const Overlay& o) { PostMessageA(o.frame, WM_KEYDOWN, 'E', 0); }

// The 198 x 198 client of the default frame: thirds at 66 and 132; 4 columns at 50, 99 and
// 149; 3 rows at 66 and 132.
const std::vector<Spot> kThirdsVertical{{66, 20}, {132, 20}}, kThirdsHorizontal{{20, 66}, {20, 132}};
const std::vector<Spot> kColumns{{50, 20}, {99, 20}, {149, 20}}, kRows{{20, 66}, {20, 132}};
}  // namespace

TEST(Guides, CountDialogSetsTheGridAndECyclesIt) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(StartAside(o));
    ASSERT_TRUE(Shows(o, kThirdsVertical, {{50, 20}}));

    PostMessageA(o.frame, WM_COMMAND, 128, 0);
    HWND dialog = o.WaitForWindow("等分割数の設定");
    ASSERT_NE(dialog, nullptr);
    EXPECT_EQ(BoxText(dialog, 40004), "2");
    EXPECT_EQ(BoxText(dialog, 40005), "2");
    ASSERT_TRUE(Answer(dialog, "4", "3", IDOK));

    std::vector<Spot> grid = kColumns;
    grid.insert(grid.end(), kRows.begin(), kRows.end());
    EXPECT_TRUE(Shows(o, grid, {{66, 20}, {20, 99}, {30, 30}}));
    PressE(o);
    EXPECT_TRUE(Shows(o, kColumns, kRows));
    PressE(o);
    EXPECT_TRUE(Shows(o, kRows, kColumns));

    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "DivNumV"), "4");
    EXPECT_EQ(IniValue(o.SettingsText(), "DivNumH"), "3");
}

TEST(Guides, CancelKeepsTheGuideItsVariantAndTheDefaults) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(StartAside(o));  // no settings file: every division value is -1
    PressE(o);               // thirds, vertical lines only
    ASSERT_TRUE(Shows(o, kThirdsVertical, kThirdsHorizontal));

    PostMessageA(o.frame, WM_COMMAND, 128, 0);
    HWND dialog = o.WaitForWindow("等分割数の設定");
    ASSERT_NE(dialog, nullptr);
    ASSERT_TRUE(Answer(dialog, "6", "5", IDCANCEL));
    EXPECT_TRUE(Shows(o, kThirdsVertical, {{20, 66}, {50, 20}, {149, 20}}));

    ASSERT_TRUE(o.Close());
    const std::string text = o.SettingsText();
    EXPECT_EQ(IniValue(text, "DivNumV"), "2");
    EXPECT_EQ(IniValue(text, "DivNumH"), "2");
    EXPECT_EQ(IniValue(text, "DivWidthV"), "-1");
    EXPECT_EQ(IniValue(text, "InitRule"), "1");
}

TEST(Guides, CommandThreeDrawsThirdsAndDiagonalsTogether) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(StartAside(o));
    ASSERT_TRUE(Shows(o, kThirdsVertical, {{30, 30}}));
    PostMessageA(o.frame, WM_COMMAND, 3, 0);
    // The main diagonal passes (30, 30), the cross diagonal (168, 30).
    EXPECT_TRUE(Shows(o, {{66, 20}, {20, 132}, {30, 30}, {168, 30}, {100, 100}}, {{100, 20}, {20, 100}}));
    ASSERT_TRUE(o.Close());
}

TEST(Guides, GoldenSectionAndItsFrameDiagonals) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(StartAside(o, Ini("Width=300\r\nHeight=200\r\nOuter=0\r\n")));
    PostMessageA(o.frame, WM_COMMAND, 0x20, 0);
    // g = 124: at y = 50 the golden lines stand at 31, 93, 207, 269, the frame diagonals at
    // 75 and 225.
    const std::vector<Spot> golden{{31, 50}, {93, 50}, {207, 50}, {269, 50}};
    std::vector<Spot> all = golden;
    all.push_back({75, 50});
    all.push_back({225, 50});
    EXPECT_TRUE(Shows(o, all, {{150, 50}, {50, 50}, {100, 100}}));
    PressE(o);  // the main diagonal only
    std::vector<Spot> mainOnly = golden;
    mainOnly.push_back({75, 50});
    EXPECT_TRUE(Shows(o, mainOnly, {{225, 50}}));
    PressE(o);
    PressE(o);  // the golden lines alone
    EXPECT_TRUE(Shows(o, golden, {{75, 50}, {225, 50}}));
    ASSERT_TRUE(o.Close());
}

TEST(Guides, RailmanIsDrawnWithoutItsMenuGate) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(StartAside(o, Ini("Width=400\r\nHeight=300\r\nOuter=0\r\nExt=0\r\n")));
    PostMessageA(o.frame, WM_COMMAND, 0x40, 0);
    // Quarters of the width, and the diagonals through (80, 60) and (320, 60).
    EXPECT_TRUE(Shows(o, {{100, 20}, {200, 20}, {300, 20}, {80, 60}, {320, 60}}, {{150, 60}, {20, 150}}));
    ASSERT_TRUE(o.Close());
}

// The menu is opened once in each run: under Wine a second right click soon after a menu closed
// by its keys is sometimes lost.
// The safe areas' two rectangles as the core draws them on the 300 x 200 client: a spot in the
// middle of each of their left edges.
std::vector<Spot> SafeAreaEdges() {
    Settings settings = DefaultSettings();
    std::vector<Spot> spots;
    const SegmentSink sink{[](void* t, const Segment& s) {
                               if (s.x0 == s.x1 && s.x0 < 100) static_cast<std::vector<Spot>*>(t)->push_back({s.x0, (s.y0 + s.y1) / 2});
                           },
                           &spots};
    CollectGuideSegments(0x4000, {300, 200, 0, settings}, sink);
    return spots;
}

TEST(Guides, TheGoldenGuidesFromTheMenuAndTheSpiralsFourOrientations) {
    Backdrop backdrop(kBackdropColour);
    // On the 300 x 200 client: the phi grid at 115, 185 and 76, 124; the spiral's first cut at
    // 185 with its arc through (54, 59); the triangles' diagonal and perpendiculars; the
    // armature's six lines crossing y = 50.
    const struct { std::vector<Spot> red, clear; } guides[] = {
        {{{115, 20}, {185, 20}, {20, 76}, {20, 124}}, {{150, 20}, {20, 100}, {150, 100}}},
        {{{185, 100}, {54, 59}}, {{115, 100}, {100, 150}, {30, 30}}},
        {{{45, 30}, {280, 30}, {20, 170}, {255, 170}}, {{150, 30}, {150, 170}, {100, 100}}},
        {{{33, 50}, {75, 50}, {100, 50}, {200, 50}, {225, 50}, {267, 50}}, {{150, 50}, {50, 50}}},
        {SafeAreaEdges(), {{150, 100}, {5, 100}, {30, 100}}},  // with Ext 0x2000: the safe areas, no cross yet
    };
    ASSERT_EQ(guides[4].red.size(), 2u);
    for (int i = 0; i < 5; ++i) {
        Overlay o;
        ASSERT_TRUE(StartAside(o, Ini("Width=300\r\nHeight=200\r\nOuter=0\r\nExt=24576\r\n")));
        ASSERT_TRUE(o.Focus());
        HWND menu = o.OpenContextMenu();
        ASSERT_NE(menu, nullptr) << i;
        // Railman ratio is not offered without 0x8000: the new guides follow rabatment, the ninth.
        MenuKeys(menu, {{VK_HOME, 1}, {VK_DOWN, 9 + i}, {VK_RETURN, 1}});
        ASSERT_TRUE(WaitUntil([&] { return !IsWindow(menu); })) << i;
        EXPECT_TRUE(Shows(o, guides[i].red, guides[i].clear)) << "guide " << i + 10;
        if (i == 1) {
            // The spiral's first arc, halfway round, lies where no other orientation draws: the
            // eye towards each corner in turn, and back to the first.
            const std::vector<Spot> arcs{{54, 59}, {246, 59}, {246, 141}, {54, 141}};
            for (size_t turn = 1; turn <= arcs.size(); ++turn) {
                PressE(o);
                const size_t at = turn % arcs.size();
                std::vector<Spot> others;
                for (size_t k = 0; k < arcs.size(); ++k)
                    if (k != at) others.push_back(arcs[k]);
                EXPECT_TRUE(Shows(o, {arcs[at]}, others)) << "orientation " << turn;
            }
        }
        ASSERT_TRUE(o.Close());
    }
}

TEST(Guides, AFrameResizedFromOutsideIsRepaintedWhole) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(StartAside(o));
    ASSERT_TRUE(Shows(o, kThirdsVertical, {{99, 20}}));
    // The back pane grows, and the frame follows it: the thirds of 298 replace those of 198.
    SetWindowPos(o.back, nullptr, 0, 0, 300, 300, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    ASSERT_TRUE(o.SettlesAt({40, 40, 340, 340}));
    EXPECT_TRUE(Shows(o, {{99, 20}, {198, 20}}, {{66, 20}, {132, 20}, {20, 66}, {20, 132}}));
    ASSERT_TRUE(o.Close());
}

TEST(AspectRatios, PresetsAndTheCustomRatioKeepTheCornerAndTheNamedSide) {
    Overlay o;
    ASSERT_TRUE(o.Start(Ini("Width=300\r\nHeight=100\r\n")));
    const RECT r = o.FrameRect();
    const struct { unsigned command; int w, h; } steps[] = {
        {32775, 300, 225},  // 4:3 keeps the width
        {32781, 169, 225},  // 3:4 keeps the height: 168.75 + 0.5
        {32774, 225, 225},  // 1:1 keeps the height too, not the width
    };
    for (const auto& s : steps) {
        PostMessageA(o.frame, WM_COMMAND, s.command, 0);
        EXPECT_TRUE(o.SettlesAt({r.left, r.top, r.left + s.w, r.top + s.h})) << s.command;
    }

    // The custom ratio on a fresh file: 3 and 2, which stay when cancelled; the upper box
    // holds the width term.
    for (int button : {IDCANCEL, IDOK}) {
        PostMessageA(o.frame, WM_COMMAND, 32787, 0);
        HWND dialog = o.WaitForWindow("アスペクト比");
        ASSERT_NE(dialog, nullptr);
        EXPECT_EQ(BoxText(dialog, 40004) + ":" + BoxText(dialog, 40005), "3:2");
        ASSERT_TRUE(Answer(dialog, nullptr, nullptr, button));
    }
    EXPECT_TRUE(o.SettlesAt({r.left, r.top, r.left + 225, r.top + 150}));  // 3:2 keeps the width
    ASSERT_TRUE(o.Close());
    EXPECT_EQ(IniValue(o.SettingsText(), "AspectV"), "3");
    EXPECT_EQ(IniValue(o.SettingsText(), "AspectH"), "2");
}
