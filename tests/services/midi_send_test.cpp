// Sending: long buffers with their completion on the MIDI thread, channel
// and short messages, refusals, and closing while sends are in flight.
#include "midi_port_fixture.h"

#include "TraceRecorder.h"

#include <gtest/gtest.h>

namespace midi_test {
namespace {

using namespace platform::testing;
using Bytes = std::vector<BYTE>;

class MidiSendTest : public MidiPortTest
{
protected:
    void SetUp() override
    {
        MidiPortTest::SetUp();
        ASSERT_TRUE(midi.MidiOutOpen(0));
    }
};

TEST_F(MidiSendTest, LongSendsCompleteInOrderOnTheMidiThread)
{
    const Bytes search = {0xF0, 0x7D, 0x50, 0x00, 0x01, 0xF7};
    const Bytes longer(300, 0x22);
    EXPECT_TRUE(midi.Out(6, search.data()));
    EXPECT_TRUE(midi.Out(300, longer.data()));
    EXPECT_TRUE(midi.Out(1, search.data()));
    ASSERT_TRUE(log.WaitFor(3));

    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"6:6", "6:300", "6:1"}));
    EXPECT_EQ(device.Sends(), (std::vector<Bytes>{search, longer, {0xF0}}));
    const DWORD midiThread = log.Calls()[0].thread;
    EXPECT_NE(midiThread, GetCurrentThreadId());
    for (const LoggedCall& call : log.Calls())
        EXPECT_EQ(call.thread, midiThread);
}

TEST_F(MidiSendTest, DoneHookComesBeforeTheListeners)
{
    MidiCallLog hooks;
    RecordingListener second(hooks, "B");
    HookedMidi hooked(&hooks);
    ASSERT_TRUE(hooked.Create("hooked"));
    hooked.AddListener(&second);
    midi.MidiOutClose();
    ASSERT_TRUE(hooked.MidiOutOpen(0));
    const BYTE message[] = {0xF0, 0x01, 0xF7};
    ASSERT_TRUE(hooked.Out(3, message));
    ASSERT_TRUE(hooks.WaitFor(2));
    EXPECT_EQ(hooks.Texts(), (std::vector<std::string>{"done:3", "B6:3"}));
}

// Out with the port closed, or while no port was ever opened, sends
// nothing and reports nothing.
TEST_F(MidiSendTest, NothingGoesOutWhileClosed)
{
    midi.MidiOutClose();
    const BYTE message[] = {0xF0, 0x01, 0xF7};
    TraceRecorder trace;
    EXPECT_FALSE(midi.Out(3, message));
    EXPECT_FALSE(midi.SendChannelMessage(0, 0xB0, 123, 0));
    midi.SendMidiMessage(CHfcMidiMessage(message, 3));
    EXPECT_TRUE(device.Sends().empty());
    EXPECT_TRUE(trace.lines().empty());
    EXPECT_TRUE(log.Texts().empty());
}

struct ChannelCase
{
    int channel, status, data1, data2;
    Bytes sent;
};

class MidiChannelMessageTest : public MidiSendTest, public testing::WithParamInterface<ChannelCase>
{};

TEST_P(MidiChannelMessageTest, SendsStatusNibbleWithChannelNibble)
{
    const ChannelCase& c = GetParam();
    EXPECT_TRUE(midi.SendChannelMessage(c.channel, c.status, c.data1, c.data2));
    EXPECT_EQ(device.Sends(), std::vector<Bytes>{c.sent});
}

INSTANTIATE_TEST_SUITE_P(Messages, MidiChannelMessageTest,
                         testing::Values(ChannelCase{3, 0xB0, 123, 0, {0xB3, 0x7B, 0x00}},
                                         ChannelCase{0x13, 0x9F, 0x3C, 0x40, {0x93, 0x3C, 0x40}},
                                         ChannelCase{15, 0xC0, 5, 0, {0xCF, 0x05}},
                                         ChannelCase{0, 0xE0, 0x00, 0x40, {0xE0, 0x00, 0x40}}));

