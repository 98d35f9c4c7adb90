// The device's messages byte for byte: requests and dumps built from the
// template table, parameter changes both ways, the inquiry reply, channel
// learning, and how a waiting transfer reads each answer.
#include "model/Q3917GlobalData.h"
#include "model/Q3917ProgramData.h"
#include "model/SysExProtocol.h"
#include "model/SysExReply.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes ModelMessage(std::uint8_t channel, std::initializer_list<std::uint8_t> tail)
{
    Bytes message{0xF0, 0x7D, static_cast<std::uint8_t>(0x30 | channel), 0x00, 0x01, 0x6E};
    message.insert(message.end(), tail);
    return message;
}

// Every byte value, so bit 7 has to travel in the packing headers.
Bytes PatternImage(std::size_t size)
{
    Bytes image(size);
    for (std::size_t i = 0; i < size; ++i)
        image[i] = static_cast<std::uint8_t>(i * 37 + 11);
    return image;
}

Bytes Dump(SysExTemplateIndex index, std::uint8_t channel, std::int32_t number, std::size_t imageSize)
{
    return BuildSysExMessage(index, channel, number, PatternImage(imageSize));
}

std::int32_t Length(const Bytes& message)
{
    return static_cast<std::int32_t>(message.size());
}

TEST(SysExProtocol, RequestsCarryChannelAndProgramNumber)
{
    struct Case
    {
        SysExTemplateIndex index;
        std::int32_t channel;
        std::int32_t number;
        Bytes expected;
    };
    const Case cases[] = {
        {DeviceInquiryRequest, 0, 0, {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}},
        {DeviceInquiryRequest, 15, 0, {0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}},
        {CurrentProgramDumpRequest, 0, 0, ModelMessage(0x0, {0x10, 0xF7})},
        {CurrentProgramDumpRequest, 15, 0, ModelMessage(0xF, {0x10, 0xF7})},
        {ProgramDumpRequest, 0, 0, ModelMessage(0x0, {0x1C, 0x00, 0x00, 0xF7})},
        {ProgramDumpRequest, 15, 0, ModelMessage(0xF, {0x1C, 0x00, 0x00, 0xF7})},
        {ProgramDumpRequest, 0, 199, ModelMessage(0x0, {0x1C, 0x47, 0x01, 0xF7})},
        {ProgramDumpRequest, 15, 199, ModelMessage(0xF, {0x1C, 0x47, 0x01, 0xF7})},
        {GlobalDumpRequest, 0, 0, ModelMessage(0x0, {0x0E, 0xF7})},
        {GlobalDumpRequest, 15, 0, ModelMessage(0xF, {0x0E, 0xF7})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "template " << c.index << " channel " << c.channel << " number "
                                        << c.number);
        EXPECT_EQ(BuildSysExMessage(c.index, c.channel, c.number), c.expected);
    }
}

TEST(SysExProtocol, DumpsPackTheImageBetweenHeaderAndEnd)
{
    struct Case
    {
        SysExTemplateIndex index;
        std::uint8_t channel;
        std::int32_t number;
        std::size_t imageSize;
        Bytes header;
        std::size_t length;
    };
    const Case cases[] = {
        {CurrentProgramDump, 0, 0, CQ3917ProgramData::kImageSize, ModelMessage(0x0, {0x40}), 411},
        {ProgramDump, 15, 5, CQ3917ProgramData::kImageSize, ModelMessage(0xF, {0x4C, 0x05, 0x00}), 413},
        {ProgramDump, 0, 199, CQ3917ProgramData::kImageSize, ModelMessage(0x0, {0x4C, 0x47, 0x01}), 413},
        {GlobalDump, 15, 0, CQ3917GlobalData::kImageSize, ModelMessage(0xF, {0x51}), 196},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "template " << c.index << " channel " << int(c.channel));
        const Bytes message = Dump(c.index, c.channel, c.number, c.imageSize);
        ASSERT_EQ(message.size(), c.length);
        EXPECT_TRUE(std::equal(c.header.begin(), c.header.end(), message.begin()));
        EXPECT_EQ(message.back(), 0xF7);
        EXPECT_TRUE(std::all_of(message.begin() + 1, message.end() - 1, [](std::uint8_t b) { return b < 0x80; }));

        Bytes image(c.imageSize);
        EXPECT_EQ(AcceptDump(c.index, message.data(), Length(message), image), DumpAcceptance::Accepted);
        EXPECT_EQ(image, PatternImage(c.imageSize));
    }
}

