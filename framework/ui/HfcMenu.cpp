#include "framework/ui/HfcMenu.h"

#include "framework/ui/HfcAppBase.h"

#include <cstring>

CHfcMenuBar::~CHfcMenuBar()
{
    if (m_hMenu != nullptr)
        DestroyMenu(m_hMenu);
}

bool CHfcMenuBar::Load(LPCSTR name)
{
    if (m_hMenu != nullptr)
        return false;
    m_hMenu = LoadMenuA(GetInstanceHandle(), name);
    return m_hMenu != nullptr;
}

bool CHfcMenuBar::LoadFromId(UINT id)
{
    return Load(MAKEINTRESOURCEA(id));
}

bool CHfcMenuBar::LoadFromName(HINSTANCE, LPCSTR name)
{
    return Load(name);
}

bool CHfcMenuBar::Destroy()
{
    if (m_hMenu != nullptr && DestroyMenu(m_hMenu))
        m_hMenu = nullptr;
    return false;
}

CHfcPopupMenu::~CHfcPopupMenu()
{
    if (m_hMenu != nullptr)
        DestroyMenu(m_hMenu);
}

void CHfcPopupMenu::DestroyHeld()
{
    if (m_hMenu != nullptr)
        DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
}

bool CHfcPopupMenu::Create(UINT)
{
    if (m_hMenu != nullptr) {
        DestroyHeld();
        return false;
    }
    m_hMenu = CreatePopupMenu();
    if (m_hMenu == nullptr)
        return false;
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(this);
    if (!SetMenuInfo(m_hMenu, &info)) {
        DestroyHeld();
        return false;
    }
    return true;
}

bool CHfcPopupMenu::InsertItem(UINT position, UINT commandId, const char* text, UINT flags)
{
    if (m_hMenu == nullptr)
        return false;
    MENUITEMINFOA item{};
    item.cbSize = sizeof(item);
    item.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_DATA;
    item.fType = (flags & kSeparator) ? MFT_SEPARATOR : MFT_STRING;
    item.fState = (flags & kGrayed) ? MFS_GRAYED : MFS_ENABLED;
    item.wID = commandId;
    item.dwItemData = 0;
    item.dwTypeData = const_cast<LPSTR>(text);
    item.cch = text != nullptr ? static_cast<UINT>(std::strlen(text)) + 1 : 0;
    return InsertMenuItemA(m_hMenu, position, TRUE, &item) != FALSE;
}

bool CHfcPopupMenu::Destroy()
{
    if (m_hMenu == nullptr || !DestroyMenu(m_hMenu))
        return false;
    m_hMenu = nullptr;
    return true;
}
