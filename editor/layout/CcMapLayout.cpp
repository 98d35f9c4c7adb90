#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr Control kControls[] = {
    {0, Kind::TabStrip, 0, 357, 165, 16, "LcdCharWhite", 0, {}, "CC map tabs (hidden)", ""},
    {1, Kind::List, 0, 12, 430, 450, "LcdCharWhite", 0, {5, 0}, "CC number map", ""},
};

}  // namespace

Window CcMapLayout()
{
    return {"CcMap", "BG_GlobalEditFav", 982, 630, 530, 133, kControls};
}

}  // namespace layout
