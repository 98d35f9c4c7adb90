#include "menu_table.h"

#include "platform/src/display/display_state.h"
#include "platform/src/display/geometry.h"
#include "platform/src/display/paint_state.h"

#include <platform/display.h>

using namespace platform::detail;

namespace {

std::shared_ptr<Window> TopLevelWindow(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && !(window->style & WS_CHILD) ? window : nullptr;
}

}  // namespace

HMENU GetMenu(HWND handle)
{
    auto window = TopLevelWindow(handle);
    return window ? window->menuOrId : nullptr;
}

BOOL SetMenu(HWND handle, HMENU menu)
{
    auto window = TopLevelWindow(handle);
    if (!window || (menu && !platform::menus::FindMenu(menu)))
        return FALSE;
    window->menuOrId = menu;
    return SetWindowPos(handle, nullptr, 0, 0, 0, 0,
                        SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

BOOL DrawMenuBar(HWND handle)
{
    auto window = TopLevelWindow(handle);
    if (!window)
        return FALSE;
    InvalidateFrame(*window);
    return TRUE;
}
