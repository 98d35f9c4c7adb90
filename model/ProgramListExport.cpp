#include "model/ProgramListExport.h"

#include "model/Q3917ProgramAccessor.h"
#include "model/VpException.h"
#include "model/WriteTabField.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr char kHeader[] =
    "No.\tProgram Name\tCategory\tProgrammer Name\tPriority\tComment\tVoice Mode\tArp SW\tArp Assign\n";

constexpr const char* kPriorityTexts[] = {"Off", "A", "B", "C", "D", "E"};

constexpr const char* kCategoryTexts[] = {
    "Synth Hard",   "Synth Soft", "Synth Brass", "Strings / Pad", "Motion", "Bass",        "Lead",    "Keyboard",
    "Bell / Decay", "Hit / Drum", "S.E",         "Arp / Seq",     "Split",  "Simple Wave", "Vocoder", "User",
};

// The three value columns: Voice Mode, Arpeggiator SW, Arpeggiator Timbre Assign.
constexpr ParameterAddress kValueColumns[] = {{0, 35, 0}, {7, 1, 0}, {0, 36, 0}};

template <std::size_t N>
const char* TextAt(const char* const (&texts)[N], std::int32_t index)
{
    return texts[std::clamp(index, 0, static_cast<std::int32_t>(N) - 1)];
}

// A text field of the region is read up to its last character, never past
// it, even when a file left it unterminated.
template <std::size_t N>
bool WriteTextField(CHfcOutputStream& stream, const char (&field)[N])
{
    return WriteTabField(stream, "%.*s", static_cast<int>(strnlen(field, N - 1)), field);
}

}  // namespace

bool FormatProgramListRow(CHfcOutputStream& stream, const CProgram& program, int index)
{
    const ProgramRegion& region = program.GetRegion();
    // The columns follow the header line.
    bool written =
        WriteTabField(stream, "%c%02d", 'A' + index / 16, index % 16 + 1) && WriteTextField(stream, region.name) &&
        WriteTabField(stream, "%s", TextAt(kCategoryTexts, region.category)) &&
        WriteTextField(stream, region.programmerName) &&
        WriteTabField(stream, "%s", TextAt(kPriorityTexts, region.priority)) && WriteTextField(stream, region.comment);
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    for (const ParameterAddress& address : kValueColumns) {
        char text[256] = "";
        if (accessor != nullptr)
            accessor->GetValueText(&program, address, text, sizeof text);
        written = written && WriteTabField(stream, "%s", text);
    }
    return written && stream.Write("\n", 1);
}

void ExportProgramList(CHfcOutputStream& stream, const ProgramBank& bank)
{
    if (!stream.Write(kHeader, static_cast<int>(std::strlen(kHeader))))
        throw CVpFileException(CVpFileException::WriteData);
    for (int index = 0; index < kProgramBankSize; ++index) {
        if (!FormatProgramListRow(stream, bank[static_cast<std::size_t>(index)], index))
            throw CVpFileException(CVpFileException::WriteData);
    }
}
