#pragma once
// 8-bit data carried in 7-bit System Exclusive bytes: each group of up to
// seven data bytes follows a header byte whose bit j is bit 7 of data byte j.
#include <cstdint>

// Writes GetPackedSysExSize(count) bytes; nothing for count <= 0.
void PackSysExData(std::uint8_t* destination, const std::uint8_t* source, int count);

// Produces count bytes from GetPackedSysExSize(count) packed ones; nothing
// for count <= 0. Packed data bytes are taken as they are: a stray bit 7 in
// one survives.
void UnpackSysExData(std::uint8_t* destination, const std::uint8_t* source, int count);

// count + ceil(count / 7); 0 for count <= 0.
int GetPackedSysExSize(int count);
