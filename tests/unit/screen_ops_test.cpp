#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "overlay/screen/bitmap_file.h"
#include "overlay/screen/content_edge.h"

namespace {
constexpr uint32_t kWhite = 0xFFFFFF, kBlack = 0, kRed = 0x0000FF, kGrey128 = 0x808080, kGrey127 = 0x7F7F7F;

// A strip as the snapshot holds it after its copy: rows of the top and bottom strips and
// columns of the left and right ones, each line numbered as it lies in the snapshot (0 is the
// top row or the left column), so the tests state the lines as a person sees them on screen.
struct StripImage {
    SearchStrip strip;
    std::vector<uint32_t> pixels;
    int reads = 0;
    bool outside = false;

    StripImage(StripSide side, int length, int depth, const std::function<uint32_t(int p, int line)>& colour)
        : strip{side, 0, 0, length, depth}, pixels(static_cast<size_t>(length) * depth) {
        for (int p = 0; p < length; ++p)
            for (int line = 0; line < depth; ++line) At(Horizontal() ? Point{p, line} : Point{line, p}) = colour(p, line);
    }
    bool Horizontal() const { return strip.side == StripSide::top || strip.side == StripSide::bottom; }
    uint32_t& At(Point q) { return pixels[static_cast<size_t>(q.y) * strip.width() + q.x]; }

    static uint32_t Read(const void* self, Point q) {
        auto* image = static_cast<StripImage*>(const_cast<void*>(self));
        ++image->reads;
        if (q.x < 0 || q.y < 0 || q.x >= image->strip.width() || q.y >= image->strip.height()) {
            image->outside = true;
            return 0xFFFFFFFF;
        }
        return image->At(q);
    }
    int Search() { return FindContentEdge(strip, Read, this); }
};

// A colour per line, the same at every position.
std::function<uint32_t(int, int)> Lines(std::function<uint32_t(int)> byLine) {
    return [byLine](int, int line) { return byLine(line); };
}
}  // namespace

TEST(Fit, ColourClasses) {
    const struct { uint32_t colour; int cls; } cases[] = {
        {kBlack, 0}, {kWhite, 84}, {kRed, 85}, {0x00FF00, 0}, {0xFF0000, 0},
        {kGrey128, 0}, {kGrey127, 42}, {0xC0C0C0, 42}, {0xFFFFFFFF, 84},  // the failed read
    };
    for (const auto& c : cases) EXPECT_EQ(ColourClass(c.colour), c.cls) << std::hex << c.colour;
}

TEST(Fit, EdgeSearchOverStrips) {
    using S = StripSide;
    const int R = 50, L = 100;
    const auto whiteThenBlack = Lines([](int line) { return line < 30 ? kWhite : kBlack; });
    const auto blackThenWhite = Lines([](int line) { return line < 20 ? kBlack : kWhite; });
    const struct { const char* what; S side; int length, depth; std::function<uint32_t(int, int)> colour; int move; } cases[] = {
        {"top: 30 white then 20 black", S::top, L, R, whiteThenBlack, 20},
        {"left: the same in columns", S::left, L, R, whiteThenBlack, 20},
        {"bottom: 20 black next to the frame", S::bottom, L, R, blackThenWhite, 19},
        {"right: the same in columns", S::right, L, R, blackThenWhite, 19},
        {"a change on two of three sample lines", S::top, L, R,
         [](int p, int line) { return line >= 30 && p != L - 5 ? kBlack : kWhite; }, 0},
        {"the three new classes need not agree", S::top, L, R,
         [](int p, int line) { return line < 30 ? kWhite : p == 5 ? kRed : p == L / 2 ? kBlack : kGrey127; }, 20},
        {"the old classes must agree", S::top, L, R,
         [](int p, int line) { return line < 30 ? (p == 5 ? kRed : kWhite) : kBlack; }, 0},
        {"top: the nearer of two changes", S::top, L, R,
         Lines([](int line) { return line >= 10 && line < 30 ? kBlack : kWhite; }), 20},
        {"bottom: the nearer of two changes", S::bottom, L, R,
         Lines([](int line) { return line >= 10 && line < 30 ? kBlack : kWhite; }), 9},
        {"top: a change next to the frame", S::top, L, R, Lines([](int line) { return line == 49 ? kBlack : kWhite; }), 1},
        {"bottom: a change next to the frame", S::bottom, L, R, Lines([](int line) { return line == 0 ? kBlack : kWhite; }), 0},
        {"black next to grey 128", S::top, L, R, Lines([](int line) { return line < 30 ? kGrey128 : kBlack; }), 0},
        {"uniform", S::right, L, R, Lines([](int) { return kWhite; }), 0},
        {"too short for three sample lines", S::top, 5, R, whiteThenBlack, 0},
        {"the shortest searched strip", S::top, 6, R, whiteThenBlack, 20},
        {"one line deep", S::left, L, 1, whiteThenBlack, 0},
        {"two lines deep", S::top, L, 2, Lines([](int line) { return line ? kBlack : kWhite; }), 1},
        {"odd length: the middle sample differs by side", S::bottom, 101, R,
         [](int p, int line) { return line < 20 && p != 51 ? kBlack : kWhite; }, 19},
        {"odd length, top: the middle sample is at 51", S::top, 101, R,
         [](int p, int line) { return line >= 30 && p != 50 ? kBlack : kWhite; }, 20},
    };
    for (const auto& c : cases) {
        StripImage image(c.side, c.length, c.depth, c.colour);
        EXPECT_EQ(image.Search(), c.move) << c.what;
        EXPECT_FALSE(image.outside) << c.what;
        if (c.length >= 6 && c.depth >= 2) {
            EXPECT_EQ(image.reads, 3 * c.depth) << c.what;
        }
    }
}

