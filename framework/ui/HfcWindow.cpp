#include "framework/ui/HfcWindow.h"

#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcKeyFocus.h"
#include "framework/ui/HfcMenu.h"
#include "framework/ui/HfcWindowLayer.h"

#include <platform/input.h>
#include <platform/painting.h>

#include <cstring>
#include <unordered_set>

namespace {

constexpr int kTitleLength = 1024;

// Every framework window alive, so that a handle's user data is taken for
// a window only when it is one.
std::unordered_set<const CHfcWindow*>& LiveWindows()
{
    static std::unordered_set<const CHfcWindow*> windows;
    return windows;
}

CHfcWindow* UserData(HWND window)
{
    return reinterpret_cast<CHfcWindow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
}

struct SChildSearch
{
    const char* title;
    CHfcWindow* found;
};

BOOL CALLBACK MatchTitle(HWND child, LPARAM lParam)
{
    auto& search = *reinterpret_cast<SChildSearch*>(lParam);
    char text[kTitleLength + 1] = {};
    if (GetWindowTextA(child, text, sizeof(text)) <= 0)
        return TRUE;
    if (std::strncmp(text, search.title, kTitleLength) != 0)
        return TRUE;
    search.found = CHfcWindow::FromHandle(child);
    return FALSE;
}

BOOL CALLBACK VisitChild(HWND child, LPARAM lParam)
{
    auto* parent = reinterpret_cast<CHfcWindow*>(lParam);
    if (CHfcWindow* window = CHfcWindow::FromHandle(child))
        parent->OnEnumChild(window);
    return TRUE;
}

}  // namespace

CHfcWindow::CHfcWindow() : m_pKeyFocus(new CHfcKeyFocus)
{
    LiveWindows().insert(this);
}

CHfcWindow::~CHfcWindow()
{
    LiveWindows().erase(this);
    // A system window that outlives its object must not reach it any more.
    if (m_hWnd != nullptr && IsWindow(m_hWnd) && UserData(m_hWnd) == this)
        SetWindowLongPtrA(m_hWnd, GWLP_USERDATA, 0);
    if (m_pRootLayer != nullptr) {
        RemoveLayer(m_pRootLayer, false);
        delete m_pRootLayer;
    }
    delete m_pKeyFocus;
}

CHfcWindow* CHfcWindow::FromHandle(HWND window)
{
    CHfcWindow* object = window != nullptr ? UserData(window) : nullptr;
    if (object == nullptr || !LiveWindows().contains(object) || object->m_hWnd != window)
        return nullptr;
    return object;
}

void CHfcWindow::Attach(HWND window)
{
    m_hWnd = window;
    SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

void CHfcWindow::StyleFromFlags(int flags, DWORD& style, DWORD& exStyle)
{
    style = 0;
    if (flags & kCaption)
        style |= WS_CAPTION | WS_SYSMENU;
    if (flags & kMaximizeBox)
        style |= WS_MAXIMIZEBOX;
    if (flags & kCaptionMaximizeBox)
        style |= WS_CAPTION | WS_MAXIMIZEBOX;
    if (flags & kCaptionMinimizeBox)
        style |= WS_CAPTION | WS_MINIMIZEBOX;
    if (flags & kSizingFrame)
        style |= WS_THICKFRAME;
    exStyle = 0;
}

CHfcWindow::CreateGeometry CHfcWindow::WorkOutCreateGeometry(int flags, int x, int y, int width, int height,
                                                             bool hasMenu)
{
    CreateGeometry geometry;
    StyleFromFlags(flags, geometry.style, geometry.exStyle);
    geometry.style |= GetWindowStyle();
    geometry.exStyle = GetWindowExStyle();
    if (x == 0 && y == 0 && width == 0 && height == 0)
        return geometry;
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, geometry.style, hasMenu ? TRUE : FALSE, geometry.exStyle);
    geometry.x = x;
    geometry.y = y;
    geometry.width = outer.right - outer.left;
    geometry.height = outer.bottom - outer.top;
    return geometry;
}

ATOM CHfcWindow::RegisterWindowClass()
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof(windowClass);
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = &CHfcWindow::StaticWindowProc;
    windowClass.hInstance = GetInstanceHandle();
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    windowClass.lpszClassName = GetWindowClassName();
    // A second registration of the class fails; the first one stands.
    return RegisterClassExA(&windowClass);
}

const char* CHfcWindow::GetWindowClassName()
{
    return "CHfcWindow";
}

DWORD CHfcWindow::GetWindowStyle()
{
    return 0;
}

DWORD CHfcWindow::GetWindowExStyle()
{
    return 0;
}

