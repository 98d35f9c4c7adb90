#pragma once
// The editor's tool windows for the application: while an object of this
// class lives it is the application's tool-window factory. It owns every
// tool window it made and deletes one once its system window is gone (at
// the next opening, or when the object goes), and it owns the MIDI
// monitor's lines, so that they outlive every monitor window.
#include "app/ToolWindows.h"
#include "editor/MidiMonitorWindow.h"

#include <memory>
#include <vector>

class CToolWindow;

class CEditorToolWindows : public CToolWindowFactory
{
public:
    // Registers itself as the factory.
    CEditorToolWindows();
    // Unregisters, takes down the windows still open and deletes them all.
    ~CEditorToolWindows() override;
    CEditorToolWindows(const CEditorToolWindows&) = delete;
    CEditorToolWindows& operator=(const CEditorToolWindows&) = delete;

    // Lines from the status log the shell registered.
    CBaseWindow* CreateStatusLogWindow(const ToolWindowSetup& setup) override;
    // The caller holds lineLock, so that no line reaches a half-made
    // monitor; the monitor starts with both lines empty.
    MidiMonitorWindow CreateMidiMonitorWindow(const ToolWindowSetup& setup, CEfSemaphore& lineLock) override;
    CBaseWindow* CreateVersionWindow(const ToolWindowSetup& setup) override;

    // The windows not yet deleted.
    int GetWindowCount() const { return static_cast<int>(m_windows.size()); }

private:
    // Keeps the window when it could be made; deletes those already gone.
    template <class Window>
    Window* Keep(std::unique_ptr<Window> window, bool made);

    CMidiMonitorLineStore m_monitorLines;
    std::vector<std::unique_ptr<CToolWindow>> m_windows;
};
