// The port object's life: its thread, opening and closing both ports,
// refused opens, port names, and closing while input is on its way.
#include "midi_port_fixture.h"

#include "TraceRecorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace midi_test {
namespace {

using namespace platform::testing;

bool Traced(const TraceRecorder& trace, const std::string& line)
{
    return std::find(trace.lines().begin(), trace.lines().end(), line) != trace.lines().end();
}

TEST(MidiThreadTest, DestroyReachesAThreadThatHasNotWaitedYet)
{
    for (int i = 0; i < 50; ++i) {
        CHfcMidi midi;
        ASSERT_TRUE(midi.Create("early"));
        ASSERT_TRUE(midi.Destroy());
    }
}

TEST(MidiThreadTest, DestroyWithoutThreadAndTwice)
{
    CHfcMidi midi;
    EXPECT_TRUE(midi.Destroy());
    ASSERT_TRUE(midi.Create("twice"));
    EXPECT_TRUE(midi.Destroy());
    EXPECT_TRUE(midi.Destroy());
}

TEST(MidiThreadTest, PortsNeedTheThread)
{
    UseVirtualMidi();
    AddVirtualMidiIn({"IN"});
    AddVirtualMidiOut({"OUT"}, nullptr);
    CHfcMidi midi;
    TraceRecorder trace;
    EXPECT_FALSE(midi.MidiInOpen(0));
    EXPECT_FALSE(midi.MidiOutOpen(0));
    EXPECT_TRUE(Traced(trace, "CHfcMidi::MidiInOpen() - MIDI thread not running."));
    EXPECT_FALSE(midi.IsMidiInOpen());
    EXPECT_FALSE(midi.IsMidiOutOpen());
    UseVirtualMidi();
}

TEST_F(MidiPortTest, OpeningTwiceKeepsTheFirstOpen)
{
    ASSERT_TRUE(midi.MidiInOpen(0));
    ASSERT_TRUE(midi.MidiOutOpen(0));
    {
        TraceRecorder trace;
        EXPECT_FALSE(midi.MidiInOpen(0));
        EXPECT_FALSE(midi.MidiOutOpen(0));
        EXPECT_EQ(trace.lines(), (std::vector<std::string>{"CHfcMidi::MidiInOpen() - MIDI IN already opened.",
                                                           "CHfcMidi::MidiOutOpen() - MIDI OUT already opened."}));
    }
    EXPECT_TRUE(midi.IsMidiInOpen());
    EXPECT_TRUE(midi.IsMidiOutOpen());
    Play({0xC5, 0x07}, 3);
    EXPECT_TRUE(midi.SendChannelMessage(0, 0x90, 0x3C, 0x40));
}

TEST_F(MidiPortTest, ClosingAClosedPortDoesNothing)
{
    TraceRecorder trace;
    midi.MidiInClose();
    midi.MidiOutClose();
    ASSERT_TRUE(midi.MidiInOpen(0));
    ASSERT_TRUE(midi.MidiOutOpen(0));
    midi.MidiInClose();
    midi.MidiOutClose();
    midi.MidiInClose();
    midi.MidiOutClose();
    EXPECT_FALSE(midi.IsMidiInOpen());
    EXPECT_FALSE(midi.IsMidiOutOpen());
    EXPECT_TRUE(trace.lines().empty());
}

TEST_F(MidiPortTest, PortsOpenAgainAfterClosing)
{
    for (int round = 0; round < 3; ++round) {
        ASSERT_TRUE(midi.MidiInOpen(0));
        ASSERT_TRUE(midi.MidiOutOpen(0));
        log.Clear();
        Play({0xF0, 0x01, 0xF7}, 3);
        EXPECT_EQ(log.Texts(), (std::vector<std::string>{"5:3", "4:F0 01 F7", "3:F0 01 F7"}));
        midi.MidiInClose();
        midi.MidiOutClose();
    }
}

struct OpenRefusal
{
    const char* name;
    bool input;
    int index;
    MMRESULT injected;
    const char* trace;
};

const OpenRefusal kOpenRefusals[] = {
    {"InBelowZero", true, -1, MMSYSERR_NOERROR, "CHfcMidi::MidiInOpen() - Not found MIDI IN device."},
    {"InPastLast", true, 1, MMSYSERR_NOERROR, "CHfcMidi::MidiInOpen() - Not found MIDI IN device."},
    {"InRefused", true, 0, MMSYSERR_ALLOCATED, "CHfcMidi::MidiInOpen() - Faild to midiInOpen()"},
    {"OutBelowZero", false, -1, MMSYSERR_NOERROR, "CHfcMidi::MidiOutOpen() - Not found MIDI OUT device."},
    {"OutPastLast", false, 1, MMSYSERR_NOERROR, "CHfcMidi::MidiOutOpen() - Not found MIDI OUT device."},
    {"OutRefused", false, 0, MMSYSERR_ALLOCATED, "CHfcMidi::MidiOutOpen() - Faild to midiOutOpen()"},
};

class MidiOpenRefusalTest : public MidiPortTest, public testing::WithParamInterface<OpenRefusal>
{};

TEST_P(MidiOpenRefusalTest, StaysClosedAndSaysWhy)
{
    const OpenRefusal& c = GetParam();
    (c.input ? SetVirtualMidiInOpenResult : SetVirtualMidiOutOpenResult)(0, c.injected);
    TraceRecorder trace;
    EXPECT_FALSE(c.input ? midi.MidiInOpen(c.index) : midi.MidiOutOpen(c.index));
    EXPECT_EQ(trace.lines(), std::vector<std::string>{c.trace});
    EXPECT_FALSE(midi.IsMidiInOpen());
    EXPECT_FALSE(midi.IsMidiOutOpen());

    (c.input ? SetVirtualMidiInOpenResult : SetVirtualMidiOutOpenResult)(0, MMSYSERR_NOERROR);
    EXPECT_TRUE(c.input ? midi.MidiInOpen(0) : midi.MidiOutOpen(0));
}

INSTANTIATE_TEST_SUITE_P(Opens, MidiOpenRefusalTest, testing::ValuesIn(kOpenRefusals),
                         [](const testing::TestParamInfo<OpenRefusal>& info) { return std::string(info.param.name); });

struct NameCase
{
    const char* name;
    bool input;
    int index;
    int size;
    bool result;
    const char* text;  // what the buffer holds afterwards
};

const NameCase kNameCases[] = {
    {"InWhole", true, 0, 64, true, "Keyboard In"},
    {"InExactFit", true, 0, 12, true, "Keyboard In"},
    {"InCut", true, 0, 5, true, "Keyb"},
    {"InSizeOne", true, 0, 1, true, ""},
    {"InMissing", true, 1, 64, false, "untouched"},
    {"InBelowZero", true, -1, 64, false, "untouched"},
    {"OutWhole", false, 0, 64, true, "Synth Out"},
    {"OutCut", false, 0, 3, true, "Sy"},
    {"OutMissing", false, 1, 64, false, "untouched"},
};

class MidiDeviceNameTest : public MidiPortTest, public testing::WithParamInterface<NameCase>
{};

TEST_P(MidiDeviceNameTest, CopiesTerminatedWithinSize)
{
    const NameCase& c = GetParam();
    char buffer[65] = "untouched";
    buffer[c.size] = '#';  // guards the byte past the given size
    TraceRecorder trace;
    const auto getName = c.input ? CHfcMidi::GetMidiInDeviceName : CHfcMidi::GetMidiOutDeviceName;
    EXPECT_EQ(getName(c.index, buffer, c.size), c.result);
    EXPECT_STREQ(buffer, c.text);
    EXPECT_EQ(buffer[c.size], '#');
    if (!c.result) {
        EXPECT_EQ(trace.lines(), std::vector<std::string>{
                                     c.input ? "CHfcMidi::GetMidiInDeviceName() - Faild to midiInGetDevCaps()"
                                             : "CHfcMidi::GetMidiOutDeviceName() - Faild to midiOutGetDevCaps()"});
    }
}

INSTANTIATE_TEST_SUITE_P(Names, MidiDeviceNameTest, testing::ValuesIn(kNameCases),
                         [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

TEST_F(MidiPortTest, DeviceNameRefusesNoBuffer)
{
    EXPECT_FALSE(CHfcMidi::GetMidiInDeviceName(0, nullptr, 10));
    char buffer[4] = "abc";
    EXPECT_FALSE(CHfcMidi::GetMidiInDeviceName(0, buffer, 0));
    EXPECT_STREQ(buffer, "abc");
}

// The buffer that stop hands back holds the start of a message; the close
// returns only after the MIDI thread has parsed it and is done with it.
TEST_F(MidiPortTest, CloseWaitsForTheBuffersHandedBack)
{
    ASSERT_TRUE(midi.MidiInOpen(0));
    SendVirtualMidiIn(0, {0xF0, 0x01, 0x02});
    WaitVirtualMidiDelivered();
    midi.MidiInClose();
    EXPECT_EQ(log.Texts(), std::vector<std::string>{"5:3"});
    EXPECT_FALSE(midi.IsMidiInOpen());

    ASSERT_TRUE(midi.MidiInOpen(0));
    Play({0xF0, 0x05, 0xF7}, 4);
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"5:3", "5:3", "4:F0 05 F7", "3:F0 05 F7"}))
        << "opening starts with no message open";
}

