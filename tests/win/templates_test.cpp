// Every dialog of both programs, in both languages, as a person meets it at 96 and 144 DPI:
// each text fits its control with room to spare in the control's own font, each field is named
// by its own label for screen readers, and no two controls of a dialog share an access key.
// The menus' access keys, likewise, are one per item and unique within each menu.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <oleacc.h>

#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "editor/resources/resource.h"
#include "editor/settings_dialog.h"
#include "overlay/guides/division_dialogs.h"
#include "overlay/menus/command_ids.h"
#include "overlay/menus/popup_menus.h"
#include "overlay/resources/resource.h"
#include "overlay/screen/custom_ratio_dialog.h"
#include "overlay/windows/size_dialog.h"
#include "overlay/windows/system_function.h"
#include "settings/settings_file.h"
#include "settings/shown_text.h"
#include "dialog_controls.h"
#include "temp_folder.h"

namespace {
// One control as its template lays it out, with the text the running dialog shows in it.
struct Laid {
    std::wstring cls, text;
    DWORD style;
    int x, y, cx, cy;  // dialog units
    int id;
};

struct Template {
    int pointSize;
    std::wstring face;
    std::vector<Laid> controls;
};

// Reads a zero-terminated wide string or an ordinal (0xFFFF and a number) of a template.
std::wstring ReadSzOrOrd(const WORD*& p) {
    if (*p == 0xFFFF) {
        const WORD ordinal = p[1];
        p += 2;
        switch (ordinal) {
            case 0x80: return L"Button";
            case 0x81: return L"Edit";
            case 0x82: return L"Static";
            case 0x85: return L"ComboBox";
            default: return L"#" + std::to_wstring(ordinal);
        }
    }
    std::wstring s;
    while (*p) s += static_cast<wchar_t>(*p++);
    ++p;
    return s;
}

const WORD* AlignToDword(const WORD* p) {
    return reinterpret_cast<const WORD*>((reinterpret_cast<uintptr_t>(p) + 3) & ~uintptr_t{3});
}

// The classic template of the language (the resource compiler writes DIALOG as one).
Template ReadTemplate(int id, Language language) {
    Template t;
    const WORD langId = kLanguages[static_cast<int>(language)].resourceLanguage;
    HRSRC found = FindResourceExW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(5), MAKEINTRESOURCEW(id), langId);
    if (!found) return t;
    const auto* dialog = static_cast<const DLGTEMPLATE*>(LockResource(LoadResource(nullptr, found)));
    const WORD* p = reinterpret_cast<const WORD*>(dialog + 1);
    ReadSzOrOrd(p);  // menu
    ReadSzOrOrd(p);  // class
    ReadSzOrOrd(p);  // caption
    if (dialog->style & DS_SETFONT) {
        t.pointSize = *p++;
        t.face = ReadSzOrOrd(p);
    }
    for (int i = 0; i < dialog->cdit; ++i) {
        const auto* item = reinterpret_cast<const DLGITEMTEMPLATE*>(AlignToDword(p));
        p = reinterpret_cast<const WORD*>(item + 1);
        Laid c{ReadSzOrOrd(p), L"", item->style, item->x, item->y, item->cx, item->cy, static_cast<short>(item->id)};
        ReadSzOrOrd(p);  // the template's text; the running dialog's is taken
        p += 1 + *p / sizeof(WORD);  // creation data
        t.controls.push_back(c);
    }
    return t;
}

struct Dialog {
    const char* name;
    int id;
    DLGPROC proc;
    // Each field by its identifier, and the name a screen reader must give it, per language.
    std::map<int, std::pair<std::wstring, std::wstring>> fieldNames;
};

