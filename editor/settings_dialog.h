// The settings dialog of Quillet: fills itself from the settings file, and on OK writes the
// file and makes every running guide frame read it again.
#pragma once
#include <windows.h>

#include "../settings/texts.h"

struct EditorState {
    HINSTANCE instance;
    COLORREF colour;              // the working colour, LineColor on OK
    HBRUSH swatch;                // paints the colour swatch in the working colour
    unsigned key;                 // virtual-key code of the hot key
    int startupRow;               // chosen row of the start-up guide list; -1: none shown or chosen
    WNDPROC previousKeyEditProc;  // the key edit's own procedure, while ours stands in for it
    COLORREF customColours[16];   // the colour chooser's custom colours, kept while the program runs
};
extern EditorState g_editor;

INT_PTR CALLBACK SettingsDialogProc(HWND dialog, UINT msg, WPARAM wp, LPARAM lp);
int InitSettingsDialog(HWND dialog);
// The OK work. 1: saved and announced, the dialog may close; 0: it stays open.
int ApplySettingsDialog(HWND dialog);
void EndSettingsDialog(HWND dialog);
// MOD_ALT, MOD_CONTROL, MOD_SHIFT and MOD_WIN of the four modifier boxes.
int ReadModifierChecks(HWND dialog);
LRESULT CALLBACK KeyEditProc(HWND edit, UINT msg, WPARAM wp, LPARAM lp);
// The colour chosen in the colour chooser, or the working colour when it is cancelled.
COLORREF ChooseLineColour(HWND dialog);
// Sends the settings-changed message to the guide frame of every running overlay.
void NotifyOverlayWindows();

// What the key field shows for a key: the name the key-name table gives it in the language;
// for a key the table does not name (";", "/", Num Lock, the Menu key), the keyboard's own
// name of it, asked of keyboardName (GetKeyNameTextW) with the key's scan code; failing that,
// its code in hexadecimal. Nothing for no key (0).
using KeyboardKeyName = int(WINAPI*)(LONG keyData, LPWSTR name, int room);
constexpr int kShownKeyNameMax = 64;
void ShownKeyName(unsigned key, Language language, KeyboardKeyName keyboardName, wchar_t (&name)[kShownKeyNameMax]);

// The dialog's caption in the language, "ペモカの設定 Ver=" and the version; a second editor
// looks for it.
void SettingsDialogCaption(Language language, char* out, size_t cap);