TEST_F(MidiPortTest, DestroyClosesOpenPorts)
{
    ASSERT_TRUE(midi.MidiInOpen(0));
    ASSERT_TRUE(midi.MidiOutOpen(0));
    EXPECT_TRUE(midi.Destroy());
    EXPECT_FALSE(midi.IsMidiInOpen());
    EXPECT_FALSE(midi.IsMidiOutOpen());
    EXPECT_TRUE(midi.Create("again"));
}

// Input keeps coming while the port closes and opens again: every close
// must wait out the buffers in flight, and no buffer may be used after it.
// A flood may overrun the buffers and lose bytes, but whatever arrives is
// made of the bytes sent.
TEST_F(MidiPortTest, ClosingWhileInputFlows)
{
    SetVirtualMidiFragmentSize(0, 100);
    std::vector<BYTE> dump(1000, 0x11);
    dump.front() = 0xF0;
    dump.back() = 0xF7;
    std::atomic<bool> playing{true};
    std::thread device([&] {
        while (playing)
            SendVirtualMidiIn(0, dump);
    });
    for (int round = 0; round < 20; ++round) {
        ASSERT_TRUE(midi.MidiInOpen(0));
        std::this_thread::yield();
        midi.MidiInClose();
    }
    playing = false;
    device.join();
    WaitVirtualMidiDelivered();
    for (const std::string& call : log.Texts()) {
        if (call[0] == '4') {
            EXPECT_EQ(call.substr(0, 5), "4:F0 ");
            EXPECT_EQ(call.substr(call.size() - 3), " F7");
            EXPECT_EQ(call.substr(5, call.size() - 8).find_first_not_of("1 "), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace midi_test
