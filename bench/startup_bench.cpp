// Start-up of the overlay against the minimal program beside it: the time from CreateProcess to
// the first guide pixel on the screen, and the working set once the program has gone idle.
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "bench_table.h"

namespace {
struct Program {
    const char* exe;
    const char* frameClass;
    std::vector<double> starts, sets;
};

std::string Folder() {
    char path[MAX_PATH];
    const DWORD n = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string s(path, n);
    return s.substr(0, s.find_last_of('\\') + 1);
}

struct FindArgs {
    DWORD pid;
    const char* cls;
    HWND found;
};
BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
    auto* a = reinterpret_cast<FindArgs*>(lp);
    char cls[64] = "";
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    GetClassNameA(hwnd, cls, sizeof cls);
    if (pid != a->pid || std::string(cls) != a->cls) return TRUE;
    a->found = hwnd;
    return FALSE;
}

// Starts the program from dir, waits for the red line at a third of its client's width, then
// for it to go idle; closes it. False when it never showed the line.
bool RunOnce(const std::string& dir, Program& p) {
    std::string cmd = dir + p.exe;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    const double start = Now();
    if (!CreateProcessA(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, dir.c_str(), &si, &pi))
        return false;
    HDC screen = GetDC(nullptr);
    FindArgs find{pi.dwProcessId, p.frameClass, nullptr};
    bool shown = false;
    while (!shown && Now() - start < 20) {
        Sleep(1);  // leave the processor to the program that starts
        if (!find.found) EnumWindows(FindProc, reinterpret_cast<LPARAM>(&find));
        POINT at{66, 100};  // on the first third of the default frame's 198 x 198 client
        shown = find.found && IsWindowVisible(find.found) && ClientToScreen(find.found, &at) &&
                GetPixel(screen, at.x, at.y) == RGB(255, 0, 0);
    }
    const double painted = Now() - start;
    ReleaseDC(nullptr, screen);
    if (shown) {
        WaitForInputIdle(pi.hProcess, 5000);
        PROCESS_MEMORY_COUNTERS m{};
        m.cb = sizeof m;
        GetProcessMemoryInfo(pi.hProcess, &m, sizeof m);
        p.starts.push_back(painted);
        p.sets.push_back(static_cast<double>(m.WorkingSetSize));
        PostMessageA(find.found, WM_CLOSE, 0, 0);
    }
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return shown;
}
}  // namespace

void StartupBench() {
    // Both run from a private folder, the overlay with its default settings each time.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string dir = std::string(temp) + "pemoka-bench\\";
    CreateDirectoryA(dir.c_str(), nullptr);
    Program overlay{"Tovrin.exe", "__pemoka_246__", {}, {}};
    Program minimal{"minimal_window.exe", "pemoka_bench_minimal", {}, {}};
    for (Program* p : {&overlay, &minimal}) CopyFileA((Folder() + p->exe).c_str(), (dir + p->exe).c_str(), FALSE);
    const std::string ini = dir + "pemoka.ini";
    // One start of each to warm the caches, then alternate runs.
    for (int run = 0; run < 32; ++run) {
        for (Program* p : {&overlay, &minimal}) {
            DeleteFileA(ini.c_str());
            if (!RunOnce(dir, *p)) {
                std::printf("%s never showed its line\n", p->exe);
                return;
            }
            if (run == 0) p->starts.clear(), p->sets.clear();
        }
    }
    // Each run of the overlay against the minimal program's run beside it, so that a drift of
    // the machine's pace in the course of the bench cancels out.
    std::vector<double> startRatios, setRatios;
    for (size_t i = 0; i < overlay.starts.size(); ++i) {
        startRatios.push_back(overlay.starts[i] / minimal.starts[i]);
        setRatios.push_back(overlay.sets[i] / minimal.sets[i]);
    }
    TableRow("start to first painted guide", "minimal program", Median(minimal.starts) * 1e3, "ms",
             Median(startRatios), "<= 1.05");
    TableRow("working set when idle", "minimal program", Median(minimal.sets) / 1048576, "MB", Median(setRatios),
             "<= 1.2");
    for (Program* p : {&overlay, &minimal}) DeleteFileA((dir + p->exe).c_str());
    DeleteFileA(ini.c_str());
    RemoveDirectoryA(dir.c_str());
}
