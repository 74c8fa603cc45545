#include "layout_file.h"

#include <windows.h>

#include "settings_file.h"

namespace {
constexpr char kSection[] = "LAYOUT";

// The key of a slot, "1" to "9"; false for any other number.
bool SlotKey(int number, char (&key)[2]) {
    if (number < 1 || number > kLayoutSlotCount) return false;
    key[0] = static_cast<char>('0' + number);
    key[1] = '\0';
    return true;
}
}  // namespace

int ReadLayoutSlot(const char* path, int number, uint32_t offeredMasks, LayoutSlot& out) {
    char key[2], text[kLayoutSlotTextMax + 16];
    if (!path || !SlotKey(number, key)) return 0;
    const DWORD n = GetPrivateProfileStringA(kSection, key, "", text, sizeof text, path);
    // A value that fills the buffer was cut short: it is no slot, whatever its start reads.
    if (n == 0 || n >= sizeof text - 1) return 0;
    return ParseLayoutSlot(text, offeredMasks, out) ? 1 : 0;
}

int StoreLayoutSlot(const char* path, int number, const LayoutSlot& slot) {
    char key[2], text[kLayoutSlotTextMax];
    if (!path || !SlotKey(number, key) || !FormatLayoutSlot(slot, text, sizeof text)) return 0;
    return WritePrivateProfileStringA(kSection, key, text, path) ? 1 : 0;
}

int LoadLayoutSlot(int number, uint32_t offeredMasks, LayoutSlot& out) {
    char path[MAX_PATH];
    return SettingsFilePath(path) ? ReadLayoutSlot(path, number, offeredMasks, out) : 0;
}

int SaveLayoutSlot(int number, const LayoutSlot& slot) {
    char path[MAX_PATH];
    return SettingsFilePath(path) ? StoreLayoutSlot(path, number, slot) : 0;
}
