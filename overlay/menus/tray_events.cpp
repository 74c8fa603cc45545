#include "tray_events.h"

namespace {
constexpr unsigned kLeftButtonDown = 0x0201, kRightButtonUp = 0x0205, kContextMenu = 0x007B, kKeySelect = 0x0401;

int SignedWord(uint64_t value, int shift) { return static_cast<int16_t>(static_cast<uint16_t>(value >> shift)); }
}  // namespace

TrayDecision DecideTrayEvent(uint64_t wParam, uint64_t lParam, unsigned iconId) {
    const bool version4 = ((lParam >> 16) & 0xFFFF) == iconId;
    if (!version4 && wParam != iconId) return {TrayRequest::none, false, 0, 0};
    const unsigned event = version4 ? static_cast<unsigned>(lParam & 0xFFFF) : static_cast<unsigned>(lParam);
    if (event == kLeftButtonDown || (version4 && event == kKeySelect)) return {TrayRequest::bringBack, false, 0, 0};
    if (version4 && event == kContextMenu) return {TrayRequest::menu, true, SignedWord(wParam, 0), SignedWord(wParam, 16)};
    if (!version4 && event == kRightButtonUp) return {TrayRequest::menu, false, 0, 0};
    return {TrayRequest::none, false, 0, 0};
}
