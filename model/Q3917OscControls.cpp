// Oscillator 1: its two controls change meaning, range and storage with the
// wave and modulation, and remember their values per combination.
#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <algorithm>
#include <iterator>

using namespace Q3917;

namespace {

constexpr int kWaves = 8;
constexpr int kMods = 4;
constexpr int kNoSlot = -1;
constexpr std::int32_t kControlCentre = 64;

// Memory slot of (wave, modulation, control); kNoSlot where nothing is kept.
constexpr int kSlots[kWaves][kMods][2] = {
    {{0, 1}, {2, 3}, {4, 5}, {6, 7}},        {{0, 1}, {2, 3}, {4, 5}, {6, 7}},   {{0, 1}, {2, 3}, {4, 5}, {6, 7}},
    {{0, 1}, {2, 3}, {4, 5}, {6, 7}},        {{8, 9}, {0, 0}, {0, 0}, {0, 0}},   {{10, 11}, {0, 0}, {0, 0}, {0, 0}},
    {{kNoSlot, 12}, {0, 0}, {0, 0}, {0, 0}}, {{13, 14}, {0, 0}, {0, 0}, {0, 0}},
};

int SlotOf(std::int32_t wave, std::int32_t mod, std::uint32_t control)
{
    if (wave < 0 || wave >= kWaves || mod < 0 || mod >= kMods || control > 1)
        return kNoSlot;
    return kSlots[wave][mod][control];
}

bool IsClassicWave(std::int32_t wave)
{
    return wave >= 0 && wave <= kWaveLastClassic;
}

// Formant, noise and audio in keep control 2 (and audio in control 1) centred on 64.
bool IsCentredWave(std::int32_t wave)
{
    return wave == kWaveFormant || wave == kWaveNoise || wave == kWaveAudioIn;
}

Q3917OscControlMemory* MemoryOf(CVpProgramData* program)
{
    auto* model = dynamic_cast<CQ3917ProgramData*>(program);
    return model != nullptr ? &model->GetOscControlMemory() : nullptr;
}

bool IsOscRow(const ParameterAddress& address)
{
    return address.group == kGroupSynth &&
           (address.index == kOsc1Mod || address.index == kOsc1Control1 || address.index == kOsc1Control2);
}

struct Range
{
    std::int32_t minimum;
    std::int32_t maximum;
};

Range ControlRange(std::uint32_t index, std::int32_t wave, std::int32_t mod)
{
    if (wave < 0 || wave >= kWaves || mod < 0 || mod >= kMods)
        return {0, 0};
    if (index == kOsc1Control1) {
        if (wave == kWavePcm)
            return {0, 0};
        return wave == kWaveAudioIn ? Range{-63, 63} : Range{0, 127};
    }
    if (IsClassicWave(wave))
        return mod == kModVpm ? Range{0, 31} : Range{0, 127};
    if (wave == kWaveFormant || wave == kWaveNoise)
        return {-63, 63};
    return {0, 0};
}

const char* ControlName(std::uint32_t index, std::int32_t wave, std::int32_t mod)
{
    if (wave < 0 || wave >= kWaves || mod < 0 || mod >= kMods)
        return nullptr;
    static constexpr const char* kClassic[2][kMods] = {
        {nullptr, "Mod.Depth", "Detune", "Mod.Depth"},
        {"LFO 1 Mod Int", "LFO 1 Mod Int", "Unison Phase", "Mod.Harmonics"},
    };
    static constexpr const char* kOther[2][kWaves - kWaveFormant] = {
        {"Formant Width", "Resonance", "---", "Gain"},
        {"Formant Shift", "LPF/HPF Balance", "---", "---"},
    };
    const int control = index == kOsc1Control1 ? 0 : 1;
    if (!IsClassicWave(wave))
        return kOther[control][wave - kWaveFormant];
    if (mod != 0)
        return kClassic[control][mod];
    static constexpr const char* kWaveShaping[2][kWaveLastClassic + 1] = {
        {"Waveform", "Pulse Width", "Waveform", "Wave Shape"},
        {"LFO 1 Mod Int", "LFO 1 Mod Int", "LFO 1 Mod Int", "Wave Shape Mod Int"},
    };
    return kWaveShaping[control][wave];
}

}  // namespace

bool CQ3917ProgramAccessor::GetOscRange(const CVpProgramData* program, const ParameterAddress& address,
                                        std::int32_t& minimum, std::int32_t& maximum) const
{
    if (!IsOscRow(address))
        return false;
    const std::int32_t wave = Raw(program, kGroupSynth, kOsc1Wave, address.timbre);
    if (address.index == kOsc1Mod) {
        minimum = CVpProgramAccessor::GetMinimum(program, address);
        // Only the classic waves have a modulation.
        maximum = IsClassicWave(wave) ? CVpProgramAccessor::GetMaximum(program, address) : 0;
        return true;
    }
    const Range range = ControlRange(address.index, wave, Raw(program, kGroupSynth, kOsc1Mod, address.timbre));
    minimum = range.minimum;
    maximum = range.maximum;
    return true;
}

bool CQ3917ProgramAccessor::GetOscName(const CVpProgramData* program, const ParameterAddress& address,
                                       const char*& name) const
{
    if (!IsOscRow(address) || address.index == kOsc1Mod)
        return false;
    name = ControlName(address.index, Raw(program, kGroupSynth, kOsc1Wave, address.timbre),
                       Raw(program, kGroupSynth, kOsc1Mod, address.timbre));
    return true;
}

