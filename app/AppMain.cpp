#include "app/AppMain.h"

#include "app/BaseWindow.h"
#include "app/CustomMenu.h"
#include "app/FileManager.h"
#include "app/LibraryWindows.h"
#include "app/LogManager.h"
#include "app/MMTimer.h"
#include "app/MessageBoxes.h"
#include "app/SkinTable.h"
#include "app/WindowManager.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcClipboard.h"
#include "framework/services/HfcMidi.h"
#include "framework/services/LogPrintf.h"
#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/services/QRVResource.h"
#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMenu.h"
#include "framework/ui/HfcOle.h"
#include "model/AllDataFile.h"
#include "model/BlockAccessor.h"
#include "model/DataModelInstances.h"
#include "model/DefaultDocuments.h"
#include "model/MidiManager.h"

#include <platform/display.h>
#include <platform/file_names.h>
#include <platform/gdiplus.h>
#include <platform/messaging.h>

#include <juce_events/juce_events.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>

namespace {

constexpr const char* kMainWindowTitle = "VQ-700Z Sound Editor";
// The smallest client area that still shows the whole menu bar and the
// caption of a library window.
constexpr int kMinimumClientWidth = 300;
constexpr int kMinimumClientHeight = 200;
constexpr const char* kMidiPortObjectName = "SR2RuvivIvovaz";

constexpr const char* kSemaphoreNames[] = {
    "Semaphore",        "TimerSemaphore",      "ProgressSemaphore", "MidiMonitorSemaphore",
    "MessageSemaphore", "ValueLayerSemaphore", "AutoDumpSemaphore",
};

constexpr const char* kClipboardFormats[] = {
    "q47300DragBank", "q47300DragProgram", "q47300DragFavorite", "q47300DragDrum", "q47300Timbre",
    "q47300Synth",    "q47300IFx",         "q473001IFx",         "q47300MFx",      "q47300ModSeq",
    "q473001ModSeq",  "q47300StepSeq",     "q47300DrumInst",     "q47300Template", "q47300FormantRec",
};

// Every message waiting on the message thread, so that the windows paint
// and a progress dialog's Cancel is heard while a transfer waits. A quit
// request is put back for the message loop to end on.
void PumpWindowMessages()
{
    MSG msg{};
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return;
        }
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

ULONG_PTR g_gdiplusToken = 0;

}  // namespace

CAppMain::CAppMain(std::vector<std::string> arguments) : m_arguments(std::move(arguments))
{}

CAppMain::~CAppMain() = default;

bool CAppMain::Init()
{
    const bool baseResult = InitFramework();
    juce::initialiseJuce_GUI();
    GdiplusStartupInput input{1, nullptr, FALSE, FALSE};
    GdiplusStartup(&g_gdiplusToken, &input, nullptr);
    CreateDataModelInstances();
    m_oleStarted = HfcOleInitialize();
    CreateDefaultDocuments();
    if (!StartUp()) {
        ShowSimpleMessageBox("Error", "Failed to application initialize.");
        return AbandonStartUp();
    }
    if (!baseResult)
        return AbandonStartUp();
    m_frame = std::make_unique<CMdiFrameWindow>(*this);
    m_frame->SetCommandTarget(this);
    ClampMainWindowRect();
    const AppSettings& s = m_settings;
    // Without a main window there is nothing to run a loop for.
    if (!m_frame->Create(kMainWindowTitle, s.mainWindowX, s.mainWindowY, s.mainWindowWidth, s.mainWindowHeight,
                         0x8000011, m_emptyMenuBar.get()))
        return AbandonStartUp();
    m_customMenu->SetRefreshWindow(m_frame->GetMdiClient());
    SetMainWindow(m_frame.get());
    m_frame->Show();
    OpenToolWindowsAtStart();
    m_customMenu->SetShowValuesCheck(m_settings.showValueLayer);
    m_midiManager->OpenPorts();
    if (!OpenCommandLineFile())
        m_engine->Dispatch(this, kOpenFirstLibraryWindow, 0, 0, 0, 0, true);
    return true;
}

bool CAppMain::InitFramework()
{
    return CHfcAppBase::Init();
}

bool CAppMain::AbandonStartUp()
{
    m_failed = true;
    Exit();
    return false;
}

bool CAppMain::StartUp()
{
    try {
        CreateShell();
        return true;
    } catch (const char* text) {
        ShowFormattedMessageBox("Error", "Failed to initialize the application. : %s", text);
        return false;
    }
}

void CAppMain::LoadSettingsStep()
{
    if (!LoadSettings(m_settings))
        throw "Failed to read settings.";
    m_settingsLoaded = true;
}

