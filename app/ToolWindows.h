#pragma once
// The three tool windows that the application opens from its menu and at
// start-up: the status log, the MIDI monitor and the version window. They
// are editor windows; the editor registers a factory that makes them, and
// the application reaches them only through these interfaces.
#include "model/MidiManagerHost.h"

#include <string>

class CBaseWindow;
class CEfSemaphore;
class CHfcMdiFrameWindow;
class CHfcMenuBar;

// What a tool window tells the application that opened it.
class CToolWindowOwner
{
public:
    virtual ~CToolWindowOwner() = default;
    // The window now sits at (x, y) of the frame's client area.
    virtual void OnToolWindowMoved(CBaseWindow* window, int x, int y) = 0;
    // The window agreed to close; the application forgets it.
    virtual void OnToolWindowClosed(CBaseWindow* window) = 0;
};

// The two lines of the MIDI monitor. The MIDI manager writes them from
// either thread, the window reads them on its tick; both hold the lock that
// the window was made with.
class CMidiMonitorLines
{
public:
    virtual ~CMidiMonitorLines() = default;
    virtual void SetLine(CMidiManagerHost::MonitorLine line, const std::string& text) = 0;
};

struct ToolWindowSetup
{
    CHfcMdiFrameWindow* frame = nullptr;
    CHfcMenuBar* menuBar = nullptr;
    CToolWindowOwner* owner = nullptr;
    // Top-left corner in the frame's client area.
    int x = 0;
    int y = 0;
};

struct MidiMonitorWindow
{
    CBaseWindow* window = nullptr;
    CMidiMonitorLines* lines = nullptr;
};

class CToolWindowFactory
{
public:
    virtual ~CToolWindowFactory() = default;
    // Each makes its window in the frame, not yet shown; null (or an empty
    // record) when it cannot be made. The application shows and activates
    // it, and closes it with CloseWindow; a tool window deletes itself once
    // its system window is gone, so nobody else deletes it.
    virtual CBaseWindow* CreateStatusLogWindow(const ToolWindowSetup& setup) = 0;
    virtual MidiMonitorWindow CreateMidiMonitorWindow(const ToolWindowSetup& setup, CEfSemaphore& lineLock) = 0;
    virtual CBaseWindow* CreateVersionWindow(const ToolWindowSetup& setup) = 0;
};

// Null while nothing is registered; then no tool window opens.
CToolWindowFactory* GetToolWindowFactory();
void SetToolWindowFactory(CToolWindowFactory* factory);
