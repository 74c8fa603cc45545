#include "display_affinity.h"

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

void ApplyDisplayAffinity(uint32_t ext) {
    const int affinity = DisplayAffinityToSet(ext, WindowsBuild(), g_windows.excludedFromCaptures);
    auto* set = SystemFunction<decltype(SetWindowDisplayAffinity)>("user32.dll", "SetWindowDisplayAffinity");
    if (affinity < 0 || !set) return;
    bool applied = false;
    for (HWND w : {g_windows.frame, g_windows.back, g_windows.grip, g_windows.sizeLabel})
        if (w && set(w, static_cast<DWORD>(affinity))) applied = true;
    if (applied) g_windows.excludedFromCaptures = affinity != 0;
}
