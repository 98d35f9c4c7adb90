#pragma once
// One program as it travels on the clipboard and in a drag: its number in
// the bank it came from, then its editable region.
#include "model/LibraryData.h"

#include <cstddef>
#include <cstdint>
#include <optional>

struct ProgramClipboardRecord
{
    std::uint32_t number;
    ProgramRegion region;
};
static_assert(sizeof(ProgramClipboardRecord) == 648 && offsetof(ProgramClipboardRecord, region) == 4);

// The record of program n of the bank.
ProgramClipboardRecord MakeProgramClipboardRecord(const ProgramBank& bank, int n);
// The record held in bytes; none unless they are exactly one record long.
std::optional<ProgramClipboardRecord> ReadProgramClipboardRecord(const std::uint8_t* bytes, std::size_t size);
