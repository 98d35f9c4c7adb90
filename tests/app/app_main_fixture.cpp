#include "app_main_fixture.h"

#include "framework/services/EfSemaphore.h"
#include "support/RegistryDwords.h"

#include <platform/messaging.h>
#include <platform/testing.h>

#include <cstdint>
#include <cstdlib>
#include <fstream>

namespace app_test {

namespace fs = std::filesystem;

std::vector<std::string>& Log()
{
    static std::vector<std::string> log;
    return log;
}

CTestLibraryWindow::CTestLibraryWindow(CMdiFrameWindow* frame, std::string name) : frame(frame), name(std::move(name))
{
    SetKind(kLibraryWindow);
}

CTestLibraryWindow::~CTestLibraryWindow()
{
    if (GetHandle() != nullptr && IsWindow(GetHandle()))
        Destroy();
}

bool CTestLibraryWindow::Record(const std::string& what, bool answer)
{
    Log().push_back(name + ":" + what);
    return answer;
}

bool CTestLibraryWindow::OpenAllDataFile(const std::string& path)
{
    return Record("OpenAllDataFile " + fs::path(path).filename().string(), result);
}

void CTestLibraryWindow::PostReceiveOnStartup(std::function<void()> onEnded)
{
    Record("PostReceiveOnStartup", true);
    receiveEnded = std::move(onEnded);
}

bool CTestLibraryWindow::CloseWindow(bool force)
{
    Record("CloseWindow", true);
    return CBaseWindow::CloseWindow(force);
}

bool CTestLibraryWindow::Show()
{
    Record("Show", true);
    return CBaseWindow::Show();
}

void CTestLibraryWindow::DestroyLayers()
{
    frame->RemoveChildWindow(this);
    CBaseWindow::DestroyLayers();
}

CLibraryWindowInterface* CTestLibraryFactory::CreateLibraryWindow(CMdiFrameWindow* frame, CHfcMenuBar* menuBar)
{
    auto window = std::make_unique<CTestLibraryWindow>(frame, "library" + std::to_string(windows.size() + 1));
    window->result = result;
    if (!window->Create("Untitled", 0, 0, 300, 200, 0, menuBar, frame))
        return nullptr;
    frame->AddLibraryWindow(window.get());
    Log().push_back(window->name + ":made");
    windows.push_back(std::move(window));
    return windows.back().get();
}

CTestToolWindow::CTestToolWindow(std::string name, CToolWindowOwner* owner) : name(std::move(name)), owner(owner)
{}

bool CTestToolWindow::CanClose()
{
    owner->OnToolWindowClosed(this);
    monitorLines.reset();
    return CBaseWindow::CanClose();
}

void CTestToolWindow::OnMoved(int x, int y)
{
    CBaseWindow::OnMoved(x, y);
    owner->OnToolWindowMoved(this, x, y);
}

CTestToolWindow* CTestToolFactory::Make(const std::string& name, const ToolWindowSetup& setup, int width, int height)
{
    auto window = std::make_unique<CTestToolWindow>(name, setup.owner);
    places.emplace_back(setup.x, setup.y);
    if (!window->Create(name.c_str(), setup.x, setup.y, width, height, 0, setup.menuBar, setup.frame))
        return nullptr;
    Log().push_back(name + ":made");
    windows.push_back(std::move(window));
    return windows.back().get();
}

CBaseWindow* CTestToolFactory::CreateStatusLogWindow(const ToolWindowSetup& setup)
{
    return Make("Log", setup, 600, 178);
}

MidiMonitorWindow CTestToolFactory::CreateMidiMonitorWindow(const ToolWindowSetup& setup, CEfSemaphore& lineLock)
{
    monitorLock = &lineLock;
    CTestToolWindow* window = Make("MIDI Monitor", setup, 600, 178);
    if (window == nullptr)
        return {};
    window->monitorLines = std::make_unique<CTestMonitorLines>();
    return {window, window->monitorLines.get()};
}

CBaseWindow* CTestToolFactory::CreateVersionWindow(const ToolWindowSetup& setup)
{
    return Make("Version", setup, 342, 279);
}

void AppMainTest::SetUp()
{
    Log().clear();
    registry = fs::temp_directory_path() / ("app_main_" + std::to_string(getpid()));
    fs::remove_all(registry);
    setenv("VQ_REGISTRY_DIR", registry.c_str(), 1);
    platform::testing::SetUserLocale("en_US.UTF-8");
    platform::testing::SetWorkArea({0, 0, 1280, 800});
    platform::testing::UseVirtualMidi();
    device = std::make_unique<DeviceSimulator>();
    // No port scan and no receive at start unless a test asks for them.
    preset = {{"MidiDeviceAutoScan", 0}, {"ReceiveOnStartup", 0}};
    SetLibraryWindowFactory(&libraries);
    SetToolWindowFactory(&tools);
}

void AppMainTest::TearDown()
{
    if (app != nullptr && !exited) {
        if (CMdiFrameWindow* frame = app->GetFrame(); frame != nullptr && frame->GetHandle() != nullptr)
            DestroyWindow(frame->GetHandle());
        Pump();
        app->Exit();
    }
    MSG quit{};
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
    platform::testing::TakeShownMessageBoxes();
    libraries.windows.clear();
    tools.windows.clear();
    app.reset();
    SetLibraryWindowFactory(nullptr);
    SetToolWindowFactory(nullptr);
    device.reset();
    platform::testing::UseVirtualMidi();
    platform::testing::SetUserLocale(nullptr);
    unsetenv("VQ_REGISTRY_DIR");
    fs::remove_all(registry);
}

void AppMainTest::Preset(const std::string& name, long value)
{
    preset[name] = value;
}

bool AppMainTest::Start(std::vector<std::string> arguments)
{
    fs::create_directories(registry / kEditorSettingsFolder);
    std::ofstream values(registry / kEditorSettingsFolder / "values");
    for (const auto& [name, value] : preset)
        values << "dword \"" << name << "\" = " << static_cast<std::uint32_t>(value) << "\n";
    values.close();
    app = std::make_unique<CAppMain>(std::move(arguments));
    const bool started = app->Init();
    exited = !started;
    Pump();
    return started;
}

void AppMainTest::CloseAndExit()
{
    SendMessageA(app->GetFrame()->GetHandle(), WM_CLOSE, 0, 0);
    Pump();
    if (app->GetFrame()->GetHandle() != nullptr && IsWindow(app->GetFrame()->GetHandle()))
        return;
    app->Exit();
    exited = true;
}

std::map<std::string, long> AppMainTest::SavedDwords()
{
    return ReadSettingsDwords(registry);
}

void AppMainTest::Pump()
{
    platform::testing::PumpMessages();
}

}  // namespace app_test
