// The program accessor's dependent parameters: oscillator 1, master effect
// types and ribbon rows, ranges, clamping and the float mapping.
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>

namespace {

constexpr std::uint32_t kWave = 19;
constexpr std::uint32_t kMod = 21;
constexpr std::uint32_t kControl1 = 22;
constexpr std::uint32_t kControl2 = 23;

ParameterAddress Synth(std::uint32_t index, std::uint32_t timbre = 0)
{
    return {2, index, timbre};
}

// Row of slot s of effect 1 or 2.
ParameterAddress Slot(int effect, std::uint32_t slot)
{
    return {6, (effect == 1 ? 4u : 28u) + slot, 0};
}

ParameterAddress FxRow(int effect, std::uint32_t row)
{
    return {6, (effect == 1 ? 0u : 24u) + row, 0};
}

std::string Text(const char* text)
{
    return text != nullptr ? text : "(null)";
}

class ProgramAccessor : public testing::Test
{
protected:
    void SetUp() override
    {
        m_program.Clear();
        m_program.ResetOscControlMemory();
    }

    std::int32_t Get(const ParameterAddress& address) const { return m_accessor.GetValue(&m_program, address); }
    std::int32_t Raw(const ParameterAddress& address) const { return m_accessor.GetRawValue(&m_program, address); }
    void Set(const ParameterAddress& address, std::int32_t value) { m_accessor.SetValue(&m_program, address, value); }
    void SetRaw(const ParameterAddress& address, std::int32_t value)
    {
        m_accessor.SetRawValue(&m_program, address, value);
    }

