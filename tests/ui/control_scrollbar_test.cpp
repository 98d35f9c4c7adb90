// The scroll bar: its geometry, the parts under a point, the line and
// page steps with their repeat, the thumb drag, and an empty range.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlScrollBar.h"

namespace ui_test {
namespace {

// An owner that accepts every value it is told of, as a list would.
class CAcceptingOwner : public CRecordingOwner
{
public:
    void OnControlValueChanged(CHfcControl* control, int value) override
    {
        CRecordingOwner::OnControlValueChanged(control, value);
        control->SetValue(value, true);
    }
};

class ScrollBar : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        FillNumberedStrip(arrows, 12, 12, 8);
    }
    // A vertical bar of 12 x 100 at (20, 20) with arrows of 12 x 12: the
    // track is 76 long.
    std::vector<HfcWord> Words(int page, bool vertical = true)
    {
        return {20,
                20,
                vertical ? 12 : 100,
                vertical ? 100 : 12,
                HfcBitmapWord(&arrows),
                0,
                0,
                0,
                vertical ? 1 : 0,
                0,
                0,
                page,
                1,
                10,
                static_cast<HfcWord>(0xFF00FF00u),
                0,
                0,
                12,
                12};
    }
    void Make(int page, int minimum, int maximum, int value, bool vertical = true)
    {
        ASSERT_TRUE(bar.Create(Words(page, vertical).data(), 1, 0));
        bar.SetMinimum(minimum, false);
        bar.SetMaximum(maximum, false);
        bar.SetValue(value, false);
        Place(bar);
        bar.SetOwner(&accepting);
        Events().clear();
    }

    CHfcBmp arrows;
    CHfcCtrlScrollBar bar;
    CAcceptingOwner accepting;
};

TEST_F(ScrollBar, TheThumbIsAsLongAsThePageIsOfTheWholeAndAtLeast8)
{
    struct Case
    {
        int page, minimum, maximum, value;
        int thumb, travel, position;
    };
    const Case cases[] = {
        {10, 0, 100, 50, 8, 68, 34},    {100, 0, 100, 50, 38, 38, 19}, {100, 0, 100, 100, 38, 38, 38},
        {100, 10, 110, 60, 38, 38, 19}, {0, 0, 1, 1, 8, 68, 68},       {10, 5, 5, 5, 1, 1, 0},
        {10, 5, 4, 5, 1, 1, 0},
    };
    for (const Case& c : cases) {
        CHfcCtrlScrollBar other;
        ASSERT_TRUE(other.Create(Words(c.page).data(), 1, 0));
        other.SetMinimum(c.minimum, false);
        other.SetMaximum(c.maximum, false);
        other.SetValue(c.value, false);
        EXPECT_EQ(other.GetTrackLength(), 76);
        EXPECT_EQ(other.GetThumbLength(), c.thumb) << c.page << " of " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(other.GetThumbTravel(), c.travel) << c.page << " of " << c.minimum << ".." << c.maximum;
        EXPECT_EQ(other.GetThumbPosition(), c.position) << c.value << " of " << c.minimum << ".." << c.maximum;
    }
}

TEST_F(ScrollBar, EachPointIsAnArrowTheTrackOrTheThumb)
{
    // The thumb covers y 46..84 (position 34 + arrow 12, length 38; its
    // last row counts as thumb).
    Make(100, 0, 100, 89);
    ASSERT_EQ(bar.GetThumbPosition(), 33);
    using P = EHfcScrollPart;
    struct Case
    {
        int x, y;
        P part;
    };
    for (const Case& c :
         {Case{12, 50, P::None}, Case{-1, 50, P::None}, Case{0, 0, P::FirstArrow}, Case{11, 11, P::FirstArrow},
          Case{5, 12, P::TrackBefore}, Case{5, 44, P::TrackBefore}, Case{5, 45, P::Thumb}, Case{5, 83, P::Thumb},
          Case{5, 84, P::TrackAfter}, Case{5, 88, P::SecondArrow}, Case{5, 99, P::SecondArrow}})
        EXPECT_EQ(bar.HitTestPart(c.x, c.y), c.part) << c.x << "," << c.y;

    CHfcCtrlScrollBar across;
    ASSERT_TRUE(across.Create(Words(100, false).data(), 2, 0));
    across.SetMaximum(100, false);
    EXPECT_EQ(across.HitTestPart(5, 5), P::FirstArrow);
    EXPECT_EQ(across.HitTestPart(95, 5), P::SecondArrow);
    EXPECT_EQ(across.HitTestPart(50, 5), P::Thumb);
    EXPECT_EQ(across.HitTestPart(51, 5), P::TrackAfter);
    EXPECT_EQ(across.HitTestPart(50, 12), P::None);
}

