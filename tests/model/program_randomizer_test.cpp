// The program randomizer: scripted draws, the shaped rules, ranges over many
// seeds, and that nothing outside the randomized timbre changes.
#include "model/ProgramRandomSource.h"
#include "model/ProgramRandomizer.h"
#include "model/ProgramRandomizerPass.h"
#include "model/ProgramRandomizerRows.h"
#include "model/ProgramRandomizerShapes.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"
#include "model/Q3917ProgramParameterRows.h"

#include "scripted_random_source.h"

#include <gtest/gtest.h>
#include <juce_core/juce_core.h>

#include <array>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace {

namespace Rows = ProgramRandomizerRows;

constexpr std::uint32_t kTimbreGroup = 1;
constexpr std::uint32_t kSynthGroup = 2;
constexpr ParameterAddress kVoiceMode = {0, 35, 0};
constexpr std::int32_t kVoiceLayer = 1;  // both timbres play

// Records every value set with the range and enabling it met.
class SpyAccessor : public CQ3917ProgramAccessor
{
public:
    struct Call
    {
        ParameterAddress address;
        std::int32_t value;
        std::int32_t minimum;
        std::int32_t maximum;
        bool enabled;
    };

    void SetValue(CVpProgramData* program, const ParameterAddress& address, std::int32_t value) const override
    {
        calls.push_back(
            {address, value, GetMinimum(program, address), GetMaximum(program, address), IsEnabled(program, address)});
        CQ3917ProgramAccessor::SetValue(program, address, value);
    }

    mutable std::vector<Call> calls;
};

// An image of arbitrary bytes, so unchanged neighbours are visible.
void FillPattern(CQ3917ProgramData& program, std::uint8_t seed)
{
    std::uint8_t* image = program.GetData();
    for (int i = 0; i < CQ3917ProgramData::kImageSize; ++i)
        image[i] = static_cast<std::uint8_t>(i * 37 + seed);
    program.ResetOscControlMemory();
}

class ProgramRandomizer : public testing::Test
{
protected:
    void SetUp() override
    {
        m_program.Clear();
        m_program.ResetOscControlMemory();
        m_accessor.SetValue(&m_program, kVoiceMode, kVoiceLayer);
    }

    std::int32_t Synth(std::uint32_t row, std::uint32_t timbre = 0) const
    {
        return m_accessor.GetValue(&m_program, {kSynthGroup, row, timbre});
    }
    std::int32_t TimbreCommon(std::uint32_t row, std::uint32_t timbre = 0) const
    {
        return m_accessor.GetValue(&m_program, {kTimbreGroup, row, timbre});
    }
    void SetSynth(std::uint32_t row, std::int32_t value, std::uint32_t timbre = 0)
    {
        m_accessor.SetValue(&m_program, {kSynthGroup, row, timbre}, value);
    }

    void Randomize(IProgramRandomSource& source, std::uint32_t timbre = 0)
    {
        CProgramRandomizer randomizer(m_accessor, source);
        randomizer.SetProgram(&m_program);
        randomizer.SetTimbre(timbre);
        randomizer.Randomize();
    }

    const Rows::Named& m_rows = Rows::Rows();
    SpyAccessor m_accessor;
    CQ3917ProgramData m_program;
};

TEST(ProgramRandomizerRows, EveryNameIsInTheTable)
{
    for (std::uint32_t row : Rows::SimpleList())
        EXPECT_NE(row, Rows::kMissing);
    EXPECT_EQ(Rows::SimpleList().size(), 70u);
    for (std::uint32_t row : Rows::UniformList())
        EXPECT_NE(row, Rows::kMissing);
    EXPECT_EQ(Rows::UniformList().size(), 27u);
    // Every field of the named rows, read as the array it is laid out as.
    const Rows::Named& named = Rows::Rows();
    const auto* fields = reinterpret_cast<const std::uint32_t*>(&named);
    for (std::size_t i = 0; i < sizeof(named) / sizeof(std::uint32_t); ++i)
        EXPECT_NE(fields[i], Rows::kMissing) << "field " << i;
    EXPECT_EQ(Rows::Find(kSynthGroup, "No Such Row"), Rows::kMissing);
}

