#include "dispatch_command.h"

#include <windows.h>
#include <commctrl.h>

#include "../guides/division_dialogs.h"
#include "../guides/guide_table.h"
#include "../resources/resource.h"
#include "../screen/apply_aspect_ratio.h"
#include "../screen/aspect_ratio.h"
#include "../screen/custom_ratio_dialog.h"
#include "../screen/screen_snapshot.h"
#include "../windows/window_set.h"

namespace {
constexpr unsigned kCountDivisionsMask = 0x80;
constexpr unsigned kWidthDivisionsMask = 0x100;
constexpr unsigned kFirstFixedCommand = 32768;
constexpr unsigned kFitCommand = 32771, kCaptureCommand = 32772;
// The fit and the capture wait this long first, without handling messages, so that the menu
// that chose them has left the screen.
constexpr DWORD kScreenPause = 500;

// Runs a dialog of the overlay's resources modally over the guide frame; IDCANCEL when the
// user cancelled, -1 when it could not be opened.
INT_PTR RunModalDialog(int templateId, DLGPROC proc) {
    // The up-down controls of the dialogs need their class registered.
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    return DialogBoxParamA(g_windows.instance, MAKEINTRESOURCEA(templateId), g_windows.frame, proc, 0);
}

// Returns 1 when the command ends with the common tail (variant reset and repaint).
int RunFixedCommand(unsigned id) {
    if (const RatioPreset* preset = FindRatioPreset(id)) {
        ApplyAspectRatio(preset->a, preset->b);
        return 1;
    }
    switch (id) {
        case kFitCommand:
        case kCaptureCommand:
            Sleep(kScreenPause);
            id == kFitCommand ? FitFrameToContent() : CaptureFrameArea();
            return 0;  // both repaint what they change themselves
        case kCustomRatioCommand:
            return RunModalDialog(IDD_CUSTOM_RATIO, CustomRatioDialogProc) != IDCANCEL;
        // The other commands from 32769 to 32792 (close, tray, editor, version, border, back
        // pane) go here. Until then they repaint like every unknown identifier.
        default: return 1;  // 32768 and everything above 32792
    }
}
}  // namespace

void DispatchCommand(unsigned id) {
    if (id == kCountDivisionsMask || id == kWidthDivisionsMask) {
        const bool count = id == kCountDivisionsMask;
        const INT_PTR result = count ? RunModalDialog(IDD_DIVISION_COUNT, DivisionCountDialog)
                                     : RunModalDialog(IDD_DIVISION_WIDTH, DivisionWidthDialog);
        if (result == IDCANCEL) return;  // guide, variant and picture stay as they were
        g_guides.activeMask = id;
    } else if (id < kFirstFixedCommand) {
        g_guides.activeMask = id;
    } else if (!RunFixedCommand(id)) {
        return;
    }
    g_guides.variant = 0;
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}
