#include "editor/ProgramListInfo.h"

#include "model/ListValueText.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

namespace program_list {
namespace {

constexpr ParameterAddress kVoiceMode{0, 35, 0};
constexpr ParameterAddress kCategory{0, 53, 0};
constexpr ParameterAddress kArpeggiatorOn{7, 1, 0};
constexpr ParameterAddress kScaleType{0, 45, 0};
constexpr ParameterAddress kScaleRange{0, 46, 0};
constexpr ParameterAddress kPitchRange{0, 47, 0};
constexpr ParameterAddress kFilterIntensity{2, 110, 0};
constexpr std::size_t kTextLength = 16;

std::int32_t ValueOf(const CProgram& program, const ParameterAddress& address)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    return accessor != nullptr ? accessor->GetValue(&program, address) : 0;
}

// The value's text in the keyword list its value type names.
std::string KeywordText(const CProgram& program, const ParameterAddress& address)
{
    const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance();
    if (accessor == nullptr)
        return {};
    char text[64] = "";
    ListValueText(accessor->GetValueTypeKey(&program, address), accessor->GetValue(&program, address),
                  accessor->GetMinimum(&program, address), text, sizeof text);
    return std::string(text).substr(0, kTextLength);
}

// "Scale: 2 Oct", or "Scale: 2 Oct(Rev)" for -2.
std::string OctaveText(const char* label, std::int32_t value)
{
    char text[64];
    std::snprintf(text, sizeof text, "%s%d%s", label, value < 0 ? -value : value, value < 0 ? " Oct(Rev)" : " Oct");
    return text;
}

// The first 16 characters of a text of the program.
template <std::size_t N>
std::string FieldText(const char (&field)[N])
{
    return std::string(field, strnlen(field, std::min(N, kTextLength)));
}

}  // namespace

int InfoColumnCount(int listMode)
{
    return listMode == 1 ? 1 : 8;
}

int InfoTextLength(int listMode)
{
    // A wide column holds 17 characters, so that "Scale: 2 Oct(Rev)" shows whole.
    return listMode == 1 ? 12 : 17;
}

std::vector<int> ShownInfoColumns(std::uint32_t mask, int listMode)
{
    std::vector<int> shown;
    for (int column = 0; column < kInfoMenuColumns && static_cast<int>(shown.size()) < InfoColumnCount(listMode);
         ++column) {
        if ((mask & (1u << column)) != 0)
            shown.push_back(column);
    }
    return shown;
}

std::uint32_t ToggleInfoColumn(std::uint32_t mask, int column, int listMode)
{
    const std::uint32_t bit = 1u << column;
    if ((mask & bit) != 0)
        return mask & ~bit;
    if (listMode == 1)
        return bit;
    std::uint32_t kept = 0;
    int count = 0;
    for (int scanned = 0; scanned < kInfoMenuColumns && count < InfoColumnCount(listMode) - 1; ++scanned) {
        if ((mask & (1u << scanned)) != 0) {
            kept |= 1u << scanned;
            ++count;
        }
    }
    return kept | bit;
}

std::string InfoColumnText(int column, const CProgram& program, int storedListMode, int listMode)
{
    std::string text;
    switch (column) {
    case kInfoVoiceMode: text = KeywordText(program, kVoiceMode); break;
    case kInfoCategory: text = KeywordText(program, kCategory); break;
    case kInfoArpeggiator: text = ValueOf(program, kArpeggiatorOn) == 1 ? "ARP ON" : ""; break;
    case kInfoScaleType: text = KeywordText(program, kScaleType); break;
    case kInfoScaleRange: text = OctaveText("Scale: ", ValueOf(program, kScaleRange)); break;
    case kInfoPitchRange: text = OctaveText("Pitch: ", ValueOf(program, kPitchRange)); break;
    case kInfoFilterIntensity: {
        const std::int32_t value = ValueOf(program, kFilterIntensity);
        char buffer[64];
        std::snprintf(buffer, sizeof buffer, value >= 0 ? "%s+%d" : "%s%d",
                      storedListMode == 1 ? "FILTER: " : "\"FILTER\"Int: ", value);
        text = buffer;
        break;
    }
    case kInfoProgrammer: text = FieldText(program.GetRegion().programmerName); break;
    case kInfoComment: text = FieldText(program.GetRegion().comment); break;
    default: break;
    }
    return text.substr(0, static_cast<std::size_t>(InfoTextLength(listMode)));
}

}  // namespace program_list
