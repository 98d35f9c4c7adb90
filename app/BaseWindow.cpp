#include "app/BaseWindow.h"

#include "app/AppSettings.h"
#include "app/BaseLayer.h"
#include "app/EditorShell.h"
#include "app/LastTransmittedProgram.h"
#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"
#include "framework/services/EfTrace.h"
#include "framework/ui/HfcAppBase.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMdiFrameWindow.h"
#include "framework/ui/HfcMdiWindowClass.h"
#include "framework/ui/HfcMouse.h"
#include "model/MidiManager.h"

#include <platform/display.h>
#include <platform/input.h>
#include <platform/mdi.h>

#include <algorithm>

namespace {

constexpr int kEdgeGap = 8;
constexpr int kCurrentProgram = -1;

// Keeps a window of that size inside the client extent, 8 pixels from its
// far edge, and never before its near edge.
int KeepInside(int position, int size, int extent)
{
    if (position + size > extent)
        position = extent - size - kEdgeGap;
    return std::max(position, 0);
}

// Closes a layer of the window, takes it out of the window's list and deletes it.
template <class Layer, class Close>
void Discard(CHfcWindow& window, std::unique_ptr<Layer>& layer, Close close)
{
    if (layer == nullptr)
        return;
    close(*layer);
    window.RemoveLayer(layer.get(), false);
    layer.reset();
}

}  // namespace

CBaseWindow::CBaseWindow()
{
    if (CEditorShell* shell = GetEditorShell())
        shell->AddChildWindow(this);
}

CBaseWindow::~CBaseWindow()
{
    // A window whose system window never came to be still leaves every list.
    RegisterTimer(false);
    if (CEditorShell* shell = GetEditorShell())
        shell->RemoveChildWindow(this);
    DetachFromParent();
}

bool CBaseWindow::Show()
{
    if (!CHfcMdiChildWindow::Show())
        return false;
    m_isShown = true;
    return true;
}

bool CBaseWindow::Hide()
{
    m_isShown = false;
    return CHfcMdiChildWindow::Hide();
}

bool CBaseWindow::Activate()
{
    if (m_hWnd == nullptr)
        return false;
    HWND client = GetFrame() != nullptr ? GetFrame()->GetMdiClient() : nullptr;
    if (client != nullptr)
        SendMessageA(client, WM_MDIACTIVATE, reinterpret_cast<WPARAM>(m_hWnd), 0);
    return true;
}

