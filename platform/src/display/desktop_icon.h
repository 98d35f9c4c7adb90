#pragma once
// The icon a top-level window shows on the desktop: its big icon, else its
// small one, else its class's, whichever has pixels.
#include "display_state.h"

namespace platform::detail {

// Tells the display, once the window is open there.
void ShowDesktopIcon(Window& topLevel);

}  // namespace platform::detail
