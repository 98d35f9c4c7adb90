#pragma once
// Dragging a caption or a border: a loop that follows the mouse until the
// button goes up, telling the window with WM_MOVING or WM_SIZING first.
#include <platform/types.h>

namespace platform::detail {

// HTCAPTION moves; a border code (HTLEFT ... HTBOTTOMRIGHT) sizes.
void RunSizeMoveLoop(HWND window, LRESULT hit);

}  // namespace platform::detail
