#include "guide_table.h"

const GuideEntry kGuideTable[kGuideCount] = {
    {0x1, DrawThirds, "三分割構図", 0},
    {0x4, DrawHalves, "二分割構図", 0},
    {0x8, DrawVerticalHalf, "二分割構図(縦)", 0},
    {0x10, DrawHorizontalHalf, "二分割構図(横)", 0},
    {kCountDivisionsMask, DrawCountDivisions, "等分割数ダイアログ", 0},
    {kWidthDivisionsMask, DrawWidthDivisions, "等分割幅ダイアログ", 0},
    {0x2, DrawDiagonals, "対角線", 0},
    {0x20, DrawGoldenSection, "黄金分割", 0},
    {0x200, DrawRabatment, "ラバットメント", 0},
    {0x40, DrawRailman, "レイルマン比率", 0x8000},
};

GuideState g_guides{};

void ApplyInitialGuide() {
    uint32_t rule = static_cast<uint32_t>(g_settings.InitRule) & ~kRememberFlag;
    g_guides.activeMask = rule ? rule : 1;
}

bool GuideOffered(const GuideEntry& entry, uint32_t ext) {
    return entry.gate == 0 || (entry.gate & ext) != 0;
}

void CycleGuide(int forward) {
    int start = -1;
    for (int row = 0; row < kGuideCount && start < 0; ++row)
        if (kGuideTable[row].mask & g_guides.activeMask) start = row;
    const int step = forward == 1 ? 1 : kGuideCount - 1;
    // A mask that matches no row stands one past the last row: forward then reaches row 0,
    // backward row 9.
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
