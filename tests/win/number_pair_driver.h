// The dialogs of two number boxes (the division dialogs and the custom ratio) run modally from
// their templates, driven inside their own loops, and looked at.
#pragma once
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "overlay/resources/resource.h"
#include "settings/settings_record.h"
#include "dialog_controls.h"

// What the driver does once the dialog is up: look at it, type into the boxes, press a button.
struct DialogDriver {
    std::function<void(HWND)> inspect;
    const char* upper = nullptr;  // null: leave the box as the dialog filled it
    const char* lower = nullptr;
    int button = IDOK;
    HWND seen = nullptr;
};

// Calls run (which opens a modal dialog) with the driver armed; returns run's result.
inline INT_PTR Drive(DialogDriver& d, const std::function<INT_PTR()>& run) {
    INT_PTR result = 0;
    DriveDialogs({[&](HWND dialog) {
                     d.seen = dialog;
                     if (d.inspect) d.inspect(dialog);
                     if (d.upper) SetDlgItemTextA(dialog, IDC_UPPER_EDIT, d.upper);
                     if (d.lower) SetDlgItemTextA(dialog, IDC_LOWER_EDIT, d.lower);
                     PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(d.button, BN_CLICKED),
                                  reinterpret_cast<LPARAM>(GetDlgItem(dialog, d.button)));
                 }},
                 [&] { result = run(); });
    return result;
}

inline INT_PTR RunDialog(int templateId, DLGPROC proc, DialogDriver& driver) {
    return Drive(driver, [&] {
        return DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(templateId), nullptr, proc, 0);
    });
}

struct Observed {
    std::string title, upper, lower;
    std::vector<Control> controls;
    int low[2] = {0, 0}, high[2] = {0, 0};
    bool buddies = false, sizeFromTemplate = false;
    std::string face;
};

inline Observed Observe(HWND dialog) {
    Observed o;
    o.title = Text(dialog);
    o.upper = ItemText(dialog, IDC_UPPER_EDIT);
    o.lower = ItemText(dialog, IDC_LOWER_EDIT);
    o.controls = Controls(dialog);
    const int spins[2] = {IDC_UPPER_SPIN, IDC_LOWER_SPIN}, edits[2] = {IDC_UPPER_EDIT, IDC_LOWER_EDIT};
    o.buddies = true;
    for (int i = 0; i < 2; ++i) {
        SendDlgItemMessageA(dialog, spins[i], UDM_GETRANGE32, reinterpret_cast<WPARAM>(&o.low[i]),
                            reinterpret_cast<LPARAM>(&o.high[i]));
        o.buddies = o.buddies && reinterpret_cast<HWND>(SendDlgItemMessageA(dialog, spins[i], UDM_GETBUDDY, 0, 0)) ==
                                     GetDlgItem(dialog, edits[i]);
    }
    RECT units{0, 0, 113, 70}, client{};
    MapDialogRect(dialog, &units);
    GetClientRect(dialog, &client);
    o.sizeFromTemplate = client.right == units.right && client.bottom == units.bottom;
    LOGFONTA font{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0)), sizeof font, &font);
    o.face = font.lfFaceName;
    return o;
}

inline std::vector<Control> Layout(const char* upperLabel, const char* lowerLabel) {
    // Each label just before its box, which a screen reader then names after it.
    return {{IDOK, "Button", "OK"},
            {IDCANCEL, "Button", "キャンセル"},
            {-1, "Static", upperLabel},
            {IDC_UPPER_EDIT, "Edit", ""},
            {-1, "Static", lowerLabel},
            {IDC_LOWER_EDIT, "Edit", ""},
            {IDC_UPPER_SPIN, "msctls_updown32", ""},
            {IDC_LOWER_SPIN, "msctls_updown32", ""}};
}

class DivisionDialogsTest : public ::testing::Test {
protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
        InitCommonControlsEx(&controls);
        g_settings = DefaultSettings();
    }
};
