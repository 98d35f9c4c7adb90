// BUTTON: push buttons that notify their parent, automatic check boxes that
// also toggle, group boxes that only frame their neighbours.
#include "basic_controls.h"
#include "control_paint.h"
#include "notify_parent.h"

#include <platform/display.h>
#include <platform/painting.h>

namespace platform::dialogs {
namespace {

// Bits of the state word in the window's extra bytes; the check state
// takes the low bits as BM_GETCHECK answers it.
constexpr LONG_PTR kCheckMask = 0x3;
constexpr LONG_PTR kPushed = 0x4;  // held by the mouse or by Space
constexpr LONG_PTR kSpaceDown = 0x8;

DWORD TypeOf(HWND button)
{
    return DWORD(GetWindowLongPtrA(button, GWL_STYLE)) & BS_TYPEMASK;
}
bool IsPush(DWORD type)
{
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

LONG_PTR StateOf(HWND button)
{
    return GetWindowLongPtrA(button, 0);
}
void SetState(HWND button, LONG_PTR state)
{
    if (SetWindowLongPtrA(button, 0, state) != state)
        InvalidateRect(button, nullptr, FALSE);
}
void SetBits(HWND button, LONG_PTR bits, bool on)
{
    const LONG_PTR state = StateOf(button);
    SetState(button, on ? state | bits : state & ~bits);
}

bool Inside(HWND button, LPARAM lParam)
{
    RECT client{};
    GetClientRect(button, &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return at.x >= client.left && at.x < client.right && at.y >= client.top && at.y < client.bottom;
}

// A click that counts: a check box turns over, then the parent hears of it.
void Click(HWND button)
{
    if (TypeOf(button) == BS_AUTOCHECKBOX) {
        const LONG_PTR state = StateOf(button);
        SetState(button, (state & ~kCheckMask) | ((state & kCheckMask) == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED));
    }
    NotifyParent(button, BN_CLICKED);
}

bool IsPushButton(HWND window)
{
    return SendMessageA(window, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON);
}

// Enter presses the focused push button, else the default one: that one wears the frame.
bool Marked(HWND button, DWORD type)
{
    if (!IsPush(type))
        return false;
    HWND focus = GetFocus();
    if (focus == button)
        return true;
    return type == BS_DEFPUSHBUTTON && !(focus && GetParent(focus) == GetParent(button) && IsPushButton(focus));
}

// A push button taking or losing the focus moves the frame from or back to the default one.
void RepaintDefaultSiblings(HWND button)
{
    HWND parent = GetParent(button);
    if (!parent)
        return;
    EnumChildWindows(
        parent,
        [](HWND child, LPARAM parent) -> BOOL {
            if (GetParent(child) == reinterpret_cast<HWND>(parent) &&
                (SendMessageA(child, WM_GETDLGCODE, 0, 0) & DLGC_DEFPUSHBUTTON))
                InvalidateRect(child, nullptr, FALSE);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(parent));
}

LRESULT DialogCode(DWORD type)
{
    if (type == BS_DEFPUSHBUTTON)
        return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
    if (type == BS_PUSHBUTTON)
        return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    if (type == BS_GROUPBOX)
        return DLGC_STATIC;
    return DLGC_BUTTON;
}

// A group box never takes the focus and lies under the controls it frames.
void SettleGroupBox(HWND box)
{
    SetWindowLongPtrA(box, GWL_STYLE, GetWindowLongPtrA(box, GWL_STYLE) & ~LONG_PTR(WS_TABSTOP));
    SetWindowPos(box, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

LRESULT PointerMessage(HWND button, UINT message, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        SetFocus(button);
        SetCapture(button);
        SetBits(button, kPushed, true);
        break;
    case WM_MOUSEMOVE:
        if (GetCapture() == button)
            SetBits(button, kPushed, Inside(button, lParam));
        break;
    case WM_LBUTTONUP:
        if (GetCapture() != button)
            break;
        ReleaseCapture();
        if (Inside(button, lParam))
            Click(button);
        break;
    }
    return 0;
}

}  // namespace

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const DWORD type = TypeOf(button);
    const bool groupBox = type == BS_GROUPBOX;
    switch (message) {
    case WM_CREATE:
        if (groupBox)
            SettleGroupBox(button);
        return 0;
    case WM_GETDLGCODE: return DialogCode(type);
    case WM_PAINT: {
        const LONG_PTR state = StateOf(button);
        PaintButton(button, {(state & kCheckMask) == BST_CHECKED, (state & kPushed) != 0, GetFocus() == button,
                             IsWindowEnabled(button) != FALSE, Marked(button, type)});
        return 0;
    }
    case WM_ERASEBKGND: return 1;  // the paint covers the whole button
    case BM_GETCHECK: return IsPush(type) || groupBox ? BST_UNCHECKED : StateOf(button) & kCheckMask;
    case BM_SETCHECK:
        if (!IsPush(type) && !groupBox)
            SetState(button, (StateOf(button) & ~kCheckMask) | (wParam == BST_CHECKED ? BST_CHECKED : BST_UNCHECKED));
        return 0;
    case BM_CLICK:
        if (!groupBox)
            Click(button);
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_MOUSEMOVE:
    case WM_LBUTTONUP: return groupBox ? 0 : PointerMessage(button, message, lParam);
    case WM_CAPTURECHANGED: SetBits(button, kPushed, false); return 0;
    case WM_KEYDOWN:
        if (wParam == VK_SPACE && !groupBox)
            SetBits(button, kPushed | kSpaceDown, true);
        return 0;
    case WM_KEYUP:
        // Only a Space pressed here clicks, not one carried over from another window.
        if (wParam != VK_SPACE || !(StateOf(button) & kSpaceDown))
            return 0;
        SetBits(button, kPushed | kSpaceDown, false);
        Click(button);
        return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
        if (message == WM_KILLFOCUS)
            SetBits(button, kPushed | kSpaceDown, false);
        InvalidateRect(button, nullptr, FALSE);
        if (IsPush(type))
            RepaintDefaultSiblings(button);
        return 0;
    case WM_ENABLE: InvalidateRect(button, nullptr, FALSE); return 0;
    case WM_SETTEXT: return SetTextAndRepaint(button, wParam, lParam);
    }
    return DefWindowProcW(button, message, wParam, lParam);
}

}  // namespace platform::dialogs
