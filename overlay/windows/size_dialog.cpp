#include "size_dialog.h"

#include <commctrl.h>

#include "../../settings/number_field.h"
#include "../../settings/shown_text.h"
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

static_assert(kMinFrameSize == 40 && kMaxFrameSide == 30000, "the range the warning names");

// OK takes the size only when both sides are numbers in range. Otherwise the dialog stays, says
// the range, and the caret waits in the first field that is wrong, its text selected.
void TakeTypedSize(HWND dialog) {
    int side[2] = {0, 0};
    const int fields[2] = {IDC_UPPER_EDIT, IDC_LOWER_EDIT};
    for (int i = 0; i < 2; ++i) {
        if (ReadNumberFieldIn(dialog, fields[i], kMinFrameSize, kMaxFrameSide, side[i])) continue;
        ShowMessageBox(dialog, WideText(ShownText(kTextFrameSideRange)), MB_OK | MB_ICONWARNING);
        SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, fields[i])), TRUE);
        return;
    }
    SetFrameSize(side[0], side[1]);
    EndDialog(dialog, IDOK);
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
        case IDOK: TakeTypedSize(dialog); return TRUE;
        case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
        default: return FALSE;
    }
}
