#pragma once
// Sizes of the chunks of a foreign file, checked before they move the
// reader, so a damaged or hostile file cannot loop or send it past its end.
#include "framework/services/HfcFile.h"

#include <cstdint>

// The file's length, measured without moving its position; 0 when unknown.
std::int64_t MeasureFileLength(CHfcFile& file);

enum class ChunkFit
{
    kFits,
    // A header under its minimum or a negative body: nothing of it can be trusted.
    kBadSizes,
    // Sound sizes, but the file ends first: a file cut short.
    kPastEnd,
};

struct ChunkBounds
{
    ChunkFit fit;
    std::int64_t end;  // after the header and the body
};

// A minimum header of at least one byte means every chunk moves the reader on.
ChunkBounds CheckChunk(std::int64_t start, std::int64_t headerSize, std::int64_t bodySize, std::int64_t minimumHeader,
                       std::int64_t fileLength);
