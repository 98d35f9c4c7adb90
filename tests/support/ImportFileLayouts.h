#pragma once
// Bytes of the foreign files the editor imports, built field by field from
// their written layouts: the sibling models' all-data files and the N6's
// library files. Numbers are little-endian.
#include "support/EditorFileLayouts.h"

#include <cstdint>
#include <string>
#include <vector>

// Sibling models: "3917" or "3918" before each id.
struct SiblingProgramLayout
{
    FileBytes image;  // 352 bytes
    std::string programmer;
    std::string comment;
    std::uint8_t priority = 0;
    std::uint8_t category = 0;
};

// 528 bytes: a "PrgD" header and the 496-byte body.
FileBytes SiblingProgramRecord(const std::string& model, const SiblingProgramLayout& program);
// A "PrgS" header with the given count, then the records.
FileBytes SiblingProgramChunk(const std::string& model, const std::vector<SiblingProgramLayout>& programs,
                              std::int32_t count);
// 234 bytes: a "GlbD" header, the 164-byte image, 22 x 0xFF and its MD5.
FileBytes SiblingGlobalChunk(const std::string& model, const FileBytes& image);
// The "AllD" header with the given chunk count, then the chunks in order.
FileBytes SiblingAllData(const std::string& model, const std::vector<FileBytes>& chunks, std::int32_t count);
// A header with any id and sizes (at least 32 bytes long), then bodySize
// bytes of 0xEE; none for a negative size or one over 64 KiB, which only
// claims what the file does not hold.
FileBytes ForeignChunk(const std::string& id, std::int16_t headerSize, std::int32_t bodySize);

// 128 sibling programs with distinct images, names "SIB 000 " on.
std::vector<SiblingProgramLayout> SiblingPrograms(int seed);

// N6 library files.
struct N6ProgramLayout
{
    FileBytes data = FileBytes(1820);
    std::string programmer;
    std::string comment;
    std::uint8_t priority = 0;
    std::uint8_t category = 0;
    std::uint16_t kind = 0;
    std::uint16_t version = 0;
    std::uint16_t headerWord = 0;
    std::uint32_t headerSize = 32;
    std::int32_t bodySize = 0x900;
};

// A "862p" record: its 32-byte header, then a 2,304-byte body.
FileBytes N6ProgramRecord(const N6ProgramLayout& program);
// A "862P" chunk: its 128-byte header with the count and a body that holds
// the records; the body size field is the records' length unless given.
FileBytes N6ProgramSet(const std::vector<N6ProgramLayout>& programs, std::int32_t count);
FileBytes N6ProgramSet(const std::vector<N6ProgramLayout>& programs, std::int32_t count, std::uint32_t headerSize,
                       std::int32_t bodySize);
// A "862L" file: its 64-byte header with the chunk count, then the chunks.
FileBytes N6Library(const std::vector<FileBytes>& chunks, std::int32_t count, std::uint32_t headerSize = 64);
// A chunk of another id: id, header size, body size, then 0xEE up to its
// end when that lies within 64 KiB.
FileBytes N6ForeignChunk(const std::string& id, std::uint32_t headerSize, std::int32_t bodySize);