TEST(SysExProtocol, DumpLengthsAtAndJustUnderTheMinimum)
{
    struct Case
    {
        SysExTemplateIndex index;
        std::size_t imageSize;
    };
    const Case cases[] = {
        {CurrentProgramDump, CQ3917ProgramData::kImageSize},
        {ProgramDump, CQ3917ProgramData::kImageSize},
        {GlobalDump, CQ3917GlobalData::kImageSize},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "template " << c.index);
        const Bytes whole = Dump(c.index, 3, 7, c.imageSize);
        Bytes image(c.imageSize, 0xAA);
        Bytes oneShort = whole;
        oneShort.erase(oneShort.end() - 2);
        EXPECT_EQ(AcceptDump(c.index, oneShort.data(), Length(oneShort), image), DumpAcceptance::Truncated);
        EXPECT_EQ(image, Bytes(c.imageSize, 0xAA)) << "nothing is unpacked from a short dump";
        EXPECT_EQ(AcceptDump(c.index, whole.data(), Length(whole), image), DumpAcceptance::Accepted);
        const Bytes request = BuildSysExMessage(GlobalDumpRequest, 3);
        EXPECT_EQ(AcceptDump(c.index, request.data(), Length(request), image), DumpAcceptance::NotMatched);
    }
}

TEST(SysExProtocol, ParameterChangeBothWays)
{
    struct Case
    {
        ParameterChangeMessage change;
        std::uint8_t channel;
        Bytes expected;
    };
    const Case cases[] = {
        {{0x10, 0x05, -1}, 0, ModelMessage(0x0, {0x41, 0x10, 0x00, 0x05, 0x00, 0x7F, 0x7F, 0xF7})},
        {{0x10, 0x05, -1}, 15, ModelMessage(0xF, {0x41, 0x10, 0x00, 0x05, 0x00, 0x7F, 0x7F, 0xF7})},
        {{0, 7, 8191}, 0, ModelMessage(0x0, {0x41, 0x00, 0x00, 0x07, 0x00, 0x7F, 0x3F, 0xF7})},
        {{0x7F, 0x83, -8192}, 15, ModelMessage(0xF, {0x41, 0x7F, 0x00, 0x03, 0x01, 0x00, 0x40, 0xF7})},
        {{2, 0, 0}, 9, ModelMessage(0x9, {0x41, 0x02, 0x00, 0x00, 0x00, 0x00, 0x00, 0xF7})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.change.value << " channel " << int(c.channel));
        const auto built = BuildParameterChangeMessage(c.channel, c.change);
        EXPECT_EQ(Bytes(built.begin(), built.end()), c.expected);

        ParameterChangeMessage read{-5, -5, -5};
        ASSERT_TRUE(ReadParameterChangeMessage(c.expected.data(), Length(c.expected), read));
        EXPECT_EQ(read.idHigh, c.change.idHigh);
        EXPECT_EQ(read.idLow, c.change.idLow);
        EXPECT_EQ(read.value, c.change.value);
    }
}

