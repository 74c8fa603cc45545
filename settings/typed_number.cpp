#include "typed_number.h"

#include <algorithm>

namespace {
// The value of a digit as typed, ASCII or full-width; -1 for anything else.
int DigitValue(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= 0xFF10 && c <= 0xFF19) return c - 0xFF10;
    return -1;
}
bool IsMinus(wchar_t c) { return c == L'-' || c == 0xFF0D || c == 0x2212; }
bool IsPlus(wchar_t c) { return c == L'+' || c == 0xFF0B; }
bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r') || c == 0x3000; }
}  // namespace

int64_t ReadTypedNumber(const wchar_t* text, bool takesSign) {
    while (*text == L' ' || (*text >= L'\t' && *text <= L'\r')) ++text;
    const bool negative = takesSign && IsMinus(*text);
    if (takesSign && (negative || IsPlus(*text))) ++text;
    const int64_t limit = !takesSign ? UINT32_MAX : negative ? -static_cast<int64_t>(INT32_MIN) : INT32_MAX;
    int64_t value = 0;
    for (int digit; (digit = DigitValue(*text)) >= 0; ++text) {
        value = value * 10 + digit;
        if (value > limit) {
            if (!takesSign) return 0;
            value = limit;
        }
    }
    return negative ? -value : value;
}

int32_t StepTypedNumber(int64_t typed, int delta, int low, int high) {
    return static_cast<int32_t>(std::clamp<int64_t>(typed + delta, std::min(low, high), std::max(low, high)));
}

bool ReadWholeNumberIn(const wchar_t* text, int low, int high, int& value) {
    while (IsBlank(*text)) ++text;
    int64_t number = 0;
    int digits = 0;
    for (int digit; (digit = DigitValue(*text)) >= 0; ++text, ++digits)
        number = std::min<int64_t>(number * 10 + digit, int64_t{INT32_MAX} + 1);
    while (IsBlank(*text)) ++text;
    if (!digits || *text || number < low || number > high) return false;
    value = static_cast<int>(number);
    return true;
}
