#pragma once
// How a transfer reads the device's answers: which messages end its wait
// as a success or a failure, and which leave it waiting.
#include "model/SysExTemplateTable.h"

#include <cstdint>
#include <span>

enum class ReplyKind : std::int32_t
{
    None = 0,
    InquiryReply = 1,
    ProgramWriteReply = 2,
    GlobalWriteReply = 3,
    ProgramDumpReply = 5,
    GlobalDumpReply = 6,
};

enum class ReplyVerdict
{
    Ignored,
    Success,
    Refused,  // the device answered with its write or data error reply
    Broken,   // a dump of the awaited kind that ends before its image does
};

enum class DumpAcceptance
{
    NotMatched,
    Truncated,
    Accepted,
};

// A dump of the template's kind is accepted only when it holds the whole
// packed image before its F7; the image is then unpacked into image. Bytes
// after the image are left unread: the device may send a longer dump.
DumpAcceptance AcceptDump(SysExTemplateIndex index, const std::uint8_t* message, std::int32_t length,
                          std::span<std::uint8_t> image);

// Program dumps answer a program request whichever kind and number they
// carry; imageSize is that of the awaited image. A successful dump has
// been unpacked into image.
ReplyVerdict ClassifyReply(ReplyKind awaited, const std::uint8_t* message, std::int32_t length,
                           std::span<std::uint8_t> image);
