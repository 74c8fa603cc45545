#include "work_rules.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

namespace {
bool EndsWith(const wchar_t* path, const wchar_t* ext) {
    const size_t n = std::wcslen(path), e = std::wcslen(ext);
    if (n < e) return false;
    for (size_t i = 0; i < e; ++i) {
        wchar_t c = path[n - e + i];
        if (c >= L'A' && c <= L'Z') c = static_cast<wchar_t>(c - L'A' + L'a');
        if (c != ext[i]) return false;
    }
    return true;
}
}  // namespace

CaptureFormat ChooseCaptureFormat(const wchar_t* path, unsigned filterIndex) {
    if (EndsWith(path, L".png")) return CaptureFormat::png;
    if (EndsWith(path, L".bmp")) return CaptureFormat::bmp;
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
