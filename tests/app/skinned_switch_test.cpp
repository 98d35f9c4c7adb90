// The skinned strip controls: switch, LED and button take their states
// from strips of two frames per state, bit 31 of a value is the switch's
// pressed state, a disabled one swallows the press; the bitmap list shows
// frame n for value n, hands its press to the owner and stays shown, half
// transparent, while disabled without a dim strip; the static text keeps
// its number without a repaint; and which of them cut their background at
// the origin set before Create.
#include "control_fixture.h"

#include "app/controls/CustomBitmapList.h"
#include "app/controls/CustomDragReceiver.h"
#include "app/controls/CustomGraphs.h"
#include "app/controls/CustomList.h"
#include "app/controls/CustomPageButton.h"
#include "app/controls/CustomStaticText.h"
#include "app/controls/CustomSwitches.h"

#include "framework/ui/HfcBmp.h"

#include <gmock/gmock.h>

namespace ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class StripTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillNumberedStrip(strip, 12, 6, 4);
        FillNumberedStrip(dim, 12, 6, 4);
        FillNumberedStrip(background, 200, 150, 1);
    }
    CustomSwitchDescriptor Switch()
    {
        CustomSwitchDescriptor descriptor;
        descriptor.x = 20;
        descriptor.y = 30;
        descriptor.bitmap = &strip;
        descriptor.background = &background;
        return descriptor;
    }
    // The value's frame as drawn at the control's corner.
    int ShownFrame(CHfcControl& control)
    {
        Render(control);
        return FrameOf(Pixel(control.GetRect().left, control.GetRect().top));
    }

    CHfcBmp strip;
    CHfcBmp dim;
    CHfcBmp background;
};

TEST_F(StripTest, ASwitchHasTwoStatesOfTwoFramesAndTakesBit31AsItsPressedState)
{
    CCustomSwitch toggle;
    CustomSwitchDescriptor descriptor = Switch();
    ASSERT_TRUE(toggle.Create(&descriptor, 3, CCustomControl::kEventToggle));
    Place(toggle);
    EXPECT_EQ(toggle.GetControlType(), CCustomControl::kSwitch);
    EXPECT_EQ(toggle.GetEventCode(), 1u);
    EXPECT_EQ(toggle.GetRect(), (RECT{20, 30, 32, 36})) << "a quarter of the strip";
    EXPECT_EQ(toggle.CHfcCtrlOldSwitch::GetMaximum(), 1);
    EXPECT_EQ(toggle.GetDescriptor().bitmap, &strip);

    toggle.SetValue(1);
    EXPECT_EQ(toggle.GetValue(), 1);
    EXPECT_EQ(ShownFrame(toggle), 2);
    toggle.SetValue(1);
    EXPECT_FALSE(toggle.IsDirty()) << "its value already";
    toggle.SetValue(1 | kHfcValuePressed);
    EXPECT_TRUE(toggle.IsPressed());
    EXPECT_EQ(toggle.GetValue(), 0) << "the whole word is clamped, so a pressed value is below the range";
    EXPECT_EQ(ShownFrame(toggle), 1);
    toggle.SetValue(0 | kHfcValuePressed);
    EXPECT_FALSE(toggle.IsDirty());
    toggle.SetValue(1);
    EXPECT_FALSE(toggle.IsPressed());
    EXPECT_EQ(ShownFrame(toggle), 2);
    toggle.SetValue(5);
    EXPECT_EQ(toggle.GetValue(), 1);
    EXPECT_EQ(toggle.PositionToValue(1), 1);
    EXPECT_EQ(toggle.ValueToPosition(1), 1);
}

TEST_F(StripTest, AnLedAlwaysReportsWithTheFixedValueCodeAndKeepsItsDescriptor)
{
    CCustomLed led;
    CustomLedDescriptor descriptor;
    descriptor.x = 10;
    descriptor.y = 12;
    descriptor.width = 32;
    descriptor.height = 6;
    descriptor.bitmap = &strip;
    descriptor.group = 3;
    descriptor.pressedValue = 2;
    ASSERT_TRUE(led.Create(&descriptor, 7));
    Place(led);
    EXPECT_EQ(led.GetControlType(), CCustomControl::kLed);
    EXPECT_EQ(led.GetEventCode(), 2u);
    EXPECT_EQ(led.GetRect(), (RECT{10, 12, 42, 18}));
    EXPECT_EQ(led.GetDescriptor().group, 3);
    EXPECT_EQ(led.GetDescriptor().pressedValue, 2);
    led.SetValue(1);
    EXPECT_EQ(ShownFrame(led), 2);
    Events().clear();
    Press(led, 2, 2);
    EXPECT_THAT(Events(), ElementsAre("owner:mouse down 2,2", "owner:edit begin", "owner:value 1 pressed"));
    Release(led, 2, 2);
}