bool CHfcWindow::Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar,
                        CHfcWindow* parent, int)
{
    if (m_hWnd != nullptr)
        return false;
    m_pParent = parent;
    m_pMenuBar = menuBar;
    RegisterWindowClass();
    const CreateGeometry geometry = WorkOutCreateGeometry(flags, x, y, width, height, menuBar != nullptr);
    HWND window = CreateWindowExA(geometry.exStyle, GetWindowClassName(), title, geometry.style, geometry.x, geometry.y,
                                  geometry.width, geometry.height, parent != nullptr ? parent->GetHandle() : nullptr,
                                  menuBar != nullptr ? menuBar->GetMenu() : nullptr, GetInstanceHandle(), this);
    if (window == nullptr) {
        m_pParent = nullptr;
        m_pMenuBar = nullptr;
        return false;
    }
    m_hWnd = window;
    RegisterDropTarget();
    // A derived window may have made no root layer while it was created;
    // the base one covers the client area.
    if (m_pRootLayer != nullptr)
        return true;
    return CreateRootLayer();
}

bool CHfcWindow::Destroy()
{
    return m_hWnd != nullptr && DestroyWindow(m_hWnd);
}

bool CHfcWindow::Show()
{
    if (m_hWnd == nullptr)
        return false;
    ShowWindow(m_hWnd, SW_SHOWNORMAL);
    return true;
}

bool CHfcWindow::Hide()
{
    if (m_hWnd == nullptr)
        return false;
    ShowWindow(m_hWnd, SW_HIDE);
    return true;
}

bool CHfcWindow::Activate()
{
    if (m_hWnd != nullptr)
        SetForegroundWindow(m_hWnd);
    return false;
}

bool CHfcWindow::Minimize()
{
    return m_hWnd != nullptr && CloseWindow(m_hWnd);
}

bool CHfcWindow::Restore()
{
    return m_hWnd != nullptr && OpenIcon(m_hWnd);
}

bool CHfcWindow::InvalidateRect(const RECT* rect)
{
    return m_hWnd != nullptr && ::InvalidateRect(m_hWnd, rect, FALSE);
}

bool CHfcWindow::GetWindowRect(RECT& rect)
{
    return m_hWnd != nullptr && ::GetWindowRect(m_hWnd, &rect);
}

bool CHfcWindow::GetClientRect(RECT& rect)
{
    return m_hWnd != nullptr && ::GetClientRect(m_hWnd, &rect);
}

bool CHfcWindow::SetClientSize(int width, int height)
{
    if (m_hWnd == nullptr)
        return false;
    const auto style = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrA(m_hWnd, GWL_EXSTYLE));
    RECT outer{0, 0, width, height};
    AdjustWindowRectEx(&outer, style, m_pMenuBar != nullptr && m_pParent == nullptr, exStyle);
    SetWindowPos(m_hWnd, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top, SWP_NOMOVE | SWP_NOZORDER);
    return true;
}

void CHfcWindow::DeleteThis()
{
    delete this;
}

bool CHfcWindow::SetTitle(const char* text)
{
    return m_hWnd != nullptr && SetWindowTextA(m_hWnd, text);
}

bool CHfcWindow::ScreenToClient(POINT& point)
{
    return m_hWnd != nullptr && ::ScreenToClient(m_hWnd, &point);
}

bool CHfcWindow::ClientToScreen(POINT& point)
{
    return m_hWnd != nullptr && ::ClientToScreen(m_hWnd, &point);
}

void CHfcWindow::OnActivate()
{}
void CHfcWindow::OnDeactivate()
{}
void CHfcWindow::OnSizing(int*, int*)
{}
void CHfcWindow::OnMoving(int*, int*)
{}
void CHfcWindow::OnMoved(int, int)
{}

void CHfcWindow::OnResized(int width, int height)
{
    if (m_pRootLayer != nullptr)
        m_pRootLayer->Resize(width, height, true);
}

bool CHfcWindow::CanClose()
{
    return true;
}

bool CHfcWindow::OnTimer()
{
    return true;
}

bool CHfcWindow::PreTranslateMessage(MSG*)
{
    return true;
}

CHfcWindow* CHfcWindow::FindChildByTitle(const char* title)
{
    SChildSearch search{title, nullptr};
    if (m_hWnd != nullptr && title != nullptr)
        EnumChildWindows(m_hWnd, &MatchTitle, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

int CHfcWindow::OnEnumChild(CHfcWindow*)
{
    return 1;
}

bool CHfcWindow::EnumChildren()
{
    return m_hWnd != nullptr && EnumChildWindows(m_hWnd, &VisitChild, reinterpret_cast<LPARAM>(this));
}

void CHfcWindow::SetKeyFocus(CHfcKeyFocusListener* listener)
{
    if (m_hWnd != nullptr)
        m_pKeyFocus->SetFocus(listener, m_hWnd);
}

void CHfcWindow::ReleaseKeyFocus(CHfcKeyFocusListener* listener)
{
    if (listener == nullptr || listener == m_pKeyFocus->GetListener())
        m_pKeyFocus->KillFocus();
}

bool CHfcWindow::HasKeyFocus(CHfcKeyFocusListener* listener)
{
    return m_pKeyFocus->HasFocus() && m_pKeyFocus->GetListener() == listener;
}