TEST(ProgramRandomizerRows, DuplicateNamesPreferTheSupportedRow)
{
    const std::uint32_t unison = Rows::Rows().unisonSw;
    ASSERT_NE(unison, Rows::kMissing);
    EXPECT_NE(kQ3917ProgramGroup1[unison].supported & 0xFF, 0);
    EXPECT_GT(unison, Rows::Find(kTimbreGroup, "Sub Output Select"));
    // A name the device lacks still resolves, to its unsupported row.
    EXPECT_NE(Rows::Find(kSynthGroup, "Filter Link"), Rows::kMissing);
}

TEST_F(ProgramRandomizer, LowestDrawsGiveTheFirstChoiceEverywhere)
{
    FixedRandomSource source = LowestDraws();
    Randomize(source);
    EXPECT_EQ(Synth(m_rows.voiceAssign), 2);
    EXPECT_EQ(TimbreCommon(m_rows.unisonSw), 1);
    EXPECT_EQ(TimbreCommon(m_rows.unisonDetune), 10);
    EXPECT_EQ(TimbreCommon(m_rows.unisonSpread), 64);
    EXPECT_EQ(TimbreCommon(m_rows.portamentoTime), 0);
    EXPECT_EQ(Synth(m_rows.osc1Wave), 0);
    EXPECT_EQ(Synth(m_rows.osc1Level), 102);
    EXPECT_EQ(Synth(m_rows.osc2Level), 25);
    EXPECT_EQ(Synth(m_rows.filter1Balance), 0);
    EXPECT_EQ(Synth(m_rows.level), 100);
}

TEST_F(ProgramRandomizer, HighestDrawsGiveTheLastChoiceEverywhere)
{
    // Unison on beforehand shows that an off draw skips detune and spread.
    m_accessor.SetValue(&m_program, {kTimbreGroup, m_rows.unisonSw, 0}, 2);
    m_accessor.SetValue(&m_program, {kTimbreGroup, m_rows.unisonDetune, 0}, 33);
    FixedRandomSource source = HighestDraws();
    Randomize(source);
    EXPECT_EQ(Synth(m_rows.voiceAssign), 0);
    EXPECT_EQ(TimbreCommon(m_rows.unisonSw), 0);
    EXPECT_EQ(TimbreCommon(m_rows.unisonDetune), 33);
    EXPECT_EQ(Synth(m_rows.osc1Wave), 5);
    EXPECT_EQ(Synth(m_rows.osc1Level), 101);
    EXPECT_EQ(Synth(m_rows.noiseLevel), 126);
}

TEST_F(ProgramRandomizer, SilentOsc1GivesFullOsc2)
{
    FixedRandomSource source(0.99999994f, [](int) { return 0; });
    Randomize(source);
    EXPECT_EQ(Synth(m_rows.osc1Level), 0);
    EXPECT_EQ(Synth(m_rows.osc2Level), 127);
}

TEST_F(ProgramRandomizer, PatchWithoutIntensityKeepsItsRouting)
{
    for (int i = 0; i < Rows::kRandomPatches; ++i) {
        SetSynth(m_rows.patchSource[i], 3 + i);
        SetSynth(m_rows.patchDestination[i], 20 + i);
        SetSynth(m_rows.patchIntensity[i], 40);
    }
    for (FixedRandomSource source : {LowestDraws(), HighestDraws()}) {
        Randomize(source);
        for (int i = 0; i < Rows::kRandomPatches; ++i) {
            EXPECT_EQ(Synth(m_rows.patchIntensity[i]), 0);
            EXPECT_EQ(Synth(m_rows.patchSource[i]), 3 + i);
            EXPECT_EQ(Synth(m_rows.patchDestination[i]), 20 + i);
        }
    }
}

TEST(ProgramRandomizerShapes, Osc1LevelCurve)
{
    const std::pair<int, int> cases[] = {{1, 0}, {2, 18}, {48, 101}, {50, 102}, {126, 126}};
    for (const auto& [x, level] : cases)
        EXPECT_EQ(Osc1LevelFromDraw(x), level) << "x " << x;
}

TEST(ProgramRandomizerShapes, PatchSourceWeights)
{
    // Each source's first and last q; sources 9-12 have no weight.
    const std::pair<int, int> cases[] = {{1, 0},  {5, 0},  {6, 1},  {8, 1},  {9, 2},  {23, 2},
                                         {24, 3}, {39, 3}, {40, 4}, {55, 4}, {56, 5}, {60, 5},
                                         {61, 6}, {63, 6}, {64, 7}, {88, 7}, {89, 8}, {99, 8}};
    for (const auto& [q, source] : cases)
        EXPECT_EQ(PatchSourceFromDraw(q), source) << "q " << q;
}

