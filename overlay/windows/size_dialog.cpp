#include "size_dialog.h"

#include <commctrl.h>

#include <algorithm>

#include "../../settings/number_field.h"
#include "../resources/resource.h"
#include "frame_geometry.h"
#include "window_set.h"

namespace {
void ShowFrameSize(HWND dialog) {
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    const struct { int edit, spin; LONG value; } fields[] = {
        {IDC_UPPER_EDIT, IDC_UPPER_SPIN, r.right - r.left}, {IDC_LOWER_EDIT, IDC_LOWER_SPIN, r.bottom - r.top}};
    for (const auto& f : fields) {
        SetDlgItemInt(dialog, f.edit, static_cast<UINT>(f.value), FALSE);
        AttachUpDown(dialog, f.spin, f.edit, kMinFrameSize, kMaxFrameSide);
    }
}

int TypedSide(HWND dialog, int edit) {
    const uint32_t typed = static_cast<uint32_t>(ReadNumberField(dialog, edit, false));
    return static_cast<int>(std::clamp<uint32_t>(typed, kMinFrameSize, kMaxFrameSide));
}
}  // namespace

void SetFrameSize(int w, int h) {
    // The back pane follows the frame's placement, as after a ratio.
    SetWindowPos(g_windows.frame, HWND_TOPMOST, 0, 0, w, h, SWP_NOMOVE | SWP_NOACTIVATE);
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}

INT_PTR CALLBACK FrameSizeDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_INITDIALOG) {
        ShowFrameSize(dialog);
        return TRUE;
    }
    if (msg == WM_NOTIFY) return StepNumberField(dialog, lp);
    if (msg != WM_COMMAND) return FALSE;
    switch (LOWORD(wp)) {
        case IDOK:
            SetFrameSize(TypedSide(dialog, IDC_UPPER_EDIT), TypedSide(dialog, IDC_LOWER_EDIT));
            EndDialog(dialog, IDOK);
            return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        default: return FALSE;
    }
}
