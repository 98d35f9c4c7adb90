#pragma once
// The program's parameter id converter and its list of special parameters.
#include "model/VpIdConverter.h"
#include "model/VpIdConverterSingleton.h"

#include <cstdint>
#include <map>
#include <tuple>
#include <utility>

class CQ3917IdConverter : public CVpIdConverterSingleton<CQ3917IdConverter>, public CVpIdConverter
{
public:
    CQ3917IdConverter();

    bool ToDeviceId(const ParameterAddress& address, DeviceParameterId& id) const override;
    bool FromDeviceId(DeviceParameterId& id, ParameterAddress& address) const override;
    bool GetSpecialNumber(const ParameterAddress& address, std::uint32_t& number) const override;
    bool GetSpecialAddress(std::uint32_t number, ParameterAddress& address) const override;

private:
    // (high, low) -> (group, index); the first row with an id keeps it.
    std::map<std::pair<std::uint32_t, std::uint32_t>, std::pair<std::uint32_t, std::uint32_t>> m_mapDeviceIds;
    // (group, timbre, index) -> number in the special list.
    std::map<std::tuple<std::uint32_t, std::uint32_t, std::uint32_t>, std::uint32_t> m_mapSpecial;
};
