// The frame's width-to-height ratios: the commands of the ratio submenu and the arithmetic
// that gives a frame its ratio. Platform-free.
#pragma once

#include "../menus/command_ids.h"

struct RatioPreset {
    unsigned command;
    const char* label;
    int a, b;  // width term, height term
};

// The submenu from the top; the last entry, the custom ratio, takes its terms from the
// settings and opens its dialog first (a and b are 0 there). Its label is a text of each
// language (kTextCustomRatio), so it has none here.
constexpr int kRatioCommandCount = 14;
extern const RatioPreset kRatioPresets[kRatioCommandCount];
constexpr unsigned kFirstRatioCommand = IDM_FIRST_RATIO, kCustomRatioCommand = IDM_CUSTOM_RATIO;

// The preset of a command from 32774 to 32786, or null.
const RatioPreset* FindRatioPreset(unsigned command);

struct FrameSize {
    int w, h;
};

// The size a w x h frame takes with the ratio a:b. When a > b the width stays and the height
// becomes (w / a) * b + 0.5, truncated; otherwise the height stays and the width becomes
// (h / b) * a + 0.5, truncated. Where that gives no side of at least the frame's minimum of 40
// pixels (a zero or negative term, a result below 40) the frame keeps w x h.
FrameSize AspectSize(int w, int h, int a, int b);
