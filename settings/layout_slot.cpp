#include "layout_slot.h"

#include <cstdio>

namespace {
bool Blank(char c) { return c == ' ' || c == '\t'; }

// A decimal number at text, blanks around it, within [least, most]; text is moved past it.
bool ReadNumber(const char*& text, int64_t least, int64_t most, int64_t& value) {
    while (Blank(*text)) ++text;
    const bool negative = *text == '-';
    if (negative) ++text;
    if (*text < '0' || *text > '9') return false;
    int64_t v = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        v = v * 10 + (*text - '0');
        if (v > 0xFFFFFFFFLL) return false;  // past any 32-bit value: no need to read on
    }
    while (Blank(*text)) ++text;
    value = negative ? -v : v;
    return value >= least && value <= most;
}

size_t Written(int n, char* out, size_t cap) {
    if (n < 0 || static_cast<size_t>(n) >= cap) {
        if (cap) out[0] = '\0';
        return 0;
    }
    return static_cast<size_t>(n);
}
}  // namespace

size_t FormatLayoutSlot(const LayoutSlot& slot, char* out, size_t cap) {
    return Written(std::snprintf(out, cap, "%d,%d,%d,%d,%u,%u", static_cast<int>(slot.left), static_cast<int>(slot.top),
                                 static_cast<int>(slot.width), static_cast<int>(slot.height),
                                 static_cast<unsigned>(slot.mask), static_cast<unsigned>(slot.variant)),
                   out, cap);
}

bool ParseLayoutSlot(const char* text, uint32_t offeredMasks, LayoutSlot& out) {
    constexpr int64_t kPlace = kLayoutCoordinateMax, kSide = kLayoutCoordinateMax, kAny = 0xFFFFFFFFLL;
    const int64_t least[6] = {-kPlace, -kPlace, kLayoutSideMin, kLayoutSideMin, 1, 0};
    const int64_t most[6] = {kPlace, kPlace, kSide, kSide, kAny, kAny};
    int64_t v[6];
    for (int i = 0; i < 6; ++i) {
        if (i > 0 && *text++ != ',') return false;
        if (!ReadNumber(text, least[i], most[i], v[i])) return false;
    }
    const auto mask = static_cast<uint32_t>(v[4]);
    if (*text || (mask & (mask - 1)) || !(mask & offeredMasks)) return false;
    out = {static_cast<int32_t>(v[0]), static_cast<int32_t>(v[1]), static_cast<int32_t>(v[2]),
           static_cast<int32_t>(v[3]), mask, static_cast<uint32_t>(v[5])};
    return true;
}

size_t FormatLayoutSlotLabel(int number, const LayoutSlot& slot, const char* guideLabel, char* out, size_t cap) {
    return Written(std::snprintf(out, cap, "%d: %d × %d %s", number, static_cast<int>(slot.width),
                                 static_cast<int>(slot.height), guideLabel),
                   out, cap);
}
