#pragma once
// The device's System Exclusive message templates. Model templates hold 0x30
// in byte 2 and zero number bytes; a sender fills in the channel and the
// number, a matcher ignores the channel.
#include <cstdint>

enum SysExTemplateIndex : std::int32_t
{
    DeviceInquiryRequest = 0,
    CurrentProgramDumpRequest = 1,
    ProgramDumpRequest = 2,
    GlobalDumpRequest = 3,
    DeviceInquiryReply = 5,
    CurrentProgramDump = 6,
    ProgramDump = 7,
    GlobalDump = 8,
    DataErrorReply = 11,
    WriteCompletedReply = 12,
    WriteErrorReply = 13,
};

constexpr int kSysExTemplateCount = 16;
constexpr int kSysExTemplateSize = 32;

struct SysExTemplateDescriptor
{
    std::int32_t length;         // template bytes a sender copies
    std::int32_t compareLength;  // leading bytes a matcher compares
    std::int32_t numberOffset;   // 14-bit number, low seven bits first; 0 none
    std::int32_t payloadOffset;  // packed payload; 0 none
};

extern const std::uint8_t SysExTemplateTable[kSysExTemplateCount][kSysExTemplateSize];
extern const SysExTemplateDescriptor SysExTemplateDescriptors[kSysExTemplateCount];
