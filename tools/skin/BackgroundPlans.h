#pragma once
// What each background carries besides the controls' own panels and
// captions: section frames, extra LCD panels and free texts.
#include <string_view>
#include <vector>

namespace skin {

struct Rect
{
    int x, y, w, h;
};

struct Section
{
    Rect area;
    const char* title;  // "" for none; printed in the frame's top edge
};

struct FreeText
{
    int x, y;
    const char* text;
    int scale;
};

struct BackgroundPlan
{
    const char* background;
    std::vector<Section> sections;
    // Flat LCD areas, drawn after the controls' boxes so that they stay one
    // uniform colour; their frame lies just outside.
    std::vector<Rect> lcdPanels;
    std::vector<FreeText> texts;
    bool uniformPanels = false;  // nothing may be drawn inside the panels
};

// The plan of a theme-0 background name; an empty plan when it has none.
const BackgroundPlan& PlanOf(std::string_view background);

}  // namespace skin
