#pragma once
// A window's key focus: a hidden edit window takes the system keyboard
// focus on behalf of one listener (a control or a layer) and hands it the
// keys and the focus changes. One per window.
#include <platform/window.h>

class CHfcKeyFocusListener;

class CHfcKeyFocus
{
public:
    CHfcKeyFocus() = default;
    virtual ~CHfcKeyFocus();
    CHfcKeyFocus(const CHfcKeyFocus&) = delete;
    CHfcKeyFocus& operator=(const CHfcKeyFocus&) = delete;

    // The edit window's messages; -1 means not handled.
    virtual LRESULT Win32SetFocus(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32KillFocus(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32KeyDown(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32KeyUp(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT Win32Char(UINT message, WPARAM wParam, LPARAM lParam);

    // The old listener is told it lost the focus, the new one that it got
    // it, in that order, on a new edit window in the parent. False for a
    // null argument or when the edit window cannot be made.
    bool SetFocus(CHfcKeyFocusListener* listener, HWND parent);
    // Tells the listener, forgets it and destroys the edit window.
    void KillFocus();
    // Gives the system focus back to the edit window.
    void RestoreFocus();

    CHfcKeyFocusListener* GetListener() const { return m_pListener; }
    bool HasFocus() const { return m_bHasFocus; }
    HWND GetEditWindow() const { return m_hEditWindow; }

private:
    static LRESULT CALLBACK EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    bool CreateEditWindow(HWND parent);
    void DestroyEditWindow();
    // The listener's key-down, repeat or up for the mapped key code.
    LRESULT KeyEvent(WPARAM code, bool up, LPARAM lParam);

    CHfcKeyFocusListener* m_pListener = nullptr;
    bool m_bHasFocus = false;
    HWND m_hEditWindow = nullptr;
    WNDPROC m_pfnEditProc = nullptr;
};
