#pragma once
// A window's own scroll bars: their parts, their look, and the tracking a
// press on one runs, telling the window with WM_HSCROLL or WM_VSCROLL.
#include "display_state.h"
#include "region.h"
#include "surface.h"

namespace platform::detail {

enum class ScrollPart
{
    None,
    LineBack,
    LineForward,
    PageBack,
    PageForward,
    Thumb
};

// The parts of a bar, in the coordinates the bar is given in. Without room for a thumb,
// or with nothing to scroll, the thumb and the page areas are empty.
struct ScrollBarParts
{
    RECT lineBack{0, 0, 0, 0};  // the up or left arrow
    RECT lineForward{0, 0, 0, 0};
    RECT pageBack{0, 0, 0, 0};
    RECT pageForward{0, 0, 0, 0};
    RECT thumb{0, 0, 0, 0};
    LONG thumbTravel = 0;  // pixels the thumb can move
};

ScrollBarParts ScrollBarPartsOf(const RECT& bar, bool vertical, const ScrollBarState& state);
ScrollPart ScrollPartAt(const ScrollBarParts& parts, POINT p);
// The last position the view can start at.
int LastScrollPosition(const ScrollBarState& state);

void DrawScrollBar(Surface& surface, const Region& clip, const RECT& bar, bool vertical, const ScrollBarState& state);

// The press at a screen point on the window's bar: a line or page step at
// once and again while the button stays down over it, or the thumb dragged
// with SB_THUMBTRACK and dropped with SB_THUMBPOSITION; SB_ENDSCROLL when
// the button comes up.
void TrackScrollBar(HWND window, bool vertical, POINT screen);

}  // namespace platform::detail
