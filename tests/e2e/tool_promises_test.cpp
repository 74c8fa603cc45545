// The work tools keep their promises: a key does what was pressed, the lock always has a way
// back, and whatever did not happen is said.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <utility>

#include "../win/shell_icon.h"
#include "overlay/menus/tray.h"
#include "overlay/windows/size_label.h"
#include "overlay_harness.h"
#include "settings/shared_names.h"

namespace {
// Slots 2 and 7 held in the file, far from where the frame starts.
const std::string kSlots = "[LAYOUT]\r\n2=70,60,240,180,1,0\r\n7=500,400,320,200,1,0\r\n";
const std::string kTools = Ini("Ext=4096\r\nWidth=256\r\nHeight=192\r\n") + kSlots;

bool Locked(const Overlay& o) { return (GetWindowLongA(o.frame, GWL_EXSTYLE) & WS_EX_TRANSPARENT) != 0; }

// Holds the given keys down, in order, until done holds or the wait ends, then lets them go in the
// opposite order whatever happened.
bool WithKeysHeld(std::initializer_list<WORD> keys, const std::function<bool()>& press, const std::function<bool()>& done) {
    bool ok = true;
    for (WORD k : keys) ok = ok && Key(k, true);
    ok = ok && press() && WaitUntil(done);
    for (auto k = std::rbegin(keys); k != std::rend(keys); ++k) ok = Key(*k, false) && ok;
    return ok;
}

HWND WarningBox(const Overlay& o) { return o.WaitForWindow("ペモカ"); }

BOOL CALLBACK FindOwnedBox(HWND w, LPARAM lp) {
    auto* search = reinterpret_cast<std::pair<HWND, HWND>*>(lp);
    char cls[16] = "";
    GetClassNameA(w, cls, sizeof cls);
    if (GetWindow(w, GW_OWNER) != search->first || !IsWindowVisible(w) || std::string(cls) != "#32770") return TRUE;
    search->second = w;
    return FALSE;
}

// A visible dialog box that owner has opened, or null.
HWND OwnedBox(HWND owner) {
    std::pair<HWND, HWND> search{owner, nullptr};
    EnumWindows(FindOwnedBox, reinterpret_cast<LPARAM>(&search));
    return search.second;
}


// A file opened for reading that nobody else may open meanwhile, as another program holds it.
struct HeldFile {
    HANDLE handle;
    explicit HeldFile(const std::string& path)
        : handle(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr)) {}
    ~HeldFile() { Let(); }
    void Let() {
        if (handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
        handle = INVALID_HANDLE_VALUE;
    }
};
}  // namespace

// The modifiers count as they were when the key was pressed: Ctrl+2 pressed while the overlay
// waits before the menu's fit recalls slot 2 though Shift comes down before the key is handled.
// AltGr (the right Alt with the left Ctrl) does nothing; Ctrl with the keypad's 7 recalls slot 7.
TEST(ToolPromises, AKeyDoesWhatWasPressed) {
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    ASSERT_TRUE(o.Focus());
    const RECT slot2{70, 60, 310, 240}, slot7{500, 400, 820, 600};
    PostMessageA(o.frame, WM_COMMAND, 32771, 0);  // the fit waits half a second first
    EXPECT_TRUE(WithKeysHeld({VK_CONTROL}, [] { return Key('2', true) && Key(VK_SHIFT, true) && Key('2', false); },
                             [&] { return o.SettlesAt(slot2, 200); }));
    ASSERT_TRUE(Key(VK_SHIFT, false));

    // Ctrl+AltGr+7, then Ctrl+Right: once that has resized, the 7 has been handled.
    ASSERT_TRUE(WithKeysHeld({VK_CONTROL}, [] { return Key(VK_RMENU, true) && Tap('7') && Key(VK_RMENU, false) && Tap(VK_RIGHT); },
                             [&] { return o.SettlesAt({70, 60, 312, 240}, 200); }));

    ASSERT_TRUE(Tap(VK_NUMLOCK));
    const bool numLockOn = WaitUntil([] { return (GetKeyState(VK_NUMLOCK) & 1) != 0; }, 2000);
    EXPECT_TRUE(WithKeysHeld({VK_CONTROL}, [] { return Tap(VK_NUMPAD7); }, [&] { return o.SettlesAt(slot7, 200); }))
        << "NumLock " << numLockOn;
    ASSERT_TRUE(Tap(VK_NUMLOCK));  // as it was
    ASSERT_TRUE(o.Close());
    EXPECT_NE(o.SettingsText().find(kSlots), std::string::npos) << "no slot was stored over\n" << o.SettingsText();
}

// Ctrl+L as a person presses it. Once the frame is locked no window of the overlay may hear the
// release: the key state is read anew when a window next takes the keyboard.
bool LockWithCtrlL(const Overlay& o) {
    const bool locked = o.Focus() && Key(VK_CONTROL, true) && Tap('L') && WaitUntil([&] { return Locked(o); });
    return ReleaseAfterClose(VK_CONTROL) && locked;
}

