#pragma once
// What the editor's windows and layers need of the application that runs
// them: its shared services, its preferences, its menu state and its frame.
// The application registers itself at start-up; while nothing is registered
// the windows work without these services.
struct AppSettings;
class CBaseWindow;
class CEfSemaphore;
class CMMTimer;
class CMidiManager;
class CMidiManagerHost;
class CWindowManager;

class CEditorShell
{
public:
    // Menu variants that an activated window applies.
    enum MenuKind
    {
        kLibraryProgramMenu = 1,
        kEditMenu = 2,
        kLibraryGlobalMenu = 12,
        kToolMenu = 13,
    };

    virtual ~CEditorShell() = default;

    virtual CWindowManager* GetWindowManager() = 0;
    virtual CMMTimer* GetTimer() = 0;
    virtual CMidiManager* GetMidiManager() = 0;
    // Keeps the program last sent to, or received from, the device's edit
    // buffer: the record that received parameter changes go into.
    virtual CMidiManagerHost* GetMidiManagerHost() = 0;
    virtual const AppSettings& GetSettings() = 0;
    // For the preferences that windows change as they are used; written
    // back at exit with the rest.
    virtual AppSettings& GetMutableSettings() = 0;

    // "Semaphore": the drawing of the message line, the value display and
    // the logo. "ValueLayerSemaphore": the value display, taken first.
    virtual CEfSemaphore& GetDrawingSemaphore() = 0;
    virtual CEfSemaphore& GetValueLayerSemaphore() = 0;

    // The check mark of the Show Values command.
    virtual void CheckShowValues(bool checked) = 0;
    // The menu bar's texts and enabled states for a kind of window.
    virtual void ApplyMenuKind(int kind) = 0;

    // The frame's list of editor windows, which each window joins when it is
    // built and leaves when its layers go.
    virtual void AddChildWindow(CBaseWindow* window) = 0;
    virtual void RemoveChildWindow(CBaseWindow* window) = 0;
};

// Null while no application is registered.
CEditorShell* GetEditorShell();
void SetEditorShell(CEditorShell* shell);
