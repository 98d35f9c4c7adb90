#pragma once
// How the N6's numbering of knob assignments, patch sources, vocoder
// formants and PCM waves maps onto this model's. A number outside a table
// maps to 0.
#include <cstdint>

std::uint8_t N6KnobAssign(std::uint8_t n6);
std::uint8_t N6PatchSource(std::uint8_t n6);
std::uint8_t N6Formant(std::uint8_t n6);
std::uint8_t N6PcmWave(std::uint8_t n6);
// True when the N6 wave has no faithful counterpart here.
bool N6PcmWaveLoses(std::uint8_t n6);
