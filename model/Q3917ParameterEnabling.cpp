// Whether a parameter takes effect with the program's other settings (an
// editor dims it otherwise), and whether an effect slot can be edited at all.
#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ProgramAccessor.h"

using namespace Q3917;

namespace {

bool InRange(std::int32_t value, std::int32_t first, std::int32_t last)
{
    return value >= first && value <= last;
}

bool InRange(std::uint32_t value, std::uint32_t first, std::uint32_t last)
{
    return value >= first && value <= last;
}

// Filter effect slots that follow its mod source.
constexpr std::int32_t kFilterLfoFirst = 8;
constexpr std::int32_t kFilterLfoLast = 14;
constexpr std::int32_t kFilterControlSource = 15;

}  // namespace

bool CQ3917ProgramAccessor::IsEnabled(const CVpProgramData* program, const ParameterAddress& address) const
{
    const bool timbreGroup =
        address.group == kGroupTimbreCommon || address.group == kGroupSynth || address.group == kGroupTimbreFx;
    if (timbreGroup && address.timbre > 1)
        return false;
    const bool enabled = IsRowEnabled(program, address);
    // A single-timbre program has no second timbre to edit.
    if (timbreGroup && address.timbre == 1 && Raw(program, kGroupCommon, kVoiceMode, 0) == kVoiceSingle)
        return false;
    return enabled;
}

bool CQ3917ProgramAccessor::IsRowEnabled(const CVpProgramData* program, const ParameterAddress& address) const
{
    const std::uint32_t index = address.index;
    const auto raw = [&](std::uint32_t row) { return Raw(program, address.group, row, address.timbre); };
    switch (address.group) {
    case kGroupCommon: {
        const std::int32_t voiceMode = raw(kVoiceMode);
        if (index == kTimbre2MidiCh)
            return voiceMode == kVoiceMulti;
        if (index == kSplitKey)
            return voiceMode == kVoiceSplit;
        if (InRange(index, kLongRibbonTimbreSelect, kLongRibbonScaleRange) || index == kLongRibbonScaleKey)
            return raw(kLongRibbonScaleSw) == 1;
        return true;
    }
    case kGroupTimbreCommon:
        if (index == kUnisonDetune || index == kUnisonSpread)
            return raw(kUnisonVoices) != 0;
        return true;
    case kGroupSynth: {
        const std::int32_t wave = raw(kOsc1Wave);
        switch (index) {
        case kOsc1Control1: return wave != kWavePcm;
        case kOsc1Control2: return wave != kWavePcm && wave != kWaveAudioIn;
        case kOsc1PcmWave: return wave == kWavePcm;
        case kDrivePosition:
        case kDriveDepth: return raw(kDriveType) != 0;
        case kLfo1Frequency: return raw(kLfo1BpmSync) != 1;
        case kLfo1InitPhase: return raw(kLfo1KeySync) != 0;
        case kLfo1SyncNote: return raw(kLfo1BpmSync) != 0;
        case kLfo2Frequency: return raw(kLfo2BpmSync) != 1;
        case kLfo2InitPhase: return raw(kLfo2KeySync) != 0;
        case kLfo2SyncNote: return raw(kLfo2BpmSync) != 0;
        default: return InRange(index, kFilter2First, kFilter2Last) ? raw(kFilterRouting) != 0 : true;
        }
    }
    case kGroupVocoder: return InRange(index, kBandHoldFirst, kBandHoldLast) ? raw(kVocoderEfSens) == 127 : true;
    case kGroupMasterFx: return IsFxEnabled(program, address);
    case kGroupArpeggiator:
        if (InRange(index, kArpStep1Sw, kArpStep8Sw))
            return static_cast<std::int32_t>(index - kArpStep1Sw) <= raw(kArpLastStep);
        return IsSupported(address);
    default: return IsSupported(address);
    }
}

bool CQ3917ProgramAccessor::IsFxEnabled(const CVpProgramData* program, const ParameterAddress& address) const
{
    const FxTypeRecord* record = GetFxTypeRecord(program, address);
    if (record == nullptr)
        return true;
    const std::int32_t type = GetFxType(program, address);
    const std::int32_t slot = FxSlot(address.index);
    const auto value = [&](std::int32_t of) { return FxSlotValue(program, address, of); };
    bool enabled = true;

    if (record->lfoSync != 0) {
        if (slot == record->lfoFrequency)
            enabled = value(record->lfoTempoSyncSwitch) == 0;
        if (slot == record->lfoSyncNote)
            enabled = value(record->lfoTempoSyncSwitch) != 0;
    }
    if (type == kFxFilter && enabled) {
        if (InRange(slot, kFilterLfoFirst, kFilterLfoLast))
            enabled = value(record->modSourceSlot) == 0;
        if (slot == kFilterControlSource)
            enabled = value(record->modSourceSlot) == 1;
    }
    if (record->timeSync != 0) {
        // The free-running times run up to the synchronised ones, which come in as many slots.
        const std::int32_t count = record->syncedTime - record->unsyncedTime;
        const bool synced = value(record->tempoSyncSwitch) != 0;
        if (InRange(slot, record->unsyncedTime, record->syncedTime - 1))
            enabled = !synced;
        if (InRange(slot, record->syncedTime, record->syncedTime + count - 1))
            enabled = synced;
    }
    if (record->keySync != 0 && slot == record->lfoKeySync + 1)
        enabled = value(record->lfoKeySync) != 0;
    if (type == kFx4BandEq) {
        if (slot == kEqBand1Q)
            enabled = value(kEqBand1Type) == 0;
        if (slot == kEqBand4Q)
            enabled = value(kEqBand4Type) == 0;
    }
    if (type == kFxRingModulator) {
        if (slot == kRingFixedFrequency)
            enabled = value(kRingOscMode) == 0;
        if (slot == kRingNoteOffset || slot == kRingNoteFine)
            enabled = value(kRingOscMode) != 0;
    }
    const bool typeRow = address.index == kFxType || address.index == kFxBlockRows + kFxType;
    if (type == kFxOff && !typeRow)
        enabled = false;
    return enabled;
}

bool CQ3917ProgramAccessor::IsAvailable(const CVpProgramData* program, const ParameterAddress& address) const
{
    const FxParameterRow* row = GetFxParameterRow(program, address);
    const FxTypeRecord* record = GetFxTypeRecord(program, address);
    if (row == nullptr || record == nullptr)
        return false;
    const std::int32_t type = GetFxType(program, address);
    const std::int32_t slot = FxSlot(address.index);
    const auto value = [&](std::int32_t of) { return FxSlotValue(program, address, of); };

    if (record->lfoSync != 0 && (slot == record->lfoFrequency || slot == record->lfoSyncNote)) {
        const bool synced = value(record->lfoTempoSyncSwitch) != 0;
        if (slot == (synced ? record->lfoFrequency : record->lfoSyncNote))
            return false;
        if (record->modSource != 0 && value(record->modSourceSlot) == 1)
            return false;
    }
    if (record->timeSync != 0 && (slot == record->unsyncedTime || slot == record->syncedTime)) {
        const bool synced = value(record->tempoSyncSwitch) != 0;
        if (slot == (synced ? record->unsyncedTime : record->syncedTime))
            return false;
    }
    if (type == kFxRingModulator) {
        if (slot == kRingFixedFrequency && value(kRingOscMode) != 0)
            return false;
        if (slot == kRingNoteOffset && value(kRingOscMode) == 0)
            return false;
    }
    return row->available != 0;
}
