// The library window's menu commands: the edit and transfer commands go to
// the layer of the page shown, the whole-device commands ask first.
#include "app/BaseLayer.h"
#include "app/LibraryWindowServices.h"
#include "app/MessageBoxes.h"
#include "editor/LibraryShell.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramListPage.h"
#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/services/ServiceSlots.h"
#include "model/MidiManager.h"

namespace {

constexpr int kEventLibraryReplaced = 18;

}  // namespace

CBaseLayer* CLibraryWindow::ShownPageLayer() const
{
    return PageLayers(GetCurrentPage())[0];
}

CProgramListPage* CLibraryWindow::ShownProgramList() const
{
    return GetCurrentPage() == kProgramPage ? dynamic_cast<CProgramListPage*>(m_programList.get()) : nullptr;
}

void CLibraryWindow::OnFileSave()
{
    SaveAllData();
}

void CLibraryWindow::OnFileSaveAs()
{
    SaveAllDataAs();
}

void CLibraryWindow::OnSaveReport()
{
    if (GetCurrentPage() == kProgramPage && m_programList != nullptr)
        m_programList->OnSaveReport();
}

void CLibraryWindow::OnEditCut()
{
    CProgramListPage* list = ShownProgramList();
    if (list == nullptr)
        return;
    // Busy with a transfer or a load: the command is dropped.
    if (library_shell::IsProgressBusy())
        return;
    list->Copy();
    list->Initialize(0);
}

void CLibraryWindow::OnEditCopy()
{
    if (CProgramListPage* list = ShownProgramList())
        list->Copy();
}

void CLibraryWindow::OnEditPaste()
{
    if (CProgramListPage* list = ShownProgramList())
        list->Paste();
}

void CLibraryWindow::OnEditInitialize()
{
    if (CProgramListPage* list = ShownProgramList())
        list->Initialize(1);
}

void CLibraryWindow::OnReceiveCurrent()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->ReceiveFromCurrent();
}

void CLibraryWindow::OnTransmitCurrent()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->TransmitToCurrent();
}

void CLibraryWindow::OnReceiveAll()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->OnReceiveAll();
}

void CLibraryWindow::OnTransmitAll()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->OnTransmitAll();
}

void CLibraryWindow::OnReceiveProgram()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->OnReceiveProgram();
}

void CLibraryWindow::OnTransmitProgram()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->OnTransmitProgram();
}

void CLibraryWindow::OnRevertToSaved()
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->OnRevertToSaved();
}

void CLibraryWindow::NotifyProgramChanged(int a, int b, int c)
{
    if (CBaseLayer* layer = ShownPageLayer())
        layer->NotifyProgramChanged(a, b, c);
}

void CLibraryWindow::OnReceiveFromCurrent()
{
    if (GetCurrentPage() == kProgramPage && m_programList != nullptr)
        m_programList->ReceiveFromCurrent();
}

void CLibraryWindow::OnTransmitToCurrent()
{
    if (GetCurrentPage() == kProgramPage && m_programList != nullptr)
        m_programList->TransmitToCurrent();
}

void CLibraryWindow::OnReceiveAllData()
{
    ReceiveAll();
}

void CLibraryWindow::OnWriteAllData()
{
    WriteAll();
}

void CLibraryWindow::ReceiveAll()
{
    CMidiManager* midi = library_shell::MidiManager();
    if (m_library == nullptr || !ConfirmAction("ReceiveAll") || midi == nullptr)
        return;
    if (!midi->ReceiveAll(*m_library, true))
        return;
    KeepGlobalAsSaved();
    SetModified(true);
    // This library's pages refresh, whichever window the command came from.
    BroadcastLibraryReplaced(GetWindowNumber());
}

void CLibraryWindow::WriteAll()
{
    CMidiManager* midi = library_shell::MidiManager();
    if (m_library != nullptr && ConfirmAction("WriteAll") && midi != nullptr)
        midi->WriteAll(*m_library);
}

void CLibraryWindow::BroadcastLibraryReplaced(int windowNumber)
{
    SendMessageToAllChildWindow(kEventLibraryReplaced, windowNumber, -1);
}

void CLibraryWindow::PostReceiveOnStartup(std::function<void()> onEnded)
{
    m_onStartupReceiveEnded = std::move(onEnded);
    CLibraryWindowServices* services = library_shell::Services();
    CPslMessageDispatchEngine* engine = services != nullptr ? services->GetDispatchEngine() : nullptr;
    if (engine == nullptr || !engine->Dispatch(this, kReceiveOnStartupMessage, 0, 0, 0, 0, true))
        OnPslMessage(kReceiveOnStartupMessage, 0, 0, 0, 0);
}

void CLibraryWindow::OnPslMessage(int id, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR)
{
    if (id != kReceiveOnStartupMessage)
        return;
    PumpMessages();
    CMidiManager* midi = library_shell::MidiManager();
    if (m_library != nullptr && midi != nullptr && midi->IsReady() && midi->ReceiveAll(*m_library, false)) {
        KeepGlobalAsSaved();
        BroadcastLibraryReplaced(GetWindowNumber());
    }
    if (auto ended = std::move(m_onStartupReceiveEnded))
        ended();
}
