// Received buffers into messages: short messages, System Exclusive messages
// collected across buffers, real-time bytes inside them, abandoned messages,
// the order of progress reports, and the size limit.
#include "midi_recorder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace midi_test {
namespace {

// Parsing is the MIDI thread's work; here it is fed straight, with no thread.
class ParsingMidi : public CHfcMidi
{
public:
    using CHfcMidi::ParseInput;
};

using Buffer = std::vector<BYTE>;

struct ParseCase
{
    const char* name;
    std::vector<Buffer> buffers;
    std::vector<std::string> calls;
};

void Feed(ParsingMidi& midi, MidiCallLog& log, const std::vector<Buffer>& buffers)
{
    for (const Buffer& buffer : buffers) {
        log.SetChunkBase(buffer.data());
        midi.ParseInput(static_cast<int>(buffer.size()), buffer.data());
    }
}

const ParseCase kParseCases[] = {
    {"SysExThenNote",
     {{0xF0, 0x11, 0x22, 0x33, 0xF7, 0x90, 0x3C, 0x40}},
     {"5:5@0", "4:F0 11 22 33 F7", "3:F0 11 22 33 F7", "2:90 3C 40", "1:90 3C 40"}},
    {"SysExOverThreeBuffers",
     {{0xF0, 0x01, 0x02}, {0x03, 0x04}, {0x05, 0xF7}},
     {"5:3@0", "5:2@0", "5:2@0", "4:F0 01 02 03 04 05 F7", "3:F0 01 02 03 04 05 F7"}},
    {"TimingClockInsideSysEx",
     {{0xF0, 0x01, 0x02, 0xF8, 0x03, 0xF7}},
     {"2:F8", "1:F8", "5:6@0", "4:F0 01 02 03 F7", "3:F0 01 02 03 F7"}},
    {"EveryRealTimeByteInsideSysEx",
     {{0xF0, 0x01, 0xFA, 0xFE, 0x02}, {0xFF, 0xFC, 0x03, 0xF7}},
     {"2:FA", "1:FA", "2:FE", "1:FE", "5:5@0", "2:FF", "1:FF", "2:FC", "1:FC", "5:4@0", "4:F0 01 02 03 F7",
      "3:F0 01 02 03 F7"}},
    {"StatusAbandonsSysEx", {{0xF0, 0x01, 0x02, 0x90, 0x3C, 0x40}}, {"2:90 3C 40", "1:90 3C 40"}},
    {"StatusAtNextBufferAbandonsSysEx",
     {{0xF0, 0x01, 0x02}, {0x90, 0x3C, 0x40}},
     {"5:3@0", "2:90 3C 40", "1:90 3C 40"}},
    {"NewStartAbandonsUnfinishedSysEx",
     {{0xF0, 0x01, 0x02}, {0xF0, 0x05, 0xF7}},
     {"5:3@0", "5:3@0", "4:F0 05 F7", "3:F0 05 F7"}},
    {"SecondStartInOneBuffer", {{0xF0, 0x01, 0xF0, 0x02, 0xF7}}, {"5:5@0", "4:F0 02 F7", "3:F0 02 F7"}},
    {"StrayDataAndIncompleteNote", {{0x3C, 0x40, 0x90, 0x3C}}, {}},
    {"ProgramThenControlChange", {{0xC0, 0x05, 0xB0, 0x07, 0x64}}, {"2:C0 05", "1:C0 05", "2:B0 07 64", "1:B0 07 64"}},
    {"NoRunningStatus", {{0x90, 0x3C, 0x40, 0x3E, 0x40}}, {"2:90 3C 40", "1:90 3C 40"}},
    {"OneByteMessages", {{0xF6, 0xF8, 0xFF}}, {"2:F6", "1:F6", "2:F8", "1:F8", "2:FF", "1:FF"}},
    {"LoneEndSwallowsNothing", {{0xF7, 0x90, 0x3C, 0x40}}, {"2:90 3C 40", "1:90 3C 40"}},
    {"EmptyMessage", {{0xF0, 0xF7}}, {"5:2@0", "4:F0 F7", "3:F0 F7"}},
    // Each call reports on return while a message is open: the call for the
    // bytes after a completed message reports before the call around it.
    {"NestedProgressReportsInnerFirst",
     {{0xF0, 0x11, 0xF7, 0xF0, 0x22}},
     {"5:3@0", "4:F0 11 F7", "3:F0 11 F7", "5:2@3", "5:5@0"}},
    {"NestedProgressAfterShortMessage",
     {{0xF0, 0x11, 0xF7, 0x90, 0x3C, 0x40, 0xF0, 0x22}},
     {"5:3@0", "4:F0 11 F7", "3:F0 11 F7", "2:90 3C 40", "1:90 3C 40", "5:2@6", "5:8@0"}},
    {"NestedProgressTwoLevels",
     {{0xF0, 0x01, 0xF7, 0xF0, 0x02, 0xF7, 0xF0}},
     {"5:3@0", "4:F0 01 F7", "3:F0 01 F7", "5:3@3", "4:F0 02 F7", "3:F0 02 F7", "5:1@6", "5:4@3", "5:7@0"}},
    {"ContinuedMessageCompletesThenMore",
     {{0xF0, 0x01}, {0x02, 0xF7, 0xF0, 0x03}, {0xF7}},
     {"5:2@0", "5:2@0", "4:F0 01 02 F7", "3:F0 01 02 F7", "5:2@2", "5:4@0", "5:1@0", "4:F0 03 F7", "3:F0 03 F7"}},
};

class ParseTableTest : public testing::TestWithParam<ParseCase>
{};

TEST_P(ParseTableTest, DeliversInOrder)
{
    MidiCallLog log;
    RecordingListener listener(log);
    ParsingMidi midi;
    midi.AddListener(&listener);
    Feed(midi, log, GetParam().buffers);
    EXPECT_EQ(log.Texts(), GetParam().calls);
}

INSTANTIATE_TEST_SUITE_P(Buffers, ParseTableTest, testing::ValuesIn(kParseCases),
                         [](const testing::TestParamInfo<ParseCase>& info) { return std::string(info.param.name); });

TEST(MidiParseTest, EachListenerGetsItsCallsInTurn)
{
    MidiCallLog log;
    RecordingListener first(log, "A"), second(log, "B");
    ParsingMidi midi;
    midi.AddListener(&first);
    midi.AddListener(&second);
    Feed(midi, log, {{0xF0, 0x01, 0xF7, 0xC1, 0x02}});
    EXPECT_EQ(log.Texts(), (std::vector<std::string>{"A5:3@0", "A4:F0 01 F7", "A3:F0 01 F7", "B5:3@0", "B4:F0 01 F7",
                                                     "B3:F0 01 F7", "A2:C1 02", "A1:C1 02", "B2:C1 02", "B1:C1 02"}));
}

// Counts what arrives without copying megabytes of bytes into text.
class SizeListener : public CHfcMidiListener
{
public:
    std::vector<int> sysExLengths;
    std::vector<BYTE> lastBytes;
    int shortMessages = 0;

