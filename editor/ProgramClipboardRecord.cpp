#include "editor/ProgramClipboardRecord.h"

#include <cstring>

ProgramClipboardRecord MakeProgramClipboardRecord(const ProgramBank& bank, int n)
{
    ProgramClipboardRecord record{};
    record.number = static_cast<std::uint32_t>(n);
    record.region = bank.at(static_cast<std::size_t>(n)).GetRegion();
    return record;
}

std::optional<ProgramClipboardRecord> ReadProgramClipboardRecord(const std::uint8_t* bytes, std::size_t size)
{
    if (bytes == nullptr || size != sizeof(ProgramClipboardRecord))
        return std::nullopt;
    ProgramClipboardRecord record;
    std::memcpy(&record, bytes, sizeof record);
    return record;
}
