// Showing, placing and asking about windows.
#include "activation.h"
#include "backend.h"
#include "geometry.h"
#include "paint_state.h"
#include "window_ops.h"

#include <platform/input.h>
#include <platform/kernel.h>

using namespace platform::detail;

namespace {

BOOL WorkArea(UINT action, LPVOID value)
{
    if (action != SPI_GETWORKAREA || !value) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    *static_cast<RECT*>(value) = Display().WorkArea();
    return TRUE;
}

void Reorder(Window& window, HWND insertAfter)
{
    DisplayState& state = StateOf(window);
    if (insertAfter == HWND_TOPMOST || insertAfter == HWND_NOTOPMOST) {
        state.topMost = insertAfter == HWND_TOPMOST;
        Raise(window);
    } else if (insertAfter == HWND_TOP) {
        Raise(window);
    } else if (insertAfter == HWND_BOTTOM) {
        Lower(window);
    } else if (auto parent = FindWindowRecord(window.parent); parent && !IsTopLevel(window)) {
        // Just below the given sibling.
        auto& order = parent->children;
        std::erase(order, window.handle);
        auto above = std::find(order.begin(), order.end(), insertAfter);
        order.insert(above, window.handle);
    }
    if (IsShown(window))
        ExposeWindow(window);
}

}  // namespace

BOOL SystemParametersInfoA(UINT action, UINT, LPVOID value, UINT)
{
    return WorkArea(action, value);
}
BOOL SystemParametersInfoW(UINT action, UINT, LPVOID value, UINT)
{
    return WorkArea(action, value);
}

BOOL ShowWindow(HWND handle, int command)
{
    auto window = OwnedWindow(handle);
    if (!window)
        return FALSE;
    BOOL wasVisible = (window->style & WS_VISIBLE) ? TRUE : FALSE;
    DisplayState& state = StateOf(*window);
    bool activate = command != SW_SHOWNA && command != SW_SHOWNOACTIVATE && command != SW_SHOWMINNOACTIVE &&
                    command != SW_MINIMIZE && command != SW_HIDE;
    if (command == SW_HIDE) {
        if (!wasVisible)
            return FALSE;
        CallWindow(handle, WM_SHOWWINDOW, FALSE, 0);
        if (IsWindow(handle))
            SetShown(*window, false, false);
        return wasVisible;
    }
    if (!wasVisible)
        CallWindow(handle, WM_SHOWWINDOW, TRUE, 0);
    if (!IsWindow(handle))
        return wasVisible;
    switch (command) {
    case SW_SHOWMINIMIZED:
    case SW_MINIMIZE:
    case SW_SHOWMINNOACTIVE: Minimize(*window); break;
    case SW_SHOWMAXIMIZED: Maximize(*window); break;
    case SW_SHOWNORMAL:
    case SW_RESTORE:
    case SW_SHOWDEFAULT:
        if (state.minimized || state.maximized)
            Restore(*window);
        break;
    default: break;
    }
    if (IsWindow(handle))
        SetShown(*window, true, activate);
    return wasVisible;
}

BOOL IsWindowVisible(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && IsShown(*window) ? TRUE : FALSE;
}

BOOL SetWindowPos(HWND handle, HWND insertAfter, int x, int y, int width, int height, UINT flags)
{
    auto window = OwnedWindow(handle);
    if (!window)
        return FALSE;
    if (!(flags & SWP_NOZORDER))
        Reorder(*window, insertAfter);
    RECT rect = WindowRectInParent(*window);
    if (!(flags & SWP_NOMOVE))
        rect = Offset(rect, x - rect.left, y - rect.top);
    if (!(flags & SWP_NOSIZE)) {
        rect.right = rect.left + std::max(width, 0);
        rect.bottom = rect.top + std::max(height, 0);
    }
    if ((flags & (SWP_NOMOVE | SWP_NOSIZE)) != (SWP_NOMOVE | SWP_NOSIZE))
        Place(*window, rect);
    if (flags & SWP_FRAMECHANGED)
        FrameChanged(*window);
    if ((flags & SWP_SHOWWINDOW) && IsWindow(handle))
        SetShown(*window, true, !(flags & SWP_NOACTIVATE));
    if ((flags & SWP_HIDEWINDOW) && IsWindow(handle))
        SetShown(*window, false, false);
    if (!(flags & (SWP_NOACTIVATE | SWP_NOZORDER | SWP_SHOWWINDOW)) && IsTopLevel(*window) && IsShown(*window))
        ActivateTopLevel(handle);
    return TRUE;
}

