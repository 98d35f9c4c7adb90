// What the edit layer keeps up to date: every control from the program on
// the events that concern it, the ticks of buttons and value fields, the
// message line of the hovered parameter, and its own teardown.
#include "edit_layer_fixture.h"

#include "app/MessageWindowLayer.h"
#include "app/WindowEvents.h"
#include "framework/ui/HfcMouse.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr ParameterAddress kCutoff{2, 36, 0};
constexpr ParameterAddress kOscWave{2, 19, 0};

class EditLayerRefreshTest : public EditLayerTest
{
protected:
    CTypedControl* AddTyped(int type, const ParameterAddress& address, int x = 40)
    {
        return Attach(
            std::make_unique<CTypedControl>(type, RECT{x, 40, x + 20, 60}, static_cast<std::uint32_t>(NextId())),
            address);
    }
    // The log lines of control id.
    static std::vector<std::string> LinesOf(int id)
    {
        std::vector<std::string> lines;
        const std::string prefix = "control " + std::to_string(id) + ":";
        for (const std::string& line : Log())
            if (line.rfind(prefix, 0) == 0)
                lines.push_back(line.substr(prefix.size()));
        return lines;
    }
    // Another window's broadcast, delivered.
    void Post(int event, LONG_PTR p1, LONG_PTR p2, LONG_PTR p3, LONG_PTR p4)
    {
        shell->windowManager.PostMessageToAll(event, p1, p2, p3, p4, nullptr);
        Pump();
    }
};

TEST_F(EditLayerRefreshTest, AControlTakesTheRangeMinimumFirstThenTheRatioThenItsStateAndValue)
{
    struct Case
    {
        ParameterAddress address;
        std::vector<std::string> expected;
    };
    const Case cases[] = {
        // Nothing to do for a range the control has: only the value.
        {kCutoff, {"SetValue 64"}},
        {{2, 110, 0}, {"SetMin -63", "SetMax 63", "SetRatio 1", "SetValue 5"}},
        {kOscWave, {"SetMin 0", "SetMax 7", "SetRatio 12", "SetValue 3"}},
        {{2, 28, 0}, {"SetMin -24", "SetMax 24", "SetRatio 2", "SetValue -2"}},
        {{8, 2, 0}, {"SetMin 0", "SetMax 1", "SetRatio 12", "SetValue 1"}},
        // A parameter the device lacks: one fixed value, ratio 1.
        {{0, 40, 0}, {"SetMin 0", "SetMax 0", "SetRatio 1"}},
        // The PCM wave counts only with the PCM waveform, which wave 3 is not.
        {{2, 24, 0}, {"SetMin 0", "SetMax 84", "SetRatio 1", "SetEnabled 0", "SetValue 9"}},
    };
    SetValue(kCutoff, 64);
    SetValue({2, 110, 0}, 5);
    SetValue(kOscWave, 3);
    SetValue({2, 28, 0}, -2);
    SetValue({8, 2, 0}, 1);
    SetValue({2, 24, 0}, 9);
    for (const Case& c : cases) {
        const int id = NextId();
        AddTyped(CCustomControl::kKnob, c.address);
        Log().clear();
        layer->UpdateControl(id);
        EXPECT_EQ(LinesOf(id), c.expected) << c.address.group << "," << c.address.index;
        Log().clear();
        layer->UpdateControl(id);
        EXPECT_THAT(LinesOf(id), IsEmpty()) << "a second refresh finds nothing to change";
    }
}

TEST_F(EditLayerRefreshTest, AValueFieldTakesTheProgramsValueTextWhenItDiffers)
{
    CTypedControl* field = AddTyped(CCustomControl::kEditText, kOscWave);
    SetValue(kOscWave, 4);
    char text[256] = {};
    CQ3917ProgramAccessor::PeekInstance()->GetValueText(&(*bank)[3], kOscWave, text, sizeof text);
    layer->UpdateControl(0);
    EXPECT_EQ(field->text, text);
    Log().clear();
    layer->UpdateControl(0);
    EXPECT_THAT(LinesOf(0), IsEmpty());
}

TEST_F(EditLayerRefreshTest, EventsOfItsOwnProgramRefreshTheControlsAndASwitchMovesTheLayer)
{
    CTypedControl* knob = AddTyped(CCustomControl::kKnob, kCutoff);
    SetValue(kCutoff, 20);
    CQ3917ProgramAccessor::PeekInstance()->SetValue(&(*bank)[4], kCutoff, 90);
    struct Case
    {
        int event;
        LONG_PTR p1, p2, p3, p4;
        bool updates;
    };
    const Case cases[] = {
        {kEventProgramDataChanged, 3, -1, 5, -1, true},  {kEventDataModified, 3, -1, 5, -1, true},
        {kEventProgramDataChanged, 4, -1, 5, -1, false}, {kEventProgramDataChanged, 3, -1, 6, -1, false},
        {kEventProgramSwitch, 6, 1, 3, 4, false},        {kEventProgramSwitch, 5, 0, 3, 4, false},
        {kEventProgramSwitch, 5, 1, 2, 4, false},
    };
    for (const Case& c : cases) {
        Log().clear();
        Post(c.event, c.p1, c.p2, c.p3, c.p4);
        EXPECT_EQ(!Log().empty() && Log()[0] == "layer:update all", c.updates) << c.event << " " << c.p1;
    }
    Post(kEventProgramSwitch, 5, 1, 3, 4);
    EXPECT_EQ(layer->GetProgramIndex(), 4);
    EXPECT_EQ(knob->GetValue(), 90);
}

