#include "editor/TimbreEditWindow.h"

#include "app/EditorShell.h"
#include "app/MessageWindowLayer.h"
#include "app/ValueDisplayLayer.h"
#include "app/WindowEvents.h"
#include "editor/EditWindowContext.h"
#include "editor/ProgramWindowTitle.h"
#include "editor/TimbreEditLayer.h"

#include <string>

namespace {

constexpr int kStyle = CHfcWindow::kCaption | CHfcWindow::kCaptionMinimizeBox;

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

}  // namespace

CTimbreEditWindow::CTimbreEditWindow()
{
    SetKind(kTimbreSynthWindow);
}

CTimbreEditWindow::~CTimbreEditWindow()
{
    if (m_bListening && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
}

bool CTimbreEditWindow::CreateMdiWindow(const EditWindowContext& context, int x, int y, int programIndex,
                                        int timbre)
{
    SetDocumentId(context.documentId);
    SetOwnerWindow(context.owner);
    SetDataContainer(context.dataContainer);
    SetDocumentList(context.documentList);
    SetProgramIndex(programIndex);
    SetSecondIndex(timbre);
    const bool made = Create("Timbre Synth Edit", x, y, CTimbreEditLayer::kWidth, CTimbreEditLayer::kHeight, kStyle,
                             context.menuBar, context.frame);
    if (!made)
        return false;
    SetTimerEnabled(true);
    if (WindowManager() != nullptr && !m_bListening)
        m_bListening = WindowManager()->AddListener(this);
    SetWindowCreated(true);
    return true;
}

bool CTimbreEditWindow::CreateRootLayer()
{
    if (!CBaseWindow::CreateRootLayer())
        return false;
    auto* page = static_cast<CTimbreEditLayer*>(SetMainLayer(std::make_unique<CTimbreEditLayer>()));
    page->Build(*this);
    page->Show(false);
    auto display = std::make_unique<CValueDisplayLayer>();
    if (display->Attach(page, this))
        SetValueDisplayLayer(0, std::move(display));
    CreateMessageWindowLayer(MessageLayerSetup{});
    UpdateTitle();
    return true;
}

void CTimbreEditWindow::DestroyLayers()
{
    // The layers are built on this thread before CreateMdiWindow returns,
    // so there is no creation to wait for.
    SetTimerEnabled(false);
    if (m_bListening && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_bListening = false;
    CBaseWindow::DestroyLayers();
}

bool CTimbreEditWindow::CanClose()
{
    if (IsLayerCapturing())
        return false;
    if (GetOwnerWindow() != nullptr)
        GetOwnerWindow()->ForgetDependentWindow(this);
    return CBaseWindow::CanClose();
}

void CTimbreEditWindow::UpdateTitle()
{
    const std::string title =
        ProgramWindowTitle(GetDocumentList(), GetProgramIndex(), "] Timbre " + std::to_string(GetSecondIndex() + 1) + " Synth");
    if (GetHandle() != nullptr && title != GetWindowTitle())
        SetTitle(title.c_str());
}

void CTimbreEditWindow::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                               LONG_PTR p4, CWindowManagerListener*)
{
    switch (event) {
    case kEventTitlesChanged:
    case kEventProgramReceived:
    case kEventProgramReplaced: UpdateTitle(); break;
    case kEventProgramDataChanged:
        if (p1 == GetProgramIndex() && p3 == GetDocumentId())
            UpdateTitle();
        break;
    case kEventShowValues: ApplyShowValues(); break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p2 == 1 && p3 == GetProgramIndex())
            SetProgramIndex(static_cast<int>(p4));
        break;
    default: break;
    }
}
