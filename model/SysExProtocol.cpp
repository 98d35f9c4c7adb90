#include "model/SysExProtocol.h"

#include "framework/services/SysExPacking.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kModelHeader[] = {0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E};
constexpr std::int32_t kModelHeaderSize = sizeof kModelHeader;
constexpr std::uint8_t kParameterChangeFunction = 0x41;
constexpr std::uint8_t kEndOfExclusive = 0xF7;

bool HasModelHeader(const std::uint8_t* message, std::int32_t length)
{
    if (message == nullptr || length < kModelHeaderSize)
        return false;
    for (std::int32_t i = 0; i < kModelHeaderSize; ++i) {
        const std::uint8_t received = i == 2 ? message[i] & 0xF0 : message[i];
        if (received != kModelHeader[i])
            return false;
    }
    return true;
}

// Identity codes are unsigned: joined without sign extension.
std::int32_t ReadIdentityCode(const std::uint8_t* at)
{
    return (at[1] & 0x7F) << 7 | (at[0] & 0x7F);
}

}  // namespace

void WriteSysExNumber(std::uint8_t* at, std::int32_t value)
{
    at[0] = static_cast<std::uint8_t>(value & 0x7F);
    at[1] = static_cast<std::uint8_t>((value >> 7) & 0x7F);
}

std::int32_t ReadSysExNumber(const std::uint8_t* at)
{
    const std::int32_t joined = (at[1] & 0x7F) << 7 | (at[0] & 0x7F);
    return (joined & 0x2000) != 0 ? joined - 0x4000 : joined;
}

std::vector<std::uint8_t> BuildSysExMessage(SysExTemplateIndex index, std::int32_t channel, std::int32_t number,
                                            std::span<const std::uint8_t> image)
{
    const SysExTemplateDescriptor& descriptor = SysExTemplateDescriptors[index];
    const std::uint8_t* pattern = SysExTemplateTable[index];
    std::vector<std::uint8_t> message(pattern, pattern + descriptor.length);
    if (index != DeviceInquiryRequest)
        message[2] = static_cast<std::uint8_t>(0x30 | (channel & 0x0F));
    if (descriptor.numberOffset != 0)
        WriteSysExNumber(message.data() + descriptor.numberOffset, number);
    if (descriptor.payloadOffset != 0) {
        const int imageSize = static_cast<int>(image.size());
        message.resize(GetDumpMessageSize(index, imageSize));
        PackSysExData(message.data() + descriptor.payloadOffset, image.data(), imageSize);
        message.back() = kEndOfExclusive;
    }
    return message;
}

std::int32_t GetDumpMessageSize(SysExTemplateIndex index, std::int32_t imageSize)
{
    return SysExTemplateDescriptors[index].payloadOffset + GetPackedSysExSize(imageSize) + 1;
}

std::array<std::uint8_t, kParameterChangeSize> BuildParameterChangeMessage(std::int32_t channel,
                                                                           const ParameterChangeMessage& change)
{
    std::array<std::uint8_t, kParameterChangeSize> message{};
    std::copy(std::begin(kModelHeader), std::end(kModelHeader), message.begin());
    message[2] = static_cast<std::uint8_t>(0x30 | (channel & 0x0F));
    message[6] = kParameterChangeFunction;
    WriteSysExNumber(&message[7], change.idHigh);
    WriteSysExNumber(&message[9], change.idLow);
    WriteSysExNumber(&message[11], change.value);
    message[13] = kEndOfExclusive;
    return message;
}

bool ReadParameterChangeMessage(const std::uint8_t* message, std::int32_t length, ParameterChangeMessage& change)
{
    if (length != kParameterChangeSize || !HasModelHeader(message, length) || message[6] != kParameterChangeFunction ||
        message[13] != kEndOfExclusive)
        return false;
    change = {ReadSysExNumber(&message[7]), ReadSysExNumber(&message[9]), ReadSysExNumber(&message[11])};
    return true;
}

bool LearnGlobalChannel(const std::uint8_t* message, std::int32_t length, std::int32_t& channel)
{
    if (length <= kModelHeaderSize || !HasModelHeader(message, length))
        return false;
    channel = message[2] & 0x0F;
    return true;
}

bool ReadDeviceInquiryReply(const std::uint8_t* message, std::int32_t length, DeviceIdentity& identity)
{
    if (message == nullptr || length != kDeviceInquiryReplySize)
        return false;
    const std::uint8_t* pattern = SysExTemplateTable[DeviceInquiryReply];
    for (std::int32_t i = 0; i < SysExTemplateDescriptors[DeviceInquiryReply].compareLength; ++i) {
        // Any device id answers.
        if (i != 2 && message[i] != pattern[i])
            return false;
    }
    identity = {message[2] & 0x0F, ReadIdentityCode(&message[6]), ReadIdentityCode(&message[8]),
                ReadIdentityCode(&message[10]), ReadIdentityCode(&message[12])};
    return true;
}

std::uint32_t AllNotesOffMessage(std::int32_t channel)
{
    constexpr std::uint32_t kControlChange = 0xB0;
    constexpr std::uint32_t kAllNotesOff = 123;
    return (kControlChange | (static_cast<std::uint32_t>(channel) & 0x0F)) | kAllNotesOff << 8;
}
