#include <gtest/gtest.h>

#include "segment_list.h"

namespace {
struct Cycle {
    uint32_t from;
    int forward;
    int32_t ext;
    uint32_t to;
};

class GuideSelection : public ::testing::Test {
protected:
    void SetUp() override {
        g_settings = DefaultSettings();
        g_guides = {};
    }
};
}  // namespace

TEST_F(GuideSelection, TableRowsMasksAndGates) {
    const uint32_t masks[kGuideCount] = {0x1,  0x4,  0x8,   0x10,  0x80,   0x100,  0x2,
                                         0x20, 0x200, 0x40, 0x400, 0x800, 0x1000, 0x2000, 0x4000};
    for (int row = 0; row < kGuideCount; ++row) {
        EXPECT_EQ(kGuideTable[row].mask, masks[row]) << row;
        EXPECT_EQ(kGuideTable[row].gate, row == 9 ? 0x8000u : row == 14 ? 0x2000u : row > 9 ? 0x4000u : 0u) << row;
    }
    // Labels are CP932: "三分割構図" begins with 0x8E 0x4F; the half labels use ASCII brackets.
    const char* thirds = TextOf(Language::japanese, kGuideTable[0].label);
    EXPECT_EQ(static_cast<unsigned char>(thirds[0]), 0x8E);
    EXPECT_EQ(static_cast<unsigned char>(thirds[1]), 0x4F);
    EXPECT_NE(std::string(TextOf(Language::japanese, kGuideTable[2].label)).find('('), std::string::npos);
}

TEST_F(GuideSelection, CycleAcrossTheTable) {
    const Cycle cases[] = {
        {0x1, 1, 0, 0x4},          // thirds -> halves
        {0x1, 0, 0, 0x200},        // thirds back to rabatment, railman hidden
        {0x1, 0, 0x8000, 0x40},    // ... or to railman when Ext unlocks it
        {0x200, 1, 0, 0x1},        // rabatment -> thirds
        {0x200, 1, 0x8000, 0x40},  // rabatment -> railman
        {0x40, 1, 0, 0x1},         // railman active without its bit: forward still leaves it
        {0x40, 0, 0, 0x200},
        {0x3, 1, 0, 0x4},          // a multi-bit mask steps from its first row (thirds)
        {0x3, 0, 0, 0x200},
        {0x3, 0, 0x8000, 0x40},
        {0x10000, 1, 0, 0x1},      // matching no row: forward from row 0
        {0x10000, 0, 0, 0x200},    // backward from the last row, skipped without the bits
        {0x10000, 0, 0x8000, 0x40},
        {0x10000, 0, 0x4000, 0x2000},
        {0x10000, 0, 0x2000, 0x4000},
        {0x200, 1, 0x4000, 0x400},     // rabatment -> phi grid, railman hidden
        {0x40, 1, 0xC000, 0x400},      // railman -> phi grid
        {0x1000, 1, 0x4000, 0x2000},   // triangles -> dynamic symmetry
        {0x2000, 1, 0x4000, 0x1},      // dynamic symmetry -> thirds
        {0x1, 0, 0xC000, 0x2000},      // thirds back to dynamic symmetry
        {0x2000, 1, 0x6000, 0x4000},   // dynamic symmetry -> safe areas
        {0x200, 1, 0x2000, 0x4000},    // rabatment -> safe areas, the golden guides hidden
        {0x4000, 1, 0x2000, 0x1},      // safe areas -> thirds
        {0x4000, 1, 0, 0x1},           // safe areas active without their bit: forward leaves them
        {0x800, 1, 0, 0x1},            // the spiral active without its bit: forward leaves it
        {0x800, 0, 0x8000, 0x40},
        {0x0, 1, 0, 0x1},
        {0x80, 1, 0, 0x100},
        {0x100, 1, 0, 0x2},
        {0x2, 0, 0, 0x100},
    };
    for (const Cycle& c : cases) {
        g_settings.Ext = c.ext;
        g_guides.activeMask = c.from;
        CycleGuide(c.forward);
        EXPECT_EQ(g_guides.activeMask, c.to) << std::hex << "from 0x" << c.from << " forward " << c.forward
                                             << " ext 0x" << c.ext;
    }
}

TEST_F(GuideSelection, FullCircleVisitsEveryOfferedRowOnce) {
    const struct { int32_t ext; int rows; } cases[] = {{0, 9}, {0x8000, 10}, {0x4000, 13}, {0xC000, 14}, {0x1FFF, 9}, {0x3FFF, 10}, {0xE000, 15}};
    for (const auto [ext, rows] : cases) {
        g_settings.Ext = ext;
        for (int forward : {1, 0}) {
            g_guides.activeMask = 1;
            int steps = 0;
            do {
                CycleGuide(forward);
                ++steps;
            } while (g_guides.activeMask != 1 && steps < 20);
            EXPECT_EQ(steps, rows) << "ext " << ext << " forward " << forward;
        }
    }
}

TEST_F(GuideSelection, OfferedMasksFollowTheGates) {
    const struct { uint32_t ext, masks; } cases[] = {
        {0, 0x3BF}, {0x8000, 0x3FF}, {0x4000, 0x3FBF}, {0x2000, 0x43BF}, {0xE000, 0x7FFF}, {0x1FFF, 0x3BF}};
    for (const auto& c : cases) EXPECT_EQ(OfferedGuideMasks(c.ext), c.masks) << std::hex << c.ext;
}

TEST_F(GuideSelection, InitialGuideFromInitRule) {
    const struct { int32_t rule; uint32_t mask; } cases[] = {
        {0, 0x1},
        {1, 0x1},
        {4, 0x4},
        {static_cast<int32_t>(0x80000000u), 0x1},
        {static_cast<int32_t>(0x80000004u), 0x4},
        {64, 0x40},  // gated guide as start guide, gate not consulted
        {0x800, 0x800},
        {3, 0x3},
        {0x7FFFFFFF, 0x7FFFFFFF},
    };
    for (const auto& c : cases) {
        g_settings.InitRule = c.rule;
        g_guides.activeMask = 0x200;
        ApplyInitialGuide();
        EXPECT_EQ(g_guides.activeMask, c.mask) << c.rule;
    }
}

TEST_F(GuideSelection, VariantCounterWrapsAndKeepsItsPhase) {
    g_guides.variant = 4294967295u;
    SegmentList lines;
    Settings s = DefaultSettings();
    // 4294967295 % 3 == 0: the full grid of thirds
    DrawThirds(GuideView{198, 198, g_guides.variant, s}, Into(lines));
    EXPECT_EQ(lines.size(), 4u);
    ++g_guides.variant;
    EXPECT_EQ(g_guides.variant, 0u);
    lines.clear();
    DrawThirds(GuideView{198, 198, g_guides.variant, s}, Into(lines));
    EXPECT_EQ(lines.size(), 4u);
    // Frame diagonals read the lowest two bits: 4294967295 & 3 == 3 draws none.
    lines.clear();
    DrawFrameDiagonals(GuideView{100, 50, 4294967295u, s}, Into(lines));
    EXPECT_TRUE(lines.empty());
}