const Dialog kDialogs[] = {
    {"the settings", IDD_SETTINGS, SettingsDialogProc,
     {{IDC_LINE_WIDTH, {L"線の幅(1 ～ 10)", L"Line width (1-10):"}},
      {IDC_KEY, {L"キー", L"Key:"}},
      {IDC_WIDTH, {L"幅", L"Width:"}},
      {IDC_HEIGHT, {L"高さ", L"Height:"}}}},
    {"the count", IDD_DIVISION_COUNT, DivisionCountDialog,
     {{IDC_UPPER_EDIT, {L"縦の分割数", L"Columns:"}}, {IDC_LOWER_EDIT, {L"横の分割数", L"Rows:"}}}},
    {"the spacing", IDD_DIVISION_WIDTH, DivisionWidthDialog,
     {{IDC_UPPER_EDIT, {L"縦の分割幅", L"Column width (px):"}}, {IDC_LOWER_EDIT, {L"横の分割幅", L"Row height (px):"}}}},
    {"the custom ratio", IDD_CUSTOM_RATIO, CustomRatioDialogProc,
     {{IDC_UPPER_EDIT, {L"幅", L"Width:"}}, {IDC_LOWER_EDIT, {L"高さ", L"Height:"}}}},
    {"the frame size", IDD_FRAME_SIZE, FrameSizeDialogProc,
     {{IDC_UPPER_EDIT, {L"幅", L"Width (px):"}}, {IDC_LOWER_EDIT, {L"高さ", L"Height (px):"}}}},
};

// The accessible name of a window, through oleacc loaded as a screen reader's helper would.
std::wstring AccessibleName(HWND hwnd) {
    auto* fromWindow = SystemFunction<HRESULT WINAPI(HWND, DWORD, REFIID, void**)>("oleacc.dll", "AccessibleObjectFromWindow");
    auto* freeString = SystemFunction<void WINAPI(BSTR)>("oleaut32.dll", "SysFreeString");
    static const GUID kIAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};
    IAccessible* accessible = nullptr;
    if (!fromWindow || !freeString ||
        FAILED(fromWindow(hwnd, static_cast<DWORD>(OBJID_CLIENT), kIAccessible, reinterpret_cast<void**>(&accessible))))
        return L"(no accessible object)";
    VARIANT self{};
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    BSTR name = nullptr;
    std::wstring result = L"(none)";
    if (accessible->get_accName(self, &name) == S_OK && name) result = name;
    if (name) freeString(name);
    accessible->Release();
    return result;
}

// The access key of a control's text, lower-cased; 0 for none.
wchar_t AccessKey(const std::wstring& text) {
    for (size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] != L'&') return static_cast<wchar_t>(towlower(text[i + 1]));
        ++i;
    }
    return 0;
}

std::string Utf8(const std::wstring& text) {
    char out[512] = "";
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out, sizeof out, nullptr, nullptr);
    return out;
}

bool IsButtonKind(const Laid& c, DWORD kind) { return c.cls == L"Button" && (c.style & 0x0F) == kind; }
bool IsGroupBox(const Laid& c) { return IsButtonKind(c, BS_GROUPBOX); }
bool IsCheckOrRadio(const Laid& c) {
    return IsButtonKind(c, BS_AUTOCHECKBOX) || IsButtonKind(c, BS_CHECKBOX) || IsButtonKind(c, BS_AUTORADIOBUTTON) ||
           IsButtonKind(c, BS_RADIOBUTTON);
}

// How many pixels a text takes in the font, its access key's underline aside.
SIZE Extent(HDC dc, const std::wstring& text) {
    RECT r{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r, DT_CALCRECT | DT_SINGLELINE);
    return {r.right - r.left, r.bottom - r.top};
}

// What each control's text needs besides itself: a push button its edges, a check box or a
// radio button its box and the gap after it, a group box its indent on either side.
int Decoration(const Laid& c, int dpi) {
    if (IsCheckOrRadio(c)) return MulDiv(13 + 6, dpi, 96);
    if (IsGroupBox(c)) return MulDiv(2 * 8, dpi, 96);
    if (c.cls == L"Button") return MulDiv(2 * 4, dpi, 96);
    return 0;
}

// The running dialog's texts, one per template control, in the settings of the language.
std::vector<std::wstring> ShownTexts(const Dialog& d, Language language) {
    std::vector<std::wstring> texts;
    DriveDialogs({[&](HWND dialog) {
                     for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
                         wchar_t text[256] = L"";
                         GetWindowTextW(c, text, 256);
                         texts.push_back(text);
                     }
                     PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                 }},
                 [&] { RunDialogIn(language, GetModuleHandleA(nullptr), d.id, nullptr, d.proc); });
    return texts;
}

