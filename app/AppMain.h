#pragma once
// The one application object: it creates every shared service of the editor
// in a fixed order, opens the main window and the first library window,
// routes the menu commands and deletes everything again in a fixed order at
// exit. It is the application shell that the windows below reach, the host
// of the MIDI manager and the owner of the main window and the tool windows.
// Its members are defined by concern in:
//   AppMain.cpp             start-up, exit, the main window and opening library windows and files
//   AppCommands.cpp         the menu commands, passed on to the active window
//   AppHost.cpp             what the MIDI manager asks of its host: log, message boxes, progress
//   AppLibraryServices.cpp  the services and window list that library windows reach
//   AppToolWindows.cpp      the status log, MIDI monitor and version tool windows
#include "app/AppSettings.h"
#include "app/EditorShell.h"
#include "app/LibraryWindowServices.h"
#include "app/MdiFrameWindow.h"
#include "app/ToolWindows.h"
#include "app/TransferProgress.h"
#include "framework/services/PslMessageDispatchListener.h"
#include "framework/ui/HfcAppBase.h"
#include "model/MidiManagerHost.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CBlockAccessor;
class CCustomMenu;
class CEfSemaphore;
class CFileManager;
class CHfcMenuBar;
class CHfcMidi;
class CLibraryWindowInterface;
class CLogManager;
class CPslMessageDispatchEngine;
class CQRVResource;

