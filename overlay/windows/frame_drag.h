// Moving and resizing the frame by hand: the back pane's drag, the two-window move and the
// resize step.
#pragma once
#include <windows.h>

// The pointer's position on the screen.
POINT Pointer();
// Moves frame and back pane together.
void MoveWindowSet(int dx, int dy);
// One resize step of the given edges; live 0 is the final step, which aligns the back pane.
void ResizeFrameStep(int dx, int dy, int edges, int live);

// The back pane's mouse cases. A press and release inside the frame with no movement between
// is a click, which calls the navigation grip. A release with no drag begun does nothing.
void BeginDrag();
void ContinueDrag();
void EndDrag();
// The capture went to another window in the middle of a drag: end it as a release would.
void AbandonDrag(HWND newCapture);
// A key's resize: the step applied twice to the right and bottom edges, the back pane aligned
// after the second.
void ResizeFrameByKey(int dx, int dy);
