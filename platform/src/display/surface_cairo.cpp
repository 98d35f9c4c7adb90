#include "surface_cairo.h"

namespace platform::detail {

void DrawOnSurface(Surface& surface, const Region& clip, const RECT& area, const std::function<void(cairo_t*)>& draw)
{
    if (IsEmpty(area) || clip.IsEmpty())
        return;
    cairo_surface_t* target =
        cairo_image_surface_create_for_data(reinterpret_cast<unsigned char*>(surface.pixels.data()),
                                            CAIRO_FORMAT_ARGB32, surface.width, surface.height, surface.width * 4);
    cairo_t* cr = cairo_create(target);
    for (const RECT& part : clip.Rects()) {
        RECT inside = Intersect(part, area);
        if (!IsEmpty(inside))
            cairo_rectangle(cr, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top);
    }
    cairo_clip(cr);
    draw(cr);
    cairo_destroy(cr);
    cairo_surface_flush(target);
    cairo_surface_destroy(target);
}

}  // namespace platform::detail
