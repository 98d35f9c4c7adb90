// The vocoder window and its layer: size, kind, title and value display,
// the controls' places and parameters, the formant shift LEDs, the hold
// bars that only show, and the source fields' popups, checked on the wire.
#include "part_edit_fixture.h"

#include "app/WindowEvents.h"
#include "app/controls/CustomEditText.h"
#include "app/controls/CustomKnob.h"
#include "app/controls/CustomSlider.h"
#include "app/controls/CustomSwitches.h"
#include "app/controls/CustomValueBar.h"
#include "editor/EditorEditWindows.h"
#include "editor/VocoderEditLayer.h"
#include "editor/VocoderEditWindow.h"
#include "model/Program.h"
#include "model/Q3917ProgramAccessor.h"

#include <gmock/gmock.h>
#include <platform/testing.h>

namespace editor_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
namespace input = platform::testing;

ParameterAddress Vocoder(std::uint32_t index)
{
    return {5, index, 0};
}

class VocoderTest : public PartEditTest
{
protected:
    CVocoderEditLayer* Open()
    {
        window = OpenWindow<CVocoderEditWindow>();
        return static_cast<CVocoderEditLayer*>(window->GetMainLayer());
    }
    CVocoderEditWindow* window = nullptr;
};

TEST_F(VocoderTest, OpensAtItsSizeAndKindWithAValueDisplayThatFollowsShowValues)
{
    SetProgramRecordName((*bank)[kProgram], "Robot");
    shell->settings.showValueLayer = true;
    shell->settings.showTipsLayer = true;
    Open();
    RECT client{};
    ASSERT_TRUE(window->GetClientRect(client));
    EXPECT_EQ(client.right - client.left, 690);
    EXPECT_EQ(client.bottom - client.top, 408);
    EXPECT_EQ(window->GetKind(), 10);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Robot] Vocoder");
    ASSERT_NE(window->GetValueDisplayLayer(0), nullptr);
    EXPECT_EQ(window->GetValueDisplayLayer(0)->GetEditLayer(), window->GetMainLayer());
    EXPECT_TRUE(window->GetValueDisplayLayer(0)->IsVisible());
    EXPECT_NE(window->GetMessageLayer(), nullptr);

    shell->settings.showValueLayer = false;
    shell->windowManager.PostMessageToAll(kEventShowValues, 0, 0, 0, 0, nullptr);
    Pump();
    EXPECT_FALSE(window->GetValueDisplayLayer(0)->IsVisible());
}

TEST_F(VocoderTest, WithoutTipsThereIsNoMessageLine)
{
    shell->settings.showTipsLayer = false;
    Open();
    EXPECT_EQ(window->GetMessageLayer(), nullptr);
}

TEST_F(VocoderTest, SixtySevenControlsInRowsOfBandsEachOnItsParameter)
{
    CVocoderEditLayer* layer = Open();
    ASSERT_EQ(layer->GetBoundControlCount(), 67);
    for (int n = 1; n <= 16; ++n) {
        CHfcControl* pan = layer->GetControl(13 + n);
        CHfcControl* level = layer->GetControl(29 + n);
        CHfcControl* hold = layer->GetControl(50 + n);
        EXPECT_NE(dynamic_cast<CCustomKnob*>(pan), nullptr);
        EXPECT_NE(dynamic_cast<CCustomSlider*>(level), nullptr);
        EXPECT_NE(dynamic_cast<CCustomValueBar*>(hold), nullptr);
        EXPECT_EQ(pan->GetRect().left, 79 + 37 * (n - 1));
        EXPECT_EQ(pan->GetRect().top, 249);
        EXPECT_EQ(level->GetRect().left, 79 + 37 * (n - 1));
        EXPECT_EQ(level->GetRect().top, 290);
        EXPECT_EQ(hold->GetRect().left, 479 + 12 * (n - 1));
        EXPECT_EQ(hold->GetRect().top, 86);
        EXPECT_EQ(layer->GetControlParameter(layer->GetBoundControl(13 + n)), Vocoder(20 + n));
        EXPECT_EQ(layer->GetControlParameter(layer->GetBoundControl(29 + n)), Vocoder(36 + n));
        EXPECT_EQ(layer->GetControlParameter(layer->GetBoundControl(50 + n)), Vocoder(52 + n));
        EXPECT_TRUE(layer->GetBoundControl(50 + n)->IsReadOnly());
    }
    EXPECT_EQ(layer->GetControlParameter(layer->GetBoundControl(0)), Vocoder(6));
    EXPECT_EQ(layer->GetControlParameter(layer->GetBoundControl(1)), Vocoder(15));
    EXPECT_EQ(layer->GetControlParameter(layer->GetBoundControl(2)), Vocoder(2));
    EXPECT_TRUE(window->IsTimerEnabled());
}

