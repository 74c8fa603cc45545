// Names of virtual-key codes, as the settings dialog's key edit shows them. Platform-free.
#pragma once

#include "../settings/texts.h"

constexpr int kKeyNameMax = 24;  // the longest name, "Middle Mouse Button", and its zero

// Writes the name of a virtual-key code (0 to 255) in the language into name, which holds
// kKeyNameMax bytes, and returns 1. Returns 0 and leaves name untouched when the code has no name.
int FormatKeyName(unsigned code, char* name, Language language);
