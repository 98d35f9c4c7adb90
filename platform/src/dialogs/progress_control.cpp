// The progress bar: a position from 0 to 100 shown as a filled share of a
// sunken box.
#include "basic_controls.h"
#include "control_paint.h"

#include <platform/painting.h>

#include <algorithm>

namespace platform::dialogs {
namespace {

constexpr LONG_PTR kLowest = 0;
constexpr LONG_PTR kHighest = 100;

LONG_PTR PositionOf(HWND bar)
{
    return GetWindowLongPtrA(bar, 0);
}

void Paint(HWND bar)
{
    const LONG_PTR position = PositionOf(bar);
    PaintWindow(bar, [&](cairo_t* cr, const RECT& client) {
        DrawBevel(cr, client, false);
        const RECT inside{client.left + 2, client.top + 2, client.right - 2, client.bottom - 2};
        FillBox(cr, inside, GetSysColor(COLOR_BTNFACE));
        const LONG width = LONG((inside.right - inside.left) * (position - kLowest) / (kHighest - kLowest));
        FillBox(cr, {inside.left, inside.top, inside.left + width, inside.bottom}, GetSysColor(COLOR_HIGHLIGHT));
    });
}

}  // namespace

LRESULT CALLBACK ProgressProc(HWND bar, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case PBM_SETPOS: {
        const LONG_PTR position = std::clamp<LONG_PTR>(LONG_PTR(int(wParam)), kLowest, kHighest);
        const LONG_PTR previous = SetWindowLongPtrA(bar, 0, position);
        if (previous != position)
            InvalidateRect(bar, nullptr, FALSE);
        return previous;
    }
    case WM_PAINT: Paint(bar); return 0;
    case WM_ERASEBKGND: return 1;
    }
    return DefWindowProcW(bar, message, wParam, lParam);
}

}  // namespace platform::dialogs
