// Received System Exclusive messages told by their templates: the channel
// nibble ignored, longer messages matched by their header, short ones and
// unknown indexes refused.
#include "model/MatchSysExTemplate.h"
#include "model/SysExTemplateTable.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ModelMessage(std::uint8_t channel, std::initializer_list<std::uint8_t> tail)
{
    Bytes message{0xF0, 0x7D, static_cast<std::uint8_t>(0x30 | channel), 0x00, 0x01, 0x6E};
    message.insert(message.end(), tail);
    return message;
}

Bytes WithPayload(Bytes message, std::size_t payloadBytes)
{
    message.insert(message.end(), payloadBytes, 0x11);
    message.push_back(0xF7);
    return message;
}

TEST(MatchSysExTemplate, TableOfMessages)
{
    struct Case
    {
        const char* label;
        std::int32_t index;
        Bytes message;
        bool matches;
    };
    const Case cases[] = {
        {"write error on channel 1", WriteErrorReply, ModelMessage(0, {0x24, 0xF7}), true},
        {"write error on channel 6", WriteErrorReply, ModelMessage(5, {0x24, 0xF7}), true},
        {"write error on channel 16", WriteErrorReply, ModelMessage(15, {0x24, 0xF7}), true},
        {"data error", DataErrorReply, ModelMessage(3, {0x26, 0xF7}), true},
        {"write completed is not a write error", WriteErrorReply, ModelMessage(0, {0x23, 0xF7}), false},
        {"exact compare length", CurrentProgramDump, ModelMessage(0, {0x40}), true},
        {"one byte short although every byte agrees", WriteErrorReply, ModelMessage(0, {0x24}), false},
        {"current program dump of 411 bytes", CurrentProgramDump, WithPayload(ModelMessage(9, {0x40}), 403), true},
        {"program dump matched by its header", ProgramDump, WithPayload(ModelMessage(2, {0x4C, 0x47, 0x01}), 403),
         true},
        {"global dump is not a program dump", CurrentProgramDump, WithPayload(ModelMessage(0, {0x51}), 188), false},
        {"another maker", WriteErrorReply, Bytes{0xF0, 0x7C, 0x30, 0x00, 0x01, 0x6E, 0x24, 0xF7}, false},
        {"another model", WriteErrorReply, Bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6F, 0x24, 0xF7}, false},
        {"high nibble of byte 2 counts", WriteErrorReply, Bytes{0xF0, 0x7D, 0x40, 0x00, 0x01, 0x6E, 0x24, 0xF7}, false},
        {"inquiry reply on channel 1", DeviceInquiryReply,
         Bytes{0xF0, 0x7E, 0x00, 0x06, 0x02, 0x7D, 0x6E, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7}, true},
        {"inquiry reply on channel 12", DeviceInquiryReply,
         Bytes{0xF0, 0x7E, 0x0B, 0x06, 0x02, 0x7D, 0x6E, 0x01, 0x01, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7}, true},
        {"inquiry request is not a reply", DeviceInquiryReply, Bytes{0xF0, 0x7E, 0x00, 0x06, 0x01, 0xF7}, false},
        {"index 16", 16, ModelMessage(0, {0x24, 0xF7}), false},
        {"negative index", -1, ModelMessage(0, {0x24, 0xF7}), false},
        {"empty message", WriteErrorReply, Bytes{}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        // An exact-size heap copy, so a read past the message shows.
        const Bytes copy = c.message;
        EXPECT_EQ(MatchSysExTemplate(c.index, copy.data(), static_cast<std::int32_t>(copy.size())), c.matches);
        EXPECT_EQ(copy, c.message) << "the message is only read";
    }
}

TEST(MatchSysExTemplate, EveryModelTemplateMatchesItsOwnBytesOnEveryChannel)
{
    for (std::int32_t index = 1; index < kSysExTemplateCount; ++index) {
        if (index == DeviceInquiryReply)
            continue;
        const SysExTemplateDescriptor& descriptor = SysExTemplateDescriptors[index];
        for (std::uint8_t channel = 0; channel < 16; ++channel) {
            SCOPED_TRACE(testing::Message() << "template " << index << " channel " << int(channel));
            Bytes message(SysExTemplateTable[index], SysExTemplateTable[index] + descriptor.length);
            message[2] = static_cast<std::uint8_t>(0x30 | channel);
            EXPECT_TRUE(MatchSysExTemplate(index, message.data(), descriptor.length));
            EXPECT_FALSE(MatchSysExTemplate(index, message.data(), descriptor.compareLength - 1));
        }
    }
}

TEST(MatchSysExTemplate, NullMessageIsNoMatch)
{
    EXPECT_FALSE(MatchSysExTemplate(WriteErrorReply, nullptr, 8));
}

}  // namespace
