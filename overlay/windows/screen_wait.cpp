#include "screen_wait.h"

#include <algorithm>

void WaitForScreen(DWORD ms) {
    // Wine's X windows have no background: a window that hides leaves its pixels on the window
    // below until this thread handles the X server's expose event, which Wine does only while
    // the thread waits for messages. A plain Sleep would leave the copy reading what was hidden.
    constexpr DWORD kSlice = 10;
    const DWORD start = GetTickCount();
    for (DWORD passed = 0; passed < ms; passed = GetTickCount() - start) {
        const DWORD woken = MsgWaitForMultipleObjects(0, nullptr, FALSE, ms - passed, QS_PAINT);
        if (woken == WAIT_TIMEOUT) return;
        if (woken != WAIT_OBJECT_0) return Sleep(ms - passed);  // the wait failed: the time still passes
        // A paint is waiting, and stays waiting until after the copy: the next wait would end at
        // once, so the thread rests a moment between them.
        Sleep(std::min(kSlice, ms - passed));
    }
}
