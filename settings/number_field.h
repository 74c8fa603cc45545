// The number fields of both programs' dialogs: an edit box with an up-down control as its arrows.
#pragma once
#include <windows.h>

#include <cstdint>

// The number that edit id of the dialog holds (ReadTypedNumber). An unsigned field's numbers
// from 2147483648 on come back as the negative numbers of the same 32 bits.
int32_t ReadNumberField(HWND dialog, int id, bool takesSign);

// Whether edit id of the dialog holds one whole number from low to high (ReadWholeNumberIn).
bool ReadNumberFieldIn(HWND dialog, int id, int low, int high, int& value);

// Makes up-down upDown the arrows of edit buddy, stepping within low to high.
void AttachUpDown(HWND dialog, int upDown, int buddy, int low, int high);

// The dialog's WM_NOTIFY: an up-down's UDN_DELTAPOS steps the number its buddy shows
// (StepTypedNumber), writes the result into the buddy and keeps the up-down from stepping on
// its own, which would start from 0 or from its last position when the text is not a number in
// its range. Returns TRUE then, FALSE for any other notification.
INT_PTR StepNumberField(HWND dialog, LPARAM lp);
