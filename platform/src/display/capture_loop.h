#pragma once
// The loops that follow the mouse while a window holds the capture (moving,
// sizing, scroll bars): what they take and what they let through.
#include <platform/messaging.h>

namespace platform::detail {

// The next message while the window still holds the capture; false once it
// lost it, or at WM_QUIT, which is posted again for the outer loop.
bool NextCapturedMessage(HWND window, MSG& msg);
// Everything but mouse input goes on as usual while such a loop runs.
void DispatchUnlessMouse(MSG& msg);

}  // namespace platform::detail
