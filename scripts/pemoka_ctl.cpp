// pemoka-ctl: a small helper for the run script. "wait-frame MS" waits until an overlay's frame
// is visible; "close-frame MS" asks it to close and waits until it is gone; "command ID" posts
// the command ID to the frame, as a menu does. Exit code 0 on success, 1 on time-out or when
// no frame is there.
#include <windows.h>

#include <cstdlib>
#include <cstring>

#include "settings/shared_names.h"

namespace {
bool Poll(bool (*cond)(), DWORD ms) {
    const DWORD start = GetTickCount();
    while (!cond()) {
        if (GetTickCount() - start >= ms) return false;
        Sleep(20);
    }
    return true;
}
HWND Frame() { return FindWindowA(kFrameClass, nullptr); }
}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    const DWORD ms = argc > 2 ? static_cast<DWORD>(std::atoi(argv[2])) : 10000;
    if (std::strcmp(argv[1], "wait-frame") == 0) {
        bool ok = Poll([] { HWND f = Frame(); return f && IsWindowVisible(f); }, ms);
        Sleep(300);  // let the first paint reach the screen
        return ok ? 0 : 1;
    }
    if (std::strcmp(argv[1], "close-frame") == 0) {
        if (HWND f = Frame()) PostMessageA(f, WM_CLOSE, 0, 0);
        return Poll([] { return Frame() == nullptr; }, ms) ? 0 : 1;
    }
    if (std::strcmp(argv[1], "command") == 0 && argc > 2) {
        HWND f = Frame();
        return f && PostMessageA(f, WM_COMMAND, static_cast<WPARAM>(std::atoi(argv[2])), 0) ? 0 : 1;
    }
    return 2;
}
