// The rules of the overlay's hub, each as one table: keys, the commands refused during a modal
// loop, InitRule at close, the fit's final rectangle and the hot key's bits.
#include <gtest/gtest.h>

#include <vector>

#include "overlay/guides/guide_table.h"
#include "overlay/menus/command_ids.h"
#include "overlay/menus/input_rules.h"
#include "overlay/screen/content_edge.h"

TEST(HubRules, KeyTable) {
    using A = KeyAction;
    constexpr unsigned kEsc = 0x1B, kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28;
    const struct { unsigned key; bool shift, ctrl; int32_t tray; KeyDecision want; } cases[] = {
        {kEsc, false, false, 0, {A::close, 0, 0}},
        {kEsc, false, true, 0, {A::close, 0, 0}},
        {kEsc, false, false, 1, {A::hideToTray, 0, 0}},
        {kEsc, false, true, 1, {A::hideToTray, 0, 0}},  // Ctrl changes nothing
        {kEsc, true, false, 1, {A::close, 0, 0}},      // Shift+Esc closes even when resident
        {kEsc, false, false, 2, {A::close, 0, 0}},     // only 1 means resident
        {'N', false, false, 0, {A::nextGuide, 0, 0}},
        {'N', true, true, 1, {A::nextGuide, 0, 0}},
        {'B', false, false, 0, {A::previousGuide, 0, 0}},
        {'E', false, true, 0, {A::nextVariant, 0, 0}},
        {'F', true, false, 0, {A::fit, 0, 0}},
        {kLeft, false, false, 0, {A::move, -1, 0}},
        {kUp, true, false, 0, {A::move, 0, -4}},
        {kRight, false, true, 0, {A::resize, 1, 0}},
        {kDown, true, true, 1, {A::resize, 0, 4}},
        {'n', false, false, 0, {A::none, 0, 0}},  // key codes are capitals
        {'A', false, false, 0, {A::none, 0, 0}},
        {0x0D, false, false, 0, {A::none, 0, 0}},
        {0x1B + 0x100, false, false, 0, {A::none, 0, 0}},
    };
    for (const auto& c : cases) {
        const KeyDecision got = DecideOverlayKey(c.key, c.shift, c.ctrl, c.tray);
        EXPECT_EQ(got, c.want) << std::hex << c.key << " shift " << c.shift << " ctrl " << c.ctrl << " tray " << c.tray;
    }
}