namespace {
using S = StripSide;
struct StripCase {
    Rect frame;
    int range;
    S side;
    SearchStrip want;  // length 0: no strip
};

// Each strip as StripBeside cuts it against the screen rectangle.
void ExpectStrips(const Rect& screen, std::initializer_list<StripCase> cases) {
    for (const auto& c : cases) {
        const SearchStrip s = StripBeside(c.side, c.frame, screen, c.range);
        const std::string what = std::to_string(static_cast<int>(c.side)) + " of " + std::to_string(c.frame.left) +
                                 "," + std::to_string(c.frame.top) + " on " + std::to_string(screen.left) + "," +
                                 std::to_string(screen.top);
        EXPECT_EQ(s.length, c.want.length) << what;
        EXPECT_EQ(s.depth, c.want.depth) << what;
        if (c.want.length == 0) continue;
        EXPECT_EQ(s.x, c.want.x) << what;
        EXPECT_EQ(s.y, c.want.y) << what;
    }
}
}  // namespace

TEST(Fit, StripsAreClippedToTheDesktop) {
    ExpectStrips({0, 0, 1280, 1024}, {
        // Far from the edges: R deep, the whole side long.
        {{100, 100, 300, 200}, 50, S::top, {S::top, 100, 50, 200, 50}},
        {{100, 100, 300, 200}, 50, S::bottom, {S::bottom, 100, 200, 200, 50}},
        {{100, 100, 300, 200}, 50, S::left, {S::left, 50, 100, 100, 50}},
        {{100, 100, 300, 200}, 50, S::right, {S::right, 300, 100, 100, 50}},
        // Near the top-left corner the depth is the room left.
        {{20, 10, 300, 200}, 50, S::top, {S::top, 20, 0, 280, 10}},
        {{20, 10, 300, 200}, 50, S::left, {S::left, 0, 10, 190, 20}},
        // Over the bottom-right corner: the sides are cut at the desktop, the strips beyond are empty.
        {{1200, 900, 1400, 1100}, 50, S::top, {S::top, 1200, 850, 80, 50}},
        {{1200, 900, 1400, 1100}, 50, S::left, {S::left, 1150, 900, 124, 50}},
        {{1200, 900, 1400, 1100}, 50, S::bottom, {S::bottom, 0, 0, 0, 0}},
        {{1200, 900, 1400, 1100}, 50, S::right, {S::right, 0, 0, 0, 0}},
        {{1230, 100, 1280, 200}, 50, S::right, {S::right, 0, 0, 0, 0}},  // flush with the edge
        {{-300, 100, -100, 200}, 50, S::top, {S::top, 0, 0, 0, 0}},      // wholly off the desktop
        // A range beyond the screen costs no more than the screen.
        {{100, 100, 300, 200}, 2147483647, S::top, {S::top, 100, 0, 200, 100}},
        {{100, 100, 300, 200}, 2147483647, S::right, {S::right, 300, 100, 100, 980}},
        {{100, 100, 300, 200}, -5, S::bottom, {S::bottom, 0, 0, 0, 0}},
    });
}

