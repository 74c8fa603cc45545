#include "settings_dialog.h"

#include <commctrl.h>
#include <imm.h>

#include <cstdio>
#include <cwchar>
#include <string>

#include "../settings/dim_level.h"
#include "../settings/number_field.h"
#include "../settings/settings_file.h"
#include "../overlay/windows/system_function.h"
#include "../settings/shared_names.h"
#include "../settings/shown_text.h"
#include "dialog_rules.h"
#include "key_names.h"
#include "pemoka_version.h"
#include "resources/resource.h"

EditorState g_editor{};

namespace {
constexpr int kSizeMin = 40, kSizeMax = 5000;
constexpr int kLineWidthMin = 1, kLineWidthMax = 10;
constexpr int kTestHotKey = 4096;
constexpr UINT kNotifyTimeoutMs = 3000;  // for each guide frame

// The up-down control steps the integer in its buddy edit, within the range.
void CentreOnDesktop(HWND dialog) {
    RECT r, desktop;
    GetWindowRect(dialog, &r);
    GetWindowRect(GetDesktopWindow(), &desktop);
    const int w = r.right - r.left, h = r.bottom - r.top;
    MoveWindow(dialog, (desktop.right - w) / 2, (desktop.bottom - h) / 2, w, h, TRUE);
}

// The working colour and the brush that paints the swatch in it; the old brush goes.
void SetWorkingColour(HWND dialog, COLORREF colour) {
    g_editor.colour = colour;
    InvalidateRect(GetDlgItem(dialog, IDC_SWATCH), nullptr, FALSE);
    if (g_editor.swatch) DeleteObject(g_editor.swatch);
    g_editor.swatch = CreateSolidBrush(colour);
}

void ShowKey(HWND edit, unsigned key) {
    wchar_t name[kShownKeyNameMax];
    ShownKeyName(key, ShownLanguage(), GetKeyNameTextW, name);
    SetWindowTextW(edit, name);
}

// A row's name as a list shows it: the menus' access key left out.
WideText RowText(int row, Language language) {
    char shown[128];
    WithoutAccessKey(StartupRowLabel(row, g_settings.Ext, language), shown, sizeof shown);
    return WideText(shown);
}

void FillStartupList(HWND dialog) {
    const HWND list = GetDlgItem(dialog, IDC_STARTUP_GUIDE);
    g_editor.startupRow = StartupRowOf(g_settings.InitRule, g_settings.Ext);
    const Language language = ShownLanguage();
    SetWindowTextW(list, RowText(g_editor.startupRow, language));
    for (int row = 0; row < StartupRowCount(g_settings.Ext); ++row) {
        const WideText label = RowText(row, language);
        SendMessageW(list, CB_INSERTSTRING, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(label.text));
    }
}

bool Checked(HWND dialog, int id) { return IsDlgButtonChecked(dialog, id) == BST_CHECKED; }

// The group of extensions as the file's Ext has it.
void ShowExtensions(HWND dialog) {
    for (const ExtensionBox& box : kExtensionBoxes)
        CheckDlgButton(dialog, box.control, (static_cast<uint32_t>(g_settings.Ext) & box.bit) ? BST_CHECKED : BST_UNCHECKED);
    const LanguageChoice language = LanguageChoiceOf(g_settings.Ext);
    CheckDlgButton(dialog,
                   language == LanguageChoice::japanese  ? IDC_LANGUAGE_JAPANESE
                   : language == LanguageChoice::english ? IDC_LANGUAGE_ENGLISH
                                                         : IDC_LANGUAGE_AUTO,
                   BST_CHECKED);
}

// The dimming's level is written only with the dimming ticked: without it the file gains
// nothing of it.
bool SaveDimLevelOf(HWND dialog) {
    return !Checked(dialog, IDC_EXT_DIMMING) || SaveDimLevel(ReadNumberField(dialog, IDC_DIM_LEVEL, true));
}

void Warn(HWND dialog, const char* text) { ShowMessageBox(dialog, WideText(text), MB_OK | MB_ICONWARNING); }

// Whether this process could register the hot key, which the overlay will then register.
bool HotKeyFree(HWND dialog, int modifiers, unsigned key) {
    if (!RegisterHotKey(dialog, kTestHotKey, static_cast<UINT>(modifiers), key)) return false;
    UnregisterHotKey(dialog, kTestHotKey);
    return true;
}

// The text is in 932 and the path wide: each is converted from its own.
void WarnUnwritten(HWND dialog) {
    const std::wstring path = FindSettingsFiles().write;
    WideText text(ShownText(kTextSettingsUnwritten));
    const size_t used = std::wcslen(text.text);
    const size_t room = sizeof text.text / sizeof text.text[0] - used - 1;
    text.text[used] = L'\n';
    lstrcpynW(text.text + used + 1, path.empty() ? L"pemoka.ini" : path.c_str(), static_cast<int>(room));
    ShowMessageBox(dialog, text, MB_OK | MB_ICONWARNING);
}

// Where OK writes: beside the programs, or the per-user file when their folder cannot be written.
void ShowSettingsPlace(HWND dialog) { SetDlgItemTextW(dialog, IDC_SETTINGS_PATH, FindSettingsFiles().write.c_str()); }

BOOL CALLBACK NotifyIfFrame(HWND hwnd, LPARAM) {
    char cls[100];
    // A frame that does not answer (hung, or stopped in a debugger) holds up OK only for a
    // while, and the other frames still hear.
    if (GetClassNameA(hwnd, cls, sizeof cls) && lstrcmpA(cls, kFrameClass) == 0)
        SendMessageTimeoutA(hwnd, kSettingsChangedMessage, 0, 0, SMTO_ABORTIFHUNG, kNotifyTimeoutMs, nullptr);
    return TRUE;
}
}  // namespace