void CAppMain::LoadMenuBars()
{
    m_emptyMenuBar = std::make_unique<CHfcMenuBar>();
    m_mainMenuBar = std::make_unique<CHfcMenuBar>();
    for (CHfcMenuBar* bar : {m_emptyMenuBar.get(), m_mainMenuBar.get()}) {
        const char* name = bar == m_emptyMenuBar.get() ? "EmptyMenuBar" : "MainMenuBar";
        if (!bar->LoadFromName(nullptr, name))
            ShowSimpleMessageBox("Error", "Failed to load Menu Bar.");
    }
}

void CAppMain::CreateShell()
{
    LoadSettingsStep();
    m_strings = std::make_unique<CQRVResource>();
    m_engine = std::make_unique<CPslMessageDispatchEngine>();
    SetMessagePump(&PumpWindowMessages);

    std::srand(static_cast<unsigned>(std::time(nullptr)));
    m_statusLogWindow = nullptr;
    m_midiMonitor = {};
    m_versionWindow = nullptr;
    m_parameterTarget.reset();
    SetColourTheme(m_settings.backgroundColour);

    for (const char* name : kSemaphoreNames)
        m_semaphores.push_back(std::make_unique<CEfSemaphore>(1, name));
    m_midi = std::make_unique<CHfcMidi>();
    m_midi->Create(kMidiPortObjectName);
    for (const char* format : kClipboardFormats)
        CHfcClipboard::RegisterFormat(format);
    CResourceManager::Acquire();
    m_skinAcquired = true;

    LoadMenuBars();
    m_customMenu = std::make_unique<CCustomMenu>(m_mainMenuBar->GetMenu());

    m_timer = std::make_unique<CMMTimer>(*m_engine);
    if (!m_timer->Start())
        throw "Can not create CMMTimer.";
    if (!m_timer->Resume())
        throw "Can not start MMTimer.";

    m_fileManager = std::make_unique<CFileManager>();
    m_windowManager = std::make_unique<CWindowManager>(*m_engine);
    m_logManager = std::make_unique<CLogManager>(m_windowManager.get());
    m_midiManager = std::make_unique<CMidiManager>(m_midi.get(), this);
    if (!m_midiManager->Create())
        throw "Can not create CMidiManager";
    HfcSetKnobMode(m_settings.knobMode);
    m_blockAccessor = std::make_unique<CBlockAccessor>();
    CBlockAccessor::SetInstance(m_blockAccessor.get());
    SetEditorShell(this);
    SetLibraryWindowServices(this);
}

