// The dialogs in which the user sets the numbers of the two division guides (templates 110
// and 112). Both write the Settings record; the file gets the values when the overlay closes.
#pragma once
#include <windows.h>

// Dialog procedures: IDOK stores both boxes and ends with 1, IDCANCEL ends with 2. A value
// that is still -1 takes its default as soon as the dialog opens, and keeps it on cancel.
INT_PTR CALLBACK DivisionCountDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK DivisionWidthDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
