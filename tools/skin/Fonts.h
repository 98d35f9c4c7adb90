#pragma once
// Bitmap font strips: 128 cells stacked vertically, one cell wide.
// Cell 0 is the filler of unused columns, cell 1 the caret.
#include "Canvas.h"

namespace skin {

struct FontStyle
{
    bool large;  // 7x11 cells instead of 6x9
    Argb glyph;
    Argb backing;  // 0: transparent cells; else under every cell but the caret
};

constexpr int FontCellWidth(bool large)
{
    return large ? 7 : 6;
}
constexpr int FontCellHeight(bool large)
{
    return large ? 11 : 9;
}
constexpr int kFontCells = 128;

void DrawFontStrip(const Canvas& canvas, const FontStyle& style);

}  // namespace skin
