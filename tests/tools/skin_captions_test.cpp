// Where the skin generator prints the controls' captions on every window
// background, in every colour theme: each caption finds a spot, a column of
// alike controls reads alike, and no caption runs into a section's frame or
// title.
#include "BackgroundPlans.h"
#include "Backgrounds.h"
#include "PixelFont.h"
#include "Theme.h"
#include "editor/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace {

using skin::Rect;

struct Drawn
{
    std::string name;  // background and theme
    const char* background;
    skin::DrawnCaptions captions;
};

// Every background a layout uses, drawn once in each theme.
const std::vector<Drawn>& AllBackgrounds()
{
    static const std::vector<Drawn> drawn = [] {
        std::vector<Drawn> all;
        std::set<std::string> seen;
        for (const layout::Window& w : layout::Windows()) {
            if (!seen.insert(w.background).second)
                continue;
            for (int theme = 0; theme < skin::kThemeCount; ++theme) {
                const skin::Canvas canvas(w.width, w.height);
                all.push_back({std::string(w.background) + " theme " + std::to_string(theme), w.background,
                               skin::DrawBackground(canvas, w.background, skin::ThemeAt(theme))});
            }
        }
        return all;
    }();
    return drawn;
}

enum class Side
{
    Left,
    Right,
    Above,
    Below,
    Inside
};

Side SideOf(const Rect& caption, const Rect& control)
{
    if (caption.x + caption.w <= control.x)
        return Side::Left;
    if (caption.x >= control.x + control.w)
        return Side::Right;
    if (caption.y + caption.h <= control.y)
        return Side::Above;
    if (caption.y >= control.y + control.h)
        return Side::Below;
    return Side::Inside;
}

bool Overlap(const Rect& a, const Rect& b)
{
    return a.x < b.x + b.w && b.x < a.x + a.w && a.y < b.y + b.h && b.y < a.y + a.h;
}

bool Contains(const Rect& outer, const Rect& inner)
{
    return inner.x >= outer.x && inner.y >= outer.y && inner.x + inner.w <= outer.x + outer.w &&
           inner.y + inner.h <= outer.y + outer.h;
}

TEST(SkinCaptions, EveryCaptionFindsASpotInEveryTheme)
{
    for (const Drawn& d : AllBackgrounds()) {
        for (const std::string& caption : d.captions.unplaced)
            ADD_FAILURE() << d.name << ": no spot for \"" << caption << "\"";
    }
}

// Alike controls stacked in a column (one kind, left edge and width), such
// as the five source and destination rows of a patch bay, a list of EQ
// values or a column of knobs, carry their captions on one side.
TEST(SkinCaptions, AColumnOfAlikeControlsKeepsItsCaptionsOnOneSide)
{
    for (const Drawn& d : AllBackgrounds()) {
        std::map<std::tuple<layout::Kind, int, int>, std::vector<const skin::CaptionPlace*>> columns;
        for (const skin::CaptionPlace& p : d.captions.placed)
            columns[{p.control.kind, p.controlRect.x, p.controlRect.w}].push_back(&p);
        for (const auto& [key, column] : columns) {
            for (const skin::CaptionPlace* p : column) {
                EXPECT_EQ(SideOf(p->captionRect, p->controlRect),
                          SideOf(column[0]->captionRect, column[0]->controlRect))
                    << d.name << ": \"" << p->control.caption << "\" at " << p->controlRect.x << "," << p->controlRect.y
                    << " against \"" << column[0]->control.caption << "\" at " << column[0]->controlRect.x << ","
                    << column[0]->controlRect.y;
            }
        }
    }
}

// A caption stays inside the section of its control with three pixels of
// chrome between it and the frame, so it never sits on the frame's edge,
// and off the title printed in the frame's top edge.
TEST(SkinCaptions, CaptionsKeepInsideTheirSectionClearOfFrameAndTitle)
{
    for (const Drawn& d : AllBackgrounds()) {
        const skin::BackgroundPlan& plan = skin::PlanOf(d.background);
        for (const skin::CaptionPlace& p : d.captions.placed) {
            for (const skin::Section& section : plan.sections) {
                const Rect& a = section.area;
                const Rect title{a.x, a.y - 4, skin::TextWidth(section.title) + 10, 9};
                EXPECT_FALSE(*section.title && Overlap(p.captionRect, title))
                    << d.name << ": \"" << p.control.caption << "\" over the title " << section.title;
                if (!Contains(a, p.controlRect))
                    continue;
                const Rect inner{a.x + 4, a.y + 4, a.w - 8, a.h - 8};
                EXPECT_TRUE(Contains(inner, p.captionRect))
                    << d.name << ": \"" << p.control.caption << "\" at " << p.captionRect.x << "," << p.captionRect.y
                    << " is within three pixels of or leaves its section " << section.title << " at " << a.x << ","
                    << a.y;
            }
        }
    }
}

}  // namespace
