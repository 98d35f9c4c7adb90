#include "model/ImportChunk.h"

std::int64_t MeasureFileLength(CHfcFile& file)
{
    std::int32_t saved = 0;
    if (!file.GetPosition(saved))
        return 0;
    std::int32_t length = 0;
    if (!file.Seek(0, CHfcFile::kFromEnd) || !file.GetPosition(length)) {
        // A resource file seeks no further than its last byte.
        length = file.Seek(-1, CHfcFile::kFromEnd) && file.GetPosition(length) ? length + 1 : 0;
    }
    file.Seek(saved, CHfcFile::kFromStart);
    return length;
}

ChunkBounds CheckChunk(std::int64_t start, std::int64_t headerSize, std::int64_t bodySize, std::int64_t minimumHeader,
                       std::int64_t fileLength)
{
    if (headerSize < minimumHeader || bodySize < 0)
        return {ChunkFit::kBadSizes, start};
    const std::int64_t end = start + headerSize + bodySize;
    return {end > fileLength ? ChunkFit::kPastEnd : ChunkFit::kFits, end};
}
