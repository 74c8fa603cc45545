// Start-up and the message loop of the overlay.
#include "../../settings/settings_file.h"
#include "../resources/resource.h"
#include "window_set.h"

int RunOverlay(HINSTANCE instance, int showCommand) {
    g_windows.instance = instance;
    LoadSettings();

    if (!CreateOverlayWindows(instance)) return 0;
    CentreWindowSet(showCommand);

    // The resources hold no accelerator table; the handle stays null and claims nothing.
    HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_ACCELERATORS));
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (TranslateAcceleratorA(msg.hwnd, accelerators, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunOverlay(instance, showCommand);
}
