#include "framework/ui/HfcMdiChildWindow.h"

#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcMdiFrameWindow.h"
#include "framework/ui/HfcMdiWindowClass.h"
#include "framework/ui/HfcMenu.h"

#include <platform/mdi.h>

namespace {

HMENU MenuOf(const CHfcWindow* window)
{
    if (window == nullptr || window->GetMenuBar() == nullptr)
        return nullptr;
    return window->GetMenuBar()->GetMenu();
}

}  // namespace

bool CHfcMdiChildWindow::Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar,
                                CHfcMdiFrameWindow* frame)
{
    if (m_hWnd != nullptr || frame == nullptr)
        return false;
    m_pCommandTarget = frame->GetCommandTarget();
    m_pMenuBar = menuBar;
    m_pParent = frame;
    RegisterWindowClass();
    // An MDI child has no menu bar of its own: the frame shows its menu.
    const CreateGeometry geometry = WorkOutCreateGeometry(flags, x, y, width, height, false);
    HWND window = CreateMDIWindowA(GetWindowClassName(), title, geometry.style, geometry.x, geometry.y, geometry.width,
                                   geometry.height, frame->GetMdiClient(), GetInstanceHandle(),
                                   reinterpret_cast<LPARAM>(static_cast<CHfcWindow*>(this)));
    if (window == nullptr) {
        m_pCommandTarget = nullptr;
        m_pMenuBar = nullptr;
        m_pParent = nullptr;
        return false;
    }
    m_hWnd = window;
    RegisterDropTarget();
    if (m_pRootLayer == nullptr)
        CreateRootLayer();
    return true;
}

LRESULT CALLBACK CHfcMdiChildWindow::StaticWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    CHfcWindow* created = nullptr;
    if (message == WM_NCCREATE) {
        const auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        const auto* mdi = static_cast<const MDICREATESTRUCTA*>(create->lpCreateParams);
        created = reinterpret_cast<CHfcWindow*>(mdi->lParam);
    }
    return RouteToObject(created, window, message, wParam, lParam, &DefMDIChildProcA);
}

CHfcMdiFrameWindow* CHfcMdiChildWindow::GetFrame() const
{
    // Create takes nothing but a frame for the parent.
    return static_cast<CHfcMdiFrameWindow*>(m_pParent);
}

int CHfcMdiChildWindow::GetWindowMenuIndex()
{
    return 1;
}

bool CHfcMdiChildWindow::Destroy()
{
    if (m_hWnd == nullptr)
        return false;
    SendMessageA(GetFrame()->GetMdiClient(), WM_MDIDESTROY, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return true;
}

void CHfcMdiChildWindow::ActivateThroughClient()
{
    HWND client = GetFrame() != nullptr ? GetFrame()->GetMdiClient() : nullptr;
    if (client != nullptr)
        SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
}

bool CHfcMdiChildWindow::Show()
{
    if (m_hWnd == nullptr)
        return false;
    ShowWindow(m_hWnd, SW_SHOWNORMAL);
    ActivateThroughClient();
    return true;
}

bool CHfcMdiChildWindow::Hide()
{
    if (m_hWnd == nullptr)
        return false;
    ShowWindow(m_hWnd, SW_HIDE);
    ActivateThroughClient();
    return true;
}

ATOM CHfcMdiChildWindow::RegisterWindowClass()
{
    return RegisterMdiWindowClass(GetWindowClassName(), CS_DBLCLKS, &CHfcMdiChildWindow::StaticWindowProc);
}

const char* CHfcMdiChildWindow::GetWindowClassName()
{
    return "CHycMdiChildWindow";
}

DWORD CHfcMdiChildWindow::GetWindowStyle()
{
    return WS_CHILD | WS_CLIPSIBLINGS | WS_CAPTION;
}

DWORD CHfcMdiChildWindow::GetWindowExStyle()
{
    return WS_EX_MDICHILD;
}

LRESULT CHfcMdiChildWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_CLOSE: return Win32Close(message, wParam, lParam);
    case WM_MDIACTIVATE: return Win32MdiActivate(message, wParam, lParam);
    default: return CHfcWindow::WindowProc(message, wParam, lParam);
    }
}

LRESULT CHfcMdiChildWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(m_hWnd, message, wParam, lParam);
}

LRESULT CHfcMdiChildWindow::Win32Close(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (!CanClose())
        return 1;
    return DefaultProc(message, wParam, lParam);
}

LRESULT CHfcMdiChildWindow::Win32MdiActivate(UINT message, WPARAM deactivated, LPARAM activated)
{
    HWND client = ::GetParent(m_hWnd);
    HWND frame = ::GetParent(client);
    const auto self = reinterpret_cast<WPARAM>(m_hWnd);
    HMENU menu = nullptr;
    int windowMenuIndex = 0;
    if (static_cast<WPARAM>(activated) == self) {
        menu = MenuOf(this);
        windowMenuIndex = GetWindowMenuIndex();
    } else if (activated == 0 && deactivated == self) {
        menu = MenuOf(FromHandle(frame));
    }
    if (static_cast<WPARAM>(activated) == self)
        OnActivate();
    if (deactivated == self)
        OnDeactivate();
    if (menu != nullptr) {
        SendMessageA(client, WM_MDISETMENU, reinterpret_cast<WPARAM>(menu),
                     reinterpret_cast<LPARAM>(GetSubMenu(menu, windowMenuIndex)));
        SendMessageA(client, WM_MDIREFRESHMENU, 0, 0);
        DrawMenuBar(frame);
    }
    return DefaultProc(message, deactivated, activated);
}
