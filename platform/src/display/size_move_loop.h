#pragma once
// Dragging a caption or a border: a loop that follows the mouse until the
// button goes up, telling the window with WM_MOVING or WM_SIZING first.
#include <platform/types.h>

namespace platform::detail {

// HTCAPTION moves; a border code (HTLEFT ... HTBOTTOMRIGHT) sizes. The
// drag counts from the screen point where the button went down.
void RunSizeMoveLoop(HWND window, LRESULT hit, POINT start);

}  // namespace platform::detail
