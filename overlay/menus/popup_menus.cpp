#include "popup_menus.h"

#include "../../settings/shown_text.h"
#include "../guides/guide_table.h"
#include "../screen/aspect_ratio.h"
#include "../screen/layouts.h"
#include "../windows/dimming.h"
#include "../windows/dimming_rules.h"
#include "../windows/own_lines.h"
#include "../windows/frame_drag.h"
#include "../windows/window_set.h"
#include "../windows/work_rules.h"
#include "command_ids.h"

namespace {
enum class Kind { plain, separator, submenu };
struct Item {
    Kind kind;
    TextId text;
    unsigned id;
};
constexpr Item kSeparator{Kind::separator, kTextCount, 0};

POINT g_menuPlace{};  // where the last popup menu was opened

// Inserts the item at the next free position, enabled, unchecked and not default unless state
// says otherwise.
void Append(HMENU menu, Kind kind, const char* label, unsigned id, HMENU submenu = nullptr, UINT state = 0) {
    const WideText text(label);
    MENUITEMINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_TYPE | (kind == Kind::submenu ? MIIM_SUBMENU : MIIM_ID);
    info.fType = kind == Kind::separator ? MFT_SEPARATOR : MFT_STRING;
    info.fState = state;
    info.wID = id;
    info.hSubMenu = submenu;
    if (label) {
        info.dwTypeData = const_cast<wchar_t*>(text.text);
        info.cch = static_cast<UINT>(lstrlenW(text));
    }
    InsertMenuItemW(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

void Append(HMENU menu, Language language, const Item& item, HMENU submenu = nullptr, UINT state = 0) {
    Append(menu, item.kind, item.kind == Kind::separator ? nullptr : TextOf(language, item.text), item.id, submenu,
           state);
}

// A guide's menu item: its name, or for the two guides that ask for their numbers first the
// item that says so.
TextId GuideItemText(const GuideEntry& guide) {
    return guide.mask == kCountDivisionsMask   ? kTextCountDivisionsItem
           : guide.mask == kWidthDivisionsMask ? kTextWidthDivisionsItem
                                               : guide.label;
}

constexpr Item kTrayItems[] = {
    {Kind::plain, kTextShow, IDM_SHOW},       {Kind::plain, kTextSettings, IDM_SETTINGS}, kSeparator,
    {Kind::plain, kTextVersion, IDM_VERSION}, {Kind::plain, kTextExit, IDM_EXIT},         kSeparator,
    {Kind::plain, kTextCancel, IDM_TRAY_CANCEL},
};

// The work tools' group, with Ext 0x1000.
constexpr Item kWorkToolItems[] = {
    {Kind::plain, kTextSaveCaptureItem, IDM_CAPTURE},
    {Kind::plain, kTextCopyToClipboard, IDM_COPY},
    {Kind::plain, kTextFrameSize, IDM_SIZE},
    {Kind::plain, kTextLock, IDM_LOCK},
};

// The own lines' group, with Ext 0x0080.
constexpr Item kOwnLineItems[] = {
    {Kind::plain, kTextAddVerticalGuide, IDM_ADD_VERTICAL},
    {Kind::plain, kTextAddHorizontalGuide, IDM_ADD_HORIZONTAL},
    {Kind::plain, kTextClearGuides, IDM_CLEAR_LINES},
};

// The own lines' group and the dimming's item in a submenu of their own: the context menu's
// English items have a letter each, and the main menu has none left for four more.
HMENU BuildGuidesAndDimmingMenu(Language language, uint32_t ext, bool dimming) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return menu;
    if (ext & kOwnLinesExt)
        for (const Item& item : kOwnLineItems) Append(menu, language, item);
    if ((ext & kOwnLinesExt) && (ext & kDimmingExt)) Append(menu, language, kSeparator);
    if (ext & kDimmingExt)
        Append(menu, language, {Kind::plain, kTextDimOutside, IDM_DIMMING}, nullptr, dimming ? MFS_CHECKED : 0);
    return menu;
}

// The nine layout slots, each recalling its own; the empty ones greyed.
HMENU BuildLayoutMenu(Language language) {
    HMENU menu = CreatePopupMenu();
    for (int number = 1; menu && number <= kLayoutSlotCount; ++number) {
        char label[96];
        LayoutMenuLabel(language, number, label, sizeof label);
        Append(menu, Kind::plain, label, static_cast<unsigned>(IDM_FIRST_RECALL + number - 1), nullptr,
               g_layouts.held[number - 1] ? 0 : MFS_GRAYED);
    }
    return menu;
}

// Tracks the menu at the point (the pointer when null) on behalf of the guide frame, which
// receives the chosen command as WM_COMMAND once the menu has gone, and destroys the menu. The
// tracking is one of the overlay's modal loops.
void TrackPopupAt(HMENU menu, const POINT* point) {
    ModalLoop tracking;
    const POINT at = point ? *point : Pointer();
    g_menuPlace = at;
    SetForegroundWindow(g_windows.frame);
    TrackPopupMenuEx(menu, TPM_VERTICAL, at.x, at.y, g_windows.frame, nullptr);
    DestroyMenu(menu);
    PostMessageA(g_windows.frame, WM_NULL, 0, 0);
}
}  // namespace

POINT PopupMenuPlace() { return g_menuPlace; }

HMENU BuildContextMenu(uint32_t ext, bool frameHasBorder, bool dimming) {
    HMENU menu = CreatePopupMenu(), ratios = CreatePopupMenu();
    if (!menu || !ratios) {
        if (menu) DestroyMenu(menu);
        if (ratios) DestroyMenu(ratios);
        return nullptr;
    }
    const Language language = UserLanguage(ext);
    for (const GuideEntry& guide : kGuideTable)
        if (GuideOffered(guide, ext)) Append(menu, language, {Kind::plain, GuideItemText(guide), guide.mask});
    Append(menu, language, kSeparator);
    Append(menu, language, {Kind::plain, kTextFit, IDM_FIT});
    for (const RatioPreset& ratio : kRatioPresets)
        Append(ratios, Kind::plain, ratio.label ? ratio.label : TextOf(language, kTextCustomRatio), ratio.command);
    Append(menu, language, {Kind::submenu, kTextAspectRatio, 0}, ratios);
    Append(menu, language, kSeparator);
    Append(menu, language, {Kind::plain, frameHasBorder ? kTextBorderOff : kTextBorderOn, IDM_BORDER});
    if (ext & (kOwnLinesExt | kDimmingExt))
        if (HMENU guides = BuildGuidesAndDimmingMenu(language, ext, dimming))
            Append(menu, language, {Kind::submenu, kTextGuidesAndDimming, 0}, guides);
    Append(menu, language, kSeparator);
    if (ext & kWorkToolsExt) {
        for (const Item& item : kWorkToolItems) Append(menu, language, item);
        Append(menu, language, {Kind::plain, kTextKeepOutOfCaptures, IDM_NO_CAPTURE}, nullptr,
               (ext & kHideFromCapturesExt) ? MFS_CHECKED : 0);
        if (HMENU layouts = BuildLayoutMenu(language)) Append(menu, language, {Kind::submenu, kTextLayouts, 0}, layouts);
        Append(menu, language, kSeparator);
    }
    Append(menu, language, {Kind::plain, kTextExit, IDM_EXIT});
    return menu;
}

HMENU BuildTrayMenu(bool locked) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return menu;
    const Language language = ShownLanguage();
    if (locked) {
        Append(menu, language, {Kind::plain, kTextUnlock, IDM_LOCK});
        Append(menu, language, kSeparator);
    }
    // In English, as on Windows, what a click on the icon does is the menu's bold default item.
    for (const Item& item : kTrayItems)
        Append(menu, language, item, nullptr, item.id == IDM_SHOW && language == Language::english ? MFS_DEFAULT : 0);
    return menu;
}

void ShowContextMenu(const POINT* at) {
    const bool border = (GetWindowLongA(g_windows.frame, GWL_STYLE) & WS_BORDER) != 0;
    if (HMENU menu = BuildContextMenu(static_cast<uint32_t>(g_settings.Ext), border, g_dimming.on)) TrackPopupAt(menu, at);
}

void ShowTrayMenu(const POINT* at) {
    if (HMENU menu = BuildTrayMenu(g_windows.locked)) TrackPopupAt(menu, at);
}
