#pragma once
// Bytes of the editor's own files, built field by field from their written
// layouts: a 32-byte header, then the records of the format.
#include "support/ByteBuilder.h"

#include <cstdint>
#include <string>
#include <vector>

using FileBytes = std::vector<std::uint8_t>;

struct HeaderLayout
{
    std::string magic;
    std::int16_t headerSize = 32;  // above 32 the extra bytes are 0xEE
    std::int32_t bodySize = 0;
    std::uint16_t version = 1;
    std::uint16_t kind = 3;
    std::uint16_t headerWord = 0;
    std::int32_t recordCount = 1;
    std::int32_t recordSize = 0;
};

struct ProgramRecordLayout
{
    FileBytes image;   // 352 bytes
    FileBytes digest;  // empty: the MD5 of the image
    std::string programmer;
    std::string comment;
    std::uint8_t priority = 0;
    std::uint8_t category = 0;
    std::uint16_t kind = 3;
};

void AppendHeader(ByteBuilder& bytes, const HeaderLayout& header);

FileBytes Md5Of(const FileBytes& bytes);

// A distinctive 352-byte image whose name bytes are the given 8 characters.
FileBytes PatternImage(const char* name, int seed);

// 528 bytes: header and the 496-byte record.
FileBytes ProgramFileBytes(const ProgramRecordLayout& record);
// The set header with the given count, then one program file per record.
FileBytes ProgramSetBytes(const std::vector<ProgramRecordLayout>& records, std::int32_t count);
// 224 bytes: header with the data's version and kind, image, 12 x 0xFF, MD5.
FileBytes GlobalFileBytes(const FileBytes& image, std::uint16_t version, std::uint16_t kind);
// 160 bytes: header, four words, 112 x 0xFF.
FileBytes LibraryPropertiesBytes(const std::int32_t (&words)[4]);
// The all-data header with the given count and a body of the chunks in order.
FileBytes AllDataBytes(const std::vector<FileBytes>& chunks, std::int32_t count);
