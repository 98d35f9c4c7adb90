#include "model/AllDataFile.h"

#include "framework/services/HfcFileStreams.h"
#include "model/FileHeader.h"
#include "model/LibraryPropertiesChunk.h"
#include "model/VpException.h"

#include <cstring>

namespace {

constexpr const char* kMagic = "47300AlD";
constexpr std::int32_t kProgramSetChunkSize = FileHeader::kSize + kProgramBankSize * CQ3917ProgramData::kStreamSize;

struct ChunkHeader
{
    char magic[FileHeader::kMagicLength];
    std::int32_t end;
};

// The chunk at start, refused when its sizes cannot be right or it runs past
// the file: a chunk must move the reader forward and stay inside.
ChunkHeader PeekChunk(CHfcInputStream& stream, std::int64_t start, std::int64_t fileEnd)
{
    ChunkHeader chunk{};
    if (!stream.SetPosition(start))
        throw CVpFileException(CVpFileException::ReadData);
    ReadChecked(stream, chunk.magic, sizeof chunk.magic);
    const std::int32_t headerSize = static_cast<std::int16_t>(stream.ReadUInt16());
    const auto bodySize = static_cast<std::int32_t>(stream.ReadUInt32());
    const std::int64_t end = start + headerSize + static_cast<std::int64_t>(bodySize);
    if (headerSize < FileHeader::kSize || bodySize < 0 || end > fileEnd)
        throw CVpFileException(CVpFileException::DataSize);
    chunk.end = static_cast<std::int32_t>(end);
    stream.SetPosition(start);
    return chunk;
}

bool Is(const ChunkHeader& chunk, const char* magic)
{
    return std::memcmp(chunk.magic, magic, sizeof chunk.magic) == 0;
}

}  // namespace

std::int32_t GetAllDataFileSize(const LibraryData& library)
{
    std::int32_t size = FileHeader::kSize + kLibraryPropertiesChunkSize;
    if (library.GetProgramBank() != nullptr)
        size += kProgramSetChunkSize;
    if (const CGlobal* global = library.GetGlobal())
        size += global->GetStreamSize();
    return size;
}

bool WriteAllDataFile(LibraryData& library, CHfcFile& file, SavedMark mark)
{
    ProgramBank* bank = library.GetProgramBank();
    const CGlobal* global = library.GetGlobal();
    const std::int32_t chunks = 1 + (bank != nullptr ? 1 : 0) + (global != nullptr ? 1 : 0);

    CHfcFileOutputStream stream(file);
    WriteFileHeader(stream, {kMagic, FileHeader::kSize, GetAllDataFileSize(library) - FileHeader::kSize,
                             FileHeader::kWrittenVersion, FileHeader::kWrittenKind, 0, chunks, 0});
    if (bank != nullptr)
        WriteProgramSetFile(*bank, stream, mark);
    if (global != nullptr)
        global->WriteToStream(stream);
    return WriteLibraryPropertiesChunk(stream, library);
}

bool ReadAllDataFile(LibraryData& library, CHfcFile& file)
{
    CHfcFileInputStream stream(file);
    // The stream's size is the offset of the file's last byte.
    const std::int64_t fileEnd = stream.GetSize() + 1;
    const std::int64_t start = stream.GetPosition();
    const FileHeader header = ReadFileHeader(stream, kMagic);
    const std::int64_t bodyEnd = start + header.headerSize + static_cast<std::int64_t>(header.bodySize);
    // A body that ends past the file means the file was cut short.
    if (header.headerSize < FileHeader::kSize || bodyEnd > fileEnd)
        throw CVpFileException(CVpFileException::DataSize);

    LibraryData read;
    ProgramBank& bank = *read.AddItem(LibraryDataItem::kProgramBank)->bank;
    CGlobal& global = *read.AddItem(LibraryDataItem::kGlobal)->global;
    global.Initialize();

    std::int64_t chunkStart = start + header.headerSize;
    for (std::int32_t i = 0; i < header.recordCount && chunkStart < bodyEnd; ++i) {
        const ChunkHeader chunk = PeekChunk(stream, chunkStart, fileEnd);
        if (Is(chunk, kProgramSetMagic))
            ReadProgramSetFile(bank, stream);
        else if (Is(chunk, CQ3917GlobalData::kMagic))
            global.ReadFromStream(stream);
        else if (Is(chunk, kLibraryPropertiesMagic))
            ReadLibraryPropertiesChunk(stream, read);
        // Every chunk, known or not, ends where its own sizes say.
        chunkStart = chunk.end;
    }
    library.Swap(read);
    return true;
}
