#pragma once
// The SDL window that shows a top-level window on the desktop display, for
// tests that play the desktop's part with SDL events.
#include <platform/types.h>

#include <SDL.h>

namespace platform::detail {

// Null when the desktop display does not run or does not show the window.
SDL_Window* SdlWindowOf(HWND window);

}  // namespace platform::detail