TEST(ProgramRandomizerShapes, FilterEgIntensityChoices)
{
    struct Case
    {
        int filter;  // 1 by balance, 2 by type
        std::int32_t selector;
        std::int32_t cutoff;
        EgIntChoice expected;
    };
    const Case cases[] = {
        {1, 0, 31, {{35, 62}, 0.9f, {24, 33}}},
        {1, 47, 32, {{24, 62}, 0.86f, {1, 22}}},
        {1, 20, 64, {{-5, 19}, 0.55f, {-20, 62}}},
        {1, 48, 97, {{-63, -41}, 0.9f, {-39, -25}}},
        {1, 79, 96, {{-63, -31}, 0.85f, {-29, -13}}},
        {1, 60, 64, {{-32, 23}, 0.7f, {-63, 62}}},
        {1, 80, 45, {{-20, 19}, 0.8f, {-63, 62}}},
        {1, 113, 44, {{30, 62}, 0.8f, {0, 62}}},
        {1, 100, 86, {{-63, -31}, 0.8f, {-63, -1}}},
        {1, 114, 0, {{-63, 62}, 1.0f, {-63, 62}}},
        {2, 0, 0, {{35, 62}, 0.9f, {24, 33}}},
        {2, 0, 127, {{-5, 19}, 0.55f, {-20, 62}}},
        // The high-pass row for a high cutoff is not the balance's.
        {2, 1, 97, {{-63, -36}, 0.9f, {-34, -25}}},
        {2, 1, 65, {{-63, -31}, 0.85f, {-29, -13}}},
        {2, 1, 64, {{-32, 23}, 0.7f, {-63, 62}}},
        {2, 2, 85, {{-20, 19}, 0.8f, {-63, 62}}},
        {2, 2, 44, {{30, 62}, 0.8f, {0, 62}}},
        {2, 2, 127, {{-63, -31}, 0.8f, {-63, -1}}},
    };
    for (const Case& c : cases) {
        const EgIntChoice got =
            c.filter == 1 ? Filter1EgIntChoice(c.selector, c.cutoff) : Filter2EgIntChoice(c.selector, c.cutoff);
        EXPECT_EQ(got, c.expected) << "filter " << c.filter << " " << c.selector << "/" << c.cutoff;
    }
}

TEST_F(ProgramRandomizer, DrawsFollowTheScript)
{
    ScriptedRandomSource source({
        Float(0.2f),             // one-value range chosen: no int draw
        Float(0.7f), Int(2, 7),  // 3..9
        Int(0, 126),             // -63..62
        Float(0.78f),            // not below 0.78
        Int(5, 84),              // PCM waves 0..84, never 84 itself
    });
    CRandomizerPass pass(m_accessor, m_program, 0, source);
    EXPECT_EQ(pass.PickFromTwoRanges({0, 0}, 0.5f, {3, 9}), 0);
    EXPECT_EQ(pass.PickFromTwoRanges({0, 0}, 0.5f, {3, 9}), 5);
    EXPECT_EQ(pass.Uniform(-63, 62), -63);
    EXPECT_FALSE(pass.Chance(0.78f));
    SetSynth(m_rows.osc1Wave, 6);
    EXPECT_EQ(pass.BelowMaximum(m_rows.osc1PcmWave), 5);
    // Control 1 has the single value 0 under the PCM wave: no draw.
    EXPECT_EQ(pass.BelowMaximum(m_rows.osc1Control1), 0);
    EXPECT_TRUE(source.Finished());
}

// One shaped step: the draws it makes, in order, and the values it sets.
struct ScriptedStep
{
    const char* what;
    std::vector<ScriptedDraw> draws;
    std::vector<std::tuple<std::uint32_t, std::uint32_t, std::int32_t>> sets;  // group, row, value
};

class ScriptedRandomize : public ProgramRandomizer
{
protected:
    static std::tuple<std::uint32_t, std::uint32_t, std::int32_t> S(std::uint32_t row, std::int32_t value)
    {
        return {kSynthGroup, row, value};
    }
    static std::tuple<std::uint32_t, std::uint32_t, std::int32_t> T(std::uint32_t row, std::int32_t value)
    {
        return {kTimbreGroup, row, value};
    }

