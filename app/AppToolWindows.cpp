#include "app/AppMain.h"

#include "app/BaseWindow.h"
#include "app/SemaphoreHold.h"
#include "framework/services/EfSemaphore.h"

#include <algorithm>

namespace {

constexpr int kVersionHalfWidth = 171;
constexpr int kVersionHalfHeight = 139;
constexpr int kVersionRightMargin = 350;
constexpr int kVersionBottomMargin = 304;

SIZE ClientSizeOf(CMdiFrameWindow& frame)
{
    RECT client{};
    frame.GetClientRect(client);
    return {client.right - client.left, client.bottom - client.top};
}

}  // namespace

ToolWindowSetup CAppMain::ToolSetup(int x, int y)
{
    return {m_frame.get(), m_mainMenuBar.get(), this, x, y};
}

void CAppMain::ShowAndActivate(CBaseWindow* window)
{
    if (window == nullptr)
        return;
    window->Show();
    window->Activate();
}

void CAppMain::PlaceToolWindow(int& savedX, int& savedY, int& x, int& y)
{
    const SIZE client = ClientSizeOf(*m_frame);
    x = savedX == -1 ? client.cx - kToolWindowWidth : std::max(std::min(savedX, client.cx - kToolWindowWidth), 0);
    y = savedY == -1 ? 0 : std::max(std::min(savedY, client.cy - kToolWindowHeight), 0);
    savedX = x;
    savedY = y;
}

void CAppMain::OpenToolWindowsAtStart()
{
    if (m_settings.midiMonitorWindowShow != 0)
        OpenMidiMonitorWindow();
    if (m_settings.statusLogWindowShow != 0)
        OpenStatusLogWindow();
}

void CAppMain::OpenStatusLogWindow()
{
    if (m_statusLogWindow != nullptr) {
        ShowAndActivate(m_statusLogWindow);
        return;
    }
    CToolWindowFactory* factory = GetToolWindowFactory();
    if (factory == nullptr || m_frame == nullptr)
        return;
    int x = 0, y = 0;
    PlaceToolWindow(m_settings.statusLogWindowX, m_settings.statusLogWindowY, x, y);
    m_settings.statusLogWindowShow = 1;
    m_statusLogWindow = factory->CreateStatusLogWindow(ToolSetup(x, y));
    ShowAndActivate(m_statusLogWindow);
}

void CAppMain::OpenMidiMonitorWindow()
{
    if (m_midiMonitor.window != nullptr) {
        ShowAndActivate(m_midiMonitor.window);
        return;
    }
    CToolWindowFactory* factory = GetToolWindowFactory();
    if (factory == nullptr || m_frame == nullptr)
        return;
    int x = 0, y = 0;
    PlaceToolWindow(m_settings.midiMonitorWindowX, m_settings.midiMonitorWindowY, x, y);
    m_settings.midiMonitorWindowShow = 1;
    CEfSemaphore& lock = *m_semaphores.at(kMidiMonitorSemaphore);
    {
        // The MIDI thread never writes into a half-made monitor.
        CSemaphoreHold hold(&lock);
        m_midiMonitor = factory->CreateMidiMonitorWindow(ToolSetup(x, y), lock);
    }
    ShowAndActivate(m_midiMonitor.window);
}

void CAppMain::OpenVersionWindow()
{
    if (m_versionWindow != nullptr) {
        ShowAndActivate(m_versionWindow);
        return;
    }
    CToolWindowFactory* factory = GetToolWindowFactory();
    if (factory == nullptr || m_frame == nullptr)
        return;
    const SIZE client = ClientSizeOf(*m_frame);
    const int x = std::max(std::min(client.cx / 2 - kVersionHalfWidth, client.cx - kVersionRightMargin), 0);
    const int y = std::max(std::min(client.cy / 2 - kVersionHalfHeight, client.cy - kVersionBottomMargin), 0);
    m_versionWindow = factory->CreateVersionWindow(ToolSetup(x, y));
    ShowAndActivate(m_versionWindow);
}

void CAppMain::OnToolWindowMoved(CBaseWindow* window, int x, int y)
{
    if (window == nullptr)
        return;
    if (window == m_statusLogWindow) {
        m_settings.statusLogWindowX = x;
        m_settings.statusLogWindowY = y;
    } else if (window == m_midiMonitor.window) {
        m_settings.midiMonitorWindowX = x;
        m_settings.midiMonitorWindowY = y;
    }
}

void CAppMain::OnToolWindowClosed(CBaseWindow* window)
{
    if (window == nullptr)
        return;
    if (window == m_statusLogWindow) {
        m_statusLogWindow = nullptr;
        m_settings.statusLogWindowShow = 0;
    } else if (window == m_midiMonitor.window) {
        // After this no line reaches the window, which may then go.
        CSemaphoreHold hold(m_semaphores.at(kMidiMonitorSemaphore).get());
        m_midiMonitor = {};
        m_settings.midiMonitorWindowShow = 0;
    } else if (window == m_versionWindow) {
        m_versionWindow = nullptr;
    }
}

void CAppMain::CloseToolWindow(CBaseWindow*& window)
{
    CBaseWindow* closing = window;
    if (closing == nullptr)
        return;
    closing->CloseWindow(true);
    // A window that refused still goes with its frame: forget it all the same.
    OnToolWindowClosed(closing);
}

void CAppMain::CloseToolWindows()
{
    const AppSettings kept = m_settings;
    CBaseWindow* monitor = m_midiMonitor.window;
    CloseToolWindow(monitor);
    CloseToolWindow(m_statusLogWindow);
    CloseToolWindow(m_versionWindow);
    m_settings.midiMonitorWindowShow = kept.midiMonitorWindowShow;
    m_settings.midiMonitorWindowX = kept.midiMonitorWindowX;
    m_settings.midiMonitorWindowY = kept.midiMonitorWindowY;
    m_settings.statusLogWindowShow = kept.statusLogWindowShow;
    m_settings.statusLogWindowX = kept.statusLogWindowX;
    m_settings.statusLogWindowY = kept.statusLogWindowY;
}

void CAppMain::WriteMidiMonitorLine(MonitorLine line, const std::string& text)
{
    if (m_semaphores.size() <= kMidiMonitorSemaphore)
        return;
    CSemaphoreHold hold(m_semaphores[kMidiMonitorSemaphore].get());
    if (m_midiMonitor.lines != nullptr)
        m_midiMonitor.lines->SetLine(line, text);
}
