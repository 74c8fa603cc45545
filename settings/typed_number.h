// The number a dialog's number field holds, and where its arrows take it: shared by the
// overlay's dialogs and the editor's. Platform-free.
#pragma once
#include <cstdint>

// The number at the start of a field's text: blanks skipped, a sign when the field takes one,
// then decimal digits up to the first other character; 0 when there are none. Digits and signs
// typed with an input method on (full-width ０ to ９, ＋ and －, and the minus sign U+2212) are
// the ones they show. A signed field holds at the 32-bit limits; an unsigned one reads up to
// 4294967295, and more reads as 0, as GetDlgItemInt does.
int64_t ReadTypedNumber(const wchar_t* text, bool takesSign);

// Where one arrow press takes a field holding typed: delta on from it, held in low to high. A
// number typed beyond an end thus steps to that end, never to the other one.
int32_t StepTypedNumber(int64_t typed, int delta, int low, int high);

// Whether text is one whole number from low to high and nothing else (blanks around it, ASCII
// or full-width digits, no sign), put in value; a blank field, junk after the digits and a
// number out of range are not.
bool ReadWholeNumberIn(const wchar_t* text, int low, int high, int& value);
