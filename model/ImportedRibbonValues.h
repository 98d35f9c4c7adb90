#pragma once
// Older programs know nothing of the long ribbon; imported ones get the
// settings that make it act as on a program of this model.
#include <cstdint>

// Writes the fixed ribbon values into a 352-byte program image: patch 6 of
// both timbres from the long ribbon to filter 1 cutoff at full intensity,
// the octave's low bits from byte 15, the master effects' ribbon settings
// and bytes 346-351.
void WriteImportedRibbonValues(std::uint8_t* image);
