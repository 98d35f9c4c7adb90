// The backgrounds carry the panels the controls rely on: dark LCD under
// every light text, list, graph and strip in every theme, and one flat
// colour where the CC map cuts its pieces at shifted origins.
#include "skin_png.h"

#include "editor/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <algorithm>
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

TEST(SkinBackgrounds, LightTextAndStripsSitOnDarkPanelsInEveryTheme)
{
    for (const char* theme : {"", "Black", "White"}) {
        for (const layout::Window& w : layout::Windows()) {
            const std::string name = ThemedName(w.background, theme);
            const auto image = DecodeResource(name);
            ASSERT_TRUE(image) << name;
            for (const layout::Control& c : w.controls) {
                if (!layout::DrawsOnLcd(c.kind))
                    continue;
                const int left = w.originX + c.x;
                const int top = w.originY + c.y;
                // the text may overrun the layer; only the part on the bitmap counts
                const int right = std::min(left + c.w, image->width) - 1;
                const int bottom = std::min(top + c.h, image->height) - 1;
                for (auto [x, y] : {std::pair{left, top}, {right, top}, {left, bottom}, {right, bottom},
                                    {(left + right) / 2, (top + bottom) / 2}})
                    EXPECT_LT(Luma(image->At(x, y)), 0x44) << name << " control " << c.id << " at " << x << "," << y;
            }
        }
    }
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

}  // namespace
