#include "framework/ui/HfcMdiFrameWindow.h"

#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcMdiChildWindow.h"
#include "framework/ui/HfcMdiWindowClass.h"
#include "framework/ui/HfcMenu.h"

#include <platform/mdi.h>

namespace {

constexpr DWORD kMdiClientStyle =
    WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_VSCROLL | WS_HSCROLL | MDIS_ALLCHILDSTYLES;
constexpr int kMdiClientId = 1;

}  // namespace

bool CHfcMdiFrameWindow::Create(const char* title, int x, int y, int width, int height, int, CHfcMenuBar* menuBar)
{
    if (m_hWnd != nullptr)
        return false;
    RegisterWindowClass();
    if (x == 0 && y == 0 && width == 0 && height == 0) {
        x = CW_USEDEFAULT;
        y = CW_USEDEFAULT;
        width = CW_USEDEFAULT;
        height = CW_USEDEFAULT;
    }
    m_pMenuBar = menuBar;
    HWND window =
        CreateWindowExA(GetWindowExStyle(), GetWindowClassName(), title, GetWindowStyle(), x, y, width, height, nullptr,
                        menuBar != nullptr ? menuBar->GetMenu() : nullptr, GetInstanceHandle(), this);
    if (window == nullptr) {
        m_pMenuBar = nullptr;
        return false;
    }
    m_hWnd = window;
    return true;
}

bool CHfcMdiFrameWindow::ActivateChild(CHfcMdiChildWindow* child)
{
    if (child != nullptr && child->GetHandle() != nullptr)
        SendMessageA(m_hMdiClient, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(child->GetHandle()), 0);
    return false;
}

int CHfcMdiFrameWindow::GetFirstChildId()
{
    return 50000;
}

int CHfcMdiFrameWindow::GetWindowMenuIndex()
{
    return 1;
}

CHfcMdiChildWindow* CHfcMdiFrameWindow::GetActiveChild()
{
    if (m_hMdiClient == nullptr)
        return nullptr;
    auto active = reinterpret_cast<HWND>(SendMessageA(m_hMdiClient, WM_MDIGETACTIVE, 0, 0));
    return dynamic_cast<CHfcMdiChildWindow*>(FromHandle(active));
}

bool CHfcMdiFrameWindow::PreTranslateMessage(MSG* msg)
{
    return !TranslateMDISysAccel(m_hMdiClient, msg);
}

const char* CHfcMdiFrameWindow::GetWindowClassName()
{
    return "CHfcMdiFrameWindow";
}

DWORD CHfcMdiFrameWindow::GetWindowStyle()
{
    return WS_VISIBLE | WS_OVERLAPPEDWINDOW;
}

DWORD CHfcMdiFrameWindow::GetWindowExStyle()
{
    return WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
}

ATOM CHfcMdiFrameWindow::RegisterWindowClass()
{
    return RegisterMdiWindowClass(GetWindowClassName(), CS_HREDRAW | CS_VREDRAW, &CHfcWindow::StaticWindowProc);
}

LRESULT CHfcMdiFrameWindow::DefaultProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcA(m_hWnd, m_hMdiClient, message, wParam, lParam);
}

LRESULT CHfcMdiFrameWindow::Win32Create(UINT, WPARAM, LPARAM)
{
    CLIENTCREATESTRUCT settings{GetSubMenu(GetMenu(m_hWnd), GetWindowMenuIndex()),
                                static_cast<UINT>(GetFirstChildId())};
    m_hMdiClient =
        CreateWindowExA(0, "MDICLIENT", nullptr, kMdiClientStyle, 0, 0, 0, 0, m_hWnd,
                        reinterpret_cast<HMENU>(static_cast<LONG_PTR>(kMdiClientId)), GetInstanceHandle(), &settings);
    return m_hMdiClient != nullptr ? 0 : -1;
}

LRESULT CHfcMdiFrameWindow::Win32Destroy(UINT, WPARAM, LPARAM)
{
    PostQuitMessage(0);
    return 0;
}

LRESULT CHfcMdiFrameWindow::Win32Command(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pCommandTarget != nullptr) {
        const int result = m_pCommandTarget->OnCommand(message, wParam, lParam);
        if (result != 1)
            return result;
    }
    return DefaultProc(message, wParam, lParam);
}
