// The settings dialog runs modally from its template, reading and writing the settings file
// next to this test program, and is driven from a thread timer inside its own message loops.
#include <gtest/gtest.h>

#include <windows.h>
#include <colordlg.h>
#include <commctrl.h>
#include <imm.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "editor/resources/resource.h"
#include "editor/settings_dialog.h"
#include "overlay/windows/system_function.h"
#include "pemoka_version.h"
#include "settings/settings_file.h"
#include "settings/shared_names.h"
#include "dialog_controls.h"
#include "temp_folder.h"

namespace {
using Step = DialogStep;

// Runs the settings dialog through its steps; returns how many ran.
size_t RunSettingsDialog(std::vector<Step> steps) {
    return DriveDialogs(std::move(steps), [] {
        DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, SettingsDialogProc, 0);
    });
}

void Press(HWND dialog, int id) { PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

void ChooseRow(HWND dialog, int row) {
    SendDlgItemMessageA(dialog, IDC_STARTUP_GUIDE, CB_SETCURSEL, static_cast<WPARAM>(row), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_STARTUP_GUIDE, CBN_SELENDOK),
                 reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDC_STARTUP_GUIDE)));
}

void SetCheck(HWND dialog, int id, bool on) { CheckDlgButton(dialog, id, on ? BST_CHECKED : BST_UNCHECKED); }

// The settings file of this program, put back as it was after each test.
class SettingsDialogTest : public ::testing::Test {
protected:
    std::string path, saved;
    bool existed = false;
    void SetUp() override {
        path = Narrow(FindSettingsFiles().write);
        ASSERT_FALSE(path.empty());
        existed = FileExists(path);
        saved = ReadTextFile(path);
        DeleteFileA(path.c_str());
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);
    }
    void TearDown() override {
        if (existed) WriteTextFile(path, saved);
        else DeleteFileA(path.c_str());
    }
    void Prepare(const std::string& lines) { WriteTextFile(path, "[SET]\r\n" + lines); }
};

constexpr char kPrepared[] =
    "Width=640\r\nHeight=480\r\nInitRule=2\r\nLineColor=65280\r\nLineWidth=11\r\nDivNumV=5\r\nDivNumH=-1\r\n"
    "DivWidthV=30\r\nFitRange=70\r\nAspectV=16\r\nAspectH=9\r\nTray=1\r\nHotkey=843\r\nOuter=0\r\nExt=32768\r\n";

}  // namespace

