#pragma once
// The keyboard manager: the one key listener of the application that the
// windows hand their keys to. One per process, kept alive by a use count.
#include <platform/types.h>

class CHfcKeyListener;

class CHfcKey
{
public:
    // The first call makes the manager; every call counts. True when the
    // manager exists.
    static bool Acquire();
    // The last release deletes the manager; false below zero.
    static bool Release();
    // Null while nobody has acquired it.
    static CHfcKey* GetInstance();

    virtual ~CHfcKey() = default;
    // Hand the key to the focused listener and answer what it says; 0
    // without one.
    virtual int KeyDown(int code, int flags);
    virtual int KeyUp(int code, int flags);
    virtual int KeyInput(int code, int flags);
    // Tells the listener it lost the focus and forgets it.
    virtual void KillFocus();

    // The listener and its window take the focus. A listener that loses it
    // this way is not told.
    void SetFocus(CHfcKeyListener* listener, HWND window);
    // Takes the window focus away and forgets the listener without telling it.
    void ClearFocus();
    CHfcKeyListener* GetFocus() const { return m_pFocus; }

private:
    CHfcKey() = default;

    CHfcKeyListener* m_pFocus = nullptr;
    HWND m_hFocusWindow = nullptr;
};
