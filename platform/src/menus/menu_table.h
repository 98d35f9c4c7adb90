#pragma once
// Menu objects behind their handles.
#include <platform/menus.h>

#include <memory>
#include <string>
#include <vector>

namespace platform::menus {

struct MenuItem
{
    UINT type = MFT_STRING;
    UINT state = MFS_ENABLED;
    UINT id = 0;
    HMENU submenu = nullptr;
    ULONG_PTR data = 0;
    std::string text;  // UTF-8
};

struct Menu
{
    bool popup = false;
    std::vector<MenuItem> items;
    DWORD style = 0;
    UINT maxHeight = 0;
    HBRUSH background = nullptr;
    DWORD helpId = 0;
    ULONG_PTR data = 0;
};

HMENU AddMenu(bool popup);
// Null for a handle that is not a live menu.
std::shared_ptr<Menu> FindMenu(HMENU handle);
// Removes the menu and, depth first, its submenus.
bool RemoveMenuTree(HMENU handle);

// Where an item lives: its menu and index there.
struct ItemPlace
{
    std::shared_ptr<Menu> menu;
    std::size_t index = 0;
    MenuItem& Item() const { return menu->items[index]; }
};
// By position in this menu, or by command through the submenus, depth
// first. False with the last error set when there is no such item.
bool FindItem(HMENU menu, UINT item, bool byPosition, ItemPlace* place);

}  // namespace platform::menus
