// The texts as the system shows them, read back through the wide functions: the popup menus,
// the editor's dialog and a number dialog, in the language that Ext and the user's interface
// language choose. These run with the other Win32 tests under the Japanese locale, and once
// more in a process of an English locale (code page 1252), where the ANSI functions would
// have turned the Japanese into mojibake.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "editor/resources/resource.h"
#include "editor/settings_dialog.h"
#include "overlay/guides/division_dialogs.h"
#include "overlay/menus/popup_menus.h"
#include "overlay/resources/resource.h"
#include "pemoka_version.h"
#include "settings/settings_file.h"
#include "settings/shown_text.h"
#include "dialog_controls.h"
#include "temp_folder.h"

namespace {
using Texts = std::vector<std::wstring>;

bool JapaneseInterface() { return PRIMARYLANGID(GetUserDefaultUILanguage()) == LANG_JAPANESE; }

// Which of two texts Ext and the interface language show.
const Texts& Pick(uint32_t ext, const Texts& japanese, const Texts& english) {
    const bool shown = (ext & 0x0200) || (!(ext & 0x0100) && JapaneseInterface());
    return shown ? japanese : english;
}

// The items' texts; "" for a separator.
Texts MenuTexts(HMENU menu) {
    Texts texts;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        wchar_t text[64] = L"";
        GetMenuStringW(menu, static_cast<UINT>(i), text, 64, MF_BYPOSITION);
        texts.push_back(text);
    }
    return texts;
}

std::wstring WideItem(HWND dialog, int id) {
    wchar_t text[128] = L"";
    SendMessageW(id ? GetDlgItem(dialog, id) : dialog, WM_GETTEXT, 128, reinterpret_cast<LPARAM>(text));
    return text;
}

Texts ListRows(HWND list) {
    Texts rows;
    const int count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        wchar_t row[64] = L"";
        SendMessageW(list, CB_GETLBTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(row));
        rows.push_back(row);
    }
    return rows;
}

const std::wstring kVersion = WideText(PEMOKA_VERSION_SHOWN).text;
constexpr uint32_t kExts[] = {0x0200, 0x0100, 0x0300, 0};
}  // namespace

// The English run asks for its locale through PEMOKA_LOCALE: make sure it got it, or the run
// would prove nothing.
TEST(ShownTexts, RunsUnderTheLocaleAsked) {
    const char* locale = std::getenv("PEMOKA_LOCALE");
    if (!locale || std::strncmp(locale, "en_", 3) != 0) GTEST_SKIP() << "the Japanese run";
    EXPECT_NE(GetACP(), 932u);
    EXPECT_FALSE(JapaneseInterface());
}

TEST(ShownTexts, PopupMenusInTheChosenLanguage) {
    const Texts japanese{L"三分割構図", L"二分割構図", L"二分割構図(縦)", L"二分割構図(横)",
                         L"等分割数ダイアログ", L"等分割幅ダイアログ", L"対角線", L"黄金分割",
                         L"ラバットメント", L"", L"フィット", L"アスペクト比", L"", L"外枠無し", L"", L"終了"};
    const Texts english{L"Rule of &Thirds", L"C&enter Lines", L"&Vertical Center Line", L"Hori&zontal Center Line",
                        L"Grid by Co&unt...", L"Grid &by Spacing...", L"D&iagonals", L"Golden &Diagonals",
                        L"Rabat&ment", L"", L"Gro&w to Edges", L"As&pect Ratio", L"", L"&Hide Border", L"", L"E&xit"};
    const Texts japaneseTray{L"表示", L"設定", L"", L"バージョン", L"終了", L"", L"キャンセル"};
    const Texts englishTray{L"&Show Pemoka", L"S&ettings...", L"", L"&About Pemoka", L"E&xit", L"", L"&Cancel"};
    for (uint32_t ext : kExts) {
        HMENU menu = BuildContextMenu(ext, true);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(MenuTexts(menu), Pick(ext, japanese, english)) << std::hex << ext;
        const Texts ratios = MenuTexts(GetSubMenu(menu, 11));
        ASSERT_EQ(ratios.size(), 14u);
        EXPECT_EQ(ratios[0], L"1:1");
        EXPECT_EQ(ratios[13], Pick(ext, {L"カスタム"}, {L"&Custom..."})[0]) << std::hex << ext;
        DestroyMenu(menu);

        g_settings.Ext = static_cast<int32_t>(ext);
        menu = BuildTrayMenu(false);
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(MenuTexts(menu), Pick(ext, japaneseTray, englishTray)) << std::hex << ext;
        DestroyMenu(menu);
    }
    g_settings = DefaultSettings();
}