void CAppMain::ClampMainWindowRect()
{
    RECT work{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
    // The saved size is the client's; the frame adds its menu bar and edges.
    RECT frame{};
    const bool hasMenu = m_emptyMenuBar != nullptr && m_emptyMenuBar->GetMenu() != nullptr;
    AdjustWindowRectEx(&frame, m_frame->GetWindowStyle(), hasMenu ? TRUE : FALSE, m_frame->GetWindowExStyle());
    // Size first, then place: a usable frame whose every edge is on the work
    // area, unless the work area is smaller than the smallest usable frame.
    const auto fit = [](int& position, int& size, LONG from, LONG to, LONG edges, int minimum) {
        const long long room = static_cast<long long>(to) - from - edges;
        const long long fitted = std::clamp<long long>(size, minimum, std::max<long long>(room, minimum));
        const long long last = std::max<long long>(from, to - edges - fitted);
        position = static_cast<int>(std::clamp<long long>(position, from, last));
        size = static_cast<int>(fitted);
    };
    fit(m_settings.mainWindowX, m_settings.mainWindowWidth, work.left, work.right, frame.right - frame.left,
        kMinimumClientWidth);
    fit(m_settings.mainWindowY, m_settings.mainWindowHeight, work.top, work.bottom, frame.bottom - frame.top,
        kMinimumClientHeight);
}

bool CAppMain::Exit()
{
    if (m_midiManager != nullptr)
        m_midiManager->AllNotesOff();
    if (m_timer != nullptr && m_timer->IsCreated())
        m_timer->Pause();
    if (m_midiManager != nullptr) {
        m_midiManager->CloseInPort();
        m_midiManager->CloseOutPort();
        m_midi->SetListener(nullptr);
    }
    // Settings that were never read are not written over with defaults.
    if (m_settingsLoaded)
        SaveSettings(m_settings);
    CBlockAccessor::SetInstance(nullptr);
    m_blockAccessor.reset();
    CloseToolWindow(m_statusLogWindow);
    {
        CBaseWindow* monitor = m_midiMonitor.window;
        CloseToolWindow(monitor);
    }
    if (GetLibraryWindowServices() == this)
        SetLibraryWindowServices(nullptr);
    SetEditorShell(nullptr);
    m_windowManager.reset();
    m_logManager.reset();
    m_fileManager.reset();
    m_customMenu.reset();
    if (m_midiManager != nullptr)
        m_midiManager->Close();
    m_midiManager.reset();
    if (m_midi != nullptr)
        m_midi->Destroy();
    m_midi.reset();
    if (m_timer != nullptr && m_timer->IsCreated())
        m_timer->Stop();
    m_timer.reset();
    while (!m_semaphores.empty())
        m_semaphores.pop_back();
    if (m_skinAcquired)
        CResourceManager::Release();
    m_skinAcquired = false;
    for (auto* bar : {&m_emptyMenuBar, &m_mainMenuBar})
        if (*bar != nullptr)
            (*bar)->Destroy();
    m_emptyMenuBar.reset();
    m_mainMenuBar.reset();
    m_frame.reset();
    DeleteDefaultDocuments();
    ReleaseDataModelInstances();
    SetMessagePump(nullptr);
    m_engine.reset();
    m_strings.reset();
    if (m_oleStarted)
        HfcOleUninitialize();
    m_oleStarted = false;
    GdiplusShutdown(g_gdiplusToken);
    juce::shutdownJuce_GUI();
    return CHfcAppBase::Exit();
}

void CAppMain::OnPslMessage(int id, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR)
{
    if (id == kOpenFirstLibraryWindow)
        NewLibraryWindow(m_settings.receiveOnStartup);
}

CLibraryWindowInterface* CAppMain::CreateLibraryWindow()
{
    CLibraryWindowFactory* factory = GetLibraryWindowFactory();
    return factory != nullptr && m_frame != nullptr ? factory->CreateLibraryWindow(m_frame.get(), m_mainMenuBar.get())
                                                    : nullptr;
}

bool CAppMain::RunInNewLibraryWindow(const std::function<bool(CLibraryWindowInterface&)>& operation)
{
    CLibraryWindowInterface* library = CreateLibraryWindow();
    if (library == nullptr)
        return false;
    if (!operation(*library)) {
        library->GetWindow()->CloseWindow(true);
        return false;
    }
    library->GetWindow()->Show();
    return true;
}

void CAppMain::SetFirstLibraryWindowReady()
{
    m_libraryWindowBegun = true;
    m_libraryWindowOpened = true;
}

void CAppMain::NewLibraryWindow(bool receiveAll)
{
    m_libraryWindowBegun = true;
    CLibraryWindowInterface* library = CreateLibraryWindow();
    if (library == nullptr)
        return;
    library->NewAllData();
    library->GetWindow()->Show();
    library->GetWindow()->Activate();
    if (receiveAll)
        library->PostReceiveOnStartup([this] { SetFirstLibraryWindowReady(); });
    else
        SetFirstLibraryWindowReady();
}

bool CAppMain::OpenLibraryFile(const std::string& path)
{
    if (!IsAllDataFile(path.c_str()))
        return false;
    return RunInNewLibraryWindow([&](CLibraryWindowInterface& library) { return library.OpenAllDataFile(path); });
}

bool CAppMain::OpenCommandLineFile()
{
    bool opened = false;
    for (const std::string& argument : m_arguments) {
        // Options start with "-". A "/" starts an absolute path here. Any
        // name the file system holds opens; one that names no all-data file
        // is skipped, and the user is told why on standard error and in the
        // status log.
        if (argument.empty() || argument[0] == '-')
            continue;
        const std::string path = platform::FileNameText(argument);
        if (const std::string problem = AllDataFileProblem(path.c_str()); !problem.empty()) {
            // The log's lines are short: there the name without its folder.
            const std::string shown = platform::ReadableFileName(path);
            const std::string name = std::filesystem::path(shown).filename();
            std::fprintf(stderr, "vq700z-editor: \"%s\" was not opened: %s\n", shown.c_str(), problem.c_str());
            LogPrintf("\"%s\" was not opened: %s", (name.empty() ? shown : name).c_str(), problem.c_str());
            continue;
        }
        if (OpenLibraryFile(path)) {
            SetFirstLibraryWindowReady();
            opened = true;
        }
    }
    return opened;
}

void CAppMain::SetMainWindowRect(int x, int y, int width, int height)
{
    m_settings.mainWindowX = x;
    m_settings.mainWindowY = y;
    m_settings.mainWindowWidth = width;
    m_settings.mainWindowHeight = height;
}

CEfSemaphore& CAppMain::GetDrawingSemaphore()
{
    return *m_semaphores.at(kSemaphore);
}

CEfSemaphore& CAppMain::GetValueLayerSemaphore()
{
    return *m_semaphores.at(kValueLayerSemaphore);
}
