// The message pump that the application registers for the lower layers:
// while a device transfer waits for replies, windows still paint and the
// progress dialog's Cancel is heard.
#include "app_main_fixture.h"

#include "app/ProgressDialog.h"
#include "framework/services/PslMessageDispatchEngine.h"
#include "framework/services/ServiceSlots.h"
#include "model/MidiManager.h"

#include <platform/painting.h>
#include <platform/testing.h>

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

// Clicks the Cancel button of the dialog in front, as the user would.
class CCancelPresser : public CPslMessageDispatchListener
{
public:
    void OnPslMessage(int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR) override
    {
        HWND button = GetDlgItem(GetActiveWindow(), CProgressDialog::kIdCancelButton);
        RECT rect{};
        if (button == nullptr || !GetWindowRect(button, &rect))
            return;
        pressed = true;
        platform::testing::Click(platform::testing::MouseButton::Left, (rect.left + rect.right) / 2,
                                 (rect.top + rect.bottom) / 2);
    }
    bool pressed = false;
};

TEST_F(AppMainTest, DuringATransferWindowsPaintAndCancelStopsIt)
{
    ASSERT_TRUE(Start());
    CMidiManager& midi = *app->GetMidiManager();
    midi.SetReplyTimeout(2000);
    ASSERT_TRUE(midi.OpenInPort(static_cast<int>(device->InPort())));
    ASSERT_TRUE(midi.OpenOutPort(static_cast<int>(device->OutPort())));
    device->SetReplyDelay(std::chrono::milliseconds(20));

    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = PaintCountingProc;
    windowClass.lpszClassName = "PaintCounter";
    RegisterClassExA(&windowClass);
    HWND painted = CreateWindowExA(0, "PaintCounter", "painted", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 900, 500, 200, 150,
                                   nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(painted, nullptr);
    Pump();
    g_transferring = &midi;
    g_paintsDuringTransfer = 0;

    // Both wait in the queue until the transfer's first wait pumps.
    InvalidateRect(painted, nullptr, TRUE);
    CCancelPresser presser;
    app->GetDispatchEngine()->Dispatch(&presser, 1, 0, 0, 0, 0, true);

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
