// The road of an edit: a control's report becomes a value in the program,
// the message line, the modified mark, event 7 and the 14 bytes on the
// wire, in that order; toggles and LEDs act on the press; list parameters
// offer their values in a popup.
#include "edit_layer_fixture.h"

#include "framework/ui/HfcControlListener.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcMouse.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>
#include <platform/testing.h>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr ParameterAddress kCutoff{2, 36, 0};            // 0..127, id 01 32 of timbre 1: 11 32
constexpr ParameterAddress kRibbonIntensity{2, 110, 0};  // -63..63, id 02 16
constexpr ParameterAddress kOscWave{2, 19, 0};           // a list of 8, id 01 17
constexpr ParameterAddress kLatch{8, 2, 0};              // on/off, id 61 06
constexpr int kStep = 14;                                // knob pixels per value of a 0..127 parameter

class EditLayerGestureTest : public EditLayerTest
{
protected:
    CTestKnob* AddKnob(const ParameterAddress& address, int minimum = 0, int maximum = 127, int ratio = 1)
    {
        return Attach(std::make_unique<CTestKnob>(knobStrip, 40, 40, minimum, maximum, ratio, NextId()), address);
    }
    // The log without the knob's and switches' own lines.
    static std::vector<std::string> LayerSteps()
    {
        std::vector<std::string> steps;
        for (const std::string& line : Log())
            if (line.rfind("layer:", 0) == 0 || line.rfind("edit:", 0) == 0)
                steps.push_back(line);
        return steps;
    }
};

TEST_F(EditLayerGestureTest, AKnobDragWritesThenShowsMarksPostsAndSendsTheFourteenBytes)
{
    CTestKnob* knob = AddKnob(kCutoff);
    layer->watched = kCutoff;
    SetValue(kCutoff, 64);
    layer->UpdateAllControls();
    Log().clear();

    Press(*knob, 10, 10);
    EXPECT_THAT(LayerSteps(), IsEmpty()) << "the press reports the value the program has: nothing to do";
    MoveTo(*knob, 10, 7);
    Release(*knob, 10, 7);

    EXPECT_EQ(Value(kCutoff), 67);
    EXPECT_EQ(layer->valueAtMessage, 67) << "written before the message line is told";
    // Moving onto the knob shows its parameter; then the change, in order.
    EXPECT_THAT(LayerSteps(), ElementsAre("layer:message", "layer:hover begin 0", "layer:message", "edit:SetModified 1",
                                          "layer:event 7, sent before it: nothing", "layer:update all"));
    EXPECT_EQ(shell->host.sent.empty(), false);
    EXPECT_THAT(TakeEvents(), ElementsAre("7 3 -1 5 -1"));
    EXPECT_THAT(ReceivedChanges(1), ElementsAre(ChangeBytes(0x11, 0x32, 67)));
    // The knob shows the value when the layer's own event 7 comes back.
    EXPECT_EQ(knob->CHfcCtrlKnob::GetValue(), 67 * kStep);
    EXPECT_EQ(knob->GetValue(), 67);
}