    // The flat draws answer every int with its lowest value; then the steps
    // must draw exactly their script and set exactly their values, in order.
    void Run(const std::vector<ScriptedStep>& steps)
    {
        std::vector<ScriptedDraw> script;
        std::size_t flatSets = 0;
        {
            CQ3917ProgramData copy = m_program;
            FixedRandomSource lowest(0.0f, [&](int n) {
                script.push_back(Int(0, n));
                return 0;
            });
            CRandomizerPass pass(m_accessor, copy, 0, lowest);
            m_accessor.calls.clear();
            for (std::uint32_t row : Rows::UniformList())
                pass.ApplyUniformRule(row);
            flatSets = m_accessor.calls.size();
            ASSERT_EQ(lowest.floats, 0);
        }
        std::vector<std::pair<const char*, std::tuple<std::uint32_t, std::uint32_t, std::int32_t>>> expected;
        for (const ScriptedStep& step : steps) {
            script.insert(script.end(), step.draws.begin(), step.draws.end());
            for (const auto& set : step.sets)
                expected.emplace_back(step.what, set);
        }

        ScriptedRandomSource source(script);
        m_accessor.calls.clear();
        Randomize(source);
        EXPECT_TRUE(source.Finished()) << "fewer draws than scripted";
        ASSERT_EQ(m_accessor.calls.size(), flatSets + expected.size());
        for (std::size_t i = 0; i < expected.size(); ++i) {
            const SpyAccessor::Call& call = m_accessor.calls[flatSets + i];
            const auto& [group, row, value] = expected[i].second;
            EXPECT_EQ(call.address.group, group) << expected[i].first;
            EXPECT_EQ(call.address.index, row) << expected[i].first;
            EXPECT_EQ(call.address.timbre, 0u) << expected[i].first;
            EXPECT_EQ(call.value, value) << expected[i].first;
        }
    }

    // What "OSC 1 Control 1" draws from under a wave, after the flat draws.
    int Control1Choices(std::int32_t wave)
    {
        CQ3917ProgramData copy = m_program;
        FixedRandomSource lowest = LowestDraws();
        CRandomizerPass pass(m_accessor, copy, 0, lowest);
        for (std::uint32_t row : Rows::UniformList())
            pass.ApplyUniformRule(row);
        pass.SetSynth(m_rows.osc1Wave, wave);
        const ParameterAddress control1 = {kSynthGroup, m_rows.osc1Control1, 0};
        return m_accessor.GetMaximum(&copy, control1) - m_accessor.GetMinimum(&copy, control1);
    }
};

