// The fixed commands of the overlay: the low word of WM_COMMAND at the guide frame, from 32768
// up (below it a command is a guide mask). Plain definitions, so that the resource script
// takes them too.
#pragma once

#define IDM_FIRST_FIXED 32768    // like every unknown command: repaint only
#define IDM_EXIT 32769           // "終了"
#define IDM_TRAY_CANCEL 32770    // "キャンセル" of the tray menu
#define IDM_FIT 32771            // "フィット"
#define IDM_CAPTURE 32772        // offered by no menu
#define IDM_NOTHING 32773        // offered by no menu; does nothing at all
#define IDM_FIRST_RATIO 32774    // "1:1"; the presets run to 32786 in submenu order
#define IDM_CUSTOM_RATIO 32787   // "カスタム"
#define IDM_SHOW 32788           // "表示"
#define IDM_SETTINGS 32789       // "設定"
#define IDM_VERSION 32790        // "バージョン"
#define IDM_BORDER 32791         // "外枠無し" / "外枠有り"
#define IDM_BACK_PANE 32792      // offered by no menu
#define IDM_LAST_FIXED 32792
// The work tools' (Ext 0x1000); without the bit they do nothing, like every command above.
#define IDM_LOCK 32793           // the click-through lock, on or off
#define IDM_SIZE 32794           // the size dialog
#define IDM_COPY 32795           // the frame's area to the clipboard
// The own lines' (Ext 0x0080), the dimming's (Ext 0x0040) and the capture switch of the work
// tools; without their bit they do nothing.
#define IDM_ADD_VERTICAL 32796   // a vertical line where the context menu was opened
#define IDM_ADD_HORIZONTAL 32797 // a horizontal line there
#define IDM_CLEAR_LINES 32798    // every own line removed
#define IDM_DIMMING 32799        // the dimming on or off for the session
#define IDM_NO_CAPTURE 32800     // Ext 0x0400 on or off, written to the file
#define IDM_FIRST_RECALL 32801   // recalls layout slot 1; the slots run to 32809
#define IDM_FIRST_STORE 32811    // stores layout slot 1; the slots run to 32819
