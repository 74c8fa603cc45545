#include "key_names.h"

#include <cstdio>
#include <cstring>

namespace {
// Codes 0x02 to 0x2F.
constexpr const char* kLowKeyNames[] = {
    "マウス右ボタン", "Cancel", "マウス中央ボタン", "マウス X1 ボタン", "マウス X2 ボタン", "未定義",
    "BS", "Tab", "未定義", "未定義", "Clear", "Enter", "未定義", "未定義",
    "Shift", "Ctrl", "Alt", "Pause", "Caps Lock", "---", "未定義", "---",
    "---", "---", "未定義", "Esc", "IME 変換", "IME 無変換", "未定義", "IME モード変更",
    "Space", "Page Up", "Page Down", "End", "Home", "Left", "Up", "Right",
    "Down", "Select", "Print", "Execute", "Print Screen", "Insert", "Delete", "Help",
};
static_assert(sizeof kLowKeyNames / sizeof kLowKeyNames[0] == 0x2F - 0x02 + 1);

// Codes 0x6A to 0x6F, the keypad's operators.
constexpr const char* kKeypadOperatorNames[] = {"Num(*)", "Num(+)", "Num(Enter)", "Num(-)", "Num(.)", "Num(/)"};
}  // namespace

int FormatKeyName(unsigned code, char* name) {
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
    if (code >= 0x6A && code <= 0x6F) fixed = kKeypadOperatorNames[code - 0x6A];
    else if (code >= 0x02 && code <= 0x2F) fixed = kLowKeyNames[code - 0x02];
    if (!fixed) return 0;
    std::memcpy(name, fixed, std::strlen(fixed) + 1);
    return 1;
}