TEST_F(EditLayerRefreshTest, TicksRedrawButtonsAndStepValueFieldsOnly)
{
    for (int type :
         {CCustomControl::kButton, CCustomControl::kEditText, CCustomControl::kKnob, CCustomControl::kSwitch})
        AddTyped(type, kCutoff, 40 + 30 * NextId())->logRedraws = true;
    Log().clear();
    layer->OnTimerTick();
    EXPECT_THAT(Log(), ElementsAre("control 0:Redraw 0 1", "control 1:OnTimer 0"));
}

TEST_F(EditLayerRefreshTest, TheMessageLineIsWokenOnceAndPostedOnlyWhenTheTextsChange)
{
    CTypedControl* cutoff = AddTyped(CCustomControl::kKnob, kCutoff);
    CTypedControl* wave = AddTyped(CCustomControl::kKnob, kOscWave, 80);
    CMessageWindowLayer* message = edit->GetMessageLayer();
    ASSERT_NE(message, nullptr);
    SetValue(kCutoff, 64);
    TakeMessageLineEvents();

    layer->ShowParameterMessage(cutoff);
    EXPECT_TRUE(message->IsWoken());
    EXPECT_EQ(TakeMessageLineEvents(), 2) << "the wake-up, then the texts";
    EXPECT_STREQ(message->GetText1(), "Filter 1 Cutoff");
    EXPECT_STREQ(message->GetText2(), "64");
    EXPECT_STREQ(layer->GetShownName(), "Filter 1 Cutoff");

    layer->ShowParameterMessage(cutoff);
    EXPECT_EQ(TakeMessageLineEvents(), 0) << "woken, and the same texts";
    SetValue(kCutoff, 65);
    layer->ShowParameterMessage(cutoff);
    EXPECT_EQ(TakeMessageLineEvents(), 1) << "a new value text";
    EXPECT_STREQ(message->GetText2(), "65");

    // Off the controls the line may fade; back on one it is woken again,
    // with nothing new to post.
    MoveTo(*cutoff, 100, 100);
    EXPECT_FALSE(message->IsWoken());
    TakeMessageLineEvents();
    layer->ShowParameterMessage(cutoff);
    EXPECT_EQ(TakeMessageLineEvents(), 1);
    layer->ShowParameterMessage(wave);
    EXPECT_EQ(TakeMessageLineEvents(), 1);
    EXPECT_STREQ(message->GetText1(), "OSC 1 Wave");
}

TEST_F(EditLayerRefreshTest, HoverBeginsOnceForAControlAndEndsOnTheBackground)
{
    auto made = std::make_unique<CTestSwitch>(switchStrip, 40, 40);
    ASSERT_TRUE(made->Create(static_cast<std::uint32_t>(NextId()), CCustomControl::kEventToggle));
    CTestSwitch* latch = Attach(std::move(made), {8, 2, 0});
    MoveTo(*latch, 3, 3);
    MoveTo(*latch, 4, 4);
    EXPECT_EQ(layer->GetHoveredControl(), 0);
    MoveTo(*latch, 100, 100);
    EXPECT_EQ(layer->GetHoveredControl(), -1);
    std::vector<std::string> hovers;
    for (const std::string& line : Log())
        if (line.find("hover") != std::string::npos)
            hovers.push_back(line);
    EXPECT_THAT(hovers, ElementsAre("layer:hover begin 0", "layer:hover end 0"));
}

TEST_F(EditLayerRefreshTest, TheLayerGoesWithItsControlsAndStopsListeningAndTheWindowsTimer)
{
    AddTyped(CCustomControl::kKnob, kCutoff);
    AddTyped(CCustomControl::kButton, kCutoff, 80);
    edit->SetTimerEnabled(true);
    ASSERT_TRUE(layer->Destroy());
    EXPECT_EQ(layer->GetBoundControlCount(), 0);
    EXPECT_THAT(layer->GetControls(), IsEmpty());
    EXPECT_FALSE(edit->IsTimerEnabled());
    Log().clear();
    Post(kEventProgramDataChanged, 3, -1, 5, -1);
    EXPECT_THAT(Log(), IsEmpty()) << "no longer a listener";
}

}  // namespace
}  // namespace editor_test