class Templates : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);
        path = Narrow(FindSettingsFiles().write);
        saved = ReadTextFile(path);
        existed = FileExists(path);
    }
    void TearDown() override {
        if (existed) WriteTextFile(path, saved);
        else DeleteFileA(path.c_str());
        g_settings = DefaultSettings();
    }
    // The settings dialog reads the file: it is told the language there.
    void Speak(Language language) {
        const int ext = language == Language::japanese ? 0x0200 : 0x0100;
        WriteTextFile(path, language == Language::japanese ? "[SET]\r\nExt=512\r\n" : "[SET]\r\nExt=256\r\n");
        g_settings = DefaultSettings();
        g_settings.Ext = ext;
    }
    using Check = std::function<void(const Dialog&, Language, const Template&, const std::vector<std::wstring>&)>;
    // Each dialog in each language, opened in that language's settings: its template and the
    // texts it shows, one per control.
    void ForEachShownDialog(const Check& check);
    std::string path, saved;
    bool existed = false;
};

constexpr Language kBoth[] = {Language::japanese, Language::english};
const char* Name(Language l) { return l == Language::japanese ? "Japanese" : "English"; }

void Templates::ForEachShownDialog(const Check& check) {
    for (const Dialog& d : kDialogs) {
        for (Language language : kBoth) {
            Speak(language);
            const Template t = ReadTemplate(d.id, language);
            const std::vector<std::wstring> texts = ShownTexts(d, language);
            ASSERT_EQ(texts.size(), t.controls.size()) << d.name << " " << Name(language);
            check(d, language, t, texts);
        }
    }
}
}  // namespace

// Every static, button, check box, radio button and group box of every dialog, measured in the
// font its template names at 96 and at 144 DPI, fits its control with two pixels (at 96) to
// spare; the labels' height takes their font's.
TEST_F(Templates, EveryTextFitsItsControl) {
    ForEachShownDialog([](const Dialog& d, Language language, const Template& t, const std::vector<std::wstring>& texts) {
            for (int dpi : {96, 144}) {
                HDC dc = CreateCompatibleDC(nullptr);
                LOGFONTW lf{};
                lf.lfHeight = -MulDiv(t.pointSize, dpi, 72);
                lf.lfCharSet = DEFAULT_CHARSET;
                lstrcpynW(lf.lfFaceName, t.face.c_str(), LF_FACESIZE);
                HFONT font = CreateFontIndirectW(&lf);
                HGDIOBJ old = SelectObject(dc, font);
                // The dialog's units, as the system takes them from its font.
                TEXTMETRICW metrics{};
                GetTextMetricsW(dc, &metrics);
                const std::wstring alphabet = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
                SIZE all{};
                GetTextExtentPoint32W(dc, alphabet.c_str(), 52, &all);
                const int baseX = (all.cx / 26 + 1) / 2, baseY = metrics.tmHeight;
                for (size_t i = 0; i < t.controls.size(); ++i) {
                    const Laid& c = t.controls[i];
                    // A path shown with an ellipsis is made to fit by its control.
                    const bool text = (c.cls == L"Static" && !(c.style & SS_PATHELLIPSIS)) || c.cls == L"Button";
                    if (!text || texts[i].empty()) continue;
                    const SIZE need = Extent(dc, texts[i]);
                    const int width = MulDiv(c.cx, baseX, 4), height = MulDiv(c.cy, baseY, 8);
                    const int spare = MulDiv(2, dpi, 96);
                    EXPECT_LE(need.cx + Decoration(c, dpi) + spare, width)
                        << d.name << " " << Name(language) << " at " << dpi << " DPI: \"" << Utf8(texts[i])
                        << "\" (control " << i << ")";
                    if (c.cls == L"Static") {
                        EXPECT_LE(need.cy, height) << d.name << " " << Name(language) << " " << i;
                    }
                }
                SelectObject(dc, old);
                DeleteObject(font);
                DeleteDC(dc);
            }
    });
}

