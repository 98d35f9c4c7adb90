// The menu commands as the application carries them out, refuses them or
// hands them to the active window.
#include "app_main_fixture.h"

#include "app/CustomMenu.h"
#include "app/DialogRefCount.h"
#include "app/PreferencesDialog.h"
#include "app/WindowManager.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcMenu.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcMouseListener.h"
#include "model/MidiManager.h"

#include <platform/testing.h>

namespace app_test {
namespace {

// Every broadcast as "event p1 p2 p3 p4".
class CRecordingListener : public CWindowManagerListener
{
public:
    void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                CWindowManagerListener*) override
    {
        events.push_back(std::to_string(event) + " " + std::to_string(p1) + " " + std::to_string(p2) + " " +
                         std::to_string(p3) + " " + std::to_string(p4));
    }
    std::vector<std::string> events;
};

class AppCommandsTest : public AppMainTest
{
protected:
    void SetUp() override
    {
        AppMainTest::SetUp();
        ASSERT_TRUE(Start());
        ASSERT_EQ(libraries.windows.size(), 1u);
        library = Library(0);
        Log().clear();
    }
    void TearDown() override
    {
        if (listening)
            app->GetWindowManager()->RemoveListener(&listener);
        AppMainTest::TearDown();
    }
    void Listen()
    {
        app->GetWindowManager()->AddListener(&listener);
        listening = true;
    }

    CTestLibraryWindow* library = nullptr;
    CRecordingListener listener;
    bool listening = false;
};

TEST_F(AppCommandsTest, HandledCommandsAnswerZeroAndUnknownOnesOne)
{
    EXPECT_EQ(Command(kCommandSave), 0);
    EXPECT_EQ(Command(kCommandReceiveAllData), 0);
    EXPECT_EQ(Command(kCommandCloseWindow), 0);
    EXPECT_EQ(Log(),
              (std::vector<std::string>{"library1:OnFileSave", "library1:OnReceiveAllData", "library1:OnCloseWindow"}))
        << "forwarded to the active window";
    EXPECT_EQ(Command(51009), 1);
    EXPECT_EQ(Command(57000), 1);
}

TEST_F(AppCommandsTest, ForwardedCommandsWithoutAnActiveWindowDoNothingButAreHandled)
{
    library->CloseWindow(true);
    Pump();
    Log().clear();
    EXPECT_EQ(Command(kCommandSave), 0);
    EXPECT_EQ(Command(kCommandCut), 0);
    EXPECT_TRUE(Log().empty());
}

TEST_F(AppCommandsTest, ACommandPostedToTheMainWindowRunsOnce)
{
    ASSERT_FALSE(app->Settings().showValueLayer);
    PostMessageA(app->GetFrame()->GetHandle(), WM_COMMAND, kCommandShowValues, 0);
    Pump();
    EXPECT_TRUE(app->Settings().showValueLayer) << "a second run would have switched it back";
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE;
    ASSERT_TRUE(GetMenuItemInfoA(app->GetMainMenuBar()->GetMenu(), kCommandShowValues, FALSE, &info));
    EXPECT_TRUE(info.fState & MFS_CHECKED);
}

class CCapturingListener : public CHfcMouseListener
{};

TEST_F(AppCommandsTest, CommandsAreRefusedWhileADialogIsOpenOrTheMouseIsCaptured)
{
    {
        CDialogFlag open;
        EXPECT_EQ(Command(kCommandNew), 1);
        EXPECT_EQ(Command(kCommandShowValues), 1);
        EXPECT_EQ(Command(kCommandSave), 1);
    }
    CCapturingListener holder;
    CHfcMouse::GetInstance()->SetCapture(&holder, library);
    EXPECT_EQ(Command(kCommandVersion), 1);
    CHfcMouse::GetInstance()->ReleaseCapture();
    EXPECT_EQ(libraries.windows.size(), 1u);
    EXPECT_FALSE(app->Settings().showValueLayer);
    EXPECT_TRUE(tools.windows.empty());
    EXPECT_TRUE(Log().empty());
    EXPECT_EQ(Command(kCommandVersion), 0) << "and carried out again once the user is free";
}

TEST_F(AppMainTest, CloseWindowIsRefusedWhileTheFirstLibraryWindowReceives)
{
    Preset("ReceiveOnStartup", 1);
    ASSERT_TRUE(Start());
    ASSERT_EQ(libraries.windows.size(), 1u);
    Log().clear();
    EXPECT_EQ(Command(kCommandCloseWindow), 1);
    EXPECT_TRUE(Log().empty());
    Library(0)->receiveEnded();
    EXPECT_EQ(Command(kCommandCloseWindow), 0);
    EXPECT_EQ(Log(), std::vector<std::string>{"library1:OnCloseWindow"});
}

TEST_F(AppCommandsTest, LibraryCommandsOpenAWindowAndCloseItWhenTheOperationFails)
{
    struct Case
    {
        int command;
        std::string operation;
    };
    const Case cases[] = {
        {kCommandOpen, "OpenAllData"},           {kCommandFirstPreset, "LoadFactoryPreset 0"},
        {51102, "LoadFactoryPreset 1"},          {kCommandLastPreset, "LoadFactoryPreset 5"},
        {kCommandImportQTP, "ImportQTPLibrary"}, {kCommandImportQT, "ImportQTLibrary"},
        {kCommandImportN6, "ImportN6Library"},
    };
    for (bool succeeds : {true, false}) {
        libraries.result = succeeds;
        for (const Case& c : cases) {
            Log().clear();
            const std::string name = "library" + std::to_string(libraries.windows.size() + 1);
            EXPECT_EQ(Command(c.command), 0);
            EXPECT_EQ(Log(), (std::vector<std::string>{name + ":made", name + ":" + c.operation,
                                                       name + (succeeds ? ":Show" : ":CloseWindow")}))
                << c.command;
        }
    }
}

TEST_F(AppCommandsTest, NewOpensAnEmptyLibraryWindowWithoutAskingTheDevice)
{
    EXPECT_EQ(Command(kCommandNew), 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"library2:made", "library2:NewAllData", "library2:Show"}));
}

