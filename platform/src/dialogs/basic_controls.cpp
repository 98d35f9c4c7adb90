#include "basic_controls.h"

#include <platform/dialogs.h>
#include <platform/display.h>

#include <mutex>

namespace platform::dialogs {
namespace {

void Notify(HWND button)
{
    SendMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(button));
}

bool IsPush(DWORD style)
{
    const DWORD type = style & BS_TYPEMASK;
    return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON;
}

LRESULT CALLBACK ButtonProc(HWND button, UINT message, WPARAM wParam, LPARAM lParam)
{
    const DWORD style = DWORD(GetWindowLongPtrA(button, GWL_STYLE));
    switch (message) {
    case WM_GETDLGCODE:
        if ((style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) return DLGC_BUTTON | DLGC_DEFPUSHBUTTON;
        if (IsPush(style)) return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
        return DLGC_BUTTON;
    case WM_LBUTTONDOWN:
        SetFocus(button);
        SetCapture(button);
        return 0;
    case WM_LBUTTONUP: {
        if (GetCapture() != button) return 0;
        ReleaseCapture();
        RECT client{};
        GetClientRect(button, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (at.x >= client.left && at.x < client.right && at.y >= client.top && at.y < client.bottom) Notify(button);
        return 0;
    }
    case WM_KEYUP:
        if (wParam == VK_SPACE) Notify(button);
        return 0;
    }
    return DefWindowProcA(button, message, wParam, lParam);
}

LRESULT CALLBACK StaticProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_GETDLGCODE) return DLGC_STATIC;
    return DefWindowProcA(label, message, wParam, lParam);
}

void Register(const char* name, WNDPROC procedure)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = name;
    RegisterClassExA(&windowClass);
}

}  // namespace

void RegisterBasicControls()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Register("BUTTON", ButtonProc);
        Register("STATIC", StaticProc);
    });
}

}  // namespace platform::dialogs