TEST_F(MidiSendTest, MessagesGoOutShortOrLong)
{
    const BYTE sysEx[] = {0xF0, 0x7D, 0x01, 0xF7};
    const BYTE note[] = {0x90, 0x3C, 0x40};
    midi.SendMidiMessage(CHfcMidiMessage(note, 3));
    midi.SendMidiMessage(CHfcMidiMessage(note, 2));
    midi.SendMidiMessage(CHfcMidiMessage(BYTE{0xFC}));
    midi.SendMidiMessage(CHfcMidiMessage(sysEx, 4));
    ASSERT_TRUE(log.WaitFor(1));
    EXPECT_EQ(device.Sends(),
              (std::vector<Bytes>{{0x90, 0x3C, 0x40}, {0x90, 0x3C, 0x00}, {0xFC}, {0xF0, 0x7D, 0x01, 0xF7}}));
    EXPECT_EQ(log.Texts(), std::vector<std::string>{"6:4"});
}

TEST_F(MidiSendTest, RefusedSendsReportFalse)
{
    SetVirtualMidiSendResult(0, MIDIERR_NOTREADY);
    const BYTE message[] = {0xF0, 0x01, 0xF7};
    TraceRecorder trace;
    EXPECT_FALSE(midi.SendChannelMessage(3, 0xB0, 123, 0));
    EXPECT_FALSE(midi.Out(3, message));
    midi.SendMidiMessage(CHfcMidiMessage(BYTE{0xF8}));
    EXPECT_EQ(trace.lines(), (std::vector<std::string>{
                                 "CHfcMidi::SendChannelMessage() - Faild to send MIDI Short Message.",
                                 "CHfcMidi::Out() - Faild to midiOutLongMsg()",
                                 "CHfcMidi::SendMidiMessage() - Faild to send MIDI Short Message.",
                             }));
    EXPECT_TRUE(device.Sends().empty());

    SetVirtualMidiSendResult(0, MMSYSERR_NOERROR);
    EXPECT_TRUE(midi.Out(3, message));
    ASSERT_TRUE(log.WaitFor(1));
    midi.MidiOutClose();
    EXPECT_FALSE(midi.IsMidiOutOpen()) << "no refused send is left pending";
}

TEST_F(MidiSendTest, OutRefusesNoBytes)
{
    const BYTE message[] = {0xF0};
    TraceRecorder trace;
    EXPECT_FALSE(midi.Out(0, message));
    EXPECT_FALSE(midi.Out(-5, message));
    EXPECT_FALSE(midi.Out(3, nullptr));
    EXPECT_EQ(trace.lines().size(), 3u);
    EXPECT_TRUE(device.Sends().empty());
}

// Close returns once every long send has gone out and been handed back,
// and the port opens again at once.
TEST_F(MidiSendTest, ClosingDuringSendsFinishesThemFirst)
{
    constexpr int kSends = 40;
    const Bytes dump(500, 0x33);
    for (int i = 0; i < kSends; ++i)
        ASSERT_TRUE(midi.Out(static_cast<int>(dump.size()), dump.data()));
    midi.MidiOutClose();

    EXPECT_FALSE(midi.IsMidiOutOpen());
    EXPECT_EQ(log.Texts(), std::vector<std::string>(kSends, "6:500"));
    EXPECT_EQ(device.Sends().size(), std::size_t{kSends});
    EXPECT_TRUE(midi.MidiOutOpen(0));
}

// Listeners may send from inside a notification.
class EchoListener : public CHfcMidiListener
{
public:
    void OnHfcMidiSysExMessage(CHfcMidi* midi, const CHfcMidiMessage& message) override
    {
        midi->SendMidiMessage(message);
    }
    void OnHfcMidiMessage(CHfcMidi* midi, const CHfcMidiMessage& message) override
    {
        midi->SendChannelMessage(message.GetStatus(), 0x80, message.GetData1(), 0);
    }
};

TEST_F(MidiSendTest, ListenersSendFromInsideANotification)
{
    EchoListener echo;
    midi.AddListener(&echo);
    ASSERT_TRUE(midi.MidiInOpen(0));
    Play({0x92, 0x3C, 0x40, 0xF0, 0x01, 0x02, 0xF7}, 7);
    midi.SetListener(nullptr);  // waits for the echo's last notification
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"2:92 3C 40", "8:92 3C 40", "1:92 3C 40", "5:4", "4:F0 01 02 F7",
                                                     "3:F0 01 02 F7", "6:4"}));
    EXPECT_EQ(device.Sends(), (std::vector<Bytes>{{0x82, 0x3C, 0x00}, {0xF0, 0x01, 0x02, 0xF7}}));
}

}  // namespace
}  // namespace midi_test
