#include "editor/EditorToolWindows.h"

#include "app/LogManager.h"
#include "editor/StatusLogWindow.h"
#include "editor/VersionInfoWindow.h"
#include "framework/services/LogPrintf.h"

CEditorToolWindows::CEditorToolWindows()
{
    SetToolWindowFactory(this);
}

CEditorToolWindows::~CEditorToolWindows()
{
    if (GetToolWindowFactory() == this)
        SetToolWindowFactory(nullptr);
    for (auto& window : m_windows) {
        if (window->GetHandle() != nullptr)
            window->Destroy();
    }
}

template <class Window>
Window* CEditorToolWindows::Keep(std::unique_ptr<Window> window, bool made)
{
    std::erase_if(m_windows, [](const std::unique_ptr<CToolWindow>& kept) { return kept->IsGone(); });
    if (!made) {
        if (window->GetHandle() != nullptr)
            window->Destroy();
        return nullptr;
    }
    Window* kept = window.get();
    m_windows.push_back(std::move(window));
    return kept;
}

CBaseWindow* CEditorToolWindows::CreateStatusLogWindow(const ToolWindowSetup& setup)
{
    auto window = std::make_unique<CStatusLogWindow>(dynamic_cast<const CLogManager*>(GetStatusLog()));
    const bool made = window->CreateMdiWindow(setup);
    return Keep(std::move(window), made);
}

MidiMonitorWindow CEditorToolWindows::CreateMidiMonitorWindow(const ToolWindowSetup& setup, CEfSemaphore& lineLock)
{
    m_monitorLines.Clear();
    auto window = std::make_unique<CMidiMonitorWindow>(m_monitorLines, lineLock);
    const bool made = window->CreateMdiWindow(setup);
    CMidiMonitorWindow* kept = Keep(std::move(window), made);
    return kept != nullptr ? MidiMonitorWindow{kept, &m_monitorLines} : MidiMonitorWindow{};
}

CBaseWindow* CEditorToolWindows::CreateVersionWindow(const ToolWindowSetup& setup)
{
    auto window = std::make_unique<CVersionInfoWindow>();
    const bool made = window->CreateMdiWindow(setup);
    return Keep(std::move(window), made);
}
