// The editor's base window: its command operations reach the main layer,
// the owner or nothing; it keeps itself inside the frame; it is made,
// activated, ticked and taken apart in its order.
#include "editor_base_fixture.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"

#include <gmock/gmock.h>

#include <platform/display.h>
#include <platform/mdi.h>

#include <functional>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

struct Forwarding
{
    const char* operation;
    std::function<void(CBaseWindow&)> call;
    const char* reaches;  // what the layer or the owner records; null: nothing
};

const std::vector<Forwarding>& ForwardingTable()
{
    static const std::vector<Forwarding> table = {
        {"SetModified", [](CBaseWindow& w) { w.SetModified(true); }, "library:SetModified 1"},
        {"IsModified", [](CBaseWindow& w) { w.IsModified(); }, "library:IsModified"},
        {"OnFileSave", [](CBaseWindow& w) { w.OnFileSave(); }, "library:OnFileSave"},
        {"OnFileSaveAs", [](CBaseWindow& w) { w.OnFileSaveAs(); }, "library:OnFileSaveAs"},
        {"OnSaveReport", [](CBaseWindow& w) { w.OnSaveReport(); }, "edit main:OnSaveReport"},
        {"OnEditCut", [](CBaseWindow& w) { w.OnEditCut(); }, nullptr},
        {"OnEditCopy", [](CBaseWindow& w) { w.OnEditCopy(); }, nullptr},
        {"OnEditPaste", [](CBaseWindow& w) { w.OnEditPaste(); }, nullptr},
        {"OnEditInitialize", [](CBaseWindow& w) { w.OnEditInitialize(); }, nullptr},
        {"OnReceiveCurrent", [](CBaseWindow& w) { w.OnReceiveCurrent(); }, "edit main:ReceiveFromCurrent"},
        {"OnTransmitCurrent", [](CBaseWindow& w) { w.OnTransmitCurrent(); }, "edit main:TransmitToCurrent"},
        {"OnReceiveAll", [](CBaseWindow& w) { w.OnReceiveAll(); }, "edit main:OnReceiveAll"},
        {"OnTransmitAll", [](CBaseWindow& w) { w.OnTransmitAll(); }, "edit main:OnTransmitAll"},
        {"OnReceiveProgram", [](CBaseWindow& w) { w.OnReceiveProgram(); }, "edit main:OnReceiveProgram"},
        {"OnTransmitProgram", [](CBaseWindow& w) { w.OnTransmitProgram(); }, "edit main:OnTransmitProgram"},
        {"OnReceiveFromCurrent", [](CBaseWindow& w) { w.OnReceiveFromCurrent(); }, "edit main:ReceiveFromCurrent"},
        {"OnTransmitToCurrent", [](CBaseWindow& w) { w.OnTransmitToCurrent(); }, "edit main:TransmitToCurrent"},
        {"OnRevertToSaved", [](CBaseWindow& w) { w.OnRevertToSaved(); }, nullptr},
        {"OnReceiveAllData", [](CBaseWindow& w) { w.OnReceiveAllData(); }, "library:OnReceiveAllData"},
        {"OnWriteAllData", [](CBaseWindow& w) { w.OnWriteAllData(); }, "library:OnWriteAllData"},
        {"ForgetDependentWindow", [](CBaseWindow& w) { w.ForgetDependentWindow(&w); }, nullptr},
        {"NotifyProgramChanged", [](CBaseWindow& w) { w.NotifyProgramChanged(1, 2, 3); },
         "edit main:NotifyProgramChanged 1 2 3"},
        {"UpdateTitle", [](CBaseWindow& w) { w.UpdateTitle(); }, nullptr},
    };
    return table;
}

TEST_F(EditorBaseTest, CommandOperationsReachTheMainLayerTheOwnerOrNothing)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 3);
    edit->BindMainLayer();
    for (const Forwarding& row : ForwardingTable()) {
        Log().clear();
        row.call(*edit);
        std::vector<std::string> reached;
        for (const std::string& line : Log())
            if (line.rfind("edit:", 0) != 0)
                reached.push_back(line);
        if (row.reaches != nullptr)
            EXPECT_THAT(reached, ElementsAre(row.reaches)) << row.operation;
        else
            EXPECT_THAT(reached, IsEmpty()) << row.operation;
    }
    EXPECT_TRUE(edit->IsModified()) << "the owner's answer";
    EXPECT_EQ(edit->GetDataKind(), 2);
    EXPECT_EQ(libraryWindow->GetDataKind(), 0);
    EXPECT_EQ(edit->CBaseWindow::GetClassNumber(), -1);

    // Without a main layer and without an owner every one of them does nothing.
    CRecordingWindow bare("bare");
    for (const Forwarding& row : ForwardingTable()) {
        Log().clear();
        row.call(bare);
        for (const std::string& line : Log())
            EXPECT_EQ(line.rfind("bare:", 0), 0u) << row.operation << " reached " << line;
    }
    EXPECT_FALSE(bare.CBaseWindow::IsModified());
    EXPECT_FALSE(bare.IsLayerCapturing());
}