// Tray 0 and no hot key: the icon is the lock's way back, and "表示" from its menu unlocks the
// frame and takes the icon away; a real drag moves the frame again. A reload without the work
// tools unlocks too.
TEST(ToolPromises, TheLockAlwaysHasAWayBack) {
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    // Away from the centre, to which "表示" brings the frame back and "ロック解除" does not.
    const RECT centre = o.FrameRect();
    ASSERT_TRUE(o.MoveTo(centre.left + 50, centre.top + 40));
    ASSERT_TRUE(LockWithCtrlL(o));
    ASSERT_TRUE(WaitUntil([&] { return ShellHoldsIcon(o.frame, kTrayIconId); }));
    // A menu that closes before its keys arrive (the activation moved) is opened once more.
    for (int attempt = 0; attempt < 3 && Locked(o); ++attempt) {
        PostMessageA(o.frame, kTrayMessage, kTrayIconId, WM_RBUTTONUP);
        HWND menu = nullptr;
        if (!WaitUntil([&] { return (menu = FindProcessWindow(o.process.dwProcessId, "#32768")) && IsWindowVisible(menu); }))
            continue;
        MenuKeys(menu, {{VK_HOME, 1}, {VK_DOWN, 1}, {VK_RETURN, 1}});  // past "ロック解除" to "表示"
        WaitUntil([&] { return !Locked(o) || !IsWindowVisible(menu); });
        WaitUntil([&] { return !Locked(o); }, 1000);
    }
    ASSERT_TRUE(WaitUntil([&] { return !Locked(o) && IsWindowVisible(o.back) && SameRect(o.FrameRect(), centre); }));
    EXPECT_TRUE(WaitUntil([&] { return !ShellHoldsIcon(o.frame, kTrayIconId); }));
    const RECT f = o.FrameRect();
    ASSERT_TRUE(PointerTo(f.left + 40, f.top + 40));
    ASSERT_TRUE(PointerOver(o.back, o.frame));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(WaitUntil([&] { return CaptureOf(o) == o.back; })) << "a drag begins";
    ASSERT_TRUE(PointerTo(f.left + 70, f.top + 50));
    const RECT moved{f.left + 30, f.top + 10, f.right + 30, f.bottom + 10};
    EXPECT_TRUE(WaitUntil([&] { return SameRect(o.FrameRect(), moved); }));
    ASSERT_TRUE(LeftButton(false));
    EXPECT_TRUE(o.SettlesAt(moved));

    ASSERT_TRUE(LockWithCtrlL(o));
    WriteTextFile(o.SettingsPath(), Ini("Ext=0\r\n"));
    PostMessageA(o.frame, kSettingsChangedMessage, 0, 0);
    EXPECT_TRUE(WaitUntil([&] { return !Locked(o) && IsWindowVisible(o.back); }));
    EXPECT_TRUE(WaitUntil([&] { return !ShellHoldsIcon(o.frame, kTrayIconId); }));
    EXPECT_TRUE(o.Focus() && WaitUntil([] { return GetAsyncKeyState(VK_CONTROL) >= 0; })) << "Ctrl is up again";
    ASSERT_TRUE(o.Close());
}

// A capture onto a file that another program holds, and a copy while another program holds the
// clipboard: a box says so, and then the set is back as after a cancel.
TEST(ToolPromises, APictureNotSavedOrCopiedIsSaid) {
    Backdrop backdrop(kBackdropColour);
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    const RECT f = o.FrameRect();
    {
        HeldFile held(o.dir + "held.png");
        ASSERT_NE(held.handle, INVALID_HANDLE_VALUE);
        PostMessageA(o.frame, WM_COMMAND, 32772, 0);
        HWND dialog = o.WaitForWindow("キャプチャーの保存");
        ASSERT_NE(dialog, nullptr);
        for (int box : {0x47C, 0x480}) SetDlgItemTextA(dialog, box, "held.png");
        PostMessageA(dialog, WM_COMMAND, IDOK, 0);
        // The file is there: the dialog asks whether to replace it.
        ASSERT_TRUE(WaitUntil([&] {
            if (HWND ask = OwnedBox(dialog)) PostMessageA(ask, WM_COMMAND, IDYES, 0);
            return !IsWindow(dialog);
        }));
        HWND box = WarningBox(o);
        ASSERT_NE(box, nullptr);
        EXPECT_NE(BoxText(box).find("held.png"), std::string::npos) << BoxText(box);
        EXPECT_FALSE(IsWindowVisible(o.frame)) << "the set comes back after the box";
        ASSERT_TRUE(CloseBox(box));
        EXPECT_TRUE(o.SettlesAt(f));
    }
    EXPECT_EQ(ReadTextFile(o.dir + "held.png"), "");

    ASSERT_TRUE(OpenClipboard(nullptr));
    ASSERT_TRUE(o.Focus());
    HWND box = nullptr;
    EXPECT_TRUE(WithKeysHeld({VK_CONTROL}, [] { return Tap('C'); }, [&] { return (box = WarningBox(o)) != nullptr; }));
    CloseClipboard();
    ASSERT_NE(box, nullptr);
    EXPECT_NE(BoxText(box), "");
    ASSERT_TRUE(CloseBox(box));
    EXPECT_TRUE(o.SettlesAt(f));
    ASSERT_TRUE(o.Close());
}

