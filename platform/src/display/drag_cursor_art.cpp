#include "drag_cursor_art.h"

#include "../gdi/premultiply.h"
#include "cursors.h"

#include <cairo.h>

namespace platform::detail {
namespace {

constexpr int kSize = 32;

// The pointer: a black arrow with a white rim, its tip at (1, 1).
void Arrow(cairo_t* cr)
{
    cairo_move_to(cr, 1, 1);
    cairo_line_to(cr, 1, 17);
    cairo_line_to(cr, 5, 13);
    cairo_line_to(cr, 8, 19);
    cairo_line_to(cr, 10, 18);
    cairo_line_to(cr, 7, 12);
    cairo_line_to(cr, 12, 12);
    cairo_close_path(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
}

// A white box with a black rim below and right of the arrow, and its mark.
void Badge(cairo_t* cr, WORD cursorId)
{
    const double left = 13.5, top = 19.5, size = 10;
    cairo_rectangle(cr, left, top, size, size);
    cairo_set_source_rgb(cr, 1, 1, 1);
    cairo_fill_preserve(cr);
    cairo_set_source_rgb(cr, 0, 0, 0);
    cairo_set_line_width(cr, 1);
    cairo_stroke(cr);
    const double middle = left + size / 2;
    const double centre = top + size / 2;
    switch (cursorId) {
    case kDragCopyCursor:
        cairo_move_to(cr, middle, top + 2);
        cairo_line_to(cr, middle, top + size - 2);
        cairo_move_to(cr, left + 2, centre);
        cairo_line_to(cr, left + size - 2, centre);
        break;
    case kDragMoveCursor: cairo_rectangle(cr, left + 2.5, top + 2.5, size - 5, size - 5); break;
    case kDragLinkCursor:
        cairo_move_to(cr, left + 2.5, top + size - 2);
        cairo_curve_to(cr, left + 2.5, top + 3.5, left + 3, top + 3, left + size - 3, top + 3);
        cairo_move_to(cr, left + size - 5, top + 1.5);
        cairo_line_to(cr, left + size - 2.5, top + 3);
        cairo_line_to(cr, left + size - 5, top + 4.5);
        break;
    }
    cairo_stroke(cr);
}

}  // namespace

std::optional<CursorArt> DragCursorArt(WORD cursorId)
{
    if (cursorId != kDragMoveCursor && cursorId != kDragCopyCursor && cursorId != kDragLinkCursor)
        return std::nullopt;
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, kSize, kSize);
    cairo_t* cr = cairo_create(surface);
    Arrow(cr);
    Badge(cr, cursorId);
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    CursorArt art{kSize, kSize, {1, 1}, {}};
    const auto* rows = cairo_image_surface_get_data(surface);
    const int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < kSize; ++y) {
        const auto* row = reinterpret_cast<const std::uint32_t*>(rows + std::size_t(y) * stride);
        for (int x = 0; x < kSize; ++x)
            art.pixels.push_back(platform::gdi::Unpremultiply(row[x]));
    }
    cairo_surface_destroy(surface);
    return art;
}

}  // namespace platform::detail
