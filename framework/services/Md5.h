#pragma once
// The MD5 message digest (RFC 1321) of a whole buffer.
#include <cstdint>

// digest receives A, B, C, D, each little-endian. initialState, when given,
// replaces the standard starting words; the padding still counts only this
// buffer's length.
void CalculateMd5(const void* data, std::uint32_t length, std::uint8_t digest[16],
                  const std::uint32_t* initialState = nullptr);
