// The knob: the frame for a value, the three drag modes and Alt's swap,
// Ctrl+click's default, and what Create refuses.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlKnob.h"
#include "framework/ui/HfcKnobMode.h"
#include "framework/ui/HfcModifiers.h"

namespace ui_test {
namespace {

// A knob of 27 x 27 at (20, 20): its centre is (13, 13).
std::vector<HfcWord> KnobWords(CHfcBmp* strip, int frames, int minimum, int maximum, int step = 8)
{
    return {20, 20, 0, 0, HfcBitmapWord(strip), 0, 0, 0, frames, 0, minimum, maximum, step};
}

class Knob : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillNumberedStrip(strip, 27, 27, 101);
        ASSERT_TRUE(knob.Create(KnobWords(&strip, 101, 0, 127).data(), 1, 0));
        Place(knob);
        Events().clear();
    }
    void TearDown() override
    {
        HfcSetKnobMode(kHfcKnobModeVertical);
        ControlTest::TearDown();
    }

    CHfcBmp strip;
    CHfcCtrlKnob knob;
};

TEST_F(Knob, TheFrameFollowsTheValueOverTheRange)
{
    struct Case
    {
        int frames, minimum, maximum, value, frame;
    };
    const Case cases[] = {
        {101, 0, 127, 0, 0},
        {101, 0, 127, 64, 50},
        {101, 0, 127, 127, 100},
        {101, 0, 127, 1, 0},
        {101, -63, 63, -63, 0},
        {101, -63, 63, 0, 50},
        {101, -63, 63, 63, 100},
        // No division by a frame count of 1 or an empty range.
        {1, 0, 127, 127, 0},
        {101, 0, 0, 0, 0},
        {101, 5, 5, 5, 0},
    };
    for (const Case& c : cases) {
        CHfcCtrlKnob other;
        ASSERT_TRUE(other.Create(KnobWords(&strip, c.frames, c.minimum, c.maximum).data(), 1, 0));
        other.SetValue(c.value, false);
        EXPECT_EQ(other.GetFrame(), c.frame) << c.value << " of " << c.minimum << ".." << c.maximum;
    }
    knob.SetValue(64, true);
    Render(knob);
    EXPECT_EQ(FrameOf(Pixel(25, 25)), 50) << "the drawn frame";
    knob.SetValue(500, false);
    EXPECT_EQ(knob.GetValue(), 127);
}

TEST_F(Knob, TheVerticalModeSnapsToTheStepThenMovesByItPerPixel)
{
    knob.SetValue(13, false);
    Press(knob, 13, 13);
    EXPECT_EQ(knob.GetDragMode(), kHfcKnobModeVertical) << "the setting until it is set";
    MoveTo(knob, 13, 12);
    MoveTo(knob, 13, 9, kHfcModifierShift);
    MoveTo(knob, 13, -40);
    MoveTo(knob, 13, -41);
    Release(knob, 13, -41);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 13,13", "owner:edit begin", "owner:value 13",
                                                  "owner:value 16", "owner:value 19", "owner:value 127",
                                                  "owner:mouse up 13,-41", "owner:edit end"}));
    EXPECT_EQ(knob.GetValue(), 13) << "reported, never stored";
    EXPECT_EQ(mouse->GetCapture(), nullptr);

    Events().clear();
    knob.SetValue(13, false);
    Press(knob, 13, 13);
    MoveTo(knob, 13, 14);
    Release(knob, 13, 14);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 13,13", "owner:edit begin", "owner:value 13",
                                                  "owner:value 8", "owner:mouse up 13,14", "owner:edit end"}))
        << "moving down snaps up to 16 first, then steps down to 8";
}

TEST_F(Knob, AltSwapsTheModeForOneGesture)
{
    struct Case
    {
        int setting, modifiers, mode;
    };
    for (const Case& c : {Case{kHfcKnobModeVertical, kHfcModifierAlt, kHfcKnobModeCircular},
                          Case{kHfcKnobModeCircular, kHfcModifierAlt, kHfcKnobModeVertical},
                          Case{kHfcKnobModeRelative, kHfcModifierAlt, kHfcKnobModeVertical},
                          Case{kHfcKnobModeRelative, 0, kHfcKnobModeRelative}}) {
        HfcSetKnobMode(c.setting);
        Press(knob, 13, 2, c.modifiers);
        EXPECT_EQ(knob.GetDragMode(), c.mode) << c.setting << " with " << c.modifiers;
        Release(knob, 13, 2);
    }
    HfcSetKnobMode(7);
    EXPECT_EQ(HfcGetKnobMode(), kHfcKnobModeVertical);
    HfcSetKnobMode(-1);
    EXPECT_EQ(HfcGetKnobMode(), kHfcKnobModeCircular);
}

