#include "overlay_harness.h"

#include <cstdlib>
#include <cstring>

bool WaitUntil(const std::function<bool()>& cond, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (;;) {
        MSG msg;
        while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        if (cond()) return true;
        if (static_cast<int>(GetTickCount() - end) >= 0) return false;
        Sleep(20);
    }
}

COLORREF ScreenPixel(int x, int y) {
    HDC screen = GetDC(nullptr);
    COLORREF c = GetPixel(screen, x, y);
    ReleaseDC(nullptr, screen);
    return c;
}

bool NearColour(COLORREF c, COLORREF want, int tolerance) {
    return std::abs(GetRValue(c) - GetRValue(want)) <= tolerance &&
           std::abs(GetGValue(c) - GetGValue(want)) <= tolerance &&
           std::abs(GetBValue(c) - GetBValue(want)) <= tolerance;
}

bool IsRed(COLORREF c) { return NearColour(c, RGB(255, 0, 0)); }

namespace {
LRESULT CALLBACK BackdropProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    return DefWindowProcA(hwnd, msg, wp, lp);
}
}  // namespace

Backdrop::Backdrop(COLORREF colour) {
    static ATOM atom = 0;
    static HBRUSH brush = nullptr;
    if (!atom) {
        brush = CreateSolidBrush(colour);
        WNDCLASSA wc{};
        wc.lpfnWndProc = BackdropProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.hbrBackground = brush;
        wc.lpszClassName = "pemoka_test_backdrop";
        atom = RegisterClassA(&wc);
    }
    hwnd = CreateWindowExA(0, "pemoka_test_backdrop", nullptr, WS_POPUP | WS_VISIBLE, 0, 0,
                           GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr,
                           GetModuleHandleA(nullptr), nullptr);
    UpdateWindow(hwnd);
    WaitUntil([&] { return NearColour(ScreenPixel(5, 5), colour, 8); }, 3000);
}

Backdrop::~Backdrop() {
    if (hwnd) DestroyWindow(hwnd);
}

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    *(std::strrchr(path, '\\') + 1) = '\0';
    return path;
}

std::string IniValue(const std::string& text, const char* key) {
    const std::string prefix = std::string("\n") + key + "=";
    size_t at = ("\n" + text).find(prefix);
    if (at == std::string::npos) return "";
    size_t start = at + prefix.size() - 1;
    size_t end = text.find_first_of("\r\n", start);
    return text.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

namespace {
struct FindArgs {
    DWORD pid;
    const char* cls;    // null: any class
    const char* title;  // null: any title
    HWND found;
};
bool Matches(const char* want, const char* have) { return !want || std::strcmp(want, have) == 0; }
BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
    auto* a = reinterpret_cast<FindArgs*>(lp);
    char cls[64] = "", title[64] = "";
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    GetClassNameA(hwnd, cls, sizeof cls);
    GetWindowTextA(hwnd, title, sizeof title);
    if (pid == a->pid && Matches(a->cls, cls) && Matches(a->title, title)) {
        a->found = hwnd;
        return FALSE;
    }
    return TRUE;
}
}  // namespace

HWND FindProcessWindow(DWORD pid, const char* cls, const char* title) {
    FindArgs a{pid, cls, title, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&a));
    return a.found;
}

bool Overlay::UseFolderForPathLength(size_t pathLength) {
    const size_t fixed = base.path.size() + 1 + std::strlen("Tovrin.exe");  // the name's separator
    if (pathLength <= fixed) return false;
    dir = base.path + std::string(pathLength - fixed, 'd') + "\\";
    return CreateDirectoryA(dir.c_str(), nullptr) != 0;
}

bool Overlay::Start(const char* ini) {
    const std::string exe = dir + "Tovrin.exe";
    if (!CopyFileA((ProgramFolder() + "Tovrin.exe").c_str(), exe.c_str(), FALSE)) return false;
    if (ini) WriteTextFile(SettingsPath(), ini);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    // Started by a name relative to its folder, which also serves a full path too long for
    // CreateProcess itself.
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    if (!SetCurrentDirectoryA(dir.c_str())) return false;
    std::string cmd = "Tovrin.exe";
    const BOOL started =
        CreateProcessA(".\\Tovrin.exe", cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process);
    SetCurrentDirectoryA(previous);
    if (!started) return false;
    const DWORD pid = process.dwProcessId;
    if (!WaitUntil([&] {
            frame = FindProcessWindow(pid, "__pemoka_246__");
            back = FindProcessWindow(pid, "__pemoka_246__Bk");
            return frame && back && IsWindowVisible(frame) && IsWindowVisible(back);
        }))
        return false;
    return true;
}

bool Overlay::WaitForExit(int ms) {
    if (!process.hProcess) return true;
    return WaitUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, ms);
}

bool Overlay::Close() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    return WaitForExit();
}

Overlay::~Overlay() {
    if (!process.hProcess) return;
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

RECT Overlay::FrameRect() const {
    RECT r{};
    GetWindowRect(frame, &r);
    return r;
}

RECT Overlay::BackRect() const {
    RECT r{};
    GetWindowRect(back, &r);
    return r;
}

POINT Overlay::ClientOrigin() const {
    POINT p{0, 0};
    ClientToScreen(frame, &p);
    return p;
}

COLORREF Overlay::ClientPixel(int x, int y) const {
    POINT o = ClientOrigin();
    return ScreenPixel(o.x + x, o.y + y);
}

void PointerTo(int x, int y) {
    SetCursorPos(x, y);
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = MOUSEEVENTF_MOVE;  // a move of nothing: the window under the pointer hears of it
    SendInput(1, &in, sizeof in);
}

void LeftButton(bool down) {
    INPUT in{};
    in.type = INPUT_MOUSE;
    in.mi.dwFlags = down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP;
    SendInput(1, &in, sizeof in);
}

void Key(WORD virtualKey, bool down) {
    INPUT in{};
    in.type = INPUT_KEYBOARD;
    in.ki.wVk = virtualKey;
    in.ki.wScan = static_cast<WORD>(MapVirtualKeyA(virtualKey, MAPVK_VK_TO_VSC));
    // Arrow keys are extended keys: without the flag they would come from the number pad.
    const bool extended = virtualKey >= VK_PRIOR && virtualKey <= VK_DOWN;
    in.ki.dwFlags = (down ? 0 : KEYEVENTF_KEYUP) | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    SendInput(1, &in, sizeof in);
}

void Tap(WORD virtualKey) {
    Key(virtualKey, true);
    Key(virtualKey, false);
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool Overlay::Focus() const {
    SetForegroundWindow(frame);
    return WaitUntil([&] {
        HWND fg = GetForegroundWindow();
        return fg == frame || fg == back;
    });
}

bool Overlay::SettlesAt(const RECT& want, int ms) const {
    return WaitUntil([&] { return SameRect(FrameRect(), want) && SameRect(BackRect(), want); }, ms);
}
