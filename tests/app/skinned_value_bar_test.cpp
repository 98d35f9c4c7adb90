// The value bar: tenths of a value, its length from an edge or from the
// middle, a press that sets the value under the pointer and a drag that
// adds to it (a tenth as fast with Shift, never less than a unit), and the
// skinned list's cells.
#include "control_fixture.h"

#include "app/controls/CustomList.h"
#include "app/controls/CustomValueBar.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlListItem.h"
#include "framework/ui/HfcModifiers.h"

#include <gmock/gmock.h>

namespace ui_test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr ARGB kBarColor = 0xFF20C040;
constexpr ARGB kFrameColor = 0xFFFF0000;

class ValueBarTest : public ControlTest
{
protected:
    CustomValueBarDescriptor Bar(int width, int height)
    {
        CustomValueBarDescriptor descriptor;
        descriptor.x = 10;
        descriptor.y = 20;
        descriptor.width = width;
        descriptor.height = height;
        descriptor.barColor = kBarColor;
        descriptor.frameColor = kFrameColor;
        return descriptor;
    }
    void Make(CCustomValueBar& bar, const CustomValueBarDescriptor& descriptor)
    {
        ASSERT_TRUE(bar.Create(&descriptor, 3, CCustomControl::kEventPosition));
        Place(bar);
        Events().clear();
    }
};

TEST_F(ValueBarTest, APressSetsTheValueUnderThePointAndADragAddsToIt)
{
    CCustomValueBar bar;
    Make(bar, Bar(102, 11));
    EXPECT_EQ(bar.GetControlType(), CCustomControl::kValueBar);
    Press(bar, 50, 5);
    EXPECT_EQ(bar.CHfcControl::GetValue(), 635);
    EXPECT_EQ(bar.GetValue(), 63);
    EXPECT_TRUE(HoldsCapture(bar));
    MoveTo(bar, 60, 5);                     // 10 x 1270 / 100 = 127
    MoveTo(bar, 61, 5, kHfcModifierShift);  // 12 / 10
    MoveTo(bar, 51, 5, kHfcModifierShift);  // -127 / 10
    MoveTo(bar, 500, 5);
    Release(bar, 500, 5);
    EXPECT_FALSE(HoldsCapture(bar));
    EXPECT_THAT(Events(), ElementsAre("owner:mouse down 50,5", "owner:edit begin", "owner:value 63", "owner:value 76",
                                      "owner:value 76", "owner:value 75", "owner:value 127", "owner:mouse up 500,5",
                                      "owner:edit end"));
    EXPECT_EQ(bar.CHfcControl::GetValue(), 1270);
}

TEST_F(ValueBarTest, WithShiftAStepThatWouldVanishMovesOneUnitAndAVerticalBarCountsUpward)
{
    CCustomValueBar fine;
    CustomValueBarDescriptor few = Bar(102, 11);
    few.maximum = 12;
    Make(fine, few);
    Press(fine, 50, 5);
    EXPECT_EQ(fine.CHfcControl::GetValue(), 60);
    MoveTo(fine, 51, 5, kHfcModifierShift);  // 120 / 100 = 1, a tenth of that is 0
    EXPECT_EQ(fine.CHfcControl::GetValue(), 61);
    MoveTo(fine, 49, 5, kHfcModifierShift);  // -240 / 100 = -2, a tenth of that is 0
    EXPECT_EQ(fine.CHfcControl::GetValue(), 60);
    MoveTo(fine, 59, 5, kHfcModifierShift);  // 1200 / 100 = 12, a tenth of that is 1
    EXPECT_EQ(fine.CHfcControl::GetValue(), 61);
    Release(fine, 59, 5);

    CCustomValueBar vertical;
    CustomValueBarDescriptor descriptor = Bar(12, 96);
    descriptor.vertical = true;
    Make(vertical, descriptor);
    Press(vertical, 5, 84);  // (94 - 84) x 1270 / 94
    EXPECT_EQ(vertical.CHfcControl::GetValue(), 135);
    MoveTo(vertical, 5, 74);  // 10 pixels up
    EXPECT_EQ(vertical.CHfcControl::GetValue(), 270);
    Release(vertical, 5, 74);
}

