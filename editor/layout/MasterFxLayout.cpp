#include "editor/layout/Layouts.h"

namespace layout {
namespace {

// Parameter rows follow the effect type: the window shows, hides and names
// them; the positions below are the ones it gives them. A label is bound to
// the parameter it names, and each control's event code is its row in the
// window's table of master effect rows.
constexpr const char* kFont = "LcdCharWhite";
constexpr const char* kBack = "LcdCharWhiteBack";

constexpr Control kControls[] = {
    {0, Kind::EditText, 95, 77, 132, 9, kBack, 0, {6, 1}, "FX 1 Type", "TYPE", 0},
    {1, Kind::EditText, 95, 298, 132, 9, kBack, 0, {6, 25}, "FX 2 Type", "TYPE", 23},
    {2, Kind::DropArea, 22, 61, 584, 214, nullptr, 0, {}, "master effect 1", ""},
    {3, Kind::DropArea, 22, 283, 584, 214, nullptr, 0, {}, "master effect 2", ""},
    {4, Kind::StaticText, 39, 103, 132, 9, kFont, 0, {6, 4}, "effect 1 parameter 1 name", "", 3},
    {5, Kind::StaticText, 39, 116, 132, 9, kFont, 0, {6, 5}, "effect 1 parameter 2 name", "", 4},
    {6, Kind::StaticText, 39, 129, 132, 9, kFont, 0, {6, 6}, "effect 1 parameter 3 name", "", 5},
    {7, Kind::StaticText, 39, 142, 132, 9, kFont, 0, {6, 7}, "effect 1 parameter 4 name", "", 6},
    {8, Kind::StaticText, 39, 155, 132, 9, kFont, 0, {6, 8}, "effect 1 parameter 5 name", "", 7},
    {9, Kind::StaticText, 39, 168, 132, 9, kFont, 0, {6, 9}, "effect 1 parameter 6 name", "", 8},
    {10, Kind::StaticText, 39, 181, 132, 9, kFont, 0, {6, 10}, "effect 1 parameter 7 name", "", 9},
    {11, Kind::StaticText, 39, 194, 132, 9, kFont, 0, {6, 11}, "effect 1 parameter 8 name", "", 10},
    {12, Kind::StaticText, 39, 207, 132, 9, kFont, 0, {6, 12}, "effect 1 parameter 9 name", "", 11},
    {13, Kind::StaticText, 39, 220, 132, 9, kFont, 0, {6, 13}, "effect 1 parameter 10 name", "", 12},
    {14, Kind::StaticText, 314, 103, 132, 9, kFont, 0, {6, 14}, "effect 1 parameter 11 name", "", 13},
    {15, Kind::StaticText, 314, 116, 132, 9, kFont, 0, {6, 15}, "effect 1 parameter 12 name", "", 14},
    {16, Kind::StaticText, 314, 129, 132, 9, kFont, 0, {6, 16}, "effect 1 parameter 13 name", "", 15},
    {17, Kind::StaticText, 314, 142, 132, 9, kFont, 0, {6, 17}, "effect 1 parameter 14 name", "", 16},
    {18, Kind::StaticText, 314, 155, 132, 9, kFont, 0, {6, 18}, "effect 1 parameter 15 name", "", 17},
    {19, Kind::StaticText, 314, 168, 132, 9, kFont, 0, {6, 19}, "effect 1 parameter 16 name", "", 18},
    {20, Kind::StaticText, 314, 181, 132, 9, kFont, 0, {6, 20}, "effect 1 parameter 17 name", "", 19},
    {21, Kind::StaticText, 314, 194, 132, 9, kFont, 0, {6, 21}, "effect 1 parameter 18 name", "", 20},
    {22, Kind::StaticText, 314, 207, 132, 9, kFont, 0, {6, 22}, "effect 1 parameter 19 name", "", 21},
    {23, Kind::StaticText, 314, 220, 132, 9, kFont, 0, {6, 23}, "effect 1 parameter 20 name", "", 22},
    {24, Kind::StaticText, 39, 326, 132, 9, kFont, 0, {6, 28}, "effect 2 parameter 1 name", "", 26},
    {25, Kind::StaticText, 39, 339, 132, 9, kFont, 0, {6, 29}, "effect 2 parameter 2 name", "", 27},
    {26, Kind::StaticText, 39, 352, 132, 9, kFont, 0, {6, 30}, "effect 2 parameter 3 name", "", 28},
    {27, Kind::StaticText, 39, 365, 132, 9, kFont, 0, {6, 31}, "effect 2 parameter 4 name", "", 29},
    {28, Kind::StaticText, 39, 378, 132, 9, kFont, 0, {6, 32}, "effect 2 parameter 5 name", "", 30},
    {29, Kind::StaticText, 39, 391, 132, 9, kFont, 0, {6, 33}, "effect 2 parameter 6 name", "", 31},
    {30, Kind::StaticText, 39, 404, 132, 9, kFont, 0, {6, 34}, "effect 2 parameter 7 name", "", 32},
    {31, Kind::StaticText, 39, 417, 132, 9, kFont, 0, {6, 35}, "effect 2 parameter 8 name", "", 33},
    {32, Kind::StaticText, 39, 430, 132, 9, kFont, 0, {6, 36}, "effect 2 parameter 9 name", "", 34},
    {33, Kind::StaticText, 39, 443, 132, 9, kFont, 0, {6, 37}, "effect 2 parameter 10 name", "", 35},
    {34, Kind::StaticText, 314, 326, 132, 9, kFont, 0, {6, 38}, "effect 2 parameter 11 name", "", 36},
    {35, Kind::StaticText, 314, 339, 132, 9, kFont, 0, {6, 39}, "effect 2 parameter 12 name", "", 37},
    {36, Kind::StaticText, 314, 352, 132, 9, kFont, 0, {6, 40}, "effect 2 parameter 13 name", "", 38},
    {37, Kind::StaticText, 314, 365, 132, 9, kFont, 0, {6, 41}, "effect 2 parameter 14 name", "", 39},
    {38, Kind::StaticText, 314, 378, 132, 9, kFont, 0, {6, 42}, "effect 2 parameter 15 name", "", 40},
    {39, Kind::StaticText, 314, 391, 132, 9, kFont, 0, {6, 43}, "effect 2 parameter 16 name", "", 41},
    {40, Kind::StaticText, 314, 404, 132, 9, kFont, 0, {6, 44}, "effect 2 parameter 17 name", "", 42},
    {41, Kind::StaticText, 314, 417, 132, 9, kFont, 0, {6, 45}, "effect 2 parameter 18 name", "", 43},
    {42, Kind::StaticText, 314, 430, 132, 9, kFont, 0, {6, 46}, "effect 2 parameter 19 name", "", 44},
    {43, Kind::StaticText, 314, 443, 132, 9, kFont, 0, {6, 47}, "effect 2 parameter 20 name", "", 45},
    {44, Kind::EditText, 179, 103, 120, 9, kBack, 0, {6, 4}, "effect 1 parameter 1", "", 3},
    {45, Kind::EditText, 179, 116, 120, 9, kBack, 0, {6, 5}, "effect 1 parameter 2", "", 4},
    {46, Kind::EditText, 179, 129, 120, 9, kBack, 0, {6, 6}, "effect 1 parameter 3", "", 5},
    {47, Kind::EditText, 179, 142, 120, 9, kBack, 0, {6, 7}, "effect 1 parameter 4", "", 6},
    {48, Kind::EditText, 179, 155, 120, 9, kBack, 0, {6, 8}, "effect 1 parameter 5", "", 7},
    {49, Kind::EditText, 179, 168, 120, 9, kBack, 0, {6, 9}, "effect 1 parameter 6", "", 8},
    {50, Kind::EditText, 179, 181, 120, 9, kBack, 0, {6, 10}, "effect 1 parameter 7", "", 9},
    {51, Kind::EditText, 179, 194, 120, 9, kBack, 0, {6, 11}, "effect 1 parameter 8", "", 10},
    {52, Kind::EditText, 179, 207, 120, 9, kBack, 0, {6, 12}, "effect 1 parameter 9", "", 11},
    {53, Kind::EditText, 179, 220, 120, 9, kBack, 0, {6, 13}, "effect 1 parameter 10", "", 12},
    {54, Kind::EditText, 454, 103, 120, 9, kBack, 0, {6, 14}, "effect 1 parameter 11", "", 13},
    {55, Kind::EditText, 454, 116, 120, 9, kBack, 0, {6, 15}, "effect 1 parameter 12", "", 14},
    {56, Kind::EditText, 454, 129, 120, 9, kBack, 0, {6, 16}, "effect 1 parameter 13", "", 15},
    {57, Kind::EditText, 454, 142, 120, 9, kBack, 0, {6, 17}, "effect 1 parameter 14", "", 16},
    {58, Kind::EditText, 454, 155, 120, 9, kBack, 0, {6, 18}, "effect 1 parameter 15", "", 17},
    {59, Kind::EditText, 454, 168, 120, 9, kBack, 0, {6, 19}, "effect 1 parameter 16", "", 18},
    {60, Kind::EditText, 454, 181, 120, 9, kBack, 0, {6, 20}, "effect 1 parameter 17", "", 19},
    {61, Kind::EditText, 454, 194, 120, 9, kBack, 0, {6, 21}, "effect 1 parameter 18", "", 20},
    {62, Kind::EditText, 454, 207, 120, 9, kBack, 0, {6, 22}, "effect 1 parameter 19", "", 21},
    {63, Kind::EditText, 454, 220, 120, 9, kBack, 0, {6, 23}, "effect 1 parameter 20", "", 22},
    {64, Kind::EditText, 179, 326, 120, 9, kBack, 0, {6, 28}, "effect 2 parameter 1", "", 26},
    {65, Kind::EditText, 179, 339, 120, 9, kBack, 0, {6, 29}, "effect 2 parameter 2", "", 27},
    {66, Kind::EditText, 179, 352, 120, 9, kBack, 0, {6, 30}, "effect 2 parameter 3", "", 28},
    {67, Kind::EditText, 179, 365, 120, 9, kBack, 0, {6, 31}, "effect 2 parameter 4", "", 29},
    {68, Kind::EditText, 179, 378, 120, 9, kBack, 0, {6, 32}, "effect 2 parameter 5", "", 30},
    {69, Kind::EditText, 179, 391, 120, 9, kBack, 0, {6, 33}, "effect 2 parameter 6", "", 31},
    {70, Kind::EditText, 179, 404, 120, 9, kBack, 0, {6, 34}, "effect 2 parameter 7", "", 32},
    {71, Kind::EditText, 179, 417, 120, 9, kBack, 0, {6, 35}, "effect 2 parameter 8", "", 33},
    {72, Kind::EditText, 179, 430, 120, 9, kBack, 0, {6, 36}, "effect 2 parameter 9", "", 34},
    {73, Kind::EditText, 179, 443, 120, 9, kBack, 0, {6, 37}, "effect 2 parameter 10", "", 35},
    {74, Kind::EditText, 454, 326, 120, 9, kBack, 0, {6, 38}, "effect 2 parameter 11", "", 36},
    {75, Kind::EditText, 454, 339, 120, 9, kBack, 0, {6, 39}, "effect 2 parameter 12", "", 37},
    {76, Kind::EditText, 454, 352, 120, 9, kBack, 0, {6, 40}, "effect 2 parameter 13", "", 38},
    {77, Kind::EditText, 454, 365, 120, 9, kBack, 0, {6, 41}, "effect 2 parameter 14", "", 39},
    {78, Kind::EditText, 454, 378, 120, 9, kBack, 0, {6, 42}, "effect 2 parameter 15", "", 40},
    {79, Kind::EditText, 454, 391, 120, 9, kBack, 0, {6, 43}, "effect 2 parameter 16", "", 41},
    {80, Kind::EditText, 454, 404, 120, 9, kBack, 0, {6, 44}, "effect 2 parameter 17", "", 42},
    {81, Kind::EditText, 454, 417, 120, 9, kBack, 0, {6, 45}, "effect 2 parameter 18", "", 43},
    {82, Kind::EditText, 454, 430, 120, 9, kBack, 0, {6, 46}, "effect 2 parameter 19", "", 44},
    {83, Kind::EditText, 454, 443, 120, 9, kBack, 0, {6, 47}, "effect 2 parameter 20", "", 45},
    {84, Kind::EditText, 179, 247, 120, 9, kBack, 0, {6, 2}, "Long Ribbon", "", 1},
    {85, Kind::StaticText, 39, 247, 132, 9, kFont, 0, {6, 2}, "Long Ribbon (Filter)", "", 1},
    {86, Kind::EditText, 454, 247, 120, 9, kBack, 0, {6, 3}, "Long Ribbon Polarity", "", 2},
    {87, Kind::StaticText, 314, 247, 132, 9, kFont, 0, {6, 3}, "Long Ribbon Polarity", "", 2},
    {88, Kind::EditText, 179, 472, 120, 9, kBack, 0, {6, 26}, "Long Ribbon", "", 24},
    {89, Kind::StaticText, 39, 472, 132, 9, kFont, 0, {6, 26}, "Long Ribbon (Filter)", "", 24},
    {90, Kind::EditText, 454, 472, 120, 9, kBack, 0, {6, 27}, "Long Ribbon Polarity", "", 25},
    {91, Kind::StaticText, 314, 472, 132, 9, kFont, 0, {6, 27}, "Long Ribbon Polarity", "", 25},
};

}  // namespace

Window MasterFxLayout()
{
    return {"MasterFXEdit", "BG_MasterFXEdit", 630, 518, 0, 0, kControls};
}

}  // namespace layout
