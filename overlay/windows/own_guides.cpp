#include "own_guides.h"

#include <cstdio>
#include <string>
#include <string_view>

#include "../../settings/ini_text.h"
#include "../../settings/settings_file.h"
#include "frame_geometry.h"
#include "window_dpi.h"
#include "window_set.h"

OwnGuides g_ownGuides{{}, kNoLine, kNoLine, {}, {}};

namespace {
constexpr char kSection[] = "GUIDES", kSlotSection[] = "LAYOUTGUIDES";
constexpr char kAxisKeys[2][2] = {"V", "H"};
constexpr wchar_t kMissing[] = L"-";  // no such key, as against a key with no lines
constexpr int kSlots = kLayoutSlotCount;

// The keys of a slot's lines, "1V" and "1H" for slot 1.
struct SlotKeys {
    char text[2][4];
    const char* names[2];
    explicit SlotKeys(int number) {
        for (int axis : {kOwnVertical, kOwnHorizontal}) {
            std::snprintf(text[axis], sizeof text[axis], "%d%s", number, kAxisKeys[axis]);
            names[axis] = text[axis];
        }
    }
};
const char* const kLineKeys[2] = {kAxisKeys[0], kAxisKeys[1]};

struct ClientView {
    Rect frame;   // the window on the screen
    POINT origin; // the client's (0, 0) on the screen
    int w, h;
};

ClientView View() {
    RECT r{}, c{};
    GetWindowRect(g_windows.frame, &r);
    GetClientRect(g_windows.frame, &c);
    POINT origin{0, 0};
    ClientToScreen(g_windows.frame, &origin);
    return {{r.left, r.top, r.right, r.bottom}, origin, c.right, c.bottom};
}

int Side(const ClientView& v, int axis) { return axis == kOwnVertical ? v.w : v.h; }
int Along(POINT p, const ClientView& v, int axis) { return axis == kOwnVertical ? p.x - v.origin.x : p.y - v.origin.y; }
bool InFrame(POINT p, const ClientView& v) {
    return p.x >= v.frame.left && p.x < v.frame.right && p.y >= v.frame.top && p.y < v.frame.bottom;
}

void Repaint() { InvalidateRect(g_windows.frame, nullptr, TRUE); }

// Reads both axes under the given keys; false when neither key is in the file.
bool ReadLines(const std::wstring& path, const char* section, const char* const keys[2], OwnLines& out) {
    bool found = false;
    OwnLines read{};
    const std::wstring wideSection(section, section + lstrlenA(section));
    for (int axis : {kOwnVertical, kOwnHorizontal}) {
        const std::wstring key(keys[axis], keys[axis] + lstrlenA(keys[axis]));
        wchar_t wide[256];
        GetPrivateProfileStringW(wideSection.c_str(), key.c_str(), kMissing, wide, 256, path.c_str());
        if (lstrcmpW(wide, kMissing) == 0) continue;
        found = true;
        char text[256];
        int i = 0;
        for (; wide[i]; ++i) text[i] = wide[i] < 0x80 ? static_cast<char>(wide[i]) : '?';  // the lines are ASCII
        text[i] = '\0';
        read.count[axis] = ParseOwnLineList(text, read.at[axis]);
    }
    if (found) out = read;
    return found;
}

// The settings text with both axes' keys set to the lines.
std::string WithLines(std::string_view text, const char* section, const char* const keys[2], const OwnLines& lines) {
    std::string edited(text);
    for (int axis : {kOwnVertical, kOwnHorizontal}) {
        char list[kOwnLineTextMax];
        FormatOwnLineList(lines.at[axis], lines.count[axis], list, sizeof list);
        edited = SetIniKey(edited, section, keys[axis], list);
    }
    return edited;
}

// What every change ends with: the picture, and the file, so that the editor's reload finds the
// lines as they are.
void Changed() {
    Repaint();
    SaveOwnLines();
}
}  // namespace

bool OwnLinesOffered() { return (static_cast<uint32_t>(g_settings.Ext) & kOwnLinesExt) != 0; }

void ReadOwnLinesFrom(const wchar_t* path, OwnGuides& out) {
    out = {{}, kNoLine, kNoLine, {}, {}};
    if (!path || !path[0]) return;
    const std::wstring file = LongPathForm(path);
    ReadLines(file, kSection, kLineKeys, out.lines);
    for (int i = 0; i < kSlots; ++i) out.slotHeld[i] = ReadLines(file, kSlotSection, SlotKeys(i + 1).names, out.slots[i]);
}

int WriteOwnLinesTo(const wchar_t* path, const OwnLines& lines) {
    if (!path || !path[0]) return 0;
    return ReplaceSettingsFile(path, nullptr, [&](std::string_view text) { return WithLines(text, kSection, kLineKeys, lines); });
}

