#include "model/SiblingImport.h"

#include "framework/services/HfcFileStreams.h"
#include "model/FileHeader.h"
#include "model/ImportChunk.h"
#include "model/ImportTarget.h"
#include "model/VpException.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kIdLength = 8;
constexpr std::int64_t kMinimumHeader = 32;
constexpr std::int32_t kProgramCount = 128;
constexpr int kImagePadding = 16;
constexpr int kDigestSize = 16;
constexpr int kGlobalPadding = 22;
constexpr int kGlobalImageSize = 164;

constexpr SiblingFileIds kQ3917Ids = {"3917AllD", "3917PrgS", "3917GlbD"};
constexpr SiblingFileIds kQ3918Ids = {"3918AllD", "3918PrgS", "3918GlbD"};

const juce::String kInvalidId("FileErrorInvalidId");
const juce::String kDataSize("FileErrorDataSize");
const juce::String kInternalError("FileErrorInternalError");

bool IsId(const char (&read)[kIdLength], const char* id)
{
    return std::memcmp(read, id, kIdLength) == 0;
}

// The signed header size and body size that follow a chunk's id.
struct ChunkSizes
{
    std::int64_t header;
    std::int64_t body;
};

ChunkSizes ReadSizesAfterId(CHfcInputStream& stream)
{
    stream.Skip(kIdLength);
    const std::int16_t header = static_cast<std::int16_t>(stream.ReadUInt16());
    const std::int32_t body = static_cast<std::int32_t>(stream.ReadUInt32());
    return {header, body};
}

}  // namespace

CSiblingFileImporter::CSiblingFileImporter(LibraryData& target, CHfcFile& file, const SiblingFileIds& ids)
    : m_target(target), m_file(file), m_ids(ids), m_fileLength(MeasureFileLength(file))
{}

juce::String CSiblingFileImporter::Import()
{
    PrepareTarget();
    const juce::String key = ReadAllData();
    m_target.SetModified(false);
    return key;
}

void CSiblingFileImporter::PrepareTarget()
{
    PrepareImportTarget(m_target);
}

bool CSiblingFileImporter::MoveToChunkEnd(CHfcInputStream& stream, std::int64_t start, std::int64_t headerSize,
                                          std::int64_t bodySize)
{
    const ChunkBounds bounds = CheckChunk(start, headerSize, bodySize, kMinimumHeader, m_fileLength);
    if (bounds.fit != ChunkFit::kFits)
        return false;
    stream.SetPosition(bounds.end);
    return true;
}

juce::String CSiblingFileImporter::ReadAllData()
{
    CHfcFileInputStream stream(m_file);
    const std::int64_t fileStart = stream.GetPosition();
    char magic[kIdLength];
    ReadChecked(stream, magic, kIdLength);
    if (!IsId(magic, m_ids.fileMagic))
        return kInvalidId;
    const std::int64_t headerSize = static_cast<std::int16_t>(stream.ReadUInt16());
    stream.Skip(10);
    const std::int32_t chunkCount = static_cast<std::int32_t>(stream.ReadUInt32());
    stream.Skip(4);
    if (headerSize < kMinimumHeader || fileStart + headerSize > m_fileLength)
        return kDataSize;
    stream.SetPosition(fileStart + headerSize);

    for (std::int32_t i = 0; i < chunkCount; ++i) {
        const std::int64_t chunkStart = stream.GetPosition();
        char id[kIdLength];
        ReadChecked(stream, id, kIdLength);
        stream.SetPosition(chunkStart);
        if (IsId(id, m_ids.programChunk))
            return ReadProgramChunk();
        if (IsId(id, m_ids.globalChunk)) {
            const juce::String key = ReadGlobalChunk();
            if (key.isNotEmpty())
                return key;
            continue;
        }
        const ChunkSizes sizes = ReadSizesAfterId(stream);
        if (!MoveToChunkEnd(stream, chunkStart, sizes.header, sizes.body))
            return kDataSize;
    }
    return {};
}

