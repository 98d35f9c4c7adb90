// The MIDI monitor opened and closed again and again while the device
// floods the MIDI thread with messages and another thread writes sent
// lines: writes, the tick's copy and closing share one lock, and a write
// that races a closing window lands in lines that outlive it. Run under
// AddressSanitizer and ThreadSanitizer.
#include "midi_monitor_host.h"
#include "tool_window_fixture.h"

#include "editor/MidiMonitorWindow.h"

#include <atomic>
#include <thread>

namespace editor_test {
namespace {

TEST_F(ToolWindowTest, TheMonitorClosesSafelyUnderMidiTraffic)
{
    MonitoredDevice monitored(monitorLock);
    std::atomic<bool> stop{false};
    std::atomic<CMidiMonitorLines*> latest{nullptr};

    std::jthread flood([&] {
        for (int i = 0; !stop; ++i) {
            monitored.device.SendRaw({0xF0, 0x7E, 0x7F, static_cast<std::uint8_t>(i & 0x7F), 0xF7});
            std::this_thread::yield();
        }
    });
    // A writer that keeps the lines of the monitor it saw last, even after
    // that monitor closed.
    std::jthread sent([&] {
        while (!stop) {
            if (CMidiMonitorLines* lines = latest.load()) {
                CSemaphoreHold hold(&monitorLock);
                lines->SetLine(CMidiManagerHost::MonitorLine::Sent, "F0 7D 30 00 01 6E 41 ");
            }
            std::this_thread::yield();
        }
    });

    for (int round = 0; round < 40; ++round) {
        MidiMonitorWindow opened;
        {
            // As the application makes it: no line reaches a half-made monitor.
            CSemaphoreHold hold(&monitorLock);
            opened = tools->CreateMidiMonitorWindow(At(10 + round, 20), monitorLock);
            monitored.host.lines = opened.lines;
        }
        ASSERT_NE(opened.window, nullptr);
        latest = opened.lines;
        ShowWindow(opened.window);
        Tick(3);
        ASSERT_TRUE(opened.window->CloseWindow(false));
        Pump();
    }
    stop = true;
    flood.join();
    sent.join();
    {
        CSemaphoreHold hold(&monitorLock);
        monitored.host.lines = nullptr;
    }
    EXPECT_EQ(owner.closed.size(), 40u);
    EXPECT_FALSE(monitored.host.ReceivedLines().empty()) << "the device's messages reached the monitor";
}

}  // namespace
}  // namespace editor_test
