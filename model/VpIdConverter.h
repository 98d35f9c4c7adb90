#pragma once
// Maps a parameter address to the two-byte id the device uses in its
// parameter-change message, and back.
#include "model/VpParameterTable.h"

#include <cstdint>

// Each field carries one byte; (255, 255) marks a parameter without an id.
struct DeviceParameterId
{
    std::uint32_t high;
    std::uint32_t low;
};

inline constexpr std::uint32_t kNoDeviceIdByte = 0xFF;

class CVpIdConverter
{
public:
    virtual ~CVpIdConverter() = default;

    virtual bool ToDeviceId(const ParameterAddress& address, DeviceParameterId& id) const = 0;
    // Strips a timbre nibble from id.high in place.
    virtual bool FromDeviceId(DeviceParameterId& id, ParameterAddress& address) const = 0;
    virtual bool GetSpecialNumber(const ParameterAddress& address, std::uint32_t& number) const = 0;
    virtual bool GetSpecialAddress(std::uint32_t number, ParameterAddress& address) const = 0;
};
