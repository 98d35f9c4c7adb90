#include "support/EditorFileLayouts.h"

#include "framework/services/Md5.h"

namespace {

constexpr std::size_t kImageSize = 352;

}  // namespace

void AppendHeader(ByteBuilder& bytes, const HeaderLayout& header)
{
    bytes.Field(header.magic, 8, 0).U16(static_cast<std::uint16_t>(header.headerSize));
    bytes.U32(static_cast<std::uint32_t>(header.bodySize));
    bytes.U16(header.version).U16(header.kind).U16(header.headerWord);
    bytes.U32(static_cast<std::uint32_t>(header.recordCount)).U32(static_cast<std::uint32_t>(header.recordSize));
    bytes.Fill(0xFF, 4);
    if (header.headerSize > 32)
        bytes.Fill(0xEE, static_cast<std::size_t>(header.headerSize - 32));
}

FileBytes Md5Of(const FileBytes& bytes)
{
    FileBytes digest(16);
    CalculateMd5(bytes.data(), static_cast<std::uint32_t>(bytes.size()), digest.data());
    return digest;
}

FileBytes PatternImage(const char* name, int seed)
{
    FileBytes image(kImageSize);
    for (std::size_t i = 0; i < kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 29 + static_cast<std::size_t>(seed) * 7 + 3);
    for (std::size_t i = 0; i < 8 && name[i] != '\0'; ++i)
        image[i] = static_cast<std::uint8_t>(name[i]);
    return image;
}

FileBytes ProgramFileBytes(const ProgramRecordLayout& record)
{
    ByteBuilder bytes;
    AppendHeader(bytes, {"47300PgD", 32, 496, 1, record.kind, 0, 1, 496});
    bytes.Bytes(record.image).Fill(0xFF, 16);
    bytes.Bytes(record.digest.empty() ? Md5Of(record.image) : record.digest);
    bytes.Field(record.programmer, 24, 0).Field(record.comment, 64, 0);
    bytes.U8(record.priority).U8(record.category).Fill(0xFF, 22);
    return bytes.Get();
}

FileBytes ProgramSetBytes(const std::vector<ProgramRecordLayout>& records, std::int32_t count)
{
    ByteBuilder bytes;
    AppendHeader(bytes, {"47300PgS", 32, static_cast<std::int32_t>(records.size() * 528), 1, 3, 0, count, 528});
    for (const ProgramRecordLayout& record : records)
        bytes.Bytes(ProgramFileBytes(record));
    return bytes.Get();
}

FileBytes GlobalFileBytes(const FileBytes& image, std::uint16_t version, std::uint16_t kind)
{
    ByteBuilder bytes;
    AppendHeader(bytes, {"47300GbD", 32, 192, version, kind, 0, 1, 192});
    bytes.Bytes(image).Fill(0xFF, 12).Bytes(Md5Of(image));
    return bytes.Get();
}

FileBytes LibraryPropertiesBytes(const std::int32_t (&words)[4])
{
    ByteBuilder bytes;
    AppendHeader(bytes, {"47300LbP", 32, 128, 1, 3, 0, 1, 128});
    for (const std::int32_t word : words)
        bytes.U32(static_cast<std::uint32_t>(word));
    bytes.Fill(0xFF, 112);
    return bytes.Get();
}

FileBytes AllDataBytes(const std::vector<FileBytes>& chunks, std::int32_t count)
{
    std::size_t body = 0;
    for (const FileBytes& chunk : chunks)
        body += chunk.size();
    ByteBuilder bytes;
    AppendHeader(bytes, {"47300AlD", 32, static_cast<std::int32_t>(body), 1, 3, 0, count, 0});
    for (const FileBytes& chunk : chunks)
        bytes.Bytes(chunk);
    return bytes.Get();
}
