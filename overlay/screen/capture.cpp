#include "capture.h"

#include <windows.h>
#include <commdlg.h>

#include <vector>

#include "../../settings/settings_file.h"
#include "../../settings/settings_record.h"
#include "../../settings/shown_text.h"
#include "../windows/dimming.h"
#include "../windows/gdi_holders.h"
#include "../windows/navigation_grip.h"
#include "../windows/screen_wait.h"
#include "../windows/size_label.h"
#include "../windows/system_function.h"
#include "../windows/window_set.h"
#include "../windows/work_rules.h"
#include "picture_data.h"
#include "screen_snapshot.h"
#include "write_bitmap_file.h"

namespace {
bool g_capturing = false;

// Copies the frame's area of the screen into a new snapshot of its size; false when no snapshot
// of that size can be had (a frame far larger than the screen).
bool CopyFrameArea(const RECT& r) {
    const int w = r.right - r.left, h = r.bottom - r.top;
    CreateScreenSnapshot(w, h);
    const WindowDc screen(nullptr);  // the screen's DC spans every monitor
    return g_snapshot.dc && BitBlt(g_snapshot.dc, 0, 0, w, h, screen.dc, r.left, r.top, SRCCOPY);
}

bool WorkTools() { return (static_cast<uint32_t>(g_settings.Ext) & kWorkToolsExt) != 0; }

// The work tools copy what lies under the frame and nothing of the overlay: Windows' screen copy
// leaves layered windows out, Wine's takes them. The set is hidden first, and the screen given
// the time to show it hidden.
bool CopyWithoutTheSet(const RECT& r) {
    constexpr DWORD kScreenShowsIt = 150;
    HideWindowSet();
    if (auto* flush = SystemFunction<HRESULT WINAPI()>("dwmapi.dll", "DwmFlush")) flush();
    WaitForScreen(kScreenShowsIt);
    return CopyFrameArea(r);
}

// "キャプチャーの保存" in the program's folder; false when cancelled or not to be had. The path
// stays wide, so that any name the dialog takes is the file written. With the work tools it
// offers PNG first and BMP second, and tells which was chosen.
bool AskForBitmapPath(wchar_t (&path)[MAX_PATH], unsigned& filterIndex) {
    const std::wstring folder = ProgramFilePath(L"");
    path[0] = L'\0';
    const WideText title(ShownText(kTextSaveCapture));
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = g_windows.frame;
    const bool tools = WorkTools();
    // Each type with its pattern: a type without one would list every file of the folder.
    dialog.lpstrFilter = tools ? L"PNG (*.png)\0*.png\0BMP (*.bmp)\0*.bmp\0" : L"BMP (*.bmp)\0*.bmp\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = MAX_PATH;
    dialog.lpstrInitialDir = !folder.empty() && folder.size() < MAX_PATH ? folder.c_str() : nullptr;
    dialog.lpstrTitle = title;
    dialog.Flags = OFN_OVERWRITEPROMPT;
    dialog.lpstrDefExt = tools ? L"png" : L"bmp";
    auto* ask = SystemFunction<decltype(GetSaveFileNameW)>("comdlg32.dll", "GetSaveFileNameW");
    if (!ask) return false;
    {
        ModalLoop saving;
        if (ask(&dialog) != TRUE) {
            path[0] = L'\0';
            return false;
        }
    }
    filterIndex = dialog.nFilterIndex;
    return true;
}

// False when nothing, or nothing whole, was written: no file is left then.
bool WritePicture(const wchar_t* path, unsigned filterIndex, int w, int h) {
    if (!WorkTools() || ChooseCaptureFormat(path, filterIndex) == CaptureFormat::bmp)
        return WriteBitmapFile(path, w, h);
    const std::vector<uint8_t> png = EncodeSnapshotPng(w, h);
    return !png.empty() && WriteWholeFile(path, png.data(), static_cast<DWORD>(png.size()));
}

// The frame's area on the screen, with nothing of the overlay over it: the set hidden with the
// work tools, the grip and the size label sent away without. False, with a warning and the set
// shown again, when the picture cannot be had.
bool TakePicture(RECT& r) {
    SendGripAway();
    GetWindowRect(g_windows.frame, &r);
    const bool taken = WorkTools() ? CopyWithoutTheSet(r) : CopyFrameArea(r);
    if (!taken) {
        ReleaseScreenSnapshot();
        ShowWarning(kTextPictureNotTaken);
        if (!IsWindowVisible(g_windows.frame)) RestoreWindowSet();
    }
    return taken;
}
}  // namespace

bool CaptureRunning() { return g_capturing; }

void SendGripAway() {
    constexpr DWORD kGripLeaves = 100;
    const bool grip = HideNavigationGrip(), label = HideSizeLabel(), dimming = HideDimming();
    if (grip || label || dimming) WaitForScreen(kGripLeaves);
}

void CaptureFrameArea() {
    if (g_capturing) return;
    g_capturing = true;
    RECT r{};
    if (TakePicture(r)) {
        if (!WorkTools()) HideWindowSet();
        wchar_t path[MAX_PATH];
        unsigned filterIndex = 1;
        const bool asked = AskForBitmapPath(path, filterIndex);
        if (asked && !WritePicture(path, filterIndex, r.right - r.left, r.bottom - r.top)) ShowWarning(kTextPictureNotSaved, path);
        ReleaseScreenSnapshot();
        RestoreWindowSet();
    }
    ReturnDimming();
    g_capturing = false;
}

void CopyFrameAreaToClipboard() {
    if (g_capturing || !WorkTools()) return;
    g_capturing = true;
    RECT r{};
    if (TakePicture(r)) {
        const ClipboardPut put = PutSnapshotOnClipboard(g_windows.frame, r.right - r.left, r.bottom - r.top);
        ReleaseScreenSnapshot();
        if (put != ClipboardPut::done) ShowWarning(put == ClipboardPut::busy ? kTextClipboardBusy : kTextPictureNotTaken);
        RestoreWindowSet();
    }
    ReturnDimming();
    g_capturing = false;
}
