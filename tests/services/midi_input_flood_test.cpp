// A flood of short messages while the MIDI thread is held up: the port
// keeps a fixed number waiting, and the listeners hear once, when the flood
// is over, how many bytes were dropped.
#include "midi_port_fixture.h"

#include "platform/src/midi/delivery.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <condition_variable>
#include <mutex>

namespace midi_test {
namespace {

using namespace platform::testing;

constexpr std::size_t kRoom = platform::midi::kShortInputRoom;

// Once closed, holds the MIDI thread inside the next short message it hands on.
class GateListener : public CHfcMidiListener
{
public:
    void OnHfcMidiMessage(CHfcMidi*, const CHfcMidiMessage&) override
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        ++m_seen;
        m_entered = true;
        m_changed.notify_all();
        m_changed.wait(lock, [this] { return m_open; });
    }

    bool WaitUntilEntered()
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [this] { return m_entered; });
    }

    bool WaitUntilSeen(std::size_t count)
    {
        std::unique_lock<std::mutex> lock(m_mutex);
        return m_changed.wait_for(lock, kPatience, [&] { return m_seen >= count; });
    }

    void Close()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = false;
        m_entered = false;
    }

    void Open()
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_open = true;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_entered = false;
    bool m_open = false;
    std::size_t m_seen = 0;
};

std::vector<BYTE> NoteOns(std::size_t count)
{
    std::vector<BYTE> bytes;
    for (std::size_t i = 0; i < count; ++i)
        bytes.insert(bytes.end(), {0x90, 0x3C, 0x40});
    return bytes;
}

std::vector<std::string> DropReports(const MidiCallLog& log)
{
    std::vector<std::string> reports;
    for (const std::string& text : log.Texts()) {
        if (text.starts_with("9:"))
            reports.push_back(text);
    }
    return reports;
}

class MidiInputFloodTest : public MidiPortTest
{
protected:
    void SetUp() override
    {
        MidiPortTest::SetUp();
        midi.SetListener(&gate);
        midi.AddListener(&listener);
        ASSERT_TRUE(midi.MidiInOpen(0));
    }

    void TearDown() override
    {
        gate.Open();
        MidiPortTest::TearDown();
    }

    // Holds the thread in one message, sends `beyond` more than the room
    // holds behind it, and lets the thread go.
    void Flood(std::size_t beyond)
    {
        // The thread first takes every message the last flood left waiting.
        ASSERT_TRUE(gate.WaitUntilSeen(taken));
        taken += kRoom + 1;
        gate.Close();
        SendVirtualMidiIn(0, NoteOns(1));
        ASSERT_TRUE(gate.WaitUntilEntered());
        SendVirtualMidiIn(0, NoteOns(kRoom + beyond));
        WaitVirtualMidiDelivered();
        gate.Open();
    }

    GateListener gate;
    std::size_t taken = 0;
};

TEST_F(MidiInputFloodTest, EachFloodIsReportedOnceWithTheBytesItDropped)
{
    Flood(300);
    ASSERT_TRUE(log.WaitForCall("9:900"));
    EXPECT_EQ(DropReports(log), std::vector<std::string>{"9:900"});

    // Every message that found room reached the listeners.
    const std::vector<std::string> texts = log.Texts();
    EXPECT_EQ(std::count(texts.begin(), texts.end(), "1:90 3C 40"), static_cast<std::ptrdiff_t>(kRoom + 1));

    Flood(100);
    ASSERT_TRUE(log.WaitForCall("9:300"));
    EXPECT_EQ(DropReports(log), (std::vector<std::string>{"9:900", "9:300"}));
}

TEST_F(MidiInputFloodTest, TrafficThatJustFitsDropsNothing)
{
    Flood(0);
    Flood(1);
    ASSERT_TRUE(log.WaitForCall("9:3"));
    EXPECT_EQ(DropReports(log), std::vector<std::string>{"9:3"}) << "the first flood dropped nothing";
}

}  // namespace
}  // namespace midi_test
