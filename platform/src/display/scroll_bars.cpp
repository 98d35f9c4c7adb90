#include "scroll_bars.h"

#include "../gdi/window_paint.h"
#include "capture_loop.h"
#include "frame.h"
#include "geometry.h"
#include "surface_cairo.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/timer.h>

#include <cstdint>

namespace platform::detail {
namespace {

inline constexpr LONG kMinimumThumb = 8;
// While the button stays down: the first repeat after a pause, then steadily.
inline constexpr UINT kRepeatDelayMs = 400;
inline constexpr UINT kRepeatMs = 50;
inline constexpr UINT_PTR kRepeatTimer = 0xFFF0;

// A stretch along the bar, across its whole thickness.
RECT Stretch(const RECT& bar, bool vertical, LONG from, LONG to)
{
    return vertical ? RECT{bar.left, from, bar.right, to} : RECT{from, bar.top, to, bar.bottom};
}

void DrawButtonFace(Surface& surface, const Region& clip, const RECT& r)
{
    Fill(surface, clip, r, GetSysColor(COLOR_BTNHIGHLIGHT));
    Fill(surface, clip, {r.left + 1, r.top + 1, r.right, r.bottom}, GetSysColor(COLOR_BTNSHADOW));
    Fill(surface, clip, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, GetSysColor(COLOR_BTNFACE));
}

// A filled triangle pointing back (up or left) or forward (down or right).
void DrawArrow(Surface& surface, const Region& clip, const RECT& r, bool vertical, bool forward)
{
    DrawOnSurface(surface, clip, r, [&](cairo_t* cr) {
        double cx = (r.left + r.right) / 2.0, cy = (r.top + r.bottom) / 2.0;
        double reach = std::min(r.right - r.left, r.bottom - r.top) / 4.0;
        double tip = forward ? reach / 2 : -reach / 2;
        if (vertical) {
            cairo_move_to(cr, cx, cy + tip);
            cairo_line_to(cr, cx - reach, cy - tip);
            cairo_line_to(cr, cx + reach, cy - tip);
        } else {
            cairo_move_to(cr, cx + tip, cy);
            cairo_line_to(cr, cx - tip, cy - reach);
            cairo_line_to(cr, cx - tip, cy + reach);
        }
        cairo_close_path(cr);
        gdi::SetColor(cr, GetSysColor(COLOR_BTNTEXT));
        cairo_fill(cr);
    });
}

WORD CodeOf(ScrollPart part)
{
    switch (part) {
    case ScrollPart::LineBack: return SB_LINEUP;
    case ScrollPart::LineForward: return SB_LINEDOWN;
    case ScrollPart::PageBack: return SB_PAGEUP;
    default: return SB_PAGEDOWN;
    }
}

struct BarNow
{
    RECT bar;  // window coordinates
    ScrollBarState state;
    ScrollBarParts parts;
};

BarNow BarOf(Window& window, bool vertical)
{
    FrameLayout layout = LayoutOf(window);
    BarNow now{vertical ? layout.vscroll : layout.hscroll, StateOf(window).scrollBars[vertical ? 1 : 0], {}};
    now.parts = ScrollBarPartsOf(now.bar, vertical, now.state);
    return now;
}

POINT InWindow(const Window& window, POINT screen)
{
    POINT origin = WindowOriginOnScreen(window);
    return {screen.x - origin.x, screen.y - origin.y};
}

}  // namespace

int LastScrollPosition(const ScrollBarState& state)
{
    return std::max(state.minimum, state.maximum - std::max(state.page, 1) + 1);
}

ScrollBarParts ScrollBarPartsOf(const RECT& bar, bool vertical, const ScrollBarState& state)
{
    ScrollBarParts parts;
    LONG start = vertical ? bar.top : bar.left, end = vertical ? bar.bottom : bar.right;
    LONG arrow = std::min<LONG>(kScrollBarSize, (end - start) / 2);
    parts.lineBack = Stretch(bar, vertical, start, start + arrow);
    parts.lineForward = Stretch(bar, vertical, end - arrow, end);
    LONG trackFrom = start + arrow, track = end - arrow - trackFrom;
    std::int64_t total = static_cast<std::int64_t>(state.maximum) - state.minimum + 1;
    if (state.page <= 0 || total <= state.page || track < kMinimumThumb)
        return parts;
    LONG thumb = std::clamp<LONG>(static_cast<LONG>(track * state.page / total), kMinimumThumb, track);
    parts.thumbTravel = track - thumb;
    std::int64_t travel = total - state.page;
    std::int64_t along = std::clamp<std::int64_t>(state.position - state.minimum, 0, travel);
    LONG at = trackFrom + static_cast<LONG>(parts.thumbTravel * along / travel);
    parts.thumb = Stretch(bar, vertical, at, at + thumb);
    parts.pageBack = Stretch(bar, vertical, trackFrom, at);
    parts.pageForward = Stretch(bar, vertical, at + thumb, trackFrom + track);
    return parts;
}

ScrollPart ScrollPartAt(const ScrollBarParts& parts, POINT p)
{
    if (Contains(parts.lineBack, p))
        return ScrollPart::LineBack;
    if (Contains(parts.lineForward, p))
        return ScrollPart::LineForward;
    if (Contains(parts.thumb, p))
        return ScrollPart::Thumb;
    if (Contains(parts.pageBack, p))
        return ScrollPart::PageBack;
    if (Contains(parts.pageForward, p))
        return ScrollPart::PageForward;
    return ScrollPart::None;
}

void DrawScrollBar(Surface& surface, const Region& clip, const RECT& bar, bool vertical, const ScrollBarState& state)
{
    ScrollBarParts parts = ScrollBarPartsOf(bar, vertical, state);
    Fill(surface, clip, bar, GetSysColor(COLOR_SCROLLBAR));
    DrawButtonFace(surface, clip, parts.lineBack);
    DrawArrow(surface, clip, parts.lineBack, vertical, false);
    DrawButtonFace(surface, clip, parts.lineForward);
    DrawArrow(surface, clip, parts.lineForward, vertical, true);
    if (!IsEmpty(parts.thumb))
        DrawButtonFace(surface, clip, parts.thumb);
}

void TrackScrollBar(HWND handle, bool vertical, POINT screen)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return;
    BarNow start = BarOf(*window, vertical);
    ScrollPart part = ScrollPartAt(start.parts, InWindow(*window, screen));
    if (part == ScrollPart::None)
        return;
    UINT message = vertical ? WM_VSCROLL : WM_HSCROLL;
    auto send = [&](WORD code, int position) {
        CallWindow(handle, message, MAKEWPARAM(code, static_cast<WORD>(position)), 0);
    };
    bool dragging = part == ScrollPart::Thumb;
    int dragged = start.state.position;
    POINT pointer = screen;
    if (!dragging)
        send(CodeOf(part), 0);
    if (!IsWindow(handle))
        return;
    SetCapture(handle);
    if (!dragging)
        SetTimer(handle, kRepeatTimer, kRepeatDelayMs, nullptr);
    MSG msg;
    while (NextCapturedMessage(handle, msg)) {
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == handle) {
            pointer = msg.pt;
            if (!dragging || start.parts.thumbTravel <= 0)
                continue;
            LONG moved = vertical ? pointer.y - screen.y : pointer.x - screen.x;
            std::int64_t travel = static_cast<std::int64_t>(LastScrollPosition(start.state)) - start.state.minimum;
            int position = std::clamp(start.state.position + static_cast<int>(moved * travel / start.parts.thumbTravel),
                                      start.state.minimum, LastScrollPosition(start.state));
            if (position == dragged)
                continue;
            dragged = position;
            send(SB_THUMBTRACK, position);
        } else if (msg.message == WM_TIMER && msg.hwnd == handle && msg.wParam == kRepeatTimer) {
            // Only while the pointer stays on the part pressed; a page step
            // stops once the thumb has come under the pointer.
            auto now = FindWindowRecord(handle);
            if (now && ScrollPartAt(BarOf(*now, vertical).parts, InWindow(*now, pointer)) == part)
                send(CodeOf(part), 0);
            if (IsWindow(handle))
                SetTimer(handle, kRepeatTimer, kRepeatMs, nullptr);
        } else if (msg.message == WM_LBUTTONUP) {
            break;
        } else {
            DispatchUnlessMouse(msg);
        }
    }
    if (!IsWindow(handle))
        return;
    KillTimer(handle, kRepeatTimer);
    if (GetCapture() == handle)
        ReleaseCapture();
    if (dragging)
        send(SB_THUMBPOSITION, dragged);
    if (IsWindow(handle))
        send(SB_ENDSCROLL, 0);
}

}  // namespace platform::detail
