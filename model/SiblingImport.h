#pragma once
// Imports the all-data files of the two older sibling models: their 128
// programs become programs 0-127 of a new bank, completed with the ribbon
// settings those models lack. Both formats differ only in their ids.
#include "framework/services/HfcFile.h"
#include "model/LibraryData.h"

#include <juce_core/juce_core.h>

#include <cstdint>

struct SiblingFileIds
{
    const char* fileMagic;  // eight characters each
    const char* programChunk;
    const char* globalChunk;
};

class CSiblingFileImporter
{
public:
    // Neither is owned; the file is open for reading at the file's start and
    // keeps its length while the importer lives.
    CSiblingFileImporter(LibraryData& target, CHfcFile& file, const SiblingFileIds& ids);
    virtual ~CSiblingFileImporter() = default;
    CSiblingFileImporter(const CSiblingFileImporter&) = delete;
    CSiblingFileImporter& operator=(const CSiblingFileImporter&) = delete;

    // A message key, empty on success. A short read throws CVpFileException
    // ReadData; the target keeps what was read before a failure, and only
    // a success clears its modified flag.
    juce::String Import();

    void PrepareTarget();
    juce::String ReadAllData();
    juce::String ReadProgramChunk();
    juce::String ReadProgram(int index);
    juce::String ReadGlobalChunk();

private:
    // Sizes are checked against the file, not trusted.
    bool MoveToChunkEnd(CHfcInputStream& stream, std::int64_t start, std::int64_t headerSize, std::int64_t bodySize);

    LibraryData& m_target;
    CHfcFile& m_file;
    SiblingFileIds m_ids;
    std::int64_t m_fileLength;
};

class Q3917FileImporter : public CSiblingFileImporter
{
public:
    Q3917FileImporter(LibraryData& target, CHfcFile& file);
};

class Q3918FileImporter : public CSiblingFileImporter
{
public:
    Q3918FileImporter(LibraryData& target, CHfcFile& file);
};
