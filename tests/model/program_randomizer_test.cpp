// The program randomizer: scripted draws, the shaped rules, ranges over many
// seeds, and that nothing outside the randomized timbre changes.
#include "model/ProgramRandomizer.h"
#include "model/ProgramRandomizerPass.h"
#include "model/ProgramRandomizerRows.h"
#include "model/ProgramRandomizerShapes.h"
#include "model/ProgramRandomSource.h"
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
        calls.push_back({address, value, GetMinimum(program, address), GetMaximum(program, address),
                         IsEnabled(program, address)});
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
        const EgIntChoice got = c.filter == 1 ? Filter1EgIntChoice(c.selector, c.cutoff)
                                              : Filter2EgIntChoice(c.selector, c.cutoff);
        EXPECT_EQ(got, c.expected) << "filter " << c.filter << " " << c.selector << "/" << c.cutoff;
    }
}

TEST_F(ProgramRandomizer, DrawsFollowTheScript)
{
    ScriptedRandomSource source({
        Float(0.2f),                    // one-value range chosen: no int draw
        Float(0.7f), Int(2, 7),         // 3..9
        Int(0, 126),                    // -63..62
        Float(0.78f),                   // not below 0.78
        Int(5, 84),                     // PCM waves 0..84, never 84 itself
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
