#include "model/Q3917GlobalAccessor.h"

#include "framework/services/Numbers.h"
#include "model/Q3917GlobalParameterTable.h"

namespace {

enum GlobalGroup : std::uint32_t
{
    kGroupSystem = 0,
    kGroupMidi = 1,
};

constexpr std::uint32_t kAutoPowerOff = 9;
constexpr std::uint32_t kGlobalMidiChannel = 0;
constexpr std::uint32_t kSystemRouting = 2;

// Whether the row is stored in the data's image, inside it.
bool HasField(const CVpGlobalData* global, const ParameterRow* row)
{
    return global != nullptr && row != nullptr && (row->supported & 0xFF) != 0 && global->GetData() != nullptr &&
           row->offset >= 0 && row->offset < global->GetDataSize();
}

}  // namespace

CQ3917GlobalAccessor::CQ3917GlobalAccessor() : CVpGlobalAccessor(std::make_unique<CQ3917GlobalParameterTable>())
{}

std::int32_t CQ3917GlobalAccessor::GetValue(const CVpGlobalData* global, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    const std::int32_t raw = GetRawValue(global, address);
    return row != nullptr ? Clamp(raw, row->minimum, row->maximum) : raw;
}

void CQ3917GlobalAccessor::SetValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const
{
    const ParameterRow* row = GetRow(address);
    SetRawValue(global, address, row != nullptr ? Clamp(value, row->minimum, row->maximum) : value);
}

std::int32_t CQ3917GlobalAccessor::GetRawValue(const CVpGlobalData* global, const ParameterAddress& address) const
{
    const ParameterRow* row = GetRow(address);
    if (!HasField(global, row))
        return 0;
    std::int32_t field = (global->GetData()[row->offset] >> row->bit) & row->mask & 0xFF;
    if (row->minimum < 0)
        field = static_cast<std::int8_t>(field);
    return field - row->bias;
}

void CQ3917GlobalAccessor::SetRawValue(CVpGlobalData* global, const ParameterAddress& address, std::int32_t value) const
{
    const ParameterRow* row = GetRow(address);
    if (!HasField(global, row))
        return;
    std::uint8_t& byte = global->GetData()[row->offset];
    // Unsigned arithmetic: the sum is cut to the field anyway.
    const std::uint32_t bits = (static_cast<std::uint32_t>(value) + static_cast<std::uint32_t>(row->bias)) &
                               static_cast<std::uint32_t>(row->mask) & 0xFFu;
    const std::uint32_t fieldMask = (static_cast<std::uint32_t>(row->mask) << row->bit) & 0xFFu;
    byte = static_cast<std::uint8_t>((byte & ~fieldMask) | ((bits << row->bit) & fieldMask));
}

bool CQ3917GlobalAccessor::IsEnabled(const CVpGlobalData* /*global*/, const ParameterAddress& address) const
{
    if ((address.group == kGroupSystem && address.index == kAutoPowerOff) ||
        (address.group == kGroupMidi && (address.index == kGlobalMidiChannel || address.index == kSystemRouting)))
        return false;
    const ParameterRow* row = GetRow(address);
    return row == nullptr || (row->supported & 0xFF) != 0;
}