void ShownKeyName(unsigned key, Language language, KeyboardKeyName keyboardName, wchar_t (&name)[kShownKeyNameMax]) {
    name[0] = L'\0';
    char table[kKeyNameMax];
    if (FormatKeyName(key, table, language)) {
        lstrcpynW(name, WideText(table), kShownKeyNameMax);
        return;
    }
    if (key == 0 || key > 0xFF) return;  // no key at all
    // The keyboard's own name of the key, from its scan code: an extended key (the Menu key, the
    // right-hand Ctrl, Num Lock) is told apart by bit 24.
    const UINT scan = MapVirtualKeyW(key, MAPVK_VK_TO_VSC_EX);
    const LONG keyData = static_cast<LONG>(((scan & 0xFF) << 16) | ((scan & 0xFF00) ? (1u << 24) : 0));
    if (scan && keyboardName && keyboardName(keyData, name, kShownKeyNameMax) > 0) return;
    // A key the keyboard does not name either is still told by its code.
    wsprintfW(name, L"0x%02X", key);
}

void SettingsDialogCaption(Language language, char* out, size_t cap) {
    std::snprintf(out, cap, "%s Ver=%s", TextOf(language, kTextSettingsCaption), PEMOKA_VERSION_SHOWN);
}

int InitSettingsDialog(HWND dialog) {
    LoadSettings();
    char caption[64];
    SettingsDialogCaption(ShownLanguage(), caption, sizeof caption);
    SetWindowTextW(dialog, WideText(caption));
    CentreOnDesktop(dialog);

    SetDlgItemInt(dialog, IDC_WIDTH, static_cast<UINT>(g_settings.Width), TRUE);
    AttachUpDown(dialog, IDC_WIDTH_SPIN, IDC_WIDTH, kSizeMin, kSizeMax);
    SetDlgItemInt(dialog, IDC_HEIGHT, static_cast<UINT>(g_settings.Height), TRUE);
    AttachUpDown(dialog, IDC_HEIGHT_SPIN, IDC_HEIGHT, kSizeMin, kSizeMax);
    SetWorkingColour(dialog, static_cast<COLORREF>(g_settings.LineColor));

    if (g_settings.LineWidth < kLineWidthMin || g_settings.LineWidth > kLineWidthMax) g_settings.LineWidth = 2;
    AttachUpDown(dialog, IDC_LINE_WIDTH_SPIN, IDC_LINE_WIDTH, kLineWidthMin, kLineWidthMax);
    SetDlgItemInt(dialog, IDC_LINE_WIDTH, static_cast<UINT>(g_settings.LineWidth), TRUE);
    char label[32];
    std::snprintf(label, sizeof label, ShownText(kTextLineWidthRange), kLineWidthMin, kLineWidthMax);
    SetDlgItemTextW(dialog, IDC_LINE_WIDTH_LABEL, WideText(label));

    CheckDlgButton(dialog, g_settings.Outer == 1 ? IDC_OUTER_ON : IDC_OUTER_OFF, BST_CHECKED);
    CheckDlgButton(dialog, IDC_TRAY, g_settings.Tray == 1 ? BST_CHECKED : BST_UNCHECKED);
    const HotkeyParts hotkey = DecodeHotkey(g_settings.Hotkey);
    const unsigned modifiers = hotkey.modifiers;
    CheckDlgButton(dialog, IDC_ALT, (modifiers & MOD_ALT) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_CTRL, (modifiers & MOD_CONTROL) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_SHIFT, (modifiers & MOD_SHIFT) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_WIN, (modifiers & MOD_WIN) ? BST_CHECKED : BST_UNCHECKED);

    const unsigned key = hotkey.key;
    const HWND keyEdit = GetDlgItem(dialog, IDC_KEY);
    ShowKey(keyEdit, key);
    g_editor.previousKeyEditProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(keyEdit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(KeyEditProc)));
    // An input method that is on would hand every key over as VK_PROCESSKEY: the key edit has
    // no input context, so keys reach it as themselves.
    if (auto* associate = SystemFunction<decltype(ImmAssociateContext)>("imm32.dll", "ImmAssociateContext"))
        associate(keyEdit, nullptr);
    g_editor.key = key;
    FillStartupList(dialog);
    ShowExtensions(dialog);
    AttachUpDown(dialog, IDC_DIM_LEVEL_SPIN, IDC_DIM_LEVEL, kDimLevelLeast, kDimLevelMost);
    SetDlgItemInt(dialog, IDC_DIM_LEVEL, static_cast<UINT>(ReadDimLevel(FindSettingsFiles().read.c_str())), TRUE);
    ShowSettingsPlace(dialog);
    return 1;
}

