// The library window: its layers and caption, the modified mark, closing
// with the save question and the edit windows it opened, the start-up
// receive and the whole-device commands.
#include "app/DialogRefCount.h"
#include "app/LastTransmittedProgram.h"
#include "app/WindowEvents.h"
#include "editor/PageSelectLayer.h"
#include "framework/ui/HfcMouse.h"
#include "library_window_fixture.h"
#include "support/RectCompare.h"

#include <platform/testing.h>

#include <string>

namespace library_test {
namespace {

using editor_test::CRecordingWindow;
using platform::testing::QueueFileDialogSteps;
using platform::testing::QueueMessageBoxAnswers;
using platform::testing::TakeShownMessageBoxes;

constexpr int kIdOk = 1;
constexpr int kIdCancel = 2;
constexpr int kIdYes = 6;
constexpr int kIdNo = 7;

RECT RectOf(const CHfcWindowLayer& layer)
{
    return layer.GetRect();
}

bool IsAttached(CHfcWindow& window, CHfcWindowLayer* layer)
{
    const auto& layers = window.GetLayers();
    return layer != nullptr && std::find(layers.begin(), layers.end(), layer) != layers.end();
}

TEST_F(LibraryWindowTest, NewWindowHasTheStripOverTheProgramPage)
{
    const int firstNumber = shell->windowManager.TakeWindowNumber() + 1;
    CLibraryWindow& window = NewWindow();

    EXPECT_EQ(window.GetWindowNumber(), firstNumber);
    EXPECT_EQ(window.GetKind(), CBaseWindow::kLibraryWindow);
    RECT client{};
    ASSERT_TRUE(window.GetClientRect(client));
    EXPECT_EQ(client.right, 982);
    EXPECT_EQ(client.bottom, 667);
    EXPECT_EQ(window.GetWindowTitle(), "Untitled - Program");
    ASSERT_NE(window.GetLibraryData()->GetProgramBank(), nullptr);
    ASSERT_NE(window.GetLibraryData()->GetGlobal(), nullptr);
    EXPECT_FALSE(window.IsModified());

    ASSERT_NE(window.GetPageStrip(), nullptr);
    EXPECT_EQ(RectOf(*window.GetPageStrip()), (RECT{0, 0, 982, 37}));
    EXPECT_EQ(RectOf(*window.GetProgramListLayer()), (RECT{0, 37, 982, 667}));
    EXPECT_EQ(RectOf(*window.GetGlobalEditLayer()), (RECT{0, 37, 982, 667}));
    EXPECT_EQ(RectOf(*window.GetGlobalPageLayer()), (RECT{28, 170, 578, 660}));
    // The CC map begins at its list, below the settings page's heading for it.
    EXPECT_EQ(RectOf(*window.GetCcMapPageLayer()), (RECT{530, 182, 970, 640}));
    EXPECT_TRUE(IsAttached(window, window.GetPageStrip()));
    EXPECT_TRUE(IsAttached(window, window.GetProgramListLayer()));
    EXPECT_TRUE(window.GetProgramListLayer()->IsVisible());
    for (CBaseLayer* global : {window.GetGlobalEditLayer(), window.GetGlobalPageLayer(), window.GetCcMapPageLayer()})
        EXPECT_FALSE(IsAttached(window, global));
    // The pages bind to their own data.
    EXPECT_EQ(window.GetProgramListLayer()->GetBoundDataKind(), CBaseLayer::kProgramBankData);
    EXPECT_EQ(window.GetGlobalEditLayer()->GetGlobalData(), window.GetLibraryData()->GetGlobal());
    EXPECT_EQ(shell->menuKinds.back(), CEditorShell::kLibraryProgramMenu);
    EXPECT_EQ(services.windows, std::vector<CBaseWindow*>{&window});
}

TEST_F(LibraryWindowTest, CaptionFollowsTheDocumentTheMarkAndThePage)
{
    CLibraryWindow& window = NewWindow();
    window.SetModified(true);
    EXPECT_EQ(window.GetWindowTitle(), "Untitled * - Program");
    window.SetPage(CLibraryWindow::kGlobalPage, false);
    EXPECT_EQ(window.GetWindowTitle(), "Untitled * - Global");
    window.GetLibraryData()->SetPath("/some/folder/a very long library file name.vq700z_all");
    window.SetModified(false);
    EXPECT_EQ(window.GetWindowTitle(), "a very long library file name... - Global");
}

TEST_F(LibraryWindowTest, SetModifiedIsGatedByTheProgramStepBrackets)
{
    CLibraryWindow& window = NewWindow();
    window.SetModified(true);
    window.SetModified(true);
    EXPECT_TRUE(window.IsModified());
    window.SetModified(false);

    struct Case
    {
        LONG_PTR windowNumber;
        LONG_PTR p2;
        bool marks;
    };
    const Case cases[] = {
        {window.GetWindowNumber(), 0, false},      // before this library's switch
        {window.GetWindowNumber() + 1, 1, false},  // another library's bracket changes nothing
        {window.GetWindowNumber(), 1, true},       // after the switch
    };
    for (const Case& c : cases) {
        shell->windowManager.PostMessageToAll(kEventSwitchBracket, c.windowNumber, c.p2, 0, 0, nullptr);
        Pump();
        window.SetModified(true);
        EXPECT_EQ(window.IsModified(), c.marks) << c.windowNumber << " " << c.p2;
        window.SetModified(false);
    }

    // A step's own edits come between its brackets in the queue.
    const LONG_PTR number = window.GetWindowNumber();
    shell->windowManager.PostMessageToAll(kEventSwitchBracket, number, 0, 0, 0, nullptr);
    shell->windowManager.PostMessageToAll(kEventDataModified, 4, 0, number, 0, nullptr);
    shell->windowManager.PostMessageToAll(kEventSwitchBracket, number, 1, 3, 4, nullptr);
    Pump();
    EXPECT_FALSE(window.IsModified());

    // Event 14 from any layer marks it.
    shell->windowManager.PostMessageToAll(kEventDataModified, 3, 0, window.GetWindowNumber(), 0, nullptr);
    Pump();
    EXPECT_TRUE(window.IsModified());
    EXPECT_EQ(window.GetWindowTitle(), "Untitled * - Program");
}

TEST_F(LibraryWindowTest, ClosingAsksAndWalksYesNoCancelAndAFailedSave)
{
    struct Case
    {
        const char* name;
        int answer;
        bool titled;  // a path to save to, else Save As whose dialog is cancelled
        bool closes;
        bool saved;
    };
    const Case cases[] = {
        {"Cancel", kIdCancel, true, false, false},
        {"No", kIdNo, true, true, false},
        {"Yes", kIdYes, true, true, true},
        {"Yes untitled, Save As cancelled", kIdYes, false, false, false},
    };
    for (const Case& c : cases) {
        CLibraryWindow& window = NewWindow();
        const std::string path = folder.File("closing.vq700z_all");
        std::filesystem::remove(path);
        if (c.titled)
            window.GetLibraryData()->SetPath(path);
        window.SetModified(true);
        QueueMessageBoxAnswers({c.answer});
        if (!c.titled)
            QueueFileDialogSteps({platform::testing::CancelFileDialog()});
        EXPECT_EQ(window.CanClose(), c.closes) << c.name;
        const auto boxes = TakeShownMessageBoxes();
        ASSERT_EQ(boxes.size(), 1u) << c.name;
        EXPECT_EQ(boxes[0].caption, "Confirm");
        EXPECT_NE(boxes[0].text.find(std::string("\"") + (c.titled ? "closing.vq700z_all" : "Untitled") + "\""),
                  std::string::npos)
            << boxes[0].text;
        EXPECT_EQ(std::filesystem::exists(path), c.saved) << c.name;
        EXPECT_EQ(window.IsModified(), !c.saved) << c.name;
        EXPECT_EQ(window.IsContentReady(), !c.closes) << c.name;
    }

    // An unmodified window closes without a question.
    CLibraryWindow& clean = NewWindow();
    EXPECT_TRUE(clean.CanClose());
    EXPECT_TRUE(TakeShownMessageBoxes().empty());
}

TEST_F(LibraryWindowTest, ClosingIsRefusedWhileALayerHoldsTheMouse)
{
    CLibraryWindow& window = NewWindow();
    window.SetModified(true);
    CHfcMouse::GetInstance()->SetCapture(static_cast<CHfcMouseListener*>(window.GetPageStrip()->GetControls()[1]),
                                         &window);
    EXPECT_TRUE(window.IsLayerCapturing());
    EXPECT_FALSE(window.CanClose());
    EXPECT_TRUE(TakeShownMessageBoxes().empty()) << "no question while the mouse is held";
    CHfcMouse::GetInstance()->ReleaseCapture();
    QueueMessageBoxAnswers({kIdNo});
    EXPECT_TRUE(window.CanClose());
}

TEST_F(LibraryWindowTest, ClosingClosesTheEditWindowsAndARefusalKeepsTheLibraryOpen)
{
    CLibraryWindow& window = NewWindow();
    auto first = std::make_unique<CRecordingWindow>("edit 3");
    auto second = std::make_unique<CRecordingWindow>("edit 7");
    for (CRecordingWindow* edit : {first.get(), second.get()}) {
        edit->SetOwnerWindow(&window);
        ASSERT_TRUE(Open(*edit, 10, 10, 200, 100));
    }
    window.SetProgramEditWindow(3, first.get());
    window.SetProgramEditWindow(7, second.get());
    editor_test::Log().clear();

    // The second edit window refuses: the library stays, and with it every
    // window that still shows its data.
    second->canClose = false;
    EXPECT_FALSE(window.CanClose());
    EXPECT_EQ(window.GetProgramEditWindow(3), nullptr);
    EXPECT_EQ(window.GetProgramEditWindow(7), second.get());
    EXPECT_TRUE(window.IsContentReady());
    EXPECT_EQ(editor_test::Log(), (std::vector<std::string>{"edit 3:CloseDependentWindows", "edit 3:CanClose",
                                                            "edit 7:CloseDependentWindows", "edit 7:CanClose"}));

    // A window that still refuses is taken down with the library's layers.
    window.Destroy();
    Pump();
    EXPECT_EQ(second->GetHandle(), nullptr);
}

TEST_F(LibraryWindowTest, AnEditWindowThatClosesIsForgotten)
{
    CLibraryWindow& window = NewWindow();
    CRecordingWindow edit("edit");
    window.SetProgramEditWindow(5, &edit);
    window.SetProgramEditWindow(6, &edit);
    window.ForgetDependentWindow(&edit);
    EXPECT_EQ(window.GetProgramEditWindow(5), nullptr);
    EXPECT_EQ(window.GetProgramEditWindow(6), nullptr);
    window.SetProgramEditWindow(200, &edit);
    EXPECT_EQ(window.GetProgramEditWindow(200), nullptr);
}

// A part window tells the library window, its owner, that it closes; the
// program edit window that opened it must hear of it too.
TEST_F(LibraryWindowTest, APartWindowThatClosesIsForgottenByItsProgramEditWindow)
{
    struct EditWindow : editor_test::CRecordingWindow
    {
        using CRecordingWindow::CRecordingWindow;
        void ForgetDependentWindow(CBaseWindow* window) override { forgotten.push_back(window); }
        std::vector<CBaseWindow*> forgotten;
    };
    CLibraryWindow& window = NewWindow();
    EditWindow edit("edit");
    editor_test::CRecordingWindow part("part");
    window.SetProgramEditWindow(4, &edit);
    window.ForgetDependentWindow(&part);
    EXPECT_EQ(edit.forgotten, std::vector<CBaseWindow*>{&part});
    EXPECT_EQ(window.GetProgramEditWindow(4), &edit);
    window.SetProgramEditWindow(4, nullptr);
}

TEST_F(LibraryWindowTest, ClosingOneLibraryKeepsAnotherLibrarysDeviceProgram)
{
    CLibraryWindow& first = NewWindow();
    CLibraryWindow& second = NewWindow();
    CProgram& record = (*second.GetLibraryData()->GetProgramBank())[4];
    StoreLastTransmittedProgram(&record, second.GetWindowNumber(), 4);
    first.Destroy();
    Pump();
    EXPECT_TRUE(IsLastTransmittedProgram(second.GetWindowNumber(), 4));
    second.Destroy();
    Pump();
    EXPECT_FALSE(IsLastTransmittedProgram(second.GetWindowNumber(), 4));
    EXPECT_TRUE(services.windows.empty());
}

TEST_F(LibraryWindowTest, TheTickReachesTheLayersOnlyWhileShownAndReady)
{
    CLibraryWindow& window = NewWindow();
    // The strip and the program page paint under the drawing semaphore on
    // every tick they get.
    shell->semaphoreOrder.clear();
    shell->Tick();
    EXPECT_EQ(shell->semaphoreOrder, (std::vector<std::string>{"Semaphore", "Semaphore"}));
    window.Hide();
    shell->Tick();
    EXPECT_EQ(shell->semaphoreOrder.size(), 2u) << "hidden";
    window.Show();
    ASSERT_TRUE(window.CanClose());
    shell->Tick();
    EXPECT_EQ(shell->semaphoreOrder.size(), 2u) << "closing";
    // The timer work gave its semaphore back.
    EXPECT_EQ(services.timerSemaphore.WaitWithTimeout(0), 0);
    services.timerSemaphore.Release();
}

TEST_F(LibraryWindowTest, StartUpReceiveNamesThisWindowAndMarksNothing)
{
    CLibraryWindow& window = NewWindow();
    int ended = 0;
    // Without the device's ports nothing is received, and the shell still hears the end.
    window.PostReceiveOnStartup([&] { ++ended; });
    EXPECT_EQ(ended, 0) << "posted, not run at once";
    Pump();
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(TakePosts(18).empty());

    shell->Connect();
    DeviceSimulator::ProgramImage image = shell->device->Program(2);
    std::copy_n("DEVICE 2", 8, image.begin());
    shell->device->SetProgram(2, image);
    CRecordingWindow other("other");
    ASSERT_TRUE(Open(other, 50, 50, 200, 100));
    window.PostReceiveOnStartup([&] { ++ended; });
    Pump();
    EXPECT_EQ(ended, 2);
    EXPECT_EQ(ProgramName(*window.GetLibraryData(), 2), "DEVICE 2");
    const auto replaced = TakePosts(18);
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].p1, window.GetWindowNumber()) << "not the active window's";
    EXPECT_FALSE(window.IsModified());
    other.Destroy();
}

