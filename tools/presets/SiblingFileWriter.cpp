#include "SiblingFileWriter.h"

#include "framework/services/HfcFileStreams.h"
#include "framework/services/HfcMemoryStreams.h"
#include "framework/services/Md5.h"
#include "model/FileHeader.h"
#include "model/FileSave.h"
#include "model/ProgramFile.h"
#include "model/VpException.h"

#include <cstring>

namespace {

constexpr int kPrograms = 128;
constexpr int kRecordSize = CQ3917ProgramData::kStreamSize;
constexpr int kGlobalImageSize = CQ3917GlobalData::kImageSize;
constexpr int kGlobalPadding = 22;
constexpr int kDigestSize = 16;
constexpr int kGlobalBody = kGlobalImageSize + kGlobalPadding + kDigestSize;
constexpr std::int32_t kChunks = 2;

// A program record of the sibling model is the editor's own program record
// under the sibling's id.
void WriteProgramRecord(CHfcOutputStream& stream, CProgram& program)
{
    CHfcMemoryOutputStream record(kRecordSize, kRecordSize);
    WriteProgramFile(program, record, SavedMark::kKeep);
    std::memcpy(record.GetBuffer(), "3918PrgD", FileHeader::kMagicLength);
    WriteChecked(stream, record.GetBuffer(), record.GetDataSize());
}

void WriteGlobalChunk(CHfcOutputStream& stream, const CGlobal& global)
{
    WriteFileHeader(stream, {"3918GlbD", FileHeader::kSize, kGlobalBody, 1, 1, 0, 1, kGlobalBody});
    WriteChecked(stream, global.GetData(), kGlobalImageSize);
    WritePadding(stream, kGlobalPadding);
    std::uint8_t digest[kDigestSize];
    CalculateMd5(global.GetData(), kGlobalImageSize, digest);
    WriteChecked(stream, digest, kDigestSize);
}

}  // namespace

void WriteSiblingAllDataFile(LibraryData& library, const char* path)
{
    ProgramBank* bank = library.GetProgramBank();
    const CGlobal* global = library.GetGlobal();
    if (bank == nullptr || global == nullptr)
        throw CVpFileException(CVpFileException::WriteData);
    SaveFileReplacing(path, [&](CHfcFile& file) {
        CHfcFileOutputStream stream(file);
        const std::uint32_t programChunk = FileHeader::kSize + kPrograms * kRecordSize;
        const std::uint32_t globalChunk = FileHeader::kSize + kGlobalBody;
        WriteFileHeader(stream, {"3918AllD", FileHeader::kSize, programChunk + globalChunk, 1, 1, 0, kChunks, 0});
        // In the model's own order, though the import reads no further than
        // the programs.
        WriteFileHeader(stream,
                        {"3918PrgS", FileHeader::kSize, kPrograms * kRecordSize, 1, 1, 0, kPrograms, kRecordSize});
        for (int i = 0; i < kPrograms; ++i)
            WriteProgramRecord(stream, (*bank)[static_cast<std::size_t>(i)]);
        WriteGlobalChunk(stream, *global);
    });
}