void LoadOwnLines() {
    const std::wstring path = OwnLinesOffered() ? FindSettingsFiles().read : std::wstring();
    ReadOwnLinesFrom(path.c_str(), g_ownGuides);
}

int SaveOwnLines() {
    if (!OwnLinesOffered()) return 1;
    return ReplaceSettingsFile([](std::string_view text) { return WithLines(text, kSection, kLineKeys, g_ownGuides.lines); });
}

void AddOwnLineAt(int axis, POINT screen) {
    if (!OwnLinesOffered()) return;
    const ClientView v = View();
    const int side = Side(v, axis);
    const int at = InFrame(screen, v) ? OwnLinePlace(Along(screen, v, axis), side) : kOwnLineScale / 2;
    if (AddOwnLine(g_ownGuides.lines, axis, at).axis >= 0) Changed();
}

void ClearOwnLines() {
    if (!OwnLinesOffered()) return;
    g_ownGuides.lines = {};
    g_ownGuides.selected = g_ownGuides.dragged = kNoLine;
    Changed();
}

void SelectNextOwnLine() {
    g_ownGuides.selected = NextOwnLine(g_ownGuides.lines, g_ownGuides.selected);
    Repaint();
}

void ClearOwnLineSelection() {
    g_ownGuides.selected = kNoLine;
    Repaint();
}

void MoveSelectedOwnLine(int dx, int dy) {
    const LineRef s = g_ownGuides.selected;
    if (s.axis < 0 || s.index >= g_ownGuides.lines.count[s.axis]) return;
    int& at = g_ownGuides.lines.at[s.axis][s.index];
    const ClientView v = View();
    const int moved = StepOwnLine(at, Side(v, s.axis), s.axis == kOwnVertical ? dx : dy);
    // Two lines on one place would be one line: the step stops short of it.
    for (int i = 0; i < g_ownGuides.lines.count[s.axis]; ++i)
        if (i != s.index && g_ownGuides.lines.at[s.axis][i] == moved) return;
    at = moved;
    Changed();
}

void DeleteSelectedOwnLine() {
    RemoveOwnLine(g_ownGuides.lines, g_ownGuides.selected, g_ownGuides.selected);
    Changed();
}

namespace {
// The line a press at a screen point would take, or kNoLine.
LineRef LineUnder(POINT screen) {
    if (!OwnLinesOffered()) return kNoLine;
    const ClientView v = View();
    const unsigned dpi = WindowDpi(g_windows.frame);
    return GrabOwnLine(g_ownGuides.lines, v.w, v.h, v.frame, {screen.x, screen.y},
                       {screen.x - v.origin.x, screen.y - v.origin.y}, ScaleForDpi(kEdgeZone, dpi),
                       ScaleForDpi(kOwnLineGrab, dpi));
}
}  // namespace

int OwnLineCursor(POINT screen) {
    const LineRef hit = LineUnder(screen);
    if (hit.axis < 0) return 0;
    return hit.axis == kOwnVertical ? kSizeWE : kSizeNS;
}

bool BeginOwnLineDrag(POINT screen) {
    g_ownGuides.dragged = LineUnder(screen);
    return g_ownGuides.dragged.axis >= 0;
}

void ContinueOwnLineDrag(POINT screen) {
    const LineRef d = g_ownGuides.dragged;
    if (d.axis < 0 || d.index >= g_ownGuides.lines.count[d.axis]) return;
    const ClientView v = View();
    const int at = OwnLinePlace(Along(screen, v, d.axis), Side(v, d.axis));
    int* line = g_ownGuides.lines.at[d.axis];
    for (int i = 0; i < g_ownGuides.lines.count[d.axis]; ++i)
        if (i != d.index && line[i] == at) return;  // it waits beside another line rather than merge
    if (line[d.index] == at) return;
    line[d.index] = at;
    Repaint();
}

void EndOwnLineDrag(POINT screen) {
    const LineRef d = g_ownGuides.dragged;
    g_ownGuides.dragged = kNoLine;
    if (d.axis < 0) return;
    if (!InFrame(screen, View())) RemoveOwnLine(g_ownGuides.lines, d, g_ownGuides.selected);
    Changed();
}

void StoreSlotOwnLines(int number) {
    if (!OwnLinesOffered() || number < 1 || number > kSlots) return;
    g_ownGuides.slots[number - 1] = g_ownGuides.lines;
    g_ownGuides.slotHeld[number - 1] = true;
    const SlotKeys keys(number);
    ReplaceSettingsFile([&](std::string_view text) { return WithLines(text, kSlotSection, keys.names, g_ownGuides.lines); });
}

void RecallSlotOwnLines(int number) {
    if (!OwnLinesOffered() || number < 1 || number > kSlots || !g_ownGuides.slotHeld[number - 1]) return;
    g_ownGuides.lines = g_ownGuides.slots[number - 1];
    g_ownGuides.selected = g_ownGuides.dragged = kNoLine;
    Changed();
}