// A screen reader names each field after the static text just before it: each field's name is
// its own label, in both languages.
TEST_F(Templates, EachFieldIsNamedByItsLabel) {
    for (const Dialog& d : kDialogs) {
        for (Language language : kBoth) {
            Speak(language);
            std::map<int, std::wstring> names;
            DriveDialogs({[&](HWND dialog) {
                             for (const auto& [id, want] : d.fieldNames) names[id] = AccessibleName(GetDlgItem(dialog, id));
                             PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
                         }},
                         [&] { RunDialogIn(language, GetModuleHandleA(nullptr), d.id, nullptr, d.proc); });
            for (const auto& [id, want] : d.fieldNames) {
                const std::wstring& expected = language == Language::japanese ? want.first : want.second;
                EXPECT_EQ(Utf8(names[id]), Utf8(expected)) << d.name << " " << Name(language) << " field " << id;
            }
        }
    }
}

// In English every control a person can reach by a key has an access key (OK and Cancel have
// Enter and Esc), every field's label too, and no two of them in one dialog share it.
TEST_F(Templates, AccessKeysAreUniqueInEachDialog) {
    ForEachShownDialog([](const Dialog& d, Language language, const Template& t, const std::vector<std::wstring>& texts) {
            std::set<wchar_t> keys;
            for (size_t i = 0; i < t.controls.size(); ++i) {
                const Laid& c = t.controls[i];
                const bool noPrefix = c.cls == L"Static" && (c.style & SS_NOPREFIX);  // a file's path, "&" and all
                const wchar_t key = noPrefix ? 0 : AccessKey(texts[i]);
                if (key) {
                    EXPECT_TRUE(keys.insert(key).second) << d.name << " " << Name(language) << " control " << i;
                }
                if (language != Language::english || c.id == IDOK || c.id == IDCANCEL) continue;
                const bool fieldLabel = c.cls == L"Static" && i + 1 < t.controls.size() &&
                                        (t.controls[i + 1].cls == L"Edit" || t.controls[i + 1].cls == L"ComboBox");
                if (fieldLabel || (c.cls == L"Button" && !IsGroupBox(c))) {
                    EXPECT_NE(key, 0) << d.name << " control " << i;
                }
            }
    });
}

// The English menus: one access key on every item (the ratios, numbers, aside), none shared
// within a menu, whichever guides Ext offers and whichever way the border stands.
TEST_F(Templates, MenuAccessKeysAreUniqueInEachMenu) {
    const auto check = [](HMENU menu, const std::string& what, auto& self) -> void {
        std::set<wchar_t> keys;
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            wchar_t text[128] = L"";
            GetMenuStringW(menu, static_cast<UINT>(i), text, 128, MF_BYPOSITION);
            if (!*text) continue;  // a separator
            const wchar_t key = AccessKey(text);
            const bool ratio = iswdigit(text[0]) && wcschr(text, L':') && !wcschr(text, L' ');
            if (!ratio) {
                EXPECT_NE(key, 0) << what << " item " << i;
            }
            if (key) {
                EXPECT_TRUE(keys.insert(key).second) << what << " item " << i;
            }
            if (HMENU sub = GetSubMenu(menu, i)) self(sub, what + " > " + std::to_string(i), self);
        }
    };
    for (uint32_t ext : {0x0100u, 0xF900u, 0xFFFFFDFFu}) {  // with and without every guide and the tools
        for (bool border : {true, false}) {
            HMENU menu = BuildContextMenu(ext, border);
            ASSERT_NE(menu, nullptr);
            check(menu, "context menu " + std::to_string(ext), check);
            DestroyMenu(menu);
        }
    }
    for (bool locked : {false, true}) {
        g_settings.Ext = 0x0100;
        HMENU tray = BuildTrayMenu(locked);
        ASSERT_NE(tray, nullptr);
        check(tray, "tray menu", check);
        // Its default item, bold, is what a click on the icon does.
        EXPECT_EQ(GetMenuDefaultItem(tray, FALSE, 0), static_cast<UINT>(IDM_SHOW));
        DestroyMenu(tray);
    }
}
