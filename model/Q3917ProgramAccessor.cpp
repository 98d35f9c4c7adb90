#include "model/Q3917ProgramAccessor.h"

#include "framework/services/EfTrace.h"
#include "framework/services/Numbers.h"
#include "model/Q3917FxParameterTable.h"
#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ParameterTable.h"

using namespace Q3917;

namespace {

constexpr int kTimbreBlockBase = 16;
constexpr int kTimbreBlockSize = 96;
constexpr int kVocoderBase = 208;
constexpr int kMasterFxBase = 286;
constexpr int kArpeggiatorBase = 338;

bool IsTimbreGroup(std::uint32_t group)
{
    return group == kGroupTimbreCommon || group == kGroupSynth || group == kGroupTimbreFx;
}

// Offset of the group's rows in the image; false for groups without storage.
bool GetGroupBase(const ParameterAddress& address, int& base)
{
    switch (address.group) {
    case kGroupCommon:
    case kGroupTempo: base = 0; return true;
    case kGroupTimbreCommon:
    case kGroupSynth:
    case kGroupTimbreFx: base = kTimbreBlockBase + kTimbreBlockSize * static_cast<int>(address.timbre); return true;
    case kGroupVocoder: base = kVocoderBase; return true;
    case kGroupMasterFx: base = kMasterFxBase; return true;
    case kGroupArpeggiator: base = kArpeggiatorBase; return true;
    default: EfTrace("unsupported parameter..."); return false;
    }
}

// Tempo and the vocoder hold data are 16-bit little-endian values.
bool IsWideRow(const ParameterAddress& address)
{
    return (address.group == kGroupTempo && address.index == kBpm) ||
           (address.group == kGroupVocoder && address.index >= kBandHoldFirst && address.index <= kBandHoldLast);
}

// Effect slots take their bias from the effect type and are never sign-extended.
bool IsFxParameterRow(const ParameterAddress& address)
{
    return address.group == kGroupMasterFx && address.index != kFxType && address.index != kFxBlockRows + kFxType;
}

}  // namespace

CQ3917ProgramAccessor::CQ3917ProgramAccessor()
    : CVpProgramAccessor(std::make_unique<CQ3917ParameterTable>(), std::make_unique<CQ3917FxParameterTable>())
{}

std::int32_t CQ3917ProgramAccessor::Raw(const CVpProgramData* program, std::uint32_t group, std::uint32_t index,
                                        std::uint32_t timbre) const
{
    return GetRawValue(program, {group, index, timbre});
}

void CQ3917ProgramAccessor::SetRaw(CVpProgramData* program, std::uint32_t group, std::uint32_t index,
                                   std::uint32_t timbre, std::int32_t value) const
{
    SetRawValue(program, {group, index, timbre}, value);
}

std::int32_t CQ3917ProgramAccessor::GetRawValue(const CVpProgramData* program, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    int base = 0;
    if (program == nullptr || !IsSupported(address) || !GetGroupBase(address, base))
        return 0;
    const std::uint8_t* data = program->GetData();
    const int location = base + row->offset;
    const int width = IsWideRow(address) ? 2 : 1;
    if (data == nullptr || location < 0 || location + width > program->GetDataSize())
        return 0;

    if (width == 2)
        return Clamp(data[location] + 256 * data[location + 1], row->minimum, row->maximum);

    std::int32_t field = (data[location] >> row->bit) & row->mask & 0xFF;
    if (IsFxParameterRow(address))
        return field - GetBias(program, address);
    if (row->minimum < 0)
        field = static_cast<std::int8_t>(field);
    return field - row->bias;
}

void CQ3917ProgramAccessor::SetRawValue(CVpProgramData* program, const ParameterAddress& address,
                                        std::int32_t value) const
{
    const ParameterRow* row = GetRow(address);
    int base = 0;
    if (program == nullptr || !IsSupported(address) || !GetGroupBase(address, base))
        return;
    std::uint8_t* data = program->GetData();
    const int location = base + row->offset;
    const int width = IsWideRow(address) ? 2 : 1;
    if (data == nullptr || location < 0 || location + width > program->GetDataSize())
        return;

    if (width == 2) {
        const std::int32_t clamped = Clamp(value, row->minimum, row->maximum);
        data[location] = static_cast<std::uint8_t>(clamped & 0xFF);
        data[location + 1] = static_cast<std::uint8_t>((clamped >> 8) & 0xFF);
        return;
    }

    const std::int32_t bias = IsFxParameterRow(address) ? GetBias(program, address) : row->bias;
    // Unsigned arithmetic: the sum is cut to the field anyway.
    const std::uint32_t bits = (static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(bias)) &
                               static_cast<std::uint32_t>(row->mask) & 0xFFu;
    const std::uint32_t fieldMask = (static_cast<std::uint32_t>(row->mask) << row->bit) & 0xFFu;
    data[location] = static_cast<std::uint8_t>((data[location] & ~fieldMask) | ((bits << row->bit) & fieldMask));
}

std::int32_t CQ3917ProgramAccessor::GetValue(const CVpProgramData* program, const ParameterAddress& address) const
{
    if (program == nullptr || !IsSupported(program, address))
        return 0;
    std::int32_t value = GetRawValue(program, address);
    if (address.group == kGroupSynth)
        value = OscControlToValue(program, address, value);
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    GetRange(program, address, minimum, maximum);
    return Clamp(value, minimum, maximum);
}

