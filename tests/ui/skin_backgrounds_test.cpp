// The backgrounds carry the panels the controls rely on: dark LCD under
// every light text, list, graph and strip in every theme, one flat colour
// where the CC map cuts its pieces at shifted origins, and the labels of
// the buttons whose shared strip shows the background through its face.
#include "skin_png.h"

#include "editor/layout/WindowLayout.h"
#include "framework/ui/HfcPixelBlend.h"
#include "support/FaceInk.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace {

using layout::Kind;
using skin_test::DecodeResource;
using skin_test::Luma;

// "BG_ProgramListFav" in theme 1 is "BG_ProgramListBlackFav".
std::string ThemedName(const std::string& base, const char* theme)
{
    if (base.ends_with("Fav"))
        return base.substr(0, base.size() - 3) + theme + "Fav";
    return base + theme;
}

// check(window, background name, background) for every layout window in
// every theme.
template <typename Check>
void ForEachThemedBackground(const Check& check)
{
    for (const char* theme : {"", "Black", "White"}) {
        for (const layout::Window& w : layout::Windows()) {
            const std::string name = ThemedName(w.background, theme);
            const auto image = DecodeResource(name);
            ASSERT_TRUE(image) << name;
            check(w, name, *image);
        }
    }
}

TEST(SkinBackgrounds, LightTextAndStripsSitOnDarkPanelsInEveryTheme)
{
    ForEachThemedBackground([](const layout::Window& w, const std::string& name, const skin_test::Image& image) {
        for (const layout::Control& c : w.controls) {
            if (!layout::DrawsOnLcd(c.kind))
                continue;
            const int left = w.originX + c.x;
            const int top = w.originY + c.y;
            // the text may overrun the layer; only the part on the bitmap counts
            const int right = std::min(left + c.w, image.width) - 1;
            const int bottom = std::min(top + c.h, image.height) - 1;
            for (auto [x, y] : {std::pair{left, top},
                                {right, top},
                                {left, bottom},
                                {right, bottom},
                                {(left + right) / 2, (top + bottom) / 2}})
                EXPECT_LT(Luma(image.At(x, y)), 0x44) << name << " control " << c.id << " at " << x << "," << y;
        }
    });
}

TEST(SkinBackgrounds, GlobalPagesShareOneFlatPanel)
{
    for (const char* name : {"BG_GlobalEditFav", "BG_GlobalEditBlackFav", "BG_GlobalEditWhiteFav"}) {
        const auto image = DecodeResource(name);
        ASSERT_TRUE(image) << name;
        const std::uint32_t panel = image->At(28, 133);
        int differing = 0;
        for (int y = 133; y < 623; ++y) {
            for (int x = 28; x < 970; ++x)
                differing += image->At(x, y) != panel;
        }
        EXPECT_EQ(differing, 0) << name;
    }
}

TEST(SkinBackgrounds, TheGlobalPageShowsChromeBetweenItsButtonsAndItsPanel)
{
    for (const char* name : {"BG_GlobalEditFav", "BG_GlobalEditBlackFav", "BG_GlobalEditWhiteFav"}) {
        const auto image = DecodeResource(name);
        ASSERT_TRUE(image) << name;
        const std::uint32_t chrome = image->At(500, 100);
        // From below the button row down to the panel's top edge, chrome only.
        for (int y = 84; y < 128; ++y) {
            for (int x = 4; x < 978; ++x)
                ASSERT_LT(std::abs(Luma(image->At(x, y)) - Luma(chrome)), 0x10) << name << " at " << x << "," << y;
        }
    }
}

// As the control draws it: its strip's frame blended over its piece of
// the background.
TEST(SkinBackgrounds, EveryButtonFaceShowsItsLabelReleasedHeldAndDisabledInEveryTheme)
{
    ForEachThemedBackground([](const layout::Window& w, const std::string& name, const skin_test::Image& image) {
        for (const layout::Control& c : w.controls) {
            if (c.kind != Kind::Button)
                continue;
            // A disabled button is never held.
            for (auto [strip, frames] : {std::pair{std::string(c.skin), 2}, {std::string(c.skin) + "Dim", 1}}) {
                const auto face = DecodeResource(strip);
                ASSERT_TRUE(face) << strip;
                for (int frame = 0; frame < frames; ++frame) {
                    const auto pixel = [&](int x, int y) {
                        return hfc_pixel::Blend(face->At(x, frame * c.h + y),
                                                image.At(w.originX + c.x + x, w.originY + c.y + y));
                    };
                    EXPECT_GE(FaceInkPixels(c.w, c.h, pixel), kBlankFace)
                        << name << " button " << c.id << " " << strip << " frame " << frame;
                }
            }
        }
    });
}

}  // namespace
