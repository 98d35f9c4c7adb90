// The editor's start-up on the headless display: from the application
// object to its main window's first painted frame, and the memory the
// process holds once it is up, and once every window of its first library
// is open.
#include "app/AppMain.h"
#include "editor/EditorEditWindows.h"
#include "editor/EditorLibraryWindows.h"
#include "editor/EditorToolWindows.h"
#include "editor/LibraryWindow.h"
#include "editor/ProgramEditWindow.h"
#include "editor/ProgramListLayer.h"

#include <platform/display.h>
#include <platform/messaging.h>
#include <platform/testing/display.h>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

namespace fs = std::filesystem;

// A registry of its own that keeps the device out of the measurement.
void UseQuietRegistry()
{
    static const fs::path root = [] {
        const fs::path made = fs::temp_directory_path() / "bench_app_startup";
        fs::create_directories(made / "Software/Vesk/VQ-700Z Sound Editor");
        std::ofstream(made / "Software/Vesk/VQ-700Z Sound Editor/values")
            << "dword \"MidiDeviceAutoScan\" = 0\ndword \"ReceiveOnStartup\" = 0\n";
        return made;
    }();
    setenv("VQ_REGISTRY_DIR", root.c_str(), 1);
    platform::StartDisplay(platform::DisplayKind::Headless);
}

void ShutDown(CAppMain& app)
{
    SendMessageA(app.GetFrame()->GetHandle(), WM_CLOSE, 0, 0);
    platform::testing::PumpMessages();
    app.Exit();
    MSG quit{};
    while (PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
    }
}

long ResidentKilobytes()
{
    std::ifstream status("/proc/self/status");
    std::string key;
    long value = 0;
    while (status >> key) {
        if (key == "VmRSS:" && status >> value)
            return value;
        status.ignore(1 << 12, '\n');
    }
    return 0;
}

void BM_StartUpToFirstFrame(benchmark::State& state)
{
    UseQuietRegistry();
    for (auto _ : state) {
        CAppMain app;
        if (!app.Init()) {
            state.SkipWithError("start-up failed");
            return;
        }
        // Paints and presents the main window.
        platform::testing::PumpMessages();
        state.PauseTiming();
        ShutDown(app);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StartUpToFirstFrame)->Unit(benchmark::kMillisecond);

void BM_ResidentMemoryAfterStartUp(benchmark::State& state)
{
    UseQuietRegistry();
    long resident = 0;
    for (auto _ : state) {
        CAppMain app;
        if (!app.Init()) {
            state.SkipWithError("start-up failed");
            return;
        }
        platform::testing::PumpMessages();
        resident = ResidentKilobytes();
        ShutDown(app);
    }
    state.counters["resident_MB"] = static_cast<double>(resident) / 1024.0;
}
BENCHMARK(BM_ResidentMemoryAfterStartUp)->Iterations(1)->Unit(benchmark::kMillisecond);

// Opens the first program's edit window from the library's list, then every
// window of its parts; false when one of them did not open.
bool OpenEveryWindow(CAppMain& app)
{
    const auto libraries = app.GetLibraryWindows();
    auto* library = libraries.empty() ? nullptr : dynamic_cast<CLibraryWindow*>(libraries.front());
    auto* list = library ? dynamic_cast<CProgramListLayer*>(library->GetProgramListLayer()) : nullptr;
    if (list == nullptr)
        return false;
    list->OpenEditWindow(0);
    auto* edit = dynamic_cast<CProgramEditWindow*>(library->GetProgramEditWindow(0));
    if (edit == nullptr)
        return false;
    for (int part = 0; part < CProgramEditWindow::kDependentCount; ++part) {
        const auto which = static_cast<CProgramEditWindow::Dependent>(part);
        edit->OpenDependentWindow(which);
        if (edit->GetDependentWindow(which) == nullptr)
            return false;
    }
    platform::testing::PumpMessages();
    return true;
}

void BM_ResidentMemoryWithEveryWindowOpen(benchmark::State& state)
{
    UseQuietRegistry();
    long resident = 0;
    for (auto _ : state) {
        CEditorToolWindows toolWindows;
        CEditorLibraryWindows libraryWindows;
        CEditorEditWindows editWindows;
        CAppMain app;
        if (!app.Init()) {
            state.SkipWithError("start-up failed");
            return;
        }
        platform::testing::PumpMessages();
        if (!OpenEveryWindow(app)) {
            ShutDown(app);
            state.SkipWithError("a window did not open");
            return;
        }
        resident = ResidentKilobytes();
        ShutDown(app);
    }
    state.counters["resident_MB"] = static_cast<double>(resident) / 1024.0;
}
BENCHMARK(BM_ResidentMemoryWithEveryWindowOpen)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
