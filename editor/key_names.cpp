#include "key_names.h"

#include <cstdio>
#include <cstring>

namespace {
// A name that is the same in every language, or a text that each language names.
struct KeyName {
    const char* fixed;
    TextId text;
};
constexpr KeyName N(const char* fixed) { return {fixed, kTextCount}; }
constexpr KeyName T(TextId text) { return {nullptr, text}; }
constexpr KeyName kUndefined = T(kTextUndefinedKey), kUnused = N("---");

// Codes 0x02 to 0x2F.
constexpr KeyName kLowKeyNames[] = {
    T(kTextRightButton), T(kTextBreak), T(kTextMiddleButton), T(kTextX1Button), T(kTextX2Button), kUndefined,
    T(kTextBackspace), N("Tab"), kUndefined, kUndefined, N("Clear"), N("Enter"), kUndefined, kUndefined,
    N("Shift"), N("Ctrl"), N("Alt"), N("Pause"), N("Caps Lock"), kUnused, kUndefined, kUnused,
    kUnused, kUnused, kUndefined, N("Esc"), T(kTextImeConvert), T(kTextImeNonconvert), kUndefined, T(kTextImeModeChange),
    N("Space"), N("Page Up"), N("Page Down"), N("End"), N("Home"), N("Left"), N("Up"), N("Right"),
    N("Down"), N("Select"), N("Print"), N("Execute"), N("Print Screen"), N("Insert"), N("Delete"), N("Help"),
};
static_assert(sizeof kLowKeyNames / sizeof kLowKeyNames[0] == 0x2F - 0x02 + 1);

// Codes 0x6A to 0x6F, the keypad's operators.
constexpr const char* kKeypadOperatorNames[] = {"Num(*)", "Num(+)", "Num(Enter)", "Num(-)", "Num(.)", "Num(/)"};
}  // namespace

int FormatKeyName(unsigned code, char* name, Language language) {
    if ((code >= 0x30 && code <= 0x39) || (code >= 0x41 && code <= 0x5A)) {
        name[0] = static_cast<char>(code);
        name[1] = '\0';
        return 1;
    }
    if (code >= 0x60 && code <= 0x69) {
        std::snprintf(name, kKeyNameMax, "Num(%c)", static_cast<char>('0' + (code - 0x60)));
        return 1;
    }
    if (code >= 0x70 && code <= 0x87) {
        std::snprintf(name, kKeyNameMax, "F%u", code - 0x6F);
        return 1;
    }
    const char* fixed = nullptr;
    if (code >= 0x6A && code <= 0x6F) {
        fixed = kKeypadOperatorNames[code - 0x6A];
    } else if (code >= 0x02 && code <= 0x2F) {
        const KeyName& low = kLowKeyNames[code - 0x02];
        fixed = low.fixed ? low.fixed : TextOf(language, low.text);
    }
    if (!fixed) return 0;
    std::memcpy(name, fixed, std::strlen(fixed) + 1);
    return 1;
}
