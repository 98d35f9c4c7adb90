#include "model/Q3917IdConverter.h"

#include "model/Q3917DeviceIdTable.h"

#include "framework/services/EfTrace.h"

namespace {
// Numbered 0-7 in this order.
constexpr ParameterAddress kSpecialParameters[] = {
    {0, 18, 0},  // Drum Kit Timbre
    {0, 19, 0},  // Drum Kit Number
    {0, 20, 0},  // Drum Level
    {0, 21, 0},  // Drum Pan
    {0, 22, 0},  // Drum Note Shift
    {1, 0, 0},   // Timbre SW
    {2, 15, 0},  // Analog Tuning
    {2, 36, 0},  // Filter 1 Cutoff
};

bool IsTimbreGroup(std::uint32_t group)
{
    return group >= 1 && group <= 4;
}
}  // namespace

CQ3917IdConverter::CQ3917IdConverter()
{
    for (std::uint32_t group = 0; group < std::size(kQ3917DeviceIds); ++group) {
        const auto ids = kQ3917DeviceIds[group];
        for (std::uint32_t index = 0; index < ids.size(); ++index)
            m_mapDeviceIds.try_emplace({ids[index].high, ids[index].low}, group, index);
    }
    for (std::uint32_t number = 0; number < std::size(kSpecialParameters); ++number) {
        const ParameterAddress& address = kSpecialParameters[number];
        m_mapSpecial.try_emplace({address.group, address.timbre, address.index}, number);
    }
}

bool CQ3917IdConverter::ToDeviceId(const ParameterAddress& address, DeviceParameterId& id) const
{
    if (address.group >= std::size(kQ3917DeviceIds) || address.index >= kQ3917DeviceIds[address.group].size())
        return false;
    id = kQ3917DeviceIds[address.group][address.index];
    if (IsTimbreGroup(address.group)) {
        // Only two timbres exist; a higher nibble would name another group's id.
        if (address.timbre > 1)
            return false;
        id.high |= ((address.timbre * 16) + 16) & 0xF0;
    }
    return true;
}

bool CQ3917IdConverter::FromDeviceId(DeviceParameterId& id, ParameterAddress& address) const
{
    const int nibble = static_cast<int>((id.high >> 4) & 0x0F);
    const bool hasTimbre = nibble == 1 || nibble == 2;
    if (hasTimbre)
        id.high &= 0x0F;

    const auto found = m_mapDeviceIds.find({id.high, id.low});
    // A timbre nibble on a parameter outside the timbre groups names nothing.
    if (found == m_mapDeviceIds.end() || (hasTimbre && !IsTimbreGroup(found->second.first))) {
        EfTrace("not found device id: %02x:%02x", id.high, id.low);
        return false;
    }
    address = {found->second.first, found->second.second, hasTimbre ? static_cast<std::uint32_t>(nibble - 1) : 0u};
    return true;
}

bool CQ3917IdConverter::GetSpecialNumber(const ParameterAddress& address, std::uint32_t& number) const
{
    const auto found = m_mapSpecial.find({address.group, address.timbre, address.index});
    if (found == m_mapSpecial.end())
        return false;
    number = found->second;
    return true;
}

bool CQ3917IdConverter::GetSpecialAddress(std::uint32_t number, ParameterAddress& address) const
{
    if (number >= std::size(kSpecialParameters))
        return false;
    address = kSpecialParameters[number];
    return true;
}
