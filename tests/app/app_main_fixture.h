#pragma once
// The whole application on the headless display with a registry of its
// own and the test device on virtual MIDI ports. Library and tool windows
// come from factories that make recording stand-ins and write what reaches
// them into one log.
#include "app/AppMain.h"
#include "app/BaseWindow.h"
#include "app/LibraryWindows.h"
#include "app/ToolWindows.h"
#include "model/LibraryData.h"
#include "support/DeviceSimulator.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <vector>

namespace app_test {

std::vector<std::string>& Log();

class CTestLibraryWindow : public CBaseWindow, public CLibraryWindowInterface
{
public:
    CTestLibraryWindow(CMdiFrameWindow* frame, std::string name);
    ~CTestLibraryWindow() override;

    CBaseWindow* GetWindow() override { return this; }
    std::string GetDocumentName() override { return name; }
    bool NewAllData() override { return Record("NewAllData", true); }
    bool OpenAllData() override { return Record("OpenAllData", result); }
    bool OpenAllDataFile(const std::string& path) override;
    bool LoadFactoryPreset(int index) override { return Record("LoadFactoryPreset " + std::to_string(index), result); }
    bool ImportQTPLibrary() override { return Record("ImportQTPLibrary", result); }
    bool ImportQTLibrary() override { return Record("ImportQTLibrary", result); }
    bool ImportN6Library() override { return Record("ImportN6Library", result); }
    bool SaveAllData() override { return Record("SaveAllData", saveResult); }
    void PostReceiveOnStartup(std::function<void()> onEnded) override;

    bool IsModified() override { return modified; }
    bool CloseWindow(bool force) override;
    bool Show() override;
    int GetDataKind() override { return dataKind; }
    void OnFileSave() override { Record("OnFileSave", true); }
    void OnReceiveAllData() override { Record("OnReceiveAllData", true); }
    void OnCloseWindow() override { Record("OnCloseWindow", true); }
    void DestroyLayers() override;

    bool Record(const std::string& what, bool answer);

    CMdiFrameWindow* frame;
    std::string name;
    bool result = true;
    bool saveResult = true;
    bool modified = false;
    int dataKind = 0;
    std::function<void()> receiveEnded;
};

class CTestLibraryFactory : public CLibraryWindowFactory
{
public:
    CLibraryWindowInterface* CreateLibraryWindow(CMdiFrameWindow* frame, CHfcMenuBar* menuBar) override;

    std::vector<std::unique_ptr<CTestLibraryWindow>> windows;
    bool result = true;  // what the next windows' operations answer
};

// The monitor's lines, gone as soon as their window agrees to close, so a
// line written after that is a use after free.
class CTestMonitorLines : public CMidiMonitorLines
{
public:
    void SetLine(CMidiManagerHost::MonitorLine line, const std::string& text) override { lines[line] = text; }
    std::map<CMidiManagerHost::MonitorLine, std::string> lines;
};

// A tool window that only remembers what it is told.
class CTestToolWindow : public CBaseWindow
{
public:
    CTestToolWindow(std::string name, CToolWindowOwner* owner);
    bool CanClose() override;
    void OnMoved(int x, int y) override;

    std::string name;
    CToolWindowOwner* owner;
    std::unique_ptr<CTestMonitorLines> monitorLines;
};

class CTestToolFactory : public CToolWindowFactory
{
public:
    CBaseWindow* CreateStatusLogWindow(const ToolWindowSetup& setup) override;
    MidiMonitorWindow CreateMidiMonitorWindow(const ToolWindowSetup& setup, CEfSemaphore& lineLock) override;
    CBaseWindow* CreateVersionWindow(const ToolWindowSetup& setup) override;

    CTestToolWindow* Make(const std::string& name, const ToolWindowSetup& setup, int width, int height);

    std::vector<std::unique_ptr<CTestToolWindow>> windows;
    std::vector<std::pair<int, int>> places;
    CEfSemaphore* monitorLock = nullptr;
};

class AppMainTest : public testing::Test
{
protected:
    void SetUp() override;
    void TearDown() override;

    // Values written into the registry before the application starts.
    void Preset(const std::string& name, long value);
    // Init, then everything queued; false when Init was.
    bool Start(std::vector<std::string> arguments = {});
    // The frame's close as the desktop asks for it, then Exit; the saved
    // values afterwards.
    void CloseAndExit();
    std::map<std::string, long> SavedDwords();
    static void Pump();
    CTestLibraryWindow* Library(std::size_t index) { return libraries.windows.at(index).get(); }
    int Command(int id) { return app->OnCommand(WM_COMMAND, static_cast<WPARAM>(id), 0); }

    std::filesystem::path registry;
    std::map<std::string, long> preset;
    std::unique_ptr<DeviceSimulator> device;
    std::unique_ptr<CAppMain> app;
    CTestLibraryFactory libraries;
    CTestToolFactory tools;
    bool exited = false;
};

}  // namespace app_test
