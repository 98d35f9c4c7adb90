#pragma once
// The 14 bytes of a parameter change on channel 1 as the device hears it,
// built field by field.
#include "model/VpParameterTable.h"

#include <cstdint>
#include <vector>

std::vector<std::uint8_t> ParameterChangeBytes(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value);
// The same for the program parameter at the address, through its device id.
std::vector<std::uint8_t> ParameterChangeBytes(const ParameterAddress& address, std::int32_t value);
