#pragma once
// The non-client parts drawn here: borders, captions with their buttons,
// the menu-bar strip, the sunken client edge and the window's own scroll bars.
#include "display_state.h"

namespace platform::detail {

// Window coordinates; an absent part is empty.
struct FrameLayout
{
    LONG border = 0;
    RECT caption{0, 0, 0, 0};
    RECT close{0, 0, 0, 0};
    RECT maximize{0, 0, 0, 0};
    RECT minimize{0, 0, 0, 0};
    RECT menu{0, 0, 0, 0};
    RECT hscroll{0, 0, 0, 0};
    RECT vscroll{0, 0, 0, 0};
    RECT corner{0, 0, 0, 0};  // where both bars meet
    RECT client{0, 0, 0, 0};
};

FrameLayout LayoutOf(const Window& window);
// An HT code for a point in window coordinates.
LRESULT HitTest(const Window& window, POINT inWindow);
void DrawFrame(Window& window);

}  // namespace platform::detail
