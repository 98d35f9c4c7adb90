// Faders: the thumb's offset for a value, the drag that reports past the
// ends, the jump to the pointer, Ctrl's default on the horizontal fader,
// and the descriptors Create refuses.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlFaders.h"
#include "framework/ui/HfcModifiers.h"

namespace ui_test {
namespace {

class Faders : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillNumberedStrip(thumb, 12, 10, 1);
    }
    // At (10, 10), 20 x 90, the track at (4, 5), 78 long: the thumb of 12 x
    // 10 travels 68 pixels. The horizontal one lies on its side.
    std::vector<HfcWord> Words(bool vertical, int trackLength = 78, int minimum = 0, int maximum = 48)
    {
        if (vertical)
            return {10,      10, 20, 90, HfcBitmapWord(&thumb), 0, 0, 0, 0, 4, 5, 0, 0, trackLength, minimum,
                    maximum, 0,  2,  1};
        return {10,      10, 90, 20, HfcBitmapWord(&thumb), 0, 0, 0, 0, 5, 4, 10, 12, trackLength, minimum,
                maximum, 0,  2,  1};
    }

    CHfcBmp thumb;
};

TEST_F(Faders, TheThumbOffsetPutsTheMinimumAtTheBottomOfAVerticalFader)
{
    CHfcCtrlVerticalFader vertical;
    CHfcCtrlHorizontalFader horizontal;
    ASSERT_TRUE(vertical.Create(Words(true).data(), 1, 0));
    ASSERT_TRUE(horizontal.Create(Words(false).data(), 2, 0));
    EXPECT_EQ(vertical.GetWord(kHfcFaderThumbWidth), 12) << "the thumb's size from its bitmap";
    struct Case
    {
        int value, vertical, horizontal;
    };
    for (const Case& c : {Case{0, 68, 0}, Case{48, 1, 67}, Case{24, 35, 33}, Case{99, 1, 67}}) {
        vertical.SetValue(c.value, true);
        horizontal.SetValue(c.value, true);
        EXPECT_EQ(vertical.GetThumbOffset(), c.vertical) << c.value;
        EXPECT_EQ(horizontal.GetThumbOffset(), c.horizontal) << c.value;
    }
    Place(vertical);
    Render(vertical);
    EXPECT_EQ(FrameOf(Pixel(14, 16)), 0) << "thumb at track y 5 + offset 1";
    EXPECT_EQ(Pixel(14, 14) >> 24, 0u) << "no background: cleared";
}

TEST_F(Faders, ADragReportsTheEndPastItAndMovesAgainOnlyOnceBackInRange)
{
    CHfcCtrlVerticalFader fader;
    ASSERT_TRUE(fader.Create(Words(true).data(), 1, 0));
    Place(fader);
    Events().clear();
    // The thumb covers y 73..82 at value 0.
    Press(fader, 8, 78);
    MoveTo(fader, 8, 68);
    MoveTo(fader, 8, 38);
    MoveTo(fader, 8, 30);
    MoveTo(fader, 8, 53);
    MoveTo(fader, 8, 55);
    MoveTo(fader, 8, 54, kHfcModifierShift);
    Release(fader, 8, 54);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse down 8,78", "owner:edit begin", "owner:value 0", "owner:value 20",
                                        "owner:value 48", "owner:value 48", "owner:value 48", "owner:value 46",
                                        "owner:value 47", "owner:edit end"}));
    EXPECT_EQ(fader.GetValue(), 0) << "reported, never stored";
    EXPECT_FALSE(fader.IsDragging());
    EXPECT_EQ(mouse->GetCapture(), nullptr);
}

TEST_F(Faders, APressOffTheThumbJumpsToThePointer)
{
    CHfcCtrlVerticalFader vertical;
    CHfcCtrlHorizontalFader horizontal;
    ASSERT_TRUE(vertical.Create(Words(true, 78, 100, 148).data(), 1, 0));
    ASSERT_TRUE(horizontal.Create(Words(false, 78, 100, 148).data(), 2, 0));
    Place(vertical);
    Place(horizontal);
    Events().clear();
    // The thumb's middle at the top of the travel, then half way.
    Press(vertical, 8, 10);
    Release(vertical, 8, 10);
    Press(vertical, 8, 44);
    Release(vertical, 8, 44);
    Press(horizontal, 78, 8);
    Release(horizontal, 78, 8);
    std::vector<std::string> values;
    for (const std::string& event : Events())
        if (event.rfind("owner:value", 0) == 0)
            values.push_back(event);
    EXPECT_EQ(values, (std::vector<std::string>{"owner:value 148", "owner:value 124", "owner:value 148"}))
        << "counted from the minimum";
}

TEST_F(Faders, APressBesideTheTrackOpensNoEdit)
{
    CHfcCtrlVerticalFader fader;
    ASSERT_TRUE(fader.Create(Words(true).data(), 1, 0));
    Place(fader);
    Events().clear();
    Press(fader, 17, 40);
    EXPECT_TRUE(HoldsCapture(fader)) << "the capture is taken all the same";
    MoveTo(fader, 17, 20);
    Release(fader, 17, 20);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 17,40"}) << "no end without a begin";
    EXPECT_EQ(mouse->GetCapture(), nullptr);
}

TEST_F(Faders, CtrlOnTheHorizontalFaderTakesTheOwnersDefault)
{
    CHfcCtrlHorizontalFader fader;
    ASSERT_TRUE(fader.Create(Words(false).data(), 1, 0));
    Place(fader);
    owner.hasDefault = true;
    owner.defaultValue = 30;
    Events().clear();
    Press(fader, 40, 8, kHfcModifierCtrl);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 40,8", "owner:edit begin", "owner:query default",
                                                  "owner:edit end"}));
    EXPECT_EQ(fader.GetValue(), 30);
    EXPECT_EQ(fader.GetThumbOffset(), 69 * 30 / 49);
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    Release(fader, 40, 8);
    EXPECT_EQ(Events().size(), 4u);

    owner.hasDefault = false;
    Events().clear();
    // On the thumb, which now covers x 47..56.
    Press(fader, 50, 8, kHfcModifierCtrl);
    MoveTo(fader, 53, 8);
    Release(fader, 53, 8);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 50,8", "owner:edit begin", "owner:query default",
                                                  "owner:value 30", "owner:value 36", "owner:edit end"}))
        << "without a default the press goes on as a drag";
}

TEST_F(Faders, CreateRefusesATrackTheThumbCannotMoveAlong)
{
    CHfcCtrlVerticalFader vertical;
    CHfcCtrlHorizontalFader horizontal;
    EXPECT_FALSE(vertical.Create(nullptr, 1, 0));
    EXPECT_FALSE(vertical.Create(Words(true, 10).data(), 1, 0)) << "track as long as the thumb";
    EXPECT_FALSE(horizontal.Create(Words(false, 9).data(), 1, 0));
    EXPECT_FALSE(vertical.Create(Words(true, 78, 5, 4).data(), 1, 0)) << "maximum below the minimum";
    EXPECT_TRUE(vertical.Create(Words(true, 78, 5, 5).data(), 1, 0)) << "a single value";
    EXPECT_FALSE(horizontal.IsCreated());
    EXPECT_EQ(horizontal.GetWord(kHfcFaderMaximum), 48) << "the defaults stay";
    vertical.Destroy();
    EXPECT_EQ(vertical.GetWord(kHfcFaderMaximum), 16383) << "Destroy restores the defaults";
    EXPECT_EQ(vertical.GetWord(kHfcFaderStep), 128);
}

}  // namespace
}  // namespace ui_test
