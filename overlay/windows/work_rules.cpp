#include "work_rules.h"

#include <algorithm>
#include <cstring>

namespace {
bool EndsWith(const char* path, const char* ext) {
    const size_t n = std::strlen(path), e = std::strlen(ext);
    if (n < e) return false;
    for (size_t i = 0; i < e; ++i) {
        char c = path[n - e + i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
        if (c != ext[i]) return false;
    }
    return true;
}
}  // namespace

CaptureFormat ChooseCaptureFormat(const char* path, unsigned filterIndex) {
    if (EndsWith(path, ".png")) return CaptureFormat::png;
    if (EndsWith(path, ".bmp")) return CaptureFormat::bmp;
    return filterIndex == 2 ? CaptureFormat::bmp : CaptureFormat::png;
}

int DisplayAffinityToSet(uint32_t ext, uint32_t build, bool excludedNow) {
    if (build < kFirstBuildExcludingFromCapture) return -1;
    if (ext & kHideFromCapturesExt) return 0x11;
    return excludedNow ? 0 : -1;
}

std::string SizeLabelText(int w, int h) { return std::to_string(w) + " × " + std::to_string(h); }

Rect SizeLabelPlace(const Rect& frame, int labelW, int labelH, const Rect& workArea) {
    constexpr int kGap = 4;
    int x = frame.left, y = frame.bottom + kGap;
    if (y + labelH > workArea.bottom) y = frame.top - kGap - labelH;
    if (y < workArea.top) {
        y = frame.bottom - kGap - labelH;
        x += kGap;
    }
    x = std::max(workArea.left, std::min(x, workArea.right - labelW));
    y = std::max(workArea.top, std::min(y, workArea.bottom - labelH));
    return {x, y, x + labelW, y + labelH};
}
