#pragma once
// Changes of visibility, place, size and window state, with the messages
// and repainting they bring.
#include "display_state.h"

namespace platform::detail {

// Shows or hides without asking; a shown top-level window is activated
// when activate is set.
void SetShown(Window& window, bool shown, bool activate);
// Parent coordinates (screen for a top-level window). Sends WM_SIZE and
// WM_MOVE for what changed and repaints what was and is now covered.
// True when the size changed (WM_SIZE went out).
bool Place(Window& window, const RECT& rect);
void Minimize(Window& window);
void Maximize(Window& window);
void Restore(Window& window);
// WM_SIZE with the window's state and client size.
void SendSize(Window& window);
// The frame changed (a menu bar came or went): the client area follows.
void FrameChanged(Window& window);

// The minimum and maximum sizes the window accepts, asked with WM_GETMINMAXINFO.
struct TrackLimits
{
    POINT minimum;
    POINT maximum;
};
TrackLimits TrackLimitsOf(Window& window);

}  // namespace platform::detail
