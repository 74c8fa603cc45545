#include "dialog_controls.h"

#include <gtest/gtest.h>

namespace {
BOOL CALLBACK FindDialog(HWND hwnd, LPARAM lp) {
    char cls[16];
    if (GetClassNameA(hwnd, cls, sizeof cls) && std::string(cls) == "#32770" && IsWindowVisible(hwnd)) {
        *reinterpret_cast<HWND*>(lp) = hwnd;
        return FALSE;
    }
    return TRUE;
}
struct Driver {
    std::vector<DialogStep> steps;
    size_t next = 0;
    HWND last = nullptr;
    int ticks = 0;
};
Driver* g_driver = nullptr;

void CALLBACK Drive(HWND, UINT, UINT_PTR, DWORD) {
    Driver& d = *g_driver;
    const HWND dialog = ForemostDialog();
    if (dialog && dialog != d.last && d.next < d.steps.size()) {
        d.last = dialog;
        d.ticks = 0;
        d.steps[d.next++](dialog);
        return;
    }
    // Waiting for a dialog to open or to close: a bound keeps a failure from hanging the run.
    if (dialog && ++d.ticks > 1000) {
        ADD_FAILURE() << "the dialog did not go on";
        EndDialog(dialog, 0);
        d.ticks = 0;
    }
}
}  // namespace

size_t DriveDialogs(std::vector<DialogStep> steps, const std::function<void()>& run) {
    Driver driver{std::move(steps)};
    g_driver = &driver;
    const UINT_PTR timer = SetTimer(nullptr, 0, 10, Drive);
    run();
    KillTimer(nullptr, timer);
    MSG msg;  // a tick already posted must not reach a later test
    while (PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) {
    }
    g_driver = nullptr;
    return driver.next;
}

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
