#include <winsock2.h>

#include "overlay_harness.h"

#include <shlobj.h>
#include <tlhelp32.h>

#include <utility>
#include <vector>

#include "overlay/screen/content_edge.h"

#include <cstdlib>
#include <cstring>

#include <gtest/gtest.h>

#include "overlay/windows/window_set.h"

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

bool StartProgram(const std::string& dir, const char* name, PROCESS_INFORMATION& process) {
    const std::string exe = dir + name;
    if (!CopyFileA((ProgramFolder() + name).c_str(), exe.c_str(), TRUE) && GetLastError() != ERROR_FILE_EXISTS)
        return false;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    // Started by a name relative to its folder, which also serves a full path too long for
    // CreateProcess itself.
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    if (!SetCurrentDirectoryA(dir.c_str())) return false;
    std::string cmd = name;
    const std::string relative = std::string(".\\") + name;
    const BOOL started =
        CreateProcessA(relative.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &process);
    SetCurrentDirectoryA(previous);
    return started != 0;
}

namespace {
// The environment block of this process, its locale variables replaced by the locale.
std::wstring EnvironmentWithLocale(const char* locale) {
    std::wstring block;
    wchar_t* strings = GetEnvironmentStringsW();
    for (const wchar_t* s = strings; *s; s += lstrlenW(s) + 1) {
        const std::wstring entry = s;
        if (entry.rfind(L"LANG=", 0) == 0 || entry.rfind(L"LANGUAGE=", 0) == 0 || entry.rfind(L"LC_", 0) == 0) continue;
        block += entry + L'\0';
    }
    FreeEnvironmentStringsW(strings);
    const std::wstring wide(locale, locale + std::strlen(locale));
    block += L"LANG=" + wide + L'\0' + L"LC_ALL=" + wide + L'\0';
    return block + L'\0';
}

// A running process of that name whose image is the file; 0 when none is.
DWORD FindProcessOfImage(const std::string& image, const char* name) {
    DWORD found = 0;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE) return 0;
    PROCESSENTRY32 entry{};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32First(snapshot, &entry); more && !found; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, name) != 0) continue;
        HANDLE process = OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ProcessID);
        char path[MAX_PATH] = "";
        DWORD size = sizeof path;
        if (process && QueryFullProcessImageNameA(process, 0, path, &size) && lstrcmpiA(path, image.c_str()) == 0)
            found = entry.th32ProcessID;
        if (process) CloseHandle(process);
    }
    CloseHandle(snapshot);
    return found;
}
}  // namespace

bool StartProgramUnderLocale(const std::string& dir, const char* name, const char* locale,
                             PROCESS_INFORMATION& process) {
    // A Windows program under Wine passes its own unix environment to the programs it starts,
    // whatever block it gives them; the Wine loader, a unix program, takes the block and starts
    // the program with it. The test scripts export the loader's path.
    const char* loader = std::getenv("PEMOKA_WINE");
    const std::string exe = dir + name;
    if (!loader || *loader != '/') {
        ADD_FAILURE() << "PEMOKA_WINE names no loader: run the tests through scripts/test.sh";
        return false;
    }
    if (!CopyFileA((ProgramFolder() + name).c_str(), exe.c_str(), TRUE) && GetLastError() != ERROR_FILE_EXISTS)
        return false;
    std::string loaderPath = std::string("Z:") + loader;  // drive Z: is the unix root
    for (char& c : loaderPath)
        if (c == '/') c = '\\';
    // The loader finds its own files from its first argument, so that is its unix path.
    std::string cmd = std::string(loader) + " \"" + exe + "\"";
    std::wstring environment = EnvironmentWithLocale(locale);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(loaderPath.c_str(), cmd.data(), nullptr, nullptr, FALSE, CREATE_UNICODE_ENVIRONMENT,
                        environment.data(), dir.c_str(), &si, &started))
        return false;
    if (started.hThread) CloseHandle(started.hThread);
    if (started.hProcess) CloseHandle(started.hProcess);
    DWORD pid = 0;
    WaitUntil([&] { return (pid = FindProcessOfImage(exe, name)) != 0; });
    if (!pid) return false;
    process = {};
    process.hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid);
    process.dwProcessId = pid;
    return process.hProcess != nullptr;
}