TEST(SysExProtocol, ForeignFourteenByteMessagesAreNoParameterChanges)
{
    const Bytes good = ModelMessage(4, {0x41, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0xF7});
    struct Case
    {
        const char* label;
        std::size_t at;
        std::uint8_t value;
    };
    const Case cases[] = {
        {"another model", 5, 0x6F},
        {"another function", 6, 0x40},
        {"no closing F7", 13, 0x00},
        {"another maker", 1, 0x7C},
        {"not the model nibble in byte 2", 2, 0x44},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        Bytes message = good;
        message[c.at] = c.value;
        ParameterChangeMessage read{};
        EXPECT_FALSE(ReadParameterChangeMessage(message.data(), Length(message), read));
    }
    ParameterChangeMessage read{};
    Bytes longer = good;
    longer.insert(longer.end() - 1, 0x00);
    EXPECT_FALSE(ReadParameterChangeMessage(longer.data(), Length(longer), read));
    EXPECT_FALSE(ReadParameterChangeMessage(good.data(), Length(good) - 1, read));
    EXPECT_TRUE(ReadParameterChangeMessage(good.data(), Length(good), read));
}

TEST(SysExProtocol, FourteenBitNumbers)
{
    struct Case
    {
        std::uint8_t low;
        std::uint8_t high;
        std::int32_t value;
    };
    const Case cases[] = {
        {0x00, 0x00, 0}, {0x47, 0x01, 199}, {0x7F, 0x3F, 8191}, {0x00, 0x40, -8192}, {0x7F, 0x7F, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.value);
        const std::uint8_t wire[] = {c.low, c.high};
        EXPECT_EQ(ReadSysExNumber(wire), c.value);
        std::uint8_t written[2] = {0xFF, 0xFF};
        WriteSysExNumber(written, c.value);
        EXPECT_EQ(written[0], c.low);
        EXPECT_EQ(written[1], c.high);
    }
}

