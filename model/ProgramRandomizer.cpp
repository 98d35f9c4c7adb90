#include "model/ProgramRandomizer.h"

#include "model/ProgramRandomSource.h"
#include "model/ProgramRandomizerPass.h"
#include "model/ProgramRandomizerRows.h"
#include "model/ProgramRandomizerShapes.h"
#include "model/Q3917ParameterIndex.h"
#include "model/Q3917ProgramAccessor.h"

using ProgramRandomizerRows::Envelope;
using ProgramRandomizerRows::Named;

namespace {

constexpr std::int32_t kVoicePoly = 2;
constexpr std::int32_t kVoiceMono1 = 0;
constexpr std::int32_t kWavePcm = 6;
constexpr std::int32_t kFilter1Cutoff = 7;  // patch destination

CJuceRandomSource& SystemSource()
{
    static CJuceRandomSource source;
    return source;
}

void SetTimbreCommon(CRandomizerPass& pass, std::uint32_t row, std::int32_t value)
{
    pass.Set(Q3917::kGroupTimbreCommon, row, value);
}

void RandomizeVoice(CRandomizerPass& pass, const Named& rows)
{
    pass.SetSynth(rows.voiceAssign, pass.Chance(0.78f) ? kVoicePoly : kVoiceMono1);
    const std::int32_t unison = pass.Chance(0.35f) ? pass.Uniform(1, 2) : 0;
    SetTimbreCommon(pass, rows.unisonSw, unison);
    if (unison != 0) {
        SetTimbreCommon(pass, rows.unisonDetune, pass.Chance(0.8f) ? 10 : pass.Uniform(0, 39));
        const std::int32_t spread = pass.Chance(0.8f) ? pass.EitherValue(0.35f, 64, 127) : pass.Uniform(0, 126);
        SetTimbreCommon(pass, rows.unisonSpread, spread);
    }
    std::int32_t portamento = 0;
    if (pass.GetSynth(rows.voiceAssign) == kVoicePoly) {
        if (!pass.Chance(0.7f))
            portamento = pass.PickFromTwoRanges({1, 24}, 0.9f, {26, 47});
    } else if (pass.Chance(0.75f)) {
        portamento = pass.PickFromTwoRanges({10, 24}, 0.6f, {5, 39});
    } else {
        portamento = pass.PickFromTwoRanges({1, 126}, 0.5f, {0, 0});
    }
    SetTimbreCommon(pass, rows.portamentoTime, portamento);
}

// Sine and audio in are never chosen.
std::int32_t DrawOsc1Wave(CRandomizerPass& pass)
{
    if (pass.Chance(0.67f))
        return pass.Uniform(0, 2);
    if (pass.Chance(0.73f))
        return kWavePcm;
    return pass.Chance(0.6f) ? Q3917::kWaveFormant : Q3917::kWaveNoise;
}

void RandomizeOscillators(CRandomizerPass& pass, const Named& rows)
{
    const std::int32_t wave = DrawOsc1Wave(pass);
    pass.SetSynth(rows.osc1Wave, wave);
    if (wave == kWavePcm) {
        pass.SetSynth(rows.osc1PcmWave, pass.BelowMaximum(rows.osc1PcmWave));
    } else {
        pass.SetSynth(rows.osc1Control1, pass.BelowMaximum(rows.osc1Control1));
        const std::int32_t mod = pass.GetSynth(rows.osc1Mod);
        // Waveform and cross modulation sound best with little depth.
        if (wave <= Q3917::kWaveLastClassic && (mod == 0 || mod == 1))
            pass.SetSynth(rows.osc1Control2, pass.PickFromTwoRanges({0, 31}, 0.75f, {33, 126}));
        else
            pass.SetSynth(rows.osc1Control2, pass.BelowMaximum(rows.osc1Control2));
    }
    pass.SetSynth(rows.osc2Mod, pass.Chance(0.41f) ? 0 : pass.Uniform(1, 2));
    pass.SetSynth(rows.osc2Semitone, pass.Chance(0.75f) ? 0 : pass.Uniform(-63, 62));
    pass.SetSynth(rows.osc2Tune, pass.Chance(0.85f) ? 0 : pass.Uniform(-63, 62));
    const std::int32_t x = pass.EitherRange({50, 126}, 0.8f, {1, 48});
    pass.SetSynth(rows.osc1Level, Osc1LevelFromDraw(x));
    const std::int32_t osc1Level = pass.GetSynth(rows.osc1Level);
    pass.SetSynth(rows.osc2Level, osc1Level == 0 ? 127 : pass.Uniform(127 - osc1Level, 126));
    pass.SetSynth(rows.noiseLevel, pass.EitherRange({0, 14}, 0.9f, {6, 126}));
}

std::int32_t DrawEgInt(CRandomizerPass& pass, const EgIntChoice& choice)
{
    return pass.PickFromTwoRanges(choice.first, choice.p, choice.second);
}

void DrawKeyTrackAndVelocity(CRandomizerPass& pass, std::uint32_t keyTrack, std::uint32_t velocity)
{
    pass.SetSynth(keyTrack, pass.EitherRange({0, 62}, 0.9f, {-63, -2}));
    pass.SetSynth(velocity, pass.Chance(0.85f) ? 0 : pass.Uniform(-63, 62));
}

void RandomizeFilters(CRandomizerPass& pass, const Named& rows)
{
    const std::int32_t balance = pass.Chance(0.68f) ? pass.Uniform(0, 47) : pass.EitherRange({49, 87}, 0.7f, {89, 126});
    pass.SetSynth(rows.filter1Balance, balance);
    const EgIntChoice filter1 =
        Filter1EgIntChoice(pass.GetSynth(rows.filter1Balance), pass.GetSynth(rows.filter1Cutoff));
    pass.SetSynth(rows.filter1EgInt, DrawEgInt(pass, filter1));
    DrawKeyTrackAndVelocity(pass, rows.filter1KeyTrack, rows.filter1VelocitySens);

    const EgIntChoice filter2 = Filter2EgIntChoice(pass.GetSynth(rows.filter2Type), pass.GetSynth(rows.filter2Cutoff));
    pass.SetSynth(rows.filter2EgInt, DrawEgInt(pass, filter2));
    DrawKeyTrackAndVelocity(pass, rows.filter2KeyTrack, rows.filter2VelocitySens);
}

void RandomizeAmp(CRandomizerPass& pass, const Named& rows)
{
    pass.SetSynth(rows.level, pass.EitherRange({100, 126}, 0.9f, {60, 119}));
    pass.SetSynth(rows.keyTrack, pass.ZeroOrEitherRange(0.9f, {-63, -2}, 0.85f, {1, 62}));
    pass.SetSynth(rows.punchLevel, pass.Chance(0.75f) ? 0 : pass.Uniform(0, 126));
    // Level boost (11) is never chosen.
    pass.SetSynth(rows.driveType, pass.Chance(0.7f) ? pass.EitherValue(0.5f, 0, 1) : pass.Uniform(2, 10));
    std::int32_t depth = 0;
    switch (pass.GetSynth(rows.driveType)) {
    case 0: break;
    case 1: depth = pass.EitherRange({0, 63}, 0.75f, {65, 126}); break;
    default: depth = pass.Uniform(0, 126); break;
    }
    pass.SetSynth(rows.driveDepth, depth);
}

// A short decay with a low sustain is often silent; lift one of them.
void GuardEnvelope(CRandomizerPass& pass, const Envelope& eg)
{
    if (pass.GetSynth(eg.decay) + pass.GetSynth(eg.sustain) > 64 || !pass.Chance(0.5f))
        return;
    if (pass.Chance(0.5f))
        pass.SetSynth(eg.decay, pass.PickFromTwoRanges({64, 71}, 0.7f, {73, 126}));
    else
        pass.SetSynth(eg.sustain, pass.PickFromTwoRanges({96, 126}, 0.7f, {64, 94}));
}

void RandomizeFilterEg(CRandomizerPass& pass, const Envelope& eg)
{
    pass.SetSynth(eg.attack, pass.ZeroOrEitherRange(0.2f, {1, 44}, 0.8f, {46, 126}));
    pass.SetSynth(eg.decay, pass.Chance(0.65f) ? 64 : pass.Uniform(0, 126));
    pass.SetSynth(eg.sustain, pass.Chance(0.6f) ? pass.EitherValue(0.6f, 0, 127) : pass.Uniform(0, 126));
    GuardEnvelope(pass, eg);
    pass.SetSynth(eg.release, pass.ZeroOrEitherRange(0.3f, {0, 62}, 0.65f, {64, 126}));
    pass.SetSynth(eg.velocity, pass.Chance(0.7f) ? 0 : pass.Uniform(0, 62));
}

void RandomizeAmpEg(CRandomizerPass& pass, const Envelope& eg)
{
    pass.SetSynth(eg.attack, pass.ZeroOrEitherRange(0.45f, {0, 24}, 0.88f, {31, 126}));
    pass.SetSynth(eg.decay, pass.Chance(0.5f) ? 64 : pass.EitherRange({64, 126}, 0.75f, {0, 62}));
    const std::int32_t sustain =
        pass.Chance(0.65f) ? pass.EitherValue(0.35f, 0, 127) : pass.EitherRange({64, 125}, 0.7f, {1, 62});
    pass.SetSynth(eg.sustain, sustain);
    GuardEnvelope(pass, eg);
    pass.SetSynth(eg.release, pass.ZeroOrEitherRange(0.25f, {0, 29}, 0.8f, {31, 126}));
    pass.SetSynth(eg.velocity, pass.Uniform(0, 62));
}

void RandomizeAssignableEgAndLfos(CRandomizerPass& pass, const Named& rows)
{
    const Envelope& eg = rows.assignableEg;
    pass.SetSynth(eg.attack, pass.ZeroOrEitherRange(0.3f, {0, 29}, 0.85f, {31, 126}));
    pass.SetSynth(eg.release, pass.Chance(0.75f) ? 0 : pass.Uniform(0, 126));
    pass.SetSynth(eg.velocity, pass.Uniform(0, 62));
    pass.SetSynth(rows.lfo1Frequency, pass.EitherRange({0, 39}, 0.75f, {41, 126}));
    pass.SetSynth(rows.lfo2Frequency, pass.EitherRange({64, 126}, 0.75f, {0, 62}));
}

// Patch 6 belongs to the long ribbon and is left alone.
void RandomizePatches(CRandomizerPass& pass, const Named& rows)
{
    for (int i = 0; i < ProgramRandomizerRows::kRandomPatches; ++i) {
        const std::int32_t intensity = pass.Chance(0.4f) ? pass.EitherRange({0, 62}, 0.65f, {-63, -2}) : 0;
        pass.SetSynth(rows.patchIntensity[i], intensity);
        if (intensity == 0)
            continue;
        pass.SetSynth(rows.patchSource[i], PatchSourceFromDraw(pass.Uniform(1, 99)));
        // Destination 39, the long ribbon's own intensity, is never chosen.
        pass.SetSynth(rows.patchDestination[i], pass.Chance(0.2f) ? kFilter1Cutoff : pass.Uniform(0, 38));
    }
}

}  // namespace

