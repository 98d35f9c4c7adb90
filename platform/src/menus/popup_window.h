#pragma once
// One open popup menu of a tracking: the menu, where its items sit, the
// selected item and the overlay window that shows them.
#include "popup_layout.h"

namespace platform::menus {

struct PopupLevel
{
    std::shared_ptr<Menu> menu;
    PopupLayout layout;
    int selected = -1;
    HWND window = nullptr;
};

// A shown, not activated overlay window at the screen point, painting the
// level, which must outlive it. Null when it cannot be made.
HWND OpenPopupWindow(PopupLevel& level, POINT at, HWND owner);

}  // namespace platform::menus
