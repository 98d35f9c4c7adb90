#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr Control kControls[] = {
    {0, Kind::Button, 395, 69, 48, 12, "ButtonPopup", 0, {}, "info column menu", "VIEW"},
    {1, Kind::Button, 291, 69, 48, 12, "ButtonFunction", 0, {}, "program information", "INFO"},
    {2, Kind::Button, 202, 69, 66, 12, "ButtonEditLarge", 0, {}, "open program edit", "EDIT"},
    {3, Kind::Switch, 447, 69, 33, 12, "SwitchOnOff", 0, {}, "auto dump", "AUTO DUMP"},
    {4, Kind::Switch, 343, 69, 33, 12, "SwitchOnOff", 0, {}, "all 200 programs", "ALL 200"},
    {5, Kind::EditText, 23, 65, 105, 11, "LcdCharLargeWhite", 0, {}, "selected program number and name", ""},
    {6, Kind::EditText, 23, 55, 90, 9, "LcdCharWhite", 0, {}, "selected program category", ""},
};

}  // namespace

Window ProgramListLayout()
{
    return {"ProgramList", "BG_ProgramListFav", 982, 630, 0, 0, kControls};
}

}  // namespace layout
