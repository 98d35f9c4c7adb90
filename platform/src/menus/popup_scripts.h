#pragma once
// The answers tests queue for popup menus.
#include "menu_table.h"

#include <optional>

namespace platform::menus {

// With an answer queued: records what the menu would show and answers it.
std::optional<UINT> TakePopupAnswer(const Menu& menu, UINT flags, int x, int y, HWND owner);

}  // namespace platform::menus
