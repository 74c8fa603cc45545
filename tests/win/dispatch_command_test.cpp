// The dispatcher of the guide frame's commands: the dialogs it opens, what it repaints, and
// what it refuses while a loop of the overlay runs.
#include "overlay/guides/guide_table.h"
#include "overlay/menus/dispatch_command.h"
#include "overlay/menus/tray.h"
#include "overlay/windows/window_set.h"
#include "number_pair_driver.h"

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
    EXPECT_EQ(o.controls, Layout("幅", "高さ"));  // what the boxes hold: width, then height
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

// While a loop of the overlay runs, a command that would open a second one or restore the set
// does nothing at all; the others are carried out.
TEST_F(DispatchCommandTest, CommandsThatWouldOpenASecondLoopAreRefusedDuringOne) {
    const LONG style = GetWindowLongA(g_windows.frame, GWL_STYLE);
    {
        const ModalLoop loop;
        for (unsigned id : {0x80u, 0x100u, 32772u, 32787u, 32788u, 32790u}) {
            DialogDriver driver;
            driver.button = IDCANCEL;
            DispatchWithDialog(id, driver);
            EXPECT_EQ(driver.seen, nullptr) << id;
            EXPECT_EQ(g_guides.activeMask, 0x1u) << id;
            EXPECT_EQ(g_guides.variant, 5u) << id;
            EXPECT_FALSE(Invalidated()) << id;
        }
        DispatchCommand(32791);  // the border switch opens nothing
        EXPECT_EQ(GetWindowLongA(g_windows.frame, GWL_STYLE), style ^ WS_BORDER);
        EXPECT_EQ(g_guides.variant, 0u);
    }
    EXPECT_EQ(g_windows.modalLoops, 0);
    DialogDriver driver;
    driver.button = IDCANCEL;
    DispatchWithDialog(0x80, driver);  // and after the loop, the dialog opens again
    EXPECT_NE(driver.seen, nullptr);
}

// The lock goes on only over a shown frame that has a way back: the tray icon or the hot key.
// A shell that refuses the icon (here: it holds one of that name already) with no hot key leaves
// the frame unlocked and says why; with the hot key the frame locks, and the unlock takes away
// only an icon the lock added.
TEST_F(DispatchCommandTest, TheLockNeedsAWayBackAndAShownFrame) {
    ShowWindow(g_windows.frame, SW_HIDE);
    LockFrame();
    EXPECT_FALSE(g_windows.locked) << "hidden";
    EXPECT_FALSE(g_tray.iconAdded);
    ShowWindow(g_windows.frame, SW_SHOWNA);

    const struct { bool hotKey, locks; } cases[] = {{false, false}, {true, true}};
    for (const auto& c : cases) {
        NOTIFYICONDATAA taken{};
        taken.cbSize = sizeof taken;
        taken.hWnd = g_windows.frame;
        taken.uID = kTrayIconId;
        ASSERT_TRUE(Shell_NotifyIconA(NIM_ADD, &taken));
        g_tray.hotKeyHeld = c.hotKey;
        std::string said;
        DriveDialogs({[&](HWND box) {
                         said = ItemText(box, 0xFFFF);
                         PostMessageA(box, WM_COMMAND, IDOK, 0);
                     }},
                     [] { LockFrame(); });
        EXPECT_EQ(g_windows.locked, c.locks) << c.hotKey;
        EXPECT_EQ(said.empty(), c.locks) << said;
        UnlockFrame();
        EXPECT_FALSE(g_windows.locked);
        EXPECT_FALSE(g_tray.iconAdded) << "the lock's icon goes with it";
        Shell_NotifyIconA(NIM_DELETE, &taken);
    }
    g_tray = {};
}