    void OnHfcMidiSysExData(CHfcMidi*, int length, const BYTE* bytes) override
    {
        sysExLengths.push_back(length);
        lastBytes.assign(bytes, bytes + length);
    }
    void OnHfcMidiShortData(CHfcMidi*, int, const BYTE*) override { ++shortMessages; }
};

// A message of size bytes, F0 and F7 included, fed in buffers of 2,048 bytes.
void FeedSysEx(ParsingMidi& midi, std::size_t size)
{
    std::vector<BYTE> message(size, 0x55);
    message.front() = 0xF0;
    message.back() = 0xF7;
    for (std::size_t at = 0; at < size; at += CHfcMidi::kInputBufferSize) {
        const std::size_t count = std::min<std::size_t>(CHfcMidi::kInputBufferSize, size - at);
        midi.ParseInput(static_cast<int>(count), message.data() + at);
    }
}

TEST(MidiParseTest, MessagesUpToTheLimitArriveWhole)
{
    SizeListener listener;
    ParsingMidi midi;
    midi.AddListener(&listener);
    FeedSysEx(midi, CSysExBuffer::kMaxBytes);
    ASSERT_EQ(listener.sysExLengths, std::vector<int>{static_cast<int>(CSysExBuffer::kMaxBytes)});
    EXPECT_EQ(listener.lastBytes.front(), 0xF0);
    EXPECT_EQ(listener.lastBytes[CSysExBuffer::kMaxBytes - 2], 0x55);
    EXPECT_EQ(listener.lastBytes.back(), 0xF7);
}

TEST(MidiParseTest, LongerMessagesAreDroppedAndTheNextArrives)
{
    SizeListener listener;
    ParsingMidi midi;
    midi.AddListener(&listener);
    FeedSysEx(midi, CSysExBuffer::kMaxBytes + 1);
    EXPECT_TRUE(listener.sysExLengths.empty());
    EXPECT_EQ(listener.shortMessages, 0) << "the rest of a dropped message is not taken for messages";

    const BYTE next[] = {0xF0, 0x01, 0xF7};
    midi.ParseInput(3, next);
    EXPECT_EQ(listener.sysExLengths, std::vector<int>{3});
}

}  // namespace
}  // namespace midi_test