TEST(HubRules, WorkToolKeysOnlyWithTheirBitAndCtrl) {
    using A = KeyAction;
    constexpr unsigned kNumpad7 = 0x67, kNumpad0 = 0x60, kHome = 0x24;
    // The modifiers as they were when the key was queued, and whether it repeats.
    const struct { unsigned key; bool shift, ctrl, alt, repeat; uint32_t ext; KeyDecision want; } cases[] = {
        {'S', false, true, false, false, 0x1000, {A::capture, 0, 0}},
        {'C', false, true, false, false, 0x1000, {A::copyToClipboard, 0, 0}},
        {'L', false, true, false, false, 0xFFFF, {A::lock, 0, 0}},
        {'S', false, true, false, false, 0xEFFF, {A::none, 0, 0}},
        {'C', false, true, false, false, 0, {A::none, 0, 0}},
        {'L', false, false, false, false, 0x1000, {A::none, 0, 0}},
        {'S', true, true, false, false, 0x1000, {A::none, 0, 0}},
        {'N', false, true, false, false, 0x1000, {A::none, 0, 0}},
        {'s', false, true, false, false, 0x1000, {A::none, 0, 0}},
        {'1', false, true, false, false, 0x1000, {A::recallLayout, 1, 0}},
        {'9', true, true, false, false, 0x1000, {A::storeLayout, 9, 0}},
        {'2', true, false, false, false, 0x1000, {A::none, 0, 0}},
        {'0', true, true, false, false, 0x1000, {A::none, 0, 0}},
        {'5', false, true, false, false, 0x0FFF, {A::none, 0, 0}},
        // The keypad's digits with NumLock on name the same slots; its 0 and Home do not.
        {kNumpad7, false, true, false, false, 0x1000, {A::recallLayout, 7, 0}},
        {0x61, true, true, false, false, 0x1000, {A::storeLayout, 1, 0}},
        {kNumpad0, false, true, false, false, 0x1000, {A::none, 0, 0}},
        {kHome, false, true, false, false, 0x1000, {A::none, 0, 0}},
        // AltGr arrives as Ctrl+Alt: on a German keyboard AltGr+7 types "{", on a Polish one
        // AltGr+S, C and L type letters. None of them is a tool.
        {'7', false, true, true, false, 0x1000, {A::none, 0, 0}},
        {'S', false, true, true, false, 0x1000, {A::none, 0, 0}},
        {'L', false, true, true, false, 0x1000, {A::none, 0, 0}},
        {'3', true, true, true, false, 0x1000, {A::none, 0, 0}},
        // A held key repeats: the first press acts, the repeats do not.
        {'L', false, true, false, true, 0x1000, {A::none, 0, 0}},
        {'C', false, true, false, true, 0x1000, {A::none, 0, 0}},
        {'4', true, true, false, true, 0x1000, {A::none, 0, 0}},
        {kNumpad7, false, true, false, true, 0x1000, {A::none, 0, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(DecideWorkToolKey({c.key, c.shift, c.ctrl, c.alt, c.repeat}, c.ext), c.want)
            << std::hex << c.key << " shift " << c.shift << " ctrl " << c.ctrl << " alt " << c.alt << " repeat "
            << c.repeat << " ext " << c.ext;
}

// Sequences of key messages as a window gets them; each press's verdict.
TEST(HubRules, APressRepeatsOnlyAKeySeenDown) {
    struct Step { bool down; unsigned key; bool mark; bool repeats; };
    const struct { const char* what; std::vector<Step> steps; } cases[] = {
        {"held down: the first press acts, its repeats do not",
         {{true, 'D', false, false}, {true, 'D', true, true}, {true, 'D', true, true}, {false, 'D', false, false}}},
        {"pressed again after its release, though marked as a repeat",
         {{true, 'D', false, false}, {false, 'D', false, false}, {true, 'D', true, false}, {true, 'D', true, true}}},
        {"held since before the window had the keyboard: acts once",
         {{true, 'G', true, false}, {true, 'G', true, true}}},
        {"another key's release frees nothing",
         {{true, 'D', false, false}, {false, 'G', false, false}, {true, 'D', true, true}}},
        {"two keys held at once, each its own",
         {{true, 'D', false, false}, {true, 'G', false, false}, {true, 'D', true, true}, {true, 'G', true, true}}},
    };
    for (const auto& c : cases) {
        KeysDown keys;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& s = c.steps[i];
            if (!s.down) {
                keys.Release(s.key);
                continue;
            }
            EXPECT_EQ(keys.Press(s.key, s.mark), s.repeats) << c.what << ", step " << i;
        }
    }
}

TEST(HubRules, CommandsRefusedWhileALoopRuns) {
    const struct { unsigned id; bool refused; uint32_t ext = 0; } cases[] = {
        {0x80, true},  {0x100, true}, {IDM_CAPTURE, true}, {IDM_CUSTOM_RATIO, true}, {IDM_VERSION, true},
        {IDM_SHOW, true}, {0x1, false}, {0x181, false},  // a combination opens no dialog
        {IDM_EXIT, false},  // waits for the loop's end instead
        {IDM_FIT, false}, {IDM_FIRST_RATIO, false}, {IDM_BORDER, false}, {IDM_BACK_PANE, false},
        {IDM_SETTINGS, false}, {IDM_TRAY_CANCEL, false}, {65535, false},
        {IDM_COPY, true, 0x1000}, {IDM_SIZE, true, 0xFFFF}, {IDM_LOCK, false, 0x1000},  // the work tools'
        {IDM_COPY, false}, {IDM_SIZE, false, 0xEFFF}, {IDM_CAPTURE, true, 0x1000},       // without them: unknown
    };
    for (const auto& c : cases) EXPECT_EQ(RefusedDuringModalLoop(c.id, c.ext), c.refused) << c.id << " " << c.ext;
}

TEST(HubRules, InitRuleKeptAtClose) {
    const struct { int32_t rule; uint32_t active; int32_t want; } cases[] = {
        {1, 0x20, 1},  // a fixed guide stays whatever was shown
        {0x200, 0x1, 0x200},
        {0, 0x4, 0},
        {static_cast<int32_t>(0x80000000u), 0x20, static_cast<int32_t>(0x80000020u)},
        {static_cast<int32_t>(0x80000001u), 0x40, static_cast<int32_t>(0x80000040u)},  // the old guide goes
        {-5, 0x3, static_cast<int32_t>(0x80000003u)},  // any rule with the flag, a combination too
    };
    for (const auto& c : cases) EXPECT_EQ(InitRuleAtClose(c.rule, c.active), c.want) << std::hex << c.rule;
}

TEST(HubRules, FittedFrameHoldsTheFoundLines) {
    const struct { Rect frame; int top, bottom, left, right; Rect want; } cases[] = {
        {{100, 200, 300, 350}, 1, 1, 1, 1, {99, 199, 302, 352}},
        {{100, 200, 300, 350}, 10, 20, 30, 40, {70, 190, 341, 371}},
        {{-50, -60, 10, 20}, 5, 0, 0, 5, {-50, -65, 16, 21}},
    };
    for (const auto& c : cases) {
        const Rect r = FittedFrame(c.frame, c.top, c.bottom, c.left, c.right);
        EXPECT_EQ(r.left, c.want.left);
        EXPECT_EQ(r.top, c.want.top);
        EXPECT_EQ(r.right, c.want.right);
        EXPECT_EQ(r.bottom, c.want.bottom);
    }
}

TEST(HubRules, HotkeyBits) {
    const struct { int32_t value; HotkeyParts parts; int32_t encoded; } cases[] = {
        {0, {0, 0}, 0},
        {843, {0x4B, 3}, 843},        // Alt + Ctrl + K
        {1652, {0x74, 6}, 1652},      // Ctrl + Shift + F5
        {0x0F41, {0x41, 0xF}, 0x0F41},
        {0x12345, {0x45, 0x23}, 0x2345},  // bits above 15 are ignored
        {-1, {0xFF, 0xFF}, 0xFFFF},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DecodeHotkey(c.value), c.parts) << c.value;
        EXPECT_EQ(EncodeHotkey(DecodeHotkey(c.value)), c.encoded) << c.value;
    }
    EXPECT_EQ(EncodeHotkey({0x1FF, 0x102}), 0x2FF);  // each part keeps its own byte
}
