// The overlay's entry point.
#include "menus/guide_frame.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int showCommand) {
    return RunOverlay(instance, showCommand);
}
