// Drives a real Tovrin.exe from a fresh folder: start it, find its windows, read the screen,
// close it and read its settings file back. Every wait is a bounded poll.
#pragma once
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <utility>

#include "../win/temp_folder.h"

constexpr int kWaitMs = 8000;

// Polls cond every 20 ms, pumping this thread's messages, until it holds or ms have passed.
bool WaitUntil(const std::function<bool()>& cond, int ms = kWaitMs);

// The screen pixel at (x, y), as COLORREF.
COLORREF ScreenPixel(int x, int y);
bool IsRed(COLORREF c);
bool NearColour(COLORREF c, COLORREF want, int tolerance = 24);

// A plain window in a solid colour under the overlay, so that what shows through is known.
struct Backdrop {
    HWND hwnd = nullptr;
    explicit Backdrop(COLORREF colour);
    ~Backdrop();
};
constexpr COLORREF kBackdropColour = RGB(0, 0, 255);
inline bool ShowsBackdrop(COLORREF c) { return NearColour(c, kBackdropColour, 24); }

// A settings file holding section "SET" with the given lines.
inline std::string Ini(const std::string& lines) { return "[SET]\r\n" + lines; }

// Copies the built program into dir, unless it is there already, and starts it from there.
bool StartProgram(const std::string& dir, const char* name, PROCESS_INFORMATION& process);
// The same under a unix locale of its own, such as "en_US.UTF-8": the process then has that
// locale's code page and interface language. Its handle is opened once the process is found;
// process.hThread stays null.
bool StartProgramUnderLocale(const std::string& dir, const char* name, const char* locale,
                             PROCESS_INFORMATION& process);
bool WaitForProcessExit(const PROCESS_INFORMATION& process, int ms = kWaitMs);
// Ends the process if it still runs, and closes its handles.
void EndProcess(PROCESS_INFORMATION& process);

struct Overlay {
    TempFolder base;
    std::string dir = base.path;  // the program's folder: the temporary folder or one inside it
    PROCESS_INFORMATION process{};
    HWND frame = nullptr;
    HWND back = nullptr;

    // Copies Tovrin.exe into the folder (unless it is there), writes ini (when not null) as its
    // settings file and starts it; waits for both windows to show. Paints reach the screen a
    // little later: wait for what they show. False when it does not come up.
    bool Start(const char* ini = nullptr);
    bool Start(const std::string& ini) { return Start(ini.c_str()); }
    // Start in two halves: the process alone, then the wait for both windows.
    bool Launch(const char* ini);
    // Start under a unix locale of its own (see StartProgramUnderLocale).
    bool StartUnderLocale(const std::string& ini, const char* locale);
    bool WaitForWindows();
    // Posts WM_CLOSE to the frame and waits for the process to end.
    bool Close();
    // Waits for the process to end by itself.
    bool WaitForExit(int ms = kWaitMs);
    ~Overlay();  // ends the process if a test left it running

    // Runs from a new folder inside the temporary one, named so that the program's full path
    // is pathLength bytes long. Call before Start.
    bool UseFolderForPathLength(size_t pathLength);
    std::string SettingsPath() const { return dir + "pemoka.ini"; }
    std::string SettingsText() const { return ReadTextFile(SettingsPath()); }
    RECT FrameRect() const;
    RECT BackRect() const;
    POINT ClientOrigin() const;  // screen position of the frame's client (0, 0)
    COLORREF ClientPixel(int x, int y) const;
    // Brings the overlay to the foreground so that keys reach it.
    bool Focus() const;
    // Waits until the frame's rectangle is want and the back pane lies on it.
    bool SettlesAt(const RECT& want, int ms = kWaitMs) const;
    // Moves the frame from outside, keeping its size, and waits for both windows to be there.
    bool MoveTo(int x, int y) const;
    // The program's visible window with this title (a dialog), once it is up; null after the wait.
    HWND WaitForWindow(const char* title) const;
    // Opens the context menu with a real right click inside the frame; the open menu's window,
    // or null.
    HWND OpenContextMenu() const;
};

// Keys for the menu loop, which takes them from its thread's queue wherever the keyboard focus
// is: each key the given number of times. Home and End select the first and last item whatever
// was selected before.
void MenuKeys(HWND menu, std::initializer_list<std::pair<WORD, int>> keys);

