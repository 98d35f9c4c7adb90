// The window procedure: which message reaches which handler, and the
// handlers that do not route input.
#include "framework/ui/HfcDrawContext.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMessageBox.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcWindow.h"

#include <platform/display.h>
#include <platform/input.h>
#include <platform/painting.h>

namespace {

// The only keys WM_KEYDOWN passes on; WM_CHAR passes every other code, so
// that a character is never taken for one of them.
bool IsNavigationKey(WPARAM code)
{
    switch (code) {
    case VK_BACK:
    case VK_RETURN:
    case VK_ESCAPE:
    case VK_LEFT:
    case VK_UP:
    case VK_RIGHT:
    case VK_DOWN:
    case VK_DELETE: return true;
    default: return false;
    }
}

int SignedLow(LPARAM value)
{
    return GET_X_LPARAM(value);
}

int SignedHigh(LPARAM value)
{
    return GET_Y_LPARAM(value);
}

}  // namespace

LRESULT CALLBACK CHfcWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CHfcWindow* created = nullptr;
    if (message == WM_NCCREATE)
        created = static_cast<CHfcWindow*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
    return RouteToObject(created, window, message, wParam, lParam, &DefWindowProcA);
}

LRESULT CHfcWindow::RouteToObject(CHfcWindow* created, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                                  WNDPROC unbound)
{
    CHfcWindow* object = nullptr;
    if (message == WM_NCCREATE) {
        object = created;
        if (object != nullptr)
            object->Attach(window);
    } else {
        object = FromHandle(window);
    }
    if (object == nullptr)
        return unbound(window, message, wParam, lParam);
    const LRESULT result = object->WindowProc(message, wParam, lParam);
    if (message == WM_NCDESTROY && object->m_hWnd == window) {
        // The handle is gone; the object may live on without it.
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        object->m_hWnd = nullptr;
    }
    return result;
}

LRESULT CHfcWindow::PreDispatch(UINT, WPARAM, LPARAM)
{
    return 1;
}

LRESULT CHfcWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CHfcWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (PreDispatch(message, wParam, lParam) == 0)
        return DefaultProc(message, wParam, lParam);
    switch (message) {
    case WM_CREATE: return Win32Create(message, wParam, lParam);
    case WM_DESTROY: return Win32Destroy(message, wParam, lParam);
    case WM_MOVE: return Win32Move(message, wParam, lParam);
    case WM_SIZE: return Win32Size(message, wParam, lParam);
    case WM_ACTIVATE: return Win32Activate(message, wParam, lParam);
    case WM_SETFOCUS: return Win32SetFocus(message, wParam, lParam);
    case WM_KILLFOCUS: return Win32KillFocus(message, wParam, lParam);
    case WM_ENABLE: return Win32Enable(message, wParam, lParam);
    case WM_SETREDRAW: return Win32SetRedraw(message, wParam, lParam);
    case WM_SETTEXT: return Win32SetText(message, wParam, lParam);
    case WM_GETTEXT: return Win32GetText(message, wParam, lParam);
    case WM_GETTEXTLENGTH: return Win32GetTextLength(message, wParam, lParam);
    case WM_PAINT: return Win32Paint(message, wParam, lParam);
    case WM_CLOSE: return Win32Close(message, wParam, lParam);
    case WM_QUERYENDSESSION: return Win32QueryEndSession(message, wParam, lParam);
    case WM_GETMINMAXINFO: return Win32GetMinMaxInfo(message, wParam, lParam);
    case WM_NCCREATE: return Win32NcCreate(message, wParam, lParam);
    case WM_NCDESTROY: return Win32NcDestroy(message, wParam, lParam);
    case WM_KEYDOWN: return Win32KeyDown(message, wParam, lParam);
    case WM_KEYUP: Win32KeyUp(message, wParam, lParam); return DefaultProc(message, wParam, lParam);
    case WM_CHAR: Win32Char(message, wParam, lParam); return DefaultProc(message, wParam, lParam);
    case WM_COMMAND: return Win32Command(message, wParam, lParam);
    case WM_TIMER: return Win32Timer(message, wParam, lParam);
    case WM_HSCROLL:
    case WM_VSCROLL: return Win32Scroll(message, wParam, lParam);
    case WM_MOUSEMOVE: return Win32MouseMove(message, wParam, lParam);
    case WM_LBUTTONDOWN: return Win32LButtonDown(message, wParam, lParam);
    case WM_LBUTTONUP: return Win32LButtonUp(message, wParam, lParam);
    case WM_LBUTTONDBLCLK: return Win32LButtonDblClk(message, wParam, lParam);
    case WM_RBUTTONDOWN: return Win32RButtonDown(message, wParam, lParam);
    case WM_RBUTTONUP: return Win32RButtonUp(message, wParam, lParam);
    case WM_RBUTTONDBLCLK: return Win32RButtonDblClk(message, wParam, lParam);
    case WM_MBUTTONDOWN: return Win32MButtonDown(message, wParam, lParam);
    case WM_MBUTTONUP: return Win32MButtonUp(message, wParam, lParam);
    case WM_MBUTTONDBLCLK: return Win32MButtonDblClk(message, wParam, lParam);
    case WM_MOUSEWHEEL: return Win32MouseWheel(message, wParam, lParam);
    case WM_SIZING: return Win32Sizing(message, wParam, lParam);
    // A capture taken away by another window must end the holder's gesture.
    case WM_CAPTURECHANGED: return Win32CaptureChanged(message, wParam, lParam);
    case WM_MOVING: return Win32Moving(message, wParam, lParam);
    default: return DefaultProc(message, wParam, lParam);
    }
}

