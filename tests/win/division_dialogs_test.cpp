// The two division dialogs run modally from their templates and driven from a thread timer
// inside their own message loop.
#include <climits>

#include "overlay/guides/division_dialogs.h"
#include "overlay/screen/custom_ratio_dialog.h"
#include "overlay/windows/size_dialog.h"
#include "overlay/windows/window_set.h"
#include "number_pair_driver.h"

TEST_F(DivisionDialogsTest, CountDialogShowsDefaultsThatStayOnCancel) {
    ASSERT_EQ(g_settings.DivNumV, -1);
    ASSERT_EQ(g_settings.DivNumH, -1);
    Observed o;
    DialogDriver driver;
    driver.inspect = [&](HWND dialog) { o = Observe(dialog); };
    driver.upper = "7";  // typed, then cancelled
    driver.button = IDCANCEL;
    EXPECT_EQ(RunDialog(IDD_DIVISION_COUNT, DivisionCountDialog, driver), IDCANCEL);
    ASSERT_NE(driver.seen, nullptr);
    EXPECT_EQ(o.title, "等分割数の設定");
    EXPECT_EQ(o.controls, Layout("縦の分割数", "横の分割数"));
    EXPECT_EQ(o.upper, "2");
    EXPECT_EQ(o.lower, "2");
    EXPECT_EQ(o.low[0], 2);
    EXPECT_EQ(o.high[0], 101);
    EXPECT_EQ(o.low[1], 2);
    EXPECT_EQ(o.high[1], 101);
    EXPECT_TRUE(o.buddies);
    EXPECT_TRUE(o.sizeFromTemplate);
    EXPECT_EQ(o.face, "ＭＳ ゴシック");
    EXPECT_EQ(g_settings.DivNumV, 2);
    EXPECT_EQ(g_settings.DivNumH, 2);
    EXPECT_EQ(g_settings.DivWidthV, -1);  // the other dialog's values are not touched
}

TEST_F(DivisionDialogsTest, WidthDialogShowsDefaultsThatStayOnCancel) {
    g_settings.DivWidthH = 35;  // only the -1 takes the default
    Observed o;
    DialogDriver driver;
    driver.inspect = [&](HWND dialog) { o = Observe(dialog); };
    driver.button = IDCANCEL;
    EXPECT_EQ(RunDialog(IDD_DIVISION_WIDTH, DivisionWidthDialog, driver), IDCANCEL);
    EXPECT_EQ(o.title, "等分割幅の設定");
    EXPECT_EQ(o.controls, Layout("縦の分割幅", "横の分割幅"));
    EXPECT_EQ(o.upper, "20");
    EXPECT_EQ(o.lower, "35");
    EXPECT_EQ(o.low[0], 1);
    EXPECT_EQ(o.high[0], 1000);
    EXPECT_EQ(o.low[1], 1);
    EXPECT_EQ(o.high[1], 1000);
    EXPECT_TRUE(o.buddies);
    EXPECT_TRUE(o.sizeFromTemplate);
    EXPECT_EQ(g_settings.DivWidthV, 20);
    EXPECT_EQ(g_settings.DivWidthH, 35);
    EXPECT_EQ(g_settings.DivNumV, -1);
}

TEST_F(DivisionDialogsTest, OkStoresWhatIsTypedAsUnsignedNumbers) {
    const struct { const char *upper, *lower; int32_t v, h; } cases[] = {
        {"4", "3", 4, 3},
        {"abc", "", 0, 0},                       // not a number reads as 0
        {"500", "1", 500, 1},                    // beyond the arrows' range, stored as read
        {"2147483648", "4294967295", INT_MIN, -1},  // held as negative numbers
        {"１２", "-3", 12, 0},                      // full-width digits as typed with the input method on; no sign
    };
    for (const auto& c : cases) {
        g_settings.DivNumV = g_settings.DivNumH = 9;
        DialogDriver driver;
        driver.upper = c.upper;
        driver.lower = c.lower;
        EXPECT_EQ(RunDialog(IDD_DIVISION_COUNT, DivisionCountDialog, driver), IDOK) << c.upper;
        EXPECT_EQ(g_settings.DivNumV, c.v) << c.upper;
        EXPECT_EQ(g_settings.DivNumH, c.h) << c.lower;
    }
    DialogDriver width;
    width.upper = "64";
    width.lower = "abc";
    EXPECT_EQ(RunDialog(IDD_DIVISION_WIDTH, DivisionWidthDialog, width), IDOK);
    EXPECT_EQ(g_settings.DivWidthV, 64);
    EXPECT_EQ(g_settings.DivWidthH, 0);
}

