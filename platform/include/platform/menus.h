#pragma once
// Menu bars and popup menus as objects of our own: items with texts, ids,
// states, item data and submenus. Texts of the A forms are UTF-8.
#include <platform/gdi.h>

// Item types.
#define MFT_STRING 0x00000000u
#define MFT_MENUBARBREAK 0x00000020u  // starts a new column, with a line before it
#define MFT_MENUBREAK 0x00000040u     // starts a new column
#define MFT_RADIOCHECK 0x00000200u
#define MFT_SEPARATOR 0x00000800u
// Item states.
#define MFS_ENABLED 0x00000000u
#define MFS_UNCHECKED 0x00000000u
#define MFS_GRAYED 0x00000003u
#define MFS_DISABLED MFS_GRAYED
#define MFS_CHECKED 0x00000008u
#define MFS_HILITE 0x00000080u
#define MFS_DEFAULT 0x00001000u

// Flags of CheckMenuItem, EnableMenuItem, DeleteMenu and AppendMenu.
#define MF_BYCOMMAND 0x00000000u
#define MF_BYPOSITION 0x00000400u
#define MF_ENABLED 0x00000000u
#define MF_GRAYED 0x00000001u
#define MF_DISABLED 0x00000002u
#define MF_UNCHECKED 0x00000000u
#define MF_CHECKED 0x00000008u
#define MF_STRING 0x00000000u
#define MF_POPUP 0x00000010u
#define MF_MENUBARBREAK 0x00000020u
#define MF_MENUBREAK 0x00000040u
#define MF_SEPARATOR 0x00000800u

// MENUITEMINFO fMask.
#define MIIM_STATE 0x00000001u
#define MIIM_ID 0x00000002u
#define MIIM_SUBMENU 0x00000004u
#define MIIM_CHECKMARKS 0x00000008u
#define MIIM_TYPE 0x00000010u  // fType and, for text items, the text
#define MIIM_DATA 0x00000020u
#define MIIM_STRING 0x00000040u
#define MIIM_BITMAP 0x00000080u
#define MIIM_FTYPE 0x00000100u

// cbSize is the structure's size here, or 48, its size on 32-bit systems.
struct MENUITEMINFOA
{
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPSTR dwTypeData;
    UINT cch;  // characters, without the terminating zero
    HBITMAP hbmpItem;
};
struct MENUITEMINFOW
{
    UINT cbSize;
    UINT fMask;
    UINT fType;
    UINT fState;
    UINT wID;
    HMENU hSubMenu;
    HBITMAP hbmpChecked;
    HBITMAP hbmpUnchecked;
    ULONG_PTR dwItemData;
    LPWSTR dwTypeData;
    UINT cch;
    HBITMAP hbmpItem;
};
typedef MENUITEMINFOA* LPMENUITEMINFOA;
typedef const MENUITEMINFOA* LPCMENUITEMINFOA;
typedef MENUITEMINFOW* LPMENUITEMINFOW;
typedef const MENUITEMINFOW* LPCMENUITEMINFOW;

// MENUINFO fMask.
#define MIM_MAXHEIGHT 0x00000001u
#define MIM_BACKGROUND 0x00000002u
#define MIM_HELPID 0x00000004u
#define MIM_MENUDATA 0x00000008u
#define MIM_STYLE 0x00000010u
#define MIM_APPLYTOSUBMENUS 0x80000000u

// cbSize is the structure's size here, or 28, its size on 32-bit systems.
struct MENUINFO
{
    DWORD cbSize;
    DWORD fMask;
    DWORD dwStyle;
    UINT cyMax;
    HBRUSH hbrBack;
    DWORD dwContextHelpID;
    ULONG_PTR dwMenuData;
};
typedef MENUINFO* LPMENUINFO;
typedef const MENUINFO* LPCMENUINFO;

HMENU CreateMenu();
HMENU CreatePopupMenu();
// Destroys the submenus too.
BOOL DestroyMenu(HMENU menu);
BOOL IsMenu(HMENU menu);

// A menu bar from a menu resource of our own text format (type "MENU").
HMENU LoadMenuA(HINSTANCE instance, LPCSTR name);
HMENU LoadMenuW(HINSTANCE instance, LPCWSTR name);

// By position the item goes before the given one (at the end past the last);
// by command, before the item with that id, searched through the submenus.
BOOL InsertMenuItemA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
BOOL InsertMenuItemW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info);
// By command the submenus are searched, depth first. Getting the text
// copies at most cch - 1 characters and a zero, and sets cch to the text's
// length; with no buffer only the length is given.
BOOL GetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOA info);
BOOL GetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPMENUITEMINFOW info);
BOOL SetMenuItemInfoA(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOA info);
BOOL SetMenuItemInfoW(HMENU menu, UINT item, BOOL byPosition, LPCMENUITEMINFOW info);
BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCSTR text);
BOOL AppendMenuW(HMENU menu, UINT flags, UINT_PTR idOrSubmenu, LPCWSTR text);
// DeleteMenu destroys an item's submenu; RemoveMenu keeps it.
BOOL DeleteMenu(HMENU menu, UINT item, UINT flags);
BOOL RemoveMenu(HMENU menu, UINT item, UINT flags);

// The previous check or enable state of the item, or (DWORD)-1 when there
// is no such item.
DWORD CheckMenuItem(HMENU menu, UINT item, UINT flags);
// The previous MF_GRAYED and MF_DISABLED bits, or -1 when there is no such item.
BOOL EnableMenuItem(HMENU menu, UINT item, UINT flags);

// -1 for a handle that is not a menu.
int GetMenuItemCount(HMENU menu);
// -1 for an item that opens a submenu or is not there.
UINT GetMenuItemID(HMENU menu, int position);
HMENU GetSubMenu(HMENU menu, int position);

BOOL SetMenuInfo(HMENU menu, LPCMENUINFO info);
BOOL GetMenuInfo(HMENU menu, LPMENUINFO info);

// A top-level window's menu bar; child windows have none (their menu word
// is their id).
HMENU GetMenu(HWND window);
// The frame makes room for the bar, or gives it back, and sends WM_SIZE.
BOOL SetMenu(HWND window, HMENU menu);
// Redraws the bar after its items changed.
BOOL DrawMenuBar(HWND window);

#define TPM_LEFTBUTTON 0x0000u
#define TPM_RIGHTBUTTON 0x0002u
#define TPM_LEFTALIGN 0x0000u
#define TPM_CENTERALIGN 0x0004u
#define TPM_RIGHTALIGN 0x0008u
#define TPM_TOPALIGN 0x0000u
#define TPM_VCENTERALIGN 0x0010u
#define TPM_BOTTOMALIGN 0x0020u
#define TPM_NONOTIFY 0x0080u
#define TPM_RETURNCMD 0x0100u

// Shows the popup menu at a screen point and runs a modal loop until an
// item is picked (click, Enter, its "&" letter) or the menu is cancelled
// (Escape, a click outside). Posted messages, paint and timers go on
// meanwhile; keys and mouse belong to the menu. Items break into columns
// at MFT_MENUBREAK and MFT_MENUBARBREAK; a menu taller than the work area
// scrolls. With TPM_RETURNCMD the answer is the picked id, 0 on cancel;
// otherwise a pick posts WM_COMMAND to the owner unless TPM_NONOTIFY is
// given, and the answer says whether there was one.
BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int reserved, HWND owner, const RECT* rect);
