#include "app/MdiFrameWindow.h"

#include "app/BaseWindow.h"
#include "app/LibraryWindows.h"
#include "app/MessageBoxes.h"
#include "framework/services/EfTrace.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcMdiWindowClass.h"

#include <platform/display.h>
#include <platform/input.h>
#include <platform/shellapi.h>

#include <juce_core/juce_core.h>

#include <algorithm>
#include <new>
#include <vector>

bool CMdiFrameWindow::Create(const char* title, int x, int y, int width, int height, int /*flags*/,
                             CHfcMenuBar* menuBar)
{
    m_placement = {x, y, width, height};
    ReportPlacement();
    if (!CHfcMdiFrameWindow::Create(title, x, y, width, height, 0, menuBar))
        return false;
    HICON icon = LoadIconA(GetInstanceHandle(), MAKEINTRESOURCEA(kIconId));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SetClientSize(width, height);
    DragAcceptFiles(m_hWnd, TRUE);
    return true;
}

const char* CMdiFrameWindow::GetWindowClassName()
{
    return "Q3917MDIFrameWindow";
}

ATOM CMdiFrameWindow::RegisterWindowClass()
{
    return RegisterMdiWindowClass(GetWindowClassName(), CS_HREDRAW | CS_VREDRAW, &CHfcWindow::StaticWindowProc);
}

void CMdiFrameWindow::AddLibraryWindow(CLibraryWindowInterface* window)
{
    // A list that cannot grow stays as it was, so every window it holds is
    // still asked to save at exit.
    try {
        m_libraryWindows.push_back(window);
    } catch (const std::bad_alloc&) {
        EfTrace("[CMdiFrameWindow] The library window list cannot grow.");
    }
}

CLibraryWindowInterface* CMdiFrameWindow::GetLibraryWindow(int index) const
{
    if (index < 0 || index >= GetLibraryWindowCount())
        return nullptr;
    return m_libraryWindows[static_cast<std::size_t>(index)];
}

void CMdiFrameWindow::RemoveChildWindow(CLibraryWindowInterface* window)
{
    const auto found = std::find(m_libraryWindows.begin(), m_libraryWindows.end(), window);
    if (found != m_libraryWindows.end())
        m_libraryWindows.erase(found);
}

void CMdiFrameWindow::LinkChildWindow(CBaseWindow* window)
{
    m_childWindows.push_back(window);
}

void CMdiFrameWindow::UnlinkChildWindow(CBaseWindow* window)
{
    const auto found = std::find(m_childWindows.begin(), m_childWindows.end(), window);
    if (found != m_childWindows.end())
        m_childWindows.erase(found);
}

bool CMdiFrameWindow::CloseAllLibraryWindows()
{
    // A window saved or closed meanwhile may leave the list: walk a copy.
    const std::vector<CLibraryWindowInterface*> windows = m_libraryWindows;
    for (CLibraryWindowInterface* library : windows) {
        if (!library->GetWindow()->IsModified())
            continue;
        switch (ConfirmSaveChanges(library->GetDocumentName())) {
        case kAnswerYes:
            if (!library->SaveAllData())
                return false;
            break;
        case kAnswerNo: break;
        default: return false;
        }
    }
    return true;
}

bool CMdiFrameWindow::CanClose()
{
    if (!CloseAllLibraryWindows())
        return false;
    RememberPosition();
    ReportPlacement();
    m_owner.CloseToolWindows();
    return true;
}

bool CMdiFrameWindow::IsNormal()
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    return m_hWnd != nullptr && GetWindowPlacement(m_hWnd, &placement) && placement.showCmd == SW_SHOWNORMAL;
}

void CMdiFrameWindow::RememberPosition()
{
    RECT outer{};
    if (IsNormal() && GetWindowRect(outer)) {
        m_placement.x = outer.left;
        m_placement.y = outer.top;
    }
}

void CMdiFrameWindow::RememberClientSize()
{
    RECT client{};
    if (IsNormal() && GetClientRect(client)) {
        m_placement.width = client.right - client.left;
        m_placement.height = client.bottom - client.top;
    }
}

void CMdiFrameWindow::ReportPlacement()
{
    m_owner.SetMainWindowRect(m_placement.x, m_placement.y, m_placement.width, m_placement.height);
}

void CMdiFrameWindow::OnMoved(int x, int y)
{
    CHfcMdiFrameWindow::OnMoved(x, y);
    RememberPosition();
    ReportPlacement();
}

void CMdiFrameWindow::OnResized(int width, int height)
{
    CHfcMdiFrameWindow::OnResized(width, height);
    RememberClientSize();
    ReportPlacement();
}

void CMdiFrameWindow::OnActivate()
{
    CHfcMdiFrameWindow::OnActivate();
    if (auto* active = dynamic_cast<CBaseWindow*>(GetActiveChild()))
        active->OnActivate();
}

void CMdiFrameWindow::OnDeactivate()
{
    CHfcMdiFrameWindow::OnDeactivate();
    const std::list<CBaseWindow*> children = m_childWindows;
    for (CBaseWindow* child : children)
        if (child->GetDataKind() == 2)
            child->OnDeactivate();
}

LRESULT CMdiFrameWindow::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == kDropFilesMessage)
        OnDropFiles(reinterpret_cast<HDROP>(wParam));
    return CHfcMdiFrameWindow::WindowProc(message, wParam, lParam);
}

void CMdiFrameWindow::OnDropFiles(HDROP drop)
{
    const UINT count = DragQueryFileW(drop, 0xFFFFFFFFu, nullptr, 0);
    for (UINT i = 0; i < count && m_owner.IsFirstLibraryWindowReady(); ++i) {
        // As long as the system allows, not cut to a fixed size.
        std::vector<WCHAR> path(DragQueryFileW(drop, i, nullptr, 0) + 1u, 0);
        if (DragQueryFileW(drop, i, path.data(), static_cast<UINT>(path.size())) == 0)
            continue;
        m_owner.OpenLibraryFile(
            juce::String(
                juce::CharPointer_UTF16(reinterpret_cast<const juce::CharPointer_UTF16::CharType*>(path.data())))
                .toStdString());
    }
    DragFinish(drop);
}
