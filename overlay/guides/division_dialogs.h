// The dialogs in which the user sets the numbers of the two division guides (templates 110
// and 112). Both write the Settings record; the file gets the values when the overlay closes.
#pragma once
#include <windows.h>

#include <cstdint>

#include "../../settings/settings_record.h"

// A dialog of two number boxes with up-down arrows (the layout of templates 110, 112 and 114)
// over two values of the Settings record.
struct NumberPairFields {
    int32_t Settings::*upper;  // shown in the upper box
    int32_t Settings::*lower;  // shown in the lower box
    int32_t upperFallback, lowerFallback;  // replace a value of -1, the file's "never set"
    int minimum, maximum;      // reach of the arrows; typed numbers are stored as read
};

// Its dialog procedure: a value that is still -1 takes its fallback as soon as the dialog
// opens, and keeps it on cancel. IDOK stores both boxes as unsigned numbers (other text reads
// as 0) and ends with IDOK, IDCANCEL ends with IDCANCEL. The arrows step from the number a box
// shows, held in the range.
INT_PTR NumberPairDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp, const NumberPairFields& v);

// Dialog procedures: IDOK stores both boxes and ends with 1, IDCANCEL ends with 2. A value
// that is still -1 takes its default as soon as the dialog opens, and keeps it on cancel.
INT_PTR CALLBACK DivisionCountDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
INT_PTR CALLBACK DivisionWidthDialog(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