bool WaitForProcessExit(const PROCESS_INFORMATION& process, int ms) {
    if (!process.hProcess) return true;
    return WaitUntil([&] { return WaitForSingleObject(process.hProcess, 0) == WAIT_OBJECT_0; }, ms);
}

void EndProcess(PROCESS_INFORMATION& process) {
    if (!process.hProcess) return;
    if (WaitForSingleObject(process.hProcess, 0) != WAIT_OBJECT_0) {
        TerminateProcess(process.hProcess, 1);
        WaitForSingleObject(process.hProcess, 5000);
    }
    if (process.hThread) CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    process = {};
}

bool Overlay::Start(const char* ini) { return Launch(ini) && WaitForWindows(); }

bool Overlay::Launch(const char* ini) {
    if (ini) WriteTextFile(SettingsPath(), ini);
    return StartProgram(dir, "Tovrin.exe", process);
}

bool Overlay::StartUnderLocale(const std::string& ini, const char* locale) {
    WriteTextFile(SettingsPath(), ini);
    return StartProgramUnderLocale(dir, "Tovrin.exe", locale, process) && WaitForWindows();
}

bool Overlay::WaitForWindows() {
    const DWORD pid = process.dwProcessId;
    return WaitUntil([&] {
        frame = FindProcessWindow(pid, kFrameClass);
        back = FindProcessWindow(pid, kBackPaneClass);
        return frame && back && IsWindowVisible(frame) && IsWindowVisible(back);
    });
}

bool Overlay::WaitForExit(int ms) { return WaitForProcessExit(process, ms); }

bool Overlay::Close() {
    PostMessageA(frame, WM_CLOSE, 0, 0);
    return WaitForExit();
}

Overlay::~Overlay() { EndProcess(process); }

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

