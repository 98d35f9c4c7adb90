// Receiving on the MIDI thread: short-message events and their slot order,
// System Exclusive messages cut over buffers with real-time bytes between,
// and listeners changed while a notification runs.
#include "midi_port_fixture.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace midi_test {
namespace {

using namespace platform::testing;
using Texts = std::vector<std::string>;

class MidiReceiveTest : public MidiPortTest
{
protected:
    void SetUp() override
    {
        MidiPortTest::SetUp();
        ASSERT_TRUE(midi.MidiInOpen(0));
    }
};

TEST_F(MidiReceiveTest, ShortEventsCarryTheirLength)
{
    Play({0xC5, 0x07, 0xF8, 0xF2, 0x01, 0x02, 0x90, 0x3C, 0x40}, 12);
    EXPECT_EQ(log.Texts(), (Texts{"2:C5 07", "8:C5 07", "1:C5 07", "2:F8", "8:F8", "1:F8", "2:F2 01 02", "8:F2 01 02",
                                  "1:F2 01 02", "2:90 3C 40", "8:90 3C 40", "1:90 3C 40"}));
    const DWORD midiThread = log.Calls()[0].thread;
    EXPECT_NE(midiThread, GetCurrentThreadId());
}

TEST_F(MidiReceiveTest, EachListenerGetsTwoEightOneInTurn)
{
    RecordingListener second(log, "B");
    midi.AddListener(&second);
    Play({0xB1, 0x07, 0x64}, 6);
    EXPECT_EQ(log.Texts(),
              (Texts{"2:B1 07 64", "8:B1 07 64", "1:B1 07 64", "B2:B1 07 64", "B8:B1 07 64", "B1:B1 07 64"}));
}

TEST_F(MidiReceiveTest, ShortDataHookComesFirst)
{
    MidiCallLog hooks;
    RecordingListener second(hooks, "B");
    HookedMidi hooked(&hooks);
    ASSERT_TRUE(hooked.Create("hooked"));
    hooked.AddListener(&second);
    midi.MidiInClose();
    ASSERT_TRUE(hooked.MidiInOpen(0));
    SendVirtualMidiIn(0, {0xE3, 0x00, 0x40});
    ASSERT_TRUE(hooks.WaitFor(4));
    EXPECT_EQ(hooks.Texts(), (Texts{"hook:E3 00 40", "B2:E3 00 40", "B8:E3 00 40", "B1:E3 00 40"}));
}

// The port hands System Exclusive bytes back in pieces of at most four
// bytes and real-time bytes as events of their own; the listener gets the
// clock at once and the message whole, once.
TEST_F(MidiReceiveTest, SysExCutOverBuffersArrivesOnce)
{
    SetVirtualMidiFragmentSize(0, 4);
    SendVirtualMidiIn(0, {0xF0, 0x01, 0x02, 0x03, 0xF8, 0x04, 0x05, 0x06, 0x07, 0x08, 0xF7});
    const Texts message = {"4:F0 01 02 03 04 05 06 07 08 F7", "3:F0 01 02 03 04 05 06 07 08 F7"};
    ASSERT_TRUE(log.WaitForCall(message.back()));

    const Texts calls = log.Texts();
    Texts progress, others;
    int consumed = 0;
    for (const std::string& call : calls) {
        if (call[0] == '5')
            consumed += std::stoi(call.substr(2));
        else
            others.push_back(call);
    }
    EXPECT_EQ(consumed, 10) << "every byte but the clock went through a buffer";
    EXPECT_EQ(others, (Texts{"2:F8", "8:F8", "1:F8", message[0], message[1]}));
    EXPECT_GE(calls.size() - others.size(), 3u) << "at least three buffers";
}

TEST_F(MidiReceiveTest, ListenerReplacedDuringANotification)
{
    RecordingListener replacement(log, "B");
    class Replacer : public RecordingListener
    {
    public:
        Replacer(MidiCallLog& log, CHfcMidiListener& next) : RecordingListener(log, "A"), m_next(next) {}
        void OnHfcMidiMessage(CHfcMidi* midi, const CHfcMidiMessage& message) override
        {
            RecordingListener::OnHfcMidiMessage(midi, message);
            midi->SetListener(&m_next);
        }

    private:
        CHfcMidiListener& m_next;
    } replacer(log, replacement);
    midi.SetListener(&replacer);

    Play({0x90, 0x3C, 0x40}, 1);
    Play({0x80, 0x3C, 0x00}, 4);
    EXPECT_EQ(log.Texts(), (Texts{"A2:90 3C 40", "B2:80 3C 00", "B8:80 3C 00", "B1:80 3C 00"}))
        << "a listener taken off gets no further call, one put on gets the next message";
    midi.SetListener(nullptr);
}

TEST_F(MidiReceiveTest, NoListenerAfterSettingNone)
{
    midi.SetListener(nullptr);
    RecordingListener last(log, "Z");
    SendVirtualMidiIn(0, {0xC0, 0x01, 0xF0, 0x01, 0xF7});
    WaitVirtualMidiDelivered();
    SyncWithMidiThread();
    midi.AddListener(&last);
    Play({0xC0, 0x02}, 3);
    midi.SetListener(nullptr);
    EXPECT_EQ(log.Texts(), (Texts{"Z2:C0 02", "Z8:C0 02", "Z1:C0 02"}));
}

// Another thread changes the list while messages are delivered.
TEST_F(MidiReceiveTest, ListenersChangedFromAnotherThread)
{
    MidiCallLog other;
    RecordingListener a(other, "A"), b(other, "B");
    midi.SetListener(&a);
    std::atomic<bool> changing{true};
    std::thread changer([&] {
        while (changing) {
            midi.SetListener(&a);
            midi.AddListener(&b);
            midi.SetListener(nullptr);
        }
    });
    for (int i = 0; i < 100; ++i)
        SendVirtualMidiIn(0, {0x90, static_cast<BYTE>(i), 0x40, 0xF0, static_cast<BYTE>(i), 0xF7});
    WaitVirtualMidiDelivered();
    changing = false;
    changer.join();
    SyncWithMidiThread();

    midi.SetListener(&listener);
    Play({0xFE}, 3);
    EXPECT_EQ(log.Texts(), (Texts{"2:FE", "8:FE", "1:FE"}));
}

// Closing from inside a notification would wait for the thread that runs
// it; it is refused and the port stays open.
TEST_F(MidiReceiveTest, ClosingInsideANotificationIsRefused)
{
    class Closer : public CHfcMidiListener
    {
    public:
        explicit Closer(MidiCallLog& log) : m_log(log) {}
        void OnHfcMidiMessage(CHfcMidi* midi, const CHfcMidiMessage&) override
        {
            midi->MidiInClose();
            midi->MidiOutClose();
            m_log.Add(midi->Destroy() ? "destroyed" : "still running");
        }

    private:
        MidiCallLog& m_log;
    } closer(log);
    ASSERT_TRUE(midi.MidiOutOpen(0));
    midi.SetListener(&closer);
    Play({0xF8}, 1);
    midi.SetListener(nullptr);  // waits for the notification to end
    EXPECT_EQ(log.Texts(), Texts{"still running"});
    EXPECT_TRUE(midi.IsMidiInOpen());
    EXPECT_TRUE(midi.IsMidiOutOpen());
}

}  // namespace
}  // namespace midi_test
