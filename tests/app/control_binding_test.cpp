// The parameter binding every skinned control mixes in: the ratio a layer
// gives a range, the value steps in pixels, the mix-in's defaults, and the
// steps that bind a created control into its layer.
#include "editor_base_fixture.h"

#include "app/ControlBinding.h"
#include "app/ValueSteps.h"

#include <gmock/gmock.h>

#include <cstring>

namespace editor_test {
namespace {

using ::testing::ElementsAre;

TEST(ValueSteps, TheRatioIs127OverTheSpanKeptWithinOneAndTwelve)
{
    struct Case
    {
        int minimum, maximum, ratio;
    } cases[] = {
        {0, 127, 1}, {0, 24, 5},   {0, 1, 12},  {0, 10, 12},
        {0, 63, 2},  {-64, 63, 1}, {0, 255, 1}, {5, 5, 1},  // an empty range divides by nothing
        {10, 0, 1},                                         // a reversed one divides to a negative number
        {1, 0, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(value_steps::RatioForRange(c.minimum, c.maximum), c.ratio) << c.minimum << ".." << c.maximum;
}

TEST(ValueSteps, AStepIsSevenPixelsTimesTheRatioOrDividedByANegativeOne)
{
    struct Case
    {
        int steps, ratio, pixels;
    } cases[] = {
        {1, 2, 14},                // a 0..127 parameter, its ratio doubled by the control
        {1, 24, 168},              // a 0..1 parameter
        {64, 2, 896}, {3, 0, 21},  // a ratio of 0 counts as 1
        {4, -2, 14},               // 4 x 7 / 2
        {1, -3, 2},                // 7 / 3, truncated
        {-5, 2, -70},
    };
    for (const Case& c : cases)
        EXPECT_EQ(value_steps::StepsToPixels(c.steps, c.ratio), c.pixels) << c.steps << " steps, ratio " << c.ratio;

    EXPECT_EQ(value_steps::PixelsToSteps(896, 2), 64);
    EXPECT_EQ(value_steps::PixelsToSteps(909, 2), 64) << "each division truncates";
    EXPECT_EQ(value_steps::PixelsToSteps(910, 2), 65);
    EXPECT_EQ(value_steps::PixelsToSteps(167, 24), 0);
    EXPECT_EQ(value_steps::PixelsToSteps(168, 24), 1);
    EXPECT_EQ(value_steps::PixelsToSteps(14, -2), 4) << "a negative ratio multiplies back";
    EXPECT_EQ(value_steps::PixelsToSteps(21, 0), 3);
    EXPECT_EQ(value_steps::PixelsToSteps(-20, 1), -2) << "toward zero";
}

class CBareBinding : public CCustomControl
{};

TEST(CustomControl, TheMixInAloneMapsNothingAndKeepsWhatItIsGiven)
{
    CBareBinding binding;
    EXPECT_EQ(binding.GetControlType(), CCustomControl::kNone);
    EXPECT_EQ(binding.GetMin(), 0);
    EXPECT_EQ(binding.GetMax(), 127);
    binding.SetValue(5);
    binding.SetMin(3);
    binding.SetMax(9);
    binding.SetRatio(4);
    EXPECT_EQ(binding.GetValue(), 0);
    EXPECT_EQ(binding.GetMin(), 0);
    EXPECT_EQ(binding.GetMax(), 127);
    EXPECT_EQ(binding.ValueToPosition(5), 0);
    EXPECT_EQ(binding.PositionToValue(5), 0);
    EXPECT_TRUE(binding.IsEnabled());
    binding.SetEnabled(false);
    EXPECT_FALSE(binding.IsEnabled());
    binding.SetSubValue(-7);
    EXPECT_EQ(binding.GetSubValue(), -7);
    EXPECT_TRUE(binding.IsBackgroundAtOwnPosition());
    binding.SetBackgroundOrigin(false, 28, 145);
    EXPECT_FALSE(binding.IsBackgroundAtOwnPosition());
    EXPECT_FALSE(binding.IsReadOnly());
    binding.SetReadOnly(true);
    EXPECT_TRUE(binding.IsReadOnly());
    binding.SetIndex(12);
    EXPECT_EQ(binding.GetIndex(), 12);

    char text[4] = "abc";
    binding.GetText(text, sizeof text);
    EXPECT_STREQ(text, "");

    // All five fields go in and come out, the two that only the value
    // display reads included.
    const ParameterReference given{{2, 30, 1}, 1, 6};
    binding.SetParameter(given);
    ParameterReference out{};
    EXPECT_EQ(&binding.GetParameter(out), &out);
    EXPECT_EQ(out, given);
}

// Writes what reaches it while the layer binds it.
class CWatchedControl : public CHfcControl, public CCustomControl
{
public:
    CWatchedControl(std::uint32_t id, const RECT& rect) { FinishCreate(rect, id, kEventPosition); }
    void Show(bool redraw) override
    {
        ParameterReference reference{};
        GetParameter(reference);
        const bool listed = GetLayer() != nullptr && static_cast<CBaseLayer*>(GetLayer())->GetBoundControlCount() ==
                                                         static_cast<int>(GetId()) + 1;
        Log().push_back("show redraw " + std::to_string(redraw) + " owner " + std::to_string(GetOwner() != nullptr) +
                        " listed " + std::to_string(listed) + " timbre " + std::to_string(reference.address.timbre));
        CHfcControl::Show(redraw);
    }
};

TEST_F(EditorBaseTest, ACreatedControlIsBoundListedShownWithoutRepaintAndOwnedLast)
{
    SetUpLibrary();
    auto edit = MakeEditWindow("edit", 0);
    CRecordingLayer* layer = edit->BindMainLayer();
    layer->SetTimbreOverride(1);
    Log().clear();

    CWatchedControl first(0, {10, 10, 40, 40});
    ASSERT_TRUE(AttachBoundControl(*layer, first, {{2, 22, 0}, 1, 4}));
    EXPECT_THAT(Log(), ElementsAre("show redraw 0 owner 0 listed 1 timbre 1"));
    EXPECT_EQ(first.GetOwner(), static_cast<CHfcControlListener*>(layer));
    EXPECT_EQ(first.GetLayer(), layer);
    EXPECT_TRUE(first.IsVisible());
    EXPECT_EQ(layer->GetBoundControl(0), &first);
    ParameterReference bound{};
    EXPECT_EQ(first.GetParameter(bound), (ParameterReference{{2, 22, 1}, 1, 4}));

    // An id that is not the next position would find another binding.
    Log().clear();
    CWatchedControl stray(5, {50, 10, 80, 40});
    EXPECT_FALSE(AttachBoundControl(*layer, stray, {{2, 23, 0}, 0, 0}));
    EXPECT_THAT(Log(), ::testing::IsEmpty());
    EXPECT_EQ(stray.GetLayer(), nullptr);
    EXPECT_EQ(stray.GetOwner(), nullptr);
    EXPECT_EQ(layer->GetBoundControlCount(), 1);

    // Without an override the layout's timbre stays.
    layer->SetTimbreOverride(-1);
    CWatchedControl second(1, {50, 10, 80, 40});
    ASSERT_TRUE(AttachBoundControl(*layer, second, {{2, 23, 0}, 0, 0}));
    EXPECT_EQ(second.GetParameter(bound).address, (ParameterAddress{2, 23, 0}));
    EXPECT_EQ(layer->GetBoundControl(1), &second);
}

}  // namespace
}  // namespace editor_test
