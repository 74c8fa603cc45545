// The person's own guide lines: their text, their pixels, the press that takes one, the keys'
// steps and what the paint pass draws.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "overlay/windows/own_lines.h"

namespace {
std::vector<int> Parsed(const char* text) {
    int at[kOwnLinesMax];
    const int n = ParseOwnLineList(text, at);
    return std::vector<int>(at, at + n);
}

OwnLines Lines(std::vector<int> v, std::vector<int> h) {
    OwnLines lines{};
    for (int at : v) AddOwnLine(lines, kOwnVertical, at);
    for (int at : h) AddOwnLine(lines, kOwnHorizontal, at);
    return lines;
}
}  // namespace

TEST(OwnLines, TheFileKeepsWhatIsValidAndDropsTheRest) {
    const struct { const char* text; std::vector<int> want; } cases[] = {
        {"2500,7500", {2500, 7500}},
        {" 3333 , 6667 ", {3333, 6667}},                   // blanks as a hand edit leaves them
        {"", {}},
        {"0,10000,-5,5000", {5000}},                        // out of 1..9999
        {"abc,12x,4000,,4000", {4000}},                     // junk, an empty item and a repeat
        {"1,9999", {1, 9999}},
        {"99999999999999999999,200", {200}},
        {"1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16}},
        {"1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,1,2", {1, 2}},   // repeats do not count towards the 16
    };
    for (const auto& c : cases) EXPECT_EQ(Parsed(c.text), c.want) << c.text;
    EXPECT_TRUE(Parsed(nullptr).empty());
}

TEST(OwnLines, WrittenTextReadsBackTheSame) {
    const std::vector<std::vector<int>> sets = {{}, {5000}, {1, 9999, 4321}, std::vector<int>(16, 0)};
    for (std::vector<int> set : sets) {
        for (size_t i = 0; i < set.size(); ++i)
            if (!set[i]) set[i] = static_cast<int>(600 * i + 1);
        char text[kOwnLineTextMax];
        FormatOwnLineList(set.data(), static_cast<int>(set.size()), text, sizeof text);
        EXPECT_EQ(Parsed(text), set) << text;
    }
    const int three[] = {1000, 2000, 3000};
    char small[8];
    EXPECT_EQ(FormatOwnLineList(three, 3, small, sizeof small), 0u);
    EXPECT_STREQ(small, "") << "a text that does not fit is not written in part";
}

TEST(OwnLines, PositionsFollowTheFramesSize) {
    const struct { int at, side, pixel; } cases[] = {
        {5000, 238, 119}, {5000, 3838, 1919}, {3333, 640, 213}, {3333, 1280, 427},
        {1, 38, 0},       {9999, 38, 38},     {2500, 3840, 960}, {7500, 2160, 1620},
    };
    for (const auto& c : cases) EXPECT_EQ(OwnLinePixel(c.at, c.side), c.pixel) << c.at << " of " << c.side;
    // A pixel's position: rounded, kept within the frame's lines, the middle on no side at all.
    EXPECT_EQ(OwnLinePlace(119, 238), 5000);
    EXPECT_EQ(OwnLinePlace(0, 238), 1);
    EXPECT_EQ(OwnLinePlace(238, 238), 9999);
    EXPECT_EQ(OwnLinePlace(-40, 238), 1);
    EXPECT_EQ(OwnLinePlace(500, 238), 9999);
    EXPECT_EQ(OwnLinePlace(10, 0), 5000);
    EXPECT_EQ(OwnLinePixel(OwnLinePlace(1000, 3838), 3838), 1000) << "a pixel comes back where it was put";
}

TEST(OwnLines, AddingRemovingAndTabbing) {
    OwnLines lines{};
    EXPECT_EQ(NextOwnLine(lines, kNoLine), kNoLine) << "Tab with no lines selects nothing";
    EXPECT_EQ(AddOwnLine(lines, kOwnVertical, 2500), (LineRef{kOwnVertical, 0}));
    EXPECT_EQ(AddOwnLine(lines, kOwnVertical, 2500), kNoLine) << "no second line on the first";
    EXPECT_EQ(AddOwnLine(lines, kOwnHorizontal, 2500), (LineRef{kOwnHorizontal, 0}));
    EXPECT_EQ(AddOwnLine(lines, 2, 2500), kNoLine);
    AddOwnLine(lines, kOwnVertical, 7500);
    // Tab: both vertical lines, the horizontal one, none, and round again.
    LineRef at = kNoLine;
    const LineRef order[] = {{0, 0}, {0, 1}, {1, 0}, kNoLine, {0, 0}};
    for (const LineRef& want : order) EXPECT_EQ(at = NextOwnLine(lines, at), want);
    // Removing a line before the selected one keeps the same line selected.
    LineRef selected{kOwnVertical, 1};
    RemoveOwnLine(lines, {kOwnVertical, 0}, selected);
    EXPECT_EQ(selected, (LineRef{kOwnVertical, 0}));
    EXPECT_EQ(lines.at[kOwnVertical][0], 7500);
    RemoveOwnLine(lines, {kOwnVertical, 0}, selected);
    EXPECT_EQ(selected, kNoLine);
    RemoveOwnLine(lines, {kOwnVertical, 0}, selected);  // no such line: nothing happens
    EXPECT_EQ(lines, Lines({}, {2500}));
    for (int i = 1; i <= kOwnLinesMax; ++i) AddOwnLine(lines, kOwnVertical, i * 100);
    EXPECT_EQ(AddOwnLine(lines, kOwnVertical, 9000), kNoLine) << "16 lines each way at most";
}

TEST(OwnLines, KeysMoveByPixelsWithinTheFrame) {
    const struct { int at, side, pixels, want; } cases[] = {
        {5000, 238, 1, 5042},    {5000, 238, -10, 4580}, {5000, 38, 1, 5263},
        {9999, 238, 1, 9999},    {1, 238, -10, 1},       {5000, 30000, 1, 5001},  // finer than a ten-thousandth
        {5000, 238, 0, 5000},
    };
    for (const auto& c : cases)
        EXPECT_EQ(StepOwnLine(c.at, c.side, c.pixels), c.want) << c.at << " on " << c.side << " by " << c.pixels;
}

TEST(OwnLines, APressTakesTheNearestLineOutsideTheEdgeZones) {
    // A frame at (100, 100), 240 x 180 outside and 238 x 178 inside its border; lines at the
    // middle of the width (x 119) and at a quarter of the height (y 45).
    const OwnLines lines = Lines({5000}, {2500});
    const Rect frame{100, 100, 340, 280};
    const auto grab = [&](int x, int y) {
        return GrabOwnLine(lines, 238, 178, frame, {101 + x, 101 + y}, {x, y}, kEdgeZone, kOwnLineGrab);
    };
    const struct { int x, y; LineRef want; const char* where; } cases[] = {
        {119, 100, {kOwnVertical, 0}, "on the vertical line"},
        {123, 100, {kOwnVertical, 0}, "4 pixels beside it"},
        {124, 100, kNoLine, "5 pixels beside it: the frame moves"},
        {60, 43, {kOwnHorizontal, 0}, "near the horizontal line"},
        {121, 46, {kOwnHorizontal, 0}, "nearer the horizontal line than the vertical one"},
        {119, 3, kNoLine, "on the line but in the top edge zone: a resize"},
        {119, 175, kNoLine, "in the bottom edge zone"},
        {3, 45, kNoLine, "in the left edge zone"},
        {119, 300, kNoLine, "below the frame"},
    };
    for (const auto& c : cases) EXPECT_EQ(grab(c.x, c.y), c.want) << c.where;
    EXPECT_EQ(GrabOwnLine(OwnLines{}, 238, 178, frame, {220, 200}, {119, 99}, kEdgeZone, kOwnLineGrab), kNoLine);
}

TEST(OwnLines, TheSelectedLineIsDrawnDashed) {
    const OwnLines lines = Lines({5000}, {2500});
    const std::vector<LineSpan> plain = OwnLineSpans(lines, kNoLine, 100, 40);
    EXPECT_EQ(plain, (std::vector<LineSpan>{{50, 0, 50, 40}, {0, 10, 100, 10}}));
    const std::vector<LineSpan> dashed = OwnLineSpans(lines, {kOwnVertical, 0}, 100, 40);
    EXPECT_EQ(dashed, (std::vector<LineSpan>{{50, 0, 50, 8}, {50, 14, 50, 22}, {50, 28, 50, 36}, {0, 10, 100, 10}}));
}