// An arrow steps from the number the box shows, held in the range: a number typed beyond it
// steps to the near end, not the far one.
TEST_F(DivisionDialogsTest, ArrowKeysStepTheNumberInTheBoxWithinTheRange) {
    const struct { int32_t upper, lower; const char *typedUpper, *typedLower; WPARAM key; std::string shown; } cases[] = {
        {101, 7, nullptr, nullptr, VK_UP, "101 8"},  // already at the top
        {101, 7, nullptr, nullptr, VK_DOWN, "100 6"},
        {9, 9, "500", "0", VK_DOWN, "101 2"},
        {9, 9, "７", "abc", VK_DOWN, "6 2"},
    };
    for (const auto& c : cases) {
        g_settings.DivNumV = c.upper;
        g_settings.DivNumH = c.lower;
        std::string shown;
        DialogDriver driver;
        driver.inspect = [&](HWND dialog) {
            if (c.typedUpper) SetDlgItemTextA(dialog, IDC_UPPER_EDIT, c.typedUpper);
            if (c.typedLower) SetDlgItemTextA(dialog, IDC_LOWER_EDIT, c.typedLower);
            SendDlgItemMessageA(dialog, IDC_UPPER_EDIT, WM_KEYDOWN, c.key, 0);
            SendDlgItemMessageA(dialog, IDC_LOWER_EDIT, WM_KEYDOWN, c.key, 0);
            shown = ItemText(dialog, IDC_UPPER_EDIT) + " " + ItemText(dialog, IDC_LOWER_EDIT);
        };
        EXPECT_EQ(RunDialog(IDD_DIVISION_COUNT, DivisionCountDialog, driver), IDOK) << c.shown;
        EXPECT_EQ(shown, c.shown);
        EXPECT_EQ(std::to_string(g_settings.DivNumV) + " " + std::to_string(g_settings.DivNumH), c.shown);
    }
}

// The arrows write the number past 999 without a thousands separator, so OK stores what they show.
TEST_F(DivisionDialogsTest, AnArrowStepPast999StoresTheNumberShown) {
    const struct { int id; DLGPROC proc; int32_t Settings::*upper, Settings::*lower; } dialogs[] = {
        {IDD_DIVISION_WIDTH, DivisionWidthDialog, &Settings::DivWidthV, &Settings::DivWidthH},
        {IDD_CUSTOM_RATIO, CustomRatioDialogProc, &Settings::AspectV, &Settings::AspectH},
    };
    for (const auto& d : dialogs) {
        g_settings.*d.upper = g_settings.*d.lower = 999;
        std::string shown;
        DialogDriver driver;
        driver.inspect = [&](HWND dialog) {
            SendDlgItemMessageA(dialog, IDC_UPPER_EDIT, WM_KEYDOWN, VK_UP, 0);
            ClickUpArrow(GetDlgItem(dialog, IDC_LOWER_SPIN));
            shown = ItemText(dialog, IDC_UPPER_EDIT) + " " + ItemText(dialog, IDC_LOWER_EDIT);
        };
        EXPECT_EQ(RunDialog(d.id, d.proc, driver), IDOK) << d.id;
        EXPECT_EQ(shown, "1000 1000") << d.id;
        EXPECT_EQ(g_settings.*d.upper, 1000) << d.id;
        EXPECT_EQ(g_settings.*d.lower, 1000) << d.id;
    }
}

