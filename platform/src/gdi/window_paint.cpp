#include "window_paint.h"

#include "gdi_objects.h"

#include <platform/painting.h>

namespace platform::gdi {

void PaintWindow(HWND window, const std::function<void(cairo_t*, const RECT&)>& draw)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    const DrawTarget target = TargetOf(dc);
    if (!target.buffer.Empty()) {
        cairo_surface_t* surface = cairo_image_surface_create_for_data(
            target.buffer.pixels, CAIRO_FORMAT_RGB24, target.buffer.width, target.buffer.height, target.buffer.stride);
        cairo_t* cr = cairo_create(surface);
        for (const RECT& r : target.visible)
            cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        cairo_clip(cr);
        cairo_translate(cr, target.origin.x, target.origin.y);
        RECT client{};
        GetClientRect(window, &client);
        draw(cr, client);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        cairo_surface_destroy(surface);
    }
    EndPaint(window, &paint);
}

void SetColor(cairo_t* cr, COLORREF color)
{
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

}  // namespace platform::gdi