TEST_F(SettingsDialogTest, OpensWithTheFileAndCancelWritesNothing) {
    Prepare(kPrepared);
    const std::string before = ReadTextFile(path);
    std::vector<Control> controls;
    std::string caption, width, height, lineWidth, label, key, guide, face;
    std::vector<std::string> rows;
    int ranges[3][2] = {};
    bool buddies = true, centred = false, sizeFromTemplate = false;
    UINT checks[16] = {};
    const int spins[3][2] = {{IDC_WIDTH_SPIN, IDC_WIDTH}, {IDC_HEIGHT_SPIN, IDC_HEIGHT}, {IDC_LINE_WIDTH_SPIN, IDC_LINE_WIDTH}};
    const int boxes[16] = {IDC_OUTER_ON,       IDC_OUTER_OFF,   IDC_TRAY,           IDC_ALT,
                           IDC_CTRL,           IDC_SHIFT,       IDC_WIN,            IDC_EXT_RAILMAN,
                           IDC_EXT_GOLDEN,     IDC_EXT_SAFE_AREAS, IDC_EXT_TOOLS,   IDC_EXT_OUTLINE,
                           IDC_EXT_NO_CAPTURE, IDC_LANGUAGE_AUTO, IDC_LANGUAGE_JAPANESE, IDC_LANGUAGE_ENGLISH};
    const size_t ran = RunSettingsDialog({[&](HWND d) {
        caption = Text(d);
        controls = Controls(d);
        width = ItemText(d, IDC_WIDTH);
        height = ItemText(d, IDC_HEIGHT);
        lineWidth = ItemText(d, IDC_LINE_WIDTH);
        label = ItemText(d, IDC_LINE_WIDTH_LABEL);
        key = ItemText(d, IDC_KEY);
        guide = ItemText(d, IDC_STARTUP_GUIDE);
        for (int i = 0; i < 3; ++i) {
            SendDlgItemMessageA(d, spins[i][0], UDM_GETRANGE32, reinterpret_cast<WPARAM>(&ranges[i][0]),
                                reinterpret_cast<LPARAM>(&ranges[i][1]));
            buddies = buddies && reinterpret_cast<HWND>(SendDlgItemMessageA(d, spins[i][0], UDM_GETBUDDY, 0, 0)) ==
                                     GetDlgItem(d, spins[i][1]);
        }
        for (int i = 0; i < 16; ++i) checks[i] = IsDlgButtonChecked(d, boxes[i]);
        const int count = static_cast<int>(SendDlgItemMessageA(d, IDC_STARTUP_GUIDE, CB_GETCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            char row[64] = "";
            SendDlgItemMessageA(d, IDC_STARTUP_GUIDE, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row));
            rows.push_back(row);
        }
        RECT r, units{0, 0, 300, 234}, client;
        GetWindowRect(d, &r);
        centred = r.left == (GetSystemMetrics(SM_CXSCREEN) - (r.right - r.left)) / 2 &&
                  r.top == (GetSystemMetrics(SM_CYSCREEN) - (r.bottom - r.top)) / 2;
        MapDialogRect(d, &units);
        GetClientRect(d, &client);
        sizeFromTemplate = client.right == units.right && client.bottom == units.bottom;
        LOGFONTA font{};
        GetObjectA(reinterpret_cast<HFONT>(SendMessageA(d, WM_GETFONT, 0, 0)), sizeof font, &font);
        face = font.lfFaceName;
        SetDlgItemTextA(d, IDC_WIDTH, "999");  // typed, then cancelled
        Press(d, IDCANCEL);
    }});
    ASSERT_EQ(ran, 1u);
    EXPECT_EQ(caption, "ペモカの設定 Ver=" PEMOKA_VERSION_SHOWN);
    EXPECT_EQ(controls, (std::vector<Control>{
                            {IDOK, "Button", "OK"}, {IDCANCEL, "Button", "キャンセル"},
                            {IDC_LINE_COLOUR, "Button", "線の色"}, {IDC_SWATCH, "Static", ""},
                            {IDC_LINE_WIDTH_LABEL, "Static", "線の幅(1 ～ 10)"}, {IDC_LINE_WIDTH, "Edit", ""},
                            {IDC_LINE_WIDTH_SPIN, "msctls_updown32", ""}, {IDC_TRAY, "Button", "常駐する"},
                            {IDC_ALT, "Button", "Alt"}, {IDC_CTRL, "Button", "Ctrl"}, {IDC_SHIFT, "Button", "Shift"},
                            {IDC_WIN, "Button", "Win"}, {-1, "Static", "＋"}, {-1, "Button", "ホットキー"},
                            {-1, "Static", "起動時の構図"}, {IDC_STARTUP_GUIDE, "ComboBox", ""},
                            {IDC_KEY_LABEL, "Static", "キー"}, {IDC_KEY, "Edit", ""},
                            {-1, "Static", "起動時のサイズ"}, {-1, "Static", "幅"}, {IDC_WIDTH, "Edit", ""},
                            {IDC_WIDTH_SPIN, "msctls_updown32", ""}, {-1, "Static", "高さ"}, {IDC_HEIGHT, "Edit", ""},
                            {IDC_HEIGHT_SPIN, "msctls_updown32", ""},
                            {IDC_OUTER_LABEL, "Static", "外枠"}, {IDC_OUTER_ON, "Button", "有り"},
                            {IDC_OUTER_OFF, "Button", "無し"}, {-1, "Button", "拡張機能"},
                            {IDC_EXT_RAILMAN, "Button", "レイルマン比率"}, {IDC_EXT_GOLDEN, "Button", "黄金比のガイド"},
                            {IDC_EXT_SAFE_AREAS, "Button", "映像用セーフエリア"}, {IDC_EXT_TOOLS, "Button", "作業ツール"},
                            {IDC_EXT_OUTLINE, "Button", "線を縁取る"},
                            {IDC_EXT_NO_CAPTURE, "Button", "画面キャプチャーに写さない"},
                            {IDC_EXT_OWN_LINES, "Button", "自分のガイド線"}, {IDC_EXT_DIMMING, "Button", "周囲を暗く"},
                            {IDC_DIM_LEVEL, "Edit", ""}, {IDC_DIM_LEVEL_SPIN, "msctls_updown32", ""}, {-1, "Static", "%"},
                            {-1, "Static", "表示言語"},
                            {IDC_LANGUAGE_AUTO, "Button", "自動"}, {IDC_LANGUAGE_JAPANESE, "Button", "日本語"},
                            {IDC_LANGUAGE_ENGLISH, "Button", "English"}, {IDC_SETTINGS_PATH, "Static", path}}));
    EXPECT_EQ(width, "640");
    EXPECT_EQ(height, "480");
    EXPECT_EQ(lineWidth, "2");  // 11 is outside 1 to 10
    EXPECT_EQ(label, "線の幅(1 ～ 10)");
    EXPECT_EQ(key, "K");        // Hotkey 843 = 0x34B: Alt + Ctrl, key 0x4B
    EXPECT_EQ(guide, "対角線");  // InitRule 2
    EXPECT_EQ(rows, (std::vector<std::string>{"前回の構図", "三分割構図", "二分割構図", "二分割構図(縦)",
                                              "二分割構図(横)", "等分割数ダイアログ", "等分割幅ダイアログ", "対角線",
                                              "黄金分割", "ラバットメント", "レイルマン比率"}));
    const int wantRanges[3][2] = {{40, 5000}, {40, 5000}, {1, 10}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(ranges[i][0], wantRanges[i][0]) << i;
        EXPECT_EQ(ranges[i][1], wantRanges[i][1]) << i;
    }
    EXPECT_TRUE(buddies);
    // Ext 32768: the railman ratio ticked, the language automatic.
    const UINT wantChecks[16] = {BST_UNCHECKED, BST_CHECKED,   BST_CHECKED,   BST_CHECKED,   BST_CHECKED, BST_UNCHECKED,
                                 BST_UNCHECKED, BST_CHECKED,   BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED, BST_UNCHECKED,
                                 BST_UNCHECKED, BST_CHECKED,   BST_UNCHECKED, BST_UNCHECKED};
    for (int i = 0; i < 16; ++i) EXPECT_EQ(checks[i], wantChecks[i]) << boxes[i];
    EXPECT_TRUE(centred);
    EXPECT_TRUE(sizeFromTemplate);
    EXPECT_EQ(face, "ＭＳ Ｐゴシック");
    EXPECT_EQ(ReadTextFile(path), before);
    EXPECT_EQ(g_editor.swatch, nullptr);
    EXPECT_EQ(g_editor.previousKeyEditProc, nullptr);
}

