#include "model/ProgramFile.h"

#include "framework/services/FixedStrings.h"
#include "framework/services/HfcFileStreams.h"
#include "framework/services/Md5.h"
#include "model/FileHeader.h"
#include "model/ProgramParameterConverter.h"
#include "model/VpException.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr int kImageSize = CQ3917ProgramData::kImageSize;
constexpr int kRecordSize = CQ3917ProgramData::kRecordSize;
constexpr int kImagePadding = 16;
constexpr int kDigestSize = CVpData::kDigestSize;
constexpr int kNameSize = CVpProgramData::kProgrammerNameLength;
constexpr int kCommentSize = CVpProgramData::kCommentLength;
constexpr int kRecordPadding = 22;
constexpr int kSetBodySize = kProgramBankSize * CQ3917ProgramData::kStreamSize;
constexpr std::int32_t kFileVersion = FileHeader::kWrittenVersion;
constexpr std::int32_t kFileKind = FileHeader::kWrittenKind;

// The device always routes patch 6 from the long ribbon to the filter.
constexpr int kPatch6Bytes[][2] = {{105, 106}, {201, 202}};
constexpr std::uint8_t kPatch6Source = 12;
constexpr std::uint8_t kPatch6Destination = 7;

// Everything one record holds, read before the program is touched.
struct Record
{
    std::uint8_t image[kImageSize];
    char programmerName[kNameSize + 1];
    char comment[kCommentSize + 1];
    std::int8_t priority;
    std::int8_t category;
};

struct ReadRecord
{
    Record record;
    FileHeader header;
};

void WriteText(CHfcOutputStream& stream, const char* text, int size)
{
    char field[kCommentSize] = {};
    CopyPaddedString(field, text, size, '\0');
    WriteChecked(stream, field, size);
}

void CommitRecord(CProgram& program, const Record& record, const FileHeader& header)
{
    ProgramRegion& region = program.GetRegion();
    std::memcpy(region.image, record.image, sizeof region.image);
    std::memcpy(region.programmerName, record.programmerName, sizeof region.programmerName);
    std::memcpy(region.comment, record.comment, sizeof region.comment);
    region.priority = record.priority;
    region.category = record.category < 0 ? 0 : record.category;
    program.SetVersion(header.version);
    program.SetKind(header.kind);
    program.SetHeaderWord(header.headerWord);

    CProgramParameterConverter(program).Convert();
    UpdateProgramRecordName(program);
    for (const auto& bytes : kPatch6Bytes) {
        region.image[bytes[0]] = kPatch6Source;
        region.image[bytes[1]] = kPatch6Destination;
    }
    program.ResetOscControlMemory();
    program.MarkSaved();
}

// One "47300PgD" file from the stream's position, the stream left after it.
ReadRecord ReadProgramRecord(CHfcInputStream& stream)
{
    const std::int64_t start = stream.GetPosition();
    ReadRecord read{};
    read.header = ReadFileHeader(stream, kProgramFileMagic);
    const FileHeader& header = read.header;
    // A shorter header or body would read header bytes as the image.
    if (header.headerSize < FileHeader::kSize || header.bodySize < kRecordSize)
        throw CVpFileException(CVpFileException::DataSize);
    if (!stream.SetPosition(start + header.headerSize))
        throw CVpFileException(CVpFileException::ReadData);

    Record& record = read.record;
    std::uint8_t ignored[kRecordPadding];
    ReadChecked(stream, record.image, kImageSize);
    ReadChecked(stream, ignored, kImagePadding);
    ReadChecked(stream, ignored, kDigestSize);  // not checked: the image decides
    ReadChecked(stream, record.programmerName, kNameSize);
    ReadChecked(stream, record.comment, kCommentSize);
    ReadChecked(stream, &record.priority, 1);
    ReadChecked(stream, &record.category, 1);
    stream.SetPosition(start + header.headerSize + header.bodySize);
    return read;
}

}  // namespace

bool WriteProgramFile(CProgram& program, CHfcOutputStream& stream, SavedMark mark)
{
    const ProgramRegion& region = program.GetRegion();
    WriteFileHeader(stream,
                    {kProgramFileMagic, FileHeader::kSize, kRecordSize, kFileVersion, kFileKind, 0, 1, kRecordSize});
    WriteChecked(stream, region.image, kImageSize);
    WritePadding(stream, kImagePadding);
    std::uint8_t digest[kDigestSize];
    CalculateMd5(region.image, kImageSize, digest);
    WriteChecked(stream, digest, kDigestSize);
    WriteText(stream, region.programmerName, kNameSize);
    WriteText(stream, region.comment, kCommentSize);
    const std::uint8_t numbers[2] = {static_cast<std::uint8_t>(region.priority),
                                     static_cast<std::uint8_t>(region.category)};
    WriteChecked(stream, numbers, sizeof numbers);
    WritePadding(stream, kRecordPadding);
    if (mark == SavedMark::kMark)
        program.MarkSaved();
    return true;
}

bool WriteProgramFile(CProgram& program, CHfcFile& file, SavedMark mark)
{
    CHfcFileOutputStream stream(file);
    return WriteProgramFile(program, stream, mark);
}

bool WriteProgramSetFile(ProgramBank& bank, CHfcOutputStream& stream, SavedMark mark)
{
    WriteFileHeader(stream, {kProgramSetMagic, FileHeader::kSize, kSetBodySize, kFileVersion, kFileKind, 0,
                             kProgramBankSize, CQ3917ProgramData::kStreamSize});
    for (CProgram& program : bank)
        WriteProgramFile(program, stream, mark);
    return true;
}

bool WriteProgramSetFile(ProgramBank& bank, CHfcFile& file, SavedMark mark)
{
    CHfcFileOutputStream stream(file);
    return WriteProgramSetFile(bank, stream, mark);
}

bool ReadProgramFile(CProgram& program, CHfcInputStream& stream)
{
    const ReadRecord read = ReadProgramRecord(stream);
    CommitRecord(program, read.record, read.header);
    return true;
}

bool ReadProgramFile(CProgram& program, CHfcFile& file)
{
    CHfcFileInputStream stream(file);
    return ReadProgramFile(program, stream);
}

bool ReadProgramSetFile(ProgramBank& bank, CHfcInputStream& stream)
{
    const std::int64_t start = stream.GetPosition();
    const FileHeader header = ReadFileHeader(stream, kProgramSetMagic);
    if (header.headerSize < FileHeader::kSize || header.recordCount > kProgramBankSize)
        throw CVpFileException(CVpFileException::DataSize);
    if (!stream.SetPosition(start + header.headerSize))
        throw CVpFileException(CVpFileException::ReadData);

    // Every record is read before the first program changes; programs past
    // the set's count keep what they hold.
    std::vector<ReadRecord> records(static_cast<std::size_t>(std::max(header.recordCount, 0)));
    for (ReadRecord& record : records)
        record = ReadProgramRecord(stream);
    stream.SetPosition(start + header.headerSize + header.bodySize);
    for (std::size_t i = 0; i < records.size(); ++i)
        CommitRecord(bank[i], records[i].record, records[i].header);
    return true;
}

bool ReadProgramSetFile(ProgramBank& bank, CHfcFile& file)
{
    CHfcFileInputStream stream(file);
    return ReadProgramSetFile(bank, stream);
}
