// Where the program page puts rows, favourite cells and page tabs in both
// list modes, and what lies under a point: only points strictly inside a
// grid count.
#include "editor/ProgramListGeometry.h"

#include <gtest/gtest.h>

namespace {

using namespace program_list;

struct HitCase
{
    int mode;
    int page;
    int x, y;
    int program;  // -1: none
};

TEST(ProgramListGeometry, ModesSizeThePagesAndColumns)
{
    EXPECT_EQ(GeometryOf(0).programsPerPage, 40);
    EXPECT_EQ(GeometryOf(0).columnWidth, 935);
    EXPECT_EQ(PageCount(GeometryOf(0)), 5);
    EXPECT_EQ(GeometryOf(1).programsPerPage, 200);
    EXPECT_EQ(GeometryOf(1).columnWidth, 188);
    EXPECT_EQ(PageCount(GeometryOf(1)), 1);
    EXPECT_EQ(GeometryOf(7).programsPerPage, 40) << "a stored mode of another value is mode 0";
}

TEST(ProgramListGeometry, RowsLieInColumnsOfFortyDownFromTheListCorner)
{
    const struct
    {
        int mode, program, x, y, page;
    } cases[] = {
        {0, 0, 23, 131, 0},  {0, 39, 23, 599, 0},  {0, 40, 23, 131, 1},   {0, 199, 23, 599, 4}, {1, 0, 23, 131, 0},
        {1, 39, 23, 599, 0}, {1, 40, 211, 131, 0}, {1, 199, 775, 599, 0}, {1, 85, 399, 191, 0},
    };
    for (const auto& c : cases) {
        const ListGeometry geometry = GeometryOf(c.mode);
        const POINT corner = RowCorner(geometry, c.program);
        EXPECT_EQ(corner.x, c.x) << "mode " << c.mode << " program " << c.program;
        EXPECT_EQ(corner.y, c.y) << "mode " << c.mode << " program " << c.program;
        EXPECT_EQ(PageOf(geometry, c.program), c.page);
        // The row's own corner lies on its grid line; one pixel in is the row.
        EXPECT_EQ(ProgramAt(geometry, c.page, corner.x + 1, corner.y + 1), c.program);
    }
}

TEST(ProgramListGeometry, HitTestsTakeOnlyPointsStrictlyInsideTheGrid)
{
    const HitCase cases[] = {
        // Mode 0: one column 935 wide, 40 rows of 12 from y 131.
        {0, 0, 24, 132, 0},
        {0, 0, 23, 132, -1},   // on the left edge
        {0, 0, 24, 131, -1},   // on the top edge
        {0, 0, 957, 610, 39},  // the last pixel inside
        {0, 0, 958, 300, -1},  // on the right edge, 23 + 935
        {0, 0, 500, 611, -1},  // on the bottom edge, 131 + 480
        {0, 0, 500, 143, 1},   // a row line belongs to the row below it
        {0, 2, 500, 143, 81},  // the same point on page C
        {0, 4, 957, 610, 199},
        // Mode 1: five columns 188 wide.
        {1, 0, 210, 132, 0},
        {1, 0, 211, 132, 40},  // a column line belongs to the column right of it
        {1, 0, 962, 610, 199},
        {1, 0, 963, 610, -1},  // 23 + 5 x 188
        {1, 0, 500, 611, -1},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(ProgramAt(GeometryOf(c.mode), c.page, c.x, c.y), c.program)
            << "mode " << c.mode << " page " << c.page << " at " << c.x << "," << c.y;
}

TEST(ProgramListGeometry, FavouritesFillEightColumnsOfFiveRows)
{
    EXPECT_EQ(FavouriteCorner(0).x, 580);
    EXPECT_EQ(FavouriteCorner(0).y, 37);
    EXPECT_EQ(FavouriteCorner(9).x, 628);
    EXPECT_EQ(FavouriteCorner(9).y, 49);
    EXPECT_EQ(FavouriteCorner(39).x, 916);
    EXPECT_EQ(FavouriteCorner(39).y, 85);
    const struct
    {
        int x, y, slot;
    } cases[] = {{581, 38, 0}, {580, 38, -1}, {581, 37, -1}, {629, 50, 9}, {963, 96, 39}, {964, 96, -1}, {700, 97, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(FavouriteAt(c.x, c.y), c.slot) << c.x << "," << c.y;
}

TEST(ProgramListGeometry, PageTabsExistOnlyForPagesThereAre)
{
    const ListGeometry five = GeometryOf(0);
    const struct
    {
        int x, y, tab;
    } cases[] = {{581, 109, 0},  {580, 109, -1}, {581, 108, -1}, {581, 123, -1}, {655, 122, 0},
                 {656, 115, -1}, {657, 115, 1},  {959, 115, 4},  {960, 115, -1}};
    for (const auto& c : cases)
        EXPECT_EQ(PageTabAt(five, c.x, c.y), c.tab) << c.x << "," << c.y;
    EXPECT_EQ(PageTabAt(GeometryOf(1), 581, 109), 0) << "the one page of mode 1";
    EXPECT_EQ(PageTabAt(GeometryOf(1), 657, 115), -1);
}

}  // namespace