// Both envelope guards lift their envelope, one the decay and one the
// sustain; every other choice takes its less likely branch where it has one.
TEST_F(ScriptedRandomize, LiftsShortEnvelopesAndDrawsEveryStepInOrder)
{
    const Rows::Envelope& feg = m_rows.filterEg;
    const Rows::Envelope& aeg = m_rows.ampEg;
    const Rows::Envelope& asg = m_rows.assignableEg;
    Run({
        {"voice assign", {Float(0.5f)}, {S(m_rows.voiceAssign, 2)}},
        {"unison", {Float(0.1f), Int(1, 2)}, {T(m_rows.unisonSw, 2)}},
        {"detune and spread",
         {Float(0.9f), Int(17, 40), Float(0.5f), Float(0.4f)},
         {T(m_rows.unisonDetune, 17), T(m_rows.unisonSpread, 127)}},
        {"portamento when poly", {Float(0.8f), Float(0.95f), Int(3, 22)}, {T(m_rows.portamentoTime, 29)}},
        {"OSC 1 wave", {Float(0.7f), Float(0.5f)}, {S(m_rows.osc1Wave, 6)}},
        {"PCM wave", {Int(40, 84)}, {S(m_rows.osc1PcmWave, 40)}},
        {"OSC 2 mod", {Float(0.5f), Int(0, 2)}, {S(m_rows.osc2Mod, 1)}},
        {"OSC 2 semitone", {Float(0.8f), Int(70, 126)}, {S(m_rows.osc2Semitone, 7)}},
        {"OSC 2 tune", {Float(0.1f)}, {S(m_rows.osc2Tune, 0)}},
        {"OSC 1 level from x = 48", {Float(0.9f), Int(47, 48)}, {S(m_rows.osc1Level, 101)}},
        {"OSC 2 level from 26", {Int(10, 101)}, {S(m_rows.osc2Level, 36)}},
        {"noise", {Float(0.3f), Int(4, 15)}, {S(m_rows.noiseLevel, 4)}},
        {"filter 1 balance", {Float(0.9f), Float(0.5f), Int(10, 39)}, {S(m_rows.filter1Balance, 59)}},
        {"filter 1 EG by high-pass balance", {Float(0.2f), Int(40, 56)}, {S(m_rows.filter1EgInt, 8)}},
        {"filter 1 key track", {Float(0.95f), Int(3, 62)}, {S(m_rows.filter1KeyTrack, -60)}},
        {"filter 1 velocity", {Float(0.9f), Int(100, 126)}, {S(m_rows.filter1VelocitySens, 37)}},
        {"filter 2 EG by low-pass type", {Float(0.3f), Int(2, 28)}, {S(m_rows.filter2EgInt, 37)}},
        {"filter 2 key track", {Float(0.1f), Int(20, 63)}, {S(m_rows.filter2KeyTrack, 20)}},
        {"filter 2 velocity", {Float(0.1f)}, {S(m_rows.filter2VelocitySens, 0)}},
        {"level", {Float(0.5f), Int(6, 27)}, {S(m_rows.level, 106)}},
        {"key track", {Float(0.95f), Float(0.9f), Int(11, 62)}, {S(m_rows.keyTrack, 12)}},
        {"punch", {Float(0.8f), Int(33, 127)}, {S(m_rows.punchLevel, 33)}},
        {"drive type", {Float(0.1f), Float(0.6f)}, {S(m_rows.driveType, 1)}},
        {"drive depth", {Float(0.8f), Int(5, 62)}, {S(m_rows.driveDepth, 70)}},
        {"filter EG attack", {Float(0.5f), Float(0.5f), Int(9, 44)}, {S(feg.attack, 10)}},
        {"filter EG decay", {Float(0.9f), Int(20, 127)}, {S(feg.decay, 20)}},
        {"filter EG sustain", {Float(0.2f), Float(0.3f)}, {S(feg.sustain, 0)}},
        {"filter EG guard lifts the decay", {Float(0.4f), Float(0.2f), Float(0.75f), Int(10, 54)}, {S(feg.decay, 83)}},
        {"filter EG release", {Float(0.5f), Float(0.9f), Int(2, 63)}, {S(feg.release, 66)}},
        {"filter EG velocity at its top", {Float(0.8f), Int(62, 63)}, {S(feg.velocity, 62)}},
        {"amp EG attack", {Float(0.2f)}, {S(aeg.attack, 0)}},
        {"amp EG decay", {Float(0.6f), Float(0.9f), Int(30, 63)}, {S(aeg.decay, 30)}},
        {"amp EG sustain", {Float(0.9f), Float(0.8f), Int(9, 62)}, {S(aeg.sustain, 10)}},
        {"amp EG guard lifts the sustain", {Float(0.1f), Float(0.7f), Float(0.1f), Int(4, 31)}, {S(aeg.sustain, 100)}},
        {"amp EG release", {Float(0.3f), Float(0.1f), Int(29, 30)}, {S(aeg.release, 29)}},
        {"amp EG velocity", {Int(7, 63)}, {S(aeg.velocity, 7)}},
        {"assignable EG attack", {Float(0.1f)}, {S(asg.attack, 0)}},
        {"assignable EG release", {Float(0.9f), Int(126, 127)}, {S(asg.release, 126)}},
        {"assignable EG velocity", {Int(0, 63)}, {S(asg.velocity, 0)}},
        {"LFO 1 frequency", {Float(0.8f), Int(0, 86)}, {S(m_rows.lfo1Frequency, 41)}},
        {"LFO 2 frequency", {Float(0.1f), Int(62, 63)}, {S(m_rows.lfo2Frequency, 126)}},
        {"patch 1",
         {Float(0.3f), Float(0.7f), Int(0, 62), Int(88, 99), Float(0.1f)},
         {S(m_rows.patchIntensity[0], -63), S(m_rows.patchSource[0], 8), S(m_rows.patchDestination[0], 7)}},
        {"patch 2 off", {Float(0.5f)}, {S(m_rows.patchIntensity[1], 0)}},
        {"patch 3",
         {Float(0.1f), Float(0.1f), Int(62, 63), Int(0, 99), Float(0.5f), Int(38, 39)},
         {S(m_rows.patchIntensity[2], 62), S(m_rows.patchSource[2], 0), S(m_rows.patchDestination[2], 38)}},
        {"patch 4 off", {Float(0.9f)}, {S(m_rows.patchIntensity[3], 0)}},
        {"patch 5",
         {Float(0.39f), Float(0.64f), Int(1, 63), Int(63, 99), Float(0.2f), Int(0, 39)},
         {S(m_rows.patchIntensity[4], 1), S(m_rows.patchSource[4], 7), S(m_rows.patchDestination[4], 0)}},
    });
}

