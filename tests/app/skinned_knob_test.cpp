// The skinned controls that map a parameter's values to positions: the
// knob and the edit text in pixels of 7 per step times twice the ratio,
// the slider in tenths; their wheel steps, bounds, ratios, dim looks and
// what a disabled one swallows.
#include "control_fixture.h"

#include "app/controls/CustomEditText.h"
#include "app/controls/CustomKnob.h"
#include "app/controls/CustomSlider.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcModifiers.h"

#include <gmock/gmock.h>

namespace ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kUp = 120;
constexpr int kDown = -120;

class KnobTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillNumberedStrip(strip, 10, 10, 5);
        FillNumberedStrip(dim, 10, 10, 5);
        FillNumberedStrip(marked, 10, 10, 5);
        FillNumberedStrip(markedDim, 10, 10, 5);
    }
    CustomKnobDescriptor Knob(int minimum, int maximum, int ratio) const
    {
        CustomKnobDescriptor descriptor;
        descriptor.x = 20;
        descriptor.y = 30;
        descriptor.bitmap = const_cast<CHfcBmp*>(&strip);
        descriptor.frames = 5;
        descriptor.minimum = minimum;
        descriptor.maximum = maximum;
        descriptor.ratio = ratio;
        return descriptor;
    }
    // A knob on the layer, made from the descriptor.
    void Make(CCustomKnob& knob, const CustomKnobDescriptor& descriptor)
    {
        ASSERT_TRUE(knob.Create(&descriptor, 4, CCustomControl::kEventPosition));
        Place(knob);
        Events().clear();
    }

    CHfcBmp strip;
    CHfcBmp dim;
    CHfcBmp marked;
    CHfcBmp markedDim;
};

TEST_F(KnobTest, CreateDoublesTheRatioAndCountsSevenPixelsPerStepFromTheMinimum)
{
    struct Case
    {
        int minimum, maximum, ratio;
        int stored;            // the ratio the knob keeps
        int frameworkMaximum;  // its range in pixels
        int value, position;
    } cases[] = {
        {0, 127, 1, 2, 1778, 64, 896}, {0, 1, 12, 24, 168, 1, 168}, {0, 24, 5, 10, 1680, 3, 210},
        {-64, 63, 1, 2, 1778, 0, 896}, {0, 127, 0, 2, 1778, 5, 70},  // a ratio of 0 becomes 1 first
        {0, 16, -2, -4, 28, 8, 14},                                  // a negative ratio divides
    };
    for (const Case& c : cases) {
        CCustomKnob knob;
        const CustomKnobDescriptor descriptor = Knob(c.minimum, c.maximum, c.ratio);
        ASSERT_TRUE(knob.Create(&descriptor, 4, CCustomControl::kEventPosition));
        EXPECT_EQ(knob.GetRatio(), c.stored) << c.minimum << ".." << c.maximum;
        EXPECT_EQ(knob.CHfcCtrlKnob::GetMinimum(), 0);
        EXPECT_EQ(knob.CHfcCtrlKnob::GetMaximum(), c.frameworkMaximum);
        EXPECT_EQ(knob.GetMin(), c.minimum);
        EXPECT_EQ(knob.GetMax(), c.maximum);
        EXPECT_EQ(knob.ValueToPosition(c.value), c.position);
        EXPECT_EQ(knob.PositionToValue(c.position), c.value);
        knob.SetValue(c.value);
        EXPECT_EQ(knob.CHfcCtrlKnob::GetValue(), c.position);
        EXPECT_EQ(knob.GetValue(), c.value);
    }
    CCustomKnob knob;
    const CustomKnobDescriptor descriptor = Knob(0, 127, 1);
    ASSERT_TRUE(knob.Create(&descriptor, 9, 1));
    EXPECT_EQ(knob.GetId(), 9u);
    EXPECT_EQ(knob.GetEventCode(), 1u);
    EXPECT_EQ(knob.GetControlType(), CCustomControl::kKnob);
    EXPECT_EQ(knob.GetRect(), (RECT{20, 30, 30, 40}));
    EXPECT_FALSE(knob.Create(nullptr, 1, 0));
}

TEST_F(KnobTest, SettingTheValueItShowsNeitherMovesNorRepaintsIt)
{
    CCustomKnob knob;
    Make(knob, Knob(0, 127, 1));
    knob.SetValue(64);
    Render(knob);
    EXPECT_FALSE(knob.IsDirty());
    knob.SetValue(64);
    EXPECT_FALSE(knob.IsDirty());
    knob.SetValue(65);
    EXPECT_TRUE(knob.IsDirty());
    EXPECT_EQ(knob.CHfcCtrlKnob::GetValue(), 910);
}