TEST_F(VocoderTest, TheLedsWriteTwoDownToMinusTwoAndTheOneOfTheStoredShiftIsLit)
{
    SetValue(Vocoder(14), -1);
    CVocoderEditLayer* layer = Open();
    for (int m = 0; m < 5; ++m) {
        auto* led = dynamic_cast<CCustomLed*>(layer->GetControl(46 + m));
        ASSERT_NE(led, nullptr);
        EXPECT_EQ(led->GetDescriptor().pressedValue, 2 - m);
        EXPECT_EQ(led->GetRect().top, 128 + 13 * m);
        EXPECT_EQ(layer->GetBoundControl(46 + m)->GetValue(), m == 3 ? 1 : 0) << m;
    }
    CHfcControl& top = *layer->GetControl(46);
    Press(top, 3, 3);
    Release(top, 3, 3);
    EXPECT_EQ(Value(Vocoder(14)), 2);
    EXPECT_THAT(ReceivedChanges(1), ElementsAre(ChangeBytes(Vocoder(14), 2)));
    Pump();
    EXPECT_EQ(layer->GetBoundControl(46)->GetValue(), 1);
    EXPECT_EQ(layer->GetBoundControl(49)->GetValue(), 0);
}

TEST_F(VocoderTest, EachPressOnTheGateSwitchFlipsItAndSendsTheNewState)
{
    SetValue(Vocoder(2), 0);
    CVocoderEditLayer* layer = Open();
    CHfcControl& gate = *layer->GetControl(2);
    for (const std::int32_t expected : {1, 0}) {
        Press(gate, 5, 5);
        Release(gate, 5, 5);
        Pump();
        EXPECT_EQ(Value(Vocoder(2)), expected);
        EXPECT_EQ(layer->GetBoundControl(2)->GetValue(), expected);
    }
    EXPECT_THAT(ReceivedChanges(2), ElementsAre(ChangeBytes(Vocoder(2), 1), ChangeBytes(Vocoder(2), 0)));
}

TEST_F(VocoderTest, AHoldBarTakesNoInputAndSaysNothingOnTheMessageLine)
{
    shell->settings.showTipsLayer = true;
    SetValue(Vocoder(53), 1000);
    CVocoderEditLayer* layer = Open();
    CHfcControl& hold = *layer->GetControl(51);
    EXPECT_FALSE(layer->WantsParameterMessage(&hold));
    EXPECT_TRUE(layer->WantsParameterMessage(layer->GetControl(14)));
    MoveTo(hold, 5, 10);
    Press(hold, 5, 10);
    MoveTo(hold, 5, 60);
    Release(hold, 5, 60);
    EXPECT_EQ(Value(Vocoder(53)), 1000);
    EXPECT_THAT(ReceivedChanges(0), IsEmpty());
    EXPECT_STREQ(layer->GetShownName(), "");
}

TEST_F(VocoderTest, TheSourceFieldsOpenTheirValuesInAPopup)
{
    CVocoderEditLayer* layer = Open();
    const auto* accessor = CQ3917ProgramAccessor::PeekInstance();
    for (int id : {0, 1}) {
        const ParameterAddress address = layer->GetControlParameter(layer->GetBoundControl(id));
        const std::int32_t minimum = accessor->GetMinimum(&(*bank)[kProgram], address);
        const std::int32_t maximum = accessor->GetMaximum(&(*bank)[kProgram], address);
        input::QueuePopupMenuAnswers({2});
        Press(*layer->GetControl(id), 2, 2);
        Release(*layer->GetControl(id), 2, 2);
        const auto menus = input::TakeShownPopupMenus();
        ASSERT_EQ(menus.size(), 1u) << id;
        EXPECT_EQ(menus[0].items.size(), static_cast<std::size_t>(maximum - minimum + 1)) << id;
        EXPECT_EQ(Value(address), minimum + 1) << id;
    }
    EXPECT_THAT(ReceivedChanges(2), ElementsAre(ChangeBytes(Vocoder(6), 1), ChangeBytes(Vocoder(15), 1)));
}

TEST_F(VocoderTest, TheEditorsFactoryOpensBothPartWindows)
{
    CEditorEditWindows factory;
    CBaseWindow* vocoder = factory.CreateEditWindow(CEditWindowFactory::kVocoder, Context(), 30, 30, 9, -1);
    CBaseWindow* effects = factory.CreateEditWindow(CEditWindowFactory::kMasterEffect, Context(), 60, 60, 9, -1);
    ASSERT_NE(vocoder, nullptr);
    ASSERT_NE(effects, nullptr);
    EXPECT_EQ(vocoder->GetKind(), 10);
    EXPECT_EQ(effects->GetKind(), 11);
    EXPECT_EQ(effects->GetProgramIndex(), 9);
    EXPECT_EQ(factory.GetWindowCount(), 2);
}

TEST_F(VocoderTest, RendersInEachTheme)
{
    SetValue(Vocoder(14), 1);
    for (std::uint32_t n = 1; n <= 16; ++n)
        SetValue(Vocoder(52 + n), static_cast<std::int32_t>(n * 2000));
    ExpectRendersInEachTheme("vocoder", [this] { return OpenWindow<CVocoderEditWindow>(); });
}

}  // namespace
}  // namespace editor_test
