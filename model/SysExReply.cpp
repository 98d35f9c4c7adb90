#include "model/SysExReply.h"

#include "framework/services/SysExPacking.h"
#include "model/MatchSysExTemplate.h"
#include "model/SysExProtocol.h"

namespace {

bool IsRefusal(const std::uint8_t* message, std::int32_t length)
{
    return MatchSysExTemplate(WriteErrorReply, message, length) || MatchSysExTemplate(DataErrorReply, message, length);
}

ReplyVerdict FromAcceptance(DumpAcceptance acceptance)
{
    return acceptance == DumpAcceptance::Accepted ? ReplyVerdict::Success : ReplyVerdict::Failure;
}

ReplyVerdict ClassifyDump(std::span<const SysExTemplateIndex> kinds, const std::uint8_t* message, std::int32_t length,
                          std::span<std::uint8_t> image)
{
    for (SysExTemplateIndex kind : kinds) {
        const DumpAcceptance acceptance = AcceptDump(kind, message, length, image);
        if (acceptance != DumpAcceptance::NotMatched)
            return FromAcceptance(acceptance);
    }
    return IsRefusal(message, length) ? ReplyVerdict::Failure : ReplyVerdict::Ignored;
}

}  // namespace

DumpAcceptance AcceptDump(SysExTemplateIndex index, const std::uint8_t* message, std::int32_t length,
                          std::span<std::uint8_t> image)
{
    if (!MatchSysExTemplate(index, message, length))
        return DumpAcceptance::NotMatched;
    const std::int32_t imageSize = static_cast<std::int32_t>(image.size());
    if (length < GetDumpMessageSize(index, imageSize))
        return DumpAcceptance::Truncated;
    UnpackSysExData(image.data(), message + SysExTemplateDescriptors[index].payloadOffset, imageSize);
    return DumpAcceptance::Accepted;
}

ReplyVerdict ClassifyReply(ReplyKind awaited, const std::uint8_t* message, std::int32_t length,
                           std::span<std::uint8_t> image)
{
    switch (awaited) {
    case ReplyKind::InquiryReply: {
        DeviceIdentity identity{};
        return ReadDeviceInquiryReply(message, length, identity) ? ReplyVerdict::Success : ReplyVerdict::Ignored;
    }
    case ReplyKind::ProgramWriteReply:
    case ReplyKind::GlobalWriteReply:
        if (MatchSysExTemplate(WriteCompletedReply, message, length))
            return ReplyVerdict::Success;
        return IsRefusal(message, length) ? ReplyVerdict::Failure : ReplyVerdict::Ignored;
    case ReplyKind::ProgramDumpReply: {
        static constexpr SysExTemplateIndex kProgramDumps[] = {ProgramDump, CurrentProgramDump};
        return ClassifyDump(kProgramDumps, message, length, image);
    }
    case ReplyKind::GlobalDumpReply: {
        static constexpr SysExTemplateIndex kGlobalDumps[] = {GlobalDump};
        return ClassifyDump(kGlobalDumps, message, length, image);
    }
    case ReplyKind::None: break;
    }
    return ReplyVerdict::Ignored;
}