TEST_F(KnobTest, TheWheelMovesTenUnitsOfSevenPixelsOrOneStepWithShiftFromThePositionCutToAUnit)
{
    CCustomKnob knob;
    Make(knob, Knob(0, 127, 1));
    knob.SetValue(64);
    // The layer sets nothing back here: each turn starts from 896.
    Wheel(knob, 5, 5, kUp);
    Wheel(knob, 5, 5, kUp, kHfcModifierShift);
    Wheel(knob, 5, 5, kDown);
    Wheel(knob, 5, 5, kDown, kHfcModifierShift);
    EXPECT_THAT(Events(), ElementsAre("owner:value 966", "owner:value 910", "owner:value 826", "owner:value 882"));
    EXPECT_EQ(knob.PositionToValue(966), 69);
    EXPECT_EQ(knob.PositionToValue(910), 65);

    // A position between units is cut down first.
    Events().clear();
    knob.CHfcCtrlKnob::SetValue(900, false);
    Wheel(knob, 5, 5, kUp);
    Wheel(knob, 5, 5, kDown);
    EXPECT_THAT(Events(), ElementsAre("owner:value 966", "owner:value 826"));

    // Clamped to the range; at an end nothing is reported.
    Events().clear();
    knob.SetValue(125);
    Wheel(knob, 5, 5, kUp);
    knob.SetValue(127);
    Wheel(knob, 5, 5, kUp);
    knob.SetValue(0);
    Wheel(knob, 5, 5, kDown);
    EXPECT_THAT(Events(), ElementsAre("owner:value 1778"));

    // A turn of no notches does nothing.
    EXPECT_TRUE(knob.OnHfcMouseWheel(mouse, 5, 5, 0, 0, 0));
    EXPECT_EQ(Events().size(), 1u);
}

TEST_F(KnobTest, TheBoundsGoThroughValueToPositionMinimumFirst)
{
    CCustomKnob knob;
    Make(knob, Knob(0, 127, 1));
    knob.SetMin(10);
    knob.SetMax(20);
    EXPECT_EQ(knob.CHfcCtrlKnob::GetMinimum(), 0);
    EXPECT_EQ(knob.CHfcCtrlKnob::GetMaximum(), 140) << "(20 - 10) x 7 x 2, as Create makes it";
    EXPECT_EQ(knob.GetMin(), 10);
    EXPECT_EQ(knob.GetMax(), 20);
    knob.SetValue(15);
    EXPECT_EQ(knob.CHfcCtrlKnob::GetValue(), 70);

    // The other order measures the maximum from the old minimum.
    CCustomKnob reversed;
    Make(reversed, Knob(0, 127, 1));
    reversed.SetMax(20);
    reversed.SetMin(10);
    EXPECT_EQ(reversed.CHfcCtrlKnob::GetMaximum(), 280);
}

TEST_F(KnobTest, SetRatioKeepsTheValueAndDoublesTheRatioAsCreateDoes)
{
    CCustomKnob knob;
    Make(knob, Knob(0, 24, 5));
    knob.SetValue(12);
    EXPECT_EQ(knob.CHfcCtrlKnob::GetValue(), 840);
    // A range change gives the knob the ratio of its new range: the same
    // sensitivity as a knob created with that range.
    knob.SetMin(0);
    knob.SetMax(127);
    knob.SetRatio(1);
    EXPECT_EQ(knob.GetRatio(), 2);
    EXPECT_EQ(knob.GetValue(), 12);
    EXPECT_EQ(knob.CHfcCtrlKnob::GetValue(), 168);
    EXPECT_EQ(knob.CHfcCtrlKnob::GetMaximum(), 1778);
    CCustomKnob created;
    Make(created, Knob(0, 127, 1));
    EXPECT_EQ(created.ValueToPosition(12), knob.ValueToPosition(12));
}

