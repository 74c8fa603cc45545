#include "layouts.h"

#include <windows.h>

#include <cstdio>

#include "../../settings/layout_file.h"
#include "../guides/guide_table.h"
#include "../windows/frame_geometry.h"
#include "../windows/own_guides.h"
#include "../windows/window_set.h"

Layouts g_layouts{};
static_assert(kLayoutSideMin == kMinFrameSize, "a slot's least side is the frame's");

namespace {
bool SlotNumber(int number) { return number >= 1 && number <= kLayoutSlotCount; }

const char* GuideLabel(Language language, uint32_t mask) {
    for (const GuideEntry& entry : kGuideTable)
        if (entry.mask & mask) return TextOf(language, entry.label);
    return "";
}

// Centred on the primary monitor when no monitor shows any of it.
RECT OnSomeMonitor(RECT r) {
    if (MonitorFromRect(&r, MONITOR_DEFAULTTONULL)) return r;
    MONITORINFO primary{};
    primary.cbSize = sizeof primary;
    if (!GetMonitorInfoA(MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY), &primary)) return r;
    const RECT& m = primary.rcMonitor;
    const LONG w = r.right - r.left, h = r.bottom - r.top;
    const LONG x = m.left + (m.right - m.left - w) / 2, y = m.top + (m.bottom - m.top - h) / 2;
    return {x, y, x + w, y + h};
}
}  // namespace

void LoadLayouts(uint32_t ext) {
    const Layouts before = g_layouts;
    g_layouts = {};
    const uint32_t offered = OfferedGuideMasks(ext);
    for (int i = 0; i < kLayoutSlotCount; ++i) {
        if (before.unwritten[i]) {
            g_layouts.slots[i] = before.slots[i];
            g_layouts.held[i] = g_layouts.unwritten[i] = true;
        } else if (ext & kLayoutSlotsExt) {  // without the work tools the file is not read for them
            g_layouts.held[i] = LoadLayoutSlot(i + 1, offered, g_layouts.slots[i]) != 0;
        }
    }
}

// A file that refuses one slot refuses the rest as well: the first refusal ends the round.
bool WriteUnwrittenLayouts() {
    for (int i = 0; i < kLayoutSlotCount; ++i) {
        if (!g_layouts.unwritten[i]) continue;
        if (!SaveLayoutSlot(i + 1, g_layouts.slots[i])) return false;
        g_layouts.unwritten[i] = false;
    }
    return true;
}

void StoreLayout(int number) {
    if (!SlotNumber(number)) return;
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    const LayoutSlot slot{r.left, r.top, r.right - r.left, r.bottom - r.top, g_guides.activeMask, g_guides.variant};
    g_layouts.slots[number - 1] = slot;
    g_layouts.held[number - 1] = g_layouts.unwritten[number - 1] = true;
    StoreSlotOwnLines(number);
    WriteUnwrittenLayouts();
    if (!g_layouts.unwritten[number - 1]) return;
    const wchar_t digit[2] = {static_cast<wchar_t>(L'0' + number), L'\0'};
    ShowWarning(kTextLayoutNotStored, digit);
}

void RecallLayout(int number) {
    if (!SlotNumber(number) || !g_layouts.held[number - 1]) return;
    const LayoutSlot& s = g_layouts.slots[number - 1];
    const RECT r = OnSomeMonitor({s.left, s.top, s.left + s.width, s.top + s.height});
    SetWindowPos(g_windows.frame, HWND_TOPMOST, r.left, r.top, r.right - r.left, r.bottom - r.top, SWP_NOACTIVATE);
    g_guides.activeMask = s.mask;
    g_guides.variant = s.variant;
    RecallSlotOwnLines(number);
    InvalidateRect(g_windows.frame, nullptr, TRUE);
}

void LayoutMenuLabel(Language language, int number, char* out, size_t cap) {
    if (!cap) return;
    out[0] = '\0';
    if (!SlotNumber(number)) return;
    const LayoutSlot& s = g_layouts.slots[number - 1];
    char guide[128], label[192];
    WithoutAccessKey(GuideLabel(language, s.mask), guide, sizeof guide);
    if (!g_layouts.held[number - 1] || !FormatLayoutSlotLabel(number, s, guide, label, sizeof label))
        std::snprintf(label, sizeof label, TextOf(language, kTextEmptySlot), number);
    // The slot's number is the item's access key, and Ctrl with it recalls the slot.
    std::snprintf(out, cap, "&%s\tCtrl+%d", label, number);
}
