#include <gtest/gtest.h>

#include <vector>

#include "overlay/guides/line_runs.h"
#include "segment_list.h"

namespace {
struct Passed {
    SegmentList lines;
    std::vector<Block> blocks;
};

Passed Merge(int w, int h, const SegmentList& in, int reach = 1) {
    Passed out;
    LineRun run{w, h, {[](void* t, const Segment& s) { static_cast<Passed*>(t)->lines.push_back(s); }, &out},
                [](void* t, const Block& b) { static_cast<Passed*>(t)->blocks.push_back(b); }, reach};
    for (const Segment& s : in) AddToRun(run, s);
    EndRun(run);
    return out;
}

Segment V(int x) { return {x, 0, x, 20}; }
Segment H(int y) { return {0, y, 30, y}; }
}  // namespace

// On a 30 x 20 client: which lines stay lines, and which become the inside of a block. The
// reach is the pen's width less one (at least 1): lines that far apart already touch.
TEST(LineRuns, DenseLinesBecomeOuterLinesAndABlock) {
    const Segment diagonal{0, 0, 30, 20}, shortV{5, 0, 5, 10}, upward{6, 20, 6, 0};
    const struct {
        const char* what;
        SegmentList in, lines;
        std::vector<Block> blocks;
        int reach = 1;
    } cases[] = {
        {"nothing", {}, {}, {}},
        {"one line", {V(4)}, {V(4)}, {}},
        {"two adjacent lines", {V(4), V(5)}, {V(4), V(5)}, {}},
        {"a run of five", {V(1), V(2), V(3), V(4), V(5)}, {V(1), V(5)}, {{2, 0, 5, 20}}},
        {"a gap ends the run", {V(1), V(2), V(3), V(5), V(6)}, {V(1), V(3), V(5), V(6)}, {{2, 0, 3, 20}}},
        {"spaced two apart", {V(2), V(4), V(6)}, {V(2), V(4), V(6)}, {}},
        {"spaced two apart under a pen of three", {V(2), V(4), V(6)}, {V(2), V(6)}, {{3, 0, 6, 20}}, 2},
        {"a pen of three still runs lines one apart", {V(1), V(2), V(4)}, {V(1), V(4)}, {{2, 0, 4, 20}}, 2},
        {"a gap wider than the pen ends the run",
         {V(1), V(3), V(6), V(8)},
         {V(1), V(3), V(6), V(8)},
         {{2, 0, 3, 20}, {7, 0, 8, 20}},
         2},
        {"a line back is no run", {V(6), V(5), V(4)}, {V(6), V(5), V(4)}, {}, 2},
        {"rows far apart under a pen wider than the client", {H(0), H(10), H(19)}, {H(0), H(19)}, {{0, 1, 30, 19}}, 64},
        {"columns then rows",
         {V(1), V(2), V(3), H(1), H(2), H(3), H(4)},
         {V(1), V(3), H(1), H(4)},
         {{2, 0, 3, 20}, {0, 2, 30, 4}}},
        {"a row right after a column is no run", {V(1), H(2), H(3)}, {V(1), H(2), H(3)}, {}},
        {"other segments pass and end the run",
         {V(1), V(2), V(3), diagonal, V(4), shortV, upward},
         {V(1), V(3), diagonal, V(4), shortV, upward},
         {{2, 0, 3, 20}}},
    };
    for (const auto& c : cases) {
        const Passed out = Merge(30, 20, c.in, c.reach);
        EXPECT_EQ(out.lines, c.lines) << c.what;
        EXPECT_EQ(out.blocks, c.blocks) << c.what;
    }
}

// The divisions closer than a pixel are one run each way, whatever the count.
TEST(LineRuns, DenseDivisionsCostTwoLinesAndABlockEachWay) {
    Settings s = DefaultSettings();
    s.DivNumV = s.DivNumH = 2147483647;
    SegmentList in;
    DrawCountDivisions(GuideView{3840, 2160, 0, s}, Into(in));
    const Passed out = Merge(3840, 2160, in);
    ASSERT_EQ(in.size(), 3841u + 2161u);  // from one edge to the other, both included
    EXPECT_EQ(out.lines, (SegmentList{{0, 0, 0, 2160}, {3840, 0, 3840, 2160}, {0, 0, 3840, 0}, {0, 2160, 3840, 2160}}));
    EXPECT_EQ(out.blocks, (std::vector<Block>{{1, 0, 3840, 2160}, {0, 1, 3840, 2160}}));
}
