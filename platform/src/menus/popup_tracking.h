#pragma once
// The modal tracking of a popup menu and the submenus it opens, driven by
// the keys and mouse input of the calling thread until a pick or a cancel.
//
// A menu opened under the pointer by a press does not pick on that press's
// release: the mouse picks only once the pointer has moved onto an item or
// a later press came. Pointing at an item with a submenu opens it beside
// the item; Right or Enter opens it from the keyboard with its first item
// selected, Left or Escape closes it again, and a pick in any submenu ends
// the whole tracking with that item's command.
#include <platform/menus.h>

namespace platform::menus {

// TrackPopupMenu, with the first item selected from the start when the
// menu is opened from the keyboard.
BOOL TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner, bool selectFirst);

}  // namespace platform::menus