TEST_F(KnobTest, TheImageFollowsTheMarkedValueTheDimStateAndTheDrag)
{
    CCustomKnob knob;
    CustomKnobDescriptor descriptor = Knob(-5, 5, 1);
    descriptor.dimBitmap = &dim;
    descriptor.markedBitmap = &marked;
    descriptor.markedDimBitmap = &markedDim;
    descriptor.markedValue = 0;
    Make(knob, descriptor);
    knob.SetValue(-1);
    EXPECT_EQ(knob.GetImage(), &strip);
    knob.SetValue(0);
    EXPECT_EQ(knob.GetImage(), &marked);
    knob.SetEnabled(false);
    EXPECT_EQ(knob.GetImage(), &markedDim);
    knob.SetValue(2);
    EXPECT_EQ(knob.GetImage(), &dim);
    EXPECT_TRUE(knob.IsVisible()) << "a knob with a dim strip stays shown";
    knob.SetEnabled(true);
    EXPECT_EQ(knob.GetImage(), &strip);

    // While dragged, the drag images stand in for the enabled ones.
    CHfcBmp dragged;
    FillNumberedStrip(dragged, 10, 10, 5);
    knob.SetDragBitmaps(&dragged, nullptr);
    Press(knob, 5, 5);
    ASSERT_TRUE(knob.IsDragging());
    EXPECT_EQ(knob.GetImage(), &dragged);
    Release(knob, 5, 5);
    EXPECT_FALSE(knob.IsDragging());
    EXPECT_EQ(knob.GetImage(), &strip);

    // -1 marks nothing, not even a value of -1.
    CCustomKnob unmarked;
    descriptor.markedValue = -1;
    Make(unmarked, descriptor);
    unmarked.SetValue(-1);
    EXPECT_EQ(unmarked.GetImage(), &strip);
}

TEST_F(KnobTest, ADragEndsWithTheFinalPositionReported)
{
    CCustomKnob knob;
    Make(knob, Knob(0, 127, 1));
    knob.SetValue(64);
    Press(knob, 5, 5);
    EXPECT_TRUE(HoldsCapture(knob));
    Events().clear();
    Release(knob, 5, 5);
    EXPECT_FALSE(HoldsCapture(knob));
    EXPECT_THAT(Events(), ElementsAre("owner:mouse up 5,5", "owner:value 896", "owner:edit end"));
}

TEST_F(KnobTest, WithoutADimStripADisabledKnobHidesSwallowsPressAndWheelAndLetsGoOfTheMouse)
{
    CCustomKnob knob;
    Make(knob, Knob(0, 127, 1));
    knob.SetValue(64);
    Press(knob, 5, 5);
    ASSERT_TRUE(HoldsCapture(knob));
    Events().clear();
    knob.SetEnabled(false);
    EXPECT_FALSE(HoldsCapture(knob));
    EXPECT_THAT(Events(), ElementsAre("owner:value 896", "owner:edit end"));
    EXPECT_FALSE(knob.IsVisible());
    EXPECT_FALSE(knob.IsEnabled());

    Events().clear();
    EXPECT_TRUE(knob.OnHfcMouseLButtonDown(mouse, 5, 5, 0));
    EXPECT_TRUE(knob.OnHfcMouseWheel(mouse, 5, 5, 0, kUp, 0));
    EXPECT_FALSE(HoldsCapture(knob));
    EXPECT_THAT(Events(), IsEmpty());

    knob.SetEnabled(true);
    EXPECT_TRUE(knob.IsVisible());
    Wheel(knob, 5, 5, kUp);
    EXPECT_THAT(Events(), ElementsAre("owner:value 966"));
}

class SliderTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillNumberedStrip(thumb, 22, 12, 1);
        FillNumberedStrip(dim, 22, 12, 2);
    }
    void Make(CCustomSlider& slider, int minimum, int maximum, int steps, CHfcBmp* dimBitmap = nullptr)
    {
        CustomSliderDescriptor descriptor;
        descriptor.x = 30;
        descriptor.y = 10;
        descriptor.width = 22;
        descriptor.height = 95;
        descriptor.bitmap = &thumb;
        descriptor.steps = steps;
        descriptor.minimum = minimum;
        descriptor.maximum = maximum;
        descriptor.dimBitmap = dimBitmap;
        ASSERT_TRUE(slider.Create(&descriptor, 2, CCustomControl::kEventPosition));
        Place(slider);
        Events().clear();
    }

    CHfcBmp thumb;
    CHfcBmp dim;
};

