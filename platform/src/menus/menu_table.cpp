#include "menu_table.h"

#include "../handle_table.h"
#include "mdi_window_menu.h"

#include <platform/kernel.h>

namespace platform::menus {
namespace {

using MenuTable = platform::detail::HandleTable<HMENU, Menu>;

MenuTable& Menus()
{
    // No window menu can exist before the first menu does.
    static MenuTable* table = (InstallWindowMenuWriter(), new MenuTable(0x30000));
    return *table;
}

constexpr DWORD kErrorMenuItemNotFound = 1456;
constexpr DWORD kErrorInvalidMenuHandle = 1401;

bool FindById(HMENU handle, UINT id, ItemPlace* place, int depth)
{
    auto menu = FindMenu(handle);
    if (!menu || depth > 32)
        return false;  // a menu cannot hold itself, but a loop must not hang us
    for (std::size_t i = 0; i < menu->items.size(); ++i) {
        if (menu->items[i].id == id && !(menu->items[i].type & MFT_SEPARATOR)) {
            *place = {menu, i};
            return true;
        }
        if (menu->items[i].submenu && FindById(menu->items[i].submenu, id, place, depth + 1))
            return true;
    }
    return false;
}

}  // namespace

HMENU AddMenu(bool popup)
{
    auto menu = std::make_shared<Menu>();
    menu->popup = popup;
    return Menus().Add(std::move(menu));
}

std::shared_ptr<Menu> FindMenu(HMENU handle)
{
    if (auto menu = Menus().Find(handle))
        return menu;
    SetLastError(kErrorInvalidMenuHandle);
    return nullptr;
}

bool RemoveMenuTree(HMENU handle)
{
    std::shared_ptr<Menu> removed = Menus().Take(handle);
    if (!removed)
        return false;
    for (const MenuItem& item : removed->items)
        if (item.submenu)
            RemoveMenuTree(item.submenu);
    return true;
}

bool FindItem(HMENU handle, UINT item, bool byPosition, ItemPlace* place)
{
    if (byPosition) {
        auto menu = FindMenu(handle);
        if (!menu)
            return false;
        if (item < menu->items.size()) {
            *place = {menu, item};
            return true;
        }
    } else {
        if (!FindMenu(handle))
            return false;
        if (FindById(handle, item, place, 0))
            return true;
    }
    SetLastError(kErrorMenuItemNotFound);
    return false;
}

}  // namespace platform::menus
