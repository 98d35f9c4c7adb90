#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr Control kControls[] = {
    {0, Kind::TabStrip, 27, 114, 400, 20, "LcdCharWhite", 0, {}, "global tabs", ""},
    {1, Kind::Button, 395, 69, 48, 12, "ButtonFunction", 0, {}, "load global data", "LOAD"},
    {2, Kind::Button, 447, 69, 48, 12, "ButtonFunction", 0, {}, "save global data", "SAVE"},
    {3, Kind::Button, 291, 69, 48, 12, "ButtonFunction", 0, {}, "receive global data", "RECEIVE"},
    {4, Kind::Button, 343, 69, 48, 12, "ButtonFunction", 0, {}, "write global data", "WRITE"},
};

}  // namespace

Window GlobalFrameLayout()
{
    return {"GlobalEdit", "BG_GlobalEditFav", 982, 630, 0, 0, kControls};
}

}  // namespace layout
