// The colours of what the overlay draws itself (the frame's border, the grip, the size label):
// its own, or while a high-contrast theme is on, the theme's. The guides keep the colour the
// person chose. Platform-free: the system's colours come through a reader.
#pragma once
#include <cstdint>

struct OwnColours {
    bool themed;         // a high-contrast theme is on: the program draws the frame's border itself
    uint32_t border;     // 0x00BBGGRR
    uint32_t gripBack, gripLit, gripLine;
    uint32_t labelBack, labelText;
    bool operator==(const OwnColours&) const = default;
};

// The system's colour indexes that the theme gives (GetSysColor's).
constexpr int kSysWindow = 5, kSysWindowFrame = 6, kSysWindowText = 8, kSysHighlight = 13, kSysInfoText = 23,
              kSysInfoBack = 24;
// The frame's key colour: whatever of the frame is white is not shown.
constexpr uint32_t kFrameKeyColour = 0xFFFFFF;

// highContrast: SPI_GETHIGHCONTRAST's HCF_HIGHCONTRASTON. The border takes the theme's window
// frame colour, or where that is the key colour (a dark theme's white), its text colour, then
// its highlight: a border in the key colour would not show at all.
OwnColours OwnDrawnColours(bool highContrast, uint32_t (*sysColour)(int index));
