#pragma once
// Translates the N6's 1,820-byte program into this model's 352-byte image.
#include <cstdint>

inline constexpr int kN6ProgramSize = 1820;

// image holds the N6 data's first 352 bytes on entry; the bytes this model
// shares keep them, the others are translated. A program that lost
// something on the way is renamed to asterisks with a letter per loss: F
// filter, W waveshaper, V vocoder, P PCM wave.
void ConvertN6Program(const std::uint8_t* n6, std::uint8_t* image);
