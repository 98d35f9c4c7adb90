#pragma once
// The active top-level window, the keyboard focus and the mouse capture.
#include "display_state.h"

namespace platform::detail {

bool IsSameOrInside(HWND ancestor, HWND window);
HWND ActivateTopLevel(HWND window);
// The desktop gave the keyboard to another program: as on a switch to it,
// the active window is told it is inactive and any capture ends.
void DeactivateForDesktop();
HWND CurrentFocus();
HWND CurrentCapture();
HWND CurrentActive();
// The window is about to be hidden or destroyed: focus, capture and
// activation inside it move away.
void LeaveWindow(Window& window, bool destroying);

}  // namespace platform::detail