LRESULT CHfcWindow::Win32Create(UINT, WPARAM, LPARAM)
{
    return CreateRootLayer() ? 0 : -1;
}

LRESULT CHfcWindow::Win32Destroy(UINT, WPARAM, LPARAM)
{
    DestroyLayers();
    return 0;
}

LRESULT CHfcWindow::Win32Move(UINT, WPARAM, LPARAM lParam)
{
    OnMoved(SignedLow(lParam), SignedHigh(lParam));
    return 0;
}

LRESULT CHfcWindow::Win32Size(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (wParam == SIZE_RESTORED || wParam == SIZE_MAXIMIZED || wParam == SIZE_MAXSHOW)
        OnResized(LOWORD(lParam), HIWORD(lParam));
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32Activate(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (LOWORD(wParam) != 0)
        OnActivate();
    else
        OnDeactivate();
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32SetFocus(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32KillFocus(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32Enable(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32SetRedraw(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32SetText(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32GetText(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32GetTextLength(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32Paint(UINT, WPARAM, LPARAM)
{
    PAINTSTRUCT paint{};
    HDC device = BeginPaint(m_hWnd, &paint);
    const RECT& area = paint.rcPaint;
    if (device != nullptr && area.right - area.left > 0 && area.bottom - area.top > 0) {
        CHfcDrawContext context(device);
        Paint(&context, area);
        context.Release();
    }
    EndPaint(m_hWnd, &paint);
    return 0;
}

LRESULT CHfcWindow::Win32Close(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!CanClose())
        return 0;
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32QueryEndSession(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32GetMinMaxInfo(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32NcCreate(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32NcDestroy(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32KeyDown(UINT, WPARAM wParam, LPARAM)
{
    CHfcKey* key = CHfcKey::GetInstance();
    if (key == nullptr) {
        ShowMessageBox("Key=0", "error", 0, 0);
        return 0;
    }
    if (IsNavigationKey(wParam))
        key->KeyInput(static_cast<int>(wParam), 0);
    return 0;
}

LRESULT CHfcWindow::Win32KeyUp(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32Char(UINT, WPARAM wParam, LPARAM lParam)
{
    CHfcKey* key = CHfcKey::GetInstance();
    if (key == nullptr) {
        ShowMessageBox("Key=0", "error", 0, 0);
        return 0;
    }
    if (!IsNavigationKey(wParam))
        key->KeyInput(static_cast<int>(wParam), static_cast<int>(lParam));
    return 0;
}

LRESULT CHfcWindow::Win32Command(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcWindow::Win32Scroll(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (lParam != 0)
        SendMessageA(reinterpret_cast<HWND>(lParam), message, wParam, lParam);
    return 0;
}

LRESULT CHfcWindow::Win32Timer(UINT, WPARAM, LPARAM)
{
    OnTimer();
    return 0;
}

LRESULT CHfcWindow::Win32CaptureChanged(UINT, WPARAM, LPARAM)
{
    // The mouse manager tells the holder itself of the changes it makes.
    CHfcMouse* mouse = CHfcMouse::GetInstance();
    if (mouse != nullptr && !mouse->IsChangingCapture())
        mouse->CancelCapture();
    return 0;
}

LRESULT CHfcWindow::Win32Sizing(UINT, WPARAM wParam, LPARAM lParam)
{
    auto& rect = *reinterpret_cast<RECT*>(lParam);
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    RECT margin{};
    AdjustWindowRectEx(&margin, style, FALSE, exStyle);
    int width = (rect.right - margin.right) - (rect.left - margin.left);
    int height = (rect.bottom - margin.bottom) - (rect.top - margin.top);
    OnSizing(&width, &height);
    switch (wParam) {
    case WMSZ_LEFT:
    case WMSZ_TOPLEFT:
    case WMSZ_BOTTOMLEFT: rect.left = rect.right - width - margin.right + margin.left; break;
    case WMSZ_RIGHT:
    case WMSZ_TOPRIGHT:
    case WMSZ_BOTTOMRIGHT: rect.right = rect.left - margin.left + width + margin.right; break;
    default: break;
    }
    switch (wParam) {
    case WMSZ_TOP:
    case WMSZ_TOPLEFT:
    case WMSZ_TOPRIGHT: rect.top = rect.bottom - height - margin.bottom + margin.top; break;
    case WMSZ_BOTTOM:
    case WMSZ_BOTTOMLEFT:
    case WMSZ_BOTTOMRIGHT: rect.bottom = rect.top - margin.top + height + margin.bottom; break;
    default: break;
    }
    return 1;
}

LRESULT CHfcWindow::Win32Moving(UINT, WPARAM, LPARAM lParam)
{
    auto& rect = *reinterpret_cast<RECT*>(lParam);
    POINT origin{rect.left, rect.top};
    if (m_pParent != nullptr)
        m_pParent->ScreenToClient(origin);
    int x = origin.x;
    int y = origin.y;
    OnMoving(&x, &y);
    rect.right += x - origin.x;
    rect.bottom += y - origin.y;
    POINT moved{x, y};
    if (m_pParent != nullptr)
        m_pParent->ClientToScreen(moved);
    rect.left = moved.x;
    rect.top = moved.y;
    return 1;
}