juce::String CSiblingFileImporter::ReadProgramChunk()
{
    CHfcFileInputStream stream(m_file);
    const std::int64_t chunkStart = stream.GetPosition();
    const ChunkSizes sizes = ReadSizesAfterId(stream);
    stream.Skip(6);
    const std::uint32_t count = stream.ReadUInt32();
    stream.Skip(4);
    if (count != kProgramCount)
        return kDataSize;
    // A chunk cut short is found by the records' short reads.
    if (CheckChunk(chunkStart, sizes.header, sizes.body, kMinimumHeader, m_fileLength).fit == ChunkFit::kBadSizes)
        return kDataSize;
    stream.SetPosition(chunkStart + sizes.header);
    for (int i = 0; i < kProgramCount; ++i) {
        const juce::String key = ReadProgram(i);
        if (key.isNotEmpty())
            return key;
    }
    if (!MoveToChunkEnd(stream, chunkStart, sizes.header, sizes.body))
        return kDataSize;
    return {};
}

juce::String CSiblingFileImporter::ReadProgram(int index)
{
    CHfcFileInputStream stream(m_file);
    const std::int64_t recordStart = stream.GetPosition();
    const ChunkSizes sizes = ReadSizesAfterId(stream);
    const ChunkBounds bounds = CheckChunk(recordStart, sizes.header, sizes.body, kMinimumHeader, m_fileLength);
    if (bounds.fit == ChunkFit::kBadSizes)
        return kDataSize;
    stream.SetPosition(recordStart + sizes.header);

    ImportedProgram imported{};
    std::uint8_t digest[kDigestSize];
    ReadChecked(stream, imported.image, sizeof imported.image);
    stream.Skip(kImagePadding);
    ReadChecked(stream, digest, kDigestSize);
    ReadChecked(stream, imported.programmerName, CVpProgramData::kProgrammerNameLength);
    ReadChecked(stream, imported.comment, CVpProgramData::kCommentLength);
    imported.priority = static_cast<std::int8_t>(stream.ReadUInt8());
    const std::int32_t category = static_cast<std::int8_t>(stream.ReadUInt8());
    imported.category = category < 0 ? 0 : category;
    // The file ends inside the record's padding: still a record cut short.
    if (bounds.fit == ChunkFit::kPastEnd)
        throw CVpFileException(CVpFileException::ReadData);

    ProgramBank* bank = m_target.GetProgramBank();
    if (bank == nullptr)
        return kInternalError;
    StoreImportedProgram((*bank)[static_cast<std::size_t>(index)], imported);
    stream.SetPosition(bounds.end);
    return {};
}

juce::String CSiblingFileImporter::ReadGlobalChunk()
{
    CHfcFileInputStream stream(m_file);
    const std::int64_t chunkStart = stream.GetPosition();
    const ChunkSizes sizes = ReadSizesAfterId(stream);
    if (CheckChunk(chunkStart, sizes.header, sizes.body, kMinimumHeader, m_fileLength).fit == ChunkFit::kBadSizes)
        return kDataSize;
    stream.SetPosition(chunkStart + sizes.header);
    std::uint8_t image[kGlobalImageSize];
    std::uint8_t digest[kDigestSize];
    ReadChecked(stream, image, kGlobalImageSize);
    stream.Skip(kGlobalPadding);
    ReadChecked(stream, digest, kDigestSize);

    CGlobal* global = m_target.GetGlobal();
    if (global == nullptr)
        return kInternalError;
    std::memcpy(global->GetData(), image, static_cast<std::size_t>(std::min(global->GetDataSize(), kGlobalImageSize)));
    global->UpdateDigest();
    if (!MoveToChunkEnd(stream, chunkStart, sizes.header, sizes.body))
        return kDataSize;
    return {};
}

Q3917FileImporter::Q3917FileImporter(LibraryData& target, CHfcFile& file)
    : CSiblingFileImporter(target, file, kQ3917Ids)
{}

Q3918FileImporter::Q3918FileImporter(LibraryData& target, CHfcFile& file)
    : CSiblingFileImporter(target, file, kQ3918Ids)
{}
