// The window layouts the editor windows and the skin art share: controls
// in creation order, inside their backgrounds, never on top of each other,
// and sized by the skin bitmaps they are drawn from.
#include "editor/layout/WindowLayout.h"

#include <platform/resources.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace {

using layout::Control;
using layout::Kind;
using layout::Window;

// Invisible handles that lie over other controls on purpose.
bool MayOverlap(Kind kind)
{
    return kind == Kind::DropArea || kind == Kind::PageButton;
}

// The hidden tab strip of the CC map lies over the bottom of its list.
bool KnownOverlap(const Window& w, const Control& a, const Control& b)
{
    return std::string(w.name) == "CcMap" && a.id == 0 && b.id == 1;
}

bool Overlap(const Control& a, const Control& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

struct PngSize
{
    int width = 0;
    int height = 0;
};

// Width and height from the IHDR chunk of the embedded PNG.
PngSize SkinSize(const char* name)
{
    HRSRC found = FindResourceA(nullptr, name, "PNG");
    if (!found || SizeofResource(nullptr, found) < 24)
        return {};
    const auto* p = static_cast<const std::uint8_t*>(LockResource(LoadResource(nullptr, found)));
    auto word = [p](int at) { return (p[at] << 24) | (p[at + 1] << 16) | (p[at + 2] << 8) | p[at + 3]; };
    return {word(16), word(20)};
}

TEST(LayoutWindows, EveryLayerIsListedOnceAndFoundByName)
{
    const auto windows = layout::Windows();
    EXPECT_EQ(windows.size(), 14u);
    for (const Window& w : windows) {
        EXPECT_EQ(layout::FindWindow(w.name), &w) << w.name;
        EXPECT_FALSE(w.controls.empty()) << w.name;
    }
    EXPECT_EQ(layout::FindWindow("NoSuchWindow"), nullptr);
}

TEST(LayoutWindows, ControlIdsFollowCreationOrder)
{
    for (const Window& w : layout::Windows()) {
        for (std::size_t i = 0; i < w.controls.size(); ++i)
            EXPECT_EQ(w.controls[i].id, static_cast<int>(i)) << w.name;
    }
}

TEST(LayoutWindows, EveryControlLiesInsideItsBackground)
{
    for (const Window& w : layout::Windows()) {
        for (const Control& c : w.controls) {
            SCOPED_TRACE(std::string(w.name) + " control " + std::to_string(c.id));
            EXPECT_GT(c.w, 0);
            EXPECT_GT(c.h, 0);
            EXPECT_GE(w.originX + c.x, 0);
            EXPECT_GE(w.originY + c.y, 0);
            EXPECT_LE(w.originX + c.x + c.w, w.width);
            EXPECT_LE(w.originY + c.y + c.h, w.height);
        }
    }
}

TEST(LayoutWindows, NoTwoVisibleControlsOverlap)
{
    for (const Window& w : layout::Windows()) {
        for (std::size_t i = 0; i < w.controls.size(); ++i) {
            for (std::size_t j = i + 1; j < w.controls.size(); ++j) {
                const Control& a = w.controls[i];
                const Control& b = w.controls[j];
                if (MayOverlap(a.kind) || MayOverlap(b.kind) || KnownOverlap(w, a, b))
                    continue;
                EXPECT_FALSE(Overlap(a, b)) << w.name << ": controls " << a.id << " and " << b.id;
            }
        }
    }
}

TEST(LayoutWindows, ControlsMatchTheFramesOfTheirSkins)
{
    for (const Window& w : layout::Windows()) {
        for (const Control& c : w.controls) {
            if (!c.skin)
                continue;
            SCOPED_TRACE(std::string(w.name) + " control " + std::to_string(c.id) + " " + c.skin);
            const PngSize skin = SkinSize(c.skin);
            ASSERT_GT(skin.width, 0) << "no such skin bitmap";
            const std::string name = c.skin;
            if (c.kind == Kind::List || c.kind == Kind::TabStrip)
                continue;  // they lay their text out in cells of their own
            if (name.starts_with("LcdChar")) {
                const int cellWidth = skin.width;
                EXPECT_EQ(c.w % cellWidth, 0);
                EXPECT_EQ(c.h, skin.height / 128);
                continue;
            }
            switch (c.kind) {
            case Kind::Knob:
            case Kind::Button:
            case Kind::Switch:
            case Kind::BitmapList:
            case Kind::AnalogLed: {
                const int frames = c.kind == Kind::Knob     ? 101
                                   : c.kind == Kind::Button ? 2
                                   : c.kind == Kind::Switch ? 4
                                                            : c.frames;
                EXPECT_EQ(c.w, skin.width);
                EXPECT_EQ(c.h * frames, skin.height);
                break;
            }
            case Kind::Led:  // a lamp at the left of a wider control
                EXPECT_LE(skin.width, c.w);
                EXPECT_EQ(c.h * 4, skin.height);
                break;
            case Kind::Fader:  // the thumb travels the control's height
                EXPECT_EQ(c.w, skin.width);
                EXPECT_LT(skin.height, c.h);
                break;
            case Kind::ValueBar:  // the bar at full length fills the control
                EXPECT_EQ(c.w, skin.width);
                EXPECT_EQ(c.h, skin.height);
                break;
            default: ADD_FAILURE() << "a control of this kind draws no skin";
            }
        }
    }
}

TEST(LayoutWindows, BoundControlsNameTheirParameter)
{
    for (const Window& w : layout::Windows()) {
        for (const Control& c : w.controls) {
            EXPECT_NE(c.name, nullptr);
            if (c.parameter.group >= 0) {
                EXPECT_GE(c.parameter.index, 0) << w.name << " control " << c.id;
                EXPECT_NE(std::string(c.name), "") << w.name << " control " << c.id;
            }
        }
    }
}

}  // namespace