BOOL MoveWindow(HWND handle, int x, int y, int width, int height, BOOL)
{
    return SetWindowPos(handle, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL BringWindowToTop(HWND handle)
{
    return SetWindowPos(handle, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
}

BOOL GetWindowRect(HWND handle, LPRECT rect)
{
    auto window = FindWindowRecord(handle);
    if (!window || !rect)
        return FALSE;
    POINT origin = WindowOriginOnScreen(*window);
    *rect = {origin.x, origin.y, origin.x + window->width, origin.y + window->height};
    return TRUE;
}

BOOL GetClientRect(HWND handle, LPRECT rect)
{
    auto window = FindWindowRecord(handle);
    if (!window || !rect)
        return FALSE;
    RECT client = ClientRectInWindow(*window);
    *rect = {0, 0, client.right - client.left, client.bottom - client.top};
    return TRUE;
}

BOOL ClientToScreen(HWND handle, LPPOINT point)
{
    auto window = FindWindowRecord(handle);
    if (!window || !point)
        return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    point->x += origin.x;
    point->y += origin.y;
    return TRUE;
}

BOOL ScreenToClient(HWND handle, LPPOINT point)
{
    auto window = FindWindowRecord(handle);
    if (!window || !point)
        return FALSE;
    POINT origin = ClientOriginOnScreen(*window);
    point->x -= origin.x;
    point->y -= origin.y;
    return TRUE;
}

BOOL AdjustWindowRectEx(LPRECT rect, DWORD style, BOOL menu, DWORD exStyle)
{
    if (!rect)
        return FALSE;
    FrameParts parts = FramePartsFor(style, exStyle, menu != FALSE);
    LONG side = parts.border + parts.edge;
    rect->left -= side;
    rect->right += side;
    rect->top -= parts.border + parts.caption + parts.menu + parts.edge;
    rect->bottom += side;
    return TRUE;
}

BOOL GetWindowPlacement(HWND handle, WINDOWPLACEMENT* placement)
{
    auto window = FindWindowRecord(handle);
    if (!window || !placement)
        return FALSE;
    DisplayState& state = StateOf(*window);
    bool changed = state.minimized || state.maximized;
    placement->flags = 0;
    placement->showCmd = state.minimized                ? SW_SHOWMINIMIZED
                         : state.maximized              ? SW_SHOWMAXIMIZED
                         : (window->style & WS_VISIBLE) ? SW_SHOWNORMAL
                                                        : SW_HIDE;
    placement->ptMinPosition = {-1, -1};
    placement->ptMaxPosition = {-1, -1};
    placement->rcNormalPosition = changed ? state.restoreRect : WindowRectInParent(*window);
    return TRUE;
}

BOOL CloseWindow(HWND handle)
{
    return IsWindow(handle) ? (ShowWindow(handle, SW_MINIMIZE), TRUE) : FALSE;
}
BOOL OpenIcon(HWND handle)
{
    return IsWindow(handle) ? (ShowWindow(handle, SW_RESTORE), TRUE) : FALSE;
}

BOOL IsIconic(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && window->display && window->display->minimized ? TRUE : FALSE;
}

BOOL IsZoomed(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && window->display && window->display->maximized ? TRUE : FALSE;
}

BOOL EnumChildWindows(HWND parent, WNDENUMPROC procedure, LPARAM lParam)
{
    auto window = FindWindowRecord(parent);
    if (!window || !procedure)
        return FALSE;
    ForEachDescendant(*window, [&](Window& child) { return procedure(child.handle, lParam) != FALSE; });
    return TRUE;
}

BOOL EnableWindow(HWND handle, BOOL enable)
{
    auto window = OwnedWindow(handle);
    if (!window)
        return FALSE;
    BOOL wasDisabled = (window->style & WS_DISABLED) ? TRUE : FALSE;
    if (enable == !wasDisabled)
        return wasDisabled;
    if (enable) {
        window->style &= ~WS_DISABLED;
    } else {
        // A disabled window keeps its activation but no input.
        if (HWND capture = GetCapture(); capture && IsSameOrInside(handle, capture))
            ReleaseCapture();
        if (HWND focus = GetFocus(); focus && IsSameOrInside(handle, focus))
            SetFocus(nullptr);
        window->style |= WS_DISABLED;
    }
    if (IsWindow(handle))
        CallWindow(handle, WM_ENABLE, enable ? TRUE : FALSE, 0);
    return wasDisabled;
}

BOOL IsWindowEnabled(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && !(window->style & WS_DISABLED) ? TRUE : FALSE;
}

HWND GetTopWindow(HWND parent)
{
    if (!parent) {
        auto order = TopLevelWindows();
        return order.empty() ? nullptr : order.back();
    }
    auto window = FindWindowRecord(parent);
    return window && !window->children.empty() ? window->children.back() : nullptr;
}

BOOL IsChild(HWND parent, HWND handle)
{
    return handle != parent && IsSameOrInside(parent, handle) ? TRUE : FALSE;
}