TEST_F(SettingsDialogTest, EscAndTheCloseBoxWriteNothingEither) {
    const std::vector<Step> closes = {
        [](HWND d) { PostMessageA(GetDlgItem(d, IDC_WIDTH), WM_KEYDOWN, VK_ESCAPE, 0); },
        [](HWND d) { PostMessageA(d, WM_SYSCOMMAND, SC_CLOSE, 0); },
    };
    for (const Step& close : closes) {
        const size_t ran = RunSettingsDialog({[&](HWND d) {
            SetDlgItemTextA(d, IDC_WIDTH, "999");
            close(d);
        }});
        EXPECT_EQ(ran, 1u);
        EXPECT_FALSE(FileExists(path));
    }
}

TEST_F(SettingsDialogTest, OkStoresTheFieldsAsTypedAndKeepsWhatItDoesNotShow) {
    Prepare(kPrepared);
    HBRUSH first = nullptr, second = nullptr;
    COLORREF swatch = 0;
    const size_t ran = RunSettingsDialog({
        [&](HWND d) {
            first = g_editor.swatch;
            SetDlgItemTextW(d, IDC_WIDTH, L"８００");  // typed with the input method on
            SetDlgItemTextA(d, IDC_HEIGHT, "640abc");
            SetDlgItemTextA(d, IDC_LINE_WIDTH, "25");  // beyond the arrows' range, stored as typed
            SetCheck(d, IDC_OUTER_OFF, false);
            SetCheck(d, IDC_OUTER_ON, true);
            SetCheck(d, IDC_ALT, false);
            SetCheck(d, IDC_SHIFT, true);
            SendDlgItemMessageA(d, IDC_KEY, WM_KEYDOWN, VK_F5, 0);
            ChooseRow(d, 2);  // "二分割構図"
            SetCheck(d, IDC_EXT_TOOLS, true);  // with the railman ratio the file had
            SetCheck(d, IDC_LANGUAGE_AUTO, false);
            SetCheck(d, IDC_LANGUAGE_ENGLISH, true);
            Press(d, IDC_LINE_COLOUR);
        },
        [](HWND chooser) {  // the colour chooser: red 0, green 128, blue 255
            SetDlgItemTextA(chooser, COLOR_RED, "0");
            SetDlgItemTextA(chooser, COLOR_GREEN, "128");
            SetDlgItemTextA(chooser, COLOR_BLUE, "255");
            Press(chooser, IDOK);
        },
        [&](HWND d) {
            second = g_editor.swatch;
            swatch = g_editor.colour;
            Press(d, IDOK);
        },
    });
    ASSERT_EQ(ran, 3u);
    EXPECT_EQ(swatch, RGB(0, 128, 255));
    EXPECT_NE(first, second);
    EXPECT_EQ(GetObjectType(first), 0u);  // each brush is deleted when it is replaced
    EXPECT_EQ(GetObjectType(second), 0u);
    EXPECT_EQ(ReadTextFile(path),
              "[SET]\r\nWidth=800\r\nHeight=640\r\nInitRule=4\r\nLineColor=16744448\r\nLineWidth=25\r\n"
              "DivNumV=5\r\nDivNumH=-1\r\nDivWidthV=30\r\nDivWidthH=-1\r\nFitRange=70\r\nAspectV=16\r\n"
              "AspectH=9\r\nTray=1\r\nHotkey=1652\r\nOuter=1\r\nExt=37120\r\n");  // Ctrl + Shift + F5; 0x9100
}

