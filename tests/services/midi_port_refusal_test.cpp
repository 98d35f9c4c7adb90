// The port object when the port layer refuses a call: an open that fails
// part way closes the port again, a refused close keeps the port open and
// usable, and a refused long send allocates nothing that stays.
#include "midi_port_fixture.h"

#include "TraceRecorder.h"

#include <gtest/gtest.h>

namespace midi_test {
namespace {

using namespace platform::testing;

// Input arrives in the port's buffers: a System Exclusive message reaches
// the listener's three calls.
void ExpectInputArrives(MidiCallLog& log)
{
    log.Clear();
    SendVirtualMidiIn(0, {0xF0, 0x01, 0xF7});
    ASSERT_TRUE(log.WaitFor(3));
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"5:3", "4:F0 01 F7", "3:F0 01 F7"}));
}

struct PartialOpen
{
    const char* name;
    MidiPortCall call;
    UINT passing;  // calls of its kind that succeed first
    const char* failure;
};

const PartialOpen kPartialOpens[] = {
    {"FirstPrepare", MidiPortCall::PrepareHeader, 0, "Faild to midiInPrepareHeader()"},
    {"LastPrepare", MidiPortCall::PrepareHeader, CHfcMidi::kInputBufferCount - 1, "Faild to midiInPrepareHeader()"},
    {"FirstAddBuffer", MidiPortCall::AddBuffer, 0, "Faild to midiInAddBuffer()"},
    {"MiddleAddBuffer", MidiPortCall::AddBuffer, 60, "Faild to midiInAddBuffer()"},
    {"Start", MidiPortCall::Start, 0, "Faild to midiInStart()"},
};

class MidiPartialOpenTest : public MidiPortTest, public testing::WithParamInterface<PartialOpen>
{};

// The buffers queued so far come back and the port closes; a stop that the
// port would refuse is not needed for a port that never started.
TEST_P(MidiPartialOpenTest, ClosesThePortAgain)
{
    const PartialOpen& c = GetParam();
    SetVirtualMidiInCallResult(0, c.call, MMSYSERR_NOMEM, c.passing);
    SetVirtualMidiInCallResult(0, MidiPortCall::Stop, MMSYSERR_ERROR);
    {
        TraceRecorder trace;
        EXPECT_FALSE(midi.MidiInOpen(0));
        EXPECT_EQ(trace.lines(), std::vector<std::string>{std::string("CHfcMidi::MidiInOpen() - ") + c.failure});
    }
    EXPECT_FALSE(midi.IsMidiInOpen());

    // The port layer's port is closed too: it opens again, with every buffer.
    SetVirtualMidiInCallResult(0, c.call, MMSYSERR_NOERROR);
    SetVirtualMidiInCallResult(0, MidiPortCall::Stop, MMSYSERR_NOERROR);
    ASSERT_TRUE(midi.MidiInOpen(0));
    ExpectInputArrives(log);
}

INSTANTIATE_TEST_SUITE_P(Refusals, MidiPartialOpenTest, testing::ValuesIn(kPartialOpens),
                         [](const testing::TestParamInfo<PartialOpen>& info) { return std::string(info.param.name); });

// The driver keeps the buffers it was given: they cannot be freed, so the
// port stays open until a close succeeds.
TEST_F(MidiPortTest, FailedOpenWhoseResetIsRefusedWaitsForTheClose)
{
    SetVirtualMidiInCallResult(0, MidiPortCall::Start, MMSYSERR_NOMEM);
    SetVirtualMidiInCallResult(0, MidiPortCall::Reset, MMSYSERR_ERROR);
    {
        TraceRecorder trace;
        EXPECT_FALSE(midi.MidiInOpen(0));
        EXPECT_EQ(trace.lines(), (std::vector<std::string>{"CHfcMidi::MidiInOpen() - Faild to midiInStart()",
                                                           "CHfcMidi::MidiInOpen() - Faild to midiInReset()"}));
    }
    EXPECT_TRUE(midi.IsMidiInOpen());
    SetVirtualMidiInCallResult(0, MidiPortCall::Start, MMSYSERR_NOERROR);
    SetVirtualMidiInCallResult(0, MidiPortCall::Reset, MMSYSERR_NOERROR);
    midi.MidiInClose();
    EXPECT_FALSE(midi.IsMidiInOpen());
    ASSERT_TRUE(midi.MidiInOpen(0));
    ExpectInputArrives(log);
}

