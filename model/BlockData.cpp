#include "model/BlockData.h"

#include <cstring>

namespace {

constexpr int kKindOffset = 16;
constexpr int kProgramOffset = 20;
constexpr int kPartOffset = 24;
constexpr int kExtraOffset = 28;

// Each kind's name padded with blanks to 15 characters and a zero; the
// ribbon's name ends in a tab and zeros instead.
constexpr char kMarkers[kBlockKindCount][kBlockMarkerSize] = {
    {'Q', '4', '7', '3', '0', '0', 'N', 'u', 'l', 'l', ' ', ' ', ' ', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'P', 'r', 'o', 'g', 'S', 'e', 't', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'P', 'r', 'o', 'g', 'r', 'a', 'm', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'T', 'i', 'm', 'b', 'r', 'e', ' ', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'M', 'f', 'x', ' ', ' ', ' ', ' ', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'M', 'f', 'x', 'S', 'e', 't', ' ', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'V', 'o', 'c', 'o', 'd', 'e', 'r', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'A', 'r', 'p', ' ', ' ', ' ', ' ', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'G', 'l', 'o', 'b', 'a', 'l', ' ', ' ', ' ', 0},
    {'Q', '4', '7', '3', '0', '0', 'R', 'i', 'b', 'b', 'o', 'n', '\t', 0, 0, 0},
};

void PutWord(std::uint8_t* at, std::uint32_t value)
{
    for (int i = 0; i < 4; ++i)
        at[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

}  // namespace

const char* GetBlockMarker(std::uint32_t kind)
{
    return kind < kBlockKindCount ? kMarkers[kind] : nullptr;
}

void CBlockData::WriteHeader(std::uint32_t kind, std::uint32_t programNumber, std::uint32_t partIndex,
                             std::uint32_t extraWord, const char* marker)
{
    std::uint8_t header[kBlockHeaderSize] = {};
    if (marker != nullptr)
        std::memcpy(header, marker, kBlockMarkerSize);
    PutWord(header + kKindOffset, kind);
    PutWord(header + kProgramOffset, programNumber);
    PutWord(header + kPartOffset, partIndex);
    PutWord(header + kExtraOffset, extraWord);
    Assign(header, kBlockHeaderSize);
}

std::uint32_t CBlockData::HeaderWord(int offset) const
{
    std::uint32_t value = 0;
    for (int i = 3; i >= 0; --i)
        value = (value << 8) | GetData()[offset + i];
    return value;
}

bool CBlockData::HasHeader() const
{
    if (GetSize() < kBlockHeaderSize)
        return false;
    const char* marker = GetBlockMarker(HeaderWord(kKindOffset));
    return marker != nullptr && std::memcmp(GetData(), marker, kBlockMarkerSize) == 0;
}

std::uint32_t CBlockData::GetKind() const
{
    return HasHeader() ? HeaderWord(kKindOffset) : kBlockNull;
}

std::uint32_t CBlockData::GetPartIndex() const
{
    return HasHeader() ? HeaderWord(kPartOffset) : 0;
}

const std::uint8_t* CBlockData::GetPayload() const
{
    return HasHeader() ? GetData() + kBlockHeaderSize : GetData();
}

std::int32_t CBlockData::GetPayloadSize() const
{
    return HasHeader() ? GetSize() - kBlockHeaderSize : GetSize();
}
