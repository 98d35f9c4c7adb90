#include "menu_font.h"

namespace platform::menus {

void UseMenuFont(cairo_t* cr)
{
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
}

void MeasureInMenuFont(const std::function<void(cairo_t*)>& measure)
{
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    cairo_t* cr = cairo_create(surface);
    UseMenuFont(cr);
    measure(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}

int MenuTextWidth(const std::string& utf8)
{
    cairo_text_extents_t extents{};
    MeasureInMenuFont([&](cairo_t* cr) { cairo_text_extents(cr, utf8.c_str(), &extents); });
    return int(extents.x_advance);
}

}  // namespace platform::menus

// The font library keeps its configuration until the process ends; the
// leak checker of the sanitizer builds must not count it.
extern "C" const char* __lsan_default_suppressions() { return "leak:libfontconfig\n"; }
