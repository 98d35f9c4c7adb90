#pragma once
// The MIDI manager beside a test device of its own, with a shell that
// forwards the monitor lines as the application does: under the monitor's
// lock into the lines of the monitor it opened last. It also keeps every
// received line it was given.
#include "app/SemaphoreHold.h"
#include "app/ToolWindows.h"
#include "framework/services/EfSemaphore.h"
#include "framework/services/HfcMidi.h"
#include "model/MidiManager.h"
#include "model/midi_host_fake.h"
#include "support/DeviceSimulator.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace editor_test {

class MonitorHost : public FakeMidiHost
{
public:
    explicit MonitorHost(CEfSemaphore& lock) : m_lock(lock) {}

    void WriteMidiMonitorLine(MonitorLine line, const std::string& text) override
    {
        {
            std::lock_guard history(m_historyMutex);
            (line == MonitorLine::Received ? m_received : m_sent).push_back(text);
        }
        CSemaphoreHold hold(&m_lock);
        if (lines != nullptr)
            lines->SetLine(line, text);
    }
    std::vector<std::string> ReceivedLines()
    {
        std::lock_guard history(m_historyMutex);
        return m_received;
    }
    std::vector<std::string> SentLines()
    {
        std::lock_guard history(m_historyMutex);
        return m_sent;
    }

    // Set on the message thread while no writer runs, or under the lock.
    CMidiMonitorLines* lines = nullptr;

private:
    CEfSemaphore& m_lock;
    std::mutex m_historyMutex;
    std::vector<std::string> m_received;
    std::vector<std::string> m_sent;
};

// A second device and a connected manager that reports to the host.
class MonitoredDevice
{
public:
    explicit MonitoredDevice(CEfSemaphore& lock) : host(lock), device("VQ-700Z monitored")
    {
        EXPECT_TRUE(midi.Create("monitored"));
        manager = std::make_unique<CMidiManager>(&midi, &host);
        EXPECT_TRUE(manager->Create());
        EXPECT_TRUE(manager->OpenInPort(static_cast<int>(device.InPort())));
        EXPECT_TRUE(manager->OpenOutPort(static_cast<int>(device.OutPort())));
    }
    ~MonitoredDevice()
    {
        EXPECT_TRUE(midi.Destroy());
        manager.reset();
    }

    MonitorHost host;
    DeviceSimulator device;
    CHfcMidi midi;
    std::unique_ptr<CMidiManager> manager;
};

}  // namespace editor_test
