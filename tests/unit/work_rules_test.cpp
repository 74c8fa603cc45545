// The work tools' rules: the capture's format, the display affinity and the size label.
#include <gtest/gtest.h>

#include "overlay/windows/work_rules.h"

TEST(WorkRules, TheTypedExtensionOrElseTheChosenTypeDecidesTheFormat) {
    const struct { const wchar_t* path; unsigned filter; CaptureFormat want; } cases[] = {
        {L"C:\\a\\shot", 1, CaptureFormat::png},      {L"C:\\a\\shot", 2, CaptureFormat::bmp},
        {L"C:\\a\\shot.png", 1, CaptureFormat::png},  {L"C:\\a\\shot.PNG", 2, CaptureFormat::png},
        {L"C:\\a\\shot.bmp", 1, CaptureFormat::bmp},  {L"C:\\a\\shot.Bmp", 2, CaptureFormat::bmp},
        {L"C:\\a.png\\shot.jpg", 2, CaptureFormat::bmp}, {L"C:\\a\\shot.jpg", 1, CaptureFormat::png},
        {L"C:\\写真\\日本.png", 2, CaptureFormat::png}, {L"C:\\写真\\日本", 2, CaptureFormat::bmp},
        {L"png", 0, CaptureFormat::png},               {L"", 2, CaptureFormat::bmp},
    };
    for (const auto& c : cases) EXPECT_EQ(ChooseCaptureFormat(c.path, c.filter), c.want) << c.filter;
}

TEST(WorkRules, ExclusionFromCapturesOnlyWhereWindowsKnowsIt) {
    const struct { uint32_t ext, build; bool excluded; int want; } cases[] = {
        {0x0400, 19040, false, -1}, {0x0400, 19041, false, 0x11}, {0x0400, 22631, true, 0x11},
        {0xFFFF, 19041, false, 0x11}, {0, 22631, false, -1},      {0xFBFF, 22631, true, 0},
        {0, 7601, true, -1},          {0x0400, 0, false, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DisplayAffinityToSet(c.ext, c.build, c.excluded), c.want) << std::hex << c.ext << " " << std::dec << c.build;
}

TEST(WorkRules, TheSizeLabelSaysTheSizeBesideTheFrame) {
    EXPECT_EQ(SizeLabelText(640, 480), "640 × 480");
    EXPECT_EQ(SizeLabelText(40, 30000), "40 × 30000");
    const Rect work{0, 0, 1280, 1000};
    const struct { Rect frame; Rect want; } cases[] = {
        {{100, 100, 740, 580}, {100, 584, 180, 604}},     // below the bottom-left corner
        {{100, 500, 740, 980}, {100, 476, 180, 496}},     // no room below: above
        {{100, 10, 740, 990}, {104, 966, 184, 986}},      // neither: inside
        {{1250, 100, 1500, 300}, {1200, 304, 1280, 324}}, // kept on the work area
        {{-50, 100, 200, 300}, {0, 304, 80, 324}},
        {{60, 0, 860, 1100}, {64, 980, 144, 1000}},        // taller than the screen, at its top
        {{-100, -100, 1400, 1100}, {0, 980, 80, 1000}},    // larger both ways
        {{1200, 950, 1500, 1200}, {1200, 926, 1280, 946}}, // at the bottom-right corner
        {{-300, -500, -100, -400}, {0, 0, 80, 20}},        // off the top-left corner
    };
    for (const auto& c : cases) {
        const Rect r = SizeLabelPlace(c.frame, 80, 20, work);
        EXPECT_EQ(r.left, c.want.left) << c.frame.left << "," << c.frame.top;
        EXPECT_EQ(r.top, c.want.top) << c.frame.left << "," << c.frame.top;
        EXPECT_EQ(r.right - r.left, 80);
        EXPECT_EQ(r.bottom - r.top, 20);
    }
}
