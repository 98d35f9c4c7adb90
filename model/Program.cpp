#include "model/Program.h"

#include "framework/services/FixedStrings.h"
#include "model/Q3917InitialProgram.h"

#include <cstring>

namespace {

constexpr std::int32_t kCurrentVersion = 1;
constexpr std::int32_t kCurrentKind = 3;
constexpr std::size_t kLongestName = 255;

// The reset shared by a new program and the Initialize command.
void ResetRegion(CProgram& program)
{
    ProgramRegion& region = program.GetRegion();
    std::memcpy(region.image, kQ3917InitialProgramImage, sizeof region.image);
    UpdateProgramRecordName(program);
    std::memset(region.programmerName, 0, sizeof region.programmerName);
    std::memset(region.comment, 0, sizeof region.comment);
    region.priority = 0;
    region.category = 0;
    program.SetVersion(kCurrentVersion);
    program.SetKind(kCurrentKind);
    program.SetHeaderWord(0);
    program.ResetOscControlMemory();
}

}  // namespace

CProgram::CProgram()
{
    // The document works on its region; the data's own image stays zero.
    SetVersion(kCurrentVersion);
    SetKind(kCurrentKind);
    SetHeaderWord(0);
}

void CProgram::Initialize()
{
    ResetRegion(*this);
    MarkSaved();
}

void InitializeProgramRecord(CProgram& program)
{
    ResetRegion(program);
}

void SetProgramRecordName(CProgram& program, const char* text)
{
    char kept[kLongestName + 1] = {};
    if (text != nullptr)
        CopyPaddedString(kept, text, kLongestName, '\0');
    ProgramRegion& region = program.GetRegion();
    CopyPaddedString(reinterpret_cast<char*>(region.image), kept, ProgramRegion::kNameLength);
    std::memset(region.name, 0, sizeof region.name);
    CopyPaddedString(region.name, kept, ProgramRegion::kNameLength, '\0');
}

bool RevertProgramRecord(CProgram& program)
{
    program.GetRegion() = program.GetSavedCopy();
    return true;
}

void CopyProgramImage(CProgram& target, const CProgram& source)
{
    std::memcpy(target.GetRegion().image, source.GetRegion().image, sizeof target.GetRegion().image);
    UpdateProgramRecordName(target);
    target.SetKind(source.GetKind());
    target.SetHeaderWord(source.GetHeaderWord());
}

void CopyProgramRegion(const CProgram& source, CProgram& target)
{
    target.GetRegion() = source.GetRegion();
    target.SetKind(source.GetKind());
}

void UpdateProgramRecordName(CProgram& program)
{
    ProgramRegion& region = program.GetRegion();
    CopyTrimmedString(region.name, reinterpret_cast<const char*>(region.image), ProgramRegion::kNameLength);
}

std::int32_t GetProgramFileSize()
{
    return CQ3917ProgramData::kStreamSize;
}
