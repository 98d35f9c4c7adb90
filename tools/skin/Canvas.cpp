#include "Canvas.h"

#include "PixelFont.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <stdexcept>
#include <vector>

namespace skin {
namespace {

double Channel(Argb colour, int shift)
{
    return ((colour >> shift) & 0xFF) / 255.0;
}

std::uint32_t* Row(cairo_surface_t* surface, int y)
{
    return reinterpret_cast<std::uint32_t*>(cairo_image_surface_get_data(surface) +
                                            y * cairo_image_surface_get_stride(surface));
}

}  // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), surface_(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height)),
      cr_(cairo_create(surface_))
{
    if (cairo_surface_status(surface_) != CAIRO_STATUS_SUCCESS)
        throw std::runtime_error("cannot create a " + std::to_string(width) + "x" + std::to_string(height) +
                                 " surface");
}

Canvas::~Canvas()
{
    cairo_destroy(cr_);
    cairo_surface_destroy(surface_);
}

void Canvas::SetColour(Argb colour) const
{
    cairo_set_source_rgba(cr_, Channel(colour, 16), Channel(colour, 8), Channel(colour, 0), Channel(colour, 24));
}

void Canvas::FillRect(double x, double y, double w, double h, Argb colour) const
{
    SetColour(colour);
    cairo_rectangle(cr_, x, y, w, h);
    cairo_fill(cr_);
}

void Canvas::FrameRect(int x, int y, int w, int h, Argb colour) const
{
    SetColour(colour);
    cairo_set_line_width(cr_, 1.0);
    cairo_rectangle(cr_, x + 0.5, y + 0.5, w - 1.0, h - 1.0);
    cairo_stroke(cr_);
}

void Canvas::Text(int x, int y, const std::string& text, Argb colour, int advance, int scale) const
{
    SetColour(colour);
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto& rows = Glyph(text[i]);
        const int left = x + static_cast<int>(i) * advance * scale;
        for (int row = 0; row < kGlyphRows; ++row) {
            for (int column = 0; column < kGlyphColumns; ++column) {
                if (rows[row] & (0x10 >> column))
                    cairo_rectangle(cr_, left + column * scale, y + row * scale, scale, scale);
            }
        }
    }
    cairo_fill(cr_);
}

void Canvas::TextCentred(int centreX, int y, const std::string& text, Argb colour, int advance, int scale) const
{
    Text(centreX - TextWidth(text.c_str(), advance) * scale / 2, y, text, colour, advance, scale);
}

void Canvas::Paint(const Canvas& source, int x, int y) const
{
    cairo_set_source_surface(cr_, source.surface_, x, y);
    cairo_paint(cr_);
}

Argb Canvas::Pixel(int x, int y) const
{
    cairo_surface_flush(surface_);
    const std::uint32_t p = Row(surface_, y)[x];
    const unsigned a = p >> 24;
    if (a == 0)
        return 0;
    auto straight = [a](unsigned c) { return (c * 255 + a / 2) / a; };
    return (a << 24) | (straight((p >> 16) & 0xFF) << 16) | (straight((p >> 8) & 0xFF) << 8) | straight(p & 0xFF);
}

void Canvas::SetPixel(int x, int y, Argb colour) const
{
    cairo_surface_flush(surface_);
    const unsigned a = colour >> 24;
    auto pre = [a](unsigned c) { return (c * a + 127) / 255; };
    Row(surface_, y)[x] =
        (a << 24) | (pre((colour >> 16) & 0xFF) << 16) | (pre((colour >> 8) & 0xFF) << 8) | pre(colour & 0xFF);
    cairo_surface_mark_dirty(surface_);
}

void Canvas::WritePng(const std::string& path) const
{
    cairo_surface_flush(surface_);
    bool opaque = true;
    std::vector<std::vector<png_byte>> rows(height_);
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x)
            opaque = opaque && (Row(surface_, y)[x] >> 24) == 0xFF;
    }
    const int channels = opaque ? 3 : 4;
    for (int y = 0; y < height_; ++y) {
        rows[y].reserve(static_cast<std::size_t>(width_) * channels);
        for (int x = 0; x < width_; ++x) {
            const Argb p = Pixel(x, y);
            rows[y].push_back(static_cast<png_byte>(p >> 16));
            rows[y].push_back(static_cast<png_byte>(p >> 8));
            rows[y].push_back(static_cast<png_byte>(p));
            if (!opaque)
                rows[y].push_back(static_cast<png_byte>(p >> 24));
        }
    }

    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "wb"), std::fclose);
    if (!file)
        throw std::runtime_error(path + ": cannot be written");
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info) {
        png_destroy_write_struct(&png, nullptr);
        throw std::runtime_error(path + ": out of memory");
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        throw std::runtime_error(path + ": cannot be encoded");
    }
    png_init_io(png, file.get());
    png_set_IHDR(png, info, width_, height_, 8, opaque ? PNG_COLOR_TYPE_RGB : PNG_COLOR_TYPE_RGB_ALPHA,
                 PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, 9);
    png_write_info(png, info);
    for (auto& row : rows)
        png_write_row(png, row.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
}

Argb Mix(Argb a, Argb b, double t)
{
    Argb out = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const double ca = (a >> shift) & 0xFF;
        const double cb = (b >> shift) & 0xFF;
        out |= static_cast<Argb>(ca + (cb - ca) * t + 0.5) << shift;
    }
    return out;
}

}  // namespace skin
