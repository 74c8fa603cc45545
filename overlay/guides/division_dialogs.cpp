#include "division_dialogs.h"

#include <commctrl.h>

#include <cstdint>
#include <initializer_list>

#include "../../settings/settings_record.h"
#include "../resources/resource.h"

namespace {
// What sets the two dialogs apart.
struct DivisionValues {
    int32_t Settings::*upper;  // shown in the upper box, vertical lines
    int32_t Settings::*lower;  // shown in the lower box, horizontal lines
    int32_t fallback;          // replaces a value of -1, the file's "never set"
    int minimum, maximum;      // reach of the arrows; typed numbers are stored as read
};
constexpr DivisionValues kCountValues{&Settings::DivNumV, &Settings::DivNumH, 2, 2, 101};
constexpr DivisionValues kWidthValues{&Settings::DivWidthV, &Settings::DivWidthH, 20, 1, 1000};

// The up-down control takes no position of its own: it steps the number in its buddy.
void AttachUpDown(HWND dialog, int upDown, int buddy, const DivisionValues& v) {
    SendDlgItemMessageA(dialog, upDown, UDM_SETRANGE32, static_cast<WPARAM>(v.minimum), v.maximum);
    SendDlgItemMessageA(dialog, upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, buddy)), 0);
}

void InitDivisionDialog(HWND dialog, const DivisionValues& v) {
    for (int32_t Settings::*value : {v.upper, v.lower})
        if (g_settings.*value == -1) g_settings.*value = v.fallback;
    SetDlgItemInt(dialog, IDC_UPPER_EDIT, static_cast<UINT>(g_settings.*v.upper), FALSE);
    SetDlgItemInt(dialog, IDC_LOWER_EDIT, static_cast<UINT>(g_settings.*v.lower), FALSE);
    AttachUpDown(dialog, IDC_UPPER_SPIN, IDC_UPPER_EDIT, v);
    AttachUpDown(dialog, IDC_LOWER_SPIN, IDC_LOWER_EDIT, v);
}

// Text that is not an unsigned decimal number reads as 0; the guides draw nothing for it.
void StoreDivisionValues(HWND dialog, const DivisionValues& v) {
    g_settings.*v.upper = static_cast<int32_t>(GetDlgItemInt(dialog, IDC_UPPER_EDIT, nullptr, FALSE));
    g_settings.*v.lower = static_cast<int32_t>(GetDlgItemInt(dialog, IDC_LOWER_EDIT, nullptr, FALSE));
}

INT_PTR DivisionDialog(HWND dialog, UINT msg, WPARAM wp, const DivisionValues& v) {
    switch (msg) {
        case WM_INITDIALOG:
            InitDivisionDialog(dialog, v);
            return TRUE;  // the focus goes to the first control that takes it
        case WM_COMMAND:
            switch (LOWORD(wp)) {
                case IDOK:
                    StoreDivisionValues(dialog, v);
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
}  // namespace

INT_PTR CALLBACK DivisionCountDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
    return DivisionDialog(dialog, msg, wp, kCountValues);
}

INT_PTR CALLBACK DivisionWidthDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM) {
    return DivisionDialog(dialog, msg, wp, kWidthValues);
}
