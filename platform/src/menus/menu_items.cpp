#include "item_info.h"

#include <platform/kernel.h>

using namespace platform::menus;

namespace {

template <class Info>
BOOL Insert(HMENU handle, UINT position, BOOL byPosition, const Info* info)
{
    if (!CheckItemInfo(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    ItemPlace place;
    if (byPosition) {
        place.menu = FindMenu(handle);
        if (!place.menu)
            return FALSE;
        place.index = std::min<std::size_t>(position, place.menu->items.size());
    } else if (!FindItem(handle, position, false, &place)) {
        return FALSE;
    }
    MenuItem item;
    if (!ApplyItemInfo(item, *info))
        return FALSE;
    place.menu->items.insert(place.menu->items.begin() + std::ptrdiff_t(place.index), std::move(item));
    return TRUE;
}

template <class Info>
BOOL Get(HMENU handle, UINT item, BOOL byPosition, Info* info)
{
    ItemPlace place;
    if (!CheckItemInfo(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!FindItem(handle, item, byPosition, &place))
        return FALSE;
    ReadItemInfo(place.Item(), *info);
    return TRUE;
}

template <class Info>
BOOL Set(HMENU handle, UINT item, BOOL byPosition, const Info* info)
{
    ItemPlace place;
    if (!CheckItemInfo(info)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    if (!FindItem(handle, item, byPosition, &place))
        return FALSE;
    return ApplyItemInfo(place.Item(), *info) ? TRUE : FALSE;
}

template <class Text>
BOOL Append(HMENU handle, UINT flags, UINT_PTR idOrSubmenu, Text text)
{
    auto menu = FindMenu(handle);
    if (!menu)
        return FALSE;
    MenuItem item;
    item.type = flags & (MF_SEPARATOR | MF_MENUBARBREAK | MF_MENUBREAK);
    item.state = flags & (MF_GRAYED | MF_DISABLED | MF_CHECKED);
    if (flags & MF_POPUP) {
        item.submenu = reinterpret_cast<HMENU>(idOrSubmenu);
        if (!FindMenu(item.submenu))
            return FALSE;
    } else {
        item.id = UINT(idOrSubmenu);
    }
    if (!(flags & MF_SEPARATOR) && text)
        item.text = TextFrom(text);
    menu->items.push_back(std::move(item));
    return TRUE;
}

BOOL Remove(HMENU handle, UINT item, UINT flags, bool destroySubmenu)
{
    ItemPlace place;
    if (!FindItem(handle, item, (flags & MF_BYPOSITION) != 0, &place))
        return FALSE;
    HMENU submenu = place.Item().submenu;
    place.menu->items.erase(place.menu->items.begin() + std::ptrdiff_t(place.index));
    if (destroySubmenu && submenu)
        RemoveMenuTree(submenu);
    return TRUE;
}

}  // namespace

HMENU CreateMenu()
{
    return AddMenu(false);
}
HMENU CreatePopupMenu()
{
    return AddMenu(true);
}
BOOL DestroyMenu(HMENU menu)
{
    return RemoveMenuTree(menu) ? TRUE : FALSE;
}
BOOL IsMenu(HMENU menu)
{
    return FindMenu(menu) ? TRUE : FALSE;
}

BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info)
{
    return Insert(menu, item, byPosition, info);
}
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info)
{
    return Insert(menu, item, byPosition, info);
}
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info)
{
    return Get(menu, item, byPosition, info);
}
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info)
{
    return Get(menu, item, byPosition, info);
}
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info)
{
    return Set(menu, item, byPosition, info);
}
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info)
{
    return Set(menu, item, byPosition, info);
}
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCSTR text)
{
    return Append(menu, flags, idOrSubmenu, text);
}
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text)
{
    return Append(menu, flags, idOrSubmenu, text);
}
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags)
{
    return Remove(menu, item, flags, true);
}
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags)
{
    return Remove(menu, item, flags, false);
}

DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags)
{
    ItemPlace place;
    if (!FindItem(menu, item, (flags & MF_BYPOSITION) != 0, &place))
        return DWORD(-1);
    UINT& state = place.Item().state;
    DWORD previous = state & MF_CHECKED;
    state = (state & ~MF_CHECKED) | (flags & MF_CHECKED);
    return previous;
}

BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags)
{
    ItemPlace place;
    if (!FindItem(menu, item, (flags & MF_BYPOSITION) != 0, &place))
        return -1;
    UINT& state = place.Item().state;
    BOOL previous = BOOL(state & (MF_GRAYED | MF_DISABLED));
    state = (state & ~(MF_GRAYED | MF_DISABLED)) | (flags & (MF_GRAYED | MF_DISABLED));
    return previous;
}

int GetMenuItemCount(HMENU handle)
{
    auto menu = FindMenu(handle);
    return menu ? int(menu->items.size()) : -1;
}

UINT GetMenuItemID(HMENU handle, int position)
{
    ItemPlace place;
    if (position < 0 || !FindItem(handle, UINT(position), true, &place) || place.Item().submenu)
        return UINT(-1);
    return place.Item().id;
}

HMENU GetSubMenu(HMENU handle, int position)
{
    ItemPlace place;
    if (position < 0 || !FindItem(handle, UINT(position), true, &place))
        return nullptr;
    return place.Item().submenu;
}

BOOL SetMenuInfo(HMENU handle, LPCMENUINFO info)
{
    if (!info || !IsKnownSize(info->cbSize, sizeof(MENUINFO), 28)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto menu = FindMenu(handle);
    if (!menu)
        return FALSE;
    if (info->fMask & MIM_STYLE)
        menu->style = info->dwStyle;
    if (info->fMask & MIM_MAXHEIGHT)
        menu->maxHeight = info->cyMax;
    if (info->fMask & MIM_BACKGROUND)
        menu->background = info->hbrBack;
    if (info->fMask & MIM_HELPID)
        menu->helpId = info->dwContextHelpID;
    if (info->fMask & MIM_MENUDATA)
        menu->data = info->dwMenuData;
    if (info->fMask & MIM_APPLYTOSUBMENUS)
        for (const MenuItem& item : menu->items)
            if (item.submenu)
                SetMenuInfo(item.submenu, info);
    return TRUE;
}

BOOL GetMenuInfo(HMENU handle, LPMENUINFO info)
{
    if (!info || !IsKnownSize(info->cbSize, sizeof(MENUINFO), 28)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    auto menu = FindMenu(handle);
    if (!menu)
        return FALSE;
    if (info->fMask & MIM_STYLE)
        info->dwStyle = menu->style;
    if (info->fMask & MIM_MAXHEIGHT)
        info->cyMax = menu->maxHeight;
    if (info->fMask & MIM_BACKGROUND)
        info->hbrBack = menu->background;
    if (info->fMask & MIM_HELPID)
        info->dwContextHelpID = menu->helpId;
    if (info->fMask & MIM_MENUDATA)
        info->dwMenuData = menu->data;
    return TRUE;
}
