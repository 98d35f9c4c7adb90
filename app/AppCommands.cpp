#include "app/AppMain.h"

#include "app/BaseWindow.h"
#include "app/CustomMenu.h"
#include "app/DialogRefCount.h"
#include "app/LastTransmittedProgram.h"
#include "app/LibraryWindows.h"
#include "app/PreferencesDialog.h"
#include "app/WindowEvents.h"
#include "app/WindowManager.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMouse.h"
#include "model/LibraryData.h"
#include "model/MidiManager.h"

#include <platform/kernel.h>

#include <algorithm>

namespace {

constexpr int kHandled = 0;
constexpr int kRefused = 1;
constexpr int kEventProgramSelected = 2;
constexpr int kEventProgramStep = 20;
constexpr int kProgramDataKind = 2;
constexpr int kLastProgram = kProgramBankSize - 1;

}  // namespace

bool CAppMain::CanRunCommand()
{
    const CHfcMouse* mouse = CHfcMouse::GetInstance();
    return GetDialogRefCount() == 0 && (mouse == nullptr || mouse->GetCapture() == nullptr);
}

CBaseWindow* CAppMain::ActiveWindow()
{
    return m_frame != nullptr ? dynamic_cast<CBaseWindow*>(m_frame->GetActiveChild()) : nullptr;
}

int CAppMain::OnCommand(UINT, WPARAM wParam, LPARAM)
{
    const int id = LOWORD(wParam);
    if (!CanRunCommand())
        return kRefused;
    CBaseWindow* active = ActiveWindow();
    // Each forwarded command does nothing without an active window.
    const auto forward = [active](void (CBaseWindow::*operation)()) {
        if (active != nullptr)
            (active->*operation)();
        return kHandled;
    };
    if (id >= kCommandFirstPreset && id <= kCommandLastPreset) {
        NewFromPreset(id - kCommandFirstPreset);
        return kHandled;
    }
    switch (id) {
    case kCommandNew: NewLibraryWindow(false); return kHandled;
    case kCommandOpen: OnFileOpen(); return kHandled;
    case kCommandSave: return forward(&CBaseWindow::OnFileSave);
    case kCommandSaveAs: return forward(&CBaseWindow::OnFileSaveAs);
    case kCommandSaveReport: return forward(&CBaseWindow::OnSaveReport);
    case kCommandImportN6:
        RunInNewLibraryWindow([](CLibraryWindowInterface& library) { return library.ImportN6Library(); });
        return kHandled;
    case kCommandImportQT:
        RunInNewLibraryWindow([](CLibraryWindowInterface& library) { return library.ImportQTLibrary(); });
        return kHandled;
    case kCommandImportQTP:
        RunInNewLibraryWindow([](CLibraryWindowInterface& library) { return library.ImportQTPLibrary(); });
        return kHandled;
    case kCommandExit: OnFileExit(); return kHandled;
    case kCommandCut: return forward(&CBaseWindow::OnEditCut);
    case kCommandCopy: return forward(&CBaseWindow::OnEditCopy);
    case kCommandPaste: return forward(&CBaseWindow::OnEditPaste);
    case kCommandInitialize: return forward(&CBaseWindow::OnEditInitialize);
    case kCommandRevert: return forward(&CBaseWindow::OnRevertToSaved);
    case kCommandReceiveAllData: return forward(&CBaseWindow::OnReceiveAllData);
    case kCommandWriteAllData: return forward(&CBaseWindow::OnWriteAllData);
    case kCommandReceiveAll: return forward(&CBaseWindow::OnReceiveAll);
    case kCommandTransmitAll: return forward(&CBaseWindow::OnTransmitAll);
    case kCommandReceiveCurrent: return forward(&CBaseWindow::OnReceiveFromCurrent);
    case kCommandTransmitCurrent: return forward(&CBaseWindow::OnTransmitToCurrent);
    case kCommandShowValues: ToggleShowValues(); return kHandled;
    case kCommandPreferences: RunPreferencesCommand(); return kHandled;
    case kCommandMidiMonitor: OpenMidiMonitorWindow(); return kHandled;
    case kCommandStatusLog: OpenStatusLogWindow(); return kHandled;
    case kCommandPrevProgram: SelectAdjacentProgram(-1); return kHandled;
    case kCommandNextProgram: SelectAdjacentProgram(+1); return kHandled;
    case kCommandCloseWindow:
        if (!m_libraryWindowOpened)
            return kRefused;
        return forward(&CBaseWindow::OnCloseWindow);
    case kCommandVersion: OpenVersionWindow(); return kHandled;
    default: return kRefused;
    }
}

void CAppMain::OnFileOpen()
{
    RunInNewLibraryWindow([](CLibraryWindowInterface& library) { return library.OpenAllData(); });
}

