#include "capture.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "../../settings/settings_file.h"
#include "../../settings/settings_record.h"
#include "../../settings/shown_text.h"
#include "../windows/gdi_holders.h"
#include "../windows/navigation_grip.h"
#include "../windows/screen_wait.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"
#include "../windows/work_rules.h"
#include "picture_data.h"
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

bool WorkTools() { return (static_cast<uint32_t>(g_settings.Ext) & kWorkToolsExt) != 0; }

// The work tools copy what lies under the frame and nothing of the overlay: Windows' screen copy
// leaves layered windows out, Wine's takes them. The set is hidden first, and the screen given
// the time to show it hidden.
void CopyWithoutTheSet(const RECT& r) {
    constexpr DWORD kScreenShowsIt = 150;
    HideWindowSet();
    if (auto* flush = SystemFunction<HRESULT WINAPI()>("dwmapi.dll", "DwmFlush")) flush();
    WaitForScreen(kScreenShowsIt);
    CopyFrameArea(r);
}

// "キャプチャーの保存" in the program's folder; false when cancelled or not to be had. The path
// comes back in the system's code page for the A file functions; one that it cannot hold
// whole is not to be had either, rather than a file written under another name. With the work
// tools it offers PNG first and BMP second, and tells which was chosen.
bool AskForBitmapPath(char (&path)[MAX_PATH], unsigned& filterIndex) {
    char folder[MAX_PATH];
    wchar_t wideFolder[MAX_PATH], widePath[MAX_PATH] = L"";
    const bool haveFolder = ProgramFilePath("", folder) != 0 &&
                            MultiByteToWideChar(CP_ACP, 0, folder, -1, wideFolder, MAX_PATH) != 0;
    path[0] = '\0';
    const WideText title(ShownText(kTextSaveCapture));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = g_windows.frame;
    const bool tools = WorkTools();
    dialog.lpstrFilter = tools ? L"PNG (*.png)\0*.png\0BMP (*.bmp)\0*.bmp\0" : L"*.bmp\0";
    dialog.nFilterIndex = tools ? 1 : 0;
    dialog.lpstrFile = widePath;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = haveFolder ? wideFolder : nullptr;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = tools ? L"png" : L"bmp";
    auto* ask = SystemFunction<decltype(GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
    if (!ask) return false;
    {
        ModalLoop saving;
        if (ask(&dialog) != TRUE) return false;
    }
    filterIndex = dialog.nFilterIndex;
    BOOL lost = FALSE;  // UTF-8 as the system's code page loses nothing, and takes no such flag
    if (!WideCharToMultiByte(CP_ACP, 0, widePath, -1, path, MAX_PATH, nullptr, GetACP() == CP_UTF8 ? nullptr : &lost) ||
        lost) {
        path[0] = '\0';
        return false;
    }
    return true;
}

void WritePicture(const char* path, unsigned filterIndex, int w, int h) {
    if (!WorkTools() || ChooseCaptureFormat(path, filterIndex) == CaptureFormat::bmp) {
        WriteBitmapFile(path, w, h);
        return;
    }
    const std::vector<uint8_t> png = EncodeSnapshotPng(w, h);
    if (!png.empty()) WriteWholeFile(path, png.data(), static_cast<DWORD>(png.size()));
}
}  // namespace

bool CaptureRunning() { return g_capturing; }

void SendGripAway() {
    constexpr DWORD kGripLeaves = 100;
    if (HideNavigationGrip()) WaitForScreen(kGripLeaves);
}

void CaptureFrameArea() {
    if (g_capturing) return;
    g_capturing = true;
    SendGripAway();
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    if (WorkTools()) {
        CopyWithoutTheSet(r);
    } else {
        CopyFrameArea(r);
        HideWindowSet();
    }
    char path[MAX_PATH];
    unsigned filterIndex = 1;
    if (AskForBitmapPath(path, filterIndex)) WritePicture(path, filterIndex, r.right - r.left, r.bottom - r.top);
    ReleaseScreenSnapshot();
    RestoreWindowSet();
    g_capturing = false;
}

void CopyFrameAreaToClipboard() {
    if (g_capturing || !WorkTools()) return;
    g_capturing = true;
    SendGripAway();
    RECT r{};
    GetWindowRect(g_windows.frame, &r);
    CopyWithoutTheSet(r);
    PutSnapshotOnClipboard(g_windows.frame, r.right - r.left, r.bottom - r.top);
    ReleaseScreenSnapshot();
    RestoreWindowSet();
    g_capturing = false;
}
