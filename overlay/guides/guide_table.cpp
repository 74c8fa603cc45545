#include "guide_table.h"

#include <algorithm>
#include <cmath>

const GuideEntry kGuideTable[kGuideCount] = {
    {kGuideNames[0].mask, DrawThirds, kGuideNames[0].label, 0},
    {kGuideNames[1].mask, DrawHalves, kGuideNames[1].label, 0},
    {kGuideNames[2].mask, DrawVerticalHalf, kGuideNames[2].label, 0},
    {kGuideNames[3].mask, DrawHorizontalHalf, kGuideNames[3].label, 0},
    {kGuideNames[4].mask, DrawCountDivisions, kGuideNames[4].label, 0},
    {kGuideNames[5].mask, DrawWidthDivisions, kGuideNames[5].label, 0},
    {kGuideNames[6].mask, DrawDiagonals, kGuideNames[6].label, 0},
    {kGuideNames[7].mask, DrawGoldenSection, kGuideNames[7].label, 0},
    {kGuideNames[8].mask, DrawRabatment, kGuideNames[8].label, 0},
    {kGuideNames[9].mask, DrawRailman, kGuideNames[9].label, 0x8000},
    {kGuideNames[10].mask, DrawPhiGrid, kGuideNames[10].label, kPhotoGuidesExt},
    {kGuideNames[11].mask, DrawGoldenSpiral, kGuideNames[11].label, kPhotoGuidesExt},
    {kGuideNames[12].mask, DrawGoldenTriangles, kGuideNames[12].label, kPhotoGuidesExt},
    {kGuideNames[13].mask, DrawDynamicSymmetry, kGuideNames[13].label, kPhotoGuidesExt},
    {kGuideNames[14].mask, DrawSafeAreas, kGuideNames[14].label, kSafeAreasExt},
};

GuideState g_guides{};

namespace {
// The relative luminance of an sRGB colour: each channel linearised, then weighted.
double Luminance(uint32_t colour) {
    const auto linear = [](uint32_t channel) {
        const double c = channel / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour & 0xFF) + 0.7152 * linear((colour >> 8) & 0xFF) +
           0.0722 * linear((colour >> 16) & 0xFF);
}

double Contrast(double a, double b) { return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05); }
}  // namespace

uint32_t OutlineColour(uint32_t lineColour) {
    // Whichever edge stands out more from the line, by the contrast ratio of their luminances;
    // the top byte, a palette flag, is no part of the colour.
    constexpr uint32_t kBlack = 0x000000, kLightGrey = 0xC0C0C0;
    const double line = Luminance(lineColour);
    return Contrast(line, Luminance(kBlack)) >= Contrast(line, Luminance(kLightGrey)) ? kBlack : kLightGrey;
}

void ApplyInitialGuide() {
    uint32_t rule = static_cast<uint32_t>(g_settings.InitRule) & ~kRememberFlag;
    g_guides.activeMask = rule ? rule : 1;
}

int32_t InitRuleAtClose(int32_t initRule, uint32_t activeMask) {
    return initRule < 0 ? static_cast<int32_t>(activeMask | kRememberFlag) : initRule;
}

bool GuideOffered(const GuideEntry& entry, uint32_t ext) {
    return entry.gate == 0 || (entry.gate & ext) != 0;
}

uint32_t OfferedGuideMasks(uint32_t ext) {
    uint32_t masks = 0;
    for (const GuideEntry& entry : kGuideTable)
        if (GuideOffered(entry, ext)) masks |= entry.mask;
    return masks;
}

void CycleGuide(int forward) {
    int start = -1;
    for (int row = 0; row < kGuideCount && start < 0; ++row)
        if (kGuideTable[row].mask & g_guides.activeMask) start = row;
    const int step = forward == 1 ? 1 : kGuideCount - 1;
    // A mask that matches no row stands one past the last row: forward then reaches row 0,
    // backward the last row.
    int row = start >= 0 ? start : (forward == 1 ? kGuideCount - 1 : 0);
    const uint32_t ext = static_cast<uint32_t>(g_settings.Ext);
    for (int i = 0; i < kGuideCount; ++i) {
        row = (row + step) % kGuideCount;
        if (GuideOffered(kGuideTable[row], ext) || row == start) break;
    }
    g_guides.activeMask = kGuideTable[row].mask;
}

void CollectGuideSegments(uint32_t mask, const GuideView& v, const SegmentSink& out) {
    for (const GuideEntry& entry : kGuideTable)
        if (entry.mask & mask) entry.draw(v, out);
}
