#include "display_affinity.h"

#include "dimming.h"
#include "system_function.h"
#include "window_set.h"
#include "work_rules.h"

uint32_t WindowsBuild() {
    using GetVersion = LONG WINAPI(OSVERSIONINFOW*);
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof version;
    auto* get = SystemFunction<GetVersion>("ntdll.dll", "RtlGetVersion");
    return get && get(&version) == 0 ? version.dwBuildNumber : 0;
}

namespace {
auto* AffinitySetter() { return SystemFunction<decltype(SetWindowDisplayAffinity)>("user32.dll", "SetWindowDisplayAffinity"); }
}  // namespace

void ApplyDisplayAffinity(uint32_t ext) {
    const int affinity = DisplayAffinityToSet(ext, WindowsBuild(), g_windows.excludedFromCaptures);
    auto* set = AffinitySetter();
    if (affinity < 0 || !set) return;
    bool applied = false;
    for (HWND w : {g_windows.frame, g_windows.back, g_windows.grip, g_windows.sizeLabel, g_dimming.strips[0],
                   g_dimming.strips[1], g_dimming.strips[2], g_dimming.strips[3]})
        if (w && set(w, static_cast<DWORD>(affinity))) applied = true;
    if (applied) g_windows.excludedFromCaptures = affinity != 0;
}

void JoinDisplayAffinity(HWND window) {
    auto* set = AffinitySetter();
    if (g_windows.excludedFromCaptures && set) set(window, 0x11);
}
