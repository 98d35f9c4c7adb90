#pragma once
// A cairo image surface with its drawing context, plus the pixel-level
// operations the skin needs (crisp text, dimming, PNG output).
#include <cairo.h>

#include <cstdint>
#include <string>

namespace skin {

// Colours are 0xAARRGGBB, straight alpha.
using Argb = std::uint32_t;

class Canvas
{
public:
    Canvas(int width, int height);
    ~Canvas();
    Canvas(const Canvas&) = delete;
    Canvas& operator=(const Canvas&) = delete;

    int Width() const { return width_; }
    int Height() const { return height_; }
    cairo_t* Cr() const { return cr_; }
    cairo_surface_t* Surface() const { return surface_; }

    void SetColour(Argb colour) const;
    void FillRect(double x, double y, double w, double h, Argb colour) const;
    // A one-pixel outline just inside the rectangle.
    void FrameRect(int x, int y, int w, int h, Argb colour) const;

    // Text in the pixel face, top-left of the first glyph at (x, y); each
    // font pixel becomes scale x scale pixels, the advance is in font pixels.
    void Text(int x, int y, const std::string& text, Argb colour, int advance = 6, int scale = 1) const;
    void TextCentred(int centreX, int y, const std::string& text, Argb colour, int advance = 6, int scale = 1) const;

    // Copies another canvas at (x, y), blending over what is here.
    void Paint(const Canvas& source, int x, int y) const;

    // Straight-alpha pixel access, for rules that work on single pixels.
    Argb Pixel(int x, int y) const;
    void SetPixel(int x, int y, Argb colour) const;

    // Writes an 8-bit non-interlaced PNG: RGB when every pixel is opaque,
    // else RGBA with straight alpha. Throws on failure.
    void WritePng(const std::string& path) const;

private:
    int width_;
    int height_;
    cairo_surface_t* surface_;
    cairo_t* cr_;
};

Argb Mix(Argb a, Argb b, double t);

}  // namespace skin
