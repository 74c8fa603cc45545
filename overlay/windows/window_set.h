// The overlay's window set: the guide frame, the back pane below it and the navigation grip,
// kept on top of each other, the operations that place, hide and restore them, and the count of
// the overlay's own modal loops that are running.
#pragma once
#include <windows.h>

#include "../../settings/shared_names.h"
#include "../../settings/texts.h"
#include "contrast_colours.h"

struct WindowSet {
    HINSTANCE instance;
    HWND frame;
    HWND back;
    HWND grip;
    HWND sizeLabel;   // the work tools' label beside the frame, once made
    int frameSync;    // 1 while the program places both windows itself
    RECT savedFrame;  // remembered by HideWindowSet; all zero when nothing is remembered
    RECT savedBack;
    int modalLoops;    // dialogs, message boxes, the save dialog and popup menus now open
    int closePending;  // 1 when a close arrived during one of them
    int closing;       // 1 once the close sequence has begun: the grip may go
    bool excludedFromCaptures;  // the set's windows are kept out of other programs' captures
    bool locked;                // the work tools' lock: every click goes through the frame
};
extern WindowSet g_windows;

constexpr char kBackPaneClass[] = "__pemoka_246__Bk";

// Held for the time of every dialog, message box, save dialog and popup menu of the overlay.
// While one is held, nothing starts from the other windows of the set; when the last one ends,
// a close that arrived meanwhile is posted to the frame.
struct ModalLoop {
    ModalLoop();
    ~ModalLoop();
    ModalLoop(const ModalLoop&) = delete;
    ModalLoop& operator=(const ModalLoop&) = delete;
};
inline bool InModalLoop() { return g_windows.modalLoops > 0; }

// A warning box over the overlay in the interface's language, for what the person would not
// see fail otherwise: the text of id with its "%s", if it has one, replaced by arg.
void ShowWarning(TextId id, const wchar_t* arg = L"");

void CentreWindowSet(int showCommand);
// Ends a drag of the back pane or the grip where it stands and sends away the grip, then
// remembers both rectangles and hides both windows.
void HideWindowSet();
void RestoreWindowSet();
void RequestClose();
// After a display change: a shown frame that lies on no monitor any more comes back whole onto
// the nearest one (see CentreInArea), its back pane with it; one partly on a screen stays.
void BringSetOntoScreen();
// The back pane shown directly below the frame at the frame's rectangle, or hidden, in one
// placement each; the window order is left alone by the hide.
void ShowBackPane();
void HideBackPane();
// The lock: the frame takes no mouse input at all (WS_EX_TRANSPARENT) and the back pane and the
// grip stay hidden, so every click, drag and wheel turn reaches the window beneath; the guides
// stay drawn and on top. Unlocked, a shown frame has its back pane again.
void SetFrameLocked(bool locked);
// A close from the window manager (Alt+F4, the task bar, Task Manager) on any window of the
// set: true when it is one, and it has been handed to the frame's close sequence.
bool CloseFromWindowManager(WPARAM sysCommand);

// Copies one window's reported placement onto the other unless frameSync is set.
void FollowPlacement(HWND moved, const WINDOWPOS& pos);

// Registers the classes and creates the back pane and the hidden guide frame (both 0 x 0), the
// frame with the given window procedure. Returns 0 when either window cannot be created.
int CreateOverlayWindows(HINSTANCE instance, WNDPROC frameProc);
// The frame's own name, "ペモカ" or "Pemoka" in the settings' language: what the task bar, Alt+Tab
// and accessibility tools show for it.
void NameFrame();

// The colours of what the overlay draws itself, as the system's theme now stands.
OwnColours CurrentOwnColours();
// While a high-contrast theme is on, the frame's border is drawn by the program in the theme's
// colour, which the key colour never hides; true when it was.
bool PaintOwnBorder(HWND frame);
// A theme or its colours changed: the border, the grip and the size label are drawn again.
void FollowThemeColours();

// Destroys what CreateOverlayWindows made, the grip with it, and forgets the set.
void DestroyOverlayWindows();
