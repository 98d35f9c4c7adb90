#pragma once
// The modal tracking of a popup menu and the submenus it opens, driven by
// the keys and mouse input of the calling thread until a pick or a cancel.
//
// A menu opened under the pointer by a press does not pick on that press's
// release: the mouse picks only once the pointer has moved onto an item or
// a later press came. Pointing at an item with a submenu opens it beside
// the item; Right or Enter opens it from the keyboard with its first item
// selected, Left or Escape closes it again, and a pick in any submenu ends
// the whole tracking with that item's command. In a drop-down of the menu
// bar, Left and Right that have nowhere to go inside the menu end the
// tracking so that the bar opens its neighbouring menu.
#include <platform/menus.h>

namespace platform::menus {

// TrackPopupMenu, with the first item selected from the start when the
// menu is opened from the keyboard.
BOOL TrackPopup(HMENU menu, UINT flags, int x, int y, HWND owner, bool selectFirst);

// How a drop-down of the bar ended: the command picked (0 for none), or the
// step along the bar (-1 previous, +1 next) that Left or Right asked for.
struct DropDownEnd
{
    UINT picked = 0;
    int along = 0;
};

// A drop-down of the bar, below and right of (x, y).
DropDownEnd TrackDropDown(HMENU menu, int x, int y, HWND owner, bool selectFirst);

}  // namespace platform::menus
