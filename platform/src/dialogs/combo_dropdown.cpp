#include "combo_dropdown.h"
#include "combo_paint.h"

#include "platform/src/class_registration.h"

#include <platform/display.h>
#include <platform/input.h>
#include <platform/painting.h>

#include <algorithm>

namespace platform::dialogs {
namespace {

constexpr char kListClass[] = "VqComboList";

LRESULT CALLBACK ListProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        HWND combo = reinterpret_cast<HWND>(GetWindowLongPtrA(list, GWLP_USERDATA));
        if (ComboState* state = ComboStateOf(combo); state && state->list == list) {
            PaintComboList(list, *state);
            return 0;
        }
    }
    if (message == WM_ERASEBKGND)
        return 1;
    // The desktop may activate the list when it is clicked; the box keeps the focus all the same.
    if (message == WM_ACTIVATE)
        return 0;
    return DefWindowProcA(list, message, wParam, lParam);
}

void RegisterListClass()
{
    static const ATOM atom = detail::RegisterOwnClass({.name = kListClass, .procedure = ListProc});
    (void)atom;
}

HWND TopLevelOf(HWND window)
{
    while (window && (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD))
        window = GetParent(window);
    return window;
}

// As many rows as the box's made height leaves room for, at least the
// minimum, at most the entries; cut to the room on the chosen side.
RECT Placement(HWND combo, ComboState& state)
{
    RECT box{};
    GetWindowRect(combo, &box);
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    const int asked = (state.requestedHeight - kComboBoxHeight - 2 * kComboListBorder) / kComboRowHeight;
    int rows = std::max(1, std::min(int(state.entries.size()), std::max(asked, kComboMinimumRows)));
    const int below = area.bottom - box.bottom, above = box.top - area.top;
    const bool up = rows * kComboRowHeight + 2 * kComboListBorder > below && above > below;
    const int room = ((up ? above : below) - 2 * kComboListBorder) / kComboRowHeight;
    state.view.rows = std::max(1, std::min(rows, room));
    state.view.width = box.right - box.left;
    const int height = state.view.Height();
    const int top = up ? box.top - height : box.bottom;
    return {box.left, top, box.right, top + height};
}

}  // namespace

void OpenComboList(HWND combo, ComboState& state)
{
    if (state.list)
        return;
    RegisterListClass();
    state.view = {};
    state.view.count = int(state.entries.size());
    const RECT at = Placement(combo, state);
    if (state.selected >= 0)
        state.view.Mark(state.selected);
    state.draggingThumb = false;
    HWND list = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kListClass, nullptr, WS_POPUP, at.left, at.top,
                                at.right - at.left, at.bottom - at.top, TopLevelOf(combo), nullptr, nullptr, nullptr);
    if (!list)
        return;
    SetWindowLongPtrA(list, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(combo));
    state.list = list;
    ShowWindow(list, SW_SHOWNOACTIVATE);
    SetCapture(combo);
    InvalidateRect(combo, nullptr, FALSE);
}

int CloseComboList(HWND combo, ComboState& state, bool pick)
{
    HWND list = state.list;
    if (!list)
        return -1;
    state.list = nullptr;  // first, so that losing the capture below does not close it again
    state.draggingThumb = false;
    if (GetCapture() == combo)
        ReleaseCapture();
    DestroyWindow(list);
    InvalidateRect(combo, nullptr, FALSE);
    return pick ? state.view.hot : -1;
}

POINT ComboPointInList(HWND combo, const ComboState& state, LPARAM clientPoint)
{
    POINT at{GET_X_LPARAM(clientPoint), GET_Y_LPARAM(clientPoint)};
    ClientToScreen(combo, &at);
    ScreenToClient(state.list, &at);
    return at;
}

}  // namespace platform::dialogs