namespace {
// The connection to the input agent of the test session (scripts/session.sh), which makes
// real input through the X server. INVALID_SOCKET when there is none.
SOCKET Agent() {
    static SOCKET agent = [] {
        const char* port = std::getenv("PEMOKA_INPUT_PORT");
        WSADATA wsa;
        if (!port || WSAStartup(MAKEWORD(2, 2), &wsa) != 0) return INVALID_SOCKET;
        SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        addr.sin_port = htons(static_cast<u_short>(std::atoi(port)));
        if (s != INVALID_SOCKET && connect(s, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
            closesocket(s);
            s = INVALID_SOCKET;
        }
        return s;
    }();
    return agent;
}

// Sends one command and returns the agent's answer once the X server has handled it.
std::string AskAgent(const std::string& command) {
    const SOCKET s = Agent();
    if (s == INVALID_SOCKET) {
        ADD_FAILURE() << "no input agent: run the tests through scripts/test.sh";
        return "";
    }
    const std::string line = command + "\n";
    if (send(s, line.data(), static_cast<int>(line.size()), 0) != static_cast<int>(line.size())) return "";
    std::string answer;
    char c;
    while (recv(s, &c, 1, 0) == 1 && c != '\n') answer += c;
    return answer;
}

bool Tell(const std::string& command) {
    const bool ok = AskAgent(command) == "ok";
    EXPECT_TRUE(ok) << command;
    return ok;
}

// The X keysym of the virtual keys the tests press.
unsigned long Keysym(WORD vk) {
    if ((vk >= 'A' && vk <= 'Z')) return vk - 'A' + 'a';
    if (vk >= '0' && vk <= '9') return vk;
    switch (vk) {
        case VK_LEFT: return 0xff51;
        case VK_UP: return 0xff52;
        case VK_RIGHT: return 0xff53;
        case VK_DOWN: return 0xff54;
        case VK_SHIFT: return 0xffe1;
        case VK_CONTROL: return 0xffe3;
        case VK_MENU: return 0xffe9;  // the left Alt
        case VK_RMENU: return 0xffea;  // the right Alt, which Windows reads as AltGr with a left Ctrl
        case VK_NUMLOCK: return 0xff7f;
        case VK_NUMPAD7: return 0xffb7;
        case VK_F4: return 0xffc1;
        case VK_F10: return 0xffc7;
        case VK_APPS: return 0xff67;  // the Menu key
        case VK_OEM_1: return 0x3b;   // ";" on a US keyboard
        case VK_ESCAPE: return 0xff1b;
        case VK_RETURN: return 0xff0d;
        case VK_TAB: return 0xff09;
        case VK_DELETE: return 0xffff;
        default: return 0;
    }
}

bool Held(WORD vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; }
}  // namespace

bool PointerTo(int x, int y) {
    if (!Tell("move " + std::to_string(x) + " " + std::to_string(y))) return false;
    // Over a window Wine hears of the move from the X server; elsewhere it asks the server
    // where the pointer is. Either way the system's pointer ends up there.
    return WaitUntil([&] {
        POINT p{};
        GetCursorPos(&p);
        return p.x == x && p.y == y;
    });
}

bool LeftButton(bool down) { return Tell(std::string("button 1 ") + (down ? "down" : "up")); }
bool RightButton(bool down) { return Tell(std::string("button 3 ") + (down ? "down" : "up")); }

bool Key(WORD virtualKey, bool down) {
    if (!Tell("key " + std::to_string(Keysym(virtualKey)) + (down ? " down" : " up"))) return false;
    // A modifier has arrived once the system's key state shows it.
    if (virtualKey == VK_SHIFT || virtualKey == VK_CONTROL || virtualKey == VK_MENU || virtualKey == VK_RMENU)
        return WaitUntil([&] { return Held(virtualKey) == down; });
    return true;
}

bool ReleaseAfterClose(WORD virtualKey) { return Tell("key " + std::to_string(Keysym(virtualKey)) + " up"); }

bool Tap(WORD virtualKey) { return Key(virtualKey, true) && Key(virtualKey, false); }

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

namespace {
std::string XWindow(HWND w) { return std::to_string(reinterpret_cast<UINT_PTR>(GetPropA(w, "__wine_x11_whole_window"))); }
}  // namespace

bool PointerOver(HWND window, HWND alsoFine) {
    return WaitUntil([&] {
        const std::string under = AskAgent("under");
        return under == XWindow(window) || (alsoFine && under == XWindow(alsoFine));
    });
}

bool XStackedAbove(HWND a, HWND b) { return AskAgent("above " + XWindow(a) + " " + XWindow(b)) == "1"; }

WithoutCompositor::WithoutCompositor() {
    restart = AskAgent("compositor") == "1";
    ready = !restart || AskAgent("compositor off") == "ok";
    restart = restart && ready;
}

WithoutCompositor::~WithoutCompositor() {
    if (restart) {
        EXPECT_EQ(AskAgent("compositor on"), "ok");
    }
}

bool FocusOn(HWND window, HWND alsoFine) {
    // Keys go where the X server has its keyboard focus: wait until it is on the window. A
    // window that is already foreground is not activated again, and the X focus may have gone
    // elsewhere meanwhile (a window was hidden and shown), so each try goes by alsoFine first.
    int tries = 0;
    return WaitUntil([&] {
        const HWND fg = GetForegroundWindow();
        const std::string focus = AskAgent("focus");
        if ((fg == window || (alsoFine && fg == alsoFine)) &&
            (focus == XWindow(window) || (alsoFine && focus == XWindow(alsoFine))))
            return true;
        if (tries++ % 10 == 0) {
            if (fg == window && alsoFine) SetForegroundWindow(alsoFine);
            else if (fg == window && tries > 1) AskAgent("focus " + XWindow(window));  // nothing to go by
            SetForegroundWindow(window);
        }
        return false;
    });
}

bool Overlay::Focus() const { return FocusOn(frame, back); }

bool Overlay::SettlesAt(const RECT& want, int ms) const {
    return WaitUntil([&] { return SameRect(FrameRect(), want) && SameRect(BackRect(), want); }, ms);
}

bool Overlay::MoveTo(int x, int y) const {
    const RECT r = FrameRect();
    SetWindowPos(frame, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    return SettlesAt({x, y, x + r.right - r.left, y + r.bottom - r.top});
}

HWND Overlay::WaitForWindow(const char* title) const {
    HWND found = nullptr;
    WaitUntil([&] {
        // A dialog or a message box: the frame has a name of its own, "ペモカ" or "Pemoka".
        found = FindProcessWindow(process.dwProcessId, "#32770", title);
        return found && IsWindowVisible(found);
    });
    return found;
}

HWND Overlay::OpenContextMenu() const {
    const RECT f = FrameRect();
    if (!PointerTo(f.left + 30, f.top + 30) || !PointerOver(back, frame) || !RightButton(true) || !RightButton(false))
        return nullptr;
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindProcessWindow(process.dwProcessId, "#32768")) && IsWindowVisible(menu); });
    // The menu opens right of and below the pointer; up and left of it no item lies under the
    // pointer to take the selection from the keys.
    if (menu && !PointerTo(f.left + 10, f.top + 10)) return nullptr;
    return menu;
}