TEST_F(ValueBarTest, ItIgnoresPressesWhileReadOnlyOrDisabledOrWhenTheOwnerTakesThem)
{
    CCustomValueBar bar;
    Make(bar, Bar(102, 11));
    bar.SetReadOnly(true);
    Press(bar, 50, 5);
    bar.SetReadOnly(false);
    bar.SetEnabled(false);
    Press(bar, 50, 5);
    bar.SetEnabled(true);
    owner.swallow.insert("mouse down");
    Press(bar, 50, 5);
    EXPECT_FALSE(HoldsCapture(bar));
    EXPECT_EQ(bar.GetValue(), 0);
    EXPECT_THAT(Events(), ElementsAre("owner:mouse down 50,5", "owner:mouse down 50,5", "owner:mouse down 50,5"));
}

TEST_F(ValueBarTest, ValuesAreClampedThenKeptInTenths)
{
    CCustomValueBar bar;
    CustomValueBarDescriptor descriptor = Bar(102, 11);
    descriptor.minimum = -10;
    descriptor.maximum = 10;
    Make(bar, descriptor);
    bar.SetValue(200);
    EXPECT_EQ(bar.CHfcControl::GetValue(), 100);
    bar.SetValue(-200);
    EXPECT_EQ(bar.GetValue(), -10);
    EXPECT_EQ(bar.ValueToPosition(7), 7);
    EXPECT_EQ(bar.PositionToValue(7), 7);
    Render(bar);
    bar.SetSubValue(4);
    EXPECT_EQ(bar.GetSubValue(), 4);
    EXPECT_TRUE(bar.IsDirty());
}

TEST_F(ValueBarTest, ThePlainBarGrowsFromItsEdgeAndTheCentredOneFromItsMiddle)
{
    CCustomValueBar plain;
    Make(plain, Bar(102, 11));
    plain.SetValue(63);
    EXPECT_EQ(plain.GetBarRect(), (RECT{11, 21, 11 + 49, 30})) << "100 x 630 / 1270";
    plain.SetValue(0);
    EXPECT_EQ(plain.GetBarRect(), (RECT{11, 21, 11, 30}));

    CCustomValueBar vertical;
    CustomValueBarDescriptor descriptor = Bar(12, 96);
    descriptor.vertical = true;
    Make(vertical, descriptor);
    vertical.SetValue(127);
    EXPECT_EQ(vertical.GetBarRect(), (RECT{11, 21, 21, 115}));

    struct Case
    {
        int value;
        int left, right;
    } cases[] = {
        {0, 61, 62},    // the centre: one pixel at half = 51
        {-63, 11, 62},  // 630 x 50 / 630 = 50, and one more
        {-1, 60, 62},   // 10 x 50 / 630 = 0, at least 1, and one more
        {-13, 51, 62},  // 130 x 50 / 630 = 10, and one more
        {63, 61, 111},  // (102 - 51 - 2) x 630 / 630 = 49, and one more
        {10, 61, 69},   // 49 x 100 / 630 = 7, and one more
    };
    CCustomValueBar centred;
    descriptor = Bar(102, 11);
    descriptor.minimum = -63;
    descriptor.maximum = 63;
    descriptor.centred = true;
    Make(centred, descriptor);
    for (const Case& c : cases) {
        centred.SetValue(c.value);
        EXPECT_EQ(centred.GetBarRect(), (RECT{c.left, 21, c.right, 30})) << c.value;
    }
}