TEST_F(EditLayerGestureTest, APressedReportIsMaskedAndClampedAndAnUnchangedValueGoesNowhere)
{
    CTestKnob* knob = AddKnob(kCutoff);
    CTestKnob* ribbon = AddKnob(kRibbonIntensity, -63, 63);
    SetValue(kCutoff, 10);
    SetValue(kRibbonIntensity, 0);
    struct Case
    {
        CHfcControl* control;
        int report;
        ParameterAddress address;
        std::int32_t written;
    };
    const Case cases[] = {
        {knob, 64 * kStep | kHfcValuePressed, kCutoff, 64},
        {knob, 200 * kStep, kCutoff, 127},
        {ribbon, 140 * kStep, kRibbonIntensity, 63},
        // A value field's positions run below 0 for a negative minimum, with
        // or without the flag.
        {ribbon, -kStep * 5, kRibbonIntensity, -63},
        {ribbon, 60 * kStep | kHfcValuePressed, kRibbonIntensity, -3},
    };
    for (const Case& c : cases) {
        layer->OnControlValueChanged(c.control, c.report);
        EXPECT_EQ(Value(c.address), c.written) << c.report;
    }
    EXPECT_EQ(TakeEvents().size(), 5u);
    EXPECT_THAT(ReceivedChanges(8),
                ElementsAre(ChangeBytes(0x11, 0x32, 64), ChangeBytes(0x11, 0x32, 127), ChangeBytes(0x12, 0x16, 63),
                            ChangeBytes(0x22, 0x16, 63), ChangeBytes(0x12, 0x16, -63), ChangeBytes(0x22, 0x16, -63),
                            ChangeBytes(0x12, 0x16, -3), ChangeBytes(0x22, 0x16, -3)));

    // The same value again, however it is reported, changes nothing.
    Log().clear();
    layer->OnControlValueChanged(knob, 127 * kStep | kHfcValuePressed);
    layer->OnControlValueChanged(knob, 300 * kStep);
    EXPECT_THAT(LayerSteps(), IsEmpty());
    EXPECT_THAT(TakeEvents(), IsEmpty());
    EXPECT_EQ(ReceivedChanges(8).size(), 8u);
}

TEST_F(EditLayerGestureTest, TheRibbonIntensityGoesToBothTimbresWhicheverTimbreTheLayerShows)
{
    CTestKnob* ribbon = AddKnob(kRibbonIntensity, -63, 63);
    SetValue(kRibbonIntensity, 0);
    layer->OnControlValueChanged(ribbon, 70 * kStep);  // 7
    layer->SetTimbreOverride(1);
    layer->OnControlValueChanged(ribbon, 73 * kStep);  // 10, written into timbre 1
    EXPECT_EQ(Value({2, 110, 1}), 10);
    EXPECT_THAT(ReceivedChanges(4), ElementsAre(ChangeBytes(0x12, 0x16, 7), ChangeBytes(0x22, 0x16, 7),
                                                ChangeBytes(0x12, 0x16, 10), ChangeBytes(0x22, 0x16, 10)));
}

TEST_F(EditLayerGestureTest, AToggleFlipsOnThePressAndTheReleaseChangesNothing)
{
    auto made = std::make_unique<CTestSwitch>(switchStrip, 40, 40);
    ASSERT_TRUE(made->Create(static_cast<std::uint32_t>(NextId()), CCustomControl::kEventToggle));
    CTestSwitch* latch = Attach(std::move(made), kLatch);
    SetValue(kLatch, 0);
    layer->UpdateAllControls();

    Press(*latch, 5, 5);
    EXPECT_EQ(Value(kLatch), 1);
    Release(*latch, 5, 5);
    EXPECT_EQ(Value(kLatch), 1) << "the release reports the plain value, which counts for nothing";
    Press(*latch, 5, 5);
    Release(*latch, 5, 5);
    EXPECT_EQ(Value(kLatch), 0);
    EXPECT_THAT(TakeEvents(), ElementsAre("7 3 -1 5 -1", "7 3 -1 5 -1"));
    EXPECT_THAT(ReceivedChanges(2), ElementsAre(ChangeBytes(0x61, 0x06, 1), ChangeBytes(0x61, 0x06, 0)));
}