void MenuKeys(HWND menu, std::initializer_list<std::pair<WORD, int>> keys) {
    for (auto [key, times] : keys)
        for (int i = 0; i < times; ++i) PostMessageA(menu, WM_KEYDOWN, key, 0);
}

PerUserSettings::PerUserSettings() {
    char appData[MAX_PATH];
    if (FAILED(SHGetFolderPathA(nullptr, CSIDL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, appData))) return;
    folder = std::string(appData) + "\\Pemoka\\";
    path = folder + "pemoka.ini";
    folderExisted = FileExists(folder);
    existed = FileExists(path);
    saved = ReadTextFile(path);
    DeleteFileA(path.c_str());
}

PerUserSettings::~PerUserSettings() {
    if (path.empty()) return;
    if (existed) WriteTextFile(path, saved);
    else DeleteFileA(path.c_str());
    if (!folderExisted) RemoveDirectoryA(folder.c_str());
}

namespace {
// Runs the unix chattr on the folder and waits until creating a file there fails (or works).
bool SetImmutable(const std::string& dir, bool on) {
    using UnixName = char* CDECL(const wchar_t*);
    auto* unixName = reinterpret_cast<UnixName*>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    wchar_t wide[MAX_PATH];
    if (!unixName || !MultiByteToWideChar(CP_ACP, 0, dir.c_str(), -1, wide, MAX_PATH)) return false;
    char* folder = unixName(wide);
    if (!folder) return false;
    std::string cmd = std::string("Z:\\usr\\bin\\chattr ") + (on ? "+i " : "-i ") + folder;
    HeapFree(GetProcessHeap(), 0, folder);
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION started{};
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &started)) return false;
    if (started.hThread) CloseHandle(started.hThread);
    if (started.hProcess) CloseHandle(started.hProcess);
    const std::string probe = dir + "probe.tmp";
    return WaitUntil([&] {
        HANDLE f = CreateFileA(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_FLAG_DELETE_ON_CLOSE, nullptr);
        if (f != INVALID_HANDLE_VALUE) CloseHandle(f);
        return (f == INVALID_HANDLE_VALUE) == on;
    });
}
}  // namespace

UnwritableFolder::UnwritableFolder(std::string folder) : dir(std::move(folder)) { made = SetImmutable(dir, true); }

UnwritableFolder::~UnwritableFolder() {
    if (made) {
        EXPECT_TRUE(SetImmutable(dir, false)) << dir;
    }
}

LogPixels::LogPixels(DWORD dpi) {
    if (RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key, nullptr) != ERROR_SUCCESS) {
        key = nullptr;
        return;
    }
    had = RegQueryValueExA(key, "LogPixels", nullptr, &type, before, &size) == ERROR_SUCCESS;
    RegSetValueExA(key, "LogPixels", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dpi), sizeof dpi);
}