void CQ3917ProgramAccessor::SetValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const
{
    if (program == nullptr || !IsSupported(address))
        return;
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    GetRange(program, address, minimum, maximum);
    value = Clamp(value, minimum, maximum);
    if (address.group == kGroupMasterFx) {
        if (!IsFxParameterRow(address))
            SetFxType(program, address, value);
        else
            SetFxParameter(program, address, value);
        return;
    }
    if (address.group == kGroupSynth) {
        if (SetOscValue(program, address, value))
            return;
        if (address.index == kLongRibbonFilterIntensity) {
            // The device keeps one intensity for both timbres.
            SetRaw(program, kGroupSynth, address.index, 0, value);
            SetRaw(program, kGroupSynth, address.index, 1, value);
            return;
        }
    }
    SetRawValue(program, address, value);
}

const FxParameterRow* CQ3917ProgramAccessor::GetFxParameterRow(const CVpProgramData* program,
                                                               const ParameterAddress& address) const
{
    const std::int32_t slot = address.group == kGroupMasterFx ? FxSlot(address.index) : -1;
    if (slot < 0)
        return nullptr;
    return GetFxParameterTable().GetParameterRow(static_cast<std::uint32_t>(GetFxType(program, address)),
                                                 static_cast<std::uint32_t>(slot));
}

void CQ3917ProgramAccessor::GetRange(const CVpProgramData* program, const ParameterAddress& address,
                                     std::int32_t& minimum, std::int32_t& maximum) const
{
    if (const FxParameterRow* fx = GetFxParameterRow(program, address)) {
        minimum = fx->minimum;
        maximum = fx->maximum;
    } else if (!GetOscRange(program, address, minimum, maximum)) {
        minimum = CVpProgramAccessor::GetMinimum(program, address);
        maximum = CVpProgramAccessor::GetMaximum(program, address);
    }
}

std::int32_t CQ3917ProgramAccessor::GetMinimum(const CVpProgramData* program, const ParameterAddress& address) const
{
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    GetRange(program, address, minimum, maximum);
    return minimum;
}

std::int32_t CQ3917ProgramAccessor::GetMaximum(const CVpProgramData* program, const ParameterAddress& address) const
{
    std::int32_t minimum = 0;
    std::int32_t maximum = 0;
    GetRange(program, address, minimum, maximum);
    return maximum;
}

std::int32_t CQ3917ProgramAccessor::GetBias(const CVpProgramData* program, const ParameterAddress& address) const
{
    if (const FxParameterRow* fx = GetFxParameterRow(program, address))
        return fx->bias;
    return CVpProgramAccessor::GetBias(program, address);
}

const char* CQ3917ProgramAccessor::GetName(const CVpProgramData* program, const ParameterAddress& address) const
{
    const char* name = nullptr;
    if (const FxParameterRow* fx = GetFxParameterRow(program, address))
        return fx->name;
    if (GetOscName(program, address, name))
        return name;
    return CVpProgramAccessor::GetName(program, address);
}

const char* CQ3917ProgramAccessor::GetValueTypeKey(const CVpProgramData* program, const ParameterAddress& address) const
{
    if (const FxParameterRow* fx = GetFxParameterRow(program, address))
        return fx->key;
    if (const char* key = GetOscKey(program, address))
        return key;
    return CVpProgramAccessor::GetValueTypeKey(program, address);
}

std::int32_t CQ3917ProgramAccessor::GetControlKind(const CVpProgramData* program, const ParameterAddress& address) const
{
    if (const FxParameterRow* fx = GetFxParameterRow(program, address))
        return fx->kind;
    return CVpProgramAccessor::GetControlKind(program, address);
}

bool CQ3917ProgramAccessor::IsSupported(const ParameterAddress& address) const
{
    // A third timbre would land in the vocoder and effect bytes or past the image.
    if (IsTimbreGroup(address.group) && address.timbre > 1)
        return false;
    return CVpProgramAccessor::IsSupported(address);
}

bool CQ3917ProgramAccessor::IsSupported(const CVpProgramData* program, const ParameterAddress& address) const
{
    if (!IsSupported(address))
        return false;
    if (const FxParameterRow* fx = GetFxParameterRow(program, address))
        return fx->used != 0;
    return true;
}

std::uint32_t CQ3917ProgramAccessor::GetParameterCount() const
{
    std::uint32_t count = 0;
    for (std::uint32_t group = 0; group < GetParameterTable().GetGroupCount(); ++group)
        count += GetParameterTable().GetCount(group) * (IsTimbreGroup(group) || group == kGroupModSeq ? 2 : 1);
    return count;
}

std::uint32_t CQ3917ProgramAccessor::GetFlaggedParameterCount() const
{
    std::uint32_t count = 0;
    for (std::uint32_t group = 0; group < GetParameterTable().GetGroupCount(); ++group) {
        const std::uint32_t weight = IsTimbreGroup(group) || group == kGroupModSeq ? 2 : 1;
        for (std::uint32_t index = 0; index < GetParameterTable().GetCount(group); ++index)
            if (GetRowFlag({group, index, 0}))
                count += weight;
    }
    return count;
}
