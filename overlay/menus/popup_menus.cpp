#include "popup_menus.h"

#include <cstring>

#include "../guides/guide_table.h"
#include "../screen/aspect_ratio.h"
#include "../screen/layouts.h"
#include "../windows/frame_drag.h"
#include "../windows/window_set.h"
#include "../windows/work_rules.h"
#include "command_ids.h"

namespace {
enum class Kind { plain, separator, submenu };
struct Item {
    Kind kind;
    const char* label;
    unsigned id;
};
constexpr Item kSeparator{Kind::separator, nullptr, 0};

// Inserts the item at the next free position, enabled, unchecked and not default unless state
// says otherwise.
void Append(HMENU menu, const Item& item, HMENU submenu = nullptr, UINT state = 0) {
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_TYPE | (item.kind == Kind::submenu ? MIIM_SUBMENU : MIIM_ID);
    info.fType = item.kind == Kind::separator ? MFT_SEPARATOR : MFT_STRING;
    info.fState = state;
    info.wID = item.id;
    info.hSubMenu = submenu;
    if (item.label) {
        info.dwTypeData = const_cast<char*>(item.label);
        info.cch = static_cast<UINT>(std::strlen(item.label));
    }
    InsertMenuItemA(menu, static_cast<UINT>(GetMenuItemCount(menu)), TRUE, &info);
}

constexpr Item kTrayItems[] = {
    {Kind::plain, "表示", IDM_SHOW},   {Kind::plain, "設定", IDM_SETTINGS}, kSeparator,
    {Kind::plain, "バージョン", IDM_VERSION}, {Kind::plain, "終了", IDM_EXIT}, kSeparator,
    {Kind::plain, "キャンセル", IDM_TRAY_CANCEL},
};

// The work tools' group, with Ext 0x1000.
constexpr Item kWorkToolItems[] = {
    {Kind::plain, "キャプチャー保存\tCtrl+S", IDM_CAPTURE},
    {Kind::plain, "クリップボードにコピー\tCtrl+C", IDM_COPY},
    {Kind::plain, "サイズ指定...", IDM_SIZE},
    {Kind::plain, "ロック(クリック透過)\tCtrl+L", IDM_LOCK},
};

// The nine layout slots, each recalling its own; the empty ones greyed.
HMENU BuildLayoutMenu() {
    HMENU menu = CreatePopupMenu();
    for (int number = 1; menu && number <= kLayoutSlotCount; ++number) {
        char label[96];
        LayoutMenuLabel(number, label, sizeof label);
        Append(menu, {Kind::plain, label, static_cast<unsigned>(IDM_FIRST_RECALL + number - 1)}, nullptr,
               g_layouts.held[number - 1] ? 0 : MFS_GRAYED);
    }
    return menu;
}

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
    for (const GuideEntry& guide : kGuideTable)
        if (GuideOffered(guide, ext)) Append(menu, {Kind::plain, guide.label, guide.mask});
    Append(menu, kSeparator);
    Append(menu, {Kind::plain, "フィット", IDM_FIT});
    for (const RatioPreset& ratio : kRatioPresets) Append(ratios, {Kind::plain, ratio.label, ratio.command});
    Append(menu, {Kind::submenu, "アスペクト比", 0}, ratios);
    Append(menu, kSeparator);
    Append(menu, {Kind::plain, frameHasBorder ? "外枠無し" : "外枠有り", IDM_BORDER});
    Append(menu, kSeparator);
    if (ext & kWorkToolsExt) {
        for (const Item& item : kWorkToolItems) Append(menu, item);
        if (HMENU layouts = BuildLayoutMenu()) Append(menu, {Kind::submenu, "レイアウト", 0}, layouts);
        Append(menu, kSeparator);
    }
    Append(menu, {Kind::plain, "終了", IDM_EXIT});
    return menu;
}

HMENU BuildTrayMenu(bool locked) {
    HMENU menu = CreatePopupMenu();
    if (!menu) return menu;
    if (locked) {
        Append(menu, {Kind::plain, "ロック解除", IDM_LOCK});
        Append(menu, kSeparator);
    }
    for (const Item& item : kTrayItems) Append(menu, item);
    return menu;
}

void ShowContextMenu() {
    const bool border = (GetWindowLongA(g_windows.frame, GWL_STYLE) & WS_BORDER) != 0;
    if (HMENU menu = BuildContextMenu(static_cast<uint32_t>(g_settings.Ext), border)) TrackPopupAtCursor(menu);
}

void ShowTrayMenu() {
    if (HMENU menu = BuildTrayMenu(g_windows.locked)) TrackPopupAtCursor(menu);
}
