// Quillet.exe beside a settings file, with and without running overlays: what OK writes, whom
// it tells, and when it refuses.
#include <gtest/gtest.h>

#include <string>

#include "overlay_harness.h"
#include "pemoka_version.h"
#include "settings/shared_names.h"

namespace {
constexpr char kDialogCaption[] = "ペモカの設定 Ver=" PEMOKA_VERSION_SHOWN;
constexpr int kLineColourButton = 1002, kSwatch = 1001, kTray = 1009, kAlt = 1010, kStartupGuide = 1021,
              kKeyEdit = 1023, kWidthEdit = 1026, kOuterOff = 1035;

// A running Quillet.exe, found by its dialog.
struct Editor {
    std::string dir;
    PROCESS_INFORMATION process{};
    HWND dialog = nullptr;

    explicit Editor(std::string folder) : dir(std::move(folder)) {}
    ~Editor() { EndProcess(process); }
    bool Start() {
        if (!StartProgram(dir, "Quillet.exe", process)) return false;
        return WaitUntil([&] {
            dialog = FindProcessWindow(process.dwProcessId, "#32770", kDialogCaption);
            return dialog && IsWindowVisible(dialog);
        });
    }
    HWND Item(int id) const { return GetDlgItem(dialog, id); }
    void Press(int id) const { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }
    void Check(int id) const { SendMessageA(Item(id), BM_SETCHECK, BST_CHECKED, 0); }
    // The window the dialog has opened over itself (the colour chooser, a message box), or null.
    HWND Popup() const {
        HWND found[2] = {dialog, nullptr};  // owner, then what it owns
        EnumWindows(FindOwned, reinterpret_cast<LPARAM>(found));
        return found[1];
    }
    static BOOL CALLBACK FindOwned(HWND hwnd, LPARAM lp) {
        HWND* found = reinterpret_cast<HWND*>(lp);
        if (GetWindow(hwnd, GW_OWNER) != found[0] || !IsWindowVisible(hwnd)) return TRUE;
        found[1] = hwnd;
        return FALSE;
    }
    HWND WaitForPopup() const {
        HWND popup = nullptr;
        WaitUntil([&] { return (popup = Popup()) != nullptr; });
        return popup;
    }
    bool Exited() const { return WaitForProcessExit(process); }
};

// A window's text; asked of the window itself, as the system answers for another process's
// controls only with the text they were created with.
std::string Text(HWND hwnd) {
    char text[512] = "";
    SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}
void SetText(HWND hwnd, const char* text) { SendMessageA(hwnd, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); }

// Answers the warning over the dialog and waits until the dialog alone is left, still open.
// Returns the warning's text, or "(none)" when none came with the caption "ペモカ".
std::string AnswerWarning(const Editor& e) {
    const HWND box = e.WaitForPopup();
    if (!box || Text(box) != "ペモカ") return "(none)";
    const std::string text = Text(GetDlgItem(box, 0xFFFF));
    PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box) && IsWindowEnabled(e.dialog); }));
    EXPECT_TRUE(IsWindowVisible(e.dialog));
    return text;
}

// Picks RGB(0, 160, 0) in the colour chooser and waits until the swatch shows it.
bool ChooseGreen(const Editor& e) {
    e.Press(kLineColourButton);
    const HWND chooser = e.WaitForPopup();
    if (!chooser) return false;
    SetText(GetDlgItem(chooser, 706), "0");  // red, green and blue of the colour chooser
    SetText(GetDlgItem(chooser, 707), "160");
    SetText(GetDlgItem(chooser, 708), "0");
    PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    RECT swatch;
    GetWindowRect(e.Item(kSwatch), &swatch);
    return WaitUntil([&] {
        return !e.Popup() && NearColour(ScreenPixel((swatch.left + swatch.right) / 2, (swatch.top + swatch.bottom) / 2),
                                        RGB(0, 160, 0), 8);
    });
}

// The first third's line of the overlay, which shows whatever lies under the frame elsewhere.
bool Shows(const Overlay& o, COLORREF colour) {
    return WaitUntil([&] { return NearColour(o.ClientPixel(66, 30), colour); });
}
}  // namespace