namespace {
int ReadExtensions(HWND dialog) {
    uint32_t ticked = 0;
    for (const ExtensionBox& box : kExtensionBoxes)
        if (Checked(dialog, box.control)) ticked |= box.bit;
    const LanguageChoice language = Checked(dialog, IDC_LANGUAGE_JAPANESE)  ? LanguageChoice::japanese
                                    : Checked(dialog, IDC_LANGUAGE_ENGLISH) ? LanguageChoice::english
                                                                            : LanguageChoice::automatic;
    return ExtOfChoices(g_settings.Ext, ticked, language);
}
}  // namespace

int ReadModifierChecks(HWND dialog) {
    return (Checked(dialog, IDC_ALT) ? MOD_ALT : 0) | (Checked(dialog, IDC_CTRL) ? MOD_CONTROL : 0) |
           (Checked(dialog, IDC_SHIFT) ? MOD_SHIFT : 0) | (Checked(dialog, IDC_WIN) ? MOD_WIN : 0);
}

// The record stays as the file held it until the file holds the dialog's values: a second OK
// compares with what was read, and a failed write leaves nothing half-applied.
int ApplySettingsDialog(HWND dialog) {
    Settings s = g_settings;
    s.LineColor = static_cast<int32_t>(g_editor.colour);
    s.LineWidth = ReadNumberField(dialog, IDC_LINE_WIDTH, true);
    s.Width = ReadNumberField(dialog, IDC_WIDTH, true);
    s.Height = ReadNumberField(dialog, IDC_HEIGHT, true);
    s.Outer = Checked(dialog, IDC_OUTER_ON) ? 1 : 0;
    s.Tray = Checked(dialog, IDC_TRAY) ? 1 : 0;
    const int modifiers = ReadModifierChecks(dialog);
    s.Hotkey = EncodeHotkey({g_editor.key, static_cast<unsigned>(modifiers)});
    s.InitRule = InitRuleOfRow(g_editor.startupRow, g_settings.Ext, g_settings.InitRule);
    s.Ext = ReadExtensions(dialog);

    if (HotKeyNeedsTest(s.Tray, s.Hotkey, g_settings) && !HotKeyFree(dialog, modifiers, g_editor.key)) {
        Warn(dialog, ShownText(kTextHotKeyTaken));
        return 0;
    }
    const Settings asRead = g_settings;
    g_settings = s;
    if (!SaveSettings()) {
        g_settings = asRead;
        WarnUnwritten(dialog);
        return 0;
    }
    if (!SaveDimLevelOf(dialog)) {  // the settings are written; a second OK writes the level again
        WarnUnwritten(dialog);
        return 0;
    }
    NotifyOverlayWindows();
    return 1;
}