LogPixels::~LogPixels() {
    if (!key) return;
    if (had) RegSetValueExA(key, "LogPixels", 0, type, before, size);
    else RegDeleteValueA(key, "LogPixels");
    RegCloseKey(key);
}

namespace {
LRESULT CALLBACK ContentProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_ERASEBKGND) return 1;
    if (msg != WM_PAINT) return DefWindowProcA(hwnd, msg, wp, lp);
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(hwnd, &ps);
    RECT all;
    GetClientRect(hwnd, &all);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    const RECT* black = reinterpret_cast<const RECT*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    FillRect(dc, black, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    EndPaint(hwnd, &ps);
    return 0;
}
}  // namespace

Content::Content() {
    WNDCLASSA wc{};
    wc.lpfnWndProc = ContentProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "pemoka_test_content";
    RegisterClassA(&wc);
    hwnd_ = CreateWindowExA(WS_EX_NOACTIVATE, wc.lpszClassName, nullptr, WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                            GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, wc.hInstance, nullptr);
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&black_));
}

Content::~Content() { DestroyWindow(hwnd_); }

::testing::AssertionResult Content::Black(const RECT& frame, int band) {
    black_ = {frame.left - band, frame.top - band, frame.right + band, frame.bottom + band};
    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
    InvalidateRect(hwnd_, nullptr, TRUE);
    std::vector<std::pair<POINT, COLORREF>> checks;
    const COLORREF black = RGB(0, 0, 0), white = RGB(255, 255, 255);
    const LONG w = frame.right - frame.left, h = frame.bottom - frame.top;
    for (LONG at : {LONG{5}, w / 2, w - 5}) {
        const LONG x = frame.left + at;
        checks.push_back({{x, frame.top - 1}, black});
        checks.push_back({{x, black_.top}, black});
        checks.push_back({{x, black_.top - 1}, white});
        checks.push_back({{x, frame.bottom}, black});
        checks.push_back({{x, black_.bottom - 1}, black});
        checks.push_back({{x, black_.bottom}, white});
    }
    for (LONG at : {LONG{5}, h / 2, h - 5}) {
        const LONG y = frame.top + at;
        checks.push_back({{frame.left - 1, y}, black});
        checks.push_back({{black_.left, y}, black});
        checks.push_back({{black_.left - 1, y}, white});
        checks.push_back({{frame.right, y}, black});
        checks.push_back({{black_.right - 1, y}, black});
        checks.push_back({{black_.right, y}, white});
    }
    int polls = 0;
    POINT wrong{};
    COLORREF seen = 0;
    if (WaitUntil([&] {
            for (const auto& [p, colour] : checks) {
                // As the fit sees it: grey 128 is as good as black.
                if (ColourClass(seen = ScreenPixel(p.x, p.y)) == ColourClass(colour)) continue;
                wrong = p;
                if (++polls % 50 == 0) {
                    ShowWindow(hwnd_, SW_HIDE);
                    ShowWindow(hwnd_, SW_SHOWNOACTIVATE);
                }
                return false;
            }
            return true;
        }))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "the screen shows " << std::hex << seen << " at " << std::dec << wrong.x
                                         << "," << wrong.y;
}

HWND CaptureOf(const Overlay& o) {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    GetGUIThreadInfo(GetWindowThreadProcessId(o.frame, nullptr), &info);
    return info.hwndCapture;
}

std::string BoxText(HWND box) {
    char text[512] = "";
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

bool CloseBox(HWND box) {
    PostMessageA(box, WM_COMMAND, IDOK, 0);
    return WaitUntil([&] { return !IsWindow(box); });
}

HWND OpenSizeDialog(const Overlay& o) {
    PostMessageA(o.frame, WM_COMMAND, 32794, 0);
    return o.WaitForWindow("サイズ指定");
}

void TypeSize(HWND dialog, const char* w, const char* h) {
    SetDlgItemTextA(dialog, 40004, w);
    SetDlgItemTextA(dialog, 40005, h);
    PostMessageA(dialog, WM_COMMAND, IDOK, 0);
}
