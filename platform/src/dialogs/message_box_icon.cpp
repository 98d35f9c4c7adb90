#include "message_box_icon.h"

#include "platform/src/gdi/text_layout.h"

#include <platform/dialogs.h>

#include <cmath>

namespace platform::dialogs {
namespace {

void Disc(cairo_t* cr, double red, double green, double blue)
{
    const double half = kMessageIconSize / 2.0;
    cairo_arc(cr, half, half, half - 1, 0, 2 * M_PI);
    cairo_set_source_rgb(cr, red, green, blue);
    cairo_fill(cr);
}

// A white glyph centred on the icon.
void Glyph(cairo_t* cr, const char* text, double red, double green, double blue)
{
    static constexpr gdi::Font kGlyphFont{"DejaVu Serif", 22, true};
    const gdi::InkBox ink = gdi::InkOf(kGlyphFont, text);
    cairo_set_source_rgb(cr, red, green, blue);
    gdi::ShowText(cr, kGlyphFont, (kMessageIconSize - ink.width) / 2 - ink.left,
                  (kMessageIconSize - ink.height) / 2 - ink.top, text);
}

void Error(cairo_t* cr)
{
    Disc(cr, 0.80, 0.10, 0.10);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 4);
    cairo_move_to(cr, 10, 10);
    cairo_line_to(cr, 22, 22);
    cairo_move_to(cr, 22, 10);
    cairo_line_to(cr, 10, 22);
    cairo_stroke(cr);
}

void Warning(cairo_t* cr)
{
    cairo_move_to(cr, kMessageIconSize / 2.0, 2);
    cairo_line_to(cr, kMessageIconSize - 1, kMessageIconSize - 3);
    cairo_line_to(cr, 1, kMessageIconSize - 3);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0.98, 0.80, 0.10);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0.35, 0.25, 0);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    cairo_translate(cr, 0, 3);
    Glyph(cr, "!", 0, 0, 0);
}

}  // namespace

bool HasMessageIcon(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
    case MB_ICONQUESTION:
    case MB_ICONEXCLAMATION:
    case MB_ICONASTERISK: return true;
    }
    return false;
}

void DrawMessageIcon(cairo_t* cr, UINT type, int x, int y)
{
    cairo_save(cr);
    cairo_translate(cr, x, y);
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: Error(cr); break;
    case MB_ICONEXCLAMATION: Warning(cr); break;
    case MB_ICONASTERISK:
        Disc(cr, 0.15, 0.35, 0.80);
        Glyph(cr, "i", 1, 1, 1);
        break;
    case MB_ICONQUESTION:
        Disc(cr, 0.15, 0.35, 0.80);
        Glyph(cr, "?", 1, 1, 1);
        break;
    }
    cairo_restore(cr);
}

}  // namespace platform::dialogs
