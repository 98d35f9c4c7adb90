#include "editor/PartEditWindow.h"

#include "app/BaseLayer.h"
#include "app/WindowEvents.h"
#include "editor/LibraryShell.h"
#include "model/LibraryData.h"
#include "model/Program.h"

#include <cstdio>

namespace {

// Events that make every window check its title.
constexpr int kEventTitlesLast = 2;
constexpr int kSwitchWithinBank = 1;

}  // namespace

CPartEditWindow::CPartEditWindow(const Setup& setup) : m_setup(setup)
{
    SetKind(setup.kind);
}

CPartEditWindow::~CPartEditWindow()
{
    StopListening();
}

bool CPartEditWindow::CreateMdiWindow(const EditWindowContext& context, int x, int y, int program)
{
    SetOwnerWindow(context.owner);
    SetDocumentId(context.documentId);
    SetDocumentList(context.documentList);
    SetDataContainer(context.dataContainer);
    SetProgramIndex(program);
    if (!Create(m_setup.caption, x, y, m_setup.width, m_setup.height, kStyle, context.menuBar, context.frame))
        return false;
    // Closed while it was being made: nothing is left to register.
    if (GetHandle() == nullptr)
        return false;
    UpdateTitle();
    SetTimerEnabled(true);
    if (CWindowManager* manager = library_shell::WindowManager(); manager != nullptr && !m_listening)
        m_listening = manager->AddListener(this);
    SetWindowCreated(true);
    return true;
}

bool CPartEditWindow::CreateRootLayer()
{
    if (!CBaseWindow::CreateRootLayer())
        return false;
    CBaseLayer* layer = SetMainLayer(MakeMainLayer());
    if (!layer->Create(0, 0, m_setup.width, m_setup.height, this))
        return false;
    layer->Show(false);
    return AddUpperLayers(*layer);
}

void CPartEditWindow::UpdateTitle()
{
    CBaseLayer* layer = GetMainLayer();
    CProgram* program = layer != nullptr ? layer->GetProgramRecord() : nullptr;
    if (GetDocumentList() == nullptr || program == nullptr)
        return;
    char number[16] = {};
    std::snprintf(number, sizeof number, "%03d", GetProgramIndex() + 1);
    juce::String title = MakeDocumentTitle(*GetDocumentList());
    title << " [" << number << ":" << program->GetProgramName() << TitleSuffix().c_str();
    if (GetWindowTitle() != title.toStdString())
        SetTitle(title.toRawUTF8());
}

bool CPartEditWindow::CanClose()
{
    if (IsLayerCapturing())
        return false;
    if (GetOwnerWindow() != nullptr)
        GetOwnerWindow()->ForgetDependentWindow(this);
    return CBaseWindow::CanClose();
}

void CPartEditWindow::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
                                             LONG_PTR p4, CWindowManagerListener*)
{
    if (event >= 0 && event <= kEventTitlesLast) {
        UpdateTitle();
        return;
    }
    switch (event) {
    case kEventProgramDataChanged:
        if (p1 == GetProgramIndex() && p3 == GetDocumentId())
            UpdateTitle();
        break;
    case kEventShowValues: OnShowValuesChanged(); break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p2 == kSwitchWithinBank && p3 == GetProgramIndex())
            SetProgramIndex(static_cast<int>(p4));
        break;
    default: break;
    }
}

void CPartEditWindow::DestroyLayers()
{
    StopListening();
    CBaseWindow::DestroyLayers();
}

void CPartEditWindow::StopListening()
{
    if (!m_listening)
        return;
    m_listening = false;
    if (CWindowManager* manager = library_shell::WindowManager())
        manager->RemoveListener(this);
}
