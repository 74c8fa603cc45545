// The two division dialogs run modally from their templates and driven from a thread timer
// inside their own message loop, and the dispatcher that opens them.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <climits>
#include <functional>
#include <string>
#include <vector>

#include "overlay/guides/division_dialogs.h"
#include "overlay/guides/guide_table.h"
#include "overlay/menus/dispatch_command.h"
#include "overlay/resources/resource.h"
#include "overlay/screen/custom_ratio_dialog.h"
#include "overlay/windows/window_set.h"
#include "dialog_controls.h"

namespace {
// What the driver does once the dialog is up: look at it, type into the boxes, press a button.
struct DialogDriver {
    std::function<void(HWND)> inspect;
    const char* upper = nullptr;  // null: leave the box as the dialog filled it
    const char* lower = nullptr;
    int button = IDOK;
    HWND seen = nullptr;
    int ticks = 0;
};
DialogDriver* g_driver = nullptr;

// Runs on the dialog's own message loop: this thread's timer messages are dispatched there.
void CALLBACK DriveDialog(HWND, UINT, UINT_PTR timer, DWORD) {
    DialogDriver& d = *g_driver;
    const HWND dialog = ForemostDialog();
    if (!dialog) {
        if (++d.ticks > 250) KillTimer(nullptr, timer);  // the dialog never came
        return;
    }
    KillTimer(nullptr, timer);
    d.seen = dialog;
    if (d.inspect) d.inspect(dialog);
    if (d.upper) SetDlgItemTextA(dialog, IDC_UPPER_EDIT, d.upper);
    if (d.lower) SetDlgItemTextA(dialog, IDC_LOWER_EDIT, d.lower);
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(d.button, BN_CLICKED),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, d.button)));
}

// Calls run (which opens a modal dialog) with the driver armed; returns run's result.
INT_PTR Drive(DialogDriver& driver, const std::function<INT_PTR()>& run) {
    g_driver = &driver;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, DriveDialog);
    INT_PTR result = run();
    KillTimer(nullptr, timer);
    g_driver = nullptr;
    return result;
}

INT_PTR RunDialog(int templateId, DLGPROC proc, DialogDriver& driver) {
    return Drive(driver, [&] {
        return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, proc, 0);
    });
}

struct Observed {
    std::string title, upper, lower;
    std::vector<Control> controls;
    int low[2] = {0, 0}, high[2] = {0, 0};
    bool buddies = false, sizeFromTemplate = false;
    std::string face;
};

Observed Observe(HWND dialog) {
    Observed o;
    o.title = Text(dialog);
    o.upper = ItemText(dialog, IDC_UPPER_EDIT);
    o.lower = ItemText(dialog, IDC_LOWER_EDIT);
    o.controls = Controls(dialog);
    const int spins[2] = {IDC_UPPER_SPIN, IDC_LOWER_SPIN}, edits[2] = {IDC_UPPER_EDIT, IDC_LOWER_EDIT};
    o.buddies = true;
    for (int i = 0; i < 2; ++i) {
        SendDlgItemMessageA(dialog, spins[i], UDM_GETRANGE32, reinterpret_cast<WPARAM>(&o.low[i]),
                            reinterpret_cast<LPARAM>(&o.high[i]));
        o.buddies = o.buddies && reinterpret_cast<HWND>(SendDlgItemMessageA(dialog, spins[i], UDM_GETBUDDY, 0, 0)) ==
                                     GetDlgItem(dialog, edits[i]);
    }
    RECT units{0, 0, 113, 70}, client{};
    MapDialogRect(dialog, &units);
    GetClientRect(dialog, &client);
    o.sizeFromTemplate = client.right == units.right && client.bottom == units.bottom;
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    o.face = font.lfFaceName;
    return o;
}

std::vector<Control> Layout(const char* upperLabel, const char* lowerLabel) {
    return {{IDOK, "Button", "OK"},
            {IDCANCEL, "Button", "キャンセル"},
            {IDC_UPPER_EDIT, "Edit", ""},
            {IDC_LOWER_EDIT, "Edit", ""},
            {IDC_UPPER_SPIN, "msctls_updown32", ""},
            {IDC_LOWER_SPIN, "msctls_updown32", ""},
            {-1, "Static", upperLabel},
            {-1, "Static", lowerLabel}};
}

class DivisionDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);
        g_settings = DefaultSettings();
    }
};
}  // namespace

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