TEST_F(EditorBaseTest, BroadcastsOfTheWindowGoToEveryListenerWithTheWindowAsSender)
{
    struct Listener : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4,
                                    CWindowManagerListener* sender) override
        {
            received.push_back({event, p1, p2, p3, p4, reinterpret_cast<LONG_PTR>(sender)});
        }
        std::vector<std::vector<LONG_PTR>> received;
    } listener;
    ASSERT_TRUE(shell->windowManager.AddListener(&listener));
    CRecordingWindow window("window");
    window.SendMessageToAllChildWindow(12, 1, 2);
    window.SendMessageToAllBankWindow(26, 3, 4);
    Pump();
    const auto sender = reinterpret_cast<LONG_PTR>(static_cast<CWindowManagerListener*>(&window));
    EXPECT_THAT(listener.received, ElementsAre(std::vector<LONG_PTR>{12, 1, 2, 0, 0, sender},
                                               std::vector<LONG_PTR>{26, 3, 4, 0, 0, sender}));
    shell->windowManager.RemoveListener(&listener);
}

TEST_F(EditorBaseTest, CloseWindowClosesTheDependentsFirstThenItselfUnlessCanCloseRefuses)
{
    CRecordingWindow window("window");
    ASSERT_TRUE(Open(window, 10, 10, 200, 100));
    window.canClose = false;
    Log().clear();
    window.OnCloseWindow();
    Pump();
    EXPECT_THAT(Log(), ElementsAre("window:CloseDependentWindows", "window:CanClose"));
    EXPECT_NE(window.GetHandle(), nullptr) << "refused";
    window.canClose = true;
    window.SetTimerEnabled(true);
    EXPECT_TRUE(window.CloseWindow(false));
    Pump();
    EXPECT_FALSE(window.IsTimerEnabled()) << "closing stops the ticks";
    EXPECT_EQ(window.GetHandle(), nullptr);
}

TEST_F(EditorBaseTest, AMoveInTheNormalStateIsKeptInTheFramesClientCoordinates)
{
    CRecordingWindow window("window");
    ASSERT_TRUE(Open(window, 10, 10, 200, 100));
    ASSERT_TRUE(MoveWindow(window.GetHandle(), 40, 50, 260, 160, TRUE));
    Pump();
    EXPECT_EQ(window.GetRestoredPosition().x, 40);
    EXPECT_EQ(window.GetRestoredPosition().y, 50);
    ShowWindow(window.GetHandle(), SW_MAXIMIZE);
    Pump();
    ASSERT_TRUE(MoveWindow(window.GetHandle(), 70, 80, 260, 160, TRUE));
    Pump();
    EXPECT_EQ(window.GetRestoredPosition().x, 40) << "not while maximised";
    window.Destroy();
    Pump();
}

struct Placement
{
    int x, y, width, height;
    int expectedX, expectedY;
};

TEST_F(EditorBaseTest, AWindowIsKeptInsideTheFrameEightPixelsFromTheFarEdgeAndNeverBeforeTheNearOne)
{
    RECT client{};
    ASSERT_TRUE(frame.GetClientRect(client));
    ASSERT_EQ(client.right, 1000);
    ASSERT_EQ(client.bottom, 700);
    const Placement cases[] = {
        {900, 10, 300, 100, 692, 10},                                // 1000 - 300 - 8
        {-20, 10, 300, 100, 0, 10},   {700, 10, 300, 100, 700, 10},  // exactly fits
        {10, 650, 200, 100, 10, 592},                                // 700 - 100 - 8
        {10, -5, 200, 100, 10, 0},    {10, 10, 1200, 100, 0, 10},    // wider than the client: the near edge wins
    };
    for (const Placement& c : cases) {
        CRecordingWindow window("placed");
        ASSERT_TRUE(Open(window, c.x, c.y, c.width, c.height));
        RECT outer{};
        ASSERT_TRUE(window.GetWindowRect(outer));
        POINT corner{outer.left, outer.top};
        ScreenToClient(frame.GetMdiClient(), &corner);
        EXPECT_EQ(corner.x, c.expectedX) << "x " << c.x << " width " << c.width;
        EXPECT_EQ(corner.y, c.expectedY) << "y " << c.y << " height " << c.height;
        window.Destroy();
        Pump();
    }
}