const char* CQ3917ProgramAccessor::GetOscKey(const CVpProgramData* program, const ParameterAddress& address) const
{
    if (address.group != kGroupSynth || address.index != kOsc1Control2)
        return nullptr;
    const std::int32_t wave = Raw(program, kGroupSynth, kOsc1Wave, address.timbre);
    if (IsClassicWave(wave) && Raw(program, kGroupSynth, kOsc1Mod, address.timbre) == kModVpm)
        return "VpmHarmonics";
    return wave == kWaveNoise ? "NoiseFltBalance" : nullptr;
}

std::int32_t CQ3917ProgramAccessor::OscControlToValue(const CVpProgramData* program, const ParameterAddress& address,
                                                      std::int32_t raw) const
{
    if (address.index != kOsc1Control1 && address.index != kOsc1Control2)
        return raw;
    const std::int32_t wave = Raw(program, kGroupSynth, kOsc1Wave, address.timbre);
    if (address.index == kOsc1Control1)
        return wave == kWaveAudioIn ? raw - kControlCentre : raw;
    if (IsClassicWave(wave) && Raw(program, kGroupSynth, kOsc1Mod, address.timbre) == kModVpm)
        return raw / 4;
    return IsCentredWave(wave) ? raw - kControlCentre : raw;
}

bool CQ3917ProgramAccessor::SetOscValue(CVpProgramData* program, const ParameterAddress& address,
                                        std::int32_t value) const
{
    const std::uint32_t timbre = address.timbre;
    Q3917OscControlMemory* memory = MemoryOf(program);
    switch (address.index) {
    case kOsc1Wave: {
        const std::int32_t current = Raw(program, kGroupSynth, kOsc1Wave, timbre);
        if (memory != nullptr && IsClassicWave(current))
            memory->modulation = Raw(program, kGroupSynth, kOsc1Mod, timbre);
        const std::int32_t mod = memory != nullptr ? memory->modulation : Raw(program, kGroupSynth, kOsc1Mod, timbre);
        SetRawValue(program, address, value);
        // Only the classic waves have a modulation.
        SetRaw(program, kGroupSynth, kOsc1Mod, timbre, IsClassicWave(value) ? mod : 0);
        RestoreOscControls(program, timbre);
        return true;
    }
    case kOsc1Mod:
        SetRawValue(program, address, value);
        RestoreOscControls(program, timbre);
        return true;
    case kOsc1Control1:
    case kOsc1Control2: {
        const std::int32_t wave = Raw(program, kGroupSynth, kOsc1Wave, timbre);
        const std::int32_t mod = Raw(program, kGroupSynth, kOsc1Mod, timbre);
        const std::uint32_t control = address.index - kOsc1Control1;
        std::int32_t raw = value;
        if (control == 1 && IsClassicWave(wave) && mod == kModVpm)
            raw = value * 4;
        else if (wave == kWaveAudioIn || (control == 1 && IsCentredWave(wave)))
            raw = value + kControlCentre;
        SetRawValue(program, address, raw);
        const int slot = SlotOf(wave, mod, control);
        if (memory != nullptr && slot != kNoSlot && timbre < Q3917OscControlMemory::kTimbres)
            memory->controls[timbre][slot] = raw;
        return true;
    }
    default: return false;
    }
}

void CQ3917ProgramAccessor::RestoreOscControls(CVpProgramData* program, std::uint32_t timbre) const
{
    const Q3917OscControlMemory* memory = MemoryOf(program);
    if (memory == nullptr || timbre >= Q3917OscControlMemory::kTimbres)
        return;
    const std::int32_t wave = Raw(program, kGroupSynth, kOsc1Wave, timbre);
    const std::int32_t mod = Raw(program, kGroupSynth, kOsc1Mod, timbre);
    for (std::uint32_t control = 0; control < 2; ++control) {
        const int slot = SlotOf(wave, mod, control);
        if (slot != kNoSlot)
            SetRaw(program, kGroupSynth, kOsc1Control1 + control, timbre, memory->controls[timbre][slot]);
    }
}

void CQ3917ProgramAccessor::ResetOscControlMemory(CQ3917ProgramData& program) const
{
    Q3917OscControlMemory& memory = program.GetOscControlMemory();
    // The controls stored around 64 start centred.
    constexpr int kCentredSlots[] = {9, 11, 13};
    for (auto& slots : memory.controls) {
        std::fill(std::begin(slots), std::end(slots), 0);
        for (const int slot : kCentredSlots)
            slots[slot] = kControlCentre;
    }
    std::int32_t sharedMod = 0;
    bool sharedModFound = false;
    for (std::uint32_t timbre = 0; timbre < Q3917OscControlMemory::kTimbres; ++timbre) {
        const std::int32_t wave = Raw(&program, kGroupSynth, kOsc1Wave, timbre);
        const std::int32_t mod = Raw(&program, kGroupSynth, kOsc1Mod, timbre);
        for (std::uint32_t control = 0; control < 2; ++control) {
            const int slot = SlotOf(wave, mod, control);
            if (slot != kNoSlot)
                memory.controls[timbre][slot] = Raw(&program, kGroupSynth, kOsc1Control1 + control, timbre);
        }
        // The first timbre that has a modulation gives the shared one.
        if (!sharedModFound && IsClassicWave(wave)) {
            sharedMod = mod;
            sharedModFound = true;
        }
    }
    memory.modulation = sharedMod;
}

void CQ3917ProgramData::ResetOscControlMemory()
{
    // The accessor keeps no state, so one private instance serves every program.
    static const CQ3917ProgramAccessor accessor;
    accessor.ResetOscControlMemory(*this);
}
