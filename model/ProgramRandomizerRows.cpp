#include "model/ProgramRandomizerRows.h"

#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ProgramParameterRows.h"

#include <string>

namespace ProgramRandomizerRows {

namespace {

constexpr std::string_view kSimpleNames[] = {
    "OSC 1 Wave",
    "OSC 1 Mod",
    "OSC 1 Control 1",
    "OSC 1 Control 2",
    "OSC 1 PCM Wave",
    "OSC 2 Wave",
    "OSC 2 Mod",
    "OSC 2 Semitone",
    "OSC 2 Tune",
    "Filter Routing",
    "Filter Link",
    "Filter 1 Balance",
    "Filter 1 Cutoff",
    "Filter 1 Resonance",
    "Filter 1 EG Int",
    "Filter 1 Key Track",
    "Filter 1 Velocity Sens",
    "Filter 2 Type",
    "Filter 2 Cutoff",
    "Filter 2 Resonance",
    "Filter 2 EG Int",
    "Filter 2 Key Track",
    "Filter 2 Velocity Sens",
    "Drive/WS Position",
    "Drive/WS Type",
    "Drive/WS Depth",
    "Punch Level",
    "OSC 1 Level",
    "OSC 2 Level",
    "Noise Level",
    "Filter EG Attack",
    "Filter EG Decay",
    "Filter EG Sustain",
    "Filter EG Release",
    "Filter EG Velocity Intensity",
    "Amp EG Attack",
    "Amp EG Decay",
    "Amp EG Sustain",
    "Amp EG Release",
    "Amp EG Velocity Intensity",
    "Assignable EG Attack",
    "Assignable EG Decay",
    "Assignable EG Sustain",
    "Assignable EG Release",
    "Assignable EG Velocity Intensity",
    "LFO 1 Wave",
    "LFO 1 Frequency",
    "LFO 1 BPM Sync",
    "LFO 1 Key Sync",
    "LFO 1 Sync Note",
    "LFO 2 Wave",
    "LFO 2 Frequency",
    "LFO 2 BPM Sync",
    "LFO 2 Key Sync",
    "LFO 2 Sync Note",
    "Patch 1 Source",
    "Patch 2 Source",
    "Patch 3 Source",
    "Patch 4 Source",
    "Patch 5 Source",
    "Patch 1 Destination",
    "Patch 2 Destination",
    "Patch 3 Destination",
    "Patch 4 Destination",
    "Patch 5 Destination",
    "Patch 1 Intensity",
    "Patch 2 Intensity",
    "Patch 3 Intensity",
    "Patch 4 Intensity",
    "Patch 5 Intensity",
};

constexpr std::string_view kUniformNames[] = {
    "OSC 1 Mod",           "OSC 1 Control 1",       "OSC 1 Control 2",   "OSC 1 PCM Wave",     "OSC 2 Wave",
    "Filter Routing",      "Filter 1 Balance",      "Filter 1 Cutoff",   "Filter 1 Resonance", "Filter 2 Type",
    "Filter 2 Cutoff",     "Filter 2 Resonance",    "Drive/WS Position", "Drive/WS Type",      "Drive/WS Depth",
    "Assignable EG Decay", "Assignable EG Sustain", "LFO 1 Wave",        "LFO 1 Frequency",    "LFO 1 BPM Sync",
    "LFO 1 Key Sync",      "LFO 1 Sync Note",       "LFO 2 Wave",        "LFO 2 Frequency",    "LFO 2 BPM Sync",
    "LFO 2 Key Sync",      "LFO 2 Sync Note",
};

template <std::size_t N>
std::array<std::uint32_t, N> FindAll(const std::string_view (&names)[N])
{
    std::array<std::uint32_t, N> rows{};
    for (std::size_t i = 0; i < N; ++i)
        rows[i] = Find(Q3917::kGroupSynth, names[i]);
    return rows;
}

Envelope FindEnvelope(std::string_view prefix)
{
    const auto row = [&](std::string_view what) {
        return Find(Q3917::kGroupSynth, std::string(prefix) + " " + std::string(what));
    };
    return {row("Attack"), row("Decay"), row("Sustain"), row("Release"), row("Velocity Intensity")};
}

Named FindNamed()
{
    const auto timbre = [](std::string_view name) { return Find(Q3917::kGroupTimbreCommon, name); };
    const auto synth = [](std::string_view name) { return Find(Q3917::kGroupSynth, name); };
    Named rows{};
    rows.unisonSw = timbre("Unison SW");
    rows.unisonDetune = timbre("Unison Detune");
    rows.unisonSpread = timbre("Unison Spread");
    rows.portamentoTime = timbre("Portamento Time");
    rows.voiceAssign = synth("Voice Assign");
    rows.osc1Wave = synth("OSC 1 Wave");
    rows.osc1Mod = synth("OSC 1 Mod");
    rows.osc1Control1 = synth("OSC 1 Control 1");
    rows.osc1Control2 = synth("OSC 1 Control 2");
    rows.osc1PcmWave = synth("OSC 1 PCM Wave");
    rows.osc2Mod = synth("OSC 2 Mod");
    rows.osc2Semitone = synth("OSC 2 Semitone");
    rows.osc2Tune = synth("OSC 2 Tune");
    rows.osc1Level = synth("OSC 1 Level");
    rows.osc2Level = synth("OSC 2 Level");
    rows.noiseLevel = synth("Noise Level");
    rows.filter1Balance = synth("Filter 1 Balance");
    rows.filter1Cutoff = synth("Filter 1 Cutoff");
    rows.filter1EgInt = synth("Filter 1 EG Int");
    rows.filter1KeyTrack = synth("Filter 1 Key Track");
    rows.filter1VelocitySens = synth("Filter 1 Velocity Sens");
    rows.filter2Type = synth("Filter 2 Type");
    rows.filter2Cutoff = synth("Filter 2 Cutoff");
    rows.filter2EgInt = synth("Filter 2 EG Int");
    rows.filter2KeyTrack = synth("Filter 2 Key Track");
    rows.filter2VelocitySens = synth("Filter 2 Velocity Sens");
    rows.level = synth("Level");
    rows.keyTrack = synth("Key Track");
    rows.punchLevel = synth("Punch Level");
    rows.driveType = synth("Drive/WS Type");
    rows.driveDepth = synth("Drive/WS Depth");
    rows.filterEg = FindEnvelope("Filter EG");
    rows.ampEg = FindEnvelope("Amp EG");
    rows.assignableEg = FindEnvelope("Assignable EG");
    rows.lfo1Frequency = synth("LFO 1 Frequency");
    rows.lfo2Frequency = synth("LFO 2 Frequency");
    for (int i = 0; i < kRandomPatches; ++i) {
        const std::string patch = "Patch " + std::to_string(i + 1);
        rows.patchSource[i] = synth(patch + " Source");
        rows.patchDestination[i] = synth(patch + " Destination");
        rows.patchIntensity[i] = synth(patch + " Intensity");
    }
    return rows;
}

}  // namespace

std::uint32_t Find(std::uint32_t group, std::string_view name)
{
    if (group >= std::size(kQ3917ProgramGroups))
        return kMissing;
    const std::span<const ParameterRow> rows = kQ3917ProgramGroups[group];
    std::uint32_t found = kMissing;
    for (std::uint32_t i = 0; i < rows.size(); ++i) {
        if (name != rows[i].name)
            continue;
        // Only the low byte of the flag counts.
        if ((rows[i].supported & 0xFF) != 0)
            return i;
        if (found == kMissing)
            found = i;
    }
    return found;
}

const Named& Rows()
{
    static const Named rows = FindNamed();
    return rows;
}

std::span<const std::uint32_t> SimpleList()
{
    static const auto rows = FindAll(kSimpleNames);
    return rows;
}

std::span<const std::uint32_t> UniformList()
{
    static const auto rows = FindAll(kUniformNames);
    return rows;
}

}  // namespace ProgramRandomizerRows
