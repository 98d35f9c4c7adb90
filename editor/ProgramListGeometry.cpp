#include "editor/ProgramListGeometry.h"

namespace program_list {
namespace {

// The cell index of a point strictly inside a grid of columns x rows cells
// at (left, top), or -1; cells count down each column first when
// columnMajor is set.
int CellAt(int left, int top, int cellWidth, int cellHeight, int columns, int rows, bool columnMajor, int x, int y)
{
    if (x <= left || y <= top || x >= left + columns * cellWidth || y >= top + rows * cellHeight)
        return -1;
    const int column = (x - left) / cellWidth;
    const int row = (y - top) / cellHeight;
    return columnMajor ? row + rows * column : column + columns * row;
}

}  // namespace

ListGeometry GeometryOf(int listMode)
{
    return listMode == 1 ? ListGeometry{200, 188} : ListGeometry{40, 935};
}

int PageCount(const ListGeometry& geometry)
{
    return kProgramCount / geometry.programsPerPage;
}

int PageOf(const ListGeometry& geometry, int program)
{
    return program / geometry.programsPerPage;
}

POINT RowCorner(const ListGeometry& geometry, int program)
{
    const int slot = program % geometry.programsPerPage;
    return {kListX + geometry.columnWidth * (slot / kRowsPerColumn), kListY + kRowHeight * (slot % kRowsPerColumn)};
}

int ProgramAt(const ListGeometry& geometry, int page, int x, int y)
{
    const int slot = CellAt(kListX, kListY, geometry.columnWidth, kRowHeight, geometry.programsPerPage / kRowsPerColumn,
                            kRowsPerColumn, true, x, y);
    return slot < 0 ? -1 : page * geometry.programsPerPage + slot;
}

POINT FavouriteCorner(int slot)
{
    return {kFavouriteX + kFavouritePitch * (slot % kFavouriteColumns),
            kFavouriteY + kRowHeight * (slot / kFavouriteColumns)};
}

int FavouriteAt(int x, int y)
{
    return CellAt(kFavouriteX, kFavouriteY, kFavouritePitch, kRowHeight, kFavouriteColumns, kFavouriteRows, false, x,
                  y);
}

int PageTabAt(const ListGeometry& geometry, int x, int y)
{
    // Each tab's own bounds are exclusive too.
    if ((x - kTabX) % kTabPitch == 0)
        return -1;
    return CellAt(kTabX, kTabY, kTabPitch, kTabHeight, PageCount(geometry), 1, false, x, y);
}

}  // namespace program_list
