// Reading a PNG back through the system's codecs, for the tests of captures and the clipboard.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

// The pixels as top-down rows of 3 * w bytes (blue, green, red); empty when it cannot be read.
std::vector<uint8_t> DecodePng(const std::vector<uint8_t>& png, UINT& w, UINT& h);
