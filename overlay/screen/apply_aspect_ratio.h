// Gives the guide frame a width-to-height ratio.
#pragma once

// Keeps the frame's top-left corner and the side the ratio a:b keeps (AspectSize); the back
// pane follows the frame. Neither repaints nor touches the variant.
void ApplyAspectRatio(int a, int b);
