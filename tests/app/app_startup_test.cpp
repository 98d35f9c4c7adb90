// The application's start-up and shut-down as a user meets them: the main
// window, the first library window, the command line, the tool windows
// and the settings written at the end.
#include "app_main_fixture.h"

#include "app/CustomMenu.h"
#include "app/LogManager.h"
#include "app/SkinTable.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMenu.h"
#include "model/AllDataFile.h"

#include <platform/testing.h>

#include <fstream>

namespace app_test {
namespace {

namespace fs = std::filesystem;

TEST_F(AppMainTest, StartUpOpensTheFrameWithTheEmptyMenuBarAndQueuesTheFirstLibraryWindow)
{
    Preset("KnobMode", 0);
    ASSERT_TRUE(Start());
    CMdiFrameWindow* frame = app->GetFrame();
    ASSERT_NE(frame, nullptr);
    EXPECT_EQ(app->GetMainWindow(), frame);
    char title[64]{};
    GetWindowTextA(frame->GetHandle(), title, sizeof title);
    EXPECT_STREQ(title, "VQ-700Z Sound Editor");
    EXPECT_EQ(HfcGetKnobMode(), 0) << "the saved knob mode reaches the knobs";
    EXPECT_EQ(GetEditorShell(), app.get());
    // The first library window waited for the loop; without the receive at
    // start it is ready at once.
    EXPECT_EQ(Log(), (std::vector<std::string>{"library1:made", "library1:NewAllData", "library1:Show"}));
    EXPECT_TRUE(app->IsFirstLibraryWindowReady());
    EXPECT_EQ(frame->GetLibraryWindowCount(), 1);
}

TEST_F(AppMainTest, TheFirstLibraryWindowIsNotMadeBeforeTheLoopRuns)
{
    fs::create_directories(registry / "Software/Vesk/VQ-700Z Sound Editor");
    std::ofstream(registry / "Software/Vesk/VQ-700Z Sound Editor/values") << "dword \"MidiDeviceAutoScan\" = 0\n";
    app = std::make_unique<CAppMain>();
    ASSERT_TRUE(app->Init());
    EXPECT_TRUE(libraries.windows.empty()) << "channel 28 is queued, never called at once";
    EXPECT_EQ(GetMenuItemCount(GetMenu(app->GetFrame()->GetHandle())), 4)
        << "the frame's own menu is the empty bar: File, Options, Window, Help";
    Pump();
    ASSERT_EQ(libraries.windows.size(), 1u);
    EXPECT_EQ(Library(0)->receiveEnded != nullptr, true) << "the receive at start is on by default";
    EXPECT_TRUE(app->IsFirstLibraryWindowBegun());
    EXPECT_FALSE(app->IsFirstLibraryWindowReady()) << "drops and Close Window wait for the receive";
    Library(0)->receiveEnded();
    EXPECT_TRUE(app->IsFirstLibraryWindowReady());
}

TEST_F(AppMainTest, CommandLineFilesNeedTheAllDataMagicAndOptionsAreSkipped)
{
    const fs::path folder = registry / "files";
    fs::create_directories(folder);
    auto write = [&](const std::string& name, const std::string& bytes) {
        std::ofstream(folder / name, std::ios::binary) << bytes;
        return (folder / name).string();
    };
    const std::string good1 = write("one.all", "47300AlD and more");
    const std::string good2 = write("two.all", "47300AlD");
    const std::string shortFile = write("short.all", "47300Al");
    const std::string other = write("other.all", "3918AllD........");
    ASSERT_TRUE(Start({"-x", good1, shortFile, other, (folder / "missing.all").string(), good2}));
    EXPECT_EQ(Log(), (std::vector<std::string>{"library1:made", "library1:OpenAllDataFile one.all", "library1:Show",
                                               "library2:made", "library2:OpenAllDataFile two.all", "library2:Show"}))
        << "two files open two windows and no Untitled window follows";
    EXPECT_TRUE(app->IsFirstLibraryWindowReady());
}

TEST_F(AppMainTest, ACommandLineFileThatCannotBeOpenedIsNamedWithTheReasonAndAnyNameOpens)
{
    const fs::path folder = registry / "files";
    fs::create_directories(folder);
    const std::string odd = (folder / "\xFF\xFE.all").string();
    std::ofstream(odd, std::ios::binary) << "47300AlD";
    std::ofstream(folder / "other.all", std::ios::binary) << "3918AllD";
    testing::internal::CaptureStderr();
    ASSERT_TRUE(Start({(folder / "missing.all").string(), folder.string(), (folder / "other.all").string(), odd}));
    const std::string errors = testing::internal::GetCapturedStderr();
    EXPECT_EQ(Log(), (std::vector<std::string>{"library1:made", "library1:OpenAllDataFile \xEF\x9F\xBF\xEF\x9F\xBE.all",
                                               "library1:Show"}))
        << "a name that is not UTF-8 opens";

    const std::string shown = folder.string();
    EXPECT_NE(errors.find("\"" + shown + "/missing.all\" was not opened: No such file or directory\n"),
              std::string::npos)
        << errors;
    EXPECT_NE(errors.find("\"" + shown + "\" was not opened: Is a directory\n"), std::string::npos) << errors;
    EXPECT_NE(errors.find("\"" + shown + "/other.all\" was not opened: Not a VQ-700Z library file\n"),
              std::string::npos)
        << errors;
    const auto* log = dynamic_cast<CLogManager*>(GetStatusLog());
    ASSERT_NE(log, nullptr);
    std::string lines;
    for (const std::string& line : log->GetNewestLines(CLogManager::kLineCount))
        lines += line + "\n";
    EXPECT_NE(lines.find("\"missing.all\" was not opened: No such file or directory"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\"files\" was not opened: Is a directory"), std::string::npos) << lines;
    EXPECT_NE(lines.find("\"other.all\" was not opened: Not a VQ-700Z library file"), std::string::npos) << lines;
}

TEST_F(AppMainTest, OnlyOptionsOnTheCommandLineLeadToTheUntitledWindow)
{
    ASSERT_TRUE(Start({"-open", "/nonexistent-option"}));
    EXPECT_EQ(Log(), (std::vector<std::string>{"library1:made", "library1:NewAllData", "library1:Show"}));
}

TEST_F(AppMainTest, ACommandLineFileThatDoesNotLoadClosesItsWindow)
{
    const fs::path file = registry / "bad.all";
    fs::create_directories(registry);
    std::ofstream(file, std::ios::binary) << "47300AlD";
    libraries.result = false;
    ASSERT_TRUE(Start({file.string()}));
    ASSERT_GE(Log().size(), 3u);
    EXPECT_EQ(Log()[1], "library1:OpenAllDataFile bad.all");
    EXPECT_EQ(Log()[2], "library1:CloseWindow");
    EXPECT_EQ(Log()[3], "library2:made") << "nothing opened, so the Untitled window follows";
}

TEST_F(AppMainTest, TheSavedMainWindowIsKeptInsideTheWorkArea)
{
    struct Case
    {
        RECT saved;  // x, y, width, height
        RECT expected;
    };
    // The client sizes; the frame adds 4 across and 24 down (its edge and menu bar).
    const Case cases[] = {
        {{100, 100, 800, 600}, {100, 100, 800, 600}},
        {{900, 100, 800, 600}, {476, 100, 800, 600}},     // moved left
        {{100, 100, 1500, 600}, {0, 100, 1276, 600}},     // wider: x 0, narrowed
        {{-50, -20, 400, 300}, {0, 0, 400, 300}},         // never above or left
        {{100, 700, 800, 900}, {100, 0, 800, 776}},       // taller
        {{100, 100, -1, 0}, {100, 100, 300, 200}},        // no size: the smallest usable one
        {{-30000, 99999, 640, 480}, {0, 296, 640, 480}},  // far off: back on the work area
        {{INT32_MAX, INT32_MIN, INT32_MAX, INT32_MAX}, {0, 0, 1276, 776}},
    };
    for (const Case& c : cases) {
        Preset("MainWindowX", c.saved.left);
        Preset("MainWindowY", c.saved.top);
        Preset("MainWindowWidth", c.saved.right);
        Preset("MainWindowHeight", c.saved.bottom);
        ASSERT_TRUE(Start());
        const auto placement = app->GetFrame()->GetPlacement();
        EXPECT_EQ(placement,
                  (CMdiFrameWindow::Placement{c.expected.left, c.expected.top, c.expected.right, c.expected.bottom}))
            << "saved " << c.saved.left << "," << c.saved.top << " " << c.saved.right << "x" << c.saved.bottom;
        RECT client{};
        GetClientRect(app->GetFrame()->GetHandle(), &client);
        EXPECT_EQ(client.right, c.expected.right) << "the client area has the saved size";
        RECT outer{};
        GetWindowRect(app->GetFrame()->GetHandle(), &outer);
        EXPECT_TRUE(outer.left >= 0 && outer.top >= 0 && outer.right <= 1280 && outer.bottom <= 800)
            << "the frame lies on the work area: " << outer.left << "," << outer.top << " " << outer.right << ","
            << outer.bottom;
        CloseAndExit();
        libraries.windows.clear();
        app.reset();
    }
}

TEST_F(AppMainTest, AWorkAreaOffTheScreensCornerKeepsTheFrameOnIt)
{
    platform::testing::SetWorkArea({200, 40, 1000, 640});
    Preset("MainWindowX", 0);
    Preset("MainWindowY", 0);
    Preset("MainWindowWidth", 2000);
    Preset("MainWindowHeight", 300);
    ASSERT_TRUE(Start());
    EXPECT_EQ(app->GetFrame()->GetPlacement(), (CMdiFrameWindow::Placement{200, 40, 796, 300}));
}

TEST_F(AppMainTest, AKnobModeOrThemeSetByHandOutsideTheChoicesIsTakenAsTheNearestChoice)
{
    Preset("KnobMode", 9);
    Preset("BackgroundColour", 7);
    ASSERT_TRUE(Start());
    EXPECT_EQ(HfcGetKnobMode(), 2);
    EXPECT_EQ(GetColourTheme(), 2) << "the theme the preferences show";
}

TEST_F(AppMainTest, ToolWindowsOpenAtTheirSavedPlaceKeptInsideTheClientArea)
{
    Preset("MainWindowWidth", 1000);
    Preset("MainWindowHeight", 700);
    Preset("MidiMonitorWindowShow", 1);
    Preset("StatusLogWindowShow", 1);
    Preset("MidiMonitorWindowX", -1);
    Preset("MidiMonitorWindowY", -1);
    Preset("StatusLogWindowX", 900);
    Preset("StatusLogWindowY", 650);
    ASSERT_TRUE(Start());
    RECT client{};
    app->GetFrame()->GetClientRect(client);
    ASSERT_EQ(tools.places.size(), 2u);
    EXPECT_EQ(tools.windows[0]->name, "MIDI Monitor") << "the monitor opens first";
    EXPECT_EQ(tools.places[0], std::make_pair(static_cast<int>(client.right) - 608, 0)) << "never placed: top right";
    EXPECT_EQ(tools.places[1],
              std::make_pair(static_cast<int>(client.right) - 608, static_cast<int>(client.bottom) - 203));
    EXPECT_EQ(app->Settings().statusLogWindowX, client.right - 608) << "the place is written back";
    EXPECT_EQ(app->Settings().midiMonitorWindowY, 0);

    // Open again: only brought forward.
    app->OpenStatusLogWindow();
    EXPECT_EQ(tools.windows.size(), 2u);

    // Closing the program with both open opens them again next time, where they were.
    CloseAndExit();
    const auto saved = SavedDwords();
    EXPECT_EQ(saved.at("StatusLogWindowShow"), 1);
    EXPECT_EQ(saved.at("MidiMonitorWindowShow"), 1);
    EXPECT_EQ(saved.at("StatusLogWindowX"), client.right - 608);
    EXPECT_EQ(saved.at("StatusLogWindowY"), client.bottom - 203);
}

TEST_F(AppMainTest, ANegativeSavedToolWindowPlaceBecomesZero)
{
    Preset("StatusLogWindowShow", 1);
    Preset("StatusLogWindowX", -5);
    Preset("StatusLogWindowY", -7);
    ASSERT_TRUE(Start());
    ASSERT_EQ(tools.places.size(), 1u);
    EXPECT_EQ(tools.places[0], std::make_pair(0, 0));
}

TEST_F(AppMainTest, AClosedToolWindowIsForgottenAndItsShowSettingCleared)
{
    ASSERT_TRUE(Start());
    app->OpenStatusLogWindow();
    ASSERT_NE(app->GetStatusLogWindow(), nullptr);
    EXPECT_EQ(app->Settings().statusLogWindowShow, 1);
    app->GetStatusLogWindow()->CloseWindow(false);
    EXPECT_EQ(app->GetStatusLogWindow(), nullptr);
    EXPECT_EQ(app->Settings().statusLogWindowShow, 0);
    CloseAndExit();
    EXPECT_EQ(SavedDwords().at("StatusLogWindowShow"), 0);
}

TEST_F(AppMainTest, TheVersionWindowIsCentredInTheClientArea)
{
    struct Case
    {
        int width, height, x, y;
    };
    // x = w/2 - 171 at most w - 350, y = h/2 - 139 at most h - 304, never below 0.
    const Case cases[] = {{800, 600, 229, 161}, {500, 400, 79, 61}, {300, 200, 0, 0}, {351, 305, 1, 1}};
    for (const Case& c : cases) {
        Preset("MainWindowWidth", c.width);
        Preset("MainWindowHeight", c.height);
        ASSERT_TRUE(Start());
        tools.places.clear();
        app->OpenVersionWindow();
        app->OpenVersionWindow();
        ASSERT_EQ(tools.places.size(), 1u) << "a second open only brings it forward";
        EXPECT_EQ(tools.places[0], std::make_pair(c.x, c.y)) << c.width << "x" << c.height;
        CloseAndExit();
        EXPECT_EQ(app->GetVersionWindow(), nullptr);
        libraries.windows.clear();
        tools.windows.clear();
        app.reset();
    }
}

TEST_F(AppMainTest, ExitWritesTheSettingsAndLeavesNoServiceBehind)
{
    Preset("BackgroundColour", 2);
    Preset("ReceiveParameterChange", 1);
    ASSERT_TRUE(Start());
    app->Settings().backgroundColour = 1;
    CloseAndExit();
    EXPECT_EQ(GetEditorShell(), nullptr);
    const auto saved = SavedDwords();
    EXPECT_EQ(saved.at("BackgroundColour"), 1);
    EXPECT_EQ(saved.at("PreferencesVersion"), 1);
    EXPECT_EQ(saved.at("ReceiveParameterChange"), 1) << "read, never written: it stays as set by hand";
}

TEST_F(AppMainTest, ASettingsStoreThatCannotBeReadShowsBothFailuresAndStartsNothing)
{
    std::ofstream(registry) << "not a folder";
    platform::testing::QueueMessageBoxAnswers({IDOK, IDOK});
    app = std::make_unique<CAppMain>();
    EXPECT_FALSE(app->Init());
    exited = true;
    EXPECT_TRUE(app->HasFailed());
    const auto boxes = platform::testing::TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].text, "Failed to initialize the application. : Failed to read settings.");
    EXPECT_EQ(boxes[1].caption, "Error");
    EXPECT_EQ(boxes[1].text, "Failed to application initialize.");
    EXPECT_EQ(app->GetFrame(), nullptr);
    EXPECT_EQ(GetEditorShell(), nullptr);
    fs::remove(registry);
    EXPECT_FALSE(fs::exists(registry / "Software")) << "nothing was written over the store";
}