bool CBaseWindow::Create(const char* title, int x, int y, int width, int height, int flags, CHfcMenuBar* menuBar,
                         CHfcMdiFrameWindow* frame)
{
    RECT client{};
    if (frame != nullptr && frame->GetClientRect(client)) {
        x = KeepInside(x, width, client.right - client.left);
        y = KeepInside(y, height, client.bottom - client.top);
    }
    if (!CHfcMdiChildWindow::Create(title, x, y, width, height, flags, menuBar, frame))
        return false;
    HICON icon = LoadIconA(GetInstanceHandle(), MAKEINTRESOURCEA(kIconId));
    SendMessageA(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
    SendMessageA(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    ApplyShowValues();
    if (m_parentWindow != nullptr)
        AttachToParent();
    RegisterTimer(true);
    return true;
}

void CBaseWindow::DestroyLayers()
{
    m_isShown = false;
    RegisterTimer(false);
    if (CEditorShell* shell = GetEditorShell())
        shell->RemoveChildWindow(this);
    for (auto& display : m_valueDisplays)
        Discard(*this, display, [](CValueDisplayLayer& layer) { layer.Close(false); });
    Discard(*this, m_messageLayer, [](CMessageWindowLayer& layer) { layer.Destroy(); });
    Discard(*this, m_mainLayer, [](CBaseLayer& layer) { layer.Close(false); });
    DetachFromParent();
    CHfcMdiChildWindow::DestroyLayers();
}

void CBaseWindow::OnActivate()
{
    if (CHfcKey* key = CHfcKey::GetInstance()) {
        key->ClearFocus();
        if (m_mainLayer != nullptr)
            key->SetFocus(static_cast<CHfcKeyListener*>(m_mainLayer.get()), m_hWnd);
    }
    CEditorShell* shell = GetEditorShell();
    if (shell != nullptr) {
        shell->CheckShowValues(shell->GetSettings().showValueLayer);
        if (m_iKind == kLibraryWindow) {
            if (m_libraryPage == 0)
                shell->ApplyMenuKind(CEditorShell::kLibraryProgramMenu);
            else if (m_libraryPage == 1)
                shell->ApplyMenuKind(CEditorShell::kLibraryGlobalMenu);
        } else if (m_iKind == kMidiMonitorWindow || m_iKind == kStatusLogWindow || m_iKind == kVersionWindow) {
            shell->ApplyMenuKind(CEditorShell::kToolMenu);
        } else {
            shell->ApplyMenuKind(CEditorShell::kEditMenu);
        }
    }
    GetClassNumber();
    // The device plays what the active window shows; failures stay silent here.
    CProgram* record = m_mainLayer != nullptr ? m_mainLayer->GetProgramRecord() : nullptr;
    if (record == nullptr || IsLastTransmittedProgram(m_documentId, m_programIndex))
        return;
    StoreLastTransmittedProgram(record, m_documentId, m_programIndex);
    if (CMidiManager* midi = shell != nullptr ? shell->GetMidiManager() : nullptr)
        midi->WriteProgram(*record, kCurrentProgram, false);
}

void CBaseWindow::OnDeactivate()
{
    if (CHfcKey* key = CHfcKey::GetInstance())
        key->ClearFocus();
    if (CHfcMouse* mouse = CHfcMouse::GetInstance())
        mouse->ReleaseCapture();
    if (m_mainLayer != nullptr)
        m_mainLayer->OnWindowDeactivate();
}

void CBaseWindow::OnMoved(int /*x*/, int /*y*/)
{
    WINDOWPLACEMENT placement{};
    placement.length = sizeof placement;
    RECT outer{};
    if (m_hWnd == nullptr || !GetWindowPlacement(m_hWnd, &placement) || placement.showCmd != SW_SHOWNORMAL ||
        !GetWindowRect(outer))
        return;
    POINT corner{outer.left, outer.top};
    if (GetFrame() != nullptr && GetFrame()->ScreenToClient(corner))
        m_restoredPosition = corner;
}

bool CBaseWindow::CanClose()
{
    m_timerEnabled = false;
    return true;
}

ATOM CBaseWindow::RegisterWindowClass()
{
    return RegisterMdiWindowClass(GetWindowClassName(), CS_DBLCLKS, &CHfcMdiChildWindow::StaticWindowProc);
}

const char* CBaseWindow::GetWindowClassName()
{
    return "Q3917MDIChildWindow";
}

void CBaseWindow::OnMMTimer(CMMTimer* /*timer*/)
{
    if (!m_timerEnabled || !m_isShown)
        return;
    if (m_messageLayer != nullptr)
        m_messageLayer->OnFadeTick();
    if (m_mainLayer != nullptr)
        m_mainLayer->OnTimerTick();
}

void CBaseWindow::OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                         CWindowManagerListener*)
{}

void CBaseWindow::SetProgramIndex(int index)
{
    const int kind = GetDataKind();
    if (kind != 2 && kind != 3)
        return;
    m_programIndex = index;
    m_viewWords[1] = index;
}

void CBaseWindow::ApplyShowValues()
{
    CEditorShell* shell = GetEditorShell();
    if (shell == nullptr)
        return;
    const bool show = shell->GetSettings().showValueLayer;
    for (auto& display : m_valueDisplays) {
        if (display == nullptr || display->IsVisible() == show)
            continue;
        if (show)
            display->Show(true);
        else
            display->Hide(true);
    }
}

void CBaseWindow::CreateMessageWindowLayer(const MessageLayerSetup& setup)
{
    CEditorShell* shell = GetEditorShell();
    RECT client{};
    if (shell == nullptr || !shell->GetSettings().showTipsLayer || m_messageLayer != nullptr || !GetClientRect(client))
        return;
    auto layer = std::make_unique<CMessageWindowLayer>();
    if (!layer->Setup(setup, this, client.right - client.left, client.bottom - client.top)) {
        RemoveLayer(layer.get(), false);
        return;
    }
    m_messageLayer = std::move(layer);
    m_messageLayer->Show(true);
}

std::string CBaseWindow::GetWindowTitle()
{
    if (m_hWnd == nullptr)
        return {};
    char title[kMaxTitleLength + 1] = {};
    GetWindowTextA(m_hWnd, title, sizeof title);
    return title;
}

void CBaseWindow::MakeTopMost()
{
    if (m_hWnd == nullptr || !SetWindowPos(m_hWnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE))
        EfTrace("Failed to set window top most.");
}

CBaseLayer* CBaseWindow::SetMainLayer(std::unique_ptr<CBaseLayer> layer)
{
    m_mainLayer = std::move(layer);
    return m_mainLayer.get();
}

CValueDisplayLayer* CBaseWindow::SetValueDisplayLayer(int index, std::unique_ptr<CValueDisplayLayer> layer)
{
    auto& slot = m_valueDisplays.at(static_cast<std::size_t>(index));
    slot = std::move(layer);
    return slot.get();
}

void CBaseWindow::AttachToParent()
{
    m_parentWindow->m_dependentWindows.push_back(this);
    m_attachedToParent = true;
}

void CBaseWindow::DetachFromParent()
{
    if (!m_attachedToParent)
        return;
    m_attachedToParent = false;
    auto& siblings = m_parentWindow->m_dependentWindows;
    auto found = std::find(siblings.begin(), siblings.end(), this);
    if (found != siblings.end())
        siblings.erase(found);
}

void CBaseWindow::RegisterTimer(bool registered)
{
    CEditorShell* shell = GetEditorShell();
    CMMTimer* timer = shell != nullptr ? shell->GetTimer() : nullptr;
    if (timer == nullptr || registered == m_timerRegistered)
        return;
    m_timerRegistered = registered ? timer->AddListener(this) : !timer->RemoveListener(this);
}