TEST_F(LibraryWindowTest, ReceiveAllAsksAndOnSuccessMarksAndNamesThisLibrary)
{
    CLibraryWindow& window = NewWindow();
    // Cancel: nothing is asked of the device.
    QueueMessageBoxAnswers({kIdCancel});
    window.OnReceiveAllData();
    auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Receive All Data");
    EXPECT_EQ(boxes[0].text, "Are you sure to receive all data?");

    // No device: the failure is reported and the window stays unmarked.
    QueueMessageBoxAnswers({kIdOk, kIdOk});
    window.ReceiveAll();
    EXPECT_FALSE(window.IsModified());
    EXPECT_TRUE(TakePosts(18).empty());
    TakeShownMessageBoxes();

    // Issued from an edit window of this library, the broadcast names the
    // active window's document: the library.
    shell->Connect();
    CRecordingWindow edit("edit");
    edit.SetOwnerWindow(&window);
    edit.SetDocumentId(window.GetWindowNumber());
    ASSERT_TRUE(Open(edit, 30, 30, 200, 100));
    QueueMessageBoxAnswers({kIdOk, kIdOk});
    edit.OnReceiveAllData();
    EXPECT_TRUE(window.IsModified());
    const auto replaced = TakePosts(18);
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].p1, window.GetWindowNumber());
    EXPECT_EQ(replaced[0].p2, -1);
    edit.Destroy();
}

