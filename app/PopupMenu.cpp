#include "app/PopupMenu.h"

#include "framework/services/EfTrace.h"
#include "framework/ui/HfcMouse.h"

#include <platform/display.h>
#include <platform/kernel.h>

namespace {

// Menus read "&" as the mark of a key letter.
std::string ShownAsItIs(const std::string& text)
{
    std::string doubled;
    for (char c : text) {
        doubled.push_back(c);
        if (c == '&')
            doubled.push_back('&');
    }
    return doubled;
}

}  // namespace

CPopupMenu::~CPopupMenu()
{
    Destroy();
}

bool CPopupMenu::Create()
{
    const char* error = nullptr;
    if (m_menu != nullptr) {
        error = "Already created.";
    } else if ((m_menu = CreatePopupMenu()) == nullptr) {
        error = "Failed to call ::CreatePopupMenu().";
    } else {
        MENUINFO info{};
        info.cbSize = sizeof info;
        info.fMask = MIM_MENUDATA;
        info.dwMenuData = reinterpret_cast<ULONG_PTR>(this);
        if (!SetMenuInfo(m_menu, &info)) {
            error = "Failed to call ::SetMenuInfo().";
            Destroy();
        }
    }
    if (error == nullptr)
        return true;
    EfTrace("CPopupMenu::Create() - %s", error);
    return false;
}

void CPopupMenu::Destroy()
{
    if (m_menu == nullptr)
        return;
    // DestroyMenu would take the submenus with it, under their objects' feet.
    for (int position = GetMenuItemCount(m_menu) - 1; position >= 0; --position) {
        if (GetSubMenu(m_menu, position) != nullptr)
            RemoveMenu(m_menu, static_cast<UINT>(position), MF_BYPOSITION);
    }
    DestroyMenu(m_menu);
    m_menu = nullptr;
}

bool CPopupMenu::AppendIndexedItem(const std::string& text, int position)
{
    return AppendItem(text, position, static_cast<UINT>(position + 1));
}

bool CPopupMenu::AppendItem(const std::string& text, int position, UINT id)
{
    if (m_menu == nullptr)
        return false;
    std::string shown = ShownAsItIs(text);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_ID | MIIM_FTYPE | MIIM_STRING;
    info.wID = id;
    if (text == "-") {
        info.fType = MFT_SEPARATOR;
    } else {
        info.fType = MFT_STRING;
        info.dwTypeData = shown.data();
        info.cch = static_cast<UINT>(shown.size());
    }
    if (position != 0 && position % kItemsPerColumn == 0)
        info.fType |= MFT_MENUBARBREAK;
    return InsertMenuItemA(m_menu, static_cast<UINT>(position), TRUE, &info) != FALSE;
}

bool CPopupMenu::SetSubMenu(int position, CPopupMenu& submenu)
{
    if (m_menu == nullptr)
        return false;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_SUBMENU;
    info.hSubMenu = submenu.m_menu;
    return SetMenuItemInfoA(m_menu, static_cast<UINT>(position), TRUE, &info) != FALSE;
}

bool CPopupMenu::CheckItem(int position, bool checked)
{
    const char* error = nullptr;
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    if (m_menu == nullptr) {
        error = "HMENU = 0.";
    } else if (!GetMenuItemInfoA(m_menu, static_cast<UINT>(position), TRUE, &info)) {
        error = "Failed to call GetMenuItemInfo().";
    } else {
        info.fState = checked ? (info.fState | MFS_CHECKED) : (info.fState & ~MFS_CHECKED);
        return SetMenuItemInfoA(m_menu, static_cast<UINT>(position), TRUE, &info) != FALSE;
    }
    EfTrace("CPopupMenu::CheckItem() - %s", error);
    return false;
}

int CPopupMenu::TrackPopup(HWND window, int x, int y)
{
    if (m_menu == nullptr)
        return -1;
    POINT point{x, y};
    ClientToScreen(window, &point);
    // The control that was clicked must not go on dragging under the menu.
    if (CHfcMouse* mouse = CHfcMouse::GetInstance())
        mouse->ReleaseCapture();
    SetLastError(0);
    const BOOL command = TrackPopupMenu(m_menu, TPM_RETURNCMD | TPM_NONOTIFY, point.x, point.y, 0, window, nullptr);
    if (command == 0) {
        if (const DWORD error = GetLastError(); error != 0)
            EfTrace("CPopupMenu::TrackPopup() - Error code = %d", static_cast<int>(error));
        return -1;
    }
    return static_cast<int>(command) - 1;
}
