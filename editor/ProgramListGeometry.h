#pragma once
// Where the program page puts its rows, favourite cells and page tabs, and
// which of them lies under a point. Rows and cells count only points
// strictly inside their grid.
#include <platform/types.h>

namespace program_list {

inline constexpr int kProgramCount = 200;
inline constexpr int kListX = 23;
inline constexpr int kListY = 131;
inline constexpr int kRowHeight = 12;
// Kept free at the right end of a row.
inline constexpr int kRowGap = 4;
inline constexpr int kRowsPerColumn = 40;

inline constexpr int kFavouriteCount = 40;
inline constexpr int kFavouriteX = 580;
inline constexpr int kFavouriteY = 37;
inline constexpr int kFavouriteColumns = 8;
inline constexpr int kFavouriteRows = 5;
inline constexpr int kFavouritePitch = 48;
inline constexpr int kFavouriteWidth = 38;

inline constexpr int kTabX = 580;
inline constexpr int kTabY = 108;
inline constexpr int kTabPitch = 76;
inline constexpr int kTabWidth = 70;
inline constexpr int kTabHeight = 15;

// List mode 0 shows 40 programs a page in one wide column, mode 1 all 200
// in five narrow ones.
struct ListGeometry
{
    int programsPerPage;
    int columnWidth;
};

// Any mode but 1 is mode 0.
ListGeometry GeometryOf(int listMode);
int PageCount(const ListGeometry& geometry);
int PageOf(const ListGeometry& geometry, int program);
// The top left corner of the program's row on its page.
POINT RowCorner(const ListGeometry& geometry, int program);
// The program under the point on that page, or -1.
int ProgramAt(const ListGeometry& geometry, int page, int x, int y);
POINT FavouriteCorner(int slot);
// The favourite slot under the point, or -1.
int FavouriteAt(int x, int y);
// The page tab under the point, or -1; tabs exist only for pages there are.
int PageTabAt(const ListGeometry& geometry, int x, int y);

}  // namespace program_list
