// Whatever a settings file holds, it loads to a record that every guide paints from and that
// a write puts back as 16 numbers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "dib.h"
#include "overlay/guides/guide_table.h"
#include "overlay/guides/paint_guides.h"
#include "settings/settings_file.h"
#include "settings_fuzz.h"
#include "temp_folder.h"

namespace {
// Paints every row of the guide table in every variant on d at the given client size, and
// checks that what is painted is in one colour, the line colour where it names one, besides the
// outline colour when Ext asks for outlines.
::testing::AssertionResult PaintsEveryGuide(Dib& d, int w, int h) {
    const uint32_t colour = static_cast<uint32_t>(g_settings.LineColor);
    const bool outlined = static_cast<uint32_t>(g_settings.Ext) & kOutlinedLinesExt;
    const uint32_t grey = OutlineColour(colour) & 0xFF;  // black or grey: the same in a DIB's order
    const uint32_t outline = grey << 16 | grey << 8 | grey;
    for (const GuideEntry& row : kGuideTable) {
        for (uint32_t variant = 0; variant < 4; ++variant) {
            std::fill(d.bits, d.bits + d.w * d.h, 0xFFFFFFu);
            g_guides = {row.mask, variant};
            PaintGuides(d.dc, w, h);
            GdiFlush();
            uint32_t* const end = d.bits + d.w * d.h;
            auto line = [&](uint32_t p) { return p != 0xFFFFFFu && !(outlined && p == outline); };
            uint32_t* const painted = std::find_if(d.bits, end, line);
            if (painted == end) continue;
            const uint32_t seen = *painted;
            const bool oneColour = std::none_of(painted, end, [&](uint32_t p) { return line(p) && p != seen; });
            const COLORREF shown = d.At(static_cast<int>((painted - d.bits) % d.w), static_cast<int>((painted - d.bits) / d.w));
            if (!oneColour || (colour >> 24 == 0 && shown != colour))
                return ::testing::AssertionFailure() << "guide " << row.mask << " variant " << variant << " at " << w
                                                     << " x " << h << " painted " << std::hex << shown;
        }
    }
    return ::testing::AssertionSuccess();
}
}  // namespace

TEST(SettingsFuzz, EveryFileLoadsPaintsAndWritesSixteenNumbers) {
    TempFolder dir;
    const std::string path = dir.File("pemoka.ini");
    Dib d(64, 48);
    for (unsigned i = 0; i < kFuzzedFileCount; ++i) {
        WriteTextFile(path, FuzzedSettingsFile(i));
        ASSERT_EQ(LoadSettingsFrom(Wide(path).c_str(), g_settings), 1);
        EXPECT_TRUE(PaintsEveryGuide(d, d.w, d.h)) << "file " << i;
        // The write replaces the section in the file as it was found.
        ASSERT_EQ(SaveSettingsTo(Wide(path).c_str(), g_settings), 1) << "file " << i;
        EXPECT_TRUE(HoldsRecord(path, &g_settings)) << "file " << i;
        Settings back{};
        LoadSettingsFrom(Wide(path).c_str(), back);
        EXPECT_EQ(std::memcmp(&back, &g_settings, sizeof back), 0) << "file " << i;
    }
    g_settings = DefaultSettings();
    g_guides = {1, 0};
}
