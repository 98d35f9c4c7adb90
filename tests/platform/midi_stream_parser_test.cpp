// The split of a raw input stream into short messages and System Exclusive
// runs, as the port layer sees it from every backend.
#include "platform/src/midi/stream_parser.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using platform::midi::StreamParser;

// Events written as text: "S:903C40" a short message (bytes in wire order),
// "X:F00102" a run of System Exclusive bytes, "E" the end of a message.
class Recorder : public platform::midi::StreamEvents
{
public:
    void ShortMessage(DWORD packed) override
    {
        const int length = platform::midi::ShortMessageLength(static_cast<BYTE>(packed));
        std::string text = "S:";
        for (int i = 0; i < length; ++i)
            text += Hex(static_cast<BYTE>(packed >> (8 * i)));
        events.push_back(text);
    }
    void SysExBytes(const BYTE* data, std::size_t size) override
    {
        std::string text = "X:";
        for (std::size_t i = 0; i < size; ++i)
            text += Hex(data[i]);
        events.push_back(text);
    }
    void SysExEnded() override { events.push_back("E"); }

    std::vector<std::string> events;

private:
    static std::string Hex(BYTE byte)
    {
        static const char digits[] = "0123456789ABCDEF";
        return {digits[byte >> 4], digits[byte & 15]};
    }
};

struct Case
{
    const char* name;
    std::vector<std::vector<BYTE>> chunks;
    std::vector<std::string> expected;
};

class StreamParserTest : public testing::TestWithParam<Case>
{};

TEST_P(StreamParserTest, SplitsStream)
{
    StreamParser parser;
    Recorder recorder;
    for (const auto& chunk : GetParam().chunks)
        parser.Feed(chunk.data(), chunk.size(), recorder);
    EXPECT_EQ(recorder.events, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Streams, StreamParserTest,
    testing::Values(
        Case{"ChannelMessagesByLength",
             {{0x90, 0x3C, 0x40, 0xC5, 0x07, 0xE0, 0x00, 0x40}},
             {"S:903C40", "S:C507", "S:E00040"}},
        Case{"RunningStatusIsExpanded",
             {{0x90, 0x3C, 0x40, 0x3E, 0x41, 0xC0, 0x01, 0x02}},
             {"S:903C40", "S:903E41", "S:C001", "S:C002"}},
        Case{"SystemCommonLengthsAndNoRunningStatus",
             {{0xF1, 0x10, 0xF2, 0x01, 0x02, 0xF3, 0x05, 0xF6, 0x7F}},
             {"S:F110", "S:F20102", "S:F305", "S:F6"}},
        Case{"LeadingDataBytesAreSkipped", {{0x3C, 0x40, 0x90, 0x3C}}, {}},
        Case{"MessageSplitAcrossChunks", {{0x90, 0x3C}, {0x40}}, {"S:903C40"}},
        Case{"RealTimeInsideShortMessage", {{0x90, 0x3C, 0xF8, 0x40}}, {"S:F8", "S:903C40"}},
        Case{"SysExWholeThenShort",
             {{0xF0, 0x11, 0x22, 0x33, 0xF7, 0x90, 0x3C, 0x40}},
             {"X:F0", "X:112233F7", "E", "S:903C40"}},
        Case{"RealTimeInsideSysExComesAtOnce",
             {{0xF0, 0x01, 0x02, 0xF8, 0x03, 0xF7}},
             {"X:F0", "X:0102", "S:F8", "X:03F7", "E"}},
        Case{"StatusByteCutsSysEx", {{0xF0, 0x01, 0x02, 0x90, 0x3C, 0x40}}, {"X:F0", "X:0102", "E", "S:903C40"}},
        Case{"NewSysExCutsUnfinishedOne",
             {{0xF0, 0x01}, {0xF0, 0x02, 0xF7}},
             {"X:F0", "X:01", "E", "X:F0", "X:02F7", "E"}},
        Case{"SysExAcrossChunks", {{0xF0, 0x01}, {0x02}, {0x03, 0xF7}}, {"X:F0", "X:01", "X:02", "X:03F7", "E"}},
        Case{"StrayEndAndUndefinedBytesAreIgnored", {{0xF7, 0x01, 0xF4, 0x02, 0xF5, 0x90, 0x01, 0x02}}, {"S:900102"}},
        Case{"SysExDoesNotLeaveRunningStatus",
             {{0x90, 0x3C, 0x40, 0xF0, 0xF7, 0x3E, 0x41}},
             {"S:903C40", "X:F0", "X:F7", "E"}}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(StreamParser, ResetForgetsPartialMessageAndRunningStatus)
{
    StreamParser parser;
    Recorder recorder;
    const BYTE before[] = {0x90, 0x3C, 0x40, 0x3E, 0xF0, 0x01};
    parser.Feed(before, sizeof before, recorder);
    parser.Reset();
    const BYTE after[] = {0x41, 0x3E, 0x41, 0xF7};
    parser.Feed(after, sizeof after, recorder);
    EXPECT_EQ(recorder.events, (std::vector<std::string>{"S:903C40", "X:F0", "X:01"}));
}

}  // namespace
