// How a skinned knob and slider look on each colour theme's background, at
// the places the vocoder page gives them.
#include "window_fixture.h"

#include "app/SkinTable.h"
#include "app/controls/CustomKnob.h"
#include "app/controls/CustomSlider.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"
#include "support/CropPng.h"

#include <string>

namespace ui_test {
namespace {

constexpr int kLayerWidth = 690;
constexpr int kLayerHeight = 408;

class SkinnedRender : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_NE(CResourceManager::Acquire(), nullptr);
        window = &MakeWindow(0, 0, kLayerWidth, kLayerHeight);
        ASSERT_TRUE(layer.Create(0, 0, kLayerWidth, kLayerHeight, window));
        layer.Show(true);
    }
    void TearDown() override
    {
        layer.Destroy();
        CResourceManager::Release();
        WindowTest::TearDown();
    }
    // The layer's pixels in the rectangle grown by a margin, as the crop
    // saved in the build folder.
    void SaveCrop(const RECT& rect, const std::string& name)
    {
        CHfcBmp* bitmap = layer.GetContext()->GetBitmap();
        BYTE* bits = bitmap->LockBits();
        const int stride = bitmap->GetStride();
        const RECT area{rect.left - kMargin, rect.top - kMargin, rect.right + kMargin, rect.bottom + kMargin};
        EXPECT_TRUE(WriteCropPng("control_crops/" + name + ".png", area.right - area.left, area.bottom - area.top, 4,
                                 [&](int x, int y) {
                                     const BYTE* p = bits + static_cast<std::ptrdiff_t>(area.top + y) * stride +
                                                     (area.left + x) * 4;
                                     return (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) |
                                            (std::uint32_t{p[1]} << 8) | p[0];
                                 }));
        bitmap->UnlockBits();
    }

    static constexpr int kMargin = 6;
    CTestWindow* window = nullptr;
    CHfcWindowLayer layer;
};

TEST_F(SkinnedRender, AKnobAndASliderOnEachThemesBackground)
{
    for (int theme : {0, 1, 2}) {
        CHfcBmp* background = GetBitmap(ThemedBitmapName("BG_VocoderEdit", theme).c_str());
        ASSERT_NE(background, nullptr);
        layer.GetContext()->DrawBitmap(0, 0, kLayerWidth, kLayerHeight, background, 0, 0);

        CCustomKnob knob;
        CustomKnobDescriptor knobDescriptor;
        knobDescriptor.x = 96;
        knobDescriptor.y = 124;
        knobDescriptor.bitmap = GetBitmap("KnobSmall");
        knobDescriptor.background = background;
        knobDescriptor.frames = 101;
        knobDescriptor.dimBitmap = GetBitmap("KnobSmallDim");
        ASSERT_TRUE(knob.Create(&knobDescriptor, 0, CCustomControl::kEventPosition));
        layer.AddControl(&knob, false);
        knob.Show(false);
        knob.SetValue(90);

        CCustomSlider slider;
        CustomSliderDescriptor sliderDescriptor;
        sliderDescriptor.x = 79;
        sliderDescriptor.y = 290;
        sliderDescriptor.width = 22;
        sliderDescriptor.height = 95;
        sliderDescriptor.bitmap = GetBitmap("VerticalSliderTop");
        sliderDescriptor.background = background;
        sliderDescriptor.steps = 127;
        sliderDescriptor.dimBitmap = GetBitmap("VerticalSliderTopDim");
        ASSERT_TRUE(slider.Create(&sliderDescriptor, 1, CCustomControl::kEventPosition));
        layer.AddControl(&slider, false);
        slider.Show(false);
        slider.SetValue(100);

        knob.Redraw(true, true);
        slider.Redraw(true, true);
        const std::string suffix = "_theme" + std::to_string(theme);
        SaveCrop(knob.GetRect(), "skinned_knob" + suffix);
        SaveCrop(slider.GetRect(), "skinned_slider" + suffix);
        knob.Destroy();
        slider.Destroy();
    }
}

}  // namespace
}  // namespace ui_test
