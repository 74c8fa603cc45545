// Both programs started as on an English system (a unix locale of en_US.UTF-8 under Wine: code
// page 1252, English interface): English texts with Ext 0, the Japanese ones, whole, with Ext
// bit 0x0200. Texts are read through the wide functions, as another process sees them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay_harness.h"
#include "pemoka_version.h"

namespace {
using Texts = std::vector<std::wstring>;
constexpr char kEnglishLocale[] = "en_US.UTF-8";
const std::wstring kVersion = [] {
    std::string v = PEMOKA_VERSION_SHOWN;
    return std::wstring(v.begin(), v.end());
}();

std::wstring WideText(HWND hwnd) {
    wchar_t text[256] = L"";
    SendMessageW(hwnd, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text));
    return text;
}

// A visible dialog or message box of the process with this wide caption, once it is up; null
// after the wait.
HWND WaitForCaption(DWORD pid, const std::wstring& caption) {
    HWND found = nullptr;
    WaitUntil([&] {
        for (HWND w = GetTopWindow(nullptr); w && !found; w = GetWindow(w, GW_HWNDNEXT)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            char cls[16] = "";
            GetClassNameA(w, cls, sizeof cls);
            // A dialog or a message box: the frame bears the program's name too.
            if (owner == pid && IsWindowVisible(w) && lstrcmpA(cls, "#32770") == 0 && WideText(w) == caption) found = w;
        }
        return found != nullptr;
    });
    return found;
}

// The caption, then the texts of the static controls without an identifier and of Cancel.
Texts DialogTexts(HWND dialog) {
    Texts texts{WideText(dialog)};
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT))
        if (GetDlgCtrlID(c) == 0xFFFF || GetDlgCtrlID(c) == IDCANCEL) texts.push_back(WideText(c));
    return texts;
}

struct Shown {
    Texts versionBox, countDialog;
};

// The version box and the count dialog of an overlay started under the English locale.
Shown OverlayTexts(const std::string& ext, const std::wstring& product, const std::wstring& countCaption) {
    Shown shown;
    Overlay o;
    if (!o.StartUnderLocale(Ini("Ext=" + ext + "\r\n"), kEnglishLocale)) {
        ADD_FAILURE() << "the overlay did not come up";
        return shown;
    }
    const DWORD pid = o.process.dwProcessId;
    PostMessageA(o.frame, WM_COMMAND, 32790, 0);
    if (HWND box = WaitForCaption(pid, product)) {
        shown.versionBox = {WideText(box), WideText(GetDlgItem(box, 0xFFFF))};
        PostMessageA(box, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(box); }));
    }
    PostMessageA(o.frame, WM_COMMAND, 0x80, 0);
    if (HWND dialog = WaitForCaption(pid, countCaption)) {
        shown.countDialog = DialogTexts(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
        EXPECT_TRUE(WaitUntil([&] { return !IsWindow(dialog); }));
    }
    EXPECT_TRUE(o.Close());
    return shown;
}
}  // namespace

TEST(EnglishSystem, TheOverlayShowsEnglish) {
    const Shown shown = OverlayTexts("0", L"Pemoka", L"Grid by Count");
    EXPECT_EQ(shown.versionBox, (Texts{L"Pemoka", L"Pemoka\nVersion " + kVersion + L"\nby mirvo"}));
    EXPECT_EQ(shown.countDialog, (Texts{L"Grid by Count", L"Cancel", L"&Columns:", L"&Rows:"}));
}

TEST(EnglishSystem, TheOverlayShowsJapaneseWithItsExtBit) {
    const Shown shown = OverlayTexts("512", L"ペモカ", L"等分割数の設定");
    EXPECT_EQ(shown.versionBox, (Texts{L"ペモカ", L"mirvo\nペモカ\n" + kVersion}));
    EXPECT_EQ(shown.countDialog, (Texts{L"等分割数の設定", L"キャンセル", L"縦の分割数", L"横の分割数"}));
}

// The editor's caption, start-up list and key name; OK still writes the file beside it.
TEST(EnglishSystem, TheEditorShowsEitherLanguage) {
    const struct {
        const char* ext;
        std::wstring caption, shownGuide, firstRow, key;
    } cases[] = {
        {"0", L"Pemoka Settings Ver=" + kVersion, L"Diagonals", L"Guide Last Used", L"Middle Mouse Button"},
        {"512", L"ペモカの設定 Ver=" + kVersion, L"対角線", L"前回の構図", L"マウス中央ボタン"},
    };
    for (const auto& c : cases) {
        TempFolder dir;
        WriteTextFile(dir.File("pemoka.ini"), Ini("InitRule=2\r\nHotkey=516\r\nExt=" + std::string(c.ext) + "\r\n"));
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(StartProgramUnderLocale(dir.path, "Quillet.exe", kEnglishLocale, process));
        const HWND dialog = WaitForCaption(process.dwProcessId, c.caption);
        EXPECT_NE(dialog, nullptr) << c.ext;
        if (dialog) {
            const HWND list = GetDlgItem(dialog, 1021);
            wchar_t first[64] = L"";
            SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(first));
            EXPECT_EQ((Texts{WideText(list), first, WideText(GetDlgItem(dialog, 1023))}),
                      (Texts{c.shownGuide, c.firstRow, c.key}));
            SendMessageA(list, CB_SETCURSEL, 1, 0);  // the rule of thirds
            SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(1021, CBN_SELENDOK), reinterpret_cast<LPARAM>(list));
            PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
            EXPECT_TRUE(WaitForProcessExit(process));
            EXPECT_EQ(IniValue(ReadTextFile(dir.File("pemoka.ini")), "InitRule"), "1");
        }
        EndProcess(process);
    }
}
