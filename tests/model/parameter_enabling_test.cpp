// Which parameters an editor shows as active, and which effect slots are
// available, for the settings they depend on.
#include "model/Q3917ProgramAccessor.h"
#include "model/Q3917ProgramData.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Settings = std::vector<std::pair<ParameterAddress, std::int32_t>>;  // raw values, in order

struct Case
{
    const char* what;
    Settings settings;
    ParameterAddress address;
    bool expected;
};

constexpr ParameterAddress kVoiceMode{0, 35, 0};
constexpr ParameterAddress kFx1Type{6, 1, 0};
constexpr ParameterAddress kFx2Type{6, 25, 0};

ParameterAddress Synth(std::uint32_t index, std::uint32_t timbre = 0)
{
    return {2, index, timbre};
}

ParameterAddress Slot(std::uint32_t slot)
{
    return {6, 4 + slot, 0};
}

ParameterAddress Slot2(std::uint32_t slot)
{
    return {6, 28 + slot, 0};
}

class ParameterEnabling : public testing::Test
{
protected:
    bool Ask(const Case& c,
             bool (CQ3917ProgramAccessor::*question)(const CVpProgramData*, const ParameterAddress&) const)
    {
        CQ3917ProgramData program;
        program.Clear();
        // Both timbres exist unless a case says otherwise.
        m_accessor.SetRawValue(&program, kVoiceMode, 1);
        for (const auto& [address, value] : c.settings)
            m_accessor.SetRawValue(&program, address, value);
        return (m_accessor.*question)(&program, c.address);
    }

    CQ3917ProgramAccessor m_accessor;
};

