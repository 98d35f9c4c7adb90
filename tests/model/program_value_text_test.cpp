// The texts program parameter values are shown as.
#include "framework/services/EfStringTable.h"
#include "framework/services/HfcResourceFile.h"
#include "framework/services/ServiceSlots.h"
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Settings = std::vector<std::pair<ParameterAddress, std::int32_t>>;  // raw values, in order

constexpr ParameterAddress kFx1Type{6, 1, 0};

ParameterAddress Slot(std::uint32_t slot)
{
    return {6, 4 + slot, 0};
}

// Shows any key with any minimum, for the formats no table row uses.
class KeyedAccessor : public CQ3917ProgramAccessor
{
public:
    const char* GetValueTypeKey(const CVpProgramData*, const ParameterAddress&) const override { return m_key; }
    std::int32_t GetMinimum(const CVpProgramData*, const ParameterAddress&) const override { return m_minimum; }

    const char* m_key = "Value";
    std::int32_t m_minimum = 0;
};

class ProgramValueText : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        s_table = std::make_unique<CEfStringTable>();
        CHfcResourceFile file;
        ASSERT_TRUE(file.OpenResource("STR", "Q3917StringTable.txt", 0));
        ASSERT_TRUE(s_table->LoadFromFile(file));
    }
    static void TearDownTestSuite() { s_table.reset(); }

    void SetUp() override
    {
        SetStringTable(s_table.get());
        m_program.Clear();
        m_program.ResetOscControlMemory();
    }
    void TearDown() override { SetStringTable(nullptr); }

    std::string Text(const CVpProgramAccessor& accessor, const ParameterAddress& address, std::int32_t value,
                     int size = 64)
    {
        std::vector<char> buffer(static_cast<std::size_t>(size) + 1, '#');
        accessor.ValueToText(&m_program, address, value, buffer.data(), size);
        return buffer.data();
    }

    void Apply(const Settings& settings)
    {
        m_program.Clear();
        for (const auto& [address, value] : settings)
            m_accessor.SetRawValue(&m_program, address, value);
    }

    static inline std::unique_ptr<CEfStringTable> s_table;
    CQ3917ProgramAccessor m_accessor;
    CQ3917ProgramData m_program;
};