TEST_F(DivisionDialogsTest, ArrowKeysStepTheNumberInTheBoxWithinTheRange) {
    g_settings.DivNumV = 101;
    g_settings.DivNumH = 7;
    std::string upperAfter, lowerAfter;
    DialogDriver driver;
    driver.inspect = [&](HWND dialog) {
        SendDlgItemMessageA(dialog, IDC_UPPER_EDIT, WM_KEYDOWN, VK_UP, 0);  // already at the top
        SendDlgItemMessageA(dialog, IDC_LOWER_EDIT, WM_KEYDOWN, VK_DOWN, 0);
        upperAfter = ItemText(dialog, IDC_UPPER_EDIT);
        lowerAfter = ItemText(dialog, IDC_LOWER_EDIT);
    };
    EXPECT_EQ(RunDialog(IDD_DIVISION_COUNT, DivisionCountDialog, driver), IDOK);
    EXPECT_EQ(upperAfter, "101");
    EXPECT_EQ(lowerAfter, "6");
    EXPECT_EQ(g_settings.DivNumV, 101);
    EXPECT_EQ(g_settings.DivNumH, 6);
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

namespace {
LRESULT CALLBACK PlainProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) { return DefWindowProcA(hwnd, msg, wp, lp); }

// A stand-in for the guide frame: owner of the dialogs, target of the repaint.
class DispatchCommandTest : public DivisionDialogsTest {
protected:
    void SetUp() override {
        DivisionDialogsTest::SetUp();
        WNDCLASSA wc{};
        wc.lpfnWndProc = PlainProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "pemoka_test_frame";
        RegisterClassA(&wc);
        g_windows = {};
        g_windows.instance = GetModuleHandleA(nullptr);
        g_windows.frame = CreateWindowExA(0, "pemoka_test_frame", nullptr, WS_POPUP | WS_VISIBLE, 0, 0, 60, 60,
                                          nullptr, nullptr, g_windows.instance, nullptr);
        ASSERT_NE(g_windows.frame, nullptr);
        g_guides = {0x1, 5};
        ValidateRect(g_windows.frame, nullptr);
    }
    void TearDown() override {
        DestroyWindow(g_windows.frame);
        g_windows = {};
        g_guides = {1, 0};
    }
    static bool Invalidated() {
        RECT r{};
        return GetUpdateRect(g_windows.frame, &r, FALSE) != 0;
    }
    // Dispatches id while the driver answers the dialog it opens.
    static void DispatchWithDialog(unsigned id, DialogDriver& driver) {
        Drive(driver, [&] {
            DispatchCommand(id);
            return INT_PTR{0};
        });
    }
};
}  // namespace

TEST_F(DispatchCommandTest, CancelledDialogChangesNothingButTheDefaults) {
    for (unsigned id : {0x80u, 0x100u}) {
        bool ownerDisabled = false;
        DialogDriver driver;
        driver.inspect = [&](HWND dialog) {
            ownerDisabled = GetWindow(dialog, GW_OWNER) == g_windows.frame && !IsWindowEnabled(g_windows.frame);
        };
        driver.upper = "9";
        driver.button = IDCANCEL;
        DispatchWithDialog(id, driver);
        ASSERT_NE(driver.seen, nullptr) << id;
        EXPECT_TRUE(ownerDisabled) << id;
        EXPECT_EQ(g_guides.activeMask, 0x1u) << id;
        EXPECT_EQ(g_guides.variant, 5u) << id;
        EXPECT_FALSE(Invalidated()) << id;
    }
    EXPECT_EQ(g_settings.DivNumV, 2);
    EXPECT_EQ(g_settings.DivWidthH, 20);
}

TEST_F(DispatchCommandTest, ConfirmedDialogMakesItsGuideActive) {
    DialogDriver count;
    count.upper = "4";
    count.lower = "3";
    DispatchWithDialog(0x80, count);
    EXPECT_EQ(g_guides.activeMask, 0x80u);
    EXPECT_EQ(g_guides.variant, 0u);
    EXPECT_TRUE(Invalidated());
    EXPECT_EQ(g_settings.DivNumV, 4);
    EXPECT_EQ(g_settings.DivNumH, 3);

    ValidateRect(g_windows.frame, nullptr);
    g_guides.variant = 2;
    DialogDriver width;
    DispatchWithDialog(0x100, width);
    EXPECT_EQ(g_guides.activeMask, 0x100u);
    EXPECT_EQ(g_guides.variant, 0u);
    EXPECT_TRUE(Invalidated());
    EXPECT_EQ(g_settings.DivWidthV, 20);
}

