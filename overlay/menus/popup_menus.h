// The two popup menus, the context menu and the tray menu: built anew at each opening from the
// guide and ratio tables, tracked at the pointer for the guide frame, then destroyed.
#pragma once
#include <windows.h>

#include <cstdint>

// The context menu: the guides that Ext offers, "フィット", the ratio submenu "アスペクト比",
// the border switch (its text follows the frame's border), with Ext 0x0040 the dimming's item
// (ticked while it is on) and with Ext 0x0080 the own lines' group, both in a submenu, with Ext 0x1000 the work tools'
// group (with "キャプチャーに写さない" ticked by Ext 0x0400), and "終了", in the language of Ext
// and the user's interface. Null when a menu cannot be created.
HMENU BuildContextMenu(uint32_t ext, bool frameHasBorder, bool dimming = false);
// Where the last popup menu was opened, on the screen.
POINT PopupMenuPlace();
// "表示 / 設定 / — / バージョン / 終了 / — / キャンセル" in the settings' language, or null;
// while the frame is locked "ロック解除" and a separator come first. In English the first of
// them, "Show Pemoka", is the bold default item.
HMENU BuildTrayMenu(bool locked);

// Each opens at the point given (screen pixels), or at the pointer when it is null.
void ShowContextMenu(const POINT* at = nullptr);
void ShowTrayMenu(const POINT* at = nullptr);
