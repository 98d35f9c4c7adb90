#pragma once
// The 32-byte header in front of every editor file and of every chunk of an
// all-data file. Numbers are little-endian.
#include "framework/services/HfcStream.h"

#include <cstdint>

struct FileHeader
{
    static constexpr int kSize = 32;
    static constexpr int kMagicLength = 8;
    // What the editor's files record, except the global data's own attributes.
    static constexpr std::int32_t kWrittenVersion = 1;
    static constexpr std::int32_t kWrittenKind = 3;

    const char* magic;        // eight characters, not terminated in the file
    std::int32_t headerSize;  // 16-bit in the file, read signed
    std::uint32_t bodySize;   // bytes after the header, read unsigned
    std::int32_t version;     // the 16-bit words are read sign-extended
    std::int32_t kind;
    std::int32_t headerWord;
    std::int32_t recordCount;
    std::int32_t recordSize;
};

// Reads a header at the stream's position. Throws CVpFileException ReadData
// when the stream ends inside the 32 bytes and InvalidId when the magic is
// not expectedMagic. magic points at expectedMagic.
FileHeader ReadFileHeader(CHfcInputStream& stream, const char* expectedMagic);

// Throws CVpFileException WriteData when a field does not go out whole.
void WriteFileHeader(CHfcOutputStream& stream, const FileHeader& header);

// Runs of 0xFF that fill reserved space; throws WriteData like the fields.
void WritePadding(CHfcOutputStream& stream, int count);
// Throws WriteData unless every byte was written.
void WriteChecked(CHfcOutputStream& stream, const void* bytes, int count);
// Throws ReadData unless count bytes were read.
void ReadChecked(CHfcInputStream& stream, void* buffer, int count);