// The dimming's level shows within 10..90 and is written to its own section with the dimming
// ticked only; a level typed past the range is brought into it.
TEST_F(SettingsDialogTest, TheDimmingLevelKeepsToItsRangeAndItsSection) {
    const struct { const char* file; bool tick; const char* typed; const char* shown; const char* written; } cases[] = {
        {"Ext=64\r\n[DIM]\r\nLevel=5\r\n", true, "95", "10", "90"},
        {"Ext=0\r\n", true, "35", "50", "35"},
        {"Ext=0\r\n", false, "35", "50", nullptr},  // unticked: no section
        {"Ext=64\r\n[DIM]\r\nLevel=junk\r\n", true, "-3", "10", "10"},
    };
    for (const auto& c : cases) {
        Prepare(c.file);
        std::string shown;
        UINT ticked = 0;
        const size_t ran = RunSettingsDialog({[&](HWND d) {
            shown = ItemText(d, IDC_DIM_LEVEL);
            ticked = IsDlgButtonChecked(d, IDC_EXT_DIMMING);
            SetCheck(d, IDC_EXT_DIMMING, c.tick);
            SetDlgItemTextA(d, IDC_DIM_LEVEL, c.typed);
            Press(d, IDOK);
        }});
        ASSERT_EQ(ran, 1u);
        EXPECT_EQ(shown, c.shown) << c.file;
        EXPECT_EQ(ticked, std::string(c.file).find("Ext=64") == 0 ? BST_CHECKED : BST_UNCHECKED) << c.file;
        char level[16] = "";
        GetPrivateProfileStringA("DIM", "Level", "", level, sizeof level, path.c_str());
        EXPECT_EQ(std::string(level), c.written ? c.written : "") << c.file;
        EXPECT_EQ(GetPrivateProfileIntA("SET", "Ext", -1, path.c_str()), c.tick ? 64u : 0u) << c.file;
    }
}

TEST_F(SettingsDialogTest, TheStartupListKeepsARuleItCannotShow) {
    const struct { const char* rule; const char* ext; int choose; const char* shown; const char* stored; } cases[] = {
        {"3", "0", -1, "", "3"},                          // no row matches: kept as read
        {"0", "0", -1, "", "0"},
        {"2147483652", "0", -1, "前回の構図", "2147483648"},  // remember flag with a mask: the flag alone
        {"0", "0", 0, "", "2147483648"},                  // choosing "前回の構図"
        {"2147483648", "0", 10, "前回の構図", "64"},
        {"2048", "32768", -1, "", "2048"},                // a guide that Ext does not list: kept
        {"2048", "16384", -1, "黄金螺旋", "2048"},
        {"1", "16384", 14, "三分割構図", "8192"},          // the last row: "ダイナミックシンメトリー"
    };
    for (const auto& c : cases) {
        Prepare(std::string("InitRule=") + c.rule + "\r\nExt=" + c.ext + "\r\n");
        std::string shown, last;
        int count = 0;
        RunSettingsDialog({[&](HWND d) {
            shown = ItemText(d, IDC_STARTUP_GUIDE);
            count = static_cast<int>(SendDlgItemMessageA(d, IDC_STARTUP_GUIDE, CB_GETCOUNT, 0, 0));
            char row[64] = "";
            SendDlgItemMessageA(d, IDC_STARTUP_GUIDE, CB_GETLBTEXT, static_cast<WPARAM>(count - 1), reinterpret_cast<LPARAM>(row));
            last = row;
            if (c.choose >= 0) ChooseRow(d, c.choose);
            Press(d, IDOK);
        }});
        EXPECT_EQ(shown, c.shown) << c.rule;
        const bool extra = std::string(c.ext) == "16384";
        EXPECT_EQ(count, extra ? 15 : 11) << c.ext;
        EXPECT_EQ(last, extra ? "ダイナミックシンメトリー" : "レイルマン比率") << c.ext;
        char line[64];
        GetPrivateProfileStringA("SET", "InitRule", "", line, sizeof line, path.c_str());
        EXPECT_STREQ(line, c.stored) << c.rule;
    }
}