CProgramRandomizer::CProgramRandomizer()
    : m_pAccessor(CQ3917ProgramAccessor::PeekInstance()), m_pSource(&SystemSource())
{}

CProgramRandomizer::CProgramRandomizer(const CVpProgramAccessor& accessor, IProgramRandomSource& source)
    : m_pAccessor(&accessor), m_pSource(&source)
{}

CProgramRandomizer::~CProgramRandomizer() = default;

void CProgramRandomizer::Randomize()
{
    if (m_pProgram == nullptr || m_pAccessor == nullptr)
        return;
    CRandomizerPass pass(*m_pAccessor, *m_pProgram, m_uTimbre, *m_pSource);
    for (std::uint32_t row : ProgramRandomizerRows::UniformList())
        pass.ApplyUniformRule(row);
    const Named& rows = ProgramRandomizerRows::Rows();
    RandomizeVoice(pass, rows);
    RandomizeOscillators(pass, rows);
    RandomizeFilters(pass, rows);
    RandomizeAmp(pass, rows);
    RandomizeFilterEg(pass, rows.filterEg);
    RandomizeAmpEg(pass, rows.ampEg);
    RandomizeAssignableEgAndLfos(pass, rows);
    RandomizePatches(pass, rows);
}

void CProgramRandomizer::SimpleRandomize(CVpProgramData* program, std::uint32_t timbre)
{
    if (const CQ3917ProgramAccessor* accessor = CQ3917ProgramAccessor::PeekInstance())
        SimpleRandomize(program, timbre, *accessor, SystemSource());
}

void CProgramRandomizer::SimpleRandomize(CVpProgramData* program, std::uint32_t timbre,
                                         const CVpProgramAccessor& accessor, IProgramRandomSource& source)
{
    if (program == nullptr)
        return;
    CRandomizerPass pass(accessor, *program, timbre, source);
    for (std::uint32_t row : ProgramRandomizerRows::SimpleList())
        pass.ApplyUniformRule(row);
}
