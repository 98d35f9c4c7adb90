#include "model/LibraryPropertiesChunk.h"

#include "model/FileHeader.h"
#include "model/VpException.h"

namespace {

constexpr int kBodySize = kLibraryPropertiesChunkSize - FileHeader::kSize;
constexpr int kReservedSize = kBodySize - 4 * LibraryData::kViewWords;

}  // namespace

bool WriteLibraryPropertiesChunk(CHfcOutputStream& stream, const LibraryData& library)
{
    WriteFileHeader(stream, {kLibraryPropertiesMagic, FileHeader::kSize, kBodySize, FileHeader::kWrittenVersion,
                             FileHeader::kWrittenKind, 0, 1, kBodySize});
    for (int i = 0; i < LibraryData::kViewWords; ++i)
        if (!stream.WriteUInt32(static_cast<std::uint32_t>(library.GetViewWord(i))))
            throw CVpFileException(CVpFileException::WriteData);
    WritePadding(stream, kReservedSize);
    return true;
}

bool ReadLibraryPropertiesChunk(CHfcInputStream& stream, LibraryData& library)
{
    const std::int64_t start = stream.GetPosition();
    const FileHeader header = ReadFileHeader(stream, kLibraryPropertiesMagic);
    if (header.headerSize < FileHeader::kSize)
        throw CVpFileException(CVpFileException::DataSize);
    if (!stream.SetPosition(start + header.headerSize))
        throw CVpFileException(CVpFileException::ReadData);
    for (int i = 0; i < LibraryData::kViewWords; ++i)
        library.SetViewWord(i, static_cast<std::int32_t>(stream.ReadUInt32()));
    stream.SetPosition(start + header.headerSize + header.bodySize);
    return true;
}