namespace {
// Ends a popup menu that this thread tracks, and remembers that one was open.
bool g_menuOpened = false;
void CALLBACK EndAnyMenu(HWND, UINT, UINT_PTR, DWORD) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (GetGUIThreadInfo(GetCurrentThreadId(), &info) && (info.flags & GUI_INMENUMODE)) {
        g_menuOpened = true;
        EndMenu();
    }
}

void PutOnClipboard(const char* text) {
    if (!OpenClipboard(nullptr)) return;
    EmptyClipboard();
    if (text) {
        HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, std::strlen(text) + 1);
        std::memcpy(GlobalLock(block), text, std::strlen(text) + 1);
        GlobalUnlock(block);
        SetClipboardData(CF_TEXT, block);
    }
    CloseClipboard();
}
}  // namespace

// The key edit's text always names the key that OK stores: only key presses change it.
TEST_F(SettingsDialogTest, TheKeyEditTakesKeyPressesAndNothingElse) {
    Prepare("Hotkey=843\r\n");  // K
    const struct { UINT msg; WPARAM wp; const char* shown; unsigned key; } cases[] = {
        {WM_KEYDOWN, VK_SHIFT, "K", 'K'},   {WM_KEYDOWN, VK_CONTROL, "K", 'K'}, {WM_KEYDOWN, VK_MENU, "K", 'K'},
        {WM_KEYDOWN, VK_LWIN, "K", 'K'},    {WM_KEYDOWN, VK_RWIN, "K", 'K'},    {WM_KEYDOWN, 'A', "A", 'A'},
        {WM_KEYDOWN, VK_PROCESSKEY, "A", 'A'},  // a key an input method took
        {WM_KEYDOWN, VK_PACKET, "A", 'A'},      // a character sent as Unicode input
        {WM_CHAR, 'x', "A", 'A'},           {WM_RBUTTONDOWN, MK_RBUTTON, "A", 'A'}, {WM_RBUTTONUP, 0, "A", 'A'},
        {WM_CONTEXTMENU, 0, "A", 'A'},      {WM_PASTE, 0, "A", 'A'},            {WM_CUT, 0, "A", 'A'},
        {WM_CLEAR, 0, "A", 'A'},            {WM_UNDO, 0, "A", 'A'},
        {WM_KEYDOWN, VK_F10, "F10", VK_F10},
        {WM_KEYDOWN, 0xBA, ";", 0xBA},  // not in the table: as the keyboard names it
        {WM_KEYDOWN, VK_NUMPAD5, "Num(5)", VK_NUMPAD5},
    };
    std::vector<std::string> shown;
    std::vector<unsigned> keys;
    bool inputContext = true;
    PutOnClipboard("Z");
    g_menuOpened = false;
    RunSettingsDialog({[&](HWND d) {
        const HWND edit = GetDlgItem(d, IDC_KEY);
        auto* getContext = SystemFunction<decltype(ImmGetContext)>("imm32.dll", "ImmGetContext");
        const HIMC context = getContext ? getContext(edit) : nullptr;
        inputContext = context != nullptr;
        if (context) SystemFunction<decltype(ImmReleaseContext)>("imm32.dll", "ImmReleaseContext")(edit, context);
        const UINT_PTR watch = SetTimer(nullptr, 0, 20, EndAnyMenu);
        for (const auto& c : cases) {
            SendMessageA(edit, EM_SETSEL, 0, -1);  // all of it, for what would cut, clear or paste
            EXPECT_EQ(SendMessageA(edit, c.msg, c.wp, 0), 0) << c.msg << " " << c.wp;
            shown.push_back(Text(edit));
            keys.push_back(g_editor.key);
        }
        KillTimer(nullptr, watch);
        // Keys arriving as system keys (with Alt, or F10) are the edit's own business.
        SendMessageA(edit, WM_SYSKEYDOWN, 'Q', 0);
        shown.push_back(Text(edit));
        Press(d, IDOK);
    }});
    PutOnClipboard(nullptr);
    ASSERT_EQ(shown.size(), std::size(cases) + 1);
    for (size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(shown[i], cases[i].shown) << i;
        EXPECT_EQ(keys[i], cases[i].key) << i;
    }
    EXPECT_EQ(shown.back(), "Num(5)");
    EXPECT_FALSE(g_menuOpened);
    EXPECT_FALSE(inputContext);
    char line[64];
    GetPrivateProfileStringA("SET", "Hotkey", "", line, sizeof line, path.c_str());
    EXPECT_STREQ(line, "869");  // 0x300 + Num 5 (0x65)
}

