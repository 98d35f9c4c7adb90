#include "editor/layout/Layouts.h"

namespace layout {
namespace {

// The page begins at its list, 12 pixels below the settings page's top,
// so that the "CC# MAP" heading of that page shows above the list.
constexpr Control kControls[] = {
    {0, Kind::TabStrip, 0, 345, 165, 16, "LcdCharWhite", 0, {}, "CC map tabs (hidden)", ""},
    {1, Kind::List, 0, 0, 430, 450, "LcdCharWhite", 0, {5, 0}, "CC number map", ""},
};

}  // namespace

Window CcMapLayout()
{
    return {"CcMap", "BG_GlobalEditFav", 982, 630, 530, 145, kControls};
}

}  // namespace layout
