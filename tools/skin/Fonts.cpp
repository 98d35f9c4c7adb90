#include "Fonts.h"

#include "PixelFont.h"

namespace skin {
namespace {

// The large face stretches the 5x7 body to 6x9 by doubling the centre
// column and two body rows; descenders keep their two rows.
constexpr int kLargeColumn[6] = {0, 1, 2, 2, 3, 4};
constexpr int kLargeRow[11] = {0, 1, 1, 2, 3, 4, 5, 5, 6, 7, 8};

bool Lit(char c, bool large, int column, int row)
{
    const auto& rows = Glyph(c);
    if (!large)
        return column < kGlyphColumns && row < kGlyphRows && (rows[row] & (0x10 >> column));
    return column < 6 && (rows[kLargeRow[row]] & (0x10 >> kLargeColumn[column]));
}

}  // namespace

void DrawFontStrip(const Canvas& canvas, const FontStyle& style)
{
    const int w = FontCellWidth(style.large);
    const int h = FontCellHeight(style.large);
    for (int code = 0; code < kFontCells; ++code) {
        const int top = code * h;
        const bool caret = code == 1;
        const bool printable = code >= 33 && code <= 126;
        if (style.backing && !caret)
            canvas.FillRect(0, top, w, h, style.backing);
        if (caret) {
            canvas.FillRect(0, top, 1, h, style.glyph);
            continue;
        }
        if (!printable)
            continue;
        for (int row = 0; row < h; ++row) {
            for (int column = 0; column < w; ++column) {
                if (Lit(static_cast<char>(code), style.large, column, row))
                    canvas.FillRect(column, top + row, 1, 1, style.glyph);
            }
        }
    }
}

}  // namespace skin
