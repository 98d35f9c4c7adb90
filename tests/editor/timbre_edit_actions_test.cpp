// What the synth page does with its own controls: the OSC 2 lamps flip one
// bit each, the PCM arrows stop at the ends, Randomize sends the whole
// program, the wave and routing strips offer their values, and an envelope
// drag writes and sends its times and levels.
#include "timbre_edit_fixture.h"

#include "app/controls/CustomGraphs.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"
#include "support/ParameterChangeBytes.h"

#include <gmock/gmock.h>
#include <platform/input.h>
#include <platform/testing.h>

namespace editor_test {
namespace {

namespace input = platform::testing;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr std::uint32_t kSynth = 2;
// Device ids of timbre 2's rows: 0x21 and the row's own byte.
constexpr std::uint32_t kTimbre2 = 0x21;

bool IsParameterChange(const DeviceSimulator::Bytes& message)
{
    return message.size() == 14 && message[6] == 0x41;
}

TEST_F(TimbreEditTest, TheOscTwoLampsFlipTheirOwnBitOfTheModulation)
{
    Open(1);
    Set(kSynth, 27, 1);  // Ring
    Click(Control(90));  // Sync
    EXPECT_EQ(Value(kSynth, 27), 3);
    EXPECT_THAT(TakeEvents(), ElementsAre("7 3 -1 5 -1", "13 90 -1 5 3"));
    Click(Control(89));  // Ring
    EXPECT_EQ(Value(kSynth, 27), 2);
    Click(Control(90));  // Sync
    EXPECT_EQ(Value(kSynth, 27), 0);
    EXPECT_THAT(TakeHeard(3),
                ElementsAre(ParameterChangeBytes(kTimbre2, 0x21, 3), ParameterChangeBytes(kTimbre2, 0x21, 2),
                            ParameterChangeBytes(kTimbre2, 0x21, 0)));
    EXPECT_EQ(std::count(Log().begin(), Log().end(), "library:SetModified 1"), 3);
    EXPECT_EQ(Binding(89).GetValue(), 0);
    EXPECT_EQ(Binding(90).GetValue(), 0);
}

TEST_F(TimbreEditTest, TheOscOneLampsWriteTheirOwnValue)
{
    Open(1);
    Set(kSynth, 19, 0);
    Set(kSynth, 21, 0);
    Click(Control(88));  // VPM
    EXPECT_EQ(Value(kSynth, 21), 3);
    EXPECT_THAT(TakeHeard(1), ElementsAre(ParameterChangeBytes(kTimbre2, 0x18, 3)));
}

TEST_F(TimbreEditTest, ThePcmArrowsStepTheWaveAndStopAtEitherEnd)
{
    Open(1);
    Set(kSynth, 19, 6);  // PCM, which enables the arrows
    struct Case
    {
        std::int32_t from;
        int arrow;
        std::int32_t to;
    } cases[] = {{40, 97, 41}, {40, 98, 39}, {84, 97, 84}, {0, 98, 0}, {83, 97, 84}, {1, 98, 0}};
    std::vector<DeviceSimulator::Bytes> expected;
    for (const Case& c : cases) {
        Set(kSynth, 24, c.from);
        Click(Control(c.arrow));
        EXPECT_EQ(Value(kSynth, 24), c.to) << c.from << " arrow " << c.arrow;
        if (c.to != c.from)
            expected.push_back(ParameterChangeBytes(kTimbre2, 0x1B, c.to));
    }
    EXPECT_EQ(TakeHeard(expected.size()), expected) << "no wrap, and nothing sent at an end";
}

TEST_F(TimbreEditTest, RandomizeRewritesTheTimbreAsShiftSaysAndSendsTheWholeProgramOnly)
{
    // Values the full randomization never leaves: it draws Unison SW from
    // 0 to 2 and the voice assign from Poly (2) and Mono 1 (0). The simple one
    // keeps to the synth rows of its list, which have neither.
    constexpr std::int32_t kUnisonFour = 3;
    constexpr std::int32_t kMono2 = 1;
    for (bool shift : {false, true}) {
        Open(1);
        Set(1, 16, kUnisonFour);
        Set(kSynth, 12, kMono2);
        const CProgram before = (*bank)[kProgram];
        if (shift)
            input::PressKey(VK_SHIFT);
        Pump();
        Click(Control(96));
        if (shift)
            input::ReleaseKey(VK_SHIFT);
        Pump();

        const CProgram& after = (*bank)[kProgram];
        EXPECT_EQ(Value(1, 16) == kUnisonFour, shift) << (shift ? "simple" : "full");
        EXPECT_EQ(Value(kSynth, 12) == kMono2, shift) << (shift ? "simple" : "full");
        EXPECT_FALSE(std::equal(after.GetData(), after.GetData() + CQ3917ProgramData::kImageSize, before.GetData()));
        // Timbre 1's block stays as it was.
        EXPECT_TRUE(std::equal(after.GetData() + 16, after.GetData() + 112, before.GetData() + 16));
        const std::vector<DeviceSimulator::Bytes> heard = TakeHeard(1);
        EXPECT_TRUE(std::none_of(heard.begin(), heard.end(), IsParameterChange)) << "no single changes";
        const DeviceSimulator::ProgramImage current = shell->device->CurrentProgram();
        EXPECT_TRUE(std::equal(current.begin(), current.end(), after.GetData())) << "the whole program went out";
        EXPECT_THAT(TakeEvents(), ElementsAre("7 3 -1 5 -1"));
        EXPECT_EQ(std::count(Log().begin(), Log().end(), "library:SetModified 1"), 1);
        window->Destroy();
        Pump();
        Log().clear();
    }
}

TEST_F(TimbreEditTest, TheWaveAndRoutingStripsArmABlockDragThenOfferTheirValues)
{
    Open(1);
    const CQ3917ProgramAccessor& accessor = *CQ3917ProgramAccessor::PeekInstance();
    struct Case
    {
        int strip;
        std::uint32_t row;
        std::int32_t current, maximum;
        UINT answer;
        std::uint8_t idLow;
    } cases[] = {{3, 19, 0, 7, 3, 0x17}, {4, 26, 1, 3, 3, 0x20}, {2, 33, 0, 3, 2, 0x30}};
    std::vector<DeviceSimulator::Bytes> expected;
    for (const Case& c : cases) {
        Set(kSynth, c.row, c.current);
        CHfcControl& strip = Control(c.strip);
        MoveTo(strip, 4, 4);
        input::QueuePopupMenuAnswers({c.answer});
        Press(strip, 5, 5);
        EXPECT_TRUE(Page().IsDragArmed()) << c.strip;
        EXPECT_EQ(Page().GetDragSource(), c.strip);
        Release(strip, 5, 5);
        const auto shown = input::TakeShownPopupMenus();
        ASSERT_EQ(shown.size(), 1u) << c.strip;
        ASSERT_EQ(shown[0].items.size(), static_cast<std::size_t>(c.maximum + 1));
        for (std::int32_t value = 0; value <= c.maximum; ++value) {
            char text[256] = {};
            accessor.ValueToText(&(*bank)[kProgram], {kSynth, c.row, 1}, value, text, sizeof text);
            const auto& item = shown[0].items[static_cast<std::size_t>(value)];
            EXPECT_EQ(item.text, text);
            EXPECT_EQ(item.id, static_cast<UINT>(value + 1));
            EXPECT_EQ(item.checked, value == c.current);
        }
        POINT corner{0, 0};
        strip.ControlToScreen(corner);
        EXPECT_EQ(shown[0].at.x, corner.x);
        EXPECT_EQ(shown[0].at.y, corner.y);
        EXPECT_EQ(Value(kSynth, c.row), static_cast<std::int32_t>(c.answer) - 1);
        expected.push_back(ParameterChangeBytes(kTimbre2, c.idLow, static_cast<std::int32_t>(c.answer) - 1));
    }
    EXPECT_EQ(TakeHeard(expected.size()), expected);

    // The current value, or none, writes and sends nothing; the label
    // strips of the same parameter open nothing.
    input::QueuePopupMenuAnswers({Value(kSynth, 26) + 1u, 0});
    Click(Control(4));
    Click(Control(4));
    EXPECT_EQ(input::TakeShownPopupMenus().size(), 2u);
    Click(Control(0));
    EXPECT_THAT(input::TakeShownPopupMenus(), IsEmpty());
    EXPECT_THAT(TakeHeard(0), IsEmpty());
}

TEST_F(TimbreEditTest, DraggingTheDecayPointWritesAndSendsTheDecayThenTheSustain)
{
    Open(1);
    Set(kSynth, 63, 10);
    Set(kSynth, 64, 40);
    Set(kSynth, 65, 100);
    auto& curve = dynamic_cast<CCustomEnvelopeCurve&>(Control(92));
    const POINT decayEnd = curve.GetScreenPoint(2);
    Press(curve, decayEnd.x, decayEnd.y);
    MoveTo(curve, decayEnd.x + 12, decayEnd.y + 20);
    Release(curve, decayEnd.x + 12, decayEnd.y + 20);
    const std::int32_t decay = Value(kSynth, 64);
    const std::int32_t sustain = Value(kSynth, 65);
    EXPECT_GT(decay, 40);
    EXPECT_LT(sustain, 100);
    EXPECT_EQ(Value(kSynth, 63), 10) << "the attack stays";
    const auto decayThenSustain = [&](std::int32_t d, std::int32_t s) {
        return std::vector<DeviceSimulator::Bytes>{ParameterChangeBytes(kTimbre2, 0x71, d),
                                                   ParameterChangeBytes(kTimbre2, 0x72, s)};
    };
    std::vector<DeviceSimulator::Bytes> expected = decayThenSustain(40, 100);  // the press: the point as it is
    for (int report = 0; report < 2; ++report) {  // the move, then the release where it ended
        const auto pair = decayThenSustain(decay, sustain);
        expected.insert(expected.end(), pair.begin(), pair.end());
    }
    EXPECT_EQ(TakeHeard(6), expected);
    SHfcEnvelopePoint point{};
    ASSERT_TRUE(curve.GetPoint(2, point));
    EXPECT_EQ(point.time, decay) << "the curve shows what was written";
    EXPECT_EQ(point.level, sustain);
}

TEST_F(TimbreEditTest, DraggingTheOtherPointsWritesOneParameterOfTheirOwnEnvelope)
{
    Open(1);
    struct Case
    {
        int curve, point;
        std::uint32_t row;
        std::uint8_t idLow;
    } cases[] = {{91, 1, 55, 0x60}, {93, 3, 73, 0x82}, {92, 4, 66, 0x73}};
    for (const Case& c : cases) {
        Set(kSynth, c.row, 30);
        auto& curve = dynamic_cast<CCustomEnvelopeCurve&>(Control(c.curve));
        const POINT at = curve.GetScreenPoint(c.point);
        Press(curve, at.x, at.y);
        Release(curve, at.x, at.y);
        // The press and the release each propose the point as it is.
        const DeviceSimulator::Bytes change = ParameterChangeBytes(kTimbre2, c.idLow, 30);
        EXPECT_THAT(TakeHeard(2), ElementsAre(change, change)) << c.curve;
    }
}

TEST_F(TimbreEditTest, HoveringTheButtonsAndCurvesLeavesTheMessageLineAlone)
{
    Open(1);
    for (int id : {96, 97, 98, 91, 92, 93}) {
        MoveTo(Control(id), 2, 2);
        EXPECT_STREQ(Page().GetShownName(), "") << id;
    }
    MoveTo(Control(60), 10, 10);
    EXPECT_STREQ(Page().GetShownName(), "Filter 1 Cutoff");
}

}  // namespace
}  // namespace editor_test
