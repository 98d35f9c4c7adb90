// The synth page's layout: its 99 controls, and how lamps, labels,
// envelope curves, LFO graphs and the PCM arrows follow the program.
#include "timbre_edit_fixture.h"

#include "app/SkinTable.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomGraphs.h"
#include "app/controls/CustomSwitches.h"
#include "editor/layout/Layouts.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"
#include "support/ReferencePng.h"

#include <map>

namespace editor_test {
namespace {

constexpr std::uint32_t kCommon = 1;
constexpr std::uint32_t kSynth = 2;

int TypeOf(layout::Kind kind)
{
    switch (kind) {
    case layout::Kind::BitmapList: return CCustomControl::kBitmapList;
    case layout::Kind::EditText: return CCustomControl::kEditText;
    case layout::Kind::Switch: return CCustomControl::kSwitch;
    case layout::Kind::Knob: return CCustomControl::kKnob;
    case layout::Kind::Led: return CCustomControl::kLed;
    case layout::Kind::EnvelopeGraph: return CCustomControl::kEnvelopeCurve;
    case layout::Kind::LfoGraph: return CCustomControl::kLfoGraph;
    case layout::Kind::Button: return CCustomControl::kButton;
    default: return -1;
    }
}

TEST_F(TimbreEditTest, TheNinetyNineControlsStandWhereTheLayoutPutsThemInCreationOrder)
{
    Open(1);
    const layout::Window page = layout::SynthEditLayout();
    ASSERT_EQ(page.controls.size(), 99u);
    ASSERT_EQ(Page().GetControls().size(), 99u);
    for (const layout::Control& row : page.controls) {
        CHfcControl& control = Control(row.id);
        EXPECT_EQ(control.GetId(), static_cast<std::uint32_t>(row.id));
        EXPECT_EQ(Binding(row.id).GetControlType(), TypeOf(row.kind)) << row.id;
        EXPECT_EQ(control.GetRect().left, row.x) << row.id;
        EXPECT_EQ(control.GetRect().top, row.y) << row.id;
    }
    // The classes in creation order: strips, fields, switches, knobs,
    // LEDs, curves, graphs and buttons.
    const std::pair<int, int> runs[] = {{0, CCustomControl::kBitmapList}, {5, CCustomControl::kEditText},
                                        {47, CCustomControl::kSwitch},    {49, CCustomControl::kKnob},
                                        {85, CCustomControl::kLed},       {91, CCustomControl::kEnvelopeCurve},
                                        {94, CCustomControl::kLfoGraph},  {96, CCustomControl::kButton}};
    for (std::size_t r = 0; r < std::size(runs); ++r) {
        const int end = r + 1 < std::size(runs) ? runs[r + 1].first : 99;
        for (int id = runs[r].first; id < end; ++id)
            EXPECT_EQ(Binding(id).GetControlType(), runs[r].second) << id;
    }
}

TEST_F(TimbreEditTest, KnobsAskForAValueBoxWithTheirColumnWordAndNothingElseDoes)
{
    Open(0);
    const std::map<int, int> words = {{52, 7}, {53, 7}, {54, 7}, {78, 4}, {79, 7}};
    for (int id = 0; id < 99; ++id) {
        ParameterReference reference{};
        Binding(id).GetParameter(reference);
        const bool knob = id >= 49 && id <= 84;
        EXPECT_EQ(reference.showValue, knob ? 1 : 0) << id;
        const auto word = words.find(id);
        EXPECT_EQ(reference.valuePlacement, word != words.end() ? word->second : 0) << id;
    }
    struct Expected
    {
        int id;
        ParameterAddress address;
    } samples[] = {
        {0, {kSynth, 19, 0}},   {2, {kSynth, 33, 0}},  {6, {kSynth, 24, 0}},   {27, {kCommon, 16, 0}},
        {30, {kCommon, 19, 0}}, {47, {kSynth, 82, 0}}, {49, {kCommon, 17, 0}}, {84, {kSynth, 109, 0}},
        {90, {kSynth, 27, 0}},  {93, {kSynth, 71, 0}}, {95, {kSynth, 88, 0}},  {96, {0, 0, 0}},
    };
    for (const Expected& e : samples) {
        ParameterReference reference{};
        EXPECT_EQ(Binding(e.id).GetParameter(reference).address, e.address) << e.id;
    }
}

TEST_F(TimbreEditTest, FieldsTakeTheirWidthInCharactersAndTheParametersRange)
{
    Open(0);
    struct Expected
    {
        int id, characters, minimum, maximum;
    } fields[] = {{5, 8, 0, 7},    {6, 9, 0, 84},   {8, 8, -48, 48},  {9, 5, 0, 2},   {10, 16, 0, 1},
                  {17, 25, 0, 12}, {22, 25, 0, 39}, {30, 8, -12, 12}, {31, 17, 0, 3}, {36, 3, -63, 63}};
    for (const Expected& f : fields) {
        auto* field = dynamic_cast<CCustomEditText*>(&Control(f.id));
        ASSERT_NE(field, nullptr) << f.id;
        EXPECT_EQ(field->GetCustomDescriptor().characters, f.characters) << f.id;
        EXPECT_EQ(Binding(f.id).GetMin(), f.minimum) << f.id;
        EXPECT_EQ(Binding(f.id).GetMax(), f.maximum) << f.id;
    }
    EXPECT_EQ(Binding(52).GetMin(), -50);
    EXPECT_EQ(Binding(52).GetMax(), 50);
}

TEST_F(TimbreEditTest, TheLedGroupWordTellsTheOscOneLampsFromTheOscTwoLamps)
{
    Open(0);
    struct Expected
    {
        int id, set, value;
    } lamps[] = {{85, 0, 0}, {86, 0, 1}, {87, 0, 2}, {88, 0, 3}, {89, 1, 0}, {90, 1, 1}};
    for (const Expected& lamp : lamps) {
        auto* led = dynamic_cast<CCustomLed*>(&Control(lamp.id));
        ASSERT_NE(led, nullptr) << lamp.id;
        EXPECT_EQ(led->GetDescriptor().group, lamp.set) << lamp.id;
        EXPECT_EQ(led->GetDescriptor().pressedValue, lamp.value) << lamp.id;
    }
}

TEST_F(TimbreEditTest, OscOneLabelsShowCrossUnisonAndVpmOnlyForTheFourClassicWaves)
{
    Open(0);
    struct Case
    {
        std::int32_t wave, modulation;
        int frame;
        bool modulationLampsEnabled;
    } cases[] = {
        {0, 0, 0, true},  {1, 3, 10, true}, {3, 1, 8, true},  {2, 2, 9, true},
        {4, 0, 4, false}, {5, 0, 5, false}, {7, 0, 7, false},
    };
    for (const Case& c : cases) {
        Set(kSynth, 19, c.wave);
        Set(kSynth, 21, c.modulation);
        ASSERT_EQ(Value(kSynth, 21), c.modulation);
        for (int strip : {0, 1})
            EXPECT_EQ(Binding(strip).GetValue(), c.frame) << "wave " << c.wave << " mod " << c.modulation;
        for (int lamp = 1; lamp <= 3; ++lamp) {
            CCustomControl& led = Binding(85 + lamp);
            EXPECT_EQ(led.IsEnabled(), c.modulationLampsEnabled) << "wave " << c.wave << " lamp " << lamp;
            EXPECT_EQ(led.GetValue(), c.modulation == lamp ? 1 : 0) << "wave " << c.wave << " lamp " << lamp;
        }
        // The Waveform lamp is the base's: lit for no modulation.
        EXPECT_EQ(Binding(85).GetValue(), c.modulation == 0 ? 1 : 0) << "wave " << c.wave;
        EXPECT_EQ(Binding(85).IsEnabled(), true);
    }
}

TEST_F(TimbreEditTest, TheOscTwoLampsEachShowOneBitOfTheModulation)
{
    Open(0);
    const std::pair<int, int> lit[] = {{0, 0}, {1, 0}, {0, 1}, {1, 1}};  // ring, sync for Off .. Ring+Sync
    for (std::int32_t modulation = 0; modulation < 4; ++modulation) {
        Set(kSynth, 27, modulation);
        EXPECT_EQ(Binding(89).GetValue(), lit[modulation].first) << modulation;
        EXPECT_EQ(Binding(90).GetValue(), lit[modulation].second) << modulation;
    }
}

TEST_F(TimbreEditTest, TheLfoGraphsDrawEachLfosOwnWaves)
{
    Open(1);
    auto& lfo1 = dynamic_cast<CCustomLfoGraph&>(Control(94));
    auto& lfo2 = dynamic_cast<CCustomLfoGraph&>(Control(95));
    struct Case
    {
        std::int32_t wave;
        int lfo1Graph, lfo2Graph, shape;
    } cases[] = {
        {0, CHfcCtrlLfoGraph::kSaw, CHfcCtrlLfoGraph::kSaw, 0},
        {1, CHfcCtrlLfoGraph::kSquare, CHfcCtrlLfoGraph::kUnipolarSquare, 0},
        {2, CHfcCtrlLfoGraph::kTriangle, CHfcCtrlLfoGraph::kSine, 0},
        {3, CHfcCtrlLfoGraph::kSteps, CHfcCtrlLfoGraph::kSteps, 0},
        {4, CHfcCtrlLfoGraph::kSteps, CHfcCtrlLfoGraph::kSteps, 64},
        {0, CHfcCtrlLfoGraph::kSaw, CHfcCtrlLfoGraph::kSaw, 0},
    };
    for (const Case& c : cases) {
        Set(kSynth, 79, c.wave);
        Set(kSynth, 86, c.wave);
        EXPECT_EQ(lfo1.GetWaveform(), c.lfo1Graph) << c.wave;
        EXPECT_EQ(lfo2.GetWaveform(), c.lfo2Graph) << c.wave;
        EXPECT_EQ(lfo1.GetShapeValue(), c.shape) << c.wave;
        EXPECT_EQ(lfo2.GetShapeValue(), c.shape) << c.wave;
        EXPECT_FLOAT_EQ(lfo1.GetShape(), static_cast<float>(c.shape / 63.0)) << c.wave;
        EXPECT_FALSE(lfo1.GetPoints().empty());
    }
}

TEST_F(TimbreEditTest, WithBpmSyncTheGraphSpeedComesFromTheSyncNote)
{
    Open(0);
    auto& lfo1 = dynamic_cast<CCustomLfoGraph&>(Control(94));
    auto& lfo2 = dynamic_cast<CCustomLfoGraph&>(Control(95));
    Set(kSynth, 81, 100);
    Set(kSynth, 88, 20);
    Set(kSynth, 85, 8);
    Set(kSynth, 92, 5);
    EXPECT_EQ(lfo1.GetRateValue(), 100) << "the frequency while not synchronised";
    EXPECT_EQ(lfo2.GetRateValue(), 20);
    Set(kSynth, 82, 1);
    EXPECT_EQ(lfo1.GetRateValue(), 32) << "8 x 64 / 16";
    EXPECT_EQ(lfo2.GetRateValue(), 20) << "LFO 2 keeps its own";
    Set(kSynth, 89, 1);
    EXPECT_EQ(lfo2.GetRateValue(), 20) << "5 x 64 / 16 = 20 as well";
    Set(kSynth, 92, 7);
    EXPECT_EQ(lfo2.GetRateValue(), 28);
    Set(kSynth, 85, 16);
    EXPECT_EQ(lfo1.GetRateValue(), 64);
    EXPECT_FLOAT_EQ(lfo1.GetRate(), static_cast<float>((0.3 + 19.7 * 64 / 127.0) / 137.0));
}

TEST_F(TimbreEditTest, EachEnvelopeCurveDrawsItsOwnEnvelope)
{
    Open(1);
    const std::uint32_t firstRows[] = {55, 63, 71};
    for (std::uint32_t e = 0; e < 3; ++e) {
        const std::uint32_t row = firstRows[e];
        Set(kSynth, row, 10 + static_cast<int>(e));
        Set(kSynth, row + 1, 20 + static_cast<int>(e));
        Set(kSynth, row + 2, 30 + static_cast<int>(e));
        Set(kSynth, row + 3, 40 + static_cast<int>(e));
    }
    for (int e = 0; e < 3; ++e) {
        auto& curve = dynamic_cast<CCustomEnvelopeCurve&>(Control(91 + e));
        ASSERT_EQ(curve.GetPointCount(), 5);
        SHfcEnvelopePoint point{};
        const int expected[5][2] = {{0, 0}, {127, 10 + e}, {30 + e, 20 + e}, {30 + e, 127}, {0, 40 + e}};
        for (int p = 0; p < 5; ++p) {
            ASSERT_TRUE(curve.GetPoint(p, point));
            EXPECT_EQ(point.level, expected[p][0]) << "curve " << e << " point " << p;
            EXPECT_EQ(point.time, expected[p][1]) << "curve " << e << " point " << p;
        }
    }
}

TEST_F(TimbreEditTest, ThePcmArrowsAreEnabledOnlyWhileThePcmWaveIs)
{
    Open(0);
    for (std::int32_t wave = 0; wave < 8; ++wave) {
        Set(kSynth, 19, wave);
        const bool pcm = wave == 6;
        EXPECT_EQ(Binding(97).IsEnabled(), pcm) << wave;
        EXPECT_EQ(Binding(98).IsEnabled(), pcm) << wave;
        EXPECT_EQ(Binding(6).IsEnabled(), pcm) << "the PCM field itself, " << wave;
    }
}

TEST_F(TimbreEditTest, LooksRightInEveryTheme)
{
    for (int theme = 0; theme < 3; ++theme) {
        SetColourTheme(theme);
        Open(0);
        Set(kSynth, 19, 1);
        Set(kSynth, 21, 2);
        Set(kSynth, 79, 2);
        Set(kSynth, 86, 2);
        window->OnMMTimer(nullptr);
        Pump();
        CHfcWindowLayer& page = Page();
        EXPECT_TRUE(MatchesReferencePng("editor/reference", "timbre_synth_theme" + std::to_string(theme),
                                        page.GetWidth(), page.GetHeight(),
                                        [&](int x, int y) { return Pixel(page, x, y); }));
        window->Destroy();
        Pump();
    }
    SetColourTheme(0);
}

}  // namespace
}  // namespace editor_test