TEST_F(EditorBaseTest, CreateAppliesShowValuesThenJoinsItsParentAndTheTimer)
{
    SetUpLibrary();
    shell->settings.showValueLayer = true;
    CRecordingWindow parent("parent");
    ASSERT_TRUE(Open(parent, 0, 0, 200, 100));
    CRecordingWindow window("child");
    window.SetParentWindow(&parent);
    window.buildLayers = true;
    Log().clear();
    ASSERT_TRUE(Open(window, 30, 30, 300, 200));
    EXPECT_EQ(window.GetClassNumber(), -1);
    const std::vector<std::string> shows(Log().begin(), Log().begin() + 2);
    EXPECT_THAT(shows, ElementsAre("child values 0:Show, attached to parent: no",
                                   "child values 1:Show, attached to parent: no"))
        << "Show Values is applied before the window joins its parent";
    EXPECT_THAT(parent.GetDependentWindows(), ElementsAre(&window));
    EXPECT_TRUE(window.GetValueDisplayLayer(0)->IsVisible());
    EXPECT_STREQ(window.GetWindowClassName(), "Q3917MDIChildWindow");

    // The timer reaches the window once its layers are built and it is shown.
    window.SetTimerEnabled(true);
    Log().clear();
    shell->Tick();
    EXPECT_THAT(Log(), ElementsAre("child main:OnTimerTick, message remaining 0"));

    shell->settings.showValueLayer = false;
    Log().clear();
    window.ApplyShowValues();
    EXPECT_THAT(Log(), ElementsAre("child values 0:Hide", "child values 1:Hide"));
    window.ApplyShowValues();
    EXPECT_EQ(Log().size(), 2u) << "a display already as the preference says is left alone";

    window.Destroy();
    Pump();
    EXPECT_THAT(parent.GetDependentWindows(), IsEmpty());
}

TEST_F(EditorBaseTest, TicksReachTheLayersOnlyWhileTimerEnabledAndShownTheFadeFirst)
{
    CRecordingWindow window("window");
    window.buildLayers = true;
    window.messageSetup.durationMs = 600;
    ASSERT_TRUE(Open(window, 0, 0, 300, 200));
    CMessageWindowLayer* message = window.GetMessageLayer();
    ASSERT_NE(message, nullptr);
    message->Wake();
    Pump();
    message->ClearWoken();
    ASSERT_EQ(message->GetRemainingMs(), 600);

    struct Case
    {
        bool enabled, shown;
        bool ticks;
    };
    for (const Case c : {Case{false, true, false}, Case{true, false, false}, Case{true, true, true}}) {
        window.SetTimerEnabled(c.enabled);
        if (c.shown)
            window.Show();
        else
            window.Hide();
        Pump();
        Log().clear();
        const int before = message->GetRemainingMs();
        shell->Tick();
        if (c.ticks) {
            EXPECT_THAT(Log(), ElementsAre("window main:OnTimerTick, message remaining " + std::to_string(before - 60)))
                << "the message line fades before the main layer ticks";
        } else {
            EXPECT_THAT(Log(), IsEmpty()) << "enabled " << c.enabled << " shown " << c.shown;
            EXPECT_EQ(message->GetRemainingMs(), before);
        }
    }
    EXPECT_TRUE(window.IsShown());
    window.Destroy();
    Pump();
    Log().clear();
    shell->Tick();
    EXPECT_THAT(Log(), IsEmpty()) << "a destroyed window left the timer";
}

TEST_F(EditorBaseTest, WithTheTipsPreferenceOffThereIsNoMessageLineAndTheTickSkipsIt)
{
    shell->settings.showTipsLayer = false;
    CRecordingWindow window("window");
    window.buildLayers = true;
    ASSERT_TRUE(Open(window, 0, 0, 300, 200));
    EXPECT_EQ(window.GetMessageLayer(), nullptr);
    window.SetTimerEnabled(true);
    Log().clear();
    shell->Tick();
    EXPECT_THAT(Log(), ElementsAre("window main:OnTimerTick"));
    window.Destroy();
    Pump();
}

