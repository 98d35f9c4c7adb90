#pragma once
// The global settings page as one table of 77 rows: LCD lines placed by
// column and line, the user-scale keys placed on the keyboard picture.
// The page builds its controls from it and the layout (and so the skin
// art) places them with the same arithmetic.
#include <iterator>

namespace layout::global_page {

enum RowKind
{
    kLine = 0,
    kKey = 1,
};

struct Row
{
    RowKind kind;
    int x;  // column of a line, x of a key
    int y;  // line of a line, y of a key on the keyboard
    bool header;
    int group;  // the global parameter; -1 for a header
    int index;
    const char* label;  // the heading, or the parameter's table name
};

inline constexpr int kColumnPitch = 251;
inline constexpr int kLinePitch = 13;
inline constexpr int kValueOffset = 150;
inline constexpr int kKeyboardY = 130;
inline constexpr int kLabelColumns = 24;
inline constexpr int kValueColumns = 14;
inline constexpr int kKeyColumns = 3;
inline constexpr int kCellWidth = 6;
inline constexpr int kCellHeight = 9;

inline constexpr Row kRows[] = {
    {kLine, 0, 0, true, -1, -1, "GLOBAL"},
    {kLine, 0, 1, false, 0, 0, "Master Tune"},
    {kLine, 0, 2, false, 0, 1, "Transpose"},
    {kLine, 0, 3, false, 0, 7, "Velocity Curve"},
    {kLine, 0, 4, false, 0, 5, "Position"},
    {kLine, 0, 5, false, 0, 8, "Battery Type"},
    {kLine, 0, 6, false, 0, 3, "Power Saving"},
    {kLine, 0, 7, false, 0, 9, "Auto Power Off"},
    {kLine, 1, 0, true, -1, -1, "MIDI"},
    {kLine, 1, 1, false, 1, 0, "Global MIDI Channel"},
    {kLine, 1, 2, false, 1, 1, "Local Control"},
    {kLine, 1, 3, false, 1, 3, "MIDI Clock"},
    {kLine, 1, 4, false, 1, 4, "MIDI Control 1"},
    {kLine, 1, 5, false, 1, 5, "MIDI Control 2"},
    {kLine, 1, 6, false, 1, 6, "MIDI Control 3"},
    {kLine, 1, 8, true, -1, -1, "MIDI FILTER"},
    {kLine, 1, 9, false, 2, 3, "Program Change"},
    {kLine, 1, 10, false, 2, 2, "Control Change"},
    {kLine, 1, 11, false, 2, 1, "Pitch Bend"},
    {kLine, 0, 9, true, -1, -1, "USER SCALE"},
    {kKey, 9, 52, false, 3, 0, "C"},
    {kKey, 23, 23, false, 3, 1, "C#"},
    {kKey, 42, 52, false, 3, 2, "D"},
    {kKey, 62, 23, false, 3, 3, "D#"},
    {kKey, 75, 52, false, 3, 4, "E"},
    {kKey, 108, 52, false, 3, 5, "F"},
    {kKey, 118, 23, false, 3, 6, "F#"},
    {kKey, 143, 52, false, 3, 7, "G"},
    {kKey, 161, 23, false, 3, 8, "G#"},
    {kKey, 176, 52, false, 3, 9, "A"},
    {kKey, 202, 23, false, 3, 10, "A#"},
    {kKey, 209, 52, false, 3, 11, "B"},
    {kLine, 1, 13, true, -1, -1, "LONG RIBBON"},
    {kLine, 1, 14, false, 4, 0, "Long Ribbon MIDI Ch."},
    {kLine, 1, 15, false, 4, 1, "Long Ribbon Velocity"},
    {kLine, 0, 16, true, -1, -1, "FAVORITE PROGRAM"},
    {kLine, 0, 17, false, 6, 0, "Bank#1 Fav\"A\" Prog#"},
    {kLine, 0, 18, false, 6, 1, "Bank#1 Fav\"B\" Prog#"},
    {kLine, 0, 19, false, 6, 2, "Bank#1 Fav\"C\" Prog#"},
    {kLine, 0, 20, false, 6, 3, "Bank#1 Fav\"D\" Prog#"},
    {kLine, 0, 21, false, 6, 4, "Bank#1 Fav\"E\" Prog#"},
    {kLine, 0, 22, false, 6, 5, "Bank#1 Fav\"F\" Prog#"},
    {kLine, 0, 23, false, 6, 6, "Bank#1 Fav\"G\" Prog#"},
    {kLine, 0, 24, false, 6, 7, "Bank#1 Fav\"H\" Prog#"},
    {kLine, 0, 25, false, 6, 8, "Bank#2 Fav\"A\" Prog#"},
    {kLine, 0, 26, false, 6, 9, "Bank#2 Fav\"B\" Prog#"},
    {kLine, 0, 27, false, 6, 10, "Bank#2 Fav\"C\" Prog#"},
    {kLine, 0, 28, false, 6, 11, "Bank#2 Fav\"D\" Prog#"},
    {kLine, 0, 29, false, 6, 12, "Bank#2 Fav\"E\" Prog#"},
    {kLine, 0, 30, false, 6, 13, "Bank#2 Fav\"F\" Prog#"},
    {kLine, 0, 31, false, 6, 14, "Bank#2 Fav\"G\" Prog#"},
    {kLine, 0, 32, false, 6, 15, "Bank#2 Fav\"H\" Prog#"},
    {kLine, 0, 33, false, 6, 16, "Bank#3 Fav\"A\" Prog#"},
    {kLine, 0, 34, false, 6, 17, "Bank#3 Fav\"B\" Prog#"},
    {kLine, 0, 35, false, 6, 18, "Bank#3 Fav\"C\" Prog#"},
    {kLine, 0, 36, false, 6, 19, "Bank#3 Fav\"D\" Prog#"},
    {kLine, 1, 17, false, 6, 20, "Bank#3 Fav\"E\" Prog#"},
    {kLine, 1, 18, false, 6, 21, "Bank#3 Fav\"F\" Prog#"},
    {kLine, 1, 19, false, 6, 22, "Bank#3 Fav\"G\" Prog#"},
    {kLine, 1, 20, false, 6, 23, "Bank#3 Fav\"H\" Prog#"},
    {kLine, 1, 21, false, 6, 24, "Bank#4 Fav\"A\" Prog#"},
    {kLine, 1, 22, false, 6, 25, "Bank#4 Fav\"B\" Prog#"},
    {kLine, 1, 23, false, 6, 26, "Bank#4 Fav\"C\" Prog#"},
    {kLine, 1, 24, false, 6, 27, "Bank#4 Fav\"D\" Prog#"},
    {kLine, 1, 25, false, 6, 28, "Bank#4 Fav\"E\" Prog#"},
    {kLine, 1, 26, false, 6, 29, "Bank#4 Fav\"F\" Prog#"},
    {kLine, 1, 27, false, 6, 30, "Bank#4 Fav\"G\" Prog#"},
    {kLine, 1, 28, false, 6, 31, "Bank#4 Fav\"H\" Prog#"},
    {kLine, 1, 29, false, 6, 32, "Bank#5 Fav\"A\" Prog#"},
    {kLine, 1, 30, false, 6, 33, "Bank#5 Fav\"B\" Prog#"},
    {kLine, 1, 31, false, 6, 34, "Bank#5 Fav\"C\" Prog#"},
    {kLine, 1, 32, false, 6, 35, "Bank#5 Fav\"D\" Prog#"},
    {kLine, 1, 33, false, 6, 36, "Bank#5 Fav\"E\" Prog#"},
    {kLine, 1, 34, false, 6, 37, "Bank#5 Fav\"F\" Prog#"},
    {kLine, 1, 35, false, 6, 38, "Bank#5 Fav\"G\" Prog#"},
    {kLine, 1, 36, false, 6, 39, "Bank#5 Fav\"H\" Prog#"},
    {kLine, 2, 0, true, -1, -1, "CC# MAP"},
};

inline constexpr int kRowCount = static_cast<int>(std::size(kRows));

struct Place
{
    int x;
    int y;
};

// Where a line's label (or heading) starts.
constexpr Place LabelPlace(const Row& row)
{
    return {row.x * kColumnPitch, row.y * kLinePitch};
}

// Where a row's value field starts: right of its label, or on its key.
constexpr Place ValuePlace(const Row& row)
{
    if (row.kind == kKey)
        return {row.x, row.y + kKeyboardY};
    const Place label = LabelPlace(row);
    return {label.x + kValueOffset, label.y};
}

constexpr int ValueColumns(const Row& row)
{
    return row.kind == kKey ? kKeyColumns : kValueColumns;
}

}  // namespace layout::global_page
