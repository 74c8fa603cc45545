// What the overlay and the editor know of each other: the guide frame's window class, the
// settings-changed message that the editor sends to every window of it, and the guides that InitRule names, with the
// texts that the overlay's menu and the editor's start-up list show for them.
#pragma once
#include <cstdint>

#include "texts.h"

constexpr char kFrameClass[] = "__pemoka_246__";
// The guide frame reads the settings file again (WM_APP + 1).
constexpr unsigned kSettingsChangedMessage = 0x8001;

struct GuideName {
    uint32_t mask;  // one bit; also the menu command and the value kept in InitRule
    TextId label;
};

constexpr int kGuideCount = 15;
// The four rows from kPhotoGuidesFirst on are offered only when Ext has kPhotoGuidesExt, and the
// safe areas only when it has kSafeAreasExt: in the overlay's menu and cycle, and in the
// editor's start-up list.
constexpr int kPhotoGuidesFirst = 10;
constexpr uint32_t kPhotoGuidesExt = 0x4000;
constexpr int kSafeAreasRow = 14;
constexpr uint32_t kSafeAreasExt = 0x2000;
// The Ext bits a row asks for in the editor's start-up list, which lists the first ten always.
constexpr uint32_t ListedGuideGate(int row) {
    return row >= kSafeAreasRow ? kSafeAreasExt : row >= kPhotoGuidesFirst ? kPhotoGuidesExt : 0;
}
// In the order of the overlay's guide table.
inline constexpr GuideName kGuideNames[kGuideCount] = {
    {0x1, kTextThirds},
    {0x4, kTextHalves},
    {0x8, kTextVerticalHalf},
    {0x10, kTextHorizontalHalf},
    {0x80, kTextCountDivisions},
    {0x100, kTextWidthDivisions},
    {0x2, kTextDiagonals},
    {0x20, kTextGoldenSection},
    {0x200, kTextRabatment},
    {0x40, kTextRailman},
    {0x400, kTextPhiGrid},
    {0x800, kTextGoldenSpiral},
    {0x1000, kTextGoldenTriangles},
    {0x2000, kTextDynamicSymmetry},
    {0x4000, kTextSafeAreas},
};