TEST_F(StripTest, WithoutADimStripADisabledSwitchHidesAndWithOneItShowsItBothSwallowingThePress)
{
    CCustomSwitch plain;
    CustomSwitchDescriptor descriptor = Switch();
    ASSERT_TRUE(plain.Create(&descriptor, 0, CCustomControl::kEventToggle));
    Place(plain);
    plain.SetEnabled(false);
    EXPECT_FALSE(plain.IsVisible());
    plain.SetEnabled(true);
    EXPECT_TRUE(plain.IsVisible());

    CCustomSwitch dimmed;
    descriptor.x = 60;
    descriptor.dimBitmap = &dim;
    ASSERT_TRUE(dimmed.Create(&descriptor, 1, CCustomControl::kEventToggle));
    Place(dimmed);
    Render(dimmed);
    dimmed.SetEnabled(false);
    EXPECT_TRUE(dimmed.IsVisible());
    EXPECT_TRUE(dimmed.IsDirty());
    EXPECT_EQ(dimmed.GetWords().Strip(), &dim);
    Events().clear();
    Press(dimmed, 2, 2);
    EXPECT_FALSE(HoldsCapture(dimmed));
    EXPECT_THAT(Events(), IsEmpty());
    dimmed.SetEnabled(true);
    EXPECT_EQ(dimmed.GetWords().Strip(), &strip);
    Press(dimmed, 2, 2);
    EXPECT_TRUE(HoldsCapture(dimmed));
    Release(dimmed, 2, 2);
}

TEST_F(StripTest, AButtonHasOneStateAndCutsItsBackgroundAtTheOriginSetBeforeCreate)
{
    CCustomButton button;
    button.SetBackgroundOrigin(false, 100, 90);
    CustomSwitchDescriptor descriptor = Switch();
    ASSERT_TRUE(button.Create(&descriptor, 0, CCustomControl::kEventToggle));
    Place(button);
    EXPECT_EQ(button.GetControlType(), CCustomControl::kButton);
    EXPECT_EQ(button.GetRect(), (RECT{20, 30, 32, 42})) << "half of the strip";
    EXPECT_EQ(button.GetWords()[kHfcStripBackX], 100);
    EXPECT_EQ(button.GetWords()[kHfcStripBackY], 90);
    button.SetValue(1);
    EXPECT_EQ(button.GetValue(), 0) << "one state";

    // The switch and the LED cut theirs at their own position whatever
    // was set.
    CCustomSwitch toggle;
    toggle.SetBackgroundOrigin(false, 100, 90);
    ASSERT_TRUE(toggle.Create(&descriptor, 1, 0));
    EXPECT_EQ(toggle.GetWords()[kHfcStripBackX], 20);
    EXPECT_EQ(toggle.GetWords()[kHfcStripBackY], 30);

    button.SetEnabled(false);
    Events().clear();
    Press(button, 2, 2);
    EXPECT_THAT(Events(), IsEmpty());
    EXPECT_FALSE(button.IsVisible());
}

class BitmapListTest : public StripTest
{
protected:
    void Make(CCustomBitmapList& list, CHfcBmp* dimStrip)
    {
        CustomBitmapListDescriptor descriptor;
        descriptor.x = 30;
        descriptor.y = 40;
        descriptor.bitmap = &strip;
        descriptor.background = &background;
        descriptor.frames = 4;
        descriptor.dimBitmap = dimStrip;
        list.SetBackgroundOrigin(false, 5, 6);
        ASSERT_TRUE(list.Create(&descriptor, 2, CCustomControl::kEventPosition));
        Place(list);
        Events().clear();
    }
};

TEST_F(BitmapListTest, ShowsFrameNForValueNAndHandsThePressToTheOwner)
{
    CCustomBitmapList list;
    Make(list, nullptr);
    EXPECT_EQ(list.GetControlType(), CCustomControl::kBitmapList);
    EXPECT_EQ(list.GetWords()[kHfcStripBackX], 5) << "the origin set before Create";
    EXPECT_EQ(list.GetWords()[kHfcStripBackY], 6);
    list.SetValue(3);
    EXPECT_EQ(ShownFrame(list), 3);
    list.SetValue(3);
    EXPECT_FALSE(list.IsDirty());

    Press(list, 4, 5, 1);
    owner.swallow.insert("mouse down");
    EXPECT_TRUE(list.OnHfcMouseLButtonDown(mouse, 1, 2, 0));
    owner.swallow.clear();
    EXPECT_FALSE(list.OnHfcMouseLButtonDown(mouse, 1, 2, 0)) << "the owner's answer";
    EXPECT_THAT(Events(), ElementsAre("owner:mouse down 4,5", "owner:mouse down 1,2", "owner:mouse down 1,2"));
    EXPECT_FALSE(HoldsCapture(list));
}

