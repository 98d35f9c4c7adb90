#pragma once
// A copied part of a program or library: a 32-byte header naming what it
// holds and where it came from, then the raw bytes of that part.
#include "framework/services/HfcMemoryBlock.h"

#include <cstdint>

enum BlockKind : std::uint32_t
{
    kBlockNull = 0,
    kBlockProgSet = 1,
    kBlockProgram = 2,
    kBlockTimbre = 3,
    kBlockMfx = 4,
    kBlockMfxSet = 5,
    kBlockVocoder = 6,
    kBlockArp = 7,
    kBlockGlobal = 8,
    kBlockRibbon = 9,
    kBlockKindCount = 10,
};

inline constexpr int kBlockMarkerSize = 16;
inline constexpr int kBlockHeaderSize = 32;

// The 16 marker bytes of a kind as stored, trailing blanks and zeros
// included; null for a kind of 10 or more.
const char* GetBlockMarker(std::uint32_t kind);

class CBlockData : public CHfcMemoryBlock
{
public:
    // Empties the block and writes the header: the marker, the kind, the
    // program number, the part index and the extra word.
    void WriteHeader(std::uint32_t kind, std::uint32_t programNumber, std::uint32_t partIndex, std::uint32_t extraWord,
                     const char* marker);

    // A header is one whose marker is that of the kind it names.
    bool HasHeader() const;
    // The kind the header names; kind 0 without a header.
    std::uint32_t GetKind() const;
    // The header's part index; 0 without a header.
    std::uint32_t GetPartIndex() const;
    // The bytes after the header, or the whole block when it has none.
    const std::uint8_t* GetPayload() const;
    std::int32_t GetPayloadSize() const;

private:
    std::uint32_t HeaderWord(int offset) const;
};