TEST_F(ScrollBar, HoldingAnArrowRepeatsAfter500MsThenOnTheTimerUntilTheEnd)
{
    Make(10, 0, 3, 0);
    Press(bar, 5, 95);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 5,95", "owner:value 1"})) << "once at once";
    EXPECT_EQ(bar.GetActivePart(), EHfcScrollPart::SecondArrow);
    Events().clear();
    for (int tick = 0; tick < 31; ++tick)
        bar.OnTimer(16);
    EXPECT_TRUE(Events().empty()) << "496 ms";
    bar.OnTimer(16);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:value 2"}) << "512 ms";
    bar.OnTimer(16);
    bar.OnTimer(17);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:value 2", "owner:value 3"}));
    for (int tick = 0; tick < 10; ++tick)
        bar.OnTimer(20);
    EXPECT_EQ(Events().size(), 2u) << "nothing more at the maximum";
    Release(bar, 5, 95);
    EXPECT_EQ(bar.GetActivePart(), EHfcScrollPart::None);
    bar.OnTimer(1000);
    EXPECT_EQ(Events().size(), 2u);
}

TEST_F(ScrollBar, TheTrackStepsByPagesAndTheValueIsNeverStoredByTheBar)
{
    Make(10, 0, 100, 50);
    bar.SetOwner(&owner);
    Press(bar, 5, 20);
    Release(bar, 5, 20);
    Press(bar, 5, 80);
    Release(bar, 5, 80);
    Press(bar, 5, 2);
    Release(bar, 5, 2);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 5,20", "owner:value 40", "owner:mouse down 5,80",
                                                  "owner:value 60", "owner:mouse down 5,2", "owner:value 49"}));
    EXPECT_EQ(bar.GetValue(), 50);
}

TEST_F(ScrollBar, DraggingTheThumbReportsTheValueUnderIt)
{
    Make(10, 10, 110, 60);
    ASSERT_EQ(bar.GetThumbPosition(), 34);
    bar.SetOwner(&owner);
    Press(bar, 5, 50);
    EXPECT_TRUE(Events().size() == 1u) << "the thumb does not scroll";
    MoveTo(bar, 5, 67);
    MoveTo(bar, 5, 500);
    MoveTo(bar, 5, -500);
    Release(bar, 5, -500);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:mouse down 5,50", "owner:value 85", "owner:value 110",
                                                  "owner:value 10"}));
}

TEST_F(ScrollBar, AnEmptyRangeDrawsDisabledArrowsAndNoThumbAndIgnoresPresses)
{
    Make(10, 0, 0, 0);
    Press(bar, 5, 95);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 5,95"});
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    Release(bar, 5, 95);
    Render(bar);
    EXPECT_EQ(FrameOf(Pixel(25, 25)), 2) << "first arrow disabled";
    EXPECT_EQ(FrameOf(Pixel(25, 115)), 6) << "second arrow disabled";
    EXPECT_NE(Pixel(25, 45), 0xFF00FF00u) << "no thumb";
    EXPECT_EQ(Pixel(20, 45), 0xFF00FF00u) << "the track's side";

    bar.SetMaximum(100, false);
    bar.SetValue(0, true);
    Press(bar, 5, 5);
    Render(bar);
    EXPECT_EQ(FrameOf(Pixel(25, 25)), 1) << "first arrow pressed";
    EXPECT_EQ(FrameOf(Pixel(25, 115)), 4);
    EXPECT_EQ(Pixel(25, 34), 0xFF00FF00u) << "the thumb at the top";
    Release(bar, 5, 5);
}

TEST_F(ScrollBar, CreateRefusesWhatHasNoSize)
{
    std::vector<HfcWord> words = Words(10);
    EXPECT_FALSE(bar.Create(nullptr, 1, 0));
    for (int index : {kHfcScrollWidth, kHfcScrollHeight, kHfcScrollArrowWidth, kHfcScrollArrowHeight}) {
        std::vector<HfcWord> broken = words;
        broken[index] = 0;
        EXPECT_FALSE(bar.Create(broken.data(), 1, 0)) << index;
    }
    words[kHfcScrollPage] = -1;
    EXPECT_FALSE(bar.Create(words.data(), 1, 0));
    EXPECT_FALSE(bar.IsCreated());
}

}  // namespace
}  // namespace ui_test
