// What the layouts and the backgrounds' plans put where, checked on their
// geometry alone: section frames stand clear of the window's edges, and
// fields stacked into one display line up.
#include "BackgroundPlans.h"
#include "editor/layout/WindowLayout.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using layout::Control;
using layout::Kind;
using skin::Rect;

// A frame closer than this to the window's edge looks cut off by it.
constexpr int kEdgeMargin = 4;

TEST(SkinFrames, SectionFramesStandClearOfTheWindowEdges)
{
    for (const layout::Window& w : layout::Windows()) {
        for (const skin::Section& section : skin::PlanOf(w.background).sections) {
            const Rect& a = section.area;
            EXPECT_TRUE(a.x >= kEdgeMargin && a.y >= kEdgeMargin && a.x + a.w <= w.width - kEdgeMargin &&
                        a.y + a.h <= w.height - kEdgeMargin)
                << w.background << ": the section " << section.title << " at " << a.x << "," << a.y << " " << a.w << "x"
                << a.h << " comes within " << kEdgeMargin << " pixels of the " << w.width << "x" << w.height
                << " window's edge";
        }
    }
}

bool IsField(Kind kind)
{
    return kind == Kind::EditText || kind == Kind::StaticText;
}

// The dark box drawn round a field: two pixels of panel and its frame.
Rect BoxOf(const Control& c)
{
    return {c.x - 3, c.y - 3, c.w + 6, c.h + 6};
}

bool Meet(const Rect& a, const Rect& b)
{
    return a.x <= b.x + b.w && b.x <= a.x + a.w && a.y <= b.y + b.h && b.y <= a.y + a.h;
}

// Fields one above the other whose boxes meet read as lines of one
// display; their texts start at one column. Fields on one flat panel draw
// no boxes of their own.
TEST(SkinFrames, FieldsStackedIntoOneDisplayLineUpOnTheLeft)
{
    for (const layout::Window& w : layout::Windows()) {
        if (skin::PlanOf(w.background).uniformPanels)
            continue;
        for (const Control& upper : w.controls) {
            for (const Control& lower : w.controls) {
                if (!IsField(upper.kind) || !IsField(lower.kind) || lower.y <= upper.y)
                    continue;
                if (Meet(BoxOf(upper), BoxOf(lower))) {
                    EXPECT_EQ(lower.x, upper.x)
                        << w.name << ": \"" << lower.caption << "\" (control " << lower.id
                        << ") stands staggered under \"" << upper.caption << "\" (control " << upper.id << ")";
                }
            }
        }
    }
}

}  // namespace
