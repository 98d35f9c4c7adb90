#pragma once
// What the desktop tells about the screen and the keyboard.
#include <platform/types.h>

// The usable part of the screen, where the main window is kept.
void GetWorkArea(RECT& area);

// Bit 0 Shift, bit 1 Ctrl, bit 2 Alt, as of the input message last retrieved.
int GetModifierKeys();
