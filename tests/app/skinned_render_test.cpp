// How a skinned knob and slider look on each colour theme's background, at
// the places the vocoder page gives them, against committed pictures.
#include "control_fixture.h"

#include "app/SkinTable.h"
#include "app/controls/CustomKnob.h"
#include "app/controls/CustomSlider.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"

#include <string>

namespace ui_test {
namespace {

TEST_F(ControlTest, SkinnedKnobAndSliderOnEachThemesBackground)
{
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    for (int theme : {0, 1, 2}) {
        CHfcBmp* background = GetBitmap(ThemedBitmapName("BG_VocoderEdit", theme).c_str());
        ASSERT_NE(background, nullptr);

        // The knob at its own place on the page, which fits the layer.
        CCustomKnob knob;
        CustomKnobDescriptor knobDescriptor;
        knobDescriptor.x = 96;
        knobDescriptor.y = 124;
        knobDescriptor.bitmap = GetBitmap("KnobSmall");
        knobDescriptor.background = background;
        knobDescriptor.frames = 101;
        knobDescriptor.dimBitmap = GetBitmap("KnobSmallDim");
        ASSERT_TRUE(knob.Create(&knobDescriptor, 0, CCustomControl::kEventPosition));
        Place(knob);
        knob.SetValue(90);

        // The fader of band 1 at (79, 290): 270 rows up, over the page cut
        // from there.
        const std::unique_ptr<CHfcBmp> lower = Slice(*background, {0, 270, 200, 408});
        CCustomSlider slider;
        CustomSliderDescriptor sliderDescriptor;
        sliderDescriptor.x = 79;
        sliderDescriptor.y = 20;
        sliderDescriptor.width = 22;
        sliderDescriptor.height = 95;
        sliderDescriptor.bitmap = GetBitmap("VerticalSliderTop");
        sliderDescriptor.background = lower.get();
        sliderDescriptor.steps = 127;
        sliderDescriptor.dimBitmap = GetBitmap("VerticalSliderTopDim");
        ASSERT_TRUE(slider.Create(&sliderDescriptor, 1, CCustomControl::kEventPosition));
        Place(slider);
        slider.SetValue(100);

        Render(knob);
        Render(slider);
        const std::string suffix = "_theme" + std::to_string(theme);
        EXPECT_TRUE(MatchesReference(knob.GetRect(), "app/reference", "skinned_knob" + suffix));
        EXPECT_TRUE(MatchesReference(slider.GetRect(), "app/reference", "skinned_slider" + suffix));
        knob.Destroy();
        slider.Destroy();
    }
    CResourceManager::Release();
}

}  // namespace
}  // namespace ui_test
