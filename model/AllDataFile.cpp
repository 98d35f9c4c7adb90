#include "model/AllDataFile.h"

#include "framework/services/HfcFileStreams.h"
#include "framework/services/HfcMemoryStreams.h"
#include "model/FileHeader.h"
#include "model/LibraryPropertiesChunk.h"
#include "model/VpException.h"

#include <platform/file_names.h>

#include <sys/stat.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace {

constexpr const char* kMagic = "47300AlD";
constexpr std::int32_t kProgramSetChunkSize = FileHeader::kSize + kProgramBankSize * CQ3917ProgramData::kStreamSize;

struct ChunkHeader
{
    char magic[FileHeader::kMagicLength];
    std::int64_t end;
};

// The chunk at start, refused when its sizes cannot be right: a chunk must
// move the reader forward and stay inside the body.
ChunkHeader PeekChunk(CHfcInputStream& stream, std::int64_t start, std::int64_t bodyEnd)
{
    if (start + FileHeader::kSize > bodyEnd)
        throw CVpFileException(CVpFileException::DataSize);
    ChunkHeader chunk{};
    stream.SetPosition(start);
    ReadChecked(stream, chunk.magic, sizeof chunk.magic);
    const std::int32_t headerSize = static_cast<std::int16_t>(stream.ReadUInt16());
    const std::uint32_t bodySize = stream.ReadUInt32();
    chunk.end = start + headerSize + static_cast<std::int64_t>(bodySize);
    if (headerSize < FileHeader::kSize || chunk.end > bodyEnd)
        throw CVpFileException(CVpFileException::DataSize);
    stream.SetPosition(start);
    return chunk;
}

bool Is(const ChunkHeader& chunk, const char* magic)
{
    return std::memcmp(chunk.magic, magic, sizeof chunk.magic) == 0;
}

// The body in one read: the chunk readers then move through memory, not
// through the file's buffer. Throws ReadData when the file ends before the
// body does.
std::vector<std::uint8_t> ReadBody(CHfcFile& file, FileHeader& header)
{
    CHfcFileInputStream stream(file);
    // The stream's size is the offset of the file's last byte.
    const std::int64_t fileEnd = stream.GetSize() + 1;
    const std::int64_t start = stream.GetPosition();
    header = ReadFileHeader(stream, kMagic);
    if (header.headerSize < FileHeader::kSize)
        throw CVpFileException(CVpFileException::DataSize);
    const std::int64_t bodyStart = start + header.headerSize;
    if (bodyStart + static_cast<std::int64_t>(header.bodySize) > fileEnd || !stream.SetPosition(bodyStart))
        throw CVpFileException(CVpFileException::ReadData);
    std::vector<std::uint8_t> body(header.bodySize);
    ReadChecked(stream, body.data(), static_cast<int>(body.size()));
    return body;
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
    const auto bodySize = static_cast<std::uint32_t>(GetAllDataFileSize(library) - FileHeader::kSize);
    WriteFileHeader(stream, {kMagic, FileHeader::kSize, bodySize, FileHeader::kWrittenVersion, FileHeader::kWrittenKind,
                             0, chunks, 0});
    if (bank != nullptr)
        WriteProgramSetFile(*bank, stream, mark);
    if (global != nullptr)
        global->WriteToStream(stream);
    return WriteLibraryPropertiesChunk(stream, library);
}

bool ReadAllDataFile(LibraryData& library, CHfcFile& file)
{
    FileHeader header{};
    const std::vector<std::uint8_t> body = ReadBody(file, header);
    CHfcMemoryInputStream stream(body.data(), static_cast<std::int64_t>(body.size()));
    const auto bodyEnd = static_cast<std::int64_t>(body.size());

    LibraryData read;
    ProgramBank& bank = *read.AddItem(LibraryDataItem::kProgramBank)->bank;
    CGlobal& global = *read.AddItem(LibraryDataItem::kGlobal)->global;
    global.Initialize();

    // The header's count of chunks must fill the body exactly: sizes that
    // skip a chunk or end early would load part of the file as the whole.
    std::int64_t chunks = 0;
    for (std::int64_t chunkStart = 0; chunkStart < bodyEnd; ++chunks) {
        if (chunks >= header.recordCount)
            throw CVpFileException(CVpFileException::DataSize);
        const ChunkHeader chunk = PeekChunk(stream, chunkStart, bodyEnd);
        if (Is(chunk, kProgramSetMagic))
            ReadProgramSetFile(bank, stream);
        else if (Is(chunk, CQ3917GlobalData::kMagic))
            global.ReadFromStream(stream);
        else if (Is(chunk, kLibraryPropertiesMagic))
            ReadLibraryPropertiesChunk(stream, read);
        // Every chunk, known or not, ends where its own sizes say.
        chunkStart = chunk.end;
    }
    if (chunks != header.recordCount)
        throw CVpFileException(CVpFileException::DataSize);
    library.Swap(read);
    return true;
}

bool IsAllDataFile(const char* path)
{
    return AllDataFileProblem(path).empty();
}

std::string AllDataFileProblem(const char* path)
{
    if (path == nullptr)
        return std::strerror(ENOENT);
    // The system's own words for what keeps the file from being read.
    struct stat info;
    if (::stat(platform::SystemFileName(path).c_str(), &info) != 0)
        return std::strerror(errno);
    if (S_ISDIR(info.st_mode))
        return std::strerror(EISDIR);
    if (!S_ISREG(info.st_mode))
        return "Not a regular file";
    CHfcFile file;
    errno = 0;
    if (!file.Open(path, CHfcFile::kRead | CHfcFile::kBinary))
        return std::strerror(errno != 0 ? errno : EIO);
    char magic[FileHeader::kMagicLength];
    if (file.Read(magic, sizeof magic) != static_cast<int>(sizeof magic) ||
        std::memcmp(magic, kMagic, sizeof magic) != 0)
        return "Not a VQ-700Z library file";
    return {};
}
