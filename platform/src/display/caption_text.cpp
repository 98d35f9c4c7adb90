#include "caption_text.h"

#include "../utf16.h"

#include <cairo.h>

namespace platform::detail {

void DrawCaptionText(Surface& surface, const Region& clip, const RECT& area, const std::u16string& text,
                     COLORREF color)
{
    if (text.empty() || IsEmpty(area) || clip.IsEmpty()) return;
    cairo_surface_t* target = cairo_image_surface_create_for_data(
        reinterpret_cast<unsigned char*>(surface.pixels.data()), CAIRO_FORMAT_ARGB32, surface.width, surface.height,
        surface.width * 4);
    cairo_t* cr = cairo_create(target);
    for (const RECT& part : clip.Rects()) {
        RECT inside = Intersect(part, area);
        if (!IsEmpty(inside))
            cairo_rectangle(cr, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top);
    }
    cairo_clip(cr);
    cairo_select_font_face(cr, "DejaVu Sans", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_BOLD);
    cairo_set_font_size(cr, 11);
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
    cairo_font_extents_t font;
    cairo_font_extents(cr, &font);
    double baseline = area.top + ((area.bottom - area.top) + font.ascent - font.descent) / 2.0;
    cairo_move_to(cr, area.left + 4, baseline);
    std::string utf8 = Utf16ToUtf8(text.c_str());
    cairo_show_text(cr, utf8.c_str());
    cairo_destroy(cr);
    cairo_surface_flush(target);
    cairo_surface_destroy(target);
}

}  // namespace platform::detail
