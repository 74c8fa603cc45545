#include "capture.h"

#include <windows.h>
#include <commdlg.h>

#include "../../settings/settings_file.h"
#include "../windows/gdi_holders.h"
#include "../windows/navigation_grip.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"
#include "screen_snapshot.h"
#include "write_bitmap_file.h"

namespace {
bool g_capturing = false;

// Copies the frame's area of the screen into a new snapshot of its size.
void CopyFrameArea(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    CreateScreenSnapshot(w, h);
    const WindowDc screen(nullptr);  // the screen's DC spans every monitor
    if (g_snapshot.dc) BitBlt(g_snapshot.dc, 0, 0, w, h, screen.dc, r.left, r.top, SRCCOPY);
}

// "キャプチャーの保存" in the program's folder; false when cancelled or not to be had.
bool AskForBitmapPath(char (&path)[MAX_PATH]) {
    char folder[MAX_PATH];
    const bool haveFolder = ProgramFilePath("", folder) != 0;
    path[0] = '\0';
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = g_windows.frame;
    dialog.lpstrFilter = "*.bmp\0";
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = haveFolder ? folder : nullptr;
    dialog.lpstrTitle = "キャプチャーの保存";
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = "bmp";
    auto* ask = SystemFunction<decltype(GetSaveFileNameA)>("comdlg32.dll", "GetSaveFileNameA");
    if (!ask) return false;
    ModalLoop saving;
    return ask(&dialog) == TRUE;
}
}  // namespace

bool CaptureRunning() { return g_capturing; }

void SendGripAway() {
    constexpr DWORD kGripLeaves = 100;
    if (HideNavigationGrip()) Sleep(kGripLeaves);
}

void CaptureFrameArea() {
    if (g_capturing) return;
    g_capturing = true;
    SendGripAway();
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    CopyFrameArea(r);
    HideWindowSet();
    char path[MAX_PATH];
    if (AskForBitmapPath(path)) WriteBitmapFile(path, r.right - r.left, r.bottom - r.top);
    ReleaseScreenSnapshot();
    RestoreWindowSet();
    g_capturing = false;
}