// Envelopes long enough draw no guard; a decay and sustain that add up to
// exactly 64 draw the guard's chance and, refused, keep their values.
TEST_F(ScriptedRandomize, LeavesLongEnvelopesAndTakesTheOtherBranches)
{
    const Rows::Envelope& feg = m_rows.filterEg;
    const Rows::Envelope& aeg = m_rows.ampEg;
    const Rows::Envelope& asg = m_rows.assignableEg;
    const int control1 = Control1Choices(0);
    ASSERT_GT(control1, 0);
    std::vector<ScriptedStep> steps = {
        {"voice assign", {Float(0.9f)}, {S(m_rows.voiceAssign, 0)}},
        {"no unison", {Float(0.5f)}, {T(m_rows.unisonSw, 0)}},
        {"portamento when mono", {Float(0.1f), Float(0.7f), Int(0, 35)}, {T(m_rows.portamentoTime, 5)}},
        {"OSC 1 wave", {Float(0.1f), Int(0, 3)}, {S(m_rows.osc1Wave, 0)}},
        {"OSC 1 controls under waveform modulation",
         {Int(0, control1), Float(0.8f), Int(0, 94)},
         {S(m_rows.osc1Control1, 0), S(m_rows.osc1Control2, 33)}},
        {"OSC 2 mod", {Float(0.1f)}, {S(m_rows.osc2Mod, 0)}},
        {"OSC 2 semitone", {Float(0.1f)}, {S(m_rows.osc2Semitone, 0)}},
        {"OSC 2 tune", {Float(0.9f), Int(125, 126)}, {S(m_rows.osc2Tune, 62)}},
        {"OSC 1 level from x = 50", {Float(0.1f), Int(0, 77)}, {S(m_rows.osc1Level, 102)}},
        {"OSC 2 level from 25", {Int(101, 102)}, {S(m_rows.osc2Level, 126)}},
        {"noise", {Float(0.95f), Int(120, 121)}, {S(m_rows.noiseLevel, 126)}},
        {"filter 1 balance", {Float(0.1f), Int(47, 48)}, {S(m_rows.filter1Balance, 47)}},
        {"filter 1 EG by low-pass balance", {Float(0.95f), Int(9, 10)}, {S(m_rows.filter1EgInt, 33)}},
        {"filter 1 key track", {Float(0.1f), Int(0, 63)}, {S(m_rows.filter1KeyTrack, 0)}},
        {"filter 1 velocity", {Float(0.1f)}, {S(m_rows.filter1VelocitySens, 0)}},
        {"filter 2 EG", {Float(0.1f), Int(0, 28)}, {S(m_rows.filter2EgInt, 35)}},
        {"filter 2 key track", {Float(0.1f), Int(62, 63)}, {S(m_rows.filter2KeyTrack, 62)}},
        {"filter 2 velocity", {Float(0.95f), Int(0, 126)}, {S(m_rows.filter2VelocitySens, -63)}},
        {"level", {Float(0.95f), Int(59, 60)}, {S(m_rows.level, 119)}},
        {"key track", {Float(0.1f)}, {S(m_rows.keyTrack, 0)}},
        {"punch", {Float(0.1f)}, {S(m_rows.punchLevel, 0)}},
        {"drive type", {Float(0.9f), Int(8, 9)}, {S(m_rows.driveType, 10)}},
        {"drive depth", {Int(126, 127)}, {S(m_rows.driveDepth, 126)}},
        {"filter EG attack", {Float(0.1f)}, {S(feg.attack, 0)}},
        {"filter EG decay", {Float(0.1f)}, {S(feg.decay, 64)}},
        {"filter EG sustain, no guard", {Float(0.2f), Float(0.7f)}, {S(feg.sustain, 127)}},
        {"filter EG release", {Float(0.1f)}, {S(feg.release, 0)}},
        {"filter EG velocity", {Float(0.1f)}, {S(feg.velocity, 0)}},
        {"amp EG attack", {Float(0.9f), Float(0.95f), Int(0, 96)}, {S(aeg.attack, 31)}},
        {"amp EG decay", {Float(0.1f)}, {S(aeg.decay, 64)}},
        {"amp EG sustain", {Float(0.1f), Float(0.1f)}, {S(aeg.sustain, 0)}},
        {"amp EG guard not taken", {Float(0.5f)}, {}},
        {"amp EG release", {Float(0.1f)}, {S(aeg.release, 0)}},
        {"amp EG velocity", {Int(62, 63)}, {S(aeg.velocity, 62)}},
        {"assignable EG attack", {Float(0.9f), Float(0.9f), Int(95, 96)}, {S(asg.attack, 126)}},
        {"assignable EG release", {Float(0.1f)}, {S(asg.release, 0)}},
        {"assignable EG velocity", {Int(31, 63)}, {S(asg.velocity, 31)}},
        {"LFO 1 frequency", {Float(0.1f), Int(39, 40)}, {S(m_rows.lfo1Frequency, 39)}},
        {"LFO 2 frequency", {Float(0.9f), Int(0, 63)}, {S(m_rows.lfo2Frequency, 0)}},
    };
    for (int i = 0; i < Rows::kRandomPatches; ++i)
        steps.push_back({"patch off", {Float(0.9f)}, {S(m_rows.patchIntensity[static_cast<std::size_t>(i)], 0)}});
    Run(steps);
}

