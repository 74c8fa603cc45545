#include "custom_ratio_dialog.h"

#include "../guides/division_dialogs.h"
#include "apply_aspect_ratio.h"

namespace {
constexpr NumberPairFields kRatioTerms{&Settings::AspectV, &Settings::AspectH, 3, 2, 1, 1000};
}  // namespace

INT_PTR CALLBACK CustomRatioDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    const INT_PTR handled = NumberPairDialog(dialog, msg, wp, lp, kRatioTerms);
    if (msg == WM_COMMAND && LOWORD(wp) == IDOK) ApplyAspectRatio(g_settings.AspectV, g_settings.AspectH);
    return handled;
}
