#include "editor/ProgramEditWindow.h"

#include "app/MessageWindowLayer.h"
#include "editor/EditWindows.h"
#include "editor/ProgramEditLayer.h"

namespace {

constexpr int kNoTimbre = -1;

constexpr CPartEditWindow::Setup kSetup{CBaseWindow::kProgramEditWindow, "", CProgramEditWindow::kClientWidth,
                                        CProgramEditWindow::kClientHeight, "]"};

struct DependentKind
{
    CEditWindowFactory::Kind kind;
    int timbre;
};

constexpr DependentKind kDependentKinds[CProgramEditWindow::kDependentCount] = {
    {CEditWindowFactory::kTimbreSynth, 0},         {CEditWindowFactory::kTimbreEq, 0},
    {CEditWindowFactory::kTimbreSynth, 1},         {CEditWindowFactory::kTimbreEq, 1},
    {CEditWindowFactory::kArpeggiator, kNoTimbre}, {CEditWindowFactory::kMasterEffect, kNoTimbre},
    {CEditWindowFactory::kVocoder, kNoTimbre},
};

}  // namespace

CProgramEditWindow::CProgramEditWindow() : CPartEditWindow(kSetup)
{}

CProgramEditWindow::~CProgramEditWindow() = default;

bool CProgramEditWindow::CreateMdiWindow(const EditWindowContext& context, int x, int y, int program)
{
    m_context = context;
    m_creationPosition = {x, y};
    if (!CPartEditWindow::CreateMdiWindow(context, x, y, program))
        return false;
    SetTimerEnabled(true);
    return true;
}

std::unique_ptr<CBaseLayer> CProgramEditWindow::MakeMainLayer()
{
    return std::make_unique<CProgramEditLayer>();
}

bool CProgramEditWindow::AddUpperLayers(CBaseLayer& /*mainLayer*/)
{
    // The tip follows the control it describes, as wide as its text.
    MessageLayerSetup tip;
    tip.followControl = true;
    tip.autoWidth = true;
    CreateMessageWindowLayer(tip);
    return true;
}

CProgramEditLayer* CProgramEditWindow::GetPageLayer() const
{
    return static_cast<CProgramEditLayer*>(GetMainLayer());
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
    return CPartEditWindow::CanClose();
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
    CloseDependentWindows();
    if (GetOwnerWindow() != nullptr)
        GetOwnerWindow()->ForgetDependentWindow(this);
    CPartEditWindow::DestroyLayers();
}
