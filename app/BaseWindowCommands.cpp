// The command operations of the base window: each goes on to the main
// layer, to the owner window or nowhere, and does nothing without it.
#include "app/BaseLayer.h"
#include "app/BaseWindow.h"
#include "app/EditorShell.h"
#include "app/ValueDisplayLayer.h"

bool CBaseWindow::CloseWindow(bool /*force*/)
{
    return CanClose() && Destroy();
}

void CBaseWindow::SetModified(bool modified)
{
    if (m_ownerWindow != nullptr)
        m_ownerWindow->SetModified(modified);
}

bool CBaseWindow::IsModified()
{
    return m_ownerWindow != nullptr && m_ownerWindow->IsModified();
}

void CBaseWindow::OnFileSave()
{
    if (m_ownerWindow != nullptr)
        m_ownerWindow->OnFileSave();
}

void CBaseWindow::OnFileSaveAs()
{
    if (m_ownerWindow != nullptr)
        m_ownerWindow->OnFileSaveAs();
}

void CBaseWindow::OnSaveReport()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->OnSaveReport();
}

void CBaseWindow::OnReceiveCurrent()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->ReceiveFromCurrent();
}

void CBaseWindow::OnTransmitCurrent()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->TransmitToCurrent();
}

void CBaseWindow::OnReceiveAll()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->OnReceiveAll();
}

void CBaseWindow::OnTransmitAll()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->OnTransmitAll();
}

void CBaseWindow::OnReceiveProgram()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->OnReceiveProgram();
}

void CBaseWindow::OnTransmitProgram()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->OnTransmitProgram();
}

void CBaseWindow::OnReceiveFromCurrent()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->ReceiveFromCurrent();
}

void CBaseWindow::OnTransmitToCurrent()
{
    if (m_mainLayer != nullptr)
        m_mainLayer->TransmitToCurrent();
}

void CBaseWindow::OnReceiveAllData()
{
    if (m_ownerWindow != nullptr)
        m_ownerWindow->OnReceiveAllData();
}

void CBaseWindow::OnWriteAllData()
{
    if (m_ownerWindow != nullptr)
        m_ownerWindow->OnWriteAllData();
}

void CBaseWindow::OnCloseWindow()
{
    CloseDependentWindows();
    CloseWindow(false);
}

void CBaseWindow::NotifyProgramChanged(int a, int b, int c)
{
    if (m_mainLayer != nullptr)
        m_mainLayer->NotifyProgramChanged(a, b, c);
}

void CBaseWindow::SendMessageToAllChildWindow(int event, LONG_PTR p1, LONG_PTR p2)
{
    CEditorShell* shell = GetEditorShell();
    if (CWindowManager* manager = shell != nullptr ? shell->GetWindowManager() : nullptr)
        manager->PostMessageToAll(event, p1, p2, 0, 0, this);
}

void CBaseWindow::SendMessageToAllBankWindow(int event, LONG_PTR p1, LONG_PTR p2)
{
    SendMessageToAllChildWindow(event, p1, p2);
}

bool CBaseWindow::IsLayerCapturing()
{
    if (m_mainLayer != nullptr && m_mainLayer->IsCapturingControl())
        return true;
    for (auto& display : m_valueDisplays)
        if (display != nullptr && display->IsCapturingControl())
            return true;
    return false;
}