TEST(Editor, OkWritesWhatWasEditedAndKeepsTheRest) {
    TempFolder dir;
    WriteTextFile(dir.File("pemoka.ini"),
                  Ini("Width=640\r\nHeight=480\r\nInitRule=2147483652\r\nLineColor=65280\r\nLineWidth=3\r\n"
                      "DivNumV=5\r\nDivWidthH=12\r\nFitRange=70\r\nAspectV=16\r\nAspectH=9\r\nExt=32768\r\n"
                      "[LAYOUT]\r\n2=70,60,240,180,32,0\r\n[Other]\r\nkept=1\r\n"));
    Editor e(dir.path);
    ASSERT_TRUE(e.Start());
    SetText(e.Item(kWidthEdit), "800");
    e.Check(kOuterOff);
    SendMessageA(e.Item(kOuterOff - 1), BM_SETCHECK, BST_UNCHECKED, 0);
    e.Check(kAlt);
    SendMessageA(e.Item(kStartupGuide), CB_SETCURSEL, 8, 0);  // "黄金分割", as the list reports it
    SendMessageA(e.dialog, WM_COMMAND, MAKEWPARAM(kStartupGuide, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(e.Item(kStartupGuide)));

    // The key, pressed on the keyboard into the key edit, which a click has given the focus.
    ASSERT_TRUE(FocusOn(e.dialog));
    RECT key;
    GetWindowRect(e.Item(kKeyEdit), &key);
    ASSERT_TRUE(PointerTo((key.left + key.right) / 2, (key.top + key.bottom) / 2));
    ASSERT_TRUE(LeftButton(true));
    ASSERT_TRUE(LeftButton(false));
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    ASSERT_TRUE(WaitUntil([&] { return GetGUIThreadInfo(e.process.dwThreadId, &info) && info.hwndFocus == e.Item(kKeyEdit); }));
    ASSERT_TRUE(Tap('J'));
    EXPECT_TRUE(WaitUntil([&] { return Text(e.Item(kKeyEdit)) == "J"; }));

    e.Press(IDOK);
    ASSERT_TRUE(e.Exited());
    EXPECT_EQ(ReadTextFile(dir.File("pemoka.ini")),
              "[SET]\r\nWidth=800\r\nHeight=480\r\nInitRule=32\r\nLineColor=65280\r\nLineWidth=3\r\nDivNumV=5\r\n"
              "DivNumH=-1\r\nDivWidthV=-1\r\nDivWidthH=12\r\nFitRange=70\r\nAspectV=16\r\nAspectH=9\r\nTray=0\r\n"
              "Hotkey=330\r\nOuter=0\r\nExt=32768\r\n[LAYOUT]\r\n2=70,60,240,180,32,0\r\n[Other]\r\nkept=1\r\n");  // Alt (0x100) + J (0x4A)
}

TEST(Editor, RunningOverlaysRepaintInTheChosenColour) {
    // Five at once, apart, and away from the dialog in the middle of the screen.
    const POINT kAt[] = {{40, 40}, {40, 600}, {1040, 40}, {1040, 600}, {40, 320}};
    Overlay overlays[std::size(kAt)];
    Overlay& first = overlays[0];
    for (size_t i = 0; i < std::size(kAt); ++i) {
        Overlay& o = overlays[i];
        o.dir = first.dir;
        ASSERT_TRUE(o.Start()) << i;
        ASSERT_TRUE(o.MoveTo(kAt[i].x, kAt[i].y)) << i;
        ASSERT_TRUE(Shows(o, RGB(255, 0, 0))) << i;
    }

    Editor e(first.dir);
    ASSERT_TRUE(e.Start());
    ASSERT_TRUE(ChooseGreen(e));
    e.Press(IDOK);
    ASSERT_TRUE(e.Exited());
    EXPECT_EQ(IniValue(first.SettingsText(), "LineColor"), "40960");
    for (Overlay& o : overlays) {
        EXPECT_TRUE(Shows(o, RGB(0, 160, 0))) << o.process.dwProcessId;
        ASSERT_TRUE(o.Close());
    }
}

TEST(Editor, AnOverlayThatDoesNotAnswerHoldsUpOkOnlyForAWhile) {
    Overlay overlays[2];
    overlays[1].dir = overlays[0].dir;
    const POINT kAt[] = {{40, 40}, {1040, 600}};
    for (size_t i = 0; i < std::size(overlays); ++i) {
        ASSERT_TRUE(overlays[i].Start()) << i;
        ASSERT_TRUE(overlays[i].MoveTo(kAt[i].x, kAt[i].y)) << i;
        ASSERT_TRUE(Shows(overlays[i], RGB(255, 0, 0))) << i;
    }
    // The frame that the editor comes to first stops, as in a debugger.
    const bool firstIsFirst = FindWindowA("__pemoka_246__", nullptr) == overlays[0].frame;
    Overlay& stopped = overlays[firstIsFirst ? 0 : 1];
    Overlay& running = overlays[firstIsFirst ? 1 : 0];
    ASSERT_NE(SuspendThread(stopped.process.hThread), static_cast<DWORD>(-1));

    Editor e(running.dir);
    ASSERT_TRUE(e.Start());
    ASSERT_TRUE(ChooseGreen(e));
    e.Press(IDOK);
    EXPECT_TRUE(WaitForProcessExit(e.process, 20000));  // a bound of a few seconds for each frame
    EXPECT_TRUE(Shows(running, RGB(0, 160, 0)));
    ResumeThread(stopped.process.hThread);
    for (Overlay& o : overlays) ASSERT_TRUE(o.Close());
}

TEST(Editor, ASecondStartBringsTheOpenDialogForward) {
    Backdrop backdrop(kBackdropColour);
    TempFolder dir;
    Editor open(dir.path);
    ASSERT_TRUE(open.Start());
    // The dialog takes the foreground as it opens; then another window takes it.
    ASSERT_TRUE(WaitUntil([&] { return GetForegroundWindow() == open.dialog; }));
    ASSERT_TRUE(WaitUntil([&] {
        SetForegroundWindow(backdrop.hwnd);
        return GetForegroundWindow() == backdrop.hwnd;
    }));

    Editor second(dir.path);
    ASSERT_TRUE(StartProgram(dir.path, "Quillet.exe", second.process));
    EXPECT_TRUE(second.Exited());
    DWORD code = 1;
    GetExitCodeProcess(second.process.hProcess, &code);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return GetForegroundWindow() == open.dialog; }));
    EXPECT_EQ(FindProcessWindow(second.process.dwProcessId, "#32770"), nullptr);

    open.Press(IDCANCEL);
    ASSERT_TRUE(open.Exited());
    EXPECT_FALSE(FileExists(dir.File("pemoka.ini")));
}

