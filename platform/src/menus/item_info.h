#pragma once
// MENUITEMINFO in and out of menu items, for both text kinds.
#include "menu_table.h"

namespace platform::menus {

bool IsKnownSize(UINT cbSize, std::size_t ownSize, UINT legacySize);

template <class Info>
bool CheckItemInfo(const Info* info)
{
    return info && IsKnownSize(info->cbSize, sizeof(Info), 48);
}

std::string TextFrom(LPCSTR text);
std::string TextFrom(LPCWSTR text);
// Copies at most capacity - 1 characters and a zero; answers the text's length.
UINT CopyText(const std::string& text, LPSTR buffer, UINT capacity);
UINT CopyText(const std::string& text, LPWSTR buffer, UINT capacity);

// Applies the masked fields to the item. False for a submenu handle that is
// not a menu.
template <class Info>
bool ApplyItemInfo(MenuItem& item, const Info& info)
{
    if ((info.fMask & MIIM_SUBMENU) && info.hSubMenu && !FindMenu(info.hSubMenu))
        return false;
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE))
        item.type = info.fType;
    if (((info.fMask & MIIM_TYPE) && !(info.fType & MFT_SEPARATOR)) || (info.fMask & MIIM_STRING))
        item.text = info.dwTypeData ? TextFrom(info.dwTypeData) : std::string();
    if (info.fMask & MIIM_STATE)
        item.state = info.fState;
    if (info.fMask & MIIM_ID)
        item.id = info.wID;
    if (info.fMask & MIIM_SUBMENU)
        item.submenu = info.hSubMenu;
    if (info.fMask & MIIM_DATA)
        item.data = info.dwItemData;
    return true;
}

template <class Info>
void ReadItemInfo(const MenuItem& item, Info& info)
{
    if (info.fMask & (MIIM_TYPE | MIIM_FTYPE))
        info.fType = item.type;
    if (((info.fMask & MIIM_TYPE) && !(item.type & MFT_SEPARATOR)) || (info.fMask & MIIM_STRING))
        info.cch = CopyText(item.text, info.dwTypeData, info.cch);
    if (info.fMask & MIIM_STATE)
        info.fState = item.state;
    if (info.fMask & MIIM_ID)
        info.wID = item.id;
    if (info.fMask & MIIM_SUBMENU)
        info.hSubMenu = item.submenu;
    if (info.fMask & MIIM_DATA)
        info.dwItemData = item.data;
}

}  // namespace platform::menus
