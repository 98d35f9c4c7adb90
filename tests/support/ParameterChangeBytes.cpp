#include "support/ParameterChangeBytes.h"

#include "model/Q3917IdConverter.h"

std::vector<std::uint8_t> ParameterChangeBytes(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value)
{
    std::vector<std::uint8_t> bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x41};
    for (std::int32_t word : {static_cast<std::int32_t>(idHigh), static_cast<std::int32_t>(idLow), value}) {
        bytes.push_back(static_cast<std::uint8_t>(word & 0x7F));
        bytes.push_back(static_cast<std::uint8_t>((word >> 7) & 0x7F));
    }
    bytes.push_back(0xF7);
    return bytes;
}

std::vector<std::uint8_t> ParameterChangeBytes(const ParameterAddress& address, std::int32_t value)
{
    const CQ3917IdConverter converter;
    DeviceParameterId id{};
    if (!converter.ToDeviceId(address, id))
        return {};
    return ParameterChangeBytes(id.high, id.low, value);
}
