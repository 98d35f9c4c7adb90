#pragma once
// Text laid out, measured and drawn with Pango over cairo, so that every
// character finds an installed font that has it. Lines are placed by the
// start of their baseline. Kerning and ligatures stay off: a text is as
// wide as its characters' advances, so a caret fits between any two.
#include <cairo.h>

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace platform::gdi {

struct Font
{
    // Comma-separated; each character is looked for in them in order
    // before the desktop's own choice of font.
    const char* families;
    int pixels;
    bool bold = false;
};

// Menus and the standard controls; bold for window captions. Japanese
// text comes from the second family.
inline constexpr Font kUiFont{"DejaVu Sans,IPAGothic", 12};
inline constexpr Font kCaptionFont{"DejaVu Sans,IPAGothic", 11, true};

struct FontMetrics
{
    double ascent;
    double descent;
    double height;  // from one baseline to the next
};

FontMetrics MetricsOf(const Font& font);
// The advance of one line.
int TextWidth(const Font& font, std::string_view utf8);
// Where the caret stands before each of the given byte offsets (ascending,
// each at a character boundary) of one line, from its start.
std::vector<int> CaretOffsets(const Font& font, std::string_view utf8, const std::vector<std::size_t>& offsets);

// The box the drawn pixels take, from the start of the baseline.
struct InkBox
{
    double left;
    double top;
    double width;
    double height;
};
InkBox InkOf(const Font& font, std::string_view utf8);

// The text cut at its line breaks and wrapped where the line breaking
// rules allow, so that each line fits the width when it can; spaces at a
// line's end are dropped.
std::vector<std::string> WrapText(const Font& font, std::string_view utf8, int width);

// One line in the current source.
void ShowText(cairo_t* cr, const Font& font, double x, double baseline, std::string_view utf8);

// How many characters of the text no installed font can show.
int MissingGlyphs(const Font& font, std::string_view utf8);

}  // namespace platform::gdi