TEST_F(ValueBarTest, ItDrawsTheBarThenTheFrameWithTheBarColoursAlphaHalvedWhileDisabled)
{
    CCustomValueBar bar;
    Make(bar, Bar(102, 11));
    bar.SetValue(127);
    Render(bar);
    EXPECT_EQ(Pixel(10, 20), kFrameColor);
    EXPECT_EQ(Pixel(111, 30), kFrameColor);
    EXPECT_EQ(Pixel(50, 25), kBarColor);
    bar.SetEnabled(false);
    EXPECT_TRUE(bar.IsDirty());
    Render(bar);
    EXPECT_EQ(Pixel(50, 25) >> 24, 0x7Fu);
    EXPECT_EQ(Pixel(10, 20), kFrameColor);
    SaveCrop(bar.GetRect(), "value_bar_disabled");

    // A bar bitmap gives the piece under the bar, at the dim factor while
    // disabled.
    CHfcBmp strip;
    FillNumberedStrip(strip, 102, 11, 1);
    CCustomValueBar textured;
    CustomValueBarDescriptor descriptor = Bar(102, 11);
    descriptor.y = 60;
    descriptor.bar = &strip;
    Make(textured, descriptor);
    textured.SetValue(127);
    Render(textured);
    EXPECT_EQ(Pixel(50, 65), 0xFF000001u);
    textured.SetEnabled(false);
    Render(textured);
    EXPECT_NEAR(static_cast<int>(Pixel(50, 65) >> 24), 0x7F, 1);
}

class ListTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillSolidFont(font, 0xFFFFFFFF);
    }
    // Two columns of two lines of cells 30 x 12 at (20, 20).
    void Make(CCustomList& list)
    {
        HfcWord words[kHfcListWords]{};
        words[kHfcListX] = 20;
        words[kHfcListY] = 20;
        words[kHfcListWidth] = 60;
        words[kHfcListHeight] = 24;
        words[kHfcListFont] = HfcBitmapWord(&font);
        words[kHfcListColumns] = 2;
        words[kHfcListRows] = 2;
        words[kHfcListLabelY] = 1;
        words[kHfcListSelectedColor] = 0xFF9B9B9B;
        words[kHfcListMarkedColor] = 0xFF0000FF;
        ASSERT_TRUE(list.Create(words, 1, 0));
        Place(list);
        for (const char* text : {"A", "BB", "C", "D"})
            list.AddItem()->SetText(text);
    }

    CHfcBmp font;
};

TEST_F(ListTest, CellsAreRuledInTheGridColourInsetByTheMarginsAndSelectedInTheListsColour)
{
    CCustomList list;
    Make(list);
    EXPECT_EQ(list.GetControlType(), CCustomControl::kList);
    list.SetSelectionColor(0xFF4A4A55);
    list.SetGridColor(0xFF00FF00);
    list.SetCellMargins(2, 1);
    list.SetItemSelected(0, true);
    list.GetItem(3)->SetMarked(true);
    Render(list);
    SaveCrop(list.GetRect(), "custom_list");
    // Grid: left and top of every cell, right and bottom of the last ones.
    EXPECT_EQ(Pixel(20, 25), 0xFF00FF00u);
    EXPECT_EQ(Pixel(50, 25), 0xFF00FF00u) << "the left of the second column";
    EXPECT_EQ(Pixel(79, 25), 0xFF00FF00u) << "the right of the last column";
    EXPECT_EQ(Pixel(30, 43), 0xFF00FF00u) << "the bottom of the last line";
    EXPECT_NE(Pixel(49, 25), 0xFF00FF00u) << "no right edge inside";
    // The selection inside the margins; the label centred: one cell of 6
    // in the 26 pixels left, from x 2 + 10.
    EXPECT_EQ(Pixel(23, 22), 0xFF4A4A55u);
    EXPECT_NE(Pixel(21, 22), 0xFF4A4A55u) << "the margin";
    EXPECT_EQ(Pixel(32, 25), 0xFFFFFFFFu);
    EXPECT_EQ(Pixel(31, 25), 0xFF4A4A55u);
    EXPECT_EQ(Pixel(38, 25), 0xFF4A4A55u);
    // Item 3 (second column, second line) is marked.
    EXPECT_EQ(Pixel(53, 34), 0xFF0000FFu);
}

}  // namespace
}  // namespace ui_test
