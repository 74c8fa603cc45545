#include "capture.h"

#include <windows.h>
#include <commdlg.h>

#include "../../settings/settings_file.h"
#include "../../settings/shown_text.h"
#include "../windows/gdi_holders.h"
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

// "キャプチャーの保存" in the program's folder; false when cancelled or not to be had. The path
// comes back in the system's code page for the A file functions; one that it cannot hold
// whole is not to be had either, rather than a file written under another name.
bool AskForBitmapPath(char (&path)[MAX_PATH]) {
    char folder[MAX_PATH];
    wchar_t wideFolder[MAX_PATH], widePath[MAX_PATH] = L"";
    const bool haveFolder = ProgramFilePath("", folder) != 0 &&
                            MultiByteToWideChar(CP_ACP, 0, folder, -1, wideFolder, MAX_PATH) != 0;
    path[0] = '\0';
    const WideText title(ShownText(kTextSaveCapture));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = g_windows.frame;
    dialog.lpstrFilter = L"*.bmp\0";
    dialog.lpstrFile = widePath;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = haveFolder ? wideFolder : nullptr;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = L"bmp";
    auto* ask = SystemFunction<decltype(GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
    if (!ask) return false;
    {
        ModalLoop saving;
        if (ask(&dialog) != TRUE) return false;
    }
    BOOL lost = FALSE;  // UTF-8 as the system's code page loses nothing, and takes no such flag
    if (!WideCharToMultiByte(CP_ACP, 0, widePath, -1, path, MAX_PATH, nullptr, GetACP() == CP_UTF8 ? nullptr : &lost) ||
        lost) {
        path[0] = '\0';
        return false;
    }
    return true;
}
}  // namespace

bool CaptureRunning() { return g_capturing; }

void CaptureFrameArea() {
    if (g_capturing) return;
    g_capturing = true;
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
