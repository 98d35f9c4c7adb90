#include "editor/StatusLogWindow.h"

#include "app/LogManager.h"
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

}  // namespace

CStatusLogLayer::CStatusLogLayer(const CLogManager* log) : CToolLayer(Page(), kLogo | kListens), m_log(log)
{}

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
            control.x,
            control.y,
            0,
            0,
            HfcBitmapWord(GetBitmap(control.skin)),
            HfcBitmapWord(Background()),
            control.x,
            control.y,
            0,
            control.frames,
        };
        auto lamp = std::make_unique<CHfcCtrlLed>();
        if (lamp->Create(words, static_cast<std::uint32_t>(control.id), 0))
            m_lamp = Keep(std::move(lamp));
    }
    return true;
}

void CStatusLogLayer::OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                             CWindowManagerListener*)
{
    if (event == CLogManager::kLineAddedEvent)
        Refresh();
}

void CStatusLogLayer::OnTick()
{
    if (m_lamp != nullptr && m_lamp->GetValue() > 0)
        m_lamp->SetValue(m_lamp->GetValue() - 1, true);
}

int CStatusLogLayer::GetLampValue() const
{
    return m_lamp != nullptr ? m_lamp->GetValue() : 0;
}

void CStatusLogLayer::Refresh()
{
    if (m_log == nullptr)
        return;
    const std::vector<std::string> newest = m_log->GetNewestLines(kLines);
    for (std::size_t i = 0; i < newest.size(); ++i) {
        if (m_lines.at(i) != nullptr)
            m_lines.at(i)->SetData(newest[i].c_str(), true);
    }
    if (m_lamp != nullptr)
        m_lamp->SetValue(m_lamp->GetMaximum(), true);
}

CStatusLogWindow::CStatusLogWindow(const CLogManager* log) : CToolWindow(kStatusLogWindow, Page(), true), m_log(log)
{}

bool CStatusLogWindow::CreateMdiWindow(const ToolWindowSetup& setup)
{
    return CToolWindow::CreateMdiWindow("Status", kCaption | kCaptionMinimizeBox, setup);
}

bool CStatusLogWindow::CreateRootLayer()
{
    if (!CToolWindow::CreateRootLayer())
        return false;
    MakeTopMost();
    return true;
}

std::unique_ptr<CToolLayer> CStatusLogWindow::MakeLayer()
{
    return std::make_unique<CStatusLogLayer>(m_log);
}

void CStatusLogWindow::UpdateTitle()
{
    SetTitle("Log");
}
