// The rules that open the overlay to keyboards and contrast themes: what the notification-area
// icon's messages ask for, and the colours of what the overlay draws itself.
#include <gtest/gtest.h>

#include "overlay/menus/tray_events.h"
#include "overlay/windows/contrast_colours.h"

namespace {
constexpr unsigned kIcon = 1000;
constexpr uint64_t Version4(unsigned event) { return (uint64_t{kIcon} << 16) | event; }
constexpr uint64_t At(int x, int y) { return (static_cast<uint64_t>(static_cast<uint16_t>(y)) << 16) | static_cast<uint16_t>(x); }
}  // namespace

TEST(TrayEvents, EachWayOfAskingOnce) {
    const TrayDecision none{TrayRequest::none, false, 0, 0}, back{TrayRequest::bringBack, false, 0, 0},
        atPointer{TrayRequest::menu, false, 0, 0};
    const struct { const char* what; uint64_t wp, lp; TrayDecision want; } cases[] = {
        {"a left press, version 4", At(1200, 1000), Version4(0x0201), back},
        {"Enter or Space on the icon", At(1200, 1000), Version4(0x0401), back},
        {"the click's select that follows the press", At(1200, 1000), Version4(0x0400), none},
        {"a right release, version 4: the context-menu message follows", At(1200, 1000), Version4(0x0205), none},
        {"a right click, Shift+F10 or the Menu key", At(1200, 1000), Version4(0x007B), {TrayRequest::menu, true, 1200, 1000}},
        {"the menu key with the icon left of the screen", At(-20, 5), Version4(0x007B), {TrayRequest::menu, true, -20, 5}},
        {"a pointer passing over", At(1200, 1000), Version4(0x0200), none},
        {"another icon's message", At(1, 2), (uint64_t{7} << 16) | 0x0201, none},
        {"a left press from an older shell", kIcon, 0x0201, back},
        {"a right release from an older shell", kIcon, 0x0205, atPointer},
        {"another icon from an older shell", 7, 0x0201, none},
    };
    for (const auto& c : cases) EXPECT_EQ(DecideTrayEvent(c.wp, c.lp, kIcon), c.want) << c.what;
}

namespace {
uint32_t g_theme[32];
uint32_t Theme(int index) { return g_theme[index]; }
void SetTheme(uint32_t window, uint32_t frame, uint32_t text, uint32_t highlight) {
    g_theme[kSysWindow] = window;
    g_theme[kSysWindowFrame] = frame;
    g_theme[kSysWindowText] = text;
    g_theme[kSysHighlight] = highlight;
    g_theme[kSysInfoBack] = 0x00E1FFFF;
    g_theme[kSysInfoText] = 0x00000000;
}
}  // namespace

TEST(ContrastColours, TheThemesColoursAndABorderThatShows) {
    const struct { const char* what; bool on; uint32_t window, frame, text, highlight, border; } cases[] = {
        {"no contrast theme: the program's own, the system draws the border", false, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFF0000, 0x000000},
        {"a light theme: its black frame colour", true, 0xFFFFFF, 0x000000, 0x000000, 0x800000, 0x000000},
        {"a dark theme's white frame would be keyed out: its text colour", true, 0x000000, 0xFFFFFF, 0x00FF00, 0xFFFF00, 0x00FF00},
        {"frame and text both white: the highlight", true, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFF1A, 0xFFFF1A},
        {"all three white: black", true, 0x000000, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x000000},
    };
    for (const auto& c : cases) {
        SetTheme(c.window, c.frame, c.text, c.highlight);
        const OwnColours colours = OwnDrawnColours(c.on, Theme);
        EXPECT_EQ(colours.themed, c.on) << c.what;
        EXPECT_EQ(colours.border, c.border) << c.what;
        if (c.on) {
            EXPECT_EQ(colours.gripBack, c.window) << c.what;
            EXPECT_EQ(colours.gripLit, c.highlight) << c.what;
            EXPECT_EQ(colours.gripLine, c.text) << c.what;
            EXPECT_EQ(colours.labelBack, 0x00E1FFFFu) << c.what;
        } else {
            EXPECT_EQ(colours, OwnDrawnColours(false, nullptr)) << c.what;  // nothing of the theme is read
        }
    }
}