TEST_F(BitmapListTest, DisabledItKeepsShowingWithItsDimStripOrAtHalfOpacity)
{
    CCustomBitmapList list;
    Make(list, nullptr);
    list.SetValue(2);
    list.SetEnabled(false);
    EXPECT_TRUE(list.IsVisible());
    Render(list);
    // Frame 2 (0xFF000003) at half over the background (0xFF000001).
    EXPECT_EQ(Pixel(31, 41), 0xFF000002u);
    list.SetEnabled(true);
    EXPECT_EQ(ShownFrame(list), 2);
    list.Destroy();

    CCustomBitmapList dimmed;
    CHfcBmp other;
    FillNumberedStrip(other, 12, 6, 8);
    Make(dimmed, &other);
    dimmed.SetValue(1);
    dimmed.SetEnabled(false);
    EXPECT_EQ(dimmed.GetWords().Strip(), &other);
    EXPECT_EQ(ShownFrame(dimmed), 1) << "the dim strip fully opaque";
    Events().clear();
    Press(dimmed, 1, 1);
    EXPECT_THAT(Events(), ElementsAre("owner:mouse down 1,1")) << "a disabled list still offers its press";
}

class StaticTextTest : public StripTest
{
protected:
    void SetUp() override
    {
        StripTest::SetUp();
        FillSolidFont(font, 0xFFFFFFFF);
        FillSolidFont(dimFont, 0xFF808080);
    }
    CustomStaticTextDescriptor Label()
    {
        CustomStaticTextDescriptor descriptor;
        descriptor.x = 20;
        descriptor.y = 25;
        descriptor.columns = 5;
        descriptor.font = &font;
        descriptor.background = &background;
        descriptor.dimFont = &dimFont;
        return descriptor;
    }

    CHfcBmp font;
    CHfcBmp dimFont;
};

TEST_F(StaticTextTest, ALabelOfSixByNineCellsKeepsItsNumberWithoutRepaintingAndGivesItsText)
{
    CCustomStaticText label;
    CustomStaticTextDescriptor descriptor = Label();
    label.SetBackgroundOrigin(false, 28, 145);
    ASSERT_TRUE(label.Create(&descriptor, 1, 0));
    Place(label);
    EXPECT_EQ(label.GetControlType(), CCustomControl::kStaticText);
    EXPECT_EQ(label.GetRect(), (RECT{20, 25, 50, 34}));
    EXPECT_EQ(label.GetWord(kHfcStaticTextBackX), 28);
    EXPECT_EQ(label.GetWord(kHfcStaticTextBackY), 145);
    Render(label);
    label.SetValue(42);
    EXPECT_EQ(label.GetValue(), 42);
    EXPECT_FALSE(label.IsDirty());

    label.SetData("Cutoff", false);
    char text[8] = "xxxxxxx";
    label.GetText(text, sizeof text);
    EXPECT_STREQ(text, "Cutof") << "a line of five columns";
    label.GetText(text, 3);
    EXPECT_STREQ(text, "Cu");

    ASSERT_TRUE(label.Move(40, 60, false));
    EXPECT_EQ(label.GetWord(kHfcStaticTextBackX), 40);
    EXPECT_EQ(label.GetWord(kHfcStaticTextBackY), 60);

    label.SetEnabled(false);
    EXPECT_EQ(label.GetWord(kHfcStaticTextFont), HfcBitmapWord(&dimFont));
    EXPECT_TRUE(label.IsVisible());
    label.SetEnabled(true);
    EXPECT_EQ(label.GetWord(kHfcStaticTextFont), HfcBitmapWord(&font));

    CCustomStaticText plain;
    descriptor.dimFont = nullptr;
    ASSERT_TRUE(plain.Create(&descriptor, 2, 0));
    Place(plain);
    plain.SetEnabled(false);
    EXPECT_FALSE(plain.IsVisible());
}

TEST(SkinnedControls, EachClassAnswersItsTypeCode)
{
    EXPECT_EQ(CCustomBitmapList().GetControlType(), 1);
    EXPECT_EQ(CCustomButton().GetControlType(), 2);
    EXPECT_EQ(CCustomLed().GetControlType(), 6);
    EXPECT_EQ(CCustomStaticText().GetControlType(), 10);
    EXPECT_EQ(CCustomSwitch().GetControlType(), 11);
    EXPECT_EQ(CCustomList().GetControlType(), 12);
    EXPECT_EQ(CCustomPageButton().GetControlType(), 13);
    EXPECT_EQ(CCustomDragReceiver().GetControlType(), 14);
    EXPECT_EQ(CCustomAnalogLed().GetControlType(), 15);
    EXPECT_EQ(CCustomEnvelopeCurve().GetControlType(), 16);
    EXPECT_EQ(CCustomLfoGraph().GetControlType(), 17);
}

}  // namespace
}  // namespace ui_test
