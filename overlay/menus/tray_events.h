// What a message from the notification-area icon asks for, in either form the shell sends it.
// Platform-free; the guide frame carries the request out.
#pragma once
#include <cstdint>

enum class TrayRequest { none, bringBack, menu };

struct TrayDecision {
    TrayRequest request;
    bool atAnchor;  // the menu opens at (x, y), the icon's place, rather than at the pointer
    int x, y;
    bool operator==(const TrayDecision&) const = default;
};

// The icon's callback (wParam and lParam as received) for the icon iconId. With version 4 of
// the icon's behaviour, which the program asks for, the event is in the low word of lParam, the
// icon's id in its high word and the icon's place in wParam; a shell that does not know version
// 4 sends the id as wParam and the event as lParam.
// A left press, or Enter or Space on the icon (NIN_KEYSELECT), brings the frame back (or unlocks
// it). The menu opens once per request: in version 4 on WM_CONTEXTMENU (a right click, Shift+F10
// or the Menu key), at the icon's place; in the old form on the right button's release.
TrayDecision DecideTrayEvent(uint64_t wParam, uint64_t lParam, unsigned iconId);
