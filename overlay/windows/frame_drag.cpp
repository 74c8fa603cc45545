#include "frame_drag.h"

#include "dimming.h"
#include "frame_geometry.h"
#include "navigation_grip.h"
#include "own_guides.h"
#include "window_dpi.h"
#include "window_set.h"

namespace {
// The drag of one of the person's own lines.
constexpr int kDragLine = 16;

struct DragState {
    int mode;    // 0 idle, edge flags for a resize, kDragMove for a move, kDragLine
    int cursor;  // system cursor id chosen at button-down; 0 for a move
    POINT last;  // pointer at button-down and after every handled drag move
    bool moved;  // the pointer moved since button-down
};
DragState g_drag{};

bool Held(int virtualKey) { return (GetAsyncKeyState(virtualKey) & 0x8000) != 0; }

Rect FrameRect() {
    RECT r;
    GetWindowRect(g_windows.frame, &r);
    return {r.left, r.top, r.right, r.bottom};
}

void ShowSizingCursor(int id) { SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(id))); }

// Classifies the pointer against the frame and sets the sizing cursor; record starts a drag.
void HitTestFrame(int record) {
    const POINT p = Pointer();
    const ZoneHit hit = ClassifyPointer(FrameRect(), {p.x, p.y}, ScaleForDpi(kEdgeZone, WindowDpi(g_windows.frame)));
    if (g_drag.mode == kDragLine) {  // the line's cursor stays for the whole drag
        ShowSizingCursor(g_drag.cursor);
        return;
    }
    const int line = g_drag.mode ? 0 : OwnLineCursor(p);
    if (line) ShowSizingCursor(line);
    if (record == 1 && line && BeginOwnLineDrag(p)) {
        g_drag.mode = kDragLine;
        g_drag.cursor = line;
        return;
    }
    const int entry = kZoneCursors[hit.zoneIndex];
    // During a resize every edge zone shows the cursor of the zone where the drag began.
    if (entry) ShowSizingCursor(g_drag.cursor ? g_drag.cursor : entry);
    if (record == 1) {
        g_drag.mode = hit.dragMode;
        g_drag.cursor = entry;
    }
}

// The final step of a resize, or nothing for a move; then back to idle.
void FinishDrag() {
    if (g_drag.mode == kDragLine) {
        EndOwnLineDrag(Pointer());
    } else if (g_drag.mode != kDragMove) {
        const POINT p = Pointer();
        ResizeFrameStep(p.x - g_drag.last.x, p.y - g_drag.last.y, g_drag.mode, 0);
        g_windows.frameSync = 0;
    }
    g_drag.mode = 0;
    g_drag.cursor = 0;
}
}  // namespace

POINT Pointer() {
    POINT p{};
    GetCursorPos(&p);
    return p;
}

void MoveWindowSet(int dx, int dy) {
    const Rect r = FrameRect();
    const int x = r.left + dx, y = r.top + dy;
    g_windows.frameSync = 1;
    // Frame, back pane and dimming in one batch, so that they never part on the screen.
    HDWP batch = BeginDeferWindowPos(2 + kDimStrips);
    if (batch) batch = DeferWindowPos(batch, g_windows.frame, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
    if (batch) batch = DeferWindowPos(batch, g_windows.back, g_windows.frame, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    if (batch) batch = DeferDimming(batch, {x, y, x + r.right - r.left, y + r.bottom - r.top});
    if (!batch || !EndDeferWindowPos(batch)) {
        SetWindowPos(g_windows.frame, HWND_TOPMOST, x, y, 0, 0, SWP_NOSIZE);
        SetWindowPos(g_windows.back, g_windows.frame, x, y, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
        FollowFrameWithDimming();
    }
    g_windows.frameSync = 0;
}

void ResizeFrameStep(int dx, int dy, int edges, int live) {
    const POINT p = Pointer();
    const bool keepDifference = g_drag.mode != 0 && Held(VK_CONTROL);
    const Rect r = FrameRect();
    const ResizePlacement step = ComputeResizeStep(r, dx, dy, edges, live == 1, {p.x, p.y}, keepDifference);
    const UINT flags = (step.move ? 0 : SWP_NOMOVE) | (step.size ? 0 : SWP_NOSIZE);
    const int x = step.move ? step.x : r.left, y = step.move ? step.y : r.top;
    const int w = step.size ? step.w : r.right - r.left, h = step.size ? step.h : r.bottom - r.top;
    // The dimming follows in the same batch; a frame placed by anyone else takes it along itself.
    HDWP batch = g_windows.frameSync ? BeginDeferWindowPos(1 + kDimStrips) : nullptr;
    if (batch) batch = DeferWindowPos(batch, g_windows.frame, HWND_TOPMOST, step.x, step.y, step.w, step.h, flags);
    if (batch) batch = DeferDimming(batch, {x, y, x + w, y + h});
    if (!batch || !EndDeferWindowPos(batch)) {
        SetWindowPos(g_windows.frame, HWND_TOPMOST, step.x, step.y, step.w, step.h, flags);
        if (g_windows.frameSync) FollowFrameWithDimming();
    }
    InvalidateRect(g_windows.frame, nullptr, TRUE);
    if (live != 0) return;
    ShowBackPane();
    InvalidateRect(g_windows.back, nullptr, TRUE);
}

void BeginDrag() {
    HitTestFrame(1);
    g_drag.last = Pointer();
    g_drag.moved = false;
    SetCapture(g_windows.back);
}

void ContinueDrag() {
    HitTestFrame(0);
    if (!g_drag.mode) return;
    const POINT p = Pointer();
    if (p.x == g_drag.last.x && p.y == g_drag.last.y) return;
    g_drag.moved = true;
    if (g_drag.mode == kDragLine) {
        ContinueOwnLineDrag(p);
    } else if (g_drag.mode == kDragMove) {
        MoveWindowSet(p.x - g_drag.last.x, p.y - g_drag.last.y);
    } else {
        g_windows.frameSync = 1;
        ResizeFrameStep(p.x - g_drag.last.x, p.y - g_drag.last.y, g_drag.mode, 1);
    }
    g_drag.last = p;
}

void EndDrag() {
    if (!g_drag.mode) return;
    const bool click = g_drag.mode == kDragMove && !g_drag.moved;
    FinishDrag();
    ReleaseCapture();
    if (click) ArmGripShow();
}

void AbandonDrag(HWND newCapture) {
    if (g_drag.mode && newCapture != g_windows.back) FinishDrag();
}

void ResizeFrameByKey(int dx, int dy) {
    g_windows.frameSync = 1;
    ResizeFrameStep(dx, dy, kEdgeRight | kEdgeBottom, 1);
    ResizeFrameStep(dx, dy, kEdgeRight | kEdgeBottom, 0);
    g_windows.frameSync = 0;
}
