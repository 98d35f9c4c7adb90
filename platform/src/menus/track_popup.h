#pragma once
#include <platform/menus.h>

namespace platform::menus {

// TrackPopupMenu, with the first item selected from the start when the
// menu is opened from the keyboard.
BOOL TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner, bool selectFirst);

}  // namespace platform::menus