TEST(SysExProtocol, ChannelLearning)
{
    struct Case
    {
        const char* label;
        Bytes message;
        std::int32_t channel;  // -1: left as it was
    };
    const Case cases[] = {
        {"write reply on channel 16", ModelMessage(0xF, {0x23, 0xF7}), 15},
        {"parameter change on channel 10", ModelMessage(0x9, {0x41, 0, 0, 0, 0, 0, 0, 0xF7}), 9},
        {"unknown function still teaches", ModelMessage(0x5, {0x12}), 5},
        {"six bytes are too short", ModelMessage(0x5, {}), -1},
        {"another model", Bytes{0xF0, 0x7D, 0x35, 0x00, 0x01, 0x6F, 0x23, 0xF7}, -1},
        {"search reply", Bytes{0xF0, 0x7D, 0x50, 0x01, 0x05, 0x01, 0x6E, 0x02, 0x01, 0x00, 0, 0, 0, 0, 0xF7}, -1},
        {"universal inquiry", Bytes{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7}, -1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        std::int32_t channel = 2;
        EXPECT_EQ(LearnGlobalChannel(c.message.data(), Length(c.message), channel), c.channel >= 0);
        EXPECT_EQ(channel, c.channel >= 0 ? c.channel : 2);
    }
}

Bytes InquiryReply(std::uint8_t deviceId, std::uint8_t maker, std::uint8_t familyLow, std::uint8_t familyHigh)
{
    return {0xF0, 0x7E, deviceId, 0x06, 0x02, maker, familyLow, familyHigh, 0x01, 0x00, 0x02, 0x00, 0x03, 0x00, 0xF7};
}

TEST(SysExProtocol, InquiryReply)
{
    DeviceIdentity identity{};
    const Bytes ours = InquiryReply(0x0B, 0x7D, 0x6E, 0x01);
    ASSERT_TRUE(ReadDeviceInquiryReply(ours.data(), Length(ours), identity));
    EXPECT_EQ(identity.channel, 11);
    EXPECT_EQ(identity.family, kDeviceFamilyCode);
    EXPECT_EQ(identity.member, 1);
    EXPECT_EQ(identity.version1, 2);
    EXPECT_EQ(identity.version2, 3);

    const Bytes otherMaker = InquiryReply(0x00, 0x41, 0x10, 0x02);
    ASSERT_TRUE(ReadDeviceInquiryReply(otherMaker.data(), Length(otherMaker), identity));
    EXPECT_NE(identity.family, kDeviceFamilyCode);

    Bytes longer = ours;
    longer.insert(longer.end() - 1, 0x00);
    EXPECT_FALSE(ReadDeviceInquiryReply(longer.data(), Length(longer), identity));
    EXPECT_FALSE(ReadDeviceInquiryReply(ours.data(), Length(ours) - 1, identity));
    const Bytes request{0xF0, 0x7E, 0x7F, 0x06, 0x01, 0xF7, 0, 0, 0, 0, 0, 0, 0, 0, 0xF7};
    EXPECT_FALSE(ReadDeviceInquiryReply(request.data(), Length(request), identity));
}

TEST(SysExProtocol, AllNotesOffOnEveryChannel)
{
    EXPECT_EQ(AllNotesOffMessage(0), 0x007BB0u);
    EXPECT_EQ(AllNotesOffMessage(15), 0x007BBFu);
}

TEST(SysExReply, WhatEndsEachWait)
{
    const Bytes program = Dump(ProgramDump, 1, 42, CQ3917ProgramData::kImageSize);
    const Bytes current = Dump(CurrentProgramDump, 1, 0, CQ3917ProgramData::kImageSize);
    const Bytes global = Dump(GlobalDump, 1, 0, CQ3917GlobalData::kImageSize);
    const Bytes shortProgram(program.begin(), program.end() - 2);
    const Bytes shortGlobal(global.begin(), global.end() - 2);
    const Bytes completed = ModelMessage(1, {0x23, 0xF7});
    const Bytes writeError = ModelMessage(1, {0x24, 0xF7});
    const Bytes dataError = ModelMessage(1, {0x26, 0xF7});
    const Bytes inquiry = InquiryReply(0x01, 0x7D, 0x6E, 0x01);
    const Bytes change = ModelMessage(1, {0x41, 0, 0, 0, 0, 0, 0, 0xF7});

    using V = ReplyVerdict;
    struct Case
    {
        const char* label;
        ReplyKind awaited;
        const Bytes& message;
        V verdict;
    };
    const Case cases[] = {
        {"inquiry answered", ReplyKind::InquiryReply, inquiry, V::Success},
        {"inquiry ignores a refusal", ReplyKind::InquiryReply, writeError, V::Ignored},
        {"program write completed", ReplyKind::ProgramWriteReply, completed, V::Success},
        {"global write refused", ReplyKind::GlobalWriteReply, writeError, V::Failure},
        {"write with a data error", ReplyKind::ProgramWriteReply, dataError, V::Failure},
        {"write ignores a parameter change", ReplyKind::ProgramWriteReply, change, V::Ignored},
        {"program dump of any number", ReplyKind::ProgramDumpReply, program, V::Success},
        {"current program answers a program request", ReplyKind::ProgramDumpReply, current, V::Success},
        {"short program dump", ReplyKind::ProgramDumpReply, shortProgram, V::Failure},
        {"program request refused", ReplyKind::ProgramDumpReply, dataError, V::Failure},
        {"program wait ignores the global dump", ReplyKind::ProgramDumpReply, global, V::Ignored},
        {"program wait ignores write completed", ReplyKind::ProgramDumpReply, completed, V::Ignored},
        {"global dump", ReplyKind::GlobalDumpReply, global, V::Success},
        {"short global dump", ReplyKind::GlobalDumpReply, shortGlobal, V::Failure},
        {"global request refused", ReplyKind::GlobalDumpReply, writeError, V::Failure},
        {"global wait ignores a program dump", ReplyKind::GlobalDumpReply, program, V::Ignored},
        {"nothing awaited", ReplyKind::None, completed, V::Ignored},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        const std::size_t imageSize =
            c.awaited == ReplyKind::GlobalDumpReply ? CQ3917GlobalData::kImageSize : CQ3917ProgramData::kImageSize;
        Bytes image(imageSize);
        EXPECT_EQ(ClassifyReply(c.awaited, c.message.data(), Length(c.message), image), c.verdict);
        const bool carriesImage = &c.message != &inquiry && &c.message != &completed;
        if (c.verdict == V::Success && carriesImage) {
            EXPECT_EQ(image, PatternImage(imageSize));
        }
    }
}

}  // namespace