// A layout stored while another program holds pemoka.ini: a box says so; the slot outlives the
// editor's reload and is written at the close.
TEST(ToolPromises, ALayoutTheFileRefusedIsSaidAndWrittenLater) {
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    ASSERT_TRUE(o.MoveTo(96, 64));
    ASSERT_TRUE(o.Focus());
    HWND box = nullptr;
    {
        HeldFile held(o.SettingsPath());
        ASSERT_NE(held.handle, INVALID_HANDLE_VALUE);
        EXPECT_TRUE(WithKeysHeld({VK_SHIFT, VK_CONTROL}, [] { return Tap('3'); }, [&] { return (box = WarningBox(o)) != nullptr; }));
        ASSERT_NE(box, nullptr);
        EXPECT_NE(BoxText(box).find('3'), std::string::npos) << BoxText(box);
        ASSERT_TRUE(CloseBox(box));
    }
    PostMessageA(o.frame, kSettingsChangedMessage, 0, 0);
    ASSERT_TRUE(o.Close());
    EXPECT_NE(o.SettingsText().find("3=96,64,256,192,1,0"), std::string::npos) << o.SettingsText();
}

// The size label leaves the screen before the fit reads it: F right after a resize gives the
// rectangle that a fit without the label gives.
TEST(ToolPromises, TheFitReadsTheScreenWithoutTheLabel) {
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    const RECT f = o.FrameRect();
    const RECT square{f.left, f.top, f.left + (f.bottom - f.top), f.bottom};  // after 1:1
    Content content;
    ASSERT_TRUE(content.Black(square, 20));
    // 3:4, then 1:1: the label shows the size for a second. F goes once it is seen; a slow
    // machine may need another try to see it.
    bool shown = false;
    for (int tries = 0; tries < 5 && !shown; ++tries) {
        PostMessageA(o.frame, WM_COMMAND, 32781, 0);
        PostMessageA(o.frame, WM_COMMAND, 32774, 0);
        ASSERT_TRUE(o.SettlesAt(square));
        shown = IsWindowVisible(FindProcessWindow(o.process.dwProcessId, kSizeLabelClass));
        if (shown) PostMessageA(o.frame, WM_KEYDOWN, 'F', 0);
    }
    ASSERT_TRUE(shown);
    EXPECT_TRUE(o.SettlesAt({square.left - 20, square.top - 20, square.right + 20, square.bottom + 20}));
    ASSERT_TRUE(o.Close());
}

// On a screen at 144 DPI the label says an 800 x 1100 frame's size at the status font's height
// and stays whole on the screen beside a frame taller than it, at its top edge.
TEST(ToolPromises, TheSizeLabelStaysOnTheScreenAtTheStatusFontsSize) {
    const LogPixels scale(144);
    Overlay o;
    ASSERT_TRUE(o.Start(kTools));
    ASSERT_TRUE(o.MoveTo(60, 0));
    HWND dialog = OpenSizeDialog(o);
    ASSERT_NE(dialog, nullptr);
    TypeSize(dialog, "800", "1100");
    ASSERT_TRUE(o.SettlesAt({60, 0, 860, 1100}));
    HWND label = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return IsWindowVisible(label = FindProcessWindow(o.process.dwProcessId, kSizeLabelClass)); }));
    RECT l{};
    GetWindowRect(label, &l);
    EXPECT_GE(l.left, 0);
    EXPECT_GE(l.top, 0);
    EXPECT_LE(l.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_LE(l.bottom, GetSystemMetrics(SM_CYSCREEN));
    // The status font at 144 DPI, with the label's margin of 6 at 96.
    using MetricsForDpi = BOOL WINAPI(UINT, UINT, void*, UINT, UINT);
    auto* forDpi = SystemFunction<MetricsForDpi>("user32.dll", "SystemParametersInfoForDpi");
    ASSERT_NE(forDpi, nullptr);
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    ASSERT_TRUE(forDpi(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0, 144));
    HDC dc = GetDC(nullptr);
    HFONT font = CreateFontIndirectW(&metrics.lfStatusFont);
    HGDIOBJ old = SelectObject(dc, font);
    SIZE text{};
    GetTextExtentPoint32W(dc, L"800", 3, &text);
    SelectObject(dc, old);
    DeleteObject(font);
    ReleaseDC(nullptr, dc);
    EXPECT_NEAR(l.bottom - l.top, text.cy + 9, 2);
    ASSERT_TRUE(o.Close());
}
