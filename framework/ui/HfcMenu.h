#pragma once
// Owners of menu handles: a menu bar loaded from the resources and a popup
// menu built at run time. Whoever shows a popup menu tracks it itself.
#include <platform/menus.h>

class CHfcMenuBar
{
public:
    CHfcMenuBar() = default;
    // Destroys a held menu.
    virtual ~CHfcMenuBar();
    CHfcMenuBar(const CHfcMenuBar&) = delete;
    CHfcMenuBar& operator=(const CHfcMenuBar&) = delete;

    // False when a menu is held already or the resource cannot be loaded.
    virtual bool LoadFromId(UINT id);
    // The first argument is not used.
    virtual bool LoadFromName(HINSTANCE reserved, LPCSTR name);
    // Destroys the menu and forgets it when that worked; answers false in
    // every case.
    virtual bool Destroy();

    HMENU GetMenu() const { return m_hMenu; }

private:
    bool Load(LPCSTR name);

    HMENU m_hMenu = nullptr;
};

class CHfcPopupMenu
{
public:
    // Item flags of InsertItem.
    static constexpr UINT kSeparator = 1;
    static constexpr UINT kGrayed = 2;

    CHfcPopupMenu() = default;
    // Destroys a held menu.
    virtual ~CHfcPopupMenu();
    CHfcPopupMenu(const CHfcPopupMenu&) = delete;
    CHfcPopupMenu& operator=(const CHfcPopupMenu&) = delete;

    // A new empty popup menu whose menu data points back to this wrapper.
    // Called while a menu is held it destroys that menu and fails.
    bool Create(UINT reserved = 0);
    // Inserts before the item at the position; flags as above.
    bool InsertItem(UINT position, UINT commandId, const char* text, UINT flags);
    // False without a menu or when it cannot be destroyed.
    bool Destroy();

    HMENU GetMenu() const { return m_hMenu; }

private:
    void DestroyHeld();

    HMENU m_hMenu = nullptr;
};
