// Moving and resizing the frame by hand: the back pane's drag, the two-window move, the resize
// step, and the overlay's keyboard handler.
#pragma once
#include <windows.h>

struct DragState {
    int mode;    // 0 idle, edge flags for a resize, kDragMove for a move
    int cursor;  // system cursor id chosen at button-down; 0 for a move
    POINT last;  // pointer at button-down and after every handled drag move
    bool moved;  // the pointer moved since button-down
};
extern DragState g_drag;

// The pointer's position on the screen.
POINT Pointer();
// Classifies the pointer against the frame and sets the sizing cursor; record starts a drag.
void HitTestFrame(int record);
// Moves frame and back pane together.
void MoveWindowSet(int dx, int dy);
// One resize step of the given edges; live 0 is the final step, which aligns the back pane.
void ResizeFrameStep(int dx, int dy, int edges, int live);

// The back pane's mouse cases. A press and release inside the frame with no movement between
// is a click, which calls the navigation grip.
void BeginDrag();
void ContinueDrag();
void EndDrag();
// The capture went to another window in the middle of a drag: end it as a release would.
void AbandonDrag(HWND newCapture);

// Every key press of the overlay (repeats included).
void HandleOverlayKey(unsigned virtualKey);
