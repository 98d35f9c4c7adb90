// MIDI message objects (their queries, meta events, deep copies) and the
// length of a short message by its first byte.
#include "framework/services/HfcMidiMessage.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

struct LengthRange
{
    int first, last, length;
};

// Every byte value falls in exactly one range.
const LengthRange kLengthRanges[] = {
    {0x00, 0x7F, 3}, {0x80, 0xBF, 3}, {0xC0, 0xDF, 2}, {0xE0, 0xEF, 3}, {0xF0, 0xF0, 3}, {0xF1, 0xF1, 2},
    {0xF2, 0xF2, 3}, {0xF3, 0xF3, 2}, {0xF4, 0xF5, 3}, {0xF6, 0xF6, 1}, {0xF7, 0xF7, 3}, {0xF8, 0xFF, 1},
};

TEST(MidiMessageTest, ShortMessageLengthOfEveryByte)
{
    for (int status = 0; status <= 0xFF; ++status) {
        int expected = 0, ranges = 0;
        for (const LengthRange& range : kLengthRanges) {
            if (status >= range.first && status <= range.last) {
                expected = range.length;
                ++ranges;
            }
        }
        ASSERT_EQ(ranges, 1) << "byte " << status;
        EXPECT_EQ(GetShortMessageLength(static_cast<BYTE>(status)), expected) << "byte " << status;
    }
}

struct QueryCase
{
    const char* name;
    std::vector<BYTE> bytes;
    BYTE status, data1, data2;
    bool sysEx;
};

const QueryCase kQueryCases[] = {
    {"Empty", {}, 0, 0, 0, false},
    {"StatusOnly", {0xF8}, 0xF8, 0, 0, false},
    {"TwoBytes", {0xC5, 0x07}, 0xC5, 0x07, 0, false},
    {"ThreeBytes", {0x90, 0x3C, 0x40}, 0x90, 0x3C, 0x40, false},
    {"SysEx", {0xF0, 0x7D, 0x50, 0xF7}, 0xF0, 0x7D, 0x50, true},
    {"MetaEvent", {0xFF, 0x2F, 0x00}, 0, 0, 0, false},
    {"ResetIsNoMetaEvent", {0xFF}, 0xFF, 0, 0, false},
    {"ShortFFIsNoMetaEvent", {0xFF, 0x01}, 0xFF, 0x01, 0, false},
};

class MidiMessageQueryTest : public testing::TestWithParam<QueryCase>
{};

TEST_P(MidiMessageQueryTest, Answers)
{
    const QueryCase& c = GetParam();
    const CHfcMidiMessage message(c.bytes.data(), static_cast<int>(c.bytes.size()));
    EXPECT_EQ(message.GetLength(), static_cast<int>(c.bytes.size()));
    EXPECT_EQ(message.GetStatus(), c.status);
    EXPECT_EQ(message.GetData1(), c.data1);
    EXPECT_EQ(message.GetData2(), c.data2);
    EXPECT_EQ(message.IsSysEx(), c.sysEx);
    for (std::size_t i = 0; i < c.bytes.size(); ++i)
        EXPECT_EQ(*message.GetByte(static_cast<int>(i)), c.bytes[i]);
}

INSTANTIATE_TEST_SUITE_P(Messages, MidiMessageQueryTest, testing::ValuesIn(kQueryCases),
                         [](const testing::TestParamInfo<QueryCase>& info) { return std::string(info.param.name); });

TEST(MidiMessageTest, FromOneStatusByte)
{
    const CHfcMidiMessage message(BYTE{0xFA});
    EXPECT_EQ(message.GetLength(), 1);
    EXPECT_EQ(message.GetStatus(), 0xFA);
}

TEST(MidiMessageTest, KeepsItsOwnCopyOfTheBytes)
{
    std::vector<BYTE> bytes = {0xF0, 0x01, 0x02, 0xF7};
    const CHfcMidiMessage message(bytes.data(), 4);
    bytes.assign(4, 0);
    EXPECT_EQ(message.GetData1(), 0x01);
    EXPECT_TRUE(message.IsSysEx());
}

TEST(MidiMessageTest, CopiesAreDeepAndOutliveTheOriginal)
{
    const BYTE bytes[] = {0x90, 0x3C, 0x40};
    auto original = std::make_unique<CHfcMidiMessage>(bytes, 3);
    original->SetUser(7, 9);
    CHfcMidiMessage copy(*original);
    CHfcMidiMessage assigned(BYTE{0xF8});
    assigned = *original;
    EXPECT_NE(copy.GetByte(0), original->GetByte(0));
    original.reset();

    for (const CHfcMidiMessage* message : {&copy, &assigned}) {
        EXPECT_EQ(message->GetLength(), 3);
        EXPECT_EQ(message->GetData2(), 0x40);
        EXPECT_EQ(message->GetUser1(), 7u);
        EXPECT_EQ(message->GetUser2(), 9u);
    }
    assigned = assigned;
    EXPECT_EQ(assigned.GetData1(), 0x3C);
    assigned = CHfcMidiMessage();
    EXPECT_EQ(assigned.GetLength(), 0);
    EXPECT_EQ(assigned.GetStatus(), 0);
}

}  // namespace
