// The MIDI monitor's lines as the MIDI thread writes them through the
// application: only into an open monitor, and never into one that closed.
#include "app_main_fixture.h"

#include "framework/services/EfSemaphore.h"

#include <atomic>
#include <thread>

namespace app_test {
namespace {

using Line = CMidiManagerHost::MonitorLine;

TEST_F(AppMainTest, LinesReachTheOpenMonitorOnlyAndItIsMadeUnderItsLock)
{
    ASSERT_TRUE(Start());
    app->WriteMidiMonitorLine(Line::Received, "F0 42 ");  // closed: goes nowhere
    app->OpenMidiMonitorWindow();
    ASSERT_NE(app->GetMidiMonitorWindow(), nullptr);
    ASSERT_NE(tools.monitorLock, nullptr);
    EXPECT_TRUE(tools.monitorLock->WaitWithTimeout(0) == CHfcSemaphore::kObtained) << "given back after making";
    tools.monitorLock->Release();
    auto* window = tools.windows.back().get();
    EXPECT_TRUE(window->monitorLines->lines.empty());
    app->WriteMidiMonitorLine(Line::Received, "90 3C 64 ");
    app->WriteMidiMonitorLine(Line::Sent, "B0 07 7F ");
    EXPECT_EQ(window->monitorLines->lines[Line::Received], "90 3C 64 ");
    EXPECT_EQ(window->monitorLines->lines[Line::Sent], "B0 07 7F ");
    window->CloseWindow(false);
    EXPECT_EQ(app->GetMidiMonitorWindow(), nullptr);
    app->WriteMidiMonitorLine(Line::Received, "F8 ");  // the lines are gone; nothing may reach them
}

TEST_F(AppMainTest, TheMonitorClosesSafelyUnderMidiTraffic)
{
    ASSERT_TRUE(Start());
    std::atomic<bool> stop{false};
    std::atomic<int> written{0};
    std::thread midiThread([&] {
        while (!stop) {
            app->WriteMidiMonitorLine(Line::Received, "F0 42 30 00 01 15 40 F7 ");
            ++written;
        }
    });
    for (int round = 0; round < 30; ++round) {
        app->OpenMidiMonitorWindow();
        std::this_thread::yield();
        if (CBaseWindow* monitor = app->GetMidiMonitorWindow())
            monitor->CloseWindow(false);
        Pump();
    }
    stop = true;
    midiThread.join();
    EXPECT_GT(written.load(), 0);
    EXPECT_EQ(app->GetMidiMonitorWindow(), nullptr);
}

}  // namespace
}  // namespace app_test
