#include "division_dialogs.h"

#include <commctrl.h>

#include <cstdint>

#include "../../settings/number_field.h"
#include "../../settings/settings_record.h"
#include "../resources/resource.h"

namespace {
void InitNumberPair(HWND dialog, const NumberPairFields& v) {
    if (g_settings.*v.upper == -1) g_settings.*v.upper = v.upperFallback;
    if (g_settings.*v.lower == -1) g_settings.*v.lower = v.lowerFallback;
    SetDlgItemInt(dialog, IDC_UPPER_EDIT, static_cast<UINT>(g_settings.*v.upper), FALSE);
    SetDlgItemInt(dialog, IDC_LOWER_EDIT, static_cast<UINT>(g_settings.*v.lower), FALSE);
    AttachUpDown(dialog, IDC_UPPER_SPIN, IDC_UPPER_EDIT, v.minimum, v.maximum);
    AttachUpDown(dialog, IDC_LOWER_SPIN, IDC_LOWER_EDIT, v.minimum, v.maximum);
}

// Text that is not an unsigned decimal number reads as 0.
void StoreNumberPair(HWND dialog, const NumberPairFields& v) {
    g_settings.*v.upper = ReadNumberField(dialog, IDC_UPPER_EDIT, false);
    g_settings.*v.lower = ReadNumberField(dialog, IDC_LOWER_EDIT, false);
}

}  // namespace

INT_PTR NumberPairDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp, const NumberPairFields& v) {
    switch (msg) {
        case WM_NOTIFY: return StepNumberField(dialog, lp);
        case WM_INITDIALOG:
            InitNumberPair(dialog, v);
            return TRUE;  // the focus goes to the first control that takes it
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case IDOK:
                    StoreNumberPair(dialog, v);
                    EndDialog(dialog, IDOK);
                    return TRUE;
                case IDCANCEL:  // also Esc and the close box
                    EndDialog(dialog, IDCANCEL);
                    return TRUE;
                default: break;
            }
            break;
        default: break;
    }
    return FALSE;
}

namespace {
constexpr NumberPairFields kCountValues{&Settings::DivNumV, &Settings::DivNumH, 2, 2, 2, 101};
constexpr NumberPairFields kWidthValues{&Settings::DivWidthV, &Settings::DivWidthH, 20, 20, 1, 1000};
}  // namespace

INT_PTR CALLBACK DivisionCountDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    return NumberPairDialog(dialog, msg, wp, lp, kCountValues);
}

INT_PTR CALLBACK DivisionWidthDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp) {
    return NumberPairDialog(dialog, msg, wp, lp, kWidthValues);
}
