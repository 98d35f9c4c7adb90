#include "framework/ui/HfcKeyFocus.h"

#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcKeyFocusListener.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcUiLock.h"

#include <platform/input.h>

namespace {

constexpr DWORD kEditStyle = 0x50000080;  // WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL
constexpr WPARAM kEditId = 1;
// Bit 14 of a key message's lParam: part of the repeat count.
constexpr LPARAM kRepeatBit = 0x4000;

int MappedKey(WPARAM code)
{
    switch (code) {
    case VK_LEFT: return 28;
    case VK_RIGHT: return 29;
    case VK_UP: return 30;
    case VK_DOWN: return 31;
    case VK_DELETE: return 127;
    default: return static_cast<int>(code);
    }
}

}  // namespace

CHfcKeyFocus::~CHfcKeyFocus()
{
    if (m_hEditWindow != nullptr) {
        m_pListener = nullptr;
        DestroyEditWindow();
    }
}

bool CHfcKeyFocus::SetFocus(CHfcKeyFocusListener* listener, HWND parent)
{
    CHfcUiLock lock;
    if (listener == nullptr || parent == nullptr)
        return false;
    if (listener == m_pListener) {
        RestoreFocus();
        return true;
    }
    // The old listener is still stored, so the edit window's WM_KILLFOCUS
    // reaches it before the new one hears anything.
    ::SetFocus(nullptr);
    m_pListener = nullptr;
    DestroyEditWindow();
    m_pListener = listener;
    if (!CreateEditWindow(parent))
        return false;
    RestoreFocus();
    return true;
}

void CHfcKeyFocus::KillFocus()
{
    CHfcUiLock lock;
    if (m_pListener == nullptr)
        return;
    m_pListener->OnHfcKeyFocusKilled(this);
    m_pListener = nullptr;
    DestroyEditWindow();
}

void CHfcKeyFocus::RestoreFocus()
{
    CHfcUiLock lock;
    if (m_hEditWindow != nullptr && GetFocus() != m_hEditWindow)
        ::SetFocus(m_hEditWindow);
}

bool CHfcKeyFocus::CreateEditWindow(HWND parent)
{
    if (m_hEditWindow != nullptr || parent == nullptr)
        return false;
    m_hEditWindow = CreateWindowExA(0, "EDIT", "ControlForKeyEvents", kEditStyle, 0, -40, 20, 20, parent,
                                    reinterpret_cast<HMENU>(kEditId), GetInstanceHandle(), nullptr);
    if (m_hEditWindow == nullptr)
        return false;
    SetLastError(0);
    SetWindowLongPtrA(m_hEditWindow, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    bool failed = GetLastError() != 0;
    if (!failed) {
        m_pfnEditProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(m_hEditWindow, GWLP_WNDPROC));
        failed = m_pfnEditProc == nullptr;
    }
    if (!failed) {
        SetLastError(0);
        SetWindowLongPtrA(m_hEditWindow, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&EditWindowProc));
        failed = GetLastError() != 0;
    }
    if (failed) {
        DestroyEditWindow();
        return false;
    }
    return true;
}

void CHfcKeyFocus::DestroyEditWindow()
{
    if (m_hEditWindow != nullptr)
        DestroyWindow(m_hEditWindow);
    m_hEditWindow = nullptr;
    m_pfnEditProc = nullptr;
}

LRESULT CALLBACK CHfcKeyFocus::EditWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* focus = reinterpret_cast<CHfcKeyFocus*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (focus == nullptr)
        return DefWindowProcA(window, message, wParam, lParam);
    switch (message) {
    case WM_KEYDOWN: return focus->Win32KeyDown(message, wParam, lParam);
    case WM_KEYUP: return focus->Win32KeyUp(message, wParam, lParam);
    case WM_CHAR: return focus->Win32Char(message, wParam, lParam);
    case WM_SETFOCUS: return focus->Win32SetFocus(message, wParam, lParam);
    case WM_KILLFOCUS: return focus->Win32KillFocus(message, wParam, lParam);
    case WM_GETDLGCODE:
        if (wParam == VK_RETURN)
            return focus->Win32Char(message, wParam, lParam);
        break;
    case WM_NCDESTROY: {
        // Destroyed with its parent: the handle must not be used again.
        const LRESULT result = CallWindowProcA(focus->m_pfnEditProc, window, message, wParam, lParam);
        if (focus->m_hEditWindow == window) {
            focus->m_hEditWindow = nullptr;
            focus->m_pfnEditProc = nullptr;
            focus->m_bHasFocus = false;
        }
        return result;
    }
    default: break;
    }
    return CallWindowProcA(focus->m_pfnEditProc, window, message, wParam, lParam);
}

LRESULT CHfcKeyFocus::KeyEvent(WPARAM code, bool up, LPARAM lParam)
{
    if (m_pListener == nullptr)
        return -1;
    const int key = MappedKey(code);
    const int modifiers = HfcKeyboardModifiers();
    bool consumed;
    if (up)
        consumed = m_pListener->OnHfcKeyFocusKeyUp(this, key, 0, modifiers);
    else if (lParam & kRepeatBit)
        consumed = m_pListener->OnHfcKeyFocusKeyRepeat(this, key, 0, modifiers);
    else
        consumed = m_pListener->OnHfcKeyFocusKeyDown(this, key, 0, modifiers);
    return consumed ? 0 : -1;
}

LRESULT CHfcKeyFocus::Win32KeyDown(UINT, WPARAM wParam, LPARAM lParam)
{
    return KeyEvent(wParam, false, lParam);
}

LRESULT CHfcKeyFocus::Win32KeyUp(UINT, WPARAM wParam, LPARAM lParam)
{
    return KeyEvent(wParam, true, lParam);
}

LRESULT CHfcKeyFocus::Win32Char(UINT, WPARAM wParam, LPARAM)
{
    if (m_pListener == nullptr || wParam < 32 || wParam > 127)
        return -1;
    return m_pListener->OnHfcKeyFocusChar(this, static_cast<int>(wParam & 127)) ? 0 : -1;
}

LRESULT CHfcKeyFocus::Win32SetFocus(UINT, WPARAM, LPARAM)
{
    m_bHasFocus = true;
    if (m_pListener != nullptr)
        m_pListener->OnHfcKeyFocusSet(this);
    return 0;
}

LRESULT CHfcKeyFocus::Win32KillFocus(UINT, WPARAM, LPARAM)
{
    m_bHasFocus = false;
    if (m_pListener != nullptr)
        m_pListener->OnHfcKeyFocusKilled(this);
    return 0;
}