    CQ3917ProgramAccessor m_accessor;
    CQ3917ProgramData m_program;
};

TEST_F(ProgramAccessor, Osc1ControlsByWaveAndModulation)
{
    struct Case
    {
        std::int32_t wave;
        std::int32_t mod;
        std::uint32_t control;
        std::int32_t raw;
        std::int32_t value;
        std::int32_t minimum;
        std::int32_t maximum;
        const char* name;
        const char* key;
    };
    const Case cases[] = {
        {0, 0, kControl1, 100, 100, 0, 127, "Waveform", "Value"},
        {1, 0, kControl1, 100, 100, 0, 127, "Pulse Width", "Value"},
        {3, 0, kControl1, 100, 100, 0, 127, "Wave Shape", "Value"},
        {2, 1, kControl1, 5, 5, 0, 127, "Mod.Depth", "Value"},
        {2, 2, kControl1, 5, 5, 0, 127, "Detune", "Value"},
        {2, 3, kControl1, 5, 5, 0, 127, "Mod.Depth", "Value"},
        {4, 0, kControl1, 5, 5, 0, 127, "Formant Width", "Value"},
        {5, 0, kControl1, 5, 5, 0, 127, "Resonance", "Value"},
        {6, 0, kControl1, 5, 0, 0, 0, "---", "Value"},
        {7, 0, kControl1, 100, 36, -63, 63, "Gain", "Value"},
        {7, 0, kControl1, 0, -63, -63, 63, "Gain", "Value"},
        {0, 0, kControl2, 50, 50, 0, 127, "LFO 1 Mod Int", "Value"},
        {3, 0, kControl2, 50, 50, 0, 127, "Wave Shape Mod Int", "Value"},
        {1, 1, kControl2, 50, 50, 0, 127, "LFO 1 Mod Int", "Value"},
        {1, 2, kControl2, 50, 50, 0, 127, "Unison Phase", "Value"},
        {0, 3, kControl2, 127, 31, 0, 31, "Mod.Harmonics", "VpmHarmonics"},
        {0, 3, kControl2, 6, 1, 0, 31, "Mod.Harmonics", "VpmHarmonics"},
        {4, 0, kControl2, 70, 6, -63, 63, "Formant Shift", "Value"},
        {4, 0, kControl2, 0, -63, -63, 63, "Formant Shift", "Value"},
        {5, 0, kControl2, 64, 0, -63, 63, "LPF/HPF Balance", "NoiseFltBalance"},
        {6, 0, kControl2, 64, 0, 0, 0, "---", "Value"},
        {7, 0, kControl2, 64, 0, 0, 0, "---", "Value"},
        {8, 0, kControl1, 64, 0, 0, 0, nullptr, "Value"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wave " << c.wave << " mod " << c.mod << " row " << c.control);
        SetRaw(Synth(kWave), c.wave);
        SetRaw(Synth(kMod), c.mod);
        SetRaw(Synth(c.control), c.raw);
        EXPECT_EQ(Get(Synth(c.control)), c.value);
        EXPECT_EQ(m_accessor.GetMinimum(&m_program, Synth(c.control)), c.minimum);
        EXPECT_EQ(m_accessor.GetMaximum(&m_program, Synth(c.control)), c.maximum);
        EXPECT_EQ(Text(m_accessor.GetName(&m_program, Synth(c.control))), Text(c.name));
        EXPECT_STREQ(m_accessor.GetValueTypeKey(&m_program, Synth(c.control)), c.key);
    }
}

TEST_F(ProgramAccessor, Osc1ControlWritesStoreTheRawForm)
{
    struct Case
    {
        std::int32_t wave;
        std::int32_t mod;
        std::uint32_t control;
        std::int32_t value;
        std::int32_t raw;
    };
    const Case cases[] = {
        {0, 3, kControl2, 31, 124}, {0, 3, kControl2, 40, 124}, {7, 0, kControl1, -63, 1},
        {4, 0, kControl2, -10, 54}, {5, 0, kControl2, 63, 127}, {0, 0, kControl1, 127, 127},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "wave " << c.wave << " mod " << c.mod << " row " << c.control);
        SetRaw(Synth(kWave), c.wave);
        SetRaw(Synth(kMod), c.mod);
        Set(Synth(c.control), c.value);
        EXPECT_EQ(Raw(Synth(c.control)), c.raw);
    }
}

TEST_F(ProgramAccessor, Osc1ModulationOnlyForClassicWaves)
{
    SetRaw(Synth(kWave), 2);
    EXPECT_EQ(m_accessor.GetMaximum(&m_program, Synth(kMod)), 3);
    SetRaw(Synth(kWave), 4);
    EXPECT_EQ(m_accessor.GetMaximum(&m_program, Synth(kMod)), 0);
    Set(Synth(kMod), 2);
    EXPECT_EQ(Raw(Synth(kMod)), 0);
}

TEST_F(ProgramAccessor, Osc1WaveChangesRestoreModulationAndControls)
{
    Set(Synth(kWave), 0);
    Set(Synth(kMod), 2);
    Set(Synth(kControl1), 10);
    Set(Synth(kControl2), 20);

    // Noise has no modulation; its controls start as a reset left them.
    Set(Synth(kWave), 5);
    EXPECT_EQ(Raw(Synth(kMod)), 0);
    EXPECT_EQ(Get(Synth(kControl1)), 0);
    EXPECT_EQ(Raw(Synth(kControl2)), 64);
    EXPECT_EQ(Get(Synth(kControl2)), 0);
    Set(Synth(kControl1), 50);
    Set(Synth(kControl2), -10);

    Set(Synth(kWave), 0);
    EXPECT_EQ(Get(Synth(kMod)), 2);
    EXPECT_EQ(Get(Synth(kControl1)), 10);
    EXPECT_EQ(Get(Synth(kControl2)), 20);

    Set(Synth(kWave), 5);
    EXPECT_EQ(Get(Synth(kControl1)), 50);
    EXPECT_EQ(Get(Synth(kControl2)), -10);

    // Each modulation keeps its own pair.
    Set(Synth(kWave), 1);
    Set(Synth(kMod), 3);
    Set(Synth(kControl2), 7);
    Set(Synth(kMod), 2);
    EXPECT_EQ(Get(Synth(kControl2)), 20);
    Set(Synth(kMod), 3);
    EXPECT_EQ(Get(Synth(kControl2)), 7);
    EXPECT_EQ(Raw(Synth(kControl2)), 28);
}

TEST_F(ProgramAccessor, Osc1PcmWaveKeepsControl1)
{
    Set(Synth(kWave), 0);
    Set(Synth(kControl1), 90);
    Set(Synth(kWave), 6);
    EXPECT_EQ(Raw(Synth(kControl1)), 90);
    EXPECT_EQ(Get(Synth(kControl1)), 0);
    EXPECT_EQ(Raw(Synth(kControl2)), 0);
}

TEST_F(ProgramAccessor, Osc1MemoryIsPerTimbreButTheModulationIsShared)
{
    SetRaw({0, 35, 0}, 1);
    Set(Synth(kWave, 0), 0);
    Set(Synth(kMod, 0), 2);
    Set(Synth(kControl1, 0), 11);
    Set(Synth(kWave, 1), 0);
    Set(Synth(kMod, 1), 1);
    Set(Synth(kControl1, 1), 22);

    Set(Synth(kWave, 0), 4);
    Set(Synth(kWave, 1), 4);
    Set(Synth(kWave, 0), 0);
    Set(Synth(kWave, 1), 0);
    // The last wave change away from a classic wave set the one shared modulation.
    EXPECT_EQ(Get(Synth(kMod, 0)), 1);
    EXPECT_EQ(Get(Synth(kMod, 1)), 1);
    EXPECT_EQ(Get(Synth(kControl1, 1)), 22);
}

TEST_F(ProgramAccessor, ResetOscControlMemoryTakesTheImage)
{
    SetRaw(Synth(kWave), 7);
    SetRaw(Synth(kControl1), 30);
    SetRaw(Synth(kControl2), 40);
    SetRaw(Synth(kWave, 1), 1);
    SetRaw(Synth(kMod, 1), 2);
    m_program.ResetOscControlMemory();

    const Q3917OscControlMemory& memory = m_program.GetOscControlMemory();
    EXPECT_EQ(memory.modulation, 2);
    EXPECT_EQ(memory.controls[0][13], 30);
    EXPECT_EQ(memory.controls[0][14], 40);
    EXPECT_EQ(memory.controls[0][9], 64);
    EXPECT_EQ(memory.controls[0][11], 64);
    EXPECT_EQ(memory.controls[1][13], 64);
    EXPECT_EQ(memory.controls[1][4], 0);
}

TEST_F(ProgramAccessor, EffectTypeChangeWritesTheTypeDefaults)
{
    Set(FxRow(1, 1), 6);
    Set(FxRow(2, 1), 11);
    SetRaw(FxRow(1, 2), 5);
    Set(FxRow(1, 1), 2);

    const std::int32_t filterDefaults[] = {100, 2, 63, 0, 127, 0, 0, 90, 0, 28, 8, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    for (std::uint32_t slot = 0; slot < 20; ++slot)
        EXPECT_EQ(Get(Slot(1, slot)), filterDefaults[slot]) << "slot " << slot;
    EXPECT_EQ(m_program.GetData()[286 + 10], 64);  // Mod Intensity 0 stored with its bias
    EXPECT_EQ(Raw(FxRow(1, 2)), 31);
    EXPECT_EQ(Raw(FxRow(1, 3)), 0);
    EXPECT_EQ(Get(Slot(2, 0)), 50);  // the other effect keeps its own

    // The same type again still resets the slots.
    Set(Slot(1, 2), 10);
    Set(FxRow(1, 1), 2);
    EXPECT_EQ(Get(Slot(1, 2)), 63);

    Set(FxRow(1, 1), 0);
    EXPECT_EQ(Raw(FxRow(1, 2)), 0);
    EXPECT_EQ(Raw(Slot(1, 0)), 0);
}

TEST_F(ProgramAccessor, EffectDefaultsOutsideTheSlotRangeAreClamped)
{
    Set(FxRow(1, 1), 11);
    EXPECT_EQ(Get(Slot(1, 3)), 18);
    EXPECT_EQ(m_program.GetData()[286 + 7], 82);
}

TEST_F(ProgramAccessor, RibbonRowsFollowTheActiveTwin)
{
    struct Case
    {
        const char* what;
        int effect;
        std::int32_t type;
        std::int32_t ribbon;  // held before
        std::uint32_t slot;   // slot written
        std::int32_t value;
        std::int32_t ribbonAfter;
    };
    const Case cases[] = {
        {"LFO sync on moves frequency to sync note", 2, 2, 9, 8, 1, 10},
        {"LFO sync off moves sync note to frequency", 1, 2, 10, 8, 0, 9},
        {"other slots stay", 1, 2, 3, 8, 1, 3},
        {"delay time sync off", 1, 6, 6, 2, 0, 3},
        {"delay time sync on", 2, 6, 3, 2, 1, 6},
        {"grain shifter LFO sync", 1, 17, 7, 6, 1, 8},
        {"ring modulator fixed to note", 1, 16, 2, 1, 1, 3},
        {"ring modulator note to fixed", 1, 16, 3, 1, 0, 2},
        {"slot that is no switch", 1, 2, 9, 7, 1, 9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        Set(FxRow(c.effect, 1), c.type);
        Set(Slot(c.effect, c.slot), c.value == 0 ? 1 : 0);
        SetRaw(FxRow(c.effect, 2), c.ribbon);
        Set(Slot(c.effect, c.slot), c.value);
        EXPECT_EQ(Raw(FxRow(c.effect, 2)), c.ribbonAfter);
        EXPECT_EQ(Raw(Slot(c.effect, c.slot)), c.value);
    }
}

TEST_F(ProgramAccessor, RibbonRowNeverNamesTheInactiveTwin)
{
    struct Case
    {
        const char* what;
        std::int32_t type;
        std::uint32_t switchSlot;
        std::int32_t switchValue;
        std::int32_t written;
        std::int32_t stored;
    };
    const Case cases[] = {
        {"LFO frequency while synchronised", 2, 8, 1, 9, 10},
        {"LFO sync note while free", 2, 8, 0, 10, 9},
        {"LFO frequency while free", 2, 8, 0, 9, 9},
        {"delay time while synchronised", 6, 2, 1, 3, 6},
        {"ring modulator note offset in fixed mode", 16, 1, 0, 3, 2},
        {"ring modulator fixed frequency in note mode", 16, 1, 1, 2, 3},
        {"unrelated slot", 2, 8, 1, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        Set(FxRow(1, 1), c.type);
        SetRaw(Slot(1, c.switchSlot), c.switchValue);
        Set(FxRow(1, 2), c.written);
        EXPECT_EQ(Raw(FxRow(1, 2)), c.stored);
    }
}

TEST_F(ProgramAccessor, EffectSlotsDescribeThemselvesByType)
{
    Set(FxRow(1, 1), 2);
    EXPECT_STREQ(m_accessor.GetName(&m_program, Slot(1, 0)), "Dry/Wet");
    EXPECT_STREQ(m_accessor.GetValueTypeKey(&m_program, Slot(1, 0)), "FxWetDry");
    EXPECT_EQ(m_accessor.GetMaximum(&m_program, Slot(1, 0)), 100);
    EXPECT_EQ(m_accessor.GetControlKind(&m_program, Slot(1, 1)), 3);
    EXPECT_EQ(m_accessor.GetBias(&m_program, Slot(1, 6)), 64);
    EXPECT_TRUE(m_accessor.IsSupported(&m_program, Slot(1, 15)));
    EXPECT_FALSE(m_accessor.IsSupported(&m_program, Slot(1, 16)));
    EXPECT_STREQ(m_accessor.GetName(&m_program, Slot(1, 16)), "");

    // Without a known type the slot is an ordinary row.
    SetRaw(FxRow(1, 1), 40);
    EXPECT_EQ(m_accessor.GetFxParameterRow(&m_program, Slot(1, 0)), nullptr);
    EXPECT_STREQ(m_accessor.GetName(&m_program, Slot(1, 0)), "Param 1");
    EXPECT_EQ(m_accessor.GetMaximum(&m_program, Slot(1, 0)), 127);
}

TEST_F(ProgramAccessor, ValuesAreClampedToTheCurrentRange)
{
    Set({2, 16, 0}, -100);
    EXPECT_EQ(Get({2, 16, 0}), -48);
    Set({2, 16, 0}, 100);
    EXPECT_EQ(Get({2, 16, 0}), 48);
    Set({0, 53, 0}, 16);
    EXPECT_EQ(Get({0, 53, 0}), 15);
    Set(FxRow(1, 1), 40);
    EXPECT_EQ(Get(FxRow(1, 1)), 17);
    Set(Slot(1, 0), 500);  // grain shifter dry/wet
    EXPECT_EQ(Get(Slot(1, 0)), 100);
    m_program.GetData()[8] = 0x0F;  // octave field beyond +3
    EXPECT_EQ(Get({0, 43, 0}), 3);
}

TEST_F(ProgramAccessor, FloatMapping)
{
    const ParameterAddress transpose{2, 16, 0};
    const ParameterAddress level{2, 30, 0};
    EXPECT_FLOAT_EQ(m_accessor.ValueToFloat(&m_program, transpose, -48), 0.0f);
    EXPECT_FLOAT_EQ(m_accessor.ValueToFloat(&m_program, transpose, 48), 2.0f);
    EXPECT_FLOAT_EQ(m_accessor.ValueToFloat(&m_program, level, 127), 1.0f);
    EXPECT_EQ(m_accessor.FloatToValue(&m_program, level, 0.5f), 63);
    EXPECT_EQ(m_accessor.FloatToValue(&m_program, transpose, 0.5f), -24);
    EXPECT_EQ(m_accessor.FloatToValue(&m_program, transpose, std::numeric_limits<float>::quiet_NaN()), -48);
    EXPECT_EQ(m_accessor.FloatToValue(&m_program, level, 1e30f), std::numeric_limits<std::int32_t>::max());

    // A parameter whose maximum is 0 maps to 0, not to a division by zero.
    SetRaw(Synth(kWave), 6);
    EXPECT_EQ(m_accessor.ValueToFloat(&m_program, Synth(kControl1), 0), 0.0f);
    EXPECT_EQ(m_accessor.GetValueAsFloat(&m_program, Slot(1, 19)), 0.0f);

    m_accessor.SetParameterByFloat(&m_program, level, 0.25f);
    EXPECT_EQ(Get(level), 31);
    EXPECT_FLOAT_EQ(m_accessor.GetValueAsFloat(&m_program, level), 31.0f / 127.0f);
}

TEST_F(ProgramAccessor, RowsAndCounts)
{
    EXPECT_EQ(m_accessor.GetParameterCount(), 783u);
    EXPECT_EQ(m_accessor.GetFlaggedParameterCount(), 274u);
    EXPECT_STREQ(m_accessor.GetName(&m_program, {0, 53, 0}), "CategoryNumber");
    EXPECT_EQ(m_accessor.GetKnobAssignNumber(&m_program, {2, 24, 0}), 3);
    EXPECT_EQ(m_accessor.GetKnobAssignNumber(&m_program, {0, 54, 0}), -1);
    EXPECT_TRUE(m_accessor.GetRowFlag({2, 24, 0}));
    EXPECT_FALSE(m_accessor.GetRowFlag({0, 54, 0}));
    EXPECT_FALSE(m_accessor.IsSupported({3, 0, 0}));
    EXPECT_FALSE(m_accessor.IsSupported({1, 16, 2}));
    EXPECT_TRUE(m_accessor.IsSupported({1, 16, 1}));
}

TEST_F(ProgramAccessor, NullProgram)
{
    m_accessor.SetValue(nullptr, {7, 0, 0}, 120);
    m_accessor.SetValue(nullptr, FxRow(1, 1), 3);
    m_accessor.SetValue(nullptr, Synth(kWave), 3);
    EXPECT_EQ(m_accessor.GetValue(nullptr, {7, 0, 0}), 0);
    EXPECT_EQ(m_accessor.GetRawValue(nullptr, {2, 16, 0}), 0);
    char text[16];
    m_accessor.GetValueText(nullptr, {2, 30, 0}, text, sizeof text);
    EXPECT_STREQ(text, "0");
}

TEST(ProgramAccessorSingleton, CountsItsUsers)
{
    ASSERT_EQ(CQ3917ProgramAccessor::PeekInstance(), nullptr);
    CQ3917ProgramAccessor* first = CQ3917ProgramAccessor::GetInstance();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(CQ3917ProgramAccessor::GetInstance(), first);
    CQ3917ProgramAccessor::ReleaseInstance();
    EXPECT_EQ(CQ3917ProgramAccessor::PeekInstance(), first);
    CQ3917ProgramAccessor::ReleaseInstance();
    EXPECT_EQ(CQ3917ProgramAccessor::PeekInstance(), nullptr);
    CQ3917ProgramAccessor::ReleaseInstance();
    EXPECT_EQ(CQ3917ProgramAccessor::PeekInstance(), nullptr);
}

}  // namespace