void CAppMain::NewFromPreset(int index)
{
    RunInNewLibraryWindow([index](CLibraryWindowInterface& library) { return library.LoadFactoryPreset(index); });
}

void CAppMain::OnFileSave()
{
    if (CBaseWindow* active = ActiveWindow())
        active->OnFileSave();
}

void CAppMain::OnFileSaveAs()
{
    if (CBaseWindow* active = ActiveWindow())
        active->OnFileSaveAs();
}

void CAppMain::OnEditCut()
{
    if (CBaseWindow* active = ActiveWindow())
        active->OnEditCut();
}

void CAppMain::OnEditCopy()
{
    if (CBaseWindow* active = ActiveWindow())
        active->OnEditCopy();
}

void CAppMain::OnEditPaste()
{
    if (CBaseWindow* active = ActiveWindow())
        active->OnEditPaste();
}

void CAppMain::OnEditInitialize()
{
    if (CBaseWindow* active = ActiveWindow())
        active->OnEditInitialize();
}

// The frame's close is the one road out: it asks to save once, keeps the
// placement and the tool windows' settings, and its end quits the loop.
void CAppMain::OnFileExit()
{
    if (m_frame != nullptr && m_frame->GetHandle() != nullptr)
        SendMessageA(m_frame->GetHandle(), WM_CLOSE, 0, 0);
}

void CAppMain::RunPreferencesCommand()
{
    if (m_midiManager == nullptr)
        return;
    RunPreferences(m_frame != nullptr ? m_frame->GetHandle() : nullptr, m_settings, *m_midiManager, &HfcSetKnobMode);
}

void CAppMain::ToggleShowValues()
{
    m_settings.showValueLayer = !m_settings.showValueLayer;
    CheckShowValues(m_settings.showValueLayer);
    if (m_windowManager != nullptr)
        m_windowManager->PostMessageToAll(kEventShowValues, m_settings.showValueLayer ? 1 : 0, 0, 0, 0, nullptr);
}

void CAppMain::SelectAdjacentProgram(int step)
{
    const DWORD now = GetTickCount();
    if (m_anyStepTaken && now - m_lastStepTime < static_cast<DWORD>(std::max(m_settings.incDecDelay, 0)))
        return;
    m_anyStepTaken = true;
    m_lastStepTime = now;
    CBaseWindow* window = ActiveWindow();
    if (window == nullptr || m_windowManager == nullptr)
        return;
    const LONG_PTR document = window->GetDocumentId();
    const int old = window->GetProgramIndex();
    m_windowManager->PostMessageToAll(kEventProgramStep, document, 0, 0, 0, nullptr);
    int target = old + step;
    if (window->GetDataKind() == kProgramDataKind) {
        target = std::clamp(target, 0, kLastProgram);
        if (target != old) {
            m_windowManager->PostMessageToAll(kEventProgramSwitch, document, 1, old, target, nullptr);
            m_windowManager->PostMessageToAll(kEventProgramDataChanged, target, -1, document, target, nullptr);
            m_windowManager->PostMessageToAll(kEventProgramSelected, target, -1, document, target, nullptr);
            TransmitWindowProgram(window, target);
        }
    }
    m_windowManager->PostMessageToAll(kEventProgramStep, document, 1, old, target, nullptr);
}

void CAppMain::TransmitWindowProgram(CBaseWindow* window, int program)
{
    if (m_midiManager == nullptr || !m_midiManager->IsReady() || window->GetDocumentList() == nullptr ||
        window->GetDataKind() != kProgramDataKind)
        return;
    ProgramBank* bank = window->GetDocumentList()->GetProgramBank();
    if (bank == nullptr || program < 0 || program > kLastProgram)
        return;
    if (IsLastTransmittedProgram(window->GetDocumentId(), program))
        return;
    CProgram& record = (*bank)[static_cast<std::size_t>(program)];
    StoreLastTransmittedProgram(&record, window->GetDocumentId(), program);
    m_midiManager->WriteProgram(record, -1, true);
}

void CAppMain::CheckShowValues(bool checked)
{
    if (m_customMenu != nullptr)
        m_customMenu->SetShowValuesCheck(checked);
}

void CAppMain::ApplyMenuKind(int kind)
{
    if (m_customMenu != nullptr)
        m_customMenu->SetEditMenuTexts(kind);
}

void CAppMain::AddChildWindow(CBaseWindow* window)
{
    if (m_frame != nullptr)
        m_frame->LinkChildWindow(window);
}

void CAppMain::RemoveChildWindow(CBaseWindow* window)
{
    if (m_frame != nullptr)
        m_frame->UnlinkChildWindow(window);
}