TEST_F(SliderTest, CountsInTenthsWithALineStepAndASnapStepOfAtLeastOne)
{
    CCustomSlider slider;
    Make(slider, 0, 127, 127);
    EXPECT_EQ(slider.GetControlType(), CCustomControl::kSlider);
    EXPECT_EQ(slider.CHfcCtrlVerticalFader::GetMinimum(), 0);
    EXPECT_EQ(slider.CHfcCtrlVerticalFader::GetMaximum(), 1270);
    EXPECT_EQ(slider.GetLineStep(), 10);
    EXPECT_EQ(slider.GetSnapStep(), 2);
    EXPECT_EQ(slider.GetWord(kHfcFaderStep), 10) << "a pixel of drag moves a line";
    EXPECT_EQ(slider.GetWord(kHfcFaderShiftStep), 2);
    slider.SetValue(64);
    EXPECT_EQ(slider.CHfcCtrlVerticalFader::GetValue(), 640);
    slider.CHfcCtrlVerticalFader::SetValue(649, false);
    EXPECT_EQ(slider.GetValue(), 64) << "tenths are cut off";
    EXPECT_EQ(slider.ValueToPosition(7), 70);
    EXPECT_EQ(slider.PositionToValue(79), 7);

    // New bounds give new steps.
    slider.SetMin(0);
    slider.SetMax(10);
    EXPECT_EQ(slider.GetMax(), 10);
    EXPECT_EQ(slider.GetLineStep(), 1) << "100 / 127 is kept at 1";
    EXPECT_EQ(slider.GetSnapStep(), 1);
    slider.SetMin(-64);
    slider.SetMax(63);
    EXPECT_EQ(slider.GetMin(), -64);
    EXPECT_EQ(slider.CHfcCtrlVerticalFader::GetMinimum(), -640);
    EXPECT_EQ(slider.GetLineStep(), 10);

    CCustomSlider coarse;
    Make(coarse, 0, 100, 4);
    EXPECT_EQ(coarse.GetLineStep(), 250);
    EXPECT_EQ(coarse.GetSnapStep(), 50);
}

TEST_F(SliderTest, TheWheelMovesFiveValuesOrOneWithShiftFromThePositionCutToASnapStep)
{
    CCustomSlider slider;
    Make(slider, 0, 127, 127);
    slider.SetValue(64);
    Render(slider);
    slider.SetValue(64);
    EXPECT_FALSE(slider.IsDirty()) << "the value it shows already";
    Wheel(slider, 5, 50, kUp);
    Wheel(slider, 5, 50, kUp, kHfcModifierShift);
    Wheel(slider, 5, 50, kDown);
    EXPECT_THAT(Events(), ElementsAre("owner:value 690", "owner:value 650", "owner:value 590"));

    Events().clear();
    slider.CHfcCtrlVerticalFader::SetValue(641, false);
    Wheel(slider, 5, 50, kUp, kHfcModifierShift);
    slider.CHfcCtrlVerticalFader::SetValue(1265, false);
    Wheel(slider, 5, 50, kUp);
    slider.CHfcCtrlVerticalFader::SetValue(1270, false);
    Wheel(slider, 5, 50, kUp);
    EXPECT_THAT(Events(), ElementsAre("owner:value 650", "owner:value 1270"));
}

TEST_F(SliderTest, ADisabledSliderShowsItsDimThumbAndSwallowsPressAndWheel)
{
    CCustomSlider slider;
    Make(slider, 0, 127, 127, &dim);
    slider.SetEnabled(false);
    EXPECT_TRUE(slider.IsVisible());
    EXPECT_EQ(slider.GetWord(kHfcFaderThumb), HfcBitmapWord(&dim));
    Press(slider, 10, 90);
    Release(slider, 10, 90);
    Wheel(slider, 10, 50, kUp);
    EXPECT_THAT(Events(), IsEmpty());
    EXPECT_FALSE(HoldsCapture(slider));
    slider.SetEnabled(true);
    EXPECT_EQ(slider.GetWord(kHfcFaderThumb), HfcBitmapWord(&thumb));
    Wheel(slider, 10, 50, kUp);
    EXPECT_THAT(Events(), ElementsAre("owner:value 50"));

    CCustomSlider plain;
    Make(plain, 0, 127, 127);
    plain.SetEnabled(false);
    EXPECT_FALSE(plain.IsVisible());
    plain.SetEnabled(true);
    EXPECT_TRUE(plain.IsVisible());
}

class EditTextTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillSolidFont(font, 0xFFFFFFFF);
        FillSolidFont(dimFont, 0xFF808080);
        FillNumberedStrip(background, 200, 150, 1);
    }
    CustomEditTextDescriptor Field(int minimum, int maximum, int ratio)
    {
        CustomEditTextDescriptor descriptor;
        descriptor.x = 40;
        descriptor.y = 50;
        descriptor.font = &font;
        descriptor.background = &background;
        descriptor.characters = 4;
        descriptor.minimum = minimum;
        descriptor.maximum = maximum;
        descriptor.ratio = ratio;
        descriptor.dimFont = &dimFont;
        return descriptor;
    }
    void Make(CCustomEditText& field, const CustomEditTextDescriptor& descriptor)
    {
        ASSERT_TRUE(field.Create(&descriptor, 6, CCustomControl::kEventPosition));
        Place(field);
        Events().clear();
    }

    CHfcBmp font;
    CHfcBmp dimFont;
    CHfcBmp background;
};

TEST_F(EditTextTest, CountsSevenPixelsTimesTwiceTheRatioFromZero)
{
    CCustomEditText field;
    Make(field, Field(-10, 10, 1));
    EXPECT_EQ(field.GetControlType(), CCustomControl::kEditText);
    EXPECT_EQ(field.GetRatio(), 2);
    EXPECT_EQ(field.CHfcCtrlOldCharEditText::GetMinimum(), -140);
    EXPECT_EQ(field.CHfcCtrlOldCharEditText::GetMaximum(), 140);
    EXPECT_EQ(field.GetRect(), (RECT{40, 50, 64, 59}));
    field.SetValue(3);
    EXPECT_EQ(field.CHfcCtrlOldCharEditText::GetValue(), 42);
    EXPECT_EQ(field.GetValue(), 3);
    field.SetMin(2);
    field.SetMax(5);
    EXPECT_EQ(field.CHfcCtrlOldCharEditText::GetMinimum(), 28) << "not counted from the minimum";
    EXPECT_EQ(field.CHfcCtrlOldCharEditText::GetMaximum(), 70);

    CCustomEditText divided;
    Make(divided, Field(0, 100, -2));
    EXPECT_EQ(divided.CHfcCtrlOldCharEditText::GetMaximum(), 175) << "100 x 7 / 4";
}

TEST_F(EditTextTest, TheWheelMovesOneValueStepAndADisabledFieldSwallowsPressAndWheel)
{
    CCustomEditText field;
    Make(field, Field(0, 24, 5));
    field.SetValue(12);
    Wheel(field, 3, 3, kUp);
    Wheel(field, 3, 3, kDown, kHfcModifierShift);
    EXPECT_THAT(Events(), ElementsAre("owner:value 910", "owner:value 770"));
    EXPECT_EQ(field.PositionToValue(910), 13);

    Events().clear();
    field.SetValue(24);
    Wheel(field, 3, 3, kUp);
    EXPECT_THAT(Events(), IsEmpty()) << "clamped to the maximum, which it has";

    field.SetEnabled(false);
    EXPECT_TRUE(field.IsVisible());
    EXPECT_EQ(field.GetDescriptor().font, &dimFont);
    Press(field, 3, 3);
    Wheel(field, 3, 3, kDown);
    EXPECT_THAT(Events(), IsEmpty());
    field.SetEnabled(true);
    EXPECT_EQ(field.GetDescriptor().font, &font);
}

TEST_F(EditTextTest, TheBackgroundPieceComesFromTheOriginSetBeforeCreateAndMovesWithTheField)
{
    CCustomEditText own;
    Make(own, Field(0, 127, 1));
    EXPECT_EQ(own.GetDescriptor().backgroundX, 40);
    EXPECT_EQ(own.GetDescriptor().backgroundY, 50);

    CCustomEditText field;
    field.SetBackgroundOrigin(false, 28, 145);
    Make(field, Field(0, 127, 1));
    EXPECT_EQ(field.GetDescriptor().backgroundX, 28);
    EXPECT_EQ(field.GetDescriptor().backgroundY, 145);
    ASSERT_TRUE(field.Move(60, 70, false));
    EXPECT_EQ(field.GetDescriptor().backgroundX, 60);
    EXPECT_EQ(field.GetDescriptor().backgroundY, 70);
}

TEST_F(EditTextTest, GetTextCutsTheShownTextToTheBuffer)
{
    CCustomEditText field;
    Make(field, Field(0, 127, 1));
    field.SetData("Saw", false);
    char text[8] = "xxxxxxx";
    field.GetText(text, sizeof text);
    EXPECT_STREQ(text, "Saw");
    field.GetText(text, 3);
    EXPECT_STREQ(text, "Sa");
    field.GetText(text, 1);
    EXPECT_STREQ(text, "");
}

}  // namespace
}  // namespace ui_test
