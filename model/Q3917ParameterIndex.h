#pragma once
// Group and row numbers of the program parameters that other parameters
// depend on.
#include <cstdint>

namespace Q3917 {

enum Group : std::uint32_t
{
    kGroupCommon = 0,
    kGroupTimbreCommon = 1,
    kGroupSynth = 2,
    kGroupModSeq = 3,
    kGroupTimbreFx = 4,
    kGroupVocoder = 5,
    kGroupMasterFx = 6,
    kGroupTempo = 7,
    kGroupArpeggiator = 8,
    kGroupReserved = 9,
};

// Group 0.
inline constexpr std::uint32_t kVoiceMode = 35;
inline constexpr std::uint32_t kTimbre2MidiCh = 41;
inline constexpr std::uint32_t kSplitKey = 42;
inline constexpr std::uint32_t kLongRibbonTimbreSelect = 44;
inline constexpr std::uint32_t kLongRibbonScaleType = 45;
inline constexpr std::uint32_t kLongRibbonScaleRange = 46;
inline constexpr std::uint32_t kLongRibbonScaleSw = 48;
inline constexpr std::uint32_t kLongRibbonScaleKey = 49;

// Voice modes.
inline constexpr std::int32_t kVoiceSingle = 0;
inline constexpr std::int32_t kVoiceSplit = 2;
inline constexpr std::int32_t kVoiceMulti = 3;

// Group 1.
inline constexpr std::uint32_t kUnisonVoices = 16;
inline constexpr std::uint32_t kUnisonDetune = 17;
inline constexpr std::uint32_t kUnisonSpread = 18;

// Group 2.
inline constexpr std::uint32_t kOsc1Wave = 19;
inline constexpr std::uint32_t kOsc1Mod = 21;
inline constexpr std::uint32_t kOsc1Control1 = 22;
inline constexpr std::uint32_t kOsc1Control2 = 23;
inline constexpr std::uint32_t kOsc1PcmWave = 24;
inline constexpr std::uint32_t kFilterRouting = 33;
inline constexpr std::uint32_t kFilter2First = 41;
inline constexpr std::uint32_t kFilter2Last = 46;
inline constexpr std::uint32_t kDrivePosition = 48;
inline constexpr std::uint32_t kDriveType = 50;
inline constexpr std::uint32_t kDriveDepth = 51;
inline constexpr std::uint32_t kLfo1Frequency = 81;
inline constexpr std::uint32_t kLfo1BpmSync = 82;
inline constexpr std::uint32_t kLfo1KeySync = 83;
inline constexpr std::uint32_t kLfo1InitPhase = 84;
inline constexpr std::uint32_t kLfo1SyncNote = 85;
inline constexpr std::uint32_t kLfo2Frequency = 88;
inline constexpr std::uint32_t kLfo2BpmSync = 89;
inline constexpr std::uint32_t kLfo2KeySync = 90;
inline constexpr std::uint32_t kLfo2InitPhase = 91;
inline constexpr std::uint32_t kLfo2SyncNote = 92;
inline constexpr std::uint32_t kLongRibbonFilterIntensity = 110;

// Oscillator 1 waves.
inline constexpr std::int32_t kWaveLastClassic = 3;  // saw, pulse, triangle, sine
inline constexpr std::int32_t kWaveFormant = 4;
inline constexpr std::int32_t kWaveNoise = 5;
inline constexpr std::int32_t kWavePcm = 6;
inline constexpr std::int32_t kWaveAudioIn = 7;
inline constexpr std::int32_t kModVpm = 3;

// Group 5.
inline constexpr std::uint32_t kVocoderEfSens = 19;
inline constexpr std::uint32_t kBandHoldFirst = 53;
inline constexpr std::uint32_t kBandHoldLast = 68;

// Group 6: two blocks of 24 rows, then the EQ rows.
inline constexpr std::uint32_t kFxBlockRows = 24;
inline constexpr std::uint32_t kFxType = 1;
inline constexpr std::uint32_t kFxRibbon = 2;
inline constexpr std::uint32_t kFxRibbonPolarity = 3;
inline constexpr std::uint32_t kFxFirstSlot = 4;
inline constexpr std::uint32_t kFxSlots = 20;
inline constexpr std::uint32_t kFxEqFirst = 48;

// First row of the effect block a group 6 row belongs to (0 or 24).
constexpr std::uint32_t FxBlockStart(std::uint32_t index)
{
    return index < kFxBlockRows ? 0 : kFxBlockRows;
}

// Slot 0-19 of an effect parameter row; -1 for any other row.
constexpr std::int32_t FxSlot(std::uint32_t index)
{
    const std::uint32_t first = FxBlockStart(index) + kFxFirstSlot;
    return index >= first && index < first + kFxSlots ? static_cast<std::int32_t>(index - first) : -1;
}

// Effect types with rules of their own.
inline constexpr std::int32_t kFxOff = 0;
inline constexpr std::int32_t kFxFilter = 2;
inline constexpr std::int32_t kFx4BandEq = 3;
inline constexpr std::int32_t kFxDelay = 6;
inline constexpr std::int32_t kFxLcrDelay = 7;
inline constexpr std::int32_t kFxAutoPanningDelay = 8;
inline constexpr std::int32_t kFxModulationDelay = 9;
inline constexpr std::int32_t kFxTapeEcho = 10;
inline constexpr std::int32_t kFxRingModulator = 16;
inline constexpr std::int32_t kFxGrainShifter = 17;

// Effect slots with rules of their own.
inline constexpr std::int32_t kRingOscMode = 1;
inline constexpr std::int32_t kRingFixedFrequency = 2;
inline constexpr std::int32_t kRingNoteOffset = 3;
inline constexpr std::int32_t kRingNoteFine = 4;
inline constexpr std::int32_t kEqBand1Type = 2;
inline constexpr std::int32_t kEqBand1Q = 4;
inline constexpr std::int32_t kEqBand4Type = 12;
inline constexpr std::int32_t kEqBand4Q = 14;

// Group 7.
inline constexpr std::uint32_t kBpm = 0;

// Group 8.
inline constexpr std::uint32_t kArpLastStep = 4;
inline constexpr std::uint32_t kArpStep1Sw = 9;
inline constexpr std::uint32_t kArpStep8Sw = 16;

}  // namespace Q3917
