#include "support/ImportFileLayouts.h"

#include <cstdio>

namespace {

constexpr std::int32_t kSiblingRecordBody = 496;
constexpr std::int32_t kSiblingRecord = 32 + kSiblingRecordBody;
constexpr std::size_t kN6BodySize = 0x900;
constexpr std::size_t kN6RecordHeader = 32;
constexpr std::int32_t kLargestWrittenBody = 1 << 16;

// Pads with filler up to size bytes from start.
void PadTo(ByteBuilder& bytes, std::size_t start, std::size_t size, std::uint8_t filler)
{
    if (bytes.Size() < start + size)
        bytes.Fill(filler, start + size - bytes.Size());
}

}  // namespace

FileBytes SiblingProgramRecord(const std::string& model, const SiblingProgramLayout& program)
{
    ByteBuilder bytes;
    AppendHeader(bytes, {model + "PrgD", 32, kSiblingRecordBody, 1, 1, 0, 1, kSiblingRecordBody});
    bytes.Bytes(program.image).Fill(0xFF, 16).Bytes(Md5Of(program.image));
    bytes.Field(program.programmer, 24, 0).Field(program.comment, 64, 0);
    bytes.U8(program.priority).U8(program.category).Fill(0xFF, 22);
    return bytes.Get();
}

FileBytes SiblingProgramChunk(const std::string& model, const std::vector<SiblingProgramLayout>& programs,
                              std::int32_t count)
{
    ByteBuilder bytes;
    const auto body = static_cast<std::int32_t>(programs.size()) * kSiblingRecord;
    AppendHeader(bytes, {model + "PrgS", 32, body, 1, 1, 0, count, kSiblingRecord});
    for (const SiblingProgramLayout& program : programs)
        bytes.Bytes(SiblingProgramRecord(model, program));
    return bytes.Get();
}

FileBytes SiblingGlobalChunk(const std::string& model, const FileBytes& image)
{
    ByteBuilder bytes;
    AppendHeader(bytes, {model + "GlbD", 32, 202, 1, 1, 0, 1, 202});
    bytes.Bytes(image).Fill(0xFF, 22).Bytes(Md5Of(image));
    return bytes.Get();
}

FileBytes SiblingAllData(const std::string& model, const std::vector<FileBytes>& chunks, std::int32_t count)
{
    std::size_t body = 0;
    for (const FileBytes& chunk : chunks)
        body += chunk.size();
    ByteBuilder bytes;
    AppendHeader(bytes, {model + "AllD", 32, static_cast<std::int32_t>(body), 1, 1, 0, count, 0});
    for (const FileBytes& chunk : chunks)
        bytes.Bytes(chunk);
    return bytes.Get();
}

FileBytes ForeignChunk(const std::string& id, std::int16_t headerSize, std::int32_t bodySize)
{
    ByteBuilder bytes;
    bytes.Field(id, 8, 0).U16(static_cast<std::uint16_t>(headerSize)).U32(static_cast<std::uint32_t>(bodySize));
    bytes.U16(1).U16(1).U16(0).U32(1).U32(0).Fill(0xFF, 4);
    PadTo(bytes, 0, static_cast<std::size_t>(headerSize > 32 ? headerSize : 32), 0xEE);
    if (bodySize > 0 && bodySize <= kLargestWrittenBody)
        bytes.Fill(0xEE, static_cast<std::size_t>(bodySize));
    return bytes.Get();
}

std::vector<SiblingProgramLayout> SiblingPrograms(int seed)
{
    std::vector<SiblingProgramLayout> programs(128);
    for (int i = 0; i < 128; ++i) {
        char name[9];
        std::snprintf(name, sizeof name, "SIB %03d ", i);
        programs[static_cast<std::size_t>(i)] = {PatternImage(name, seed + i), "Programmer " + std::to_string(i),
                                                 "Comment " + std::to_string(i), static_cast<std::uint8_t>(i % 6),
                                                 static_cast<std::uint8_t>(i % 16)};
    }
    return programs;
}

FileBytes N6ProgramRecord(const N6ProgramLayout& program)
{
    ByteBuilder bytes;
    bytes.Text("862p").U32(program.headerSize).U32(static_cast<std::uint32_t>(program.bodySize)).Fill(0, 4);
    bytes.U16(program.kind).U16(program.version).U16(program.headerWord);
    PadTo(bytes, 0, kN6RecordHeader, 0);
    bytes.Bytes(program.data).Fill(0, 72).Field(program.programmer, 24, 0).Field(program.comment, 64, 0);
    bytes.U8(program.priority).U8(program.category);
    PadTo(bytes, kN6RecordHeader, kN6BodySize, 0);
    return bytes.Get();
}

FileBytes N6ProgramSet(const std::vector<N6ProgramLayout>& programs, std::int32_t count)
{
    const auto body = static_cast<std::int32_t>(programs.size() * (kN6RecordHeader + kN6BodySize));
    return N6ProgramSet(programs, count, 128, body);
}

FileBytes N6ProgramSet(const std::vector<N6ProgramLayout>& programs, std::int32_t count, std::uint32_t headerSize,
                       std::int32_t bodySize)
{
    ByteBuilder bytes;
    bytes.Text("862P").U32(headerSize).U32(static_cast<std::uint32_t>(bodySize)).Fill(0, 32);
    bytes.U32(static_cast<std::uint32_t>(count)).U32(0);
    PadTo(bytes, 0, 128, 0);
    for (const N6ProgramLayout& program : programs)
        bytes.Bytes(N6ProgramRecord(program));
    return bytes.Get();
}

FileBytes N6Library(const std::vector<FileBytes>& chunks, std::int32_t count, std::uint32_t headerSize)
{
    ByteBuilder bytes;
    bytes.Text("862L").U32(headerSize).U32(0).U16(0).U16(0).U32(static_cast<std::uint32_t>(count));
    bytes.Fill(0, 28).U16(0);
    PadTo(bytes, 0, 64, 0);
    for (const FileBytes& chunk : chunks)
        bytes.Bytes(chunk);
    return bytes.Get();
}

FileBytes N6ForeignChunk(const std::string& id, std::uint32_t headerSize, std::int32_t bodySize)
{
    ByteBuilder bytes;
    bytes.Field(id, 4, 0).U32(headerSize).U32(static_cast<std::uint32_t>(bodySize));
    const long long total = static_cast<long long>(headerSize) + bodySize;
    if (total > 12 && total <= kLargestWrittenBody)
        bytes.Fill(0xEE, static_cast<std::size_t>(total - 12));
    return bytes.Get();
}
