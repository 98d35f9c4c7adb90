#include "editor/StatusLogWindow.h"

#include "app/EditorShell.h"
#include "app/LogManager.h"
#include "app/SemaphoreHold.h"
#include "editor/layout/Layouts.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcCtrlCharStaticText.h"

namespace {

const layout::Window& Page()
{
    static const layout::Window page = layout::StatusLogLayout();
    return page;
}

CWindowManager* WindowManager()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? shell->GetWindowManager() : nullptr;
}

CEfSemaphore* DrawingSemaphore()
{
    CEditorShell* shell = GetEditorShell();
    return shell != nullptr ? &shell->GetDrawingSemaphore() : nullptr;
}

}  // namespace

CStatusLogLayer::CStatusLogLayer(const CLogManager* log) : CToolLayer(Page(), true), m_pLog(log) {}

CStatusLogLayer::~CStatusLogLayer()
{
    if (IsCreated())
        Destroy();
}

bool CStatusLogLayer::Build(CHfcWindow* window)
{
    if (!CToolLayer::Build(window))
        return false;
    for (const layout::Control& control : Layout().controls) {
        if (control.kind == layout::Kind::StaticText) {
            m_lines.at(static_cast<std::size_t>(control.id)) = AddText(control);
            continue;
        }
        const HfcWord words[kHfcStripWords] = {
            control.x, control.y, 0, 0, HfcBitmapWord(GetBitmap(control.skin)), HfcBitmapWord(Background()),
            control.x, control.y, 0, control.frames,
        };
        auto lamp = std::make_unique<CHfcCtrlLed>();
        if (lamp->Create(words, static_cast<std::uint32_t>(control.id), 0))
            m_pLamp = Keep(std::move(lamp));
    }
    if (CWindowManager* manager = WindowManager())
        m_bListening = manager->AddListener(this);
    return true;
}

bool CStatusLogLayer::OnDestroy()
{
    if (m_bListening && WindowManager() != nullptr)
        WindowManager()->RemoveListener(this);
    m_bListening = false;
    m_lines.fill(nullptr);
    m_pLamp = nullptr;
    return CToolLayer::OnDestroy();
}

void CStatusLogLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                             CWindowManagerListener*)
{
    if (event == CLogManager::kLineAddedEvent)
        Refresh();
}

void CStatusLogLayer::OnTimerTick()
{
    CSemaphoreHold drawing(DrawingSemaphore());
    if (m_pLamp != nullptr && m_pLamp->GetValue() > 0)
        m_pLamp->SetValue(m_pLamp->GetValue() - 1, true);
    const bool repaint = NeedsRepaint();
    if (repaint) {
        DrawPage();
        Refresh();
        SetNeedsRepaint(false);
    }
    RedrawAllControls(repaint);
}

int CStatusLogLayer::GetLampValue() const
{
    return m_pLamp != nullptr ? m_pLamp->GetValue() : 0;
}

void CStatusLogLayer::Refresh()
{
    if (m_pLog == nullptr)
        return;
    const std::vector<std::string> newest = m_pLog->GetNewestLines(kLines);
    for (std::size_t i = 0; i < newest.size(); ++i) {
        if (m_lines.at(i) != nullptr)
            m_lines.at(i)->SetData(newest[i].c_str(), true);
    }
    if (m_pLamp != nullptr)
        m_pLamp->SetValue(m_pLamp->GetMaximum(), true);
}

CStatusLogWindow::CStatusLogWindow(const CLogManager* log) : CToolWindow(kStatusLogWindow, Page(), true), m_pLog(log) {}

bool CStatusLogWindow::CreateMdiWindow(const ToolWindowSetup& setup)
{
    return CToolWindow::CreateMdiWindow("Status", kCaption | kCaptionMinimizeBox, setup);
}

bool CStatusLogWindow::CreateRootLayer()
{
    if (!CToolWindow::CreateRootLayer())
        return false;
    auto* layer = static_cast<CStatusLogLayer*>(SetMainLayer(std::make_unique<CStatusLogLayer>(m_pLog)));
    if (!layer->Build(this))
        return false;
    layer->Show(false);
    MakeTopMost();
    return true;
}

void CStatusLogWindow::UpdateTitle()
{
    SetTitle("Log");
}
