#include "editor/layout/Layouts.h"

namespace layout {
namespace {

constexpr Control kControls[] = {
    {0, Kind::BitmapList, 6, 0, 170, 37, "BitmapListPageSelectTab", 2, {}, "current page", ""},
    {1, Kind::PageButton, 23, 6, 249, 30, nullptr, 0, {}, "page tabs PROGRAM and GLOBAL", ""},
};

}  // namespace

Window PageSelectLayout()
{
    return {"PageSelect", "BG_PageSelect", 982, 37, 0, 0, kControls};
}

}  // namespace layout
