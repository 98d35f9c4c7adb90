#include "model/N6Import.h"

#include "framework/services/HfcFileStreams.h"
#include "model/FileHeader.h"
#include "model/ImportChunk.h"
#include "model/ImportTarget.h"
#include "model/N6ProgramConverter.h"
#include "model/VpException.h"

#include <cstring>

namespace {

constexpr int kIdLength = 4;
constexpr std::int64_t kLibraryHeaderSize = 64;
constexpr std::int64_t kSetHeaderSize = 128;
constexpr std::int64_t kRecordHeaderSize = 32;
constexpr std::int32_t kRecordBodySize = 0x900;
constexpr std::int64_t kChunkSizesEnd = 12;  // id, header size, body size
constexpr std::int32_t kMostPrograms = 200;
constexpr int kSkippedAfterData = 72;

[[noreturn]] void Fail(std::int32_t code)
{
    throw CVpFileException(code);
}

void ExpectId(CHfcInputStream& stream, const char* id)
{
    char read[kIdLength];
    ReadChecked(stream, read, kIdLength);
    if (std::memcmp(read, id, kIdLength) != 0)
        Fail(CVpFileException::InvalidId);
}

std::int32_t ReadSigned32(CHfcInputStream& stream)
{
    return static_cast<std::int32_t>(stream.ReadUInt32());
}

std::int32_t ReadSigned16(CHfcInputStream& stream)
{
    return static_cast<std::int16_t>(stream.ReadUInt16());
}

// The id, checked, and the two sizes every chunk begins with.
struct ChunkOpening
{
    std::int64_t start;
    std::uint32_t headerSize;
    std::int32_t bodySize;
};

ChunkOpening OpenChunk(CHfcInputStream& stream, const char* id)
{
    const std::int64_t start = stream.GetPosition();
    ExpectId(stream, id);
    const std::uint32_t headerSize = stream.ReadUInt32();
    return {start, headerSize, ReadSigned32(stream)};
}

// A chunk that is not a program set, stepped over by its own sizes.
void SkipChunk(CHfcInputStream& stream, std::int64_t start, std::int64_t fileLength)
{
    stream.Skip(kIdLength);
    const std::int64_t headerSize = stream.ReadUInt32();
    const std::int64_t bodySize = ReadSigned32(stream);
    const ChunkBounds bounds = CheckChunk(start, headerSize, bodySize, kChunkSizesEnd, fileLength);
    if (bounds.fit != ChunkFit::kFits)
        Fail(CVpFileException::DataSize);
    stream.SetPosition(bounds.end);
}

}  // namespace

bool ReadN6LibraryFile(LibraryData& library, CHfcFile& file)
{
    const std::int64_t fileLength = MeasureFileLength(file);
    CHfcFileInputStream stream(file);
    const std::int64_t fileStart = stream.GetPosition();
    ExpectId(stream, "862L");
    const std::int64_t headerSize = stream.ReadUInt32();
    stream.ReadUInt32();
    stream.ReadUInt16();
    stream.ReadUInt16();
    const std::int32_t chunkCount = ReadSigned32(stream);
    stream.Skip(28);
    stream.ReadUInt16();
    if (headerSize != kLibraryHeaderSize)
        Fail(CVpFileException::DataSize);
    stream.SetPosition(fileStart + kLibraryHeaderSize);

    PrepareImportTarget(library);
    for (std::int32_t i = 0; i < chunkCount; ++i) {
        const std::int64_t chunkStart = stream.GetPosition();
        char id[kIdLength];
        ReadChecked(stream, id, kIdLength);
        stream.SetPosition(chunkStart);
        ProgramBank* bank = library.GetProgramBank();
        if (std::memcmp(id, "862P", kIdLength) == 0 && bank != nullptr)
            ReadN6ProgramSet(*bank, file);
        else
            SkipChunk(stream, chunkStart, fileLength);
    }
    return true;
}

bool ReadN6ProgramSet(ProgramBank& bank, CHfcFile& file)
{
    const std::int64_t fileLength = MeasureFileLength(file);
    CHfcFileInputStream stream(file);
    const ChunkOpening chunk = OpenChunk(stream, "862P");
    stream.Skip(32);
    const std::int32_t count = ReadSigned32(stream);
    stream.ReadUInt32();
    if (chunk.headerSize != kSetHeaderSize || count > kMostPrograms || chunk.bodySize < 0)
        Fail(CVpFileException::DataSize);
    stream.SetPosition(chunk.start + kSetHeaderSize);

    for (std::int32_t i = 0; i < count; ++i)
        ReadN6Program(bank[static_cast<std::size_t>(i)], file);
    // A set cut short shows in its records first; one that claims more than
    // the file holds cannot say where the next chunk is.
    const ChunkBounds bounds = CheckChunk(chunk.start, kSetHeaderSize, chunk.bodySize, kSetHeaderSize, fileLength);
    if (bounds.fit != ChunkFit::kFits)
        Fail(CVpFileException::DataSize);
    stream.SetPosition(bounds.end);
    return true;
}

bool ReadN6Program(CProgram& program, CHfcFile& file)
{
    const std::int64_t fileLength = MeasureFileLength(file);
    CHfcFileInputStream stream(file);
    const ChunkOpening record = OpenChunk(stream, "862p");
    const std::int64_t recordStart = record.start;
    const std::int32_t headerSize = static_cast<std::int16_t>(record.headerSize & 0xFFFF);
    const std::int32_t bodySize = record.bodySize;
    stream.Skip(4);
    if (headerSize != kRecordHeaderSize && bodySize != kRecordBodySize)
        Fail(CVpFileException::DataSize);
    // A body of the known size does not make a header too small to hold the fields.
    const ChunkBounds bounds = CheckChunk(recordStart, headerSize, bodySize, kRecordHeaderSize, fileLength);
    if (bounds.fit == ChunkFit::kBadSizes)
        Fail(CVpFileException::DataSize);
    const std::int32_t kind = ReadSigned16(stream);
    const std::int32_t version = ReadSigned16(stream);
    const std::int32_t headerWord = ReadSigned16(stream);

    stream.SetPosition(recordStart + headerSize);
    std::uint8_t n6[kN6ProgramSize];
    ReadChecked(stream, n6, kN6ProgramSize);
    stream.Skip(kSkippedAfterData);
    ImportedProgram imported{};
    ReadChecked(stream, imported.programmerName, CVpProgramData::kProgrammerNameLength);
    ReadChecked(stream, imported.comment, CVpProgramData::kCommentLength);
    imported.priority = static_cast<std::int8_t>(stream.ReadUInt8());
    imported.category = static_cast<std::int8_t>(stream.ReadUInt8());
    if (bounds.fit == ChunkFit::kPastEnd)
        Fail(CVpFileException::ReadData);

    std::memcpy(imported.image, n6, sizeof imported.image);
    ConvertN6Program(n6, imported.image);
    program.SetKind(kind);
    program.SetVersion(version);
    program.SetHeaderWord(headerWord);
    StoreImportedProgram(program, imported);
    stream.SetPosition(bounds.end);
    return true;
}
