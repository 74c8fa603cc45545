#include "dialog_controls.h"

namespace {
BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp) {
    char cls[16];
    if (GetClassNameA(hwnd, cls, sizeof cls) && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND ForemostDialog() {
    HWND dialog = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&dialog));
    return dialog;
}

std::string Text(HWND hwnd) {
    char buf[512] = "";
    GetWindowTextA(hwnd, buf, sizeof buf);
    return buf;
}

void ClickUpArrow(HWND upDown) {
    RECT r{};
    GetClientRect(upDown, &r);
    const LPARAM at = MAKELPARAM(r.right / 2, r.bottom / 4);
    SendMessageA(upDown, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageA(upDown, WM_LBUTTONUP, 0, at);
}

std::vector<Control> Controls(HWND dialog) {
    std::vector<Control> out;
    for (HWND c = GetWindow(dialog, GW_CHILD); c; c = GetWindow(c, GW_HWNDNEXT)) {
        char cls[32] = "";
        GetClassNameA(c, cls, sizeof cls);
        const int id = GetDlgCtrlID(c);
        const bool typed = std::string(cls) == "Edit" || std::string(cls) == "ComboBox";
        out.push_back({id == 0xFFFF ? -1 : id, cls, typed ? "" : Text(c)});
    }
    return out;
}