struct CloseRefusal
{
    const char* name;
    MidiPortCall call;
    const char* trace;
    bool stillReceiving;  // the refusal came before the stop
};

const CloseRefusal kCloseRefusals[] = {
    {"Stop", MidiPortCall::Stop, "CHfcMidi::MidiInClose() - Faild to midiInStop()", true},
    {"Reset", MidiPortCall::Reset, "CHfcMidi::MidiInClose() - Faild to midiInReset()", false},
    {"Close", MidiPortCall::Close, "CHfcMidi::MidiInClose() - Faild to midiInClose()", false},
};

class MidiCloseRefusalTest : public MidiPortTest, public testing::WithParamInterface<CloseRefusal>
{};

TEST_P(MidiCloseRefusalTest, KeepsThePortOpenForALaterClose)
{
    const CloseRefusal& c = GetParam();
    ASSERT_TRUE(midi.MidiInOpen(0));
    SetVirtualMidiInCallResult(0, c.call, MMSYSERR_ERROR);
    {
        TraceRecorder trace;
        midi.MidiInClose();
        EXPECT_EQ(trace.lines(), std::vector<std::string>{c.trace});
    }
    EXPECT_TRUE(midi.IsMidiInOpen());
    {
        TraceRecorder trace;
        EXPECT_FALSE(midi.MidiInOpen(0));
        EXPECT_EQ(trace.lines(), std::vector<std::string>{"CHfcMidi::MidiInOpen() - MIDI IN already opened."});
    }
    if (c.stillReceiving)
        ExpectInputArrives(log);

    SetVirtualMidiInCallResult(0, c.call, MMSYSERR_NOERROR);
    {
        TraceRecorder trace;
        midi.MidiInClose();
        EXPECT_TRUE(trace.lines().empty());
    }
    EXPECT_FALSE(midi.IsMidiInOpen());
    ASSERT_TRUE(midi.MidiInOpen(0));
    ExpectInputArrives(log);
}

INSTANTIATE_TEST_SUITE_P(Refusals, MidiCloseRefusalTest, testing::ValuesIn(kCloseRefusals),
                         [](const testing::TestParamInfo<CloseRefusal>& info) { return std::string(info.param.name); });

TEST_F(MidiPortTest, RefusedOutputCloseKeepsSending)
{
    ASSERT_TRUE(midi.MidiOutOpen(0));
    SetVirtualMidiOutCallResult(0, MidiPortCall::Close, MMSYSERR_ERROR);
    {
        TraceRecorder trace;
        midi.MidiOutClose();
        EXPECT_EQ(trace.lines(), std::vector<std::string>{"CHfcMidi::MidiOutClose() - Faild to midiOutClose()"});
    }
    EXPECT_TRUE(midi.IsMidiOutOpen());
    EXPECT_TRUE(midi.SendChannelMessage(3, 0xB0, 123, 0));
    EXPECT_TRUE(midi.Out(3, std::vector<BYTE>{0xF0, 0x01, 0xF7}.data()));
    SetVirtualMidiOutCallResult(0, MidiPortCall::Close, MMSYSERR_NOERROR);
    midi.MidiOutClose();
    EXPECT_FALSE(midi.IsMidiOutOpen());
    EXPECT_EQ(device.Sends(), (std::vector<std::vector<BYTE>>{{0xB3, 0x7B, 0x00}, {0xF0, 0x01, 0xF7}}));
}

// The refused send's header and copy are released at once (the sanitizer
// sees a leak otherwise), and the port sends again when the port agrees.
TEST_F(MidiPortTest, RefusedLongSendLeavesNothingBehind)
{
    ASSERT_TRUE(midi.MidiOutOpen(0));
    const std::vector<BYTE> message = {0xF0, 0x02, 0xF7};
    for (const MidiPortCall call : {MidiPortCall::PrepareHeader, MidiPortCall::Send}) {
        SetVirtualMidiOutCallResult(0, call, MIDIERR_NOTREADY);
        TraceRecorder trace;
        EXPECT_FALSE(midi.Out(3, message.data()));
        EXPECT_EQ(trace.lines().size(), 1u);
        SetVirtualMidiOutCallResult(0, call, MMSYSERR_NOERROR);
    }
    EXPECT_TRUE(midi.Out(3, message.data()));
    midi.MidiOutClose();
    EXPECT_EQ(device.Sends(), std::vector<std::vector<BYTE>>{message});
}

}  // namespace
}  // namespace midi_test