// The strips are cut against the virtual screen, the bounding rectangle of all monitors.
TEST(Fit, StripsReachEveryMonitor) {
    // A monitor of 1280 x 1024 left of a primary one of 1920 x 1080.
    ExpectStrips({-1280, 0, 1920, 1080}, {
        {{-1000, 100, -800, 300}, 50, S::left, {S::left, -1050, 100, 200, 50}},  // on the left monitor
        {{-1270, 100, -800, 300}, 50, S::left, {S::left, -1280, 100, 200, 10}},  // at the virtual screen's edge
        {{-100, 100, 100, 300}, 50, S::top, {S::top, -100, 50, 200, 50}},       // across both monitors
        {{-100, 100, 100, 300}, 50, S::left, {S::left, -150, 100, 200, 50}},
        {{-1300, 100, -1200, 300}, 50, S::top, {S::top, -1280, 50, 80, 50}},    // partly off it
        {{-1300, 100, -1200, 300}, 50, S::left, {S::left, 0, 0, 0, 0}},
    });
    // A monitor of 1920 x 1200 above the primary one of 1920 x 1080: the top strip reads it.
    ExpectStrips({0, -1200, 1920, 1080}, {
        {{100, -20, 300, 80}, 50, S::top, {S::top, 100, -70, 200, 50}},
        {{100, -1180, 300, -1000}, 50, S::top, {S::top, 100, -1200, 200, 20}},
        {{100, 1000, 300, 1060}, 50, S::bottom, {S::bottom, 100, 1060, 200, 20}},
    });
    // A primary monitor of 1280 x 1024 with one of 2560 x 1440 to its right, reaching higher and
    // lower: a frame over the primary's bottom-right corner fits on every side.
    ExpectStrips({0, -208, 3840, 1232}, {
        {{1200, 900, 1400, 1100}, 50, S::bottom, {S::bottom, 1200, 1100, 200, 50}},
        {{1200, 900, 1400, 1100}, 50, S::right, {S::right, 1400, 900, 200, 50}},
        {{3800, -200, 3900, 200}, 50, S::top, {S::top, 3800, -208, 40, 8}},
        {{3800, -200, 3900, 200}, 50, S::right, {S::right, 0, 0, 0, 0}},
    });
}

TEST(Capture, BitmapHeaderBytes) {
    uint8_t h[kBitmapHeaderSize];
    FormatBitmapHeader(h, 201, 3);
    const uint8_t want[kBitmapHeaderSize] = {
        'B', 'M', 0xA2, 0x09, 0, 0,  // 54 + 804 * 3 = 2466
        0, 0, 0, 0, 54, 0, 0, 0, 40, 0, 0, 0,
        201, 0, 0, 0, 3, 0, 0, 0,    // width, height (bottom-up)
        1, 0, 32, 0,                 // planes, bits per pixel
    };
    for (int i = 0; i < kBitmapHeaderSize; ++i) EXPECT_EQ(h[i], want[i]) << "byte " << i;

    const struct { int w, h; uint64_t size; } sizes[] = {
        {1, 1, 58}, {201, 3, 2466}, {1920, 1080, 54 + 8294400},
        {32767, 32767, 54 + 4ull * 32767 * 32767},
        {32768, 32768, 0},  // exactly 4 GiB of pixels: beyond the size field
        {65536, 16384, 0}, {2147483647, 2147483647, 0}, {0, 100, 0}, {100, -1, 0},
    };
    for (const auto& s : sizes) EXPECT_EQ(BitmapFileSize(s.w, s.h), s.size) << s.w << "x" << s.h;
}

TEST(Capture, TheClipboardsBitmapIs24BitWithPaddedRows) {
    uint8_t h[kDibHeaderSize];
    FormatDib24Header(h, 201, 3);
    const uint8_t want[16] = {40, 0, 0, 0, 201, 0, 0, 0, 3, 0, 0, 0, 1, 0, 24, 0};
    for (int i = 0; i < kDibHeaderSize; ++i) EXPECT_EQ(h[i], i < 16 ? want[i] : 0) << "byte " << i;
    const struct { int w, h; uint64_t size; } sizes[] = {
        {201, 3, 40 + 604 * 3}, {1, 1, 44}, {4, 2, 40 + 24}, {1920, 1080, 40 + 5760 * 1080},
        {0, 5, 0}, {5, -1, 0}, {65536, 32768, 0},
    };
    for (const auto& s : sizes) EXPECT_EQ(Dib24Size(s.w, s.h), s.size) << s.w << "x" << s.h;
    const uint8_t row[8] = {1, 2, 3, 99, 4, 5, 6, 99};
    uint8_t packed[6] = {};
    PackRow24(row, 2, packed);
    EXPECT_EQ(std::vector<uint8_t>(packed, packed + 6), (std::vector<uint8_t>{1, 2, 3, 4, 5, 6}));
}
