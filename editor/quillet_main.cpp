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
    if (HANDLE running = OpenMutexA(MUTEX_ALL_ACCESS, FALSE, kMutexName)) {
        // Another editor is open: bring its dialog forward instead.
        char caption[64];
        SettingsDialogCaption(caption, sizeof caption);
        if (HWND open = FindWindowA(nullptr, caption)) SetForegroundWindow(open);
        CloseHandle(running);
        return 0;
    }
    // Held until the process ends.
    if (!CreateMutexA(nullptr, TRUE, kMutexName)) return 0;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    DialogBoxParamA(instance, MAKEINTRESOURCEA(IDD_SETTINGS), nullptr, SettingsDialogProc, 0);
    return 0;
}
