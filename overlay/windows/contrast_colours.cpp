#include "contrast_colours.h"

#include <initializer_list>

OwnColours OwnDrawnColours(bool highContrast, uint32_t (*sysColour)(int index)) {
    if (!highContrast || !sysColour) return {false, 0x000000, 0xFFFFFF, 0xFFC8C8, 0x000000, 0x202020, 0xFFFFFF};
    uint32_t border = 0x000000;
    for (int index : {kSysWindowFrame, kSysWindowText, kSysHighlight}) {
        if ((sysColour(index) & 0xFFFFFF) != kFrameKeyColour) {
            border = sysColour(index) & 0xFFFFFF;
            break;
        }
    }
    return {true,
            border,
            sysColour(kSysWindow) & 0xFFFFFF,
            sysColour(kSysHighlight) & 0xFFFFFF,
            sysColour(kSysWindowText) & 0xFFFFFF,
            sysColour(kSysInfoBack) & 0xFFFFFF,
            sysColour(kSysInfoText) & 0xFFFFFF};
}
