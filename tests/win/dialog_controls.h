// Looking at dialogs run in this process: the dialog in front, texts and the controls in
// template (and tab) order.
#pragma once
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

// The foremost visible dialog of this thread, or null.
HWND ForemostDialog();

std::string Text(HWND hwnd);
inline std::string ItemText(HWND dialog, int id) { return Text(GetDlgItem(dialog, id)); }

// A press and release of the left button on the upper half of an up-down control: one step up.
void ClickUpArrow(HWND upDown);

// A control: identifier (-1 for none), class, and text (empty for edit fields and combo boxes).
struct Control {
    int id;
    std::string cls, text;
    bool operator==(const Control&) const = default;
};
inline void PrintTo(const Control& c, std::ostream* os) { *os << c.id << " " << c.cls << " \"" << c.text << "\""; }
std::vector<Control> Controls(HWND dialog);
