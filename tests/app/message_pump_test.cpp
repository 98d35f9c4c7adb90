// The message pump that the application registers for the lower layers:
// while a device transfer waits for replies, windows still paint and the
// progress dialog's Cancel is heard.
#include "app_main_fixture.h"

#include "app/ProgressDialog.h"
#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/services/ServiceSlots.h"
#include "model/MidiManager.h"
#include "model/Program.h"

#include <platform/painting.h>
#include <platform/testing.h>

#include <vector>

namespace app_test {
namespace {

int g_paintsDuringTransfer = 0;
CMidiManager* g_transferring = nullptr;

LRESULT CALLBACK PaintCountingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_PAINT) {
        PAINTSTRUCT paint{};
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        if (g_transferring != nullptr && g_transferring->IsTransferRunning())
            ++g_paintsDuringTransfer;
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

// A top-level window of its own class at (900, 500), 200 x 150.
HWND MakeWindow(const char* className, WNDPROC procedure, UINT style)
{
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = procedure;
    windowClass.lpszClassName = className;
    RegisterClassExA(&windowClass);
    return CreateWindowExA(0, className, className, WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 500, 200, 150, nullptr,
                           nullptr, nullptr, nullptr);
}

// Clicks the Cancel button of the dialog in front, as the user would, once
// the dialog shows: it looks on each tick of a timer of the engine.
class CCancelPresser : public CPslMessageDispatchListener
{
public:
    explicit CCancelPresser(CPslMessageDispatchEngine& engine) : m_engine(engine)
    {
        if (m_engine.RegisterTimer(this, m_timerId))
            m_engine.SetTimerInterval(m_timerId, 20);
    }
    ~CCancelPresser() { m_engine.UnregisterTimer(m_timerId); }
    void OnPslTimer(int) override
    {
        HWND button = GetDlgItem(GetActiveWindow(), CProgressDialog::kIdCancelButton);
        RECT rect{};
        if (pressed || button == nullptr || !GetWindowRect(button, &rect))
            return;
        pressed = true;
        platform::testing::Click(platform::testing::MouseButton::Left, (rect.left + rect.right) / 2,
                                 (rect.top + rect.bottom) / 2);
    }
    bool pressed = false;

private:
    CPslMessageDispatchEngine& m_engine;
    int m_timerId = 0;
};

TEST_F(AppMainTest, DuringATransferWindowsPaintAndCancelStopsIt)
{
    ASSERT_TRUE(Start());
    CMidiManager& midi = *app->GetMidiManager();
    midi.SetReplyTimeout(2000);
    ASSERT_TRUE(midi.OpenInPort(static_cast<int>(device->InPort())));
    ASSERT_TRUE(midi.OpenOutPort(static_cast<int>(device->OutPort())));
    device->SetReplyDelay(std::chrono::milliseconds(20));

    HWND painted = MakeWindow("PaintCounter", PaintCountingProc, 0);
    ASSERT_NE(painted, nullptr);
    Pump();
    g_transferring = &midi;
    g_paintsDuringTransfer = 0;

    // The repaint waits in the queue until the transfer's first wait pumps.
    InvalidateRect(painted, nullptr, TRUE);
    CCancelPresser presser(*app->GetDispatchEngine());

    LibraryData library;
    library.AddItem(LibraryDataItem::kProgramBank);
    platform::testing::QueueMessageBoxAnswers({IDOK});
    midi.ReceiveAllPrograms(library);
    g_transferring = nullptr;
    const auto boxes = platform::testing::TakeShownMessageBoxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Receiving all programs was canceled.");
    EXPECT_TRUE(presser.pressed) << "the progress dialog was up and in front";
    EXPECT_GE(g_paintsDuringTransfer, 1) << "the window painted while the transfer waited";
    EXPECT_LT(midi.GetReceivedPrograms().count(), 200u) << "Cancel stopped the bank before its end";
    DestroyWindow(painted);
}

struct Heard
{
    UINT message;
    bool duringTransfer;
};
std::vector<Heard> g_heard;

LRESULT CALLBACK ClickRecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if ((message >= WM_LBUTTONDOWN && message <= WM_LBUTTONDBLCLK) || message == WM_KEYDOWN)
        g_heard.push_back({message, g_transferring != nullptr && g_transferring->IsTransferRunning()});
    return DefWindowProcA(window, message, wParam, lParam);
}

// A double click and a key given while a short transfer runs, before its
// dialog would show, wait for its end and then arrive whole, in order.
TEST_F(AppMainTest, InputDuringAShortTransferWaitsForItsEnd)
{
    ASSERT_TRUE(Start());
    CMidiManager& midi = *app->GetMidiManager();
    ASSERT_TRUE(midi.OpenInPort(static_cast<int>(device->InPort())));
    ASSERT_TRUE(midi.OpenOutPort(static_cast<int>(device->OutPort())));
    device->SetReplyDelay(std::chrono::milliseconds(20));

    HWND clicked = MakeWindow("ClickRecorder", ClickRecordingProc, CS_DBLCLKS);
    ASSERT_NE(clicked, nullptr);
    SetActiveWindow(clicked);
    Pump();
    g_heard.clear();
    g_transferring = &midi;

    // Queued now, taken by the transfer's first wait at the earliest. The
    // clock stands still, so the transfer is short however slowly it runs.
    namespace input = platform::testing;
    const input::ScopedFakeClock clock(1000);
    input::Click(input::MouseButton::Left, 1000, 575);
    input::Click(input::MouseButton::Left, 1000, 575);
    input::TypeKey('A');
    CProgram program;
    EXPECT_TRUE(midi.ReceiveProgram(program, 3));
    EXPECT_TRUE(platform::testing::TakeShownMessageBoxes().empty());
    Pump();
    g_transferring = nullptr;
    ASSERT_EQ(g_heard.size(), 5u);
    const UINT order[] = {WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP, WM_KEYDOWN};
    for (std::size_t i = 0; i < g_heard.size(); ++i) {
        EXPECT_EQ(g_heard[i].message, order[i]) << i;
        EXPECT_FALSE(g_heard[i].duringTransfer) << i;
    }
    DestroyWindow(clicked);
}

TEST_F(AppMainTest, ThePumpIsRegisteredFromStartUpToExit)
{
    ASSERT_TRUE(Start());
    bool delivered = false;
    class CFlag : public CPslMessageDispatchListener
    {
    public:
        explicit CFlag(bool& flag) : m_flag(flag) {}
        void OnPslMessage(int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR) override { m_flag = true; }
        bool& m_flag;
    } flag(delivered);
    app->GetDispatchEngine()->Dispatch(&flag, 1, 0, 0, 0, 0, true);
    PumpMessages();
    EXPECT_TRUE(delivered);
    CloseAndExit();
    PumpMessages();  // nothing registered: does nothing
}

}  // namespace
}  // namespace app_test
