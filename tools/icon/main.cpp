// Draws the program's icon: a keyboard of seven white keys under one sine
// period and a half, on a rounded square shaded red to dark. Every shape
// follows from the size, so the icon can be drawn at any size.
#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace {

void RoundedSquare(cairo_t* cr, double size, double radius)
{
    const double pi = std::acos(-1.0);
    cairo_new_sub_path(cr);
    cairo_arc(cr, size - radius, radius, radius, -pi / 2, 0);
    cairo_arc(cr, size - radius, size - radius, radius, 0, pi / 2);
    cairo_arc(cr, radius, size - radius, radius, pi / 2, pi);
    cairo_arc(cr, radius, radius, radius, pi, 3 * pi / 2);
    cairo_close_path(cr);
}

void Background(cairo_t* cr, double size)
{
    cairo_pattern_t* shade = cairo_pattern_create_linear(0, 0, 0, size);
    cairo_pattern_add_color_stop_rgb(shade, 0, 0.62, 0.08, 0.14);
    cairo_pattern_add_color_stop_rgb(shade, 1, 0.20, 0.02, 0.05);
    RoundedSquare(cr, size, size * 0.2);
    cairo_set_source(cr, shade);
    cairo_fill(cr);
    cairo_pattern_destroy(shade);
}

void Keyboard(cairo_t* cr, double size)
{
    const int whiteKeys = 7;
    const double left = size * 0.1, right = size * 0.9, top = size * 0.6, bottom = size * 0.9;
    const double keyWidth = (right - left) / whiteKeys;
    cairo_set_source_rgb(cr, 0.96, 0.96, 0.93);
    for (int k = 0; k < whiteKeys; ++k) {
        cairo_rectangle(cr, left + k * keyWidth + 0.5, top, keyWidth - 1, bottom - top);
        cairo_fill(cr);
    }
    // Black keys sit after the first, second, fourth, fifth and sixth white keys.
    cairo_set_source_rgb(cr, 0.08, 0.08, 0.08);
    for (int k : {1, 2, 4, 5, 6}) {
        const double centre = left + k * keyWidth;
        cairo_rectangle(cr, centre - keyWidth * 0.3, top, keyWidth * 0.6, (bottom - top) * 0.55);
        cairo_fill(cr);
    }
}

void Wave(cairo_t* cr, double size)
{
    const double pi = std::acos(-1.0);
    const double left = size * 0.14, right = size * 0.86, middle = size * 0.33, height = size * 0.14;
    const int steps = 48;
    for (int i = 0; i <= steps; ++i) {
        const double t = double(i) / steps;
        const double x = left + t * (right - left), y = middle - height * std::sin(t * 3 * pi);
        i == 0 ? cairo_move_to(cr, x, y) : cairo_line_to(cr, x, y);
    }
    cairo_set_source_rgb(cr, 1.0, 0.86, 0.55);
    cairo_set_line_width(cr, std::max(1.0, size / 20));
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_ROUND);
    cairo_stroke(cr);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: icon_generator SIZE OUTPUT.png\n");
        return 2;
    }
    const int size = std::stoi(argv[1]);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, size, size);
    cairo_t* cr = cairo_create(surface);
    Background(cr, size);
    Keyboard(cr, size);
    Wave(cr, size);
    cairo_destroy(cr);
    const bool written = cairo_surface_write_to_png(surface, argv[2]) == CAIRO_STATUS_SUCCESS;
    cairo_surface_destroy(surface);
    if (!written)
        std::fprintf(stderr, "cannot write %s\n", argv[2]);
    return written ? 0 : 1;
}