// Real input, made by the X server's test extension through the session's input agent, as a
// person makes it. Each returns once the X server has handled it; PointerTo also waits until
// the system's pointer is there, and a modifier key until the system's key state shows it.
bool PointerTo(int x, int y);
bool LeftButton(bool down);  // at the pointer
bool RightButton(bool down);
bool Key(WORD virtualKey, bool down);
// Releases a modifier after the window that held the keyboard has gone: no Wine window hears
// the release, so the system's key state is not awaited (it is read anew at the next focus).
bool ReleaseAfterClose(WORD virtualKey);
bool Tap(WORD virtualKey);  // press and release
bool SameRect(const RECT& a, const RECT& b);
// Waits until the X server has the window under the pointer, so that a button goes to it: a
// window that the system shows may reach the screen a little later.
bool PointerOver(HWND window, HWND alsoFine = nullptr);
// Whether the X server stacks window a above window b (it may differ from the window order that
// GetWindow reports); false when the X server does not know either.
bool XStackedAbove(HWND a, HWND b);
// The display without its compositing manager for the scope's time, as on a desktop that runs
// none: X then leaves a hidden window's pixels on the windows below until they are repainted.
// ready is false when the display's manager is not the session's to stop.
struct WithoutCompositor {
    bool ready = false;
    bool restart = false;  // the manager ran before, and runs again after
    WithoutCompositor();
    ~WithoutCompositor();
    WithoutCompositor(const WithoutCompositor&) = delete;
    WithoutCompositor& operator=(const WithoutCompositor&) = delete;
};
// Brings a top-level window to the foreground and waits until the X server gives it the
// keyboard; alsoFine, when given, may take the keyboard instead.
bool FocusOn(HWND window, HWND alsoFine = nullptr);

// The work tools' size dialog (32794) once it is up, or null; the sides typed into it and OK.
HWND OpenSizeDialog(const Overlay& o);
void TypeSize(HWND dialog, const char* w, const char* h);

// A message box's text, and its OK pressed until it has gone.
std::string BoxText(HWND box);
bool CloseBox(HWND box);

// The window that holds the overlay's mouse capture, or null.
HWND CaptureOf(const Overlay& o);

// A top-level window of the process by class and title (null matches any).
HWND FindProcessWindow(DWORD pid, const char* cls, const char* title = nullptr);

// The user's own settings file ("%APPDATA%\Pemoka\pemoka.ini"), which the programs use when
// their folder cannot be written: moved aside for a test, and put back as it was after it.
struct PerUserSettings {
    std::string folder, path;  // empty when the user's folder cannot be had
    PerUserSettings();
    ~PerUserSettings();
    PerUserSettings(const PerUserSettings&) = delete;
    PerUserSettings& operator=(const PerUserSettings&) = delete;

private:
    std::string saved;
    bool existed = false, folderExisted = false;
};

// A folder that nothing can be written into, not even by root, for the time of a test: the
// file system's immutable flag, set by the unix chattr. made is false where that cannot be had.
struct UnwritableFolder {
    std::string dir;
    bool made = false;
    explicit UnwritableFolder(std::string folder);
    ~UnwritableFolder();
    UnwritableFolder(const UnwritableFolder&) = delete;
    UnwritableFolder& operator=(const UnwritableFolder&) = delete;
};

// The folder that holds this test program and the built programs.
std::string ProgramFolder();
// One key's text as written in a settings file, or "" when absent.
std::string IniValue(const std::string& text, const char* key);

// The display scale that the programs started while it lives read (LogPixels of the current
// user); it puts the earlier value back, or removes the value when there was none.
struct LogPixels {
    HKEY key = nullptr;
    BYTE before[64]{};
    DWORD type = 0, size = sizeof before;
    bool had = false;
    explicit LogPixels(DWORD dpi);
    ~LogPixels();
    LogPixels(const LogPixels&) = delete;
    LogPixels& operator=(const LogPixels&) = delete;
};

// A window of the test's own under the overlay, covering the screen: white, with a black band
// around a rectangle, so that the edges the fit finds are known.
class Content {
public:
    Content();
    ~Content();
    // Paints a black band of the given width around the frame and waits until the screen shows
    // it where the fit will look: on the three sample lines of every side, next to the frame,
    // at the band's outer edge and beyond it. The compositor may leave part of the screen
    // stale; showing the window anew makes it draw the whole window again.
    ::testing::AssertionResult Black(const RECT& frame, int band);

private:
    HWND hwnd_;
    RECT black_{};
};
