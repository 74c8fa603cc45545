#include "input_rules.h"

#include "../guides/guide_table.h"
#include "../windows/dimming_rules.h"
#include "../windows/frame_geometry.h"
#include "../windows/own_lines.h"
#include "../windows/work_rules.h"
#include "command_ids.h"

namespace {
constexpr unsigned kEscape = 0x1B;
constexpr unsigned kNumpad1 = 0x61, kNumpad9 = 0x69;

// The slot a digit key names, from the row above the letters or the keypad; 0 for other keys.
int SlotDigit(unsigned key) {
    if (key >= '1' && key <= '9') return static_cast<int>(key - '0');
    if (key >= kNumpad1 && key <= kNumpad9) return static_cast<int>(key - kNumpad1 + 1);
    return 0;
}
}  // namespace

KeyDecision DecideOverlayKey(unsigned virtualKey, bool shift, bool ctrl, int32_t tray) {
    switch (virtualKey) {
        case kEscape: return {tray == 1 && !shift ? KeyAction::hideToTray : KeyAction::close, 0, 0};
        case 'N': return {KeyAction::nextGuide, 0, 0};
        case 'B': return {KeyAction::previousGuide, 0, 0};
        case 'E': return {KeyAction::nextVariant, 0, 0};
        case 'F': return {KeyAction::fit, 0, 0};
        default: break;
    }
    const Point d = ArrowDirection(virtualKey);
    if (!d.x && !d.y) return {KeyAction::none, 0, 0};
    const int step = shift ? 4 : 1;
    return {ctrl ? KeyAction::resize : KeyAction::move, d.x * step, d.y * step};
}

KeyDecision DecideWorkToolKey(const KeyPress& press, uint32_t ext) {
    if (!(ext & kWorkToolsExt) || !press.ctrl || press.alt || press.repeat) return {KeyAction::none, 0, 0};
    if (const int slot = SlotDigit(press.key)) return {press.shift ? KeyAction::storeLayout : KeyAction::recallLayout, slot, 0};
    if (press.shift) return {KeyAction::none, 0, 0};
    switch (press.key) {
        case 'S': return {KeyAction::capture, 0, 0};
        case 'C': return {KeyAction::copyToClipboard, 0, 0};
        case 'L': return {KeyAction::lock, 0, 0};
        default: return {KeyAction::none, 0, 0};
    }
}

KeyDecision DecideExtensionKey(const KeyPress& press, uint32_t ext, bool lineSelected) {
    constexpr unsigned kTab = 0x09, kDelete = 0x2E;
    constexpr KeyDecision kNone{KeyAction::none, 0, 0};
    const unsigned virtualKey = press.key;
    const bool shift = press.shift, once = !press.repeat;
    if (press.alt) return kNone;
    if (press.ctrl)
        return virtualKey == 'H' && !shift && once && (ext & kWorkToolsExt) ? KeyDecision{KeyAction::switchCaptureExclusion, 0, 0}
                                                                           : kNone;
    if (virtualKey == 'D' && (ext & kDimmingExt)) return once ? KeyDecision{KeyAction::switchDimming, 0, 0} : kNone;
    if (!(ext & kOwnLinesExt)) return kNone;
    if (virtualKey == 'G') return once ? KeyDecision{shift ? KeyAction::addHorizontalLine : KeyAction::addVerticalLine, 0, 0} : kNone;
    if (virtualKey == kTab) return {KeyAction::selectNextLine, 0, 0};
    if (!lineSelected) return kNone;
    if (virtualKey == kDelete) return {KeyAction::deleteLine, 0, 0};
    if (virtualKey == kEscape) return {KeyAction::clearLineSelection, 0, 0};
    const Point d = ArrowDirection(virtualKey);
    const int step = shift ? 10 : 1;
    return d.x || d.y ? KeyDecision{KeyAction::moveLine, d.x * step, d.y * step} : kNone;
}

bool RefusedDuringModalLoop(unsigned id, uint32_t ext) {
    if (id == IDM_COPY || id == IDM_SIZE) return (ext & kWorkToolsExt) != 0;
    switch (id) {
        case kCountDivisionsMask:  // both open their dialog
        case kWidthDivisionsMask:
        case IDM_CAPTURE:  // the save dialog
        case IDM_CUSTOM_RATIO:
        case IDM_VERSION:
        case IDM_SHOW: return true;
        default: return false;
    }
}

bool KeysDown::Press(unsigned key, bool repeatMark) {
    const bool repeats = repeatMark && down_.test(key & 0xFF);
    down_.set(key & 0xFF);
    return repeats;
}