// An application whose framework does not initialise.
class CAppWithoutFramework : public CAppMain
{
protected:
    bool InitFramework() override
    {
        CAppMain::InitFramework();
        return false;
    }
};

TEST_F(AppMainTest, AFrameworkThatDoesNotInitialiseEndsStartUpAsAFailureAfterAnOrderlyShutDown)
{
    app = std::make_unique<CAppWithoutFramework>();
    EXPECT_FALSE(app->Init());
    exited = true;
    EXPECT_TRUE(app->HasFailed()) << "the process ends with a failure code";
    EXPECT_EQ(app->GetFrame(), nullptr);
    EXPECT_EQ(GetEditorShell(), nullptr) << "the shell was shut down";
    EXPECT_EQ(SavedDwords().count("PreferencesVersion"), 1u) << "the settings were written as at every exit";
    Pump();
    EXPECT_TRUE(libraries.windows.empty());
}

// An application whose menu bars do not load.
class CAppWithoutMenus : public CAppMain
{
protected:
    void LoadMenuBars() override
    {
        CAppMain::LoadMenuBars();
        GetMainMenuBar()->Destroy();
    }
};

TEST_F(AppMainTest, WithoutItsMenuTheProgramStillStartsAndTheMenuOperationsDoNothing)
{
    fs::create_directories(registry / "Software/Vesk/VQ-700Z Sound Editor");
    std::ofstream(registry / "Software/Vesk/VQ-700Z Sound Editor/values") << "dword \"MidiDeviceAutoScan\" = 0\n";
    app = std::make_unique<CAppWithoutMenus>();
    ASSERT_TRUE(app->Init());
    EXPECT_NE(app->GetFrame(), nullptr);
    ASSERT_NE(app->GetCustomMenu(), nullptr);
    EXPECT_EQ(app->GetCustomMenu()->GetMenu(), nullptr);
    app->ApplyMenuKind(2);
    app->CheckShowValues(true);
    EXPECT_EQ(app->GetCustomMenu()->GetKind(), 2);
}

}  // namespace
}  // namespace app_test