TEST_F(ProgramRandomizer, UniformRuleLeavesDisabledAndSingleValueRows)
{
    FillPattern(m_program, 3);
    // Formant has no modulation: a range of one value.
    SetSynth(m_rows.osc1Wave, 4);
    const std::int32_t mod = Synth(m_rows.osc1Mod);
    FixedRandomSource source = LowestDraws();
    CRandomizerPass pass(m_accessor, m_program, 0, source);
    pass.ApplyUniformRule(m_rows.osc1Mod);
    EXPECT_EQ(Synth(m_rows.osc1Mod), mod);
    EXPECT_EQ(source.ints, 0);

    // A single-timbre program has every row of timbre 2 disabled.
    m_accessor.SetValue(&m_program, kVoiceMode, 0);
    const CQ3917ProgramData before = m_program;
    CProgramRandomizer::SimpleRandomize(&m_program, 1, m_accessor, source);
    EXPECT_EQ(source.ints, 0);
    EXPECT_EQ(std::memcmp(before.GetData(), m_program.GetData(), CQ3917ProgramData::kImageSize), 0);
}

TEST_F(ProgramRandomizer, FlatDrawNeverReachesTheMaximumOverSeeds)
{
    for (std::int64_t seed = 1; seed <= 150; ++seed) {
        FillPattern(m_program, static_cast<std::uint8_t>(seed));
        m_accessor.SetValue(&m_program, kVoiceMode, kVoiceLayer);
        m_accessor.calls.clear();
        juce::Random random(seed);
        CJuceRandomSource source(random);
        CProgramRandomizer::SimpleRandomize(&m_program, static_cast<std::uint32_t>(seed % 2), m_accessor, source);
        ASSERT_FALSE(m_accessor.calls.empty());
        for (const SpyAccessor::Call& call : m_accessor.calls) {
            ASSERT_TRUE(call.enabled) << "seed " << seed << " row " << call.address.index;
            ASSERT_GE(call.value, call.minimum) << "seed " << seed << " row " << call.address.index;
            ASSERT_LT(call.value, call.maximum) << "seed " << seed << " row " << call.address.index;
        }
    }
}

