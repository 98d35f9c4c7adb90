#include "editor/MidiMonitorWindow.h"

#include "app/SemaphoreHold.h"
#include "editor/layout/Layouts.h"
#include "framework/services/EfSemaphore.h"
#include "framework/ui/HfcCtrlCharStaticText.h"

#include <algorithm>
#include <cstring>

namespace {

using MonitorLine = CMidiManagerHost::MonitorLine;

const layout::Window& Page()
{
    static const layout::Window page = layout::MidiMonitorLayout();
    return page;
}

}  // namespace

void CMidiMonitorLineStore::SetLine(MonitorLine line, const std::string& text)
{
    char* target = line == MonitorLine::Received ? m_received : m_sent;
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(kLineLength));
    text.copy(target, length);
    target[length] = '\0';
}

void CMidiMonitorLineStore::Clear()
{
    m_received[0] = '\0';
    m_sent[0] = '\0';
}

const CMidiMonitorLineStore::Line& CMidiMonitorLineStore::Get(MonitorLine line) const
{
    return line == MonitorLine::Received ? m_received : m_sent;
}

CMidiMonitorLayer::CMidiMonitorLayer(const CMidiMonitorLineStore& lines, CEfSemaphore& lock)
    : CToolLayer(Page(), kLogo), m_lines(lines), m_lock(lock)
{}

bool CMidiMonitorLayer::Build(CHfcWindow* window)
{
    if (!CToolLayer::Build(window))
        return false;
    // The layout lists the received line first, as the shown lines are.
    for (std::size_t i = 0; i < std::size(m_shown); ++i)
        m_shown[i].control = AddText(Layout().controls[i]);
    return true;
}

void CMidiMonitorLayer::OnTick()
{
    bool changed[std::size(m_shown)] = {};
    {
        CSemaphoreHold lock(&m_lock);
        for (std::size_t i = 0; i < std::size(m_shown); ++i) {
            const CMidiMonitorLineStore::Line& written = m_lines.Get(m_shown[i].line);
            if (std::strncmp(written, m_shown[i].text, CMidiMonitorLineStore::kLineLength) == 0)
                continue;
            std::memcpy(m_shown[i].text, written, sizeof m_shown[i].text);
            changed[i] = true;
        }
    }
    for (std::size_t i = 0; i < std::size(m_shown); ++i) {
        if (changed[i] && m_shown[i].control != nullptr)
            m_shown[i].control->SetData(m_shown[i].text, true);
    }
}

const CHfcCtrlCharStaticText* CMidiMonitorLayer::GetText(MonitorLine line) const
{
    return line == MonitorLine::Received ? m_shown[0].control : m_shown[1].control;
}

CMidiMonitorWindow::CMidiMonitorWindow(const CMidiMonitorLineStore& lines, CEfSemaphore& lock)
    : CToolWindow(kMidiMonitorWindow, Page(), true), m_lines(lines), m_lock(lock)
{}

bool CMidiMonitorWindow::CreateMdiWindow(const ToolWindowSetup& setup)
{
    return CToolWindow::CreateMdiWindow("Midi Monitor", kCaption | kCaptionMinimizeBox, setup);
}

std::unique_ptr<CToolLayer> CMidiMonitorWindow::MakeLayer()
{
    return std::make_unique<CMidiMonitorLayer>(m_lines, m_lock);
}

void CMidiMonitorWindow::UpdateTitle()
{
    SetTitle("MIDI Monitor");
}
