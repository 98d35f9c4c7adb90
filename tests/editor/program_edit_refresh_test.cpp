// How the program page follows the program: graphs, gated controls, the
// name and the knob-display lines.
#include "program_edit_fixture.h"

#include "app/WindowEvents.h"
#include "app/graphs/CustomEqGraph.h"
#include "app/graphs/QBCtrlFilterGraph.h"
#include "editor/MasterFxKnobAssignTable.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>

#include <string>

namespace editor_test {
namespace {

std::string Shown(CCustomControl& binding)
{
    char text[64] = {};
    binding.GetText(text, sizeof text);
    return text;
}

class ProgramEditRefreshTest : public ProgramEditTest
{
protected:
    // Event 7 for this window's program, as the edit base hears it.
    void Changed()
    {
        shell->windowManager.PostMessageToAll(kEventProgramDataChanged, kProgram, -1, 5, -1, nullptr);
        Pump();
    }
    std::string ValueText(std::uint32_t group, std::uint32_t index)
    {
        char text[64] = {};
        CQ3917ProgramAccessor::PeekInstance()->GetValueText(&Program(), ParameterAddress{group, index, 0}, text,
                                                            sizeof text);
        return text;
    }
};

TEST_F(ProgramEditRefreshTest, AnEqGraphIsRedrawnOnlyWhenOneOfItsFourValuesChanged)
{
    for (std::uint32_t timbre : {0u, 1u}) {
        SetValue(4, 48, 3, timbre);
        SetValue(4, 49, 10, timbre);
        SetValue(4, 50, 5, timbre);
        SetValue(4, 51, -6, timbre);
    }
    EXPECT_EQ(CProgramEditLayer::kEqNotDrawn, 255);
    OpenWindow();
    const std::array<int, 4> drawn{3, 10, 5, -6};
    EXPECT_EQ(Page().GetEqCache(0), drawn);
    EXPECT_EQ(Page().GetEqCache(1), drawn);
    auto& graph = dynamic_cast<CCustomEqGraph&>(Control(47));
    const float lowGain = graph.GetBands()[0].gain;
    EXPECT_NE(lowGain, 0.0f);

    // Something else changed: the graph is left as it is.
    CustomEqGraphRecord poke{CustomEqGraphRecord::kGain, 0, {1.5f}};
    graph.SetData(&poke, false);
    SetValue(2, 36, 20);
    Changed();
    EXPECT_EQ(graph.GetBands()[0].gain, 1.5f);

    SetValue(4, 49, -10);
    Changed();
    EXPECT_EQ(graph.GetBands()[0].gain, -lowGain);
    EXPECT_EQ(Page().GetEqCache(0), (std::array<int, 4>{3, -10, 5, -6}));
    EXPECT_EQ(Page().GetEqCache(1), drawn) << "the other timbre's graph is its own";
}

TEST_F(ProgramEditRefreshTest, FilterGraphsShowTheirModelsParametersAndTimbreTwoFollowsTheVoiceMode)
{
    for (std::uint32_t timbre : {0u, 1u}) {
        SetValue(2, 35, 40 + static_cast<int>(timbre), timbre);
        SetValue(2, 36, 70, timbre);
        SetValue(2, 37, 90, timbre);
        SetValue(2, 41, 1 + static_cast<int>(timbre), timbre);
        SetValue(2, 42, 50, timbre);
        SetValue(2, 43, 60, timbre);
    }
    SetValue(0, 35, 0);
    OpenWindow();
    auto graph = [&](int id) -> CQBCtrlFilterGraph& { return dynamic_cast<CQBCtrlFilterGraph&>(Control(id)); };
    EXPECT_EQ(graph(49).GetFilterType(), 40) << "model A: the filter 1 balance";
    EXPECT_EQ(graph(50).GetFilterType(), 41);
    EXPECT_EQ(graph(51).GetFilterType(), 1) << "model B: the filter 2 type";
    EXPECT_EQ(graph(52).GetFilterType(), 2);
    for (int id : {49, 51})
        EXPECT_TRUE(Binding(id).IsEnabled());
    for (int id : {50, 52, 48})
        EXPECT_FALSE(Binding(id).IsEnabled()) << id << " with timbre 2 unused";

    // Each graph moves with its own cutoff.
    const POINT a = graph(49).GetHandlePosition(0);
    const POINT b = graph(51).GetHandlePosition(0);
    SetValue(2, 36, 20);
    SetValue(0, 35, 1);
    Changed();
    EXPECT_NE(graph(49).GetHandlePosition(0).x, a.x);
    EXPECT_EQ(graph(51).GetHandlePosition(0).x, b.x);
    SetValue(2, 42, 120);
    Changed();
    EXPECT_NE(graph(51).GetHandlePosition(0).x, b.x);
    for (int id : {50, 52, 48})
        EXPECT_TRUE(Binding(id).IsEnabled()) << id;
}

TEST_F(ProgramEditRefreshTest, TimbreTwoButtonsFollowTheVoiceModeAndTheVocoderButtonItsSwitch)
{
    struct Case
    {
        int voiceMode, vocoder;
        bool timbre2, vocoderButton;
    };
    OpenWindow();
    for (const Case& c :
         {Case{0, 0, false, false}, Case{1, 0, true, false}, Case{3, 1, true, true}, Case{0, 1, false, true}}) {
        SetValue(0, 35, c.voiceMode);
        SetValue(5, 0, c.vocoder);
        Changed();
        EXPECT_EQ(Binding(2).IsEnabled(), c.timbre2) << c.voiceMode;
        EXPECT_EQ(Binding(3).IsEnabled(), c.timbre2) << c.voiceMode;
        EXPECT_EQ(Binding(5).IsEnabled(), c.vocoderButton) << c.vocoder;
        EXPECT_TRUE(Binding(0).IsEnabled());
        EXPECT_TRUE(Binding(6).IsEnabled());
    }
}

TEST_F(ProgramEditRefreshTest, TheNameFieldAndTheKnobDisplayLinesShowTheProgram)
{
    SetValue(8, 1, 2);
    SetValue(5, 6, 1);
    OpenWindow();
    EXPECT_EQ(Shown(Binding(16)), "Lead    ");
    EXPECT_EQ(Shown(Binding(53)), ValueText(8, 1));
    EXPECT_NE(Shown(Binding(53)), "");
    EXPECT_EQ(Shown(Binding(55)), ValueText(5, 6));
    EXPECT_EQ(Shown(Binding(56)), "");

    struct Case
    {
        int latch, keySync;
        const char* line;
    };
    for (const Case& c : {Case{1, 1, "[Latch]  [KeySync]"}, Case{0, 1, "         [KeySync]"}, Case{1, 0, "[Latch]"},
                          Case{0, 0, "       "}}) {
        SetValue(8, 2, c.latch);
        SetValue(7, 2, c.keySync);
        Changed();
        EXPECT_EQ(Shown(Binding(54)), c.line);
    }

    // The effects' lines name the ribbon's assignment while an effect is on.
    EXPECT_EQ(Shown(Binding(57)), "");
    SetValue(6, 1, 3);
    SetValue(6, 2, 1);
    SetValue(6, 25, 0);
    SetValue(6, 26, 1);
    Changed();
    const CMasterFxKnobAssignTable effect1(&Program(), 0);
    EXPECT_EQ(Shown(Binding(57)), "[" + effect1.GetAssignText(1) + "]");
    EXPECT_NE(effect1.GetAssignText(1), "");
    EXPECT_EQ(Shown(Binding(58)), "") << "effect 2 is off";

    SetProgramRecordName(Program(), "Bells");
    Changed();
    EXPECT_EQ(Shown(Binding(16)), "Bells   ");
}

}  // namespace
}  // namespace editor_test