TEST_F(ParameterEnabling, ProgramRows)
{
    const Case cases[] = {
        {"timbre 2 channel in multi mode", {{kVoiceMode, 3}}, {0, 41, 0}, true},
        {"timbre 2 channel in split mode", {{kVoiceMode, 2}}, {0, 41, 0}, false},
        {"split key in split mode", {{kVoiceMode, 2}}, {0, 42, 0}, true},
        {"split key in layer mode", {}, {0, 42, 0}, false},
        {"ribbon scale type with the scale on", {{{0, 48, 0}, 1}}, {0, 45, 0}, true},
        {"ribbon scale type with the scale off", {}, {0, 45, 0}, false},
        {"ribbon scale key with the scale off", {}, {0, 49, 0}, false},
        {"ribbon pitch range does not follow the scale", {}, {0, 47, 0}, true},
        {"unison detune without unison", {}, {1, 17, 0}, false},
        {"unison spread with two voices", {{{1, 16, 0}, 1}}, {1, 18, 0}, true},
        {"control 1 with a PCM wave", {{Synth(19), 6}}, Synth(22), false},
        {"control 1 with audio in", {{Synth(19), 7}}, Synth(22), true},
        {"control 2 with audio in", {{Synth(19), 7}}, Synth(23), false},
        {"control 2 with noise", {{Synth(19), 5}}, Synth(23), true},
        {"PCM wave with a PCM wave", {{Synth(19), 6}}, Synth(24), true},
        {"PCM wave with a saw", {}, Synth(24), false},
        {"filter 2 type in single routing", {}, Synth(41), false},
        {"filter 2 velocity in serial routing", {{Synth(33), 1}}, Synth(46), true},
        {"filter 2 level is not filter 2", {}, Synth(47), true},
        {"drive depth without a type", {}, Synth(51), false},
        {"drive position with a type", {{Synth(50), 3}}, Synth(48), true},
        {"LFO 1 frequency free", {}, Synth(81), true},
        {"LFO 1 frequency synchronised", {{Synth(82), 1}}, Synth(81), false},
        {"LFO 1 sync note free", {}, Synth(85), false},
        {"LFO 1 sync note synchronised", {{Synth(82), 1}}, Synth(85), true},
        {"LFO 1 init phase without key sync", {}, Synth(84), false},
        {"LFO 2 init phase with key sync", {{Synth(90), 2}}, Synth(91), true},
        {"LFO 2 frequency synchronised", {{Synth(89), 1}}, Synth(88), false},
        {"LFO 2 sync note synchronised", {{Synth(89), 1}}, Synth(92), true},
        {"rules read the same timbre", {{Synth(33, 0), 1}}, Synth(42, 1), false},
        {"timbre 2 in its own routing", {{Synth(33, 1), 1}}, Synth(42, 1), true},
        {"timbre 2 of a single program", {{kVoiceMode, 0}}, Synth(36, 1), false},
        {"timbre 1 of a single program", {{kVoiceMode, 0}}, Synth(36, 0), true},
        {"timbre 2 common of a single program", {{kVoiceMode, 0}}, {1, 19, 1}, false},
        {"timbre 2 EQ of a single program", {{kVoiceMode, 0}}, {4, 48, 1}, false},
        {"timbre 2 EQ of a layer program", {}, {4, 48, 1}, true},
        {"third timbre", {}, {1, 19, 2}, false},
        {"modulation sequencer", {}, {3, 0, 0}, false},
        {"insert effect", {}, {4, 1, 0}, false},
        {"hold data with full sensitivity", {{{5, 19, 0}, 127}}, {5, 53, 0}, true},
        {"hold data below full sensitivity", {{{5, 19, 0}, 126}}, {5, 68, 0}, false},
        {"vocoder level", {}, {5, 13, 0}, true},
        {"BPM", {}, {7, 0, 0}, true},
        {"step sequencer link", {}, {7, 3, 0}, false},
        {"step 1 with one step", {}, {8, 9, 0}, true},
        {"step 2 with one step", {}, {8, 10, 0}, false},
        {"step 8 with eight steps", {{{8, 4, 0}, 7}}, {8, 16, 0}, true},
        {"step 9 switch", {{{8, 4, 0}, 7}}, {8, 17, 0}, false},
        {"arpeggiator gate time", {}, {8, 5, 0}, true},
        {"reserved group", {}, {9, 0, 0}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ask(c, &CQ3917ProgramAccessor::IsEnabled), c.expected) << c.what;
}

TEST_F(ParameterEnabling, EffectRows)
{
    const Case cases[] = {
        {"slot of an effect that is off", {}, Slot(0), false},
        {"type of an effect that is off", {}, kFx1Type, true},
        {"second type of an effect that is off", {}, kFx2Type, true},
        {"ribbon of an effect that is off", {}, {6, 2, 0}, false},
        {"filter LFO frequency free", {{kFx1Type, 2}}, Slot(9), true},
        {"filter LFO frequency synchronised", {{kFx1Type, 2}, {Slot(8), 1}}, Slot(9), false},
        {"filter sync note synchronised", {{kFx1Type, 2}, {Slot(8), 1}}, Slot(10), true},
        {"filter sync note free", {{kFx1Type, 2}}, Slot(10), false},
        {"filter LFO wave with the LFO as source", {{kFx1Type, 2}}, Slot(11), true},
        {"filter LFO wave with the control source", {{kFx1Type, 2}, {Slot(5), 1}}, Slot(11), false},
        {"filter control source with the control", {{kFx1Type, 2}, {Slot(5), 1}}, Slot(15), true},
        {"filter control source with the LFO", {{kFx1Type, 2}}, Slot(15), false},
        {"filter sync note stays off once the LFO rule says so", {{kFx1Type, 2}, {Slot(5), 0}}, Slot(10), false},
        {"filter init phase without key sync", {{kFx1Type, 2}}, Slot(14), false},
        {"key sync overrides the mod source", {{kFx1Type, 2}, {Slot(5), 1}, {Slot(13), 1}}, Slot(14), true},
        {"delay free time free", {{kFx1Type, 6}, {Slot(2), 0}}, Slot(4), true},
        {"delay free time synchronised", {{kFx1Type, 6}, {Slot(2), 1}}, Slot(5), false},
        {"delay synchronised time synchronised", {{kFx1Type, 6}, {Slot(2), 1}}, Slot(8), true},
        {"delay synchronised time free", {{kFx1Type, 6}, {Slot(2), 0}}, Slot(6), false},
        {"delay feedback", {{kFx1Type, 6}}, Slot(9), true},
        {"L/C/R delay C time free", {{kFx1Type, 7}, {Slot(1), 0}}, Slot(4), true},
        {"L/C/R delay R note synchronised", {{kFx1Type, 7}, {Slot(1), 1}}, Slot(9), true},
        {"L/C/R delay R note free", {{kFx1Type, 7}, {Slot(1), 0}}, Slot(9), false},
        {"tape echo tap 2 time synchronised", {{kFx1Type, 10}, {Slot(1), 1}}, Slot(4), false},
        {"grain shifter duration note free", {{kFx1Type, 17}, {Slot(1), 0}}, Slot(5), false},
        {"grain shifter duration free", {{kFx1Type, 17}, {Slot(1), 0}}, Slot(3), true},
        {"EQ band 1 Q on a peak", {{kFx1Type, 3}}, Slot(4), true},
        {"EQ band 1 Q on a shelf", {{kFx1Type, 3}, {Slot(2), 1}}, Slot(4), false},
        {"EQ band 4 Q on a shelf", {{kFx1Type, 3}, {Slot(12), 1}}, Slot(14), false},
        {"ring modulator fixed frequency in fixed mode", {{kFx1Type, 16}}, Slot(2), true},
        {"ring modulator fixed frequency in note mode", {{kFx1Type, 16}, {Slot(1), 1}}, Slot(2), false},
        {"ring modulator note fine in note mode", {{kFx1Type, 16}, {Slot(1), 1}}, Slot(4), true},
        {"ring modulator note offset in fixed mode", {{kFx1Type, 16}}, Slot(3), false},
        {"effect 2 reads its own switch", {{kFx1Type, 2}, {kFx2Type, 2}, {Slot(8), 1}}, Slot2(9), true},
        {"effect 2 synchronised", {{kFx2Type, 2}, {Slot2(8), 1}}, Slot2(9), false},
        {"unknown effect type", {{kFx1Type, 40}}, Slot(0), true},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ask(c, &CQ3917ProgramAccessor::IsEnabled), c.expected) << c.what;
}

TEST_F(ParameterEnabling, EffectAvailability)
{
    const Case cases[] = {
        {"filter LFO frequency free", {{kFx1Type, 2}}, Slot(9), true},
        {"filter LFO frequency synchronised", {{kFx1Type, 2}, {Slot(8), 1}}, Slot(9), false},
        {"filter sync note free", {{kFx1Type, 2}}, Slot(10), false},
        {"filter sync note synchronised", {{kFx1Type, 2}, {Slot(8), 1}}, Slot(10), true},
        {"filter LFO with the control as source", {{kFx1Type, 2}, {Slot(5), 1}}, Slot(9), false},
        {"filter cutoff", {{kFx1Type, 2}}, Slot(2), true},
        {"slot not marked available", {{kFx1Type, 2}}, Slot(1), false},
        {"empty slot", {{kFx1Type, 2}}, Slot(16), false},
        {"delay free time free", {{kFx1Type, 6}, {Slot(2), 0}}, Slot(3), true},
        {"delay free time synchronised", {{kFx1Type, 6}, {Slot(2), 1}}, Slot(3), false},
        {"delay synchronised time synchronised", {{kFx1Type, 6}, {Slot(2), 1}}, Slot(6), true},
        {"delay synchronised time free", {{kFx1Type, 6}, {Slot(2), 0}}, Slot(6), false},
        {"ring modulator fixed frequency in fixed mode", {{kFx1Type, 16}}, Slot(2), true},
        {"ring modulator fixed frequency in note mode", {{kFx1Type, 16}, {Slot(1), 1}}, Slot(2), false},
        {"ring modulator note offset in note mode", {{kFx1Type, 16}, {Slot(1), 1}}, Slot(3), true},
        {"ring modulator note offset in fixed mode", {{kFx1Type, 16}}, Slot(3), false},
        {"effect type row", {{kFx1Type, 2}}, kFx1Type, false},
        {"unknown effect type", {{kFx1Type, 40}}, Slot(0), false},
        {"not an effect", {}, Synth(30), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Ask(c, &CQ3917ProgramAccessor::IsAvailable), c.expected) << c.what;
}

}  // namespace
