#include "model/Q3917ProgramData.h"

#include "framework/services/FixedStrings.h"
#include "model/VpException.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kMagicLength = 8;
constexpr int kImagePadding = 16;
constexpr int kRecordPadding = 22;
constexpr std::uint8_t kPad = 0xFF;

void ReadExact(CHfcInputStream& stream, void* buffer, int count)
{
    if (stream.Read(buffer, count) != count)
        throw CVpFileException(CVpFileException::ReadData);
}

std::uint16_t ReadUInt16(CHfcInputStream& stream)
{
    std::uint8_t bytes[2];
    ReadExact(stream, bytes, sizeof bytes);
    return static_cast<std::uint16_t>(bytes[0] | (bytes[1] << 8));
}

std::uint32_t ReadUInt32(CHfcInputStream& stream)
{
    std::uint8_t bytes[4];
    ReadExact(stream, bytes, sizeof bytes);
    return static_cast<std::uint32_t>(bytes[0]) | (static_cast<std::uint32_t>(bytes[1]) << 8) |
           (static_cast<std::uint32_t>(bytes[2]) << 16) | (static_cast<std::uint32_t>(bytes[3]) << 24);
}

void Check(bool written)
{
    if (!written)
        throw CVpFileException(CVpFileException::WriteData);
}

void WritePadding(CHfcOutputStream& stream, int count)
{
    std::uint8_t pad[kRecordPadding];
    std::memset(pad, kPad, sizeof pad);
    Check(stream.Write(pad, count));
}

// Everything a record holds, read before the program is touched.
struct Record
{
    std::int32_t version;
    std::int32_t kind;
    std::int32_t headerWord;
    std::uint8_t image[CQ3917ProgramData::kImageSize];
    char programmerName[CVpProgramData::kProgrammerNameLength];
    char comment[CVpProgramData::kCommentLength];
    std::int8_t priority;
    std::int8_t category;
};

}  // namespace

void CQ3917ProgramData::Clear()
{
    CVpProgramData::Clear();
    std::memset(m_image, 0, sizeof m_image);
    UpdateDigest();
}

bool CQ3917ProgramData::ReadFromStream(CHfcInputStream& stream)
{
    const std::int64_t start = stream.GetPosition();
    char magic[kMagicLength];
    ReadExact(stream, magic, kMagicLength);
    if (std::memcmp(magic, kMagic, kMagicLength) != 0)
        throw CVpFileException(CVpFileException::InvalidId);

    const auto headerSize = static_cast<std::int16_t>(ReadUInt16(stream));
    const auto bodySize = static_cast<std::int32_t>(ReadUInt32(stream));
    // Every file the editor writes has a full header and record; anything
    // shorter would read header bytes as the image.
    if (headerSize < kHeaderSize || bodySize < kRecordSize)
        throw CVpFileException(CVpFileException::DataSize);

    Record record;
    record.version = ReadUInt16(stream);
    record.kind = ReadUInt16(stream);
    record.headerWord = ReadUInt16(stream);
    ReadUInt32(stream);  // record count
    ReadUInt32(stream);  // record size

    if (!stream.SetPosition(start + headerSize))
        throw CVpFileException(CVpFileException::ReadData);
    std::uint8_t ignored[kRecordPadding];
    ReadExact(stream, record.image, kImageSize);
    ReadExact(stream, ignored, kImagePadding);
    ReadExact(stream, ignored, kDigestSize);  // recomputed from the image below
    ReadExact(stream, record.programmerName, kProgrammerNameLength);
    ReadExact(stream, record.comment, kCommentLength);
    ReadExact(stream, &record.priority, 1);
    ReadExact(stream, &record.category, 1);
    ReadExact(stream, ignored, kRecordPadding);
    stream.SetPosition(start + headerSize + bodySize);

    std::memcpy(m_image, record.image, sizeof m_image);
    SetProgrammerName(record.programmerName);
    SetComment(record.comment);
    SetPriority(record.priority);
    SetCategory(record.category);
    SetVersion(record.version);
    SetKind(record.kind);
    SetHeaderWord(record.headerWord);
    ResetOscControlMemory();
    UpdateDigest();
    return true;
}

bool CQ3917ProgramData::WriteToStream(CHfcOutputStream& stream) const
{
    Check(stream.Write(kMagic, kMagicLength));
    Check(stream.WriteUInt16(kHeaderSize));
    Check(stream.WriteUInt32(kRecordSize));
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(GetVersion())));
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(GetKind())));
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(GetHeaderWord())));
    Check(stream.WriteUInt32(1));
    Check(stream.WriteUInt32(kRecordSize));
    WritePadding(stream, 4);

    WriteImage(stream);
    WritePadding(stream, kImagePadding);
    Check(stream.Write(GetDigest(), kDigestSize));
    Check(stream.Write(GetProgrammerName(), kProgrammerNameLength));
    Check(stream.Write(GetComment(), kCommentLength));
    Check(stream.WriteUInt8(static_cast<std::uint8_t>(GetPriority())));
    Check(stream.WriteUInt8(static_cast<std::uint8_t>(GetCategory())));
    WritePadding(stream, kRecordPadding);
    return true;
}

void CQ3917ProgramData::ReadImage(CHfcInputStream& stream)
{
    std::uint8_t image[kImageSize];
    ReadExact(stream, image, kImageSize);
    std::memcpy(m_image, image, sizeof m_image);
    SetProgrammerName("");
    SetComment("");
    ResetOscControlMemory();
    UpdateDigest();
}

void CQ3917ProgramData::WriteImage(CHfcOutputStream& stream) const
{
    Check(stream.Write(m_image, kImageSize));
}

bool CQ3917ProgramData::Copy(const CVpProgramData* other)
{
    if (!CVpProgramData::Copy(other))
        return false;
    const int size = std::clamp(other->GetDataSize(), 0, kImageSize);
    if (other->GetData() != nullptr)
        std::memcpy(m_image, other->GetData(), static_cast<std::size_t>(size));
    return true;
}

const char* CQ3917ProgramData::GetProgramName()
{
    CopyTrimmedString(m_szName, reinterpret_cast<const char*>(m_image), sizeof m_szName - 1);
    return m_szName;
}
