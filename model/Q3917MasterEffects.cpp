// Master effects: choosing a type writes its defaults, and the long ribbon
// rows follow a parameter to its tempo-synchronised twin.
#include "framework/services/Numbers.h"
#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ProgramAccessor.h"

using namespace Q3917;

namespace {

// first or second, whichever toSecond selects, when value names one of them.
std::int32_t Twin(std::int32_t value, std::int32_t first, std::int32_t second, bool toSecond)
{
    if (value == first && toSecond)
        return second;
    if (value == second && !toSecond)
        return first;
    return value;
}

}  // namespace

std::int32_t CQ3917ProgramAccessor::GetFxType(const CVpProgramData* program, const ParameterAddress& address) const
{
    return Raw(program, kGroupMasterFx, FxBlockStart(address.index) + kFxType, address.timbre);
}

const FxTypeRecord* CQ3917ProgramAccessor::GetFxTypeRecord(const CVpProgramData* program,
                                                           const ParameterAddress& address) const
{
    return GetFxParameterTable().GetTypeRecord(static_cast<std::uint32_t>(GetFxType(program, address)));
}

std::int32_t CQ3917ProgramAccessor::FxSlotValue(const CVpProgramData* program, const ParameterAddress& address,
                                                std::int32_t slot) const
{
    return Raw(program, kGroupMasterFx, FxBlockStart(address.index) + kFxFirstSlot + static_cast<std::uint32_t>(slot),
               address.timbre);
}

void CQ3917ProgramAccessor::SetFxType(CVpProgramData* program, const ParameterAddress& address, std::int32_t type) const
{
    SetRawValue(program, address, type);
    const std::uint32_t start = FxBlockStart(address.index);
    const auto fxType = static_cast<std::uint32_t>(type);
    for (std::uint32_t slot = 0; slot < kFxSlots; ++slot) {
        const FxParameterRow* row = GetFxParameterTable().GetParameterRow(fxType, slot);
        // An initial value outside its slot's range would reach the device as it is.
        const std::int32_t initial = row != nullptr ? Clamp(row->initial, row->minimum, row->maximum) : 0;
        SetRaw(program, kGroupMasterFx, start + kFxFirstSlot + slot, address.timbre, initial);
    }
    if (const FxTypeRecord* record = GetFxParameterTable().GetTypeRecord(fxType)) {
        SetRaw(program, kGroupMasterFx, start + kFxRibbon, address.timbre, record->ribbonDefault);
        SetRaw(program, kGroupMasterFx, start + kFxRibbonPolarity, address.timbre, record->polarityDefault);
    }
}

void CQ3917ProgramAccessor::SetFxParameter(CVpProgramData* program, const ParameterAddress& address,
                                           std::int32_t value) const
{
    const FxTypeRecord* record = GetFxTypeRecord(program, address);
    if (record == nullptr) {
        SetRawValue(program, address, value);
        return;
    }
    const std::int32_t type = GetFxType(program, address);
    const std::int32_t slot = FxSlot(address.index);
    const std::uint32_t start = FxBlockStart(address.index);
    const std::uint32_t ribbons[] = {start + kFxRibbon, start + kFxRibbonPolarity};

    // A switch that swaps a parameter for its twin moves the ribbon rows along.
    const auto follow = [&](std::int32_t first, std::int32_t second) {
        for (const std::uint32_t ribbon : ribbons) {
            const std::int32_t held = Raw(program, kGroupMasterFx, ribbon, address.timbre);
            if (held == first || held == second)
                SetRaw(program, kGroupMasterFx, ribbon, address.timbre, value != 0 ? second : first);
        }
    };
    if (record->lfoSync != 0 && slot == record->lfoTempoSyncSwitch)
        follow(record->lfoFrequency, record->lfoSyncNote);
    if (record->timeSync != 0 && slot == record->tempoSyncSwitch)
        follow(record->unsyncedTime, record->syncedTime);
    if (type == kFxRingModulator && slot == kRingOscMode)
        follow(kRingFixedFrequency, kRingNoteOffset);

    // A ribbon row never points at the twin that is switched off.
    if (address.index == ribbons[0] || address.index == ribbons[1]) {
        if (record->lfoSync != 0)
            value = Twin(value, record->lfoFrequency, record->lfoSyncNote,
                         FxSlotValue(program, address, record->lfoTempoSyncSwitch) != 0);
        if (record->timeSync != 0)
            value = Twin(value, record->unsyncedTime, record->syncedTime,
                         FxSlotValue(program, address, record->tempoSyncSwitch) != 0);
        if (type == kFxRingModulator)
            value = Twin(value, kRingFixedFrequency, kRingNoteOffset, FxSlotValue(program, address, kRingOscMode) != 0);
    }
    SetRawValue(program, address, value);
}
