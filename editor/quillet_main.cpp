// Quillet, the settings editor: one dialog, one editor at a time.
#include <windows.h>
#include <commctrl.h>

#include "resources/resource.h"
#include "settings_dialog.h"

namespace {
constexpr char kMutexName[] = "__Quillet_246__";
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    g_editor.instance = instance;
    // Created or opened in one step, so that of two editors started at once only one opens;
    // held until the process ends.
    HANDLE mutex = CreateMutexA(nullptr, TRUE, kMutexName);
    if (!mutex) return 0;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // Another editor is open: bring its dialog forward instead.
        char caption[64];
        SettingsDialogCaption(caption, sizeof caption);
        if (HWND open = FindWindowA(nullptr, caption)) SetForegroundWindow(open);
        CloseHandle(mutex);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, SettingsDialogProc, 0);
    return 0;
}
