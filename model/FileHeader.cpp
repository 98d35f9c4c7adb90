#include "model/FileHeader.h"

#include "framework/services/HfcMemoryStreams.h"
#include "model/VpException.h"

#include <cstring>

namespace {

constexpr std::uint8_t kPad = 0xFF;

void Check(bool written)
{
    if (!written)
        throw CVpFileException(CVpFileException::WriteData);
}

}  // namespace

FileHeader ReadFileHeader(CHfcInputStream& stream, const char* expectedMagic)
{
    char magic[FileHeader::kMagicLength];
    ReadChecked(stream, magic, sizeof magic);
    if (std::memcmp(magic, expectedMagic, sizeof magic) != 0)
        throw CVpFileException(CVpFileException::InvalidId);

    // The fields in one read: a header cut short is a failed read, not
    // sizes of 0.
    std::uint8_t fields[FileHeader::kSize - FileHeader::kMagicLength];
    ReadChecked(stream, fields, sizeof fields);
    CHfcMemoryInputStream in(fields, sizeof fields);
    FileHeader header{};
    header.magic = expectedMagic;
    header.headerSize = static_cast<std::int16_t>(in.ReadUInt16());
    header.bodySize = in.ReadUInt32();
    header.version = static_cast<std::int16_t>(in.ReadUInt16());
    header.kind = static_cast<std::int16_t>(in.ReadUInt16());
    header.headerWord = static_cast<std::int16_t>(in.ReadUInt16());
    header.recordCount = static_cast<std::int32_t>(in.ReadUInt32());
    header.recordSize = static_cast<std::int32_t>(in.ReadUInt32());
    return header;
}

void WriteFileHeader(CHfcOutputStream& stream, const FileHeader& header)
{
    WriteChecked(stream, header.magic, FileHeader::kMagicLength);
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(header.headerSize)));
    Check(stream.WriteUInt32(header.bodySize));
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(header.version)));
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(header.kind)));
    Check(stream.WriteUInt16(static_cast<std::uint16_t>(header.headerWord)));
    Check(stream.WriteUInt32(static_cast<std::uint32_t>(header.recordCount)));
    Check(stream.WriteUInt32(static_cast<std::uint32_t>(header.recordSize)));
    WritePadding(stream, 4);
}

void WritePadding(CHfcOutputStream& stream, int count)
{
    std::uint8_t pad[128];
    std::memset(pad, kPad, sizeof pad);
    while (count > 0) {
        const int chunk = count < static_cast<int>(sizeof pad) ? count : static_cast<int>(sizeof pad);
        WriteChecked(stream, pad, chunk);
        count -= chunk;
    }
}

void WriteChecked(CHfcOutputStream& stream, const void* bytes, int count)
{
    Check(stream.Write(bytes, count));
}

void ReadChecked(CHfcInputStream& stream, void* buffer, int count)
{
    if (stream.Read(buffer, count) != count)
        throw CVpFileException(CVpFileException::ReadData);
}
