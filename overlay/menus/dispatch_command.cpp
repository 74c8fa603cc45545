#include "dispatch_command.h"

#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include "../../settings/settings_file.h"
#include "../../settings/shown_text.h"
#include "../guides/division_dialogs.h"
#include "../guides/guide_table.h"
#include "../resources/resource.h"
#include "../screen/apply_aspect_ratio.h"
#include "../screen/aspect_ratio.h"
#include "../screen/custom_ratio_dialog.h"
#include "../screen/capture.h"
#include "../screen/fit_frame.h"
#include "../screen/layouts.h"
#include "../windows/dimming.h"
#include "../windows/display_affinity.h"
#include "../windows/navigation_grip.h"
#include "../windows/screen_wait.h"
#include "../windows/own_guides.h"
#include "../windows/size_dialog.h"
#include "../windows/size_label.h"
#include "../windows/work_rules.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"
#include "command_ids.h"
#include "input_rules.h"
#include "popup_menus.h"
#include "pemoka_version.h"
#include "tray.h"

namespace {
// The fit and the capture wait this long first, without handling messages, so that the menu
// that chose them, and the grip, have left the screen.
constexpr DWORD kScreenPause = 500;

// Runs a dialog of the overlay's resources modally over the guide frame, in the settings'
// language; IDCANCEL when the user cancelled, -1 when it could not be opened.
INT_PTR RunModalDialog(int templateId, DLGPROC proc) {
    // The up-down controls of the dialogs need their class registered.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    if (auto* init = SystemFunction<decltype(InitCommonControlsEx)>("comctl32.dll", "InitCommonControlsEx"))
        init(&controls);
    ModalLoop dialog;
    return RunDialogIn(ShownLanguage(), g_windows.instance, templateId, g_windows.frame, proc);
}

// The four small commands: the frame's one-pixel border on or off (the Outer setting stays),
// the back pane shown or hidden, the settings editor started from the program's folder, and
// the version box.
void ToggleFrameBorder() {
    SetWindowLongA(g_windows.frame, GWL_STYLE, GetWindowLongA(g_windows.frame, GWL_STYLE) ^ WS_BORDER);
    SetWindowPos(g_windows.frame, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_FRAMECHANGED);
}

// A locked frame keeps its back pane hidden.
void ToggleBackPane() {
    if (!g_windows.locked) IsWindowVisible(g_windows.back) ? HideBackPane() : ShowBackPane();
}

void LaunchSettingsEditor() {
    // A module path that cannot be had whole starts nothing.
    const std::wstring path = ProgramFilePath(L"Quillet.exe");
    auto* start = SystemFunction<decltype(ShellExecuteW)>("shell32.dll", "ShellExecuteW");
    if (start && !path.empty()) start(nullptr, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
}

void ShowVersionBox() {
    char text[64];
    wsprintfA(text, ShownText(kTextVersionBox), PEMOKA_VERSION_SHOWN);
    ModalLoop box;
    ShowMessageBox(g_windows.frame, WideText(text), MB_OK | MB_TOPMOST | MB_SETFOREGROUND);
}

// The work tools' commands, with their Ext bit only: none of them changes the guide. Without
// it they are unknown commands, which end with the common tail.
// "ロック解除" and 32793 unlock a locked frame whatever the bit says: the lock always has its way back.
int RunWorkTool(unsigned id) {
    if (id == IDM_LOCK && g_windows.locked) {
        UnlockFrame();
        return 0;
    }
    if (!(static_cast<uint32_t>(g_settings.Ext) & kWorkToolsExt)) return 1;
    if (id == IDM_LOCK) ToggleFrameLock();
    else if (id == IDM_SIZE) RunModalDialog(IDD_FRAME_SIZE, FrameSizeDialogProc);
    else if (id == IDM_COPY) CopyFrameAreaToClipboard();
    else if (id >= IDM_FIRST_STORE) StoreLayout(static_cast<int>(id - IDM_FIRST_STORE + 1));
    else RecallLayout(static_cast<int>(id - IDM_FIRST_RECALL + 1));
    return 0;
}

// The own lines' commands, the dimming's and the capture switch, each with its Ext bit only.
// Without it they are unknown commands, which end with the common tail.
int RunExtensionCommand(unsigned id) {
    const auto ext = static_cast<uint32_t>(g_settings.Ext);
    if (id == IDM_ADD_VERTICAL || id == IDM_ADD_HORIZONTAL || id == IDM_CLEAR_LINES) {
        if (!(ext & kOwnLinesExt)) return 1;
        if (id == IDM_CLEAR_LINES) ClearOwnLines();
        else AddOwnLineAt(id == IDM_ADD_VERTICAL ? kOwnVertical : kOwnHorizontal, PopupMenuPlace());
    } else if (id == IDM_DIMMING) {
        if (!(ext & kDimmingExt)) return 1;
        SwitchDimming();
    } else {
        if (!(ext & kWorkToolsExt)) return 1;
        SwitchCaptureExclusion();
    }
    return 0;
}

bool LayoutCommand(unsigned id) {
    return (id >= IDM_FIRST_RECALL && id < IDM_FIRST_RECALL + kLayoutSlotCount) ||
           (id >= IDM_FIRST_STORE && id < IDM_FIRST_STORE + kLayoutSlotCount);
}

// Returns 1 when the command ends with the common tail (variant reset and repaint).
int RunFixedCommand(unsigned id) {
    if (const RatioPreset* preset = FindRatioPreset(id)) {
        ApplyAspectRatio(preset->a, preset->b);
        return 1;
    }
    if (LayoutCommand(id)) return RunWorkTool(id);
    switch (id) {
        case IDM_EXIT: RequestClose(); return 0;
        case IDM_FIT:
        case IDM_CAPTURE:
            HideNavigationGrip();  // they leave the screen with the menu
            HideSizeLabel();
            WaitForScreen(kScreenPause);
            id == IDM_FIT ? FitFrameToContent() : CaptureFrameArea();
            return 0;  // both repaint what they change themselves
        case IDM_NOTHING: return 0;
        case IDM_CUSTOM_RATIO: return RunModalDialog(IDD_CUSTOM_RATIO, CustomRatioDialogProc) != IDCANCEL;
        case IDM_SHOW:
            UnlockFrame();
            RemoveTrayIcon();
            RestoreWindowSet();
            return 1;
        case IDM_SETTINGS: LaunchSettingsEditor(); return 1;
        case IDM_VERSION: ShowVersionBox(); return 1;
        case IDM_BORDER: ToggleFrameBorder(); return 1;
        case IDM_BACK_PANE: ToggleBackPane(); return 1;
        case IDM_LOCK:
        case IDM_SIZE:
        case IDM_COPY: return RunWorkTool(id);
        case IDM_ADD_VERTICAL:
        case IDM_ADD_HORIZONTAL:
        case IDM_CLEAR_LINES:
        case IDM_DIMMING:
        case IDM_NO_CAPTURE: return RunExtensionCommand(id);
        default: return 1;  // the tray menu's cancel, 32768 and everything above 32792
    }
}
}  // namespace

void ToggleFrameLock() { g_windows.locked ? UnlockFrame() : LockFrame(); }

// While locked the way back is always at hand: the icon shows whatever Tray says, or the hot key
// is held. A frame with neither is not locked: nothing could unlock it. A hidden set is not
// locked either.
void LockFrame() {
    if (g_windows.locked || !IsWindowVisible(g_windows.frame)) return;
    if (!g_tray.iconAdded) g_tray.iconForLock = true;
    if (!AddTrayIcon() && !g_tray.hotKeyHeld) {
        if (g_tray.iconForLock) RemoveTrayIcon();
        ShowWarning(kTextCannotLock);
        return;
    }
    SetFrameLocked(true);
}

void UnlockFrame() {
    if (!g_windows.locked) return;
    SetFrameLocked(false);
    if (g_tray.iconForLock) RemoveTrayIcon();
}

void SwitchCaptureExclusion() {
    g_settings.Ext = static_cast<int32_t>(static_cast<uint32_t>(g_settings.Ext) ^ kHideFromCapturesExt);
    ApplyDisplayAffinity(static_cast<uint32_t>(g_settings.Ext));
    // Written at once, so that the editor opened now shows the same tick; a file that cannot be
    // written keeps the switch for this run, and the person hears of it.
    if (!SaveSettings()) ShowWarning(kTextSettingsUnwritten);
}

void DispatchCommand(unsigned id) {
    if (InModalLoop() && RefusedDuringModalLoop(id, static_cast<uint32_t>(g_settings.Ext))) return;
    if (id == kCountDivisionsMask || id == kWidthDivisionsMask) {
        const bool count = id == kCountDivisionsMask;
        const INT_PTR result = count ? RunModalDialog(IDD_DIVISION_COUNT, DivisionCountDialog)
                                     : RunModalDialog(IDD_DIVISION_WIDTH, DivisionWidthDialog);
        if (result == IDCANCEL) return;  // guide, variant and picture stay as they were
        g_guides.activeMask = id;
    } else if (id < IDM_FIRST_FIXED) {
        g_guides.activeMask = id;
    } else if (!RunFixedCommand(id)) {
        return;
    }
    g_guides.variant = 0;
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}