// An arrow steps from the number the field shows, typed as the user likes, held in the range;
// past 999 it writes no thousands separator, so OK stores what it shows.
TEST_F(SettingsDialogTest, AnArrowStepsFromTheNumberShown) {
    struct Field { int edit, spin; const char* key; };
    const Field width{IDC_WIDTH, IDC_WIDTH_SPIN, "Width"}, height{IDC_HEIGHT, IDC_HEIGHT_SPIN, "Height"},
        line{IDC_LINE_WIDTH, IDC_LINE_WIDTH_SPIN, "LineWidth"};
    const struct { Field field; const wchar_t* typed; WPARAM key; int shown; } cases[] = {
        {width, L"999", 0, 1000},  // key 0: a click on the up arrow
        {width, L"6000", VK_DOWN, 5000},  // beyond the range: to the near end, not the far one
        {height, L"0", 0, 40},
        {width, L"８００", VK_DOWN, 799},  // typed with the input method on
        {line, L"－３", 0, 1},
    };
    for (const auto& c : cases) {
        Prepare("Width=640\r\nHeight=480\r\n");
        std::string shown;
        RunSettingsDialog({[&](HWND d) {
            SetDlgItemTextW(d, c.field.edit, c.typed);
            if (c.key)
                SendDlgItemMessageA(d, c.field.edit, WM_KEYDOWN, c.key, 0);
            else
                ClickUpArrow(GetDlgItem(d, c.field.spin));
            shown = ItemText(d, c.field.edit);
            Press(d, IDOK);
        }});
        EXPECT_EQ(shown, std::to_string(c.shown)) << c.field.key << " " << c.key;
        EXPECT_EQ(GetPrivateProfileIntA("SET", c.field.key, 0, path.c_str()), static_cast<UINT>(c.shown)) << c.field.key;
    }
}

namespace {
int g_changedMessages = 0;
LRESULT CALLBACK CountChanges(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == kSettingsChangedMessage) ++g_changedMessages;
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

TEST_F(SettingsDialogTest, OkTellsEveryGuideFrameOnceTheFileIsWritten) {
    WNDCLASSA wc{};
    wc.lpfnWndProc = CountChanges;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = kFrameClass;
    RegisterClassA(&wc);
    HWND frames[2];
    for (HWND& f : frames) f = CreateWindowExA(0, kFrameClass, nullptr, WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
    Prepare("Width=640\r\n");

    g_changedMessages = 0;
    RunSettingsDialog({[](HWND d) { Press(d, IDOK); }});
    EXPECT_EQ(g_changedMessages, 2);  // one for each frame

    // A file open in another program that lets nobody write: the warning, and no frame hears.
    const std::string before = ReadTextFile(path);
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    g_changedMessages = 0;
    std::string warning;
    const size_t ran = RunSettingsDialog({
        [](HWND d) {
            SetDlgItemTextA(d, IDC_WIDTH, "900");
            Press(d, IDOK);
        },
        [&](HWND box) {
            warning = Text(box) + "|" + ItemText(box, 0xFFFF);
            Press(box, IDOK);
        },
        [](HWND d) { Press(d, IDCANCEL); },
    });
    CloseHandle(held);
    EXPECT_EQ(ran, 3u);
    EXPECT_EQ(warning, "ペモカ|設定を書き込めませんでした。\n" + path);
    EXPECT_EQ(g_changedMessages, 0);
    EXPECT_EQ(ReadTextFile(path), before);
    for (HWND f : frames) DestroyWindow(f);
    UnregisterClassA(kFrameClass, wc.hInstance);  // the window-set tests register their own
}
