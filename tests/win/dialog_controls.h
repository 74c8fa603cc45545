// Looking at dialogs run in this process and driving them: the dialog in front, texts, the
// controls in template (and tab) order, and steps run inside the dialogs' own message loops.
#pragma once
#include <windows.h>

#include <functional>
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

// Calls run, which opens modal dialogs on this thread, while a thread timer inside their loops
// hands each step the foremost dialog once it is another than the last step's: a dialog, one
// that it opened, the first again. A dialog that waits for longer than a bound with no step
// left for it fails the test and is ended. Returns how many steps ran; no timer survives it.
using DialogStep = std::function<void(HWND)>;
size_t DriveDialogs(std::vector<DialogStep> steps, const std::function<void()>& run);
