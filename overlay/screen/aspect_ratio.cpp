#include "aspect_ratio.h"

#include "../windows/frame_geometry.h"

const RatioPreset kRatioPresets[kRatioCommandCount] = {
    {32774, "1:1", 1, 1},   {32775, "4:3", 4, 3},   {32776, "3:2", 3, 2},   {32777, "7:5", 7, 5},
    {32778, "5:4", 5, 4},   {32779, "3:1", 3, 1},   {32780, "16:9", 16, 9}, {32781, "3:4", 3, 4},
    {32782, "2:3", 2, 3},   {32783, "5:7", 5, 7},   {32784, "4:5", 4, 5},   {32785, "1:3", 1, 3},
    {32786, "9:16", 9, 16}, {kCustomRatioCommand, nullptr, 0, 0},
};

const RatioPreset* FindRatioPreset(unsigned command) {
    if (command < kFirstRatioCommand || command >= kCustomRatioCommand) return nullptr;
    return &kRatioPresets[command - kFirstRatioCommand];
}

FrameSize AspectSize(int w, int h, int a, int b) {
    const bool keepWidth = a > b;
    const double kept = keepWidth ? w : h;
    const int own = keepWidth ? a : b, other = keepWidth ? b : a;
    if (own <= 0 || other <= 0) return {w, h};
    // In this order, as the user's figures were worked out: divide, multiply, round half up.
    const double side = kept / own * other + 0.5;
    // A side the hand could not grow back from stays as it was; the result is never above the
    // kept side, so it fits an int.
    if (!(side >= kMinFrameSize)) return {w, h};
    return keepWidth ? FrameSize{w, static_cast<int>(side)} : FrameSize{static_cast<int>(side), h};
}
