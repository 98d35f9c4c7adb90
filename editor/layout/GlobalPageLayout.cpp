#include "editor/layout/GlobalPageTable.h"
#include "editor/layout/Layouts.h"

#include <array>

namespace layout {
namespace {

using namespace global_page;

// A heading alone, a key's field alone, a line's label and field.
constexpr int ControlsOf(const Row& row)
{
    return row.header || row.kind == kKey ? 1 : 2;
}

constexpr int CountControls()
{
    int count = 0;
    for (const Row& row : kRows)
        count += ControlsOf(row);
    return count;
}

constexpr auto BuildControls()
{
    std::array<Control, CountControls()> controls{};
    int id = 0;
    for (const Row& row : kRows) {
        const Place label = LabelPlace(row);
        const int labelWidth = kLabelColumns * kCellWidth;
        if (row.header) {
            controls[id] = {id, Kind::StaticText, label.x, label.y, labelWidth, kCellHeight, "LcdCharStrong", 0,
                            {}, row.label,        ""};
            ++id;
            continue;
        }
        if (row.kind == kLine) {
            controls[id] = {id, Kind::StaticText, label.x, label.y, labelWidth, kCellHeight, "LcdCharWhite", 0,
                            {}, row.label,        ""};
            ++id;
        }
        const Place value = ValuePlace(row);
        controls[id] = {id,
                        Kind::EditText,
                        value.x,
                        value.y,
                        ValueColumns(row) * kCellWidth,
                        kCellHeight,
                        "LcdCharWhiteBack",
                        0,
                        {row.group, row.index},
                        row.label,
                        ""};
        ++id;
    }
    return controls;
}

constexpr auto kControls = BuildControls();

}  // namespace

Window GlobalPageLayout()
{
    return {"GlobalPage", "BG_GlobalEditFav", 982, 630, 28, 133, kControls};
}

}  // namespace layout
