#pragma once
// What the importers of foreign files share: a fresh library to fill, and
// the way an imported program is stored in it.
#include "model/LibraryData.h"
#include "model/Q3917ProgramData.h"

#include <cstdint>

// Clears the library and gives it a bank of initial programs and an
// initial global, in that order.
void PrepareImportTarget(LibraryData& target);

// One foreign program, read whole before the bank is touched.
struct ImportedProgram
{
    std::uint8_t image[CQ3917ProgramData::kImageSize];
    char programmerName[CVpProgramData::kProgrammerNameLength + 1];
    char comment[CVpProgramData::kCommentLength + 1];
    std::int32_t priority;
    std::int32_t category;
};

// Stores the image, its name and the texts, adds the fixed ribbon values,
// rebuilds the oscillator memory and marks the program saved. Version and
// kind are the caller's.
void StoreImportedProgram(CProgram& program, const ImportedProgram& imported);