// The other windows hear of the received data under the number of the
// window that was active when the command was given.
TEST_F(LibraryWindowTest, ReceiveAllNamesTheWindowActiveWhenItStarted)
{
    CLibraryWindow& window = NewWindow();
    CLibraryWindow& other = NewWindow();
    shell->Connect();
    ASSERT_TRUE(other.Activate());
    Pump();
    QueueMessageBoxAnswers({kIdOk, kIdOk});
    window.ReceiveAll();
    const auto replaced = TakePosts(18);
    ASSERT_EQ(replaced.size(), 1u);
    EXPECT_EQ(replaced[0].p1, other.GetWindowNumber());
    EXPECT_TRUE(window.IsModified());
    EXPECT_FALSE(other.IsModified());
}

// A receive that ends early has still changed the programs before it: the
// library's windows hear of it and the menu command marks the library, the
// start-up receive does not; the log says how many programs came.
TEST_F(LibraryWindowTest, AReceiveThatFailsPartWayShowsAndMarksWhatArrived)
{
    struct Case
    {
        const char* name;
        void (*run)(CLibraryWindow& window);
        bool marks;
    };
    const Case cases[] = {
        {"Receive All Data", [](CLibraryWindow& window) { window.ReceiveAll(); }, true},
        {"start-up receive",
         [](CLibraryWindow& window) {
             window.PostReceiveOnStartup([] {});
             Pump();
         },
         false},
    };
    shell->Connect();
    shell->midiManager->SetReplyTimeout(300);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CLibraryWindow& window = NewWindow();
        shell->device->SetFault(DeviceSimulator::Fault::None);
        shell->host.log.clear();
        shell->host.onProgress = [this](std::int32_t position) {
            if (position == 28)
                shell->device->SetFault(DeviceSimulator::Fault::Silent);
        };
        DeviceSimulator::ProgramImage image = shell->device->Program(27);
        std::copy_n("DEVICE27", 8, image.begin());
        shell->device->SetProgram(27, image);
        QueueMessageBoxAnswers({kIdOk, kIdOk});
        c.run(window);
        TakeShownMessageBoxes();

        EXPECT_EQ(ProgramName(*window.GetLibraryData(), 27), "DEVICE27");
        EXPECT_EQ(window.IsModified(), c.marks);
        const auto replaced = TakePosts(18);
        ASSERT_EQ(replaced.size(), 1u) << "the list and the edit windows refresh";
        EXPECT_EQ(replaced[0].p1, window.GetWindowNumber());
        ASSERT_FALSE(shell->host.log.empty());
        EXPECT_EQ(shell->host.log.back(), "Receive All Data : Programs received : 28");
    }
    shell->host.onProgress = nullptr;

    // A device that answers nothing changes nothing, and nothing is told.
    CLibraryWindow& untouched = NewWindow();
    shell->device->SetFault(DeviceSimulator::Fault::Silent);
    QueueMessageBoxAnswers({kIdOk, kIdOk});
    untouched.ReceiveAll();
    TakeShownMessageBoxes();
    EXPECT_FALSE(untouched.IsModified());
    EXPECT_TRUE(TakePosts(18).empty());
}