TEST_F(EditorBaseTest, DestroyLayersClosesTheValueDisplaysTheMessageLineAndTheMainLayerThenLeavesTheParent)
{
    CRecordingWindow parent("parent");
    CRecordingWindow window("window");
    window.SetParentWindow(&parent);
    window.buildLayers = true;
    ASSERT_TRUE(Open(window, 0, 0, 300, 200));
    ASSERT_THAT(shell->children, ::testing::Contains(&window));
    ASSERT_EQ(window.GetLayers().size(), 5u) << "the root, the main layer, two value displays, the message line";
    Log().clear();
    window.Destroy();
    Pump();
    std::vector<std::string> closes;
    for (const std::string& line : Log())
        if (line.find(":Close") != std::string::npos)
            closes.push_back(line);
    EXPECT_THAT(closes, ElementsAre("window values 0:Close", "window values 1:Close",
                                    "window main:Close, message line gone: yes, still a dependent: yes"));
    EXPECT_EQ(window.GetMainLayer(), nullptr);
    EXPECT_EQ(window.GetValueDisplayLayer(0), nullptr);
    EXPECT_EQ(window.GetMessageLayer(), nullptr);
    EXPECT_TRUE(window.GetLayers().empty());
    EXPECT_FALSE(window.IsShown());
    EXPECT_THAT(parent.GetDependentWindows(), IsEmpty());
    EXPECT_THAT(shell->children, ::testing::Not(::testing::Contains(&window)));
}

TEST_F(EditorBaseTest, ActivationGivesTheKeysToTheMainLayerAndSetsShowValuesAndTheMenuOfTheKind)
{
    struct Case
    {
        int kind, page;
        std::vector<int> menu;
    };
    const Case cases[] = {
        {CBaseWindow::kLibraryWindow, 0, {1}},      {CBaseWindow::kLibraryWindow, 1, {12}},
        {CBaseWindow::kLibraryWindow, 2, {}},       {CBaseWindow::kMidiMonitorWindow, -1, {13}},
        {CBaseWindow::kStatusLogWindow, -1, {13}},  {CBaseWindow::kVersionWindow, -1, {13}},
        {CBaseWindow::kProgramEditWindow, -1, {2}}, {CBaseWindow::kMasterEffectWindow, -1, {2}},
    };
    shell->settings.showValueLayer = true;
    for (const Case& c : cases) {
        CRecordingWindow window("window");
        window.SetKind(c.kind);
        window.SetLibraryPage(c.page);
        CRecordingLayer* layer = window.BindMainLayer();
        shell->menuKinds.clear();
        shell->showValuesChecks.clear();
        Log().clear();
        window.OnActivate();
        EXPECT_EQ(shell->menuKinds, c.menu) << "kind " << c.kind << " page " << c.page;
        EXPECT_THAT(shell->showValuesChecks, ElementsAre(true));
        EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), static_cast<CHfcKeyListener*>(layer));
        EXPECT_THAT(Log(), ElementsAre("window:GetClassNumber"));
    }
}

TEST_F(EditorBaseTest, ActivationSendsTheShownProgramOnceStoringItFirstAndSilentlyWhenItFails)
{
    SetUpLibrary();
    auto first = MakeEditWindow("first", 3);
    auto second = MakeEditWindow("second", 3);
    auto other = MakeEditWindow("other", 4);
    for (auto* window : {first.get(), second.get(), other.get()})
        window->BindMainLayer();
    (*bank)[3].GetRegion().image[20] = 33;

    // Not connected: the program is remembered, and nobody hears of the failure.
    first->OnActivate();
    EXPECT_EQ(shell->host.target.program, &(*bank)[3]);
    EXPECT_EQ(shell->host.target.programNumber, 3);
    EXPECT_EQ(shell->host.target.owner, 5);
    EXPECT_THAT(shell->host.boxes, IsEmpty());

    shell->Connect();
    shell->host.target = {};
    auto currentDumps = [&] {
        int dumps = 0;
        for (const auto& message : shell->device->Received())
            dumps += message.size() > 7 && message[6] == 0x40;
        return dumps;
    };
    first->OnActivate();
    EXPECT_EQ(currentDumps(), 1);
    EXPECT_EQ(shell->device->CurrentProgram()[20], 33);
    second->OnActivate();
    first->OnActivate();
    EXPECT_EQ(currentDumps(), 1) << "the same program of the same library is sent once";
    other->OnActivate();
    EXPECT_EQ(currentDumps(), 2);
    EXPECT_EQ(shell->host.target.program, &(*bank)[4]);

    // A window without a program sends nothing.
    CRecordingWindow tool("tool");
    tool.SetKind(CBaseWindow::kStatusLogWindow);
    tool.OnActivate();
    EXPECT_EQ(currentDumps(), 2);
}

TEST_F(EditorBaseTest, DeactivationDropsKeysAndCaptureAndTellsTheMainLayer)
{
    CRecordingWindow window("window");
    CRecordingLayer* layer = window.BindMainLayer();
    window.OnActivate();
    CHfcMouse::GetInstance()->SetCapture(layer, nullptr);
    Log().clear();
    window.OnDeactivate();
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_THAT(Log(), ElementsAre("window main:OnWindowDeactivate"));
}

}  // namespace
}  // namespace editor_test