TEST(Editor, OfEditorsStartedAtOnceOneOpens) {
    TempFolder dir;
    Editor editors[] = {Editor(dir.path), Editor(dir.path), Editor(dir.path), Editor(dir.path)};
    for (Editor& e : editors) ASSERT_TRUE(StartProgram(dir.path, "Quillet.exe", e.process));
    Editor* open = nullptr;
    ASSERT_TRUE(WaitUntil([&] {
        size_t ended = 0;
        open = nullptr;
        for (Editor& e : editors) {
            if (WaitForSingleObject(e.process.hProcess, 0) == WAIT_OBJECT_0) ++ended;
            else if ((e.dialog = FindProcessWindow(e.process.dwProcessId, "#32770", kDialogCaption)) && IsWindowVisible(e.dialog)) open = &e;
        }
        return ended == std::size(editors) - 1 && open;
    }));
    open->Press(IDCANCEL);
    ASSERT_TRUE(open->Exited());
}

TEST(Editor, OnlyAChangedHotKeyIsTriedAndAHeldOneIsRefused) {
    // Ctrl+Alt+K, held here as a running overlay would hold it.
    struct HeldHotKey {
        bool held = RegisterHotKey(nullptr, 1, MOD_CONTROL | MOD_ALT, 'K') != 0;
        ~HeldHotKey() {
            if (held) UnregisterHotKey(nullptr, 1);
        }
    } hotKey;
    ASSERT_TRUE(hotKey.held);
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    {  // Unchanged from the file: saved without a try.
        WriteTextFile(path, Ini("Tray=1\r\nHotkey=843\r\n"));
        Editor e(dir.path);
        ASSERT_TRUE(e.Start());
        SetText(e.Item(kWidthEdit), "321");
        e.Press(IDOK);
        ASSERT_TRUE(e.Exited());
        EXPECT_EQ(IniValue(ReadTextFile(path), "Width"), "321");
        EXPECT_EQ(IniValue(ReadTextFile(path), "Hotkey"), "843");
    }
    {  // Residency switched on for the held combination: the warning, and nothing written.
        const std::string before = Ini("Tray=0\r\nHotkey=843\r\n");
        WriteTextFile(path, before);
        Editor e(dir.path);
        ASSERT_TRUE(e.Start());
        e.Check(kTray);
        e.Press(IDOK);
        EXPECT_EQ(AnswerWarning(e), "ホットキーが登録出来ませんでした。\n他のホットキーを設定してください。");
        EXPECT_EQ(ReadTextFile(path), before);
        e.Press(IDCANCEL);
        ASSERT_TRUE(e.Exited());
        EXPECT_EQ(ReadTextFile(path), before);
    }
}

TEST(Editor, AnUnwritableFileIsReportedAndTheDialogStays) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    const std::string before = Ini("Width=640\r\n");
    WriteTextFile(path, before);
    // Open in another program that lets nobody write. (A read-only file is no failure: the
    // user's own file is written instead.)
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);

    Editor e(dir.path);
    ASSERT_TRUE(e.Start());
    SetText(e.Item(kWidthEdit), "900");
    e.Press(IDOK);
    EXPECT_EQ(AnswerWarning(e), "設定を書き込めませんでした。\n" + path);
    EXPECT_EQ(Text(e.Item(kWidthEdit)), "900");  // the user's values are still there
    CloseHandle(held);
    e.Press(IDCANCEL);
    ASSERT_TRUE(e.Exited());
    EXPECT_EQ(ReadTextFile(path), before);
}

TEST(Editor, TheOverlaysSettingsCommandStartsItFromTheOverlaysFolder) {
    Overlay o;
    ASSERT_TRUE(o.Start());
    // Not there: nothing starts. The version box after it shows that the command was handled.
    PostMessageA(o.frame, WM_COMMAND, 32789, 0);
    PostMessageA(o.frame, WM_COMMAND, 32790, 0);
    HWND box = o.WaitForWindow("ペモカ");
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(FindWindowA("#32770", kDialogCaption), nullptr);
    PostMessageA(box, WM_COMMAND, IDOK, 0);

    ASSERT_TRUE(CopyFileA((ProgramFolder() + "Quillet.exe").c_str(), (o.dir + "Quillet.exe").c_str(), FALSE));
    PostMessageA(o.frame, WM_COMMAND, 32789, 0);
    HWND dialog = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (dialog = FindWindowA("#32770", kDialogCaption)) && IsWindowVisible(dialog); }));
    PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    ASSERT_TRUE(o.Close());
}
