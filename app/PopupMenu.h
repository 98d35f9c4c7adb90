#pragma once
// One popup menu of the editor: items whose command ids encode an index,
// shown at a point of a window, answering the chosen index.
#include <platform/menus.h>

#include <string>

class CPopupMenu
{
public:
    // A new column starts at each non-zero multiple of this many items.
    static constexpr int kItemsPerColumn = 32;

    CPopupMenu() = default;
    virtual ~CPopupMenu();
    CPopupMenu(const CPopupMenu&) = delete;
    CPopupMenu& operator=(const CPopupMenu&) = delete;

    // Makes the menu, with this object as its menu data; false, with a
    // trace, when it exists already or cannot be made.
    bool Create();
    // Submenus set with SetSubMenu stay with their own objects.
    void Destroy();
    HMENU GetHandle() const { return m_menu; }

    // Inserts a text item at position with command id position + 1. "&"
    // shows as itself; "-" is a separator.
    bool AppendIndexedItem(const std::string& text, int position);
    bool AppendItem(const std::string& text, int position, UINT id);
    bool AppendItemA(const char* text, int position, UINT id) { return AppendItem(text, position, id); }
    // The submenu is not owned; it must outlive this menu's showing.
    bool SetSubMenu(int position, CPopupMenu& submenu);
    bool CheckItem(int position, bool checked);

    // Shows the menu at a client point of window and answers the chosen
    // command id minus 1, or -1 when nothing was chosen.
    int TrackPopup(HWND window, int x, int y);
    int Track(HWND window, int x, int y) { return TrackPopup(window, x, y); }

private:
    HMENU m_menu = nullptr;
};
