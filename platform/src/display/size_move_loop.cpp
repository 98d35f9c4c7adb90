#include "size_move_loop.h"

#include "capture_loop.h"
#include "geometry.h"
#include "window_ops.h"

#include <platform/input.h>

namespace platform::detail {
namespace {

// The dragged edges follow the pointer, never closer than the minimum size.
RECT Sized(RECT rect, LRESULT hit, POINT delta, POINT minimum)
{
    bool left = hit == HTLEFT || hit == HTTOPLEFT || hit == HTBOTTOMLEFT;
    bool right = hit == HTRIGHT || hit == HTTOPRIGHT || hit == HTBOTTOMRIGHT;
    bool top = hit == HTTOP || hit == HTTOPLEFT || hit == HTTOPRIGHT;
    bool bottom = hit == HTBOTTOM || hit == HTBOTTOMLEFT || hit == HTBOTTOMRIGHT;
    if (left)
        rect.left = std::min(rect.left + delta.x, rect.right - minimum.x);
    if (right)
        rect.right = std::max(rect.right + delta.x, rect.left + minimum.x);
    if (top)
        rect.top = std::min(rect.top + delta.y, rect.bottom - minimum.y);
    if (bottom)
        rect.bottom = std::max(rect.bottom + delta.y, rect.top + minimum.y);
    return rect;
}

}  // namespace

void RunSizeMoveLoop(HWND handle, LRESULT hit, POINT start)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return;
    bool moving = hit == HTCAPTION;
    if (!moving && !(hit >= HTLEFT && hit <= HTBOTTOMRIGHT))
        return;
    RECT startRect;
    GetWindowRect(handle, &startRect);
    POINT parentOrigin{0, 0};
    if (!IsTopLevel(*window))
        if (auto parent = FindWindowRecord(window->parent))
            parentOrigin = ClientOriginOnScreen(*parent);
    TrackLimits limits = TrackLimitsOf(*window);

    SetCapture(handle);
    CallWindow(handle, WM_ENTERSIZEMOVE, 0, 0);
    auto apply = [&](RECT screenRect) {
        if (auto record = FindWindowRecord(handle))
            Place(*record, Offset(screenRect, -parentOrigin.x, -parentOrigin.y));
    };
    MSG msg;
    while (NextCapturedMessage(handle, msg)) {
        if (msg.message == WM_MOUSEMOVE && msg.hwnd == handle) {
            POINT delta{msg.pt.x - start.x, msg.pt.y - start.y};
            RECT proposed;
            if (moving) {
                proposed = Offset(startRect, delta.x, delta.y);
                CallWindow(handle, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
            } else {
                proposed = Sized(startRect, hit, delta, limits.minimum);
                CallWindow(handle, WM_SIZING, static_cast<WPARAM>(hit - HTLEFT + WMSZ_LEFT),
                           reinterpret_cast<LPARAM>(&proposed));
            }
            apply(proposed);
        } else if (msg.message == WM_LBUTTONUP) {
            break;
        } else if (msg.message == WM_KEYDOWN && msg.wParam == VK_ESCAPE) {
            apply(startRect);
            break;
        } else {
            DispatchUnlessMouse(msg);
        }
    }
    if (GetCapture() == handle)
        ReleaseCapture();
    if (IsWindow(handle))
        CallWindow(handle, WM_EXITSIZEMOVE, 0, 0);
}

}  // namespace platform::detail
