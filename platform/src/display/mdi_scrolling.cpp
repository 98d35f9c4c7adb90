// The MDI client's scroll bars: the range is the union of the visible
// children and the client area, and scrolling moves every child.
#include "mdi_client.h"

#include "geometry.h"
#include "paint_state.h"
#include "scroll_bars.h"
#include "window_ops.h"

#include <platform/input.h>

namespace platform::detail {
namespace {

inline constexpr int kLine = 16;
inline constexpr int kWheelLines = 3;

struct Extent
{
    RECT rect{0, 0, 0, 0};  // client coordinates
    bool maximized = false;
};

Extent ChildrenExtent(const MdiClientState& state)
{
    Extent extent;
    for (HWND handle : state.children) {
        auto child = FindWindowRecord(handle);
        if (!child || !(child->style & WS_VISIBLE))
            continue;
        extent.rect = Union(extent.rect, WindowRectInParent(*child));
        extent.maximized = extent.maximized || StateOf(*child).maximized;
    }
    return extent;
}

struct Bars
{
    bool across = false;
    bool down = false;
};

// Where the style allows a bar and the children reach out; a maximised
// child fills the client, so no bars then.
Bars BarsNeeded(DWORD style, const Extent& extent, LONG width, LONG height)
{
    Bars bars;
    if (extent.maximized || IsEmpty(extent.rect))
        return bars;
    // A bar takes room from the other direction, so a second look may need it too.
    for (int look = 0; look < 2; ++look) {
        LONG w = width - (bars.down ? kScrollBarSize : 0);
        LONG h = height - (bars.across ? kScrollBarSize : 0);
        bars.across = bars.across || ((style & WS_HSCROLL) && (extent.rect.left < 0 || extent.rect.right > w));
        bars.down = bars.down || ((style & WS_VSCROLL) && (extent.rect.top < 0 || extent.rect.bottom > h));
    }
    return bars;
}

bool operator!=(const ScrollBarState& a, const ScrollBarState& b)
{
    return a.shown != b.shown || a.minimum != b.minimum || a.maximum != b.maximum || a.page != b.page ||
           a.position != b.position;
}

void MoveChildren(HWND client, LONG dx, LONG dy)
{
    MdiClientState* state = FindMdiClient(client);
    if (!state)
        return;
    state->arranging = true;
    for (HWND handle : std::vector<HWND>(state->children))
        if (auto child = FindWindowRecord(handle))
            Place(*child, Offset(WindowRectInParent(*child), dx, dy));
    if (MdiClientState* still = FindMdiClient(client))
        still->arranging = false;
    UpdateMdiScrollBars(client);
}

}  // namespace

void UpdateMdiScrollBars(HWND client)
{
    MdiClientState* state = FindMdiClient(client);
    auto window = FindWindowRecord(client);
    if (!state || !window || window->destroying || state->arranging || !(window->style & (WS_HSCROLL | WS_VSCROLL)))
        return;
    DisplayState& display = StateOf(*window);
    RECT inner = ClientRectInWindow(*window);
    LONG width = inner.right - inner.left + (display.scrollBars[1].shown ? kScrollBarSize : 0);
    LONG height = inner.bottom - inner.top + (display.scrollBars[0].shown ? kScrollBarSize : 0);
    Extent extent = ChildrenExtent(*state);
    Bars bars = BarsNeeded(window->style, extent, width, height);
    RECT view{0, 0, width - (bars.down ? kScrollBarSize : 0), height - (bars.across ? kScrollBarSize : 0)};
    RECT whole = Union(extent.maximized ? RECT{} : extent.rect, view);
    // Positions count from the far left (top) of what can be shown.
    ScrollBarState across{bars.across, 0, whole.right - whole.left - 1, view.right, view.left - whole.left};
    ScrollBarState down{bars.down, 0, whole.bottom - whole.top - 1, view.bottom, view.top - whole.top};
    bool resized = display.scrollBars[0].shown != bars.across || display.scrollBars[1].shown != bars.down;
    bool changed = display.scrollBars[0] != across || display.scrollBars[1] != down;
    display.scrollBars[0] = across;
    display.scrollBars[1] = down;
    if (resized) {
        state->arranging = true;
        SendSize(*window);
        if (MdiClientState* still = FindMdiClient(client))
            still->arranging = false;
        if (IsWindow(client) && IsShown(*window))
            ExposeWindow(*window);
    } else if (changed && (bars.across || bars.down)) {
        InvalidateFrame(*window);
    }
}

void MdiScroll(HWND client, bool vertical, WORD code, int thumbPosition)
{
    auto window = FindWindowRecord(client);
    if (!window || !FindMdiClient(client) || !ShowsScrollBar(*window, vertical))
        return;
    const ScrollBarState bar = StateOf(*window).scrollBars[vertical ? 1 : 0];
    int target = bar.position;
    switch (code) {
    case SB_LINEUP: target -= kLine; break;
    case SB_LINEDOWN: target += kLine; break;
    case SB_PAGEUP: target -= bar.page; break;
    case SB_PAGEDOWN: target += bar.page; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: target = thumbPosition; break;
    case SB_TOP: target = bar.minimum; break;
    case SB_BOTTOM: target = LastScrollPosition(bar); break;
    default: return;
    }
    int step = std::clamp(target, bar.minimum, LastScrollPosition(bar)) - bar.position;
    if (step != 0)
        MoveChildren(client, vertical ? 0 : -step, vertical ? -step : 0);
}

void MdiWheel(HWND client, WPARAM wParam)
{
    auto window = FindWindowRecord(client);
    MdiClientState* state = FindMdiClient(client);
    if (!window || !state)
        return;
    bool sideways = (LOWORD(wParam) & MK_SHIFT) || !ShowsScrollBar(*window, true);
    // Turning away from the user scrolls up (left).
    state->wheelRest += GET_WHEEL_DELTA_WPARAM(wParam) * kWheelLines;
    int lines = state->wheelRest / WHEEL_DELTA;
    state->wheelRest -= lines * WHEEL_DELTA;
    UINT message = sideways ? WM_HSCROLL : WM_VSCROLL;
    for (int i = 0; i < std::abs(lines) && IsWindow(client); ++i)
        SendMessageA(client, message, lines > 0 ? SB_LINEUP : SB_LINEDOWN, 0);
}

bool MdiScrollKey(HWND client, UINT key, bool shift)
{
    auto window = FindWindowRecord(client);
    if (!window || !FindMdiClient(client))
        return false;
    bool vertical = !shift;
    WORD code;
    switch (key) {
    case VK_UP:
        vertical = true;
        code = SB_LINEUP;
        break;
    case VK_DOWN:
        vertical = true;
        code = SB_LINEDOWN;
        break;
    case VK_LEFT:
        vertical = false;
        code = SB_LINELEFT;
        break;
    case VK_RIGHT:
        vertical = false;
        code = SB_LINERIGHT;
        break;
    case VK_PRIOR: code = SB_PAGEUP; break;
    case VK_NEXT: code = SB_PAGEDOWN; break;
    case VK_HOME: code = SB_TOP; break;
    case VK_END: code = SB_BOTTOM; break;
    default: return false;
    }
    if (!ShowsScrollBar(*window, vertical))
        return false;
    SendMessageA(client, vertical ? WM_VSCROLL : WM_HSCROLL, code, 0);
    return true;
}

}  // namespace platform::detail
