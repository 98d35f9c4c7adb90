// What DefWindowProc does for visible windows.
#include "../gdi/gdi_objects.h"
#include "../menus/menu_bar.h"
#include "../utf16.h"
#include "activation.h"
#include "backend.h"
#include "cursors.h"
#include "desktop_icon.h"
#include "frame.h"
#include "geometry.h"
#include "input_source.h"
#include "mdi_internal.h"
#include "paint_state.h"
#include "scroll_bars.h"
#include "size_move_loop.h"
#include "text.h"
#include "window_dc.h"
#include "window_hooks.h"

#include <platform/input.h>
#include <platform/painting.h>

#include <cstring>
#include <optional>

namespace platform::detail {
namespace {

LRESULT SetText(Window& window, LPARAM lParam)
{
    DisplayState& state = StateOf(window);
    if (window.unicode)
        state.text = lParam ? std::u16string(reinterpret_cast<LPCWSTR>(lParam)) : std::u16string();
    else
        state.text = Utf8ToUtf16(reinterpret_cast<LPCSTR>(lParam));
    if (state.surface)
        Display().SetTitle(window.handle, Utf16ToUtf8(state.text.c_str()));
    InvalidateFrame(window);
    if (MdiClientOf(window))
        MdiChildRetitled(window);
    return TRUE;
}

LRESULT GetText(Window& window, WPARAM size, LPARAM buffer)
{
    if (!buffer || size == 0)
        return 0;
    const std::u16string& text = StateOf(window).text;
    if (window.unicode) {
        size_t count = std::min<size_t>(text.size(), size - 1);
        auto* out = reinterpret_cast<LPWSTR>(buffer);
        std::copy_n(text.begin(), count, out);
        out[count] = 0;
        return static_cast<LRESULT>(count);
    }
    std::string narrow = Utf16ToUtf8(text.c_str());
    size_t count = std::min<size_t>(narrow.size(), size - 1);
    auto* out = reinterpret_cast<LPSTR>(buffer);
    std::memcpy(out, narrow.data(), count);
    out[count] = 0;
    return static_cast<LRESULT>(count);
}

LRESULT TextLength(Window& window)
{
    const std::u16string& text = StateOf(window).text;
    return static_cast<LRESULT>(window.unicode ? text.size() : Utf16ToUtf8(text.c_str()).size());
}

// A class background given as a system colour index plus one, or a brush.
std::optional<COLORREF> BackgroundColor(HBRUSH background)
{
    auto index = reinterpret_cast<ULONG_PTR>(background);
    if (index > 0 && index <= COLOR_BTNHIGHLIGHT + 1)
        return GetSysColor(static_cast<int>(index - 1));
    return platform::gdi::BrushColor(background);
}

LRESULT EraseBackground(Window& window, HDC dc)
{
    WindowDc* target = FindWindowDc(dc);
    std::optional<COLORREF> color = BackgroundColor(window.windowClass->background);
    if (!target || !color)
        return 0;
    RECT client;
    GetClientRect(window.handle, &client);
    FillClient(*target, client, *color);
    return 1;
}

WORD CursorForHit(LRESULT hit)
{
    switch (hit) {
    case HTLEFT:
    case HTRIGHT: return 32644;
    case HTTOP:
    case HTBOTTOM: return 32645;
    case HTTOPLEFT:
    case HTBOTTOMRIGHT: return 32642;
    case HTTOPRIGHT:
    case HTBOTTOMLEFT: return 32643;
    }
    return 32512;
}

LRESULT ChooseCursor(Window& window, WPARAM wParam, LPARAM lParam)
{
    if (!IsTopLevel(window) && window.parent && CallWindow(window.parent, WM_SETCURSOR, wParam, lParam))
        return TRUE;
    auto hit = static_cast<SHORT>(LOWORD(lParam));
    if (hit == HTCLIENT) {
        if (!window.windowClass->cursor)
            return FALSE;
        SetCursor(window.windowClass->cursor);
        return TRUE;
    }
    SetCursor(StandardCursor(CursorForHit(hit)));
    return TRUE;
}

LRESULT SystemCommand(HWND handle, WPARAM command)
{
    switch (command & 0xFFF0) {
    case SC_CLOSE: CallWindow(handle, WM_CLOSE, 0, 0); break;
    case SC_MINIMIZE: ShowWindow(handle, SW_MINIMIZE); break;
    case SC_MAXIMIZE: ShowWindow(handle, SW_MAXIMIZE); break;
    case SC_RESTORE: ShowWindow(handle, SW_RESTORE); break;
    case SC_MOVE: RunSizeMoveLoop(handle, HTCAPTION, PointerPosition()); break;
    case SC_SIZE: RunSizeMoveLoop(handle, HTBOTTOMRIGHT, PointerPosition()); break;
    }
    return 0;
}

LRESULT NonClientPress(HWND handle, LRESULT hit, POINT at)
{
    switch (hit) {
    case HTCLOSE: return CallWindow(handle, WM_SYSCOMMAND, SC_CLOSE, 0);
    case HTMINBUTTON: return CallWindow(handle, WM_SYSCOMMAND, IsIconic(handle) ? SC_RESTORE : SC_MINIMIZE, 0);
    case HTMAXBUTTON: return CallWindow(handle, WM_SYSCOMMAND, IsZoomed(handle) ? SC_RESTORE : SC_MAXIMIZE, 0);
    case HTCAPTION:
        if (!IsZoomed(handle))
            RunSizeMoveLoop(handle, hit, at);
        return 0;
    case HTMENU: platform::menus::MenuBarClick(handle, at); return 0;
    case HTHSCROLL:
    case HTVSCROLL: TrackScrollBar(handle, hit == HTVSCROLL, at); return 0;
    }
    if (hit >= HTLEFT && hit <= HTBOTTOMRIGHT)
        RunSizeMoveLoop(handle, hit, at);
    return 0;
}

}  // namespace

LRESULT DisplayDefWindowProc(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return 0;
    switch (message) {
    case WM_SETTEXT: return SetText(*window, lParam);
    case WM_GETTEXT: return GetText(*window, wParam, lParam);
    case WM_GETTEXTLENGTH: return TextLength(*window);
    case WM_PAINT: {
        PAINTSTRUCT paint;
        BeginPaint(handle, &paint);
        EndPaint(handle, &paint);
        return 0;
    }
    case WM_ERASEBKGND: return EraseBackground(*window, reinterpret_cast<HDC>(wParam));
    case WM_NCPAINT: DrawFrame(*window); return 0;
    case WM_NCHITTEST: {
        POINT origin = WindowOriginOnScreen(*window);
        return HitTest(*window, {GET_X_LPARAM(lParam) - origin.x, GET_Y_LPARAM(lParam) - origin.y});
    }
    case WM_NCACTIVATE:
        StateOf(*window).captionActive = wParam != FALSE;
        InvalidateFrame(*window);
        return TRUE;
    case WM_ACTIVATE:
        if (LOWORD(wParam) != WA_INACTIVE && !IsIconic(handle) && !IsSameOrInside(handle, GetFocus()))
            SetFocus(handle);
        return 0;
    case WM_SETCURSOR: return ChooseCursor(*window, wParam, lParam);
    case WM_MOUSEWHEEL:
        return !IsTopLevel(*window) && window->parent ? SendMessageA(window->parent, message, wParam, lParam) : 0;
    case WM_NCLBUTTONDOWN:
        return NonClientPress(handle, static_cast<LRESULT>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
    case WM_NCLBUTTONDBLCLK:
        if (wParam == HTCAPTION && (window->style & WS_MAXIMIZEBOX))
            return CallWindow(handle, WM_SYSCOMMAND, IsZoomed(handle) ? SC_RESTORE : SC_MAXIMIZE, 0);
        // A second press on a button counts as a press.
        if (wParam != HTCAPTION)
            return NonClientPress(handle, static_cast<LRESULT>(wParam), {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    case WM_SYSCOMMAND: return SystemCommand(handle, wParam);
    case WM_SETICON: {
        HICON& slot = StateOf(*window).icons[wParam == ICON_BIG ? 1 : 0];
        HICON previous = slot;
        slot = reinterpret_cast<HICON>(lParam);
        ShowDesktopIcon(*window);
        return reinterpret_cast<LRESULT>(previous);
    }
    case WM_MOUSEACTIVATE: return 1;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR: platform::menus::MenuBarKey(handle, message, wParam, lParam); return 0;
    }
    return 0;
}

}  // namespace platform::detail
