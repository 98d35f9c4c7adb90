// The master effect window: its size, kind and title, what closes it and
// what it hears, and its teardown from inside a tick.
#include "part_edit_fixture.h"

#include "app/WindowEvents.h"
#include "editor/MasterFxEditLayer.h"
#include "editor/MasterFxEditWindow.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"

#include <platform/testing.h>

namespace editor_test {
namespace {

class MasterFxWindowTest : public PartEditTest
{};

TEST_F(MasterFxWindowTest, OpensAtItsSizeAndKindTitledAfterTheProgramWithoutAValueDisplay)
{
    SetProgramRecordName((*bank)[kProgram], "Voxel");
    auto* window = OpenWindow<CMasterFxEditWindow>();
    RECT client{};
    ASSERT_TRUE(window->GetClientRect(client));
    EXPECT_EQ(client.right - client.left, 630);
    EXPECT_EQ(client.bottom - client.top, 518);
    EXPECT_EQ(window->GetKind(), 11);
    EXPECT_EQ(window->GetDataKind(), 2);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Voxel] Master FX");
    EXPECT_EQ(window->GetValueDisplayLayer(0), nullptr);
    EXPECT_EQ(window->GetValueDisplayLayer(1), nullptr);
    ASSERT_NE(window->GetMainLayer(), nullptr);
    EXPECT_EQ(window->GetMainLayer()->GetProgramRecord(), &(*bank)[kProgram]);
    EXPECT_TRUE(window->IsTimerEnabled());
}

TEST_F(MasterFxWindowTest, TheTitleFollowsEvent7ForItsProgramOnlyAndEvent19MovesItToTheNewProgram)
{
    auto* window = OpenWindow<CMasterFxEditWindow>();
    SetProgramRecordName((*bank)[kProgram], "Renamed");
    SetProgramRecordName((*bank)[7], "Other");
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, 7, -1, 5, 0, nullptr);
    Pump();
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:INITPROG] Master FX");
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram, -1, 6, 0, nullptr);
    Pump();
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:INITPROG] Master FX") << "another document";
    shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram, -1, 5, 0, nullptr);
    Pump();
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Renamed] Master FX");

    shell->windowManager.PostMessageToAll(kEventProgramSwitch, 6, 1, kProgram, 7, nullptr);
    Pump();
    EXPECT_EQ(window->GetProgramIndex(), kProgram) << "another document's switch";
    shell->windowManager.PostMessageToAll(kEventProgramSwitch, 5, 1, kProgram, 7, nullptr);
    Pump();
    EXPECT_EQ(window->GetProgramIndex(), 7);
    EXPECT_EQ(window->GetMainLayer()->GetProgramRecord(), &(*bank)[7]);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Renamed] Master FX") << "no refresh on a switch";
}

TEST_F(MasterFxWindowTest, ClosingIsRefusedWhileAControlHoldsTheMouseAndOtherwiseTheOpenerForgetsIt)
{
    auto* window = OpenWindow<CMasterFxEditWindow>();
    auto* layer = static_cast<CMasterFxEditLayer*>(window->GetMainLayer());
    CHfcControl* field = layer->GetControl(CMasterFxEditLayer::kTypeField);
    CHfcMouse::GetInstance()->SetCapture(field, window);
    EXPECT_FALSE(window->CanClose());
    EXPECT_TRUE(opener->forgotten.empty());
    CHfcMouse::GetInstance()->ReleaseCapture();
    EXPECT_TRUE(window->CanClose());
    EXPECT_EQ(opener->forgotten, std::vector<CBaseWindow*>{window});
    EXPECT_FALSE(window->IsTimerEnabled());
}

// A tick that holds "TimerSemaphore" as the library window's tick does and
// takes the window down, once at once and once from a nested loop.
class ClosingTick : public CMMTimerListener
{
public:
    ClosingTick(CEfSemaphore& semaphore, CBaseWindow* window, bool nested)
        : m_semaphore(semaphore), m_window(window), m_bNested(nested)
    {}
    void OnMMTimer(CMMTimer*) override
    {
        if (m_window == nullptr)
            return;
        ASSERT_TRUE(m_semaphore.Wait());
        CBaseWindow* window = std::exchange(m_window, nullptr);
        if (m_bNested) {
            PostMessageA(window->GetHandle(), WM_CLOSE, 0, 0);
            platform::testing::PumpMessages();
        } else {
            window->Destroy();
        }
        m_semaphore.Release();
    }

private:
    CEfSemaphore& m_semaphore;
    CBaseWindow* m_window;
    bool m_bNested;
};

TEST_F(MasterFxWindowTest, TakenDownFromInsideATickOrItsNestedLoopItNeitherWaitsForeverNorTicksAfterwards)
{
    for (bool nested : {false, true}) {
        auto* window = OpenWindow<CMasterFxEditWindow>();
        ClosingTick tick(services.timerSemaphore, window, nested);
        ASSERT_TRUE(shell->timer.AddListener(&tick));
        shell->Tick();
        Pump();
        shell->timer.RemoveListener(&tick);
        EXPECT_TRUE(window->IsGone()) << (nested ? "nested" : "at once");
        EXPECT_EQ(window->GetMainLayer(), nullptr);
        EXPECT_EQ(services.timerSemaphore.WaitWithTimeout(0), CHfcSemaphore::kObtained) << "given back";
        services.timerSemaphore.Release();
        shell->Tick();
        CloseWindow(window);
    }
}

TEST_F(MasterFxWindowTest, ATickWhileAnotherTickHoldsTheSemaphoreIsSkippedNotWaitedFor)
{
    auto* window = OpenWindow<CMasterFxEditWindow>();
    ASSERT_TRUE(services.timerSemaphore.Wait());
    window->OnMMTimer(&shell->timer);
    services.timerSemaphore.Release();
    window->OnMMTimer(&shell->timer);
    EXPECT_EQ(services.timerSemaphore.WaitWithTimeout(0), CHfcSemaphore::kObtained);
    services.timerSemaphore.Release();
}

TEST_F(MasterFxWindowTest, RendersInEachTheme)
{
    SetValue(GetMasterFxAddress(0), 6);
    SetValue(GetMasterFxAddress(23), 11);
    ExpectRendersInEachTheme("master_fx", [this] { return OpenWindow<CMasterFxEditWindow>(); });
}

}  // namespace
}  // namespace editor_test
