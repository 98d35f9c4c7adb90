#pragma once
// The rows the program randomizer writes, looked up by name once.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace ProgramRandomizerRows {

// Past the end of every group: a name that is not in the table.
inline constexpr std::uint32_t kMissing = 0xFFFFFFFFu;

// First row of the group with that name, one the device supports when there
// is such; kMissing when none has it.
std::uint32_t Find(std::uint32_t group, std::string_view name);

struct Envelope
{
    std::uint32_t attack;
    std::uint32_t decay;
    std::uint32_t sustain;
    std::uint32_t release;
    std::uint32_t velocity;
};

inline constexpr int kRandomPatches = 5;

// Synth group (2) rows unless said otherwise.
struct Named
{
    std::uint32_t unisonSw;        // group 1
    std::uint32_t unisonDetune;    // group 1
    std::uint32_t unisonSpread;    // group 1
    std::uint32_t portamentoTime;  // group 1
    std::uint32_t voiceAssign;
    std::uint32_t osc1Wave;
    std::uint32_t osc1Mod;
    std::uint32_t osc1Control1;
    std::uint32_t osc1Control2;
    std::uint32_t osc1PcmWave;
    std::uint32_t osc2Mod;
    std::uint32_t osc2Semitone;
    std::uint32_t osc2Tune;
    std::uint32_t osc1Level;
    std::uint32_t osc2Level;
    std::uint32_t noiseLevel;
    std::uint32_t filter1Balance;
    std::uint32_t filter1Cutoff;
    std::uint32_t filter1EgInt;
    std::uint32_t filter1KeyTrack;
    std::uint32_t filter1VelocitySens;
    std::uint32_t filter2Type;
    std::uint32_t filter2Cutoff;
    std::uint32_t filter2EgInt;
    std::uint32_t filter2KeyTrack;
    std::uint32_t filter2VelocitySens;
    std::uint32_t level;
    std::uint32_t keyTrack;
    std::uint32_t punchLevel;
    std::uint32_t driveType;
    std::uint32_t driveDepth;
    Envelope filterEg;
    Envelope ampEg;
    Envelope assignableEg;
    std::uint32_t lfo1Frequency;
    std::uint32_t lfo2Frequency;
    std::array<std::uint32_t, kRandomPatches> patchSource;
    std::array<std::uint32_t, kRandomPatches> patchDestination;
    std::array<std::uint32_t, kRandomPatches> patchIntensity;
};

const Named& Rows();
// Synth rows of the flat draw, in drawing order.
std::span<const std::uint32_t> SimpleList();
// Synth rows drawn flat before the shaped draws, in drawing order.
std::span<const std::uint32_t> UniformList();

}  // namespace ProgramRandomizerRows