TEST_F(ProgramValueText, EveryFormatOfTheTables)
{
    struct Case
    {
        const char* key;
        Settings settings;
        ParameterAddress address;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {"Value unsigned", {}, {2, 30, 0}, 0, "0"},
        {"Value unsigned", {}, {2, 30, 0}, 127, "127"},
        {"Value signed", {}, {2, 16, 0}, 0, "+0"},
        {"Value signed", {}, {2, 16, 0}, -5, "-5"},
        {"Value signed", {}, {2, 16, 0}, 12, "+12"},
        {"Value signed by the current range", {{{2, 19, 0}, 7}}, {2, 22, 0}, 0, "+0"},
        {"Value unsigned by the current range", {}, {2, 22, 0}, 0, "0"},
        {"Value of BPM", {}, {7, 0, 0}, 120, "120"},
        {"PanValue", {}, {2, 52, 0}, 1, "L63"},
        {"PanValue", {}, {2, 52, 0}, 64, "CNT"},
        {"PanValue", {}, {2, 52, 0}, 127, "R63"},
        {"PercentValue", {}, {8, 5, 0}, 50, "50%"},
        {"FxWetDry", {{kFx1Type, 2}}, Slot(0), 0, "Dry"},
        {"FxWetDry", {{kFx1Type, 2}}, Slot(0), 100, "Wet"},
        {"FxWetDry", {{kFx1Type, 2}}, Slot(0), 30, "70:30"},
        {"FxLfoSpread", {{kFx1Type, 8}}, Slot(17), 9, "+90\t"},
        {"FxLfoSpread", {{kFx1Type, 8}}, Slot(17), -18, "-180\t"},
        {"FxLfoSpread", {{kFx1Type, 8}}, Slot(17), 0, "+0\t"},
        {"FxFineValue", {{kFx1Type, 16}}, Slot(4), 25, "+50 cent"},
        {"FxFineValue", {{kFx1Type, 16}}, Slot(4), 0, "0 cent"},
        {"FxFineValue", {{kFx1Type, 16}}, Slot(4), -50, "-100 cent"},
        {"FxdBValue", {{kFx1Type, 3}}, Slot(5), -36, "-18.0dB"},
        {"FxdBValue", {{kFx1Type, 3}}, Slot(5), 0, "+0.0dB"},
        {"FxdBValue", {{kFx1Type, 3}}, Slot(5), 7, "+3.5dB"},
        {"FxEqQ", {{kFx1Type, 3}}, Slot(4), 15, "2.0"},
        {"FxEqQ", {{kFx1Type, 3}}, Slot(4), 0, "0.5"},
        {"FxEqQ", {{kFx1Type, 3}}, Slot(4), 95, "10.0"},
        {"ArpSwing", {}, {8, 6, 0}, -50, "-100%"},
        {"ArpSwing", {}, {8, 6, 0}, 0, "+0%"},
        {"ArpSwing", {}, {8, 6, 0}, 25, "+50%"},
        {"LfoInitPhase", {{kFx1Type, 2}}, Slot(14), 9, "90\t"},
        {"LfoInitPhase", {{kFx1Type, 2}}, Slot(14), 0, "0\t"},
        {"KnobAssign free", {}, {1, 22, 0}, 27, "LFO 1 Frequency"},
        {"KnobAssign synchronised", {{{2, 82, 0}, 1}}, {1, 22, 0}, 27, "LFO 1 Sync Note"},
        {"KnobAssign LFO 2 synchronised", {{{2, 89, 0}, 1}}, {1, 25, 0}, 28, "LFO 2 Sync Note"},
        {"KnobAssign the other LFO synchronised", {{{2, 89, 0}, 1}}, {1, 22, 0}, 27, "LFO 1 Frequency"},
        {"KnobAssign of timbre 2", {{{2, 82, 1}, 1}}, {1, 22, 1}, 27, "LFO 1 Sync Note"},
        {"KnobAssign timbre 1 synchronised only", {{{2, 82, 0}, 1}}, {1, 22, 1}, 27, "LFO 1 Frequency"},
        {"KnobAssign other knob", {}, {1, 22, 0}, 1, "Portamento"},
        {"VpmHarmonics", {{{2, 21, 0}, 3}}, {2, 23, 0}, 0, "1"},
        {"VpmHarmonics", {{{2, 21, 0}, 3}}, {2, 23, 0}, 31, "32"},
        {"NoiseFltBalance", {{{2, 19, 0}, 5}}, {2, 23, 0}, -63, "LPF63"},
        {"NoiseFltBalance", {{{2, 19, 0}, 5}}, {2, 23, 0}, 0, "CNT"},
        {"NoiseFltBalance", {{{2, 19, 0}, 5}}, {2, 23, 0}, 63, "HPF63"},
        {"list", {}, {0, 35, 0}, 3, "Multi"},
        {"list", {}, {0, 53, 0}, 3, "Strings/Pad"},
        {"list", {}, {2, 19, 0}, 7, "Audio In"},
        {"list", {}, {1, 16, 0}, 1, "2 Voice"},
        {"list of an effect slot", {{kFx1Type, 2}}, Slot(10), 13, "1/16"},
        {"list without the row", {}, {1, 16, 0}, 9, "9"},
        {"key that names no list", {}, {2, 59, 0}, 2, "2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " " << c.value);
        Apply(c.settings);
        EXPECT_EQ(Text(m_accessor, c.address, c.value), c.text);
    }
}

TEST_F(ProgramValueText, ListsOfSignedParametersCountFromTheMinimum)
{
    struct Case
    {
        ParameterAddress address;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {{0, 49, 0}, -12, "C -"},    {{0, 49, 0}, 0, "C"},
        {{0, 49, 0}, 12, "C +"},     {{0, 46, 0}, -8, "8 Octave (Reverse)"},
        {{0, 46, 0}, 8, "8 Octave"}, {{4, 49, 1}, -30, "-15.0dB"},
        {{4, 49, 1}, 30, "+15.0dB"}, {{2, 18, 0}, 0, "+0cent"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(Text(m_accessor, c.address, c.value), c.text);
    }

    // Without the keyword table the index stands in for the text.
    SetStringTable(nullptr);
    EXPECT_EQ(Text(m_accessor, {0, 49, 0}, -12), "0");
    EXPECT_EQ(Text(m_accessor, {0, 35, 0}, 3), "3");
    EXPECT_EQ(Text(m_accessor, {1, 22, 0}, 27), "27");
}

TEST_F(ProgramValueText, FormatsNoTableUses)
{
    struct Case
    {
        const char* key;
        std::int32_t minimum;
        std::int32_t value;
        const char* text;
    };
    const Case cases[] = {
        {"Bpm", 200, 1205, "120.5"},      {"FxGainAdjust", -41, -41, "-Inf"}, {"FxGainAdjust", -41, -40, "-40dB"},
        {"FxGainAdjust", -41, 0, "0dB"},  {"FxGainAdjust", -41, 6, "+6dB"},   {"FxRotorBalance", 0, 0, "Stop"},
        {"FxRotorBalance", 0, 1, "0.50"}, {"FxRotorBalance", 0, 26, "1.00"},  {"FxRotorRatio", 0, 0, "Rotor"},
        {"FxRotorRatio", 0, 100, "Horn"}, {"FxRotorRatio", 0, 30, "30:70"},   {"FxVoiceCtrl", -63, -63, "Bottom"},
        {"FxVoiceCtrl", -63, 63, "Top"},  {"FxVoiceCtrl", -63, 0, "Center"},  {"FxVoiceCtrl", -63, 5, "+5"},
        {"FxVoiceCtrl", -63, -5, "-5"},   {"KHzValue", 0, 12, "12KHz"},       {"NoSuchList", -10, -3, "7"},
        {"NoSuchList", 0, 5, "5"},        {"ValueButLonger", 0, 5, "5"},
    };
    KeyedAccessor accessor;
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.key << " " << c.value);
        accessor.m_key = c.key;
        accessor.m_minimum = c.minimum;
        EXPECT_EQ(Text(accessor, {2, 30, 0}, c.value), c.text);
    }
}

TEST_F(ProgramValueText, TextsStayInsideTheBuffer)
{
    EXPECT_EQ(Text(m_accessor, {1, 22, 0}, 27, 4), "LFO");
    EXPECT_EQ(Text(m_accessor, {2, 30, 0}, 127, 1), "");
    Apply({{kFx1Type, 2}});
    EXPECT_EQ(Text(m_accessor, Slot(14), 9, 3), "90");
    EXPECT_EQ(Text(m_accessor, Slot(14), 9, 4), "90\t");

    char untouched[4] = "abc";
    m_accessor.ValueToText(&m_program, {2, 30, 0}, 5, untouched, 0);
    m_accessor.ValueToText(&m_program, {2, 30, 0}, 5, nullptr, 8);
    EXPECT_STREQ(untouched, "abc");
}

TEST_F(ProgramValueText, CurrentValueText)
{
    char text[16];
    m_accessor.SetValue(&m_program, {2, 52, 0}, 70);
    m_accessor.GetValueText(&m_program, {2, 52, 0}, text, sizeof text);
    EXPECT_STREQ(text, "R6");
}

}  // namespace