TEST_F(EditLayerGestureTest, AnLedWritesItsValueOnThePressAndLightsWhileTheParameterHasIt)
{
    auto led = [&](int x, int pressedValue) {
        CustomLedDescriptor descriptor;
        descriptor.x = x;
        descriptor.y = 40;
        descriptor.bitmap = &switchStrip;
        descriptor.pressedValue = pressedValue;
        descriptor.maximum = 1;
        auto made = std::make_unique<CCustomLed>();
        EXPECT_TRUE(made->Create(&descriptor, static_cast<std::uint32_t>(NextId())));
        return Attach(std::move(made), kOscWave);
    };
    CCustomLed* led3 = led(40, 3);
    CCustomLed* led4 = led(60, 4);
    SetValue(kOscWave, 0);
    layer->UpdateAllControls();
    EXPECT_EQ(led3->GetValue(), 0);
    Log().clear();

    Press(*led3, 5, 5);
    Release(*led3, 5, 5);
    EXPECT_EQ(Value(kOscWave), 3);
    EXPECT_EQ(led3->GetValue(), 1);
    EXPECT_EQ(led4->GetValue(), 0);
    Press(*led3, 5, 5);
    Release(*led3, 5, 5);
    Press(*led4, 5, 5);
    Release(*led4, 5, 5);
    EXPECT_EQ(led3->GetValue(), 0);
    EXPECT_EQ(led4->GetValue(), 1);
    EXPECT_THAT(ReceivedChanges(2), ElementsAre(ChangeBytes(0x11, 0x17, 3), ChangeBytes(0x11, 0x17, 4)))
        << "the lit LED pressed again sends nothing";
}

TEST_F(EditLayerGestureTest, AListParameterOffersItsValuesAndWritesOnlyAChangedChoice)
{
    CTestKnob* wave = AddKnob(kOscWave, 0, 7);
    SetValue(kOscWave, 2);
    layer->UpdateAllControls();
    TakeEvents();

    namespace input = platform::testing;
    input::QueuePopupMenuAnswers({6});
    Press(*wave, 3, 4);
    Release(*wave, 3, 4);
    const auto shown = input::TakeShownPopupMenus();
    ASSERT_EQ(shown.size(), 1u);
    ASSERT_EQ(shown[0].items.size(), 8u) << "the values 0 to 7";
    const CQ3917ProgramAccessor& accessor = *CQ3917ProgramAccessor::PeekInstance();
    for (int value = 0; value < 8; ++value) {
        char text[256] = {};
        accessor.ValueToText(&(*bank)[3], kOscWave, value, text, sizeof text);
        EXPECT_EQ(shown[0].items[static_cast<std::size_t>(value)].text, text);
        EXPECT_EQ(shown[0].items[static_cast<std::size_t>(value)].id, static_cast<UINT>(value + 1));
        EXPECT_EQ(shown[0].items[static_cast<std::size_t>(value)].checked, value == 2);
    }
    POINT corner{0, 0};
    wave->ControlToScreen(corner);
    EXPECT_EQ(shown[0].at.x, corner.x);
    EXPECT_EQ(shown[0].at.y, corner.y);
    EXPECT_EQ(Value(kOscWave), 5);
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), static_cast<CHfcKeyListener*>(layer)) << "the keys come back";
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr) << "the knob took no drag";
    EXPECT_THAT(TakeEvents(), ElementsAre("7 3 -1 5 -1"));

    // The current value, or no choice, writes and sends nothing.
    input::QueuePopupMenuAnswers({6, 0});
    Press(*wave, 3, 4);
    Release(*wave, 3, 4);
    Press(*wave, 3, 4);
    Release(*wave, 3, 4);
    EXPECT_EQ(input::TakeShownPopupMenus().size(), 2u);
    EXPECT_THAT(TakeEvents(), IsEmpty());
    EXPECT_THAT(ReceivedChanges(1), ElementsAre(ChangeBytes(0x11, 0x17, 5)));
}

TEST_F(EditLayerGestureTest, OnlyAValueControlOfAListParameterOpensThePopup)
{
    namespace input = platform::testing;
    CTestKnob* cutoff = AddKnob(kCutoff);
    auto latch = std::make_unique<CTestKnob>(knobStrip, 80, 40, 0, 7, 1, NextId(), CCustomControl::kEventToggle);
    CTestKnob* toggleOnList = Attach(std::move(latch), kOscWave);
    input::QueuePopupMenuAnswers({1});
    Press(*cutoff, 3, 4);
    Release(*cutoff, 3, 4);
    Press(*toggleOnList, 3, 4);
    Release(*toggleOnList, 3, 4);
    EXPECT_THAT(input::TakeShownPopupMenus(), IsEmpty());
}

}  // namespace
}  // namespace editor_test