TEST_F(AppCommandsTest, PrevAndNextProgramBroadcastTheirScriptAndWaitForTheDelay)
{
    platform::testing::ScopedFakeClock clock(10000);
    library->dataKind = 2;
    library->SetDocumentId(7);
    library->SetProgramIndex(5);
    Listen();
    EXPECT_EQ(Command(kCommandNextProgram), 0);
    Pump();
    EXPECT_EQ(listener.events,
              (std::vector<std::string>{"20 7 0 0 0", "19 7 1 5 6", "7 6 -1 7 6", "2 6 -1 7 6", "20 7 1 5 6"}));
    listener.events.clear();
    platform::testing::AdvanceClock(249);
    EXPECT_EQ(Command(kCommandPrevProgram), 0);
    Pump();
    EXPECT_TRUE(listener.events.empty()) << "within 250 ms of the last step";
    platform::testing::AdvanceClock(1);
    EXPECT_EQ(Command(kCommandPrevProgram), 0);
    Pump();
    EXPECT_EQ(listener.events.size(), 5u) << "250 ms after the last accepted step";
}

TEST_F(AppCommandsTest, StepsPastTheEndsOfTheBankOnlyAnnounceThemselves)
{
    platform::testing::ScopedFakeClock clock(10000);
    library->dataKind = 2;
    library->SetDocumentId(3);
    library->SetProgramIndex(199);
    Listen();
    Command(kCommandNextProgram);
    Pump();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"20 3 0 0 0", "20 3 1 199 199"}));
    listener.events.clear();
    library->SetProgramIndex(0);
    platform::testing::AdvanceClock(300);
    Command(kCommandPrevProgram);
    Pump();
    EXPECT_EQ(listener.events, (std::vector<std::string>{"20 3 0 0 0", "20 3 1 0 0"}));
}

TEST_F(AppCommandsTest, AProgramIsSentToTheDeviceOnceAndRememberedBeforeSending)
{
    LibraryData data;
    data.AddItem(LibraryDataItem::kProgramBank);
    library->dataKind = 2;
    library->SetDocumentId(4);
    library->SetDocumentList(&data);
    CMidiManager& midi = *app->GetMidiManager();
    ASSERT_TRUE(midi.OpenInPort(static_cast<int>(device->InPort())));
    ASSERT_TRUE(midi.OpenOutPort(static_cast<int>(device->OutPort())));
    const std::size_t before = device->Received().size();
    app->TransmitWindowProgram(library, 3);
    CMidiManagerHost::ParameterChangeTarget target{};
    ASSERT_TRUE(app->GetParameterChangeTarget(target));
    EXPECT_EQ(target.programNumber, 3);
    EXPECT_EQ(target.owner, 4);
    EXPECT_EQ(target.program, &(*data.GetProgramBank())[3]);
    const std::size_t sent = device->Received().size();
    EXPECT_GT(sent, before);
    app->TransmitWindowProgram(library, 3);
    EXPECT_EQ(device->Received().size(), sent) << "the same program is not sent twice";
    library->SetDocumentList(nullptr);
}

TEST_F(AppCommandsTest, PreferencesHandTheKnobModeToTheKnobs)
{
    HfcSetKnobMode(2);
    platform::testing::QueueDialogScript([](HWND dialog) {
        SendDlgItemMessageA(dialog, CPreferencesDialog::kIdKnobMode, CB_SETCURSEL, 1, 0);
        SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(CModalDialog::kIdOk, BN_CLICKED), 0);
    });
    EXPECT_EQ(Command(kCommandPreferences), 0);
    EXPECT_EQ(HfcGetKnobMode(), 1);
    EXPECT_EQ(app->Settings().knobMode, 1);
}

TEST_F(AppCommandsTest, ToolWindowCommandsOpenEachWindowOnce)
{
    EXPECT_EQ(Command(kCommandStatusLog), 0);
    EXPECT_EQ(Command(kCommandMidiMonitor), 0);
    EXPECT_EQ(Command(kCommandVersion), 0);
    EXPECT_EQ(Command(kCommandStatusLog), 0);
    EXPECT_EQ(Log(), (std::vector<std::string>{"Log:made", "MIDI Monitor:made", "Version:made"}));
}

}  // namespace
}  // namespace app_test