// The work tools' size dialog shows the frame's size, steps past 999 and from a number typed
// beyond its range, and OK gives the frame that size at the same corner; Cancel leaves it.
TEST_F(DivisionDialogsTest, TheSizeDialogGivesTheFrameTheSizeShown) {
    g_windows.frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 30, 20, 999, 300, nullptr, nullptr, nullptr, nullptr);
    for (const int button : {IDCANCEL, IDOK}) {
        Observed o;
        std::string shown;
        DialogDriver driver;
        driver.button = button;
        driver.inspect = [&](HWND dialog) {
            o = Observe(dialog);
            SetDlgItemTextA(dialog, IDC_LOWER_EDIT, "３５０００");
            SendDlgItemMessageA(dialog, IDC_UPPER_EDIT, WM_KEYDOWN, VK_UP, 0);
            ClickUpArrow(GetDlgItem(dialog, IDC_LOWER_SPIN));
            shown = ItemText(dialog, IDC_UPPER_EDIT) + " " + ItemText(dialog, IDC_LOWER_EDIT);
        };
        EXPECT_EQ(RunDialog(IDD_FRAME_SIZE, FrameSizeDialogProc, driver), button);
        EXPECT_EQ(o.title, "サイズ指定");
        EXPECT_EQ(o.controls, Layout("幅", "高さ"));
        EXPECT_EQ(o.upper + " " + o.lower, "999 300");
        EXPECT_EQ(o.low[1], 40);
        EXPECT_EQ(o.high[1], 30000);
        EXPECT_EQ(shown, "1000 30000");
        RECT r{};
        GetWindowRect(g_windows.frame, &r);
        const RECT want = button == IDOK ? RECT{30, 20, 1030, 30020} : RECT{30, 20, 1029, 320};
        EXPECT_TRUE(r.left == want.left && r.top == want.top && r.right == want.right && r.bottom == want.bottom)
            << button << ": " << r.right - r.left << " x " << r.bottom - r.top;
    }
    DestroyWindow(g_windows.frame);
    g_windows = {};
}

// A side that is blank, junk or out of range keeps the size dialog open: a box says the range,
// the caret waits in that field, and the frame changes only at an OK that succeeds.
TEST_F(DivisionDialogsTest, TheSizeDialogSaysTheRangeAndKeepsTheFrameUntilBothSidesFit) {
    g_windows.frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 30, 20, 240, 180, nullptr, nullptr, nullptr, nullptr);
    const auto press = [](HWND window, int button) { PostMessageA(window, WM_COMMAND, button, 0); };
    const auto type = [&](const char* upper, const char* lower) {
        return [=](HWND dialog) {
            SetDlgItemTextA(dialog, IDC_UPPER_EDIT, upper);
            SetDlgItemTextA(dialog, IDC_LOWER_EDIT, lower);
            press(dialog, IDOK);
        };
    };
    std::vector<std::string> said;
    std::vector<int> caret;  // the field with the keyboard after each box
    std::vector<LONG> widths;
    const auto box = [&](HWND b) {
        said.push_back(ItemText(b, 0xFFFF));
        press(b, IDOK);
    };
    const auto back = [&](const char* upper, const char* lower) {
        return [=, &caret, &widths](HWND dialog) {
            caret.push_back(GetDlgCtrlID(GetFocus()));
            RECT r{};
            GetWindowRect(g_windows.frame, &r);
            widths.push_back(r.right - r.left);
            type(upper, lower)(dialog);
        };
    };
    INT_PTR result = 0;
    DriveDialogs({type("800", ""), box, back("30001", "600"), box, back("８００", " 600 ")},
                 [&] { result = DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_FRAME_SIZE), nullptr,
                                                FrameSizeDialogProc, 0); });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(said.size(), 2u);
    EXPECT_NE(said[0].find("40"), std::string::npos) << said[0];
    EXPECT_NE(said[0].find("30000"), std::string::npos) << said[0];
    EXPECT_EQ(caret, (std::vector<int>{IDC_LOWER_EDIT, IDC_UPPER_EDIT}));
    EXPECT_EQ(widths, (std::vector<LONG>{240, 240})) << "nothing changes before OK succeeds";
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    EXPECT_TRUE(r.left == 30 && r.top == 20 && r.right == 830 && r.bottom == 620) << r.right << " " << r.bottom;
    DestroyWindow(g_windows.frame);
    g_windows = {};
}

