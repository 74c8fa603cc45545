// Quillet, the settings editor: one dialog, one editor at a time.
#include <windows.h>
#include <commctrl.h>

#include "../settings/settings_file.h"
#include "../settings/shown_text.h"
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
        // Another editor is open: bring its dialog forward instead, in whichever language it
        // opened.
        for (int language = 0; language < kLanguageCount; ++language) {
            char caption[64];
            SettingsDialogCaption(static_cast<Language>(language), caption, sizeof caption);
            if (HWND open = FindWindowW(nullptr, WideText(caption))) {
                SetForegroundWindow(open);
                break;
            }
        }
        CloseHandle(mutex);
        return 0;
    }
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_UPDOWN_CLASS};
    InitCommonControlsEx(&controls);
    LoadSettings();  // the language of the dialog follows the file's Ext
    RunDialogIn(ShownLanguage(), instance, IDD_SETTINGS, nullptr, SettingsDialogProc);
    return 0;
}
