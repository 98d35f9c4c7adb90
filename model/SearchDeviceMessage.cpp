#include "model/SearchDeviceMessage.h"

namespace {

constexpr std::uint8_t kReplyHeader[] = {0xF0, 0x7D, 0x50, 0x01};

// Two 7-bit bytes, low first, joined with a factor of 256 as the device does.
std::uint32_t ReadSearchValue(const std::uint8_t* at)
{
    return (static_cast<std::uint32_t>(at[1] & 0x7F) << 8) | (at[0] & 0x7Fu);
}

}  // namespace

std::array<std::uint8_t, kSearchRequestSize> BuildSearchRequest(std::int32_t outPortIndex)
{
    return {0xF0, 0x7D, 0x50, 0x00, static_cast<std::uint8_t>((outPortIndex + 1) & 0x7F), 0xF7};
}

bool ReadSearchReply(const std::uint8_t* message, std::int32_t length, DeviceRecord& record)
{
    if (length != kSearchReplySize)
        return false;
    for (std::size_t i = 0; i < sizeof kReplyHeader; ++i) {
        if (message[i] != kReplyHeader[i])
            return false;
    }
    record.channel = message[4] & 0x0F;
    record.flag = (message[4] >> 4) & 0x01;
    record.outPortIndex = static_cast<std::int32_t>(message[5]) - 1;
    record.family = ReadSearchValue(&message[6]);
    record.member = ReadSearchValue(&message[8]);
    record.version1 = ReadSearchValue(&message[12]);
    record.version2 = ReadSearchValue(&message[10]);
    return true;
}