TEST_F(DispatchCommandTest, ADialogThatCannotOpenStillSelectsItsGuide) {
    g_windows.instance = GetModuleHandleA("kernel32.dll");  // holds no template 110
    DispatchCommand(0x80);
    EXPECT_EQ(g_guides.activeMask, 0x80u);
    EXPECT_EQ(g_guides.variant, 0u);
    EXPECT_TRUE(Invalidated());
}

TEST_F(DispatchCommandTest, GuideMasksAndUnknownCommandsResetTheVariantAndRepaint) {
    DispatchCommand(3);  // thirds and diagonals together
    EXPECT_EQ(g_guides.activeMask, 3u);
    EXPECT_EQ(g_guides.variant, 0u);
    EXPECT_TRUE(Invalidated());

    DispatchCommand(0x1);  // the guide already active: the variant still starts again
    EXPECT_EQ(g_guides.activeMask, 1u);
    // The fixed commands that open nothing: which of them end with the variant reset and the
    // repaint. The border switch twice gives the first look back.
    const LONG style = GetWindowLongA(g_windows.frame, GWL_STYLE);
    const struct { unsigned id; bool tail; } cases[] = {
        {32768, true}, {32770, true}, {32773, false}, {32786, true}, {32791, true},
        {32791, true}, {32793, true}, {65535, true},
    };
    for (const auto& c : cases) {
        ValidateRect(g_windows.frame, nullptr);
        g_guides.variant = 4;
        DispatchCommand(c.id);
        EXPECT_EQ(g_guides.activeMask, 1u) << c.id;
        EXPECT_EQ(g_guides.variant, c.tail ? 0u : 4u) << c.id;
        if (!c.tail) {
            EXPECT_FALSE(Invalidated()) << c.id;
        }
    }
    EXPECT_EQ(GetWindowLongA(g_windows.frame, GWL_STYLE), style);
    DispatchCommand(32791);
    EXPECT_EQ(GetWindowLongA(g_windows.frame, GWL_STYLE), style ^ WS_BORDER);
}

TEST_F(DispatchCommandTest, CustomRatioDialogTakesTheTermsAndShapesTheFrame) {
    Observed o;
    DialogDriver cancel;
    cancel.inspect = [&](HWND dialog) { o = Observe(dialog); };
    cancel.upper = "9";
    cancel.button = IDCANCEL;
    DispatchWithDialog(32787, cancel);
    ASSERT_NE(cancel.seen, nullptr);
    EXPECT_EQ(o.title, "アスペクト比");
    EXPECT_EQ(o.controls, Layout("縦", "横"));
    EXPECT_EQ(o.upper + ":" + o.lower, "3:2");  // a fresh file's -1 becomes 3:2 and stays
    EXPECT_EQ(o.low[0], 1);
    EXPECT_EQ(o.high[1], 1000);
    EXPECT_TRUE(o.buddies);
    EXPECT_EQ(g_settings.AspectV, 3);
    EXPECT_EQ(g_settings.AspectH, 2);
    EXPECT_EQ(g_guides.variant, 5u);
    EXPECT_FALSE(Invalidated());

    // OK: the upper box is the width term. A term that reads 0, or a side that would be below
    // 40, leaves the size, but the command still repaints.
    const struct { const char *upper, *lower; int w, h; } cases[] = {{"4", "3", 60, 45}, {"16", "9", 60, 45}, {"abc", "5", 60, 45}};
    for (const auto& c : cases) {
        g_guides.variant = 5;
        ValidateRect(g_windows.frame, nullptr);
        DialogDriver ok;
        ok.upper = c.upper;
        ok.lower = c.lower;
        DispatchWithDialog(32787, ok);
        RECT r{};
        GetWindowRect(g_windows.frame, &r);
        EXPECT_EQ(r.right - r.left, c.w) << c.upper << ":" << c.lower;
        EXPECT_EQ(r.bottom - r.top, c.h) << c.upper << ":" << c.lower;
        EXPECT_EQ(g_guides.variant, 0u);
        EXPECT_TRUE(Invalidated());
    }
    EXPECT_EQ(g_settings.AspectV, 0);
    EXPECT_EQ(g_settings.AspectH, 5);
}