TEST_F(Knob, CtrlClickTakesTheOwnersDefaultAndGoesOn)
{
    knob.SetValue(100, false);
    Press(knob, 13, 13, kHfcModifierCtrl);
    Release(knob, 13, 13);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 13,13", "owner:query default", "owner:edit begin",
                                                  "owner:value 100", "owner:mouse up 13,13", "owner:edit end"}))
        << "no default: the value stays";
    Events().clear();
    owner.hasDefault = true;
    owner.defaultValue = 64;
    Press(knob, 13, 13, kHfcModifierCtrl);
    Release(knob, 13, 13);
    EXPECT_EQ(knob.GetValue(), 64);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 13,13", "owner:query default", "owner:edit begin",
                                                  "owner:value 64", "owner:mouse up 13,13", "owner:edit end"}));
    Events().clear();
    owner.swallow = {"mouse down"};
    Press(knob, 13, 13, kHfcModifierCtrl);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 13,13"});
    EXPECT_EQ(mouse->GetCapture(), nullptr);
}

TEST_F(Knob, TheCircularModeFollowsTheAngleAndSnapsTheDeadZoneToTheEnds)
{
    struct Case
    {
        int x, y;
        float fraction;
    };
    // Clockwise from 246 degrees through the top; the bottom's 48 degrees
    // go to the nearer end.
    for (const Case& c : {Case{12, 20, 0.0f}, Case{14, 20, 1.0f}, Case{13, 2, 0.5f}, Case{2, 13, 0.21153846f},
                          Case{24, 13, 0.78846157f}, Case{13, 26, 0.0f}}) {
        EXPECT_NEAR(knob.AngleFraction(c.x, c.y), c.fraction, 1e-5f) << c.x << "," << c.y;
    }
    HfcSetKnobMode(kHfcKnobModeCircular);
    Press(knob, 13, 2);
    MoveTo(knob, 2, 13);
    // Past the start and across the dead zone: the knob stays at the end.
    MoveTo(knob, 3, 20);
    MoveTo(knob, 20, 22);
    MoveTo(knob, 22, 20);
    MoveTo(knob, 3, 20);
    Release(knob, 3, 20);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 13,2", "owner:edit begin", "owner:value 63",
                                                  "owner:value 26", "owner:value 12", "owner:value 0", "owner:value 12",
                                                  "owner:mouse up 3,20", "owner:edit end"}));
}

TEST_F(Knob, TheRelativeModeAddsTheTurnAndAccumulatesSmallMoves)
{
    HfcSetKnobMode(kHfcKnobModeRelative);
    knob.SetValue(10, false);
    Press(knob, 13, 0);
    // A quarter turn clockwise: 127 x 90 / 300 = 38.
    MoveTo(knob, 26, 13);
    // A quarter turn back counter-clockwise through the top.
    MoveTo(knob, 13, 0);
    MoveTo(knob, 0, 13);
    Release(knob, 0, 13);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse down 13,0", "owner:edit begin", "owner:value 48", "owner:value 10",
                                        "owner:value 0", "owner:mouse up 0,13", "owner:edit end"}));

    Events().clear();
    knob.SetMaximum(40, false);
    knob.SetValue(10, false);
    Press(knob, 13, 0);
    // A pixel at the rim turns less than one of 40 values; two make one,
    // counted from where the last value was reported.
    MoveTo(knob, 14, 0);
    MoveTo(knob, 15, 0);
    MoveTo(knob, 16, 0);
    Release(knob, 16, 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 13,0", "owner:edit begin", "owner:value 11",
                                                  "owner:mouse up 16,0", "owner:edit end"}));
}

TEST_F(Knob, CreateRefusesWhatItCannotSizeOrDrive)
{
    CHfcCtrlKnob other;
    EXPECT_FALSE(other.Create(nullptr, 1, 0));
    EXPECT_FALSE(other.Create(KnobWords(nullptr, 101, 0, 127).data(), 1, 0));
    EXPECT_FALSE(other.Create(KnobWords(&strip, 0, 0, 127).data(), 1, 0)) << "no frames to size by";
    EXPECT_FALSE(other.Create(KnobWords(&strip, 101, 0, 127, 0).data(), 1, 0)) << "a step of 0";
    EXPECT_FALSE(other.IsCreated());
    EXPECT_EQ(knob.GetRect(), (RECT{20, 20, 47, 47}));
    EXPECT_EQ(knob.GetMaximum(), 127);
}

TEST_F(Knob, RenderedAtThreeValues)
{
    CHfcBmp skin;
    ASSERT_TRUE(skin.LoadPngResource("Knob"));
    CHfcCtrlKnob knobs[3];
    const int values[3] = {0, 64, 127};
    for (int i = 0; i < 3; ++i) {
        std::vector<HfcWord> words = KnobWords(&skin, 101, 0, 127);
        words[kHfcKnobX] = 60 + 32 * i;
        words[kHfcKnobY] = 60;
        ASSERT_TRUE(knobs[i].Create(words.data(), 10 + i, 0));
        Place(knobs[i]);
        knobs[i].SetValue(values[i], true);
        Render(knobs[i]);
    }
    SaveCrop({56, 56, 155, 91}, "knob_at_0_64_127");
    EXPECT_NE(Pixel(69, 80), Pixel(133, 80)) << "the pointer shows low on the left only at 0";
}

}  // namespace
}  // namespace ui_test