class CAppMain : public CHfcApp,
                 public CPslMessageDispatchListener,
                 public CEditorShell,
                 public CLibraryWindowServices,
                 public CMidiManagerHost,
                 public CMdiFrameOwner,
                 public CToolWindowOwner
{
public:
    static constexpr int kOpenFirstLibraryWindow = 28;
    static constexpr int kToolWindowWidth = 608;
    static constexpr int kToolWindowHeight = 203;

    // The arguments after the program's name.
    explicit CAppMain(std::vector<std::string> arguments = {});
    ~CAppMain() override;

    // Start-up; false when the shell could not be made (its failure was
    // shown) or the main window could not be made. Then no loop must run.
    bool Init() override;
    bool StartUp();
    bool Exit() override;
    // Whether start-up failed: the process then ends with a failure code.
    bool HasFailed() const { return m_failed; }

    void OnPslMessage(int id, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4) override;

    void NewLibraryWindow(bool receiveAll);
    bool OpenCommandLineFile();
    void OpenStatusLogWindow();
    void OpenMidiMonitorWindow();
    void OpenVersionWindow();

    LPCSTR GetAcceleratorName() override { return "Accelerators"; }

    // Commands: 0 when carried out, 1 when refused or unknown.
    int OnCommand(UINT message, WPARAM wParam, LPARAM lParam) override;
    bool CanRunCommand();
    void OnFileOpen() override;
    void OnFileSave() override;
    void OnFileSaveAs() override;
    void OnFileExit() override;
    void OnEditCut() override;
    void OnEditCopy() override;
    void OnEditPaste() override;
    void OnEditInitialize() override;
    void NewFromPreset(int index);
    void ToggleShowValues();
    void SelectAdjacentProgram(int step);
    // Sends a program of the window's library to the device's edit buffer,
    // once per program: a program sent last is not sent again.
    void TransmitWindowProgram(CBaseWindow* window, int program);

    // CEditorShell
    CWindowManager* GetWindowManager() override { return m_windowManager.get(); }
    CMMTimer* GetTimer() override { return m_timer.get(); }
    CMidiManager* GetMidiManager() override { return m_midiManager.get(); }
    CMidiManagerHost* GetMidiManagerHost() override { return this; }
    const AppSettings& GetSettings() override { return m_settings; }
    AppSettings& GetMutableSettings() override { return m_settings; }
    CEfSemaphore& GetDrawingSemaphore() override;
    CEfSemaphore& GetValueLayerSemaphore() override;
    void CheckShowValues(bool checked) override;
    void ApplyMenuKind(int kind) override;
    void AddChildWindow(CBaseWindow* window) override;
    void RemoveChildWindow(CBaseWindow* window) override;

    // CLibraryWindowServices: the library windows are the frame's list.
    CFileManager* GetFileManager() override { return m_fileManager.get(); }
    CPslMessageDispatchEngine* GetDispatchEngine() override { return m_engine.get(); }
    CEfSemaphore* GetTimerSemaphore() override;
    CEfSemaphore* GetProgressSemaphore() override;
    void AddLibraryWindow(CBaseWindow* window) override;
    void RemoveLibraryWindow(CBaseWindow* window) override;
    std::vector<CBaseWindow*> GetLibraryWindows() override;

    // CMidiManagerHost
    void LogLine(const std::string& line) override;
    int ShowMessageBox(int style, const std::string& title, const std::string& text) override;
    void OpenProgressDialog(const std::string& title, std::function<void()> onCancel) override;
    void SetProgressText(const std::string& text) override;
    void SetProgress(std::int32_t position, std::int32_t total) override;
    void CloseProgressDialog() override;
    void PauseTimer() override;
    void ResumeTimer() override;
    PortSettings GetPortSettings() override;
    void WriteMidiMonitorLine(MonitorLine line, const std::string& text) override;
    bool IsReceivingParameterChanges() override { return m_settings.receiveParameterChange; }
    bool GetParameterChangeTarget(ParameterChangeTarget& target) override;
    void SetParameterChangeTarget(const ParameterChangeTarget& target) override;
    void Broadcast(int event, LONG_PTR param1, LONG_PTR param2) override;

    // CMdiFrameOwner
    void SetMainWindowRect(int x, int y, int width, int height) override;
    bool IsFirstLibraryWindowReady() override { return m_libraryWindowOpened; }
    bool OpenLibraryFile(const std::string& path) override;
    void CloseToolWindows() override;

    // CToolWindowOwner
    void OnToolWindowMoved(CBaseWindow* window, int x, int y) override;
    void OnToolWindowClosed(CBaseWindow* window) override;

    AppSettings& Settings() { return m_settings; }
    CMdiFrameWindow* GetFrame() const { return m_frame.get(); }
    CCustomMenu* GetCustomMenu() const { return m_customMenu.get(); }
    CHfcMenuBar* GetMainMenuBar() const { return m_mainMenuBar.get(); }
    CBaseWindow* GetStatusLogWindow() const { return m_statusLogWindow; }
    CBaseWindow* GetMidiMonitorWindow() const { return m_midiMonitor.window; }
    CBaseWindow* GetVersionWindow() const { return m_versionWindow; }
    bool IsFirstLibraryWindowBegun() const { return m_libraryWindowBegun; }

protected:
    // The framework's own initialisation; false when it failed.
    virtual bool InitFramework();
    // Each step of start-up that a test may make fail; a failure throws the
    // text that the start-up box shows.
    virtual void LoadSettingsStep();
    // The two menu bars; a bar that does not load is reported and left out.
    virtual void LoadMenuBars();

private:
    // The seven named semaphores, in their order of creation.
    enum SemaphoreIndex
    {
        kSemaphore,
        kTimerSemaphore,
        kProgressSemaphore,
        kMidiMonitorSemaphore,
        kMessageSemaphore,
        kValueLayerSemaphore,
        kAutoDumpSemaphore,
        kSemaphoreCount,
    };

    void CreateShell();
    // Marks the failure and shuts down what start-up made; answers false.
    bool AbandonStartUp();
    // Keeps the saved frame on the work area at a usable size.
    void ClampMainWindowRect();
    void OpenToolWindowsAtStart();
    // Where a tool window opens: the saved place kept inside the client
    // area, or the top right corner when never placed; written back.
    void PlaceToolWindow(int& savedX, int& savedY, int& x, int& y);
    ToolWindowSetup ToolSetup(int x, int y);
    void ShowAndActivate(CBaseWindow* window);
    void CloseToolWindow(CBaseWindow*& window);
    CEfSemaphore* NamedSemaphore(SemaphoreIndex index) const;
    // A new library window running the operation; closed again when the
    // operation fails. True when it succeeded.
    bool RunInNewLibraryWindow(const std::function<bool(CLibraryWindowInterface&)>& operation);
    CLibraryWindowInterface* CreateLibraryWindow();
    void SetFirstLibraryWindowReady();
    void RunPreferencesCommand();
    CBaseWindow* ActiveWindow();
    void ReopenPorts();

    std::vector<std::string> m_arguments;
    AppSettings m_settings;
    bool m_failed = false;
    bool m_settingsLoaded = false;
    bool m_libraryWindowOpened = false;
    bool m_libraryWindowBegun = false;
    bool m_oleStarted = false;
    std::uint32_t m_lastStepTime = 0;
    bool m_anyStepTaken = false;

    std::unique_ptr<CQRVResource> m_strings;
    std::unique_ptr<CPslMessageDispatchEngine> m_engine;
    std::vector<std::unique_ptr<CEfSemaphore>> m_semaphores;
    std::unique_ptr<CHfcMidi> m_midi;
    bool m_skinAcquired = false;
    std::unique_ptr<CHfcMenuBar> m_emptyMenuBar;
    std::unique_ptr<CHfcMenuBar> m_mainMenuBar;
    std::unique_ptr<CCustomMenu> m_customMenu;
    std::unique_ptr<CMMTimer> m_timer;
    std::unique_ptr<CFileManager> m_fileManager;
    std::unique_ptr<CWindowManager> m_windowManager;
    std::unique_ptr<CLogManager> m_logManager;
    std::unique_ptr<CMidiManager> m_midiManager;
    std::unique_ptr<CBlockAccessor> m_blockAccessor;
    std::unique_ptr<CMdiFrameWindow> m_frame;

    CTransferProgress m_progress;
    std::optional<ParameterChangeTarget> m_parameterTarget;

    CBaseWindow* m_statusLogWindow = nullptr;
    MidiMonitorWindow m_midiMonitor;  // under the MIDI monitor semaphore
    CBaseWindow* m_versionWindow = nullptr;
};
