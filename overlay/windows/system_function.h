// A function of a system DLL that only some commands use: the tray, the save dialog, the
// division dialogs' up-down controls, starting the editor and the editor's key field. The DLL is loaded from the system
// folder at the first use, so that the overlay starts without mapping the shell's and the common
// dialogs' libraries, which a session may never need. Null when it cannot be had; the caller
// then does without, as it does when the call itself fails.
#pragma once
#include <windows.h>

#include <cstring>

template <typename Function>
Function* SystemFunction(const char* dll, const char* name) {
    HMODULE module = GetModuleHandleA(dll);
    if (!module) {
        char path[MAX_PATH];
        const UINT folder = GetSystemDirectoryA(path, MAX_PATH);
        if (!folder || folder + 1 + std::strlen(dll) >= MAX_PATH) return nullptr;
        path[folder] = '\\';
        std::strcpy(path + folder + 1, dll);
        module = LoadLibraryA(path);
    }
    return module ? reinterpret_cast<Function*>(reinterpret_cast<void*>(GetProcAddress(module, name))) : nullptr;
}
