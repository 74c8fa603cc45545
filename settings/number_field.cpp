#include "number_field.h"

#include <commctrl.h>

#include "typed_number.h"

namespace {
// Wide, so that full-width digits arrive as themselves whatever the system's code page is.
int64_t ReadFieldText(HWND field, bool takesSign) {
    wchar_t text[40] = L"";
    GetWindowTextW(field, text, 40);
    return ReadTypedNumber(text, takesSign);
}
}  // namespace

bool ReadNumberFieldIn(HWND dialog, int id, int low, int high, int& value) {
    wchar_t text[40] = L"";
    GetDlgItemTextW(dialog, id, text, 40);
    return ReadWholeNumberIn(text, low, high, value);
}

int32_t ReadNumberField(HWND dialog, int id, bool takesSign) {
    return static_cast<int32_t>(static_cast<uint32_t>(ReadFieldText(GetDlgItem(dialog, id), takesSign)));
}

INT_PTR StepNumberField(HWND dialog, LPARAM lp) {
    const auto* change = reinterpret_cast<const NMUPDOWN*>(lp);
    if (change->hdr.code != UDN_DELTAPOS) return FALSE;
    const HWND upDown = change->hdr.hwndFrom;
    const HWND buddy = reinterpret_cast<HWND>(SendMessageW(upDown, UDM_GETBUDDY, 0, 0));
    int low = 0, high = 0;
    SendMessageW(upDown, UDM_GETRANGE32, reinterpret_cast<WPARAM>(&low), reinterpret_cast<LPARAM>(&high));
    const int32_t value = StepTypedNumber(ReadFieldText(buddy, true), change->iDelta, low, high);
    SendMessageW(upDown, UDM_SETPOS32, 0, value);
    SetDlgItemInt(dialog, GetDlgCtrlID(buddy), static_cast<UINT>(value), TRUE);
    SetWindowLongPtrW(dialog, DWLP_MSGRESULT, TRUE);
    return TRUE;
}

void AttachUpDown(HWND dialog, int upDown, int buddy, int low, int high) {
    SendDlgItemMessageA(dialog, upDown, UDM_SETRANGE32, static_cast<WPARAM>(low), high);
    SendDlgItemMessageA(dialog, upDown, UDM_SETBUDDY, reinterpret_cast<WPARAM>(GetDlgItem(dialog, buddy)), 0);
}
