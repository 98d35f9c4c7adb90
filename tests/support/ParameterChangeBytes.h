#pragma once
// The 14 bytes of a parameter change on channel 1 as the device hears it,
// built field by field.
#include <cstdint>
#include <vector>

std::vector<std::uint8_t> ParameterChangeBytes(std::uint32_t idHigh, std::uint32_t idLow, std::int32_t value);