TEST_F(LibraryWindowTest, WriteAllAsksFirstAndChangesNothing)
{
    CLibraryWindow& window = NewWindow();
    shell->Connect();
    QueueMessageBoxAnswers({kIdCancel});
    window.OnWriteAllData();
    auto boxes = TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].caption, "Write All Data");
    EXPECT_EQ(boxes[0].text, "Are you sure to write all data to the VQ-700Z?");
    EXPECT_TRUE(shell->device->Received().empty());
    QueueMessageBoxAnswers({kIdOk, kIdOk});
    window.WriteAll();
    EXPECT_GT(shell->device->Received().size(), 200u) << "the global data and every program";
    EXPECT_FALSE(window.IsModified());
}

TEST_F(LibraryWindowTest, GlobalPageChangeRebuildsOnlyThisWindowsSubPages)
{
    CLibraryWindow& window = NewWindow();
    window.SetPage(CLibraryWindow::kGlobalPage, false);
    CBaseLayer* before = window.GetGlobalPageLayer();
    shell->windowManager.PostMessageToAll(kEventGlobalPageChanged, window.GetWindowNumber() + 1, 1, 0, 0, nullptr);
    Pump();
    EXPECT_EQ(window.GetGlobalPageLayer(), before);

    RaiseDialogRefCount();
    shell->windowManager.PostMessageToAll(kEventGlobalPageChanged, window.GetWindowNumber(), 1, 0, 0, nullptr);
    Pump();
    EXPECT_EQ(window.GetGlobalPageLayer(), before) << "nothing while a dialog is open";
    LowerDialogRefCount();

    shell->windowManager.PostMessageToAll(kEventGlobalPageChanged, window.GetWindowNumber(), 1, 0, 0, nullptr);
    Pump();
    EXPECT_NE(window.GetGlobalPageLayer(), before);
    EXPECT_TRUE(IsAttached(window, window.GetGlobalPageLayer()));
    EXPECT_TRUE(IsAttached(window, window.GetCcMapPageLayer()));
    EXPECT_TRUE(window.GetGlobalPageLayer()->IsVisible());
}

}  // namespace
}  // namespace library_test