void EndSettingsDialog(HWND dialog) {
    if (g_editor.previousKeyEditProc) {
        SetWindowLongPtrW(GetDlgItem(dialog, IDC_KEY), GWLP_WNDPROC,
                          reinterpret_cast<LONG_PTR>(g_editor.previousKeyEditProc));
        g_editor.previousKeyEditProc = nullptr;
    }
    if (g_editor.swatch) {
        DeleteObject(g_editor.swatch);
        g_editor.swatch = nullptr;
    }
    EndDialog(dialog, 0);
}

LRESULT CALLBACK KeyEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_KEYDOWN:
            // Modifiers alone are not the key; they have their boxes. A key an input method has
            // taken, or a character sent as Unicode input, names no key at all.
            if (wp == VK_SHIFT || wp == VK_CONTROL || wp == VK_MENU || wp == VK_LWIN || wp == VK_RWIN ||
                wp == VK_PROCESSKEY || wp == VK_PACKET)
                return 0;
            g_editor.key = static_cast<unsigned>(wp) & 0xFF;
            ShowKey(edit, g_editor.key);
            return 0;
        // The text always names the key that OK stores: nothing is typed, pasted, cut, cleared
        // or undone into it, and it offers no menu that would (a right click, Shift+F10 and the
        // menu key all end in WM_CONTEXTMENU).
        case WM_CHAR:
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP:
        case WM_CONTEXTMENU:
        case WM_PASTE:
        case WM_CUT:
        case WM_CLEAR:
        case WM_UNDO:
        case EM_UNDO: return 0;
        default: return CallWindowProcW(g_editor.previousKeyEditProc, edit, msg, wp, lp);
    }
}

COLORREF ChooseLineColour(HWND dialog) {
    CHOOSECOLORA cc{};
    cc.lStructSize = sizeof cc;
    cc.hwndOwner = dialog;
    cc.rgbResult = g_editor.colour;
    cc.lpCustColors = g_editor.customColours;
    cc.Flags = CC_RGBINIT;
    const COLORREF chosen = ChooseColorA(&cc) ? cc.rgbResult : g_editor.colour;
    SetFocus(dialog);
    return chosen;
}

void NotifyOverlayWindows() { EnumWindows(NotifyIfFrame, 0); }

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
        case WM_INITDIALOG:
            if (!InitSettingsDialog(dialog)) EndSettingsDialog(dialog);
            return 0;
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case IDOK:
                    if (ApplySettingsDialog(dialog)) EndSettingsDialog(dialog);
                    break;
                case IDCANCEL: EndSettingsDialog(dialog); break;  // also Esc and the close box
                case IDC_LINE_COLOUR: SetWorkingColour(dialog, ChooseLineColour(dialog)); break;
                case IDC_STARTUP_GUIDE:
                    if (HIWORD(wp) == CBN_SELENDOK)
                        g_editor.startupRow = static_cast<int>(SendMessageA(reinterpret_cast<HWND>(lp), CB_GETCURSEL, 0, 0));
                    break;
                default: break;
            }
            return 0;
        case WM_NOTIFY: return StepNumberField(dialog, lp);
        case WM_CTLCOLORSTATIC:
            if (reinterpret_cast<HWND>(lp) == GetDlgItem(dialog, IDC_SWATCH)) return reinterpret_cast<INT_PTR>(g_editor.swatch);
            return 0;
        default: return 0;
    }
}
