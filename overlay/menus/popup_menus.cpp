#include "popup_menus.h"

#include "../../settings/shown_text.h"
#include "../guides/guide_table.h"
#include "../screen/aspect_ratio.h"
#include "../windows/frame_drag.h"
#include "../windows/window_set.h"
#include "command_ids.h"

namespace {
enum class Kind { plain, separator, submenu };
struct Item {
    Kind kind;
    TextId text;
    unsigned id;
};
constexpr Item kSeparator{Kind::separator, kTextCount, 0};

// Inserts the item at the next free position. Every state is 0: enabled, unchecked, not default.
void Append(HMENU menu, Kind kind, const char* label, unsigned id, HMENU submenu = nullptr) {
    const WideText text(label);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_TYPE | (kind == Kind::submenu ? MIIM_SUBMENU : MIIM_ID);
    info.fType = kind == Kind::separator ? MFT_SEPARATOR : MFT_STRING;
    info.wID = id;
    info.hSubMenu = submenu;
    if (label) {
        info.dwTypeData = const_cast<wchar_t*>(text.text);
        info.cch = static_cast<UINT>(lstrlenW(text));
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void Append(HMENU menu, Language language, const Item& item, HMENU submenu = nullptr) {
    Append(menu, item.kind, item.kind == Kind::separator ? nullptr : TextOf(language, item.text), item.id, submenu);
}

constexpr Item kTrayItems[] = {
    {Kind::plain, kTextShow, IDM_SHOW},       {Kind::plain, kTextSettings, IDM_SETTINGS}, kSeparator,
    {Kind::plain, kTextVersion, IDM_VERSION}, {Kind::plain, kTextExit, IDM_EXIT},         kSeparator,
    {Kind::plain, kTextCancel, IDM_TRAY_CANCEL},
};

// Tracks the menu at the pointer on behalf of the guide frame, which receives the chosen
// command as WM_COMMAND once the menu has gone, and destroys the menu. The tracking is one of
// the overlay's modal loops.
void TrackPopupAtCursor(HMENU menu) {
    ModalLoop tracking;
    const POINT at = Pointer();
    SetForegroundWindow(g_windows.frame);
    TrackPopupMenuEx(menu, TPM_VERTICAL, at.x, at.y, g_windows.frame, nullptr);
    DestroyMenu(menu);
    PostMessageA(g_windows.frame, WM_NULL, 0, 0);
}
}  // namespace

HMENU BuildContextMenu(uint32_t ext, bool frameHasBorder) {
    HMENU menu = CreatePopupMenu(), ratios = CreatePopupMenu();
    if (!menu || !ratios) {
        if (menu) DestroyMenu(menu);
        if (ratios) DestroyMenu(ratios);
        return nullptr;
    }
    const Language language = UserLanguage(ext);
    for (const GuideEntry& guide : kGuideTable)
        if (GuideOffered(guide, ext)) Append(menu, language, {Kind::plain, guide.label, guide.mask});
    Append(menu, language, kSeparator);
    Append(menu, language, {Kind::plain, kTextFit, IDM_FIT});
    for (const RatioPreset& ratio : kRatioPresets)
        Append(ratios, Kind::plain, ratio.label ? ratio.label : TextOf(language, kTextCustomRatio), ratio.command);
    Append(menu, language, {Kind::submenu, kTextAspectRatio, 0}, ratios);
    Append(menu, language, kSeparator);
    Append(menu, language, {Kind::plain, frameHasBorder ? kTextBorderOff : kTextBorderOn, IDM_BORDER});
    Append(menu, language, kSeparator);
    Append(menu, language, {Kind::plain, kTextExit, IDM_EXIT});
    return menu;
}

HMENU BuildTrayMenu() {
    HMENU menu = CreatePopupMenu();
    if (menu)
        for (const Item& item : kTrayItems) Append(menu, ShownLanguage(), item);
    return menu;
}

void ShowContextMenu() {
    const bool border = (GetWindowLongA(g_windows.frame, GWL_STYLE) & WS_BORDER) != 0;
    if (HMENU menu = BuildContextMenu(static_cast<uint32_t>(g_settings.Ext), border)) TrackPopupAtCursor(menu);
}

void ShowTrayMenu() {
    if (HMENU menu = BuildTrayMenu()) TrackPopupAtCursor(menu);
}
