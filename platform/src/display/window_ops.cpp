#include "window_ops.h"

#include "activation.h"
#include "backend.h"
#include "geometry.h"
#include "mdi_internal.h"
#include "paint_state.h"

#include <platform/display.h>
#include <platform/kernel.h>

namespace platform::detail {
namespace {

RECT InTopLevel(const Window& window)
{
    POINT origin = OriginInTopLevel(window);
    return Offset(RECT{0, 0, window.width, window.height}, origin.x, origin.y);
}

// A minimised child shows only its caption, along the bottom of its parent.
RECT IconRect(const Window& window)
{
    RECT frame{0, 0, 160, 0};
    FrameParts parts = FramePartsOf(window);
    frame.bottom = parts.caption + 2 * parts.border;
    auto parent = FindWindowRecord(window.parent);
    LONG bottom = parent ? ClientRectInWindow(*parent).bottom - ClientRectInWindow(*parent).top : frame.bottom;
    return Offset(frame, 0, bottom - frame.bottom);
}

RECT MaximizedRect(const Window& window)
{
    if (IsTopLevel(window))
        return Display().WorkArea();
    auto parent = FindWindowRecord(window.parent);
    if (!parent)
        return WindowRectInParent(window);
    RECT client = ClientRectInWindow(*parent);
    return {0, 0, client.right - client.left, client.bottom - client.top};
}

}  // namespace

void SendSize(Window& window)
{
    DisplayState& state = StateOf(window);
    WPARAM kind = state.minimized ? SIZE_MINIMIZED : state.maximized ? SIZE_MAXIMIZED : SIZE_RESTORED;
    RECT client = ClientRectInWindow(window);
    LPARAM size = state.minimized ? 0 : MAKELPARAM(client.right - client.left, client.bottom - client.top);
    CallWindow(window.handle, WM_SIZE, kind, size);
}

void SetShown(Window& window, bool shown, bool activate)
{
    HWND handle = window.handle;
    bool visible = (window.style & WS_VISIBLE) != 0;
    if (visible != shown) {
        if (!shown) {
            LeaveWindow(window, false);
            if (!IsWindow(handle))
                return;
        }
        auto top = TopLevelOf(FindWindowRecord(handle));
        if (!top)
            return;
        RECT area = InTopLevel(window);
        if (shown)
            window.style |= WS_VISIBLE;
        else
            window.style &= ~WS_VISIBLE;
        if (IsTopLevel(window)) {
            if (shown) {
                bool opening = !StateOf(window).surface;
                AttachSurface(window);
                if (opening) {
                    TrackLimits limits = TrackLimitsOf(window);
                    Display().SetMinimumSize(handle, limits.minimum.x, limits.minimum.y);
                }
                ExposeWindow(window);
            }
            if (StateOf(window).surface)
                Display().Show(handle, shown);
        } else {
            ExposeArea(*top, area);
            MdiChildVisibilityChanged(window);
        }
    }
    if (shown && activate && IsTopLevel(window))
        ActivateTopLevel(handle);
}

bool Place(Window& window, const RECT& rect)
{
    HWND handle = window.handle;
    auto top = TopLevelOf(FindWindowRecord(handle));
    bool shown = IsShown(window);
    RECT before = InTopLevel(window);
    RECT oldClient = ClientRectInWindow(window);
    POINT oldClientOrigin{window.x + oldClient.left, window.y + oldClient.top};
    int oldWidth = window.width, oldHeight = window.height;

    window.x = rect.left;
    window.y = rect.top;
    window.width = std::max<LONG>(rect.right - rect.left, 0);
    window.height = std::max<LONG>(rect.bottom - rect.top, 0);
    RECT client = ClientRectInWindow(window);
    bool resized = window.width != oldWidth || window.height != oldHeight ||
                   client.right - client.left != oldClient.right - oldClient.left ||
                   client.bottom - client.top != oldClient.bottom - oldClient.top;
    bool moved = window.x + client.left != oldClientOrigin.x || window.y + client.top != oldClientOrigin.y;

    if (IsTopLevel(window)) {
        if (auto& surface = StateOf(window).surface) {
            surface->Resize(window.width, window.height);
            Display().Place(handle, rect);
        }
        if (shown && resized)
            ExposeWindow(window);
    } else if (shown && top && (resized || moved)) {
        ExposeArea(*top, before);
        ExposeArea(*top, InTopLevel(window));
    }
    if (resized)
        SendSize(window);
    if (moved && IsWindow(handle))
        CallWindow(handle, WM_MOVE, 0, MAKELPARAM(window.x + client.left, window.y + client.top));
    if ((resized || moved) && !IsTopLevel(window))
        UpdateMdiScrollBars(window.parent);  // no-op unless an MDI client
    return resized;
}

void Minimize(Window& window)
{
    DisplayState& state = StateOf(window);
    if (state.minimized)
        return;
    if (!state.maximized)
        state.restoreRect = WindowRectInParent(window);
    LeaveWindow(window, false);
    state.minimized = true;
    if (IsTopLevel(window)) {
        if (state.surface)
            Display().SetState(window.handle, DesktopState::Minimized);
        SendSize(window);
        return;
    }
    if (!Place(window, IconRect(window)))
        SendSize(window);
}

void Maximize(Window& window)
{
    DisplayState& state = StateOf(window);
    if (state.maximized && !state.minimized)
        return;
    if (!state.minimized)
        state.restoreRect = WindowRectInParent(window);
    state.minimized = false;
    state.maximized = true;
    if (IsTopLevel(window) && state.surface)
        Display().SetState(window.handle, DesktopState::Maximized);
    RECT target = MaximizedRect(window);
    TrackLimits limits = TrackLimitsOf(window);
    target.right = target.left + std::min<LONG>(target.right - target.left, limits.maximum.x);
    target.bottom = target.top + std::min<LONG>(target.bottom - target.top, limits.maximum.y);
    if (!Place(window, target))
        SendSize(window);
    if (IsShown(window))
        ExposeWindow(window);
}

void Restore(Window& window)
{
    DisplayState& state = StateOf(window);
    if (!state.minimized && !state.maximized)
        return;
    state.minimized = false;
    state.maximized = false;
    if (IsTopLevel(window) && state.surface)
        Display().SetState(window.handle, DesktopState::Normal);
    if (!Place(window, state.restoreRect))
        SendSize(window);
    if (IsShown(window))
        ExposeWindow(window);
}

void FrameChanged(Window& window)
{
    SendSize(window);
    if (IsShown(window))
        ExposeWindow(window);
}

TrackLimits TrackLimitsOf(Window& window)
{
    MINMAXINFO info{};
    RECT area = Display().WorkArea();
    info.ptMaxSize = {area.right - area.left, area.bottom - area.top};
    info.ptMaxPosition = {area.left, area.top};
    FrameParts parts = FramePartsOf(window);
    info.ptMinTrackSize = {2 * parts.border + 3 * kCaptionHeight, 2 * parts.border + parts.caption + parts.menu};
    info.ptMaxTrackSize = {0x7FFF, 0x7FFF};
    CallWindow(window.handle, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    return {info.ptMinTrackSize, info.ptMaxTrackSize};
}

}  // namespace platform::detail
