// The fit: the frame grown outward to the edges of the content around it.
#pragma once

// Grows the frame outward, all four sides at once, to where the content beside it changes,
// or leaves it unchanged. Does nothing while a capture holds the snapshot.
void FitFrameToContent();
