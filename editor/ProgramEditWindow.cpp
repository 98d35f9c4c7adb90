#include "editor/ProgramEditWindow.h"

#include "app/MessageWindowLayer.h"
#include "app/WindowEvents.h"
#include "editor/EditWindows.h"
#include "editor/LibraryShell.h"
#include "editor/ProgramEditLayer.h"
#include "model/LibraryData.h"
#include "model/Program.h"

#include <cstdio>

namespace {

// Events that make every window check its title.
constexpr int kEventTitlesLast = 2;
constexpr int kSwitchWithinBank = 1;
constexpr int kNoTimbre = -1;

struct DependentKind
{
    CEditWindowFactory::Kind kind;
    int timbre;
};

constexpr DependentKind kDependentKinds[CProgramEditWindow::kDependentCount] = {
    {CEditWindowFactory::kTimbreSynth, 0}, {CEditWindowFactory::kTimbreEq, 0},
    {CEditWindowFactory::kTimbreSynth, 1}, {CEditWindowFactory::kTimbreEq, 1},
    {CEditWindowFactory::kArpeggiator, kNoTimbre}, {CEditWindowFactory::kMasterEffect, kNoTimbre},
    {CEditWindowFactory::kVocoder, kNoTimbre},
};

// The message line sits where the logo is, at the logo's size.
constexpr MessageLayerSetup kMessageLine{CProgramEditWindow::kClientWidth - 175,
                                         5,
                                         CMessageWindowLayer::kDefaultWidth,
                                         CMessageWindowLayer::kDefaultHeight,
                                         false,
                                         false,
                                         CMessageWindowLayer::kDefaultDurationMs,
                                         nullptr};

}  // namespace

CProgramEditWindow::CProgramEditWindow()
{
    SetKind(kProgramEditWindow);
}

CProgramEditWindow::~CProgramEditWindow()
{
    StopListening();
}

bool CProgramEditWindow::CreateMdiWindow(const EditWindowContext& context, int x, int y, int program)
{
    m_context = context;
    m_creationPosition = {x, y};
    SetOwnerWindow(context.owner);
    SetDocumentId(context.documentId);
    SetDocumentList(context.documentList);
    SetDataContainer(context.dataContainer);
    SetProgramIndex(program);
    if (!Create("", x, y, kClientWidth, kClientHeight, kStyle, context.menuBar, context.frame))
        return false;
    SetTimerEnabled(true);
    if (CWindowManager* manager = library_shell::WindowManager(); manager != nullptr && !m_bListening)
        m_bListening = manager->AddListener(this);
    SetWindowCreated(true);
    return true;
}

bool CProgramEditWindow::CreateRootLayer()
{
    if (!CBaseWindow::CreateRootLayer())
        return false;
    auto* page = static_cast<CProgramEditLayer*>(SetMainLayer(std::make_unique<CProgramEditLayer>()));
    if (page->Create(0, 0, kClientWidth, kClientHeight, this))
        page->Show(false);
    CreateMessageWindowLayer(kMessageLine);
    UpdateTitle();
    return true;
}

CProgramEditLayer* CProgramEditWindow::GetPageLayer() const
{
    return static_cast<CProgramEditLayer*>(GetMainLayer());
}

void CProgramEditWindow::UpdateTitle()
{
    CBaseLayer* layer = GetMainLayer();
    CProgram* program = layer != nullptr ? layer->GetProgramRecord() : nullptr;
    if (GetDocumentList() == nullptr || program == nullptr)
        return;
    char number[12] = {};
    std::snprintf(number, sizeof number, "%03d", GetProgramIndex() + 1);
    juce::String title = MakeDocumentTitle(*GetDocumentList());
    title << " [" << number << ":" << program->GetProgramName() << "]";
    if (GetWindowTitle() != title.toStdString())
        SetTitle(title.toRawUTF8());
}

void CProgramEditWindow::OpenDependentWindow(Dependent which)
{
    CBaseWindow*& slot = m_dependents.at(static_cast<std::size_t>(which));
    if (slot == nullptr) {
        CEditWindowFactory* factory = GetEditWindowFactory();
        if (factory == nullptr)
            return;
        const DependentKind& made = kDependentKinds[which];
        slot = factory->CreateEditWindow(made.kind, m_context, m_creationPosition.x + kDependentOffset,
                                         m_creationPosition.y + kDependentOffset, GetProgramIndex(), made.timbre);
        if (slot == nullptr)
            return;
    }
    slot->Show();
    slot->Activate();
}

CBaseWindow* CProgramEditWindow::GetDependentWindow(Dependent which) const
{
    return m_dependents.at(static_cast<std::size_t>(which));
}

void CProgramEditWindow::CloseDependentWindows()
{
    for (CBaseWindow*& slot : m_dependents) {
        CBaseWindow* window = slot;
        slot = nullptr;
        if (window != nullptr)
            window->CloseWindow(false);
    }
}

bool CProgramEditWindow::CanClose()
{
    if (IsLayerCapturing())
        return false;
    CloseDependentWindows();
    if (GetOwnerWindow() != nullptr)
        GetOwnerWindow()->ForgetDependentWindow(this);
    return CBaseWindow::CanClose();
}

void CProgramEditWindow::ForgetDependentWindow(CBaseWindow* window)
{
    for (CBaseWindow*& slot : m_dependents) {
        if (slot == window)
            slot = nullptr;
    }
}

void CProgramEditWindow::DestroyLayers()
{
    StopListening();
    CBaseWindow::DestroyLayers();
}

void CProgramEditWindow::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3,
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
    case kEventShowValues: ApplyShowValues(); break;
    case kEventProgramSwitch:
        if (p1 == GetDocumentId() && p2 == kSwitchWithinBank && p3 == GetProgramIndex())
            SetProgramIndex(static_cast<int>(p4));
        break;
    default: break;
    }
}

void CProgramEditWindow::StopListening()
{
    if (!m_bListening)
        return;
    m_bListening = false;
    if (CWindowManager* manager = library_shell::WindowManager())
        manager->RemoveListener(this);
}