// Bits of the timbre block that the randomizer may write.
std::array<std::uint8_t, 96> WritableBits()
{
    std::array<std::uint8_t, 96> bits{};
    const auto mark = [&](std::uint32_t group, std::uint32_t row) {
        const ParameterRow& r = kQ3917ProgramGroups[group][row];
        bits.at(static_cast<std::size_t>(r.offset)) |= static_cast<std::uint8_t>(r.mask << r.bit);
    };
    for (std::uint32_t row : Rows::SimpleList())
        mark(kSynthGroup, row);
    const Rows::Named& named = Rows::Rows();
    for (std::uint32_t row : {named.unisonSw, named.unisonDetune, named.unisonSpread, named.portamentoTime})
        mark(kTimbreGroup, row);
    for (std::uint32_t row : {named.voiceAssign, named.level, named.keyTrack})
        mark(kSynthGroup, row);
    return bits;
}

TEST_F(ProgramRandomizer, ShapedDrawOverSeedsKeepsItsPromises)
{
    const std::array<std::uint8_t, 96> writable = WritableBits();
    std::set<std::int32_t> waves;
    for (std::int64_t seed = 1; seed <= 300; ++seed) {
        const std::uint32_t timbre = static_cast<std::uint32_t>(seed % 2);
        FillPattern(m_program, static_cast<std::uint8_t>(seed * 7));
        m_accessor.SetValue(&m_program, kVoiceMode, kVoiceLayer);
        const CQ3917ProgramData before = m_program;
        juce::Random random(seed);
        CJuceRandomSource source(random);
        m_accessor.calls.clear();
        Randomize(source, timbre);

        // The flat draws come first and end where the voice assignment is drawn.
        bool flat = true;
        for (const SpyAccessor::Call& call : m_accessor.calls) {
            flat = flat && !(call.address.group == kSynthGroup && call.address.index == m_rows.voiceAssign);
            if (flat) {
                ASSERT_TRUE(call.enabled) << "seed " << seed << " row " << call.address.index;
                ASSERT_GE(call.value, call.minimum) << "seed " << seed << " row " << call.address.index;
                ASSERT_LT(call.value, call.maximum) << "seed " << seed << " row " << call.address.index;
            }
            const std::int32_t value = m_accessor.GetValue(&m_program, call.address);
            ASSERT_GE(value, m_accessor.GetMinimum(&m_program, call.address)) << "seed " << seed;
            ASSERT_LE(value, m_accessor.GetMaximum(&m_program, call.address)) << "seed " << seed;
        }
        ASSERT_FALSE(flat) << "the voice assignment is drawn";

        const std::int32_t wave = Synth(m_rows.osc1Wave, timbre);
        waves.insert(wave);
        ASSERT_NE(wave, 3) << "seed " << seed;
        ASSERT_NE(wave, 7) << "seed " << seed;
        ASSERT_LE(Synth(m_rows.driveType, timbre), 10) << "seed " << seed;
        for (int i = 0; i < Rows::kRandomPatches; ++i) {
            if (Synth(m_rows.patchIntensity[i], timbre) == 0)
                continue;
            ASSERT_LE(Synth(m_rows.patchSource[i], timbre), 8) << "seed " << seed;
            ASSERT_LE(Synth(m_rows.patchDestination[i], timbre), 38) << "seed " << seed;
        }

        const int block = 16 + 96 * static_cast<int>(timbre);
        for (int i = 0; i < CQ3917ProgramData::kImageSize; ++i) {
            const std::uint8_t changed = before.GetData()[i] ^ m_program.GetData()[i];
            const bool inBlock = i >= block && i < block + 96;
            const std::uint8_t allowed = inBlock ? writable[static_cast<std::size_t>(i - block)] : 0;
            ASSERT_EQ(changed & ~allowed, 0) << "seed " << seed << " byte " << i;
        }
    }
    EXPECT_EQ(waves, (std::set<std::int32_t>{0, 1, 2, 4, 5, 6}));
}

TEST(ProgramRandomizerDefaults, UseTheProcessWideAccessorAndGenerator)
{
    CQ3917ProgramAccessor::GetInstance();
    CQ3917ProgramData program;
    FillPattern(program, 5);
    const CQ3917ProgramData before = program;
    {
        CProgramRandomizer randomizer;
        randomizer.SetProgram(&program);
        randomizer.Randomize();
    }
    EXPECT_NE(std::memcmp(program.GetData(), before.GetData(), CQ3917ProgramData::kImageSize), 0);
    CQ3917ProgramAccessor::ReleaseInstance();
}

}  // namespace
