#include "input_rules.h"

#include "../guides/guide_table.h"
#include "../windows/frame_geometry.h"
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