TEST(ShownTexts, CountDialogInTheChosenLanguage) {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    for (uint32_t ext : kExts) {
        g_settings = DefaultSettings();
        g_settings.Ext = static_cast<int32_t>(ext);
        Texts seen;
        DriveDialogs({[&](HWND d) {
                         seen = {WideItem(d, 0), WideItem(d, IDCANCEL)};
                         for (HWND c = GetWindow(d, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
                             if (GetDlgCtrlID(c) == 0xFFFF) seen.push_back(WideItem(c, 0));
                         PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
                     }},
                     [&] {
                         RunDialogIn(ShownLanguage(), GetModuleHandleA(nullptr), IDD_DIVISION_COUNT, nullptr,
                                     DivisionCountDialog);
                     });
        EXPECT_EQ(seen, Pick(ext, {L"等分割数の設定", L"キャンセル", L"縦の分割数", L"横の分割数"},
                             {L"Grid by Count", L"Cancel", L"&Columns:", L"&Rows:"}))
            << std::hex << ext;
    }
    g_settings = DefaultSettings();
}

// Quillet's dialog with its caption, start-up list, line-width label and key names, the
// latter also after a key press in the subclassed key edit.
TEST(ShownTexts, EditorDialogInTheChosenLanguage) {
    const std::string path = Narrow(FindSettingsFiles().write), saved = ReadTextFile(path);
    const bool existed = FileExists(path);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    const Texts japanese{L"ペモカの設定 Ver=" + kVersion, L"キャンセル", L"線の幅(1 ～ 10)", L"対角線",
                         L"マウス中央ボタン", L"IME 変換", L"前回の構図", L"三分割構図", L"レイルマン比率"};
    const Texts english{L"Pemoka Settings Ver=" + kVersion, L"Cancel", L"Line wi&dth (1-10):", L"Diagonals",
                        L"Middle Mouse Button", L"IME Convert", L"Guide Last Used", L"Rule of Thirds", L"Railman Ratio"};
    for (uint32_t ext : kExts) {
        // Hot key Ctrl + the middle button (0x0204), the diagonals at start.
        WriteTextFile(path, "[SET]\r\nInitRule=2\r\nHotkey=516\r\nExt=" + std::to_string(ext) + "\r\n");
        LoadSettings();
        Texts seen;
        size_t rows = 0;
        DriveDialogs({[&](HWND d) {
                         seen = {WideItem(d, 0), WideItem(d, IDCANCEL), WideItem(d, IDC_LINE_WIDTH_LABEL),
                                 WideItem(d, IDC_STARTUP_GUIDE), WideItem(d, IDC_KEY)};
                         SendMessageW(GetDlgItem(d, IDC_KEY), WM_KEYDOWN, VK_CONVERT, 0);
                         seen.push_back(WideItem(d, IDC_KEY));
                         const Texts list = ListRows(GetDlgItem(d, IDC_STARTUP_GUIDE));
                         rows = list.size();
                         if (rows == 11) seen.insert(seen.end(), {list[0], list[1], list[10]});
                         PostMessageA(d, WM_COMMAND, IDCANCEL, 0);
                     }},
                     [] { RunDialogIn(ShownLanguage(), GetModuleHandleA(nullptr), IDD_SETTINGS, nullptr, SettingsDialogProc); });
        EXPECT_EQ(rows, 11u);
        EXPECT_EQ(seen, Pick(ext, japanese, english)) << std::hex << ext;
    }
    if (existed) WriteTextFile(path, saved);
    else DeleteFileA(path.c_str());
    g_settings = DefaultSettings();
}

// A byte that is no character of code page 932 shows as the system converts it; a text too long
// for the buffer is cut, never run past.
TEST(ShownTexts, TextsThatDoNotConvertWhole) {
    const WideText lone("\x82");  // a lead byte without its trail
    EXPECT_LE(lstrlenW(lone), 1);
    const std::string longer(5000, 'a');
    const WideText cut(longer.c_str());
    EXPECT_EQ(static_cast<size_t>(lstrlenW(cut)), sizeof cut.text / sizeof cut.text[0] - 1);
    EXPECT_EQ(WideText(nullptr).text[0], L'\0');
}
