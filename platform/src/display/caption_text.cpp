#include "caption_text.h"
#include "surface_cairo.h"

#include "../gdi/window_paint.h"
#include "../utf16.h"

namespace platform::detail {

void DrawCaptionText(Surface& surface, const Region& clip, const RECT& area, const std::u16string& text,
                     COLORREF color)
{
    if (text.empty()) return;
    DrawOnSurface(surface, clip, area, [&](cairo_t* cr) {
        cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
        cairo_set_font_size(cr, 11);
        gdi::SetColor(cr, color);
        cairo_font_extents_t font;
        cairo_font_extents(cr, &font);
        double baseline = area.top + ((area.bottom - area.top) + font.ascent - font.descent) / 2.0;
        cairo_move_to(cr, area.left + 4, baseline);
        std::string utf8 = Utf16ToUtf8(text.c_str());
        cairo_show_text(cr, utf8.c_str());
    });
}

}  // namespace platform::detail
