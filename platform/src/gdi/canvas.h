#pragma once
// Runs cairo drawing on what a graphics draws on. Device contexts are drawn
// on directly, their alpha ignored. Bitmaps keep straight alpha, so a
// drawing works on a premultiplied copy of the pixels it may reach and only
// the pixels it changed are written back.
#include "gdiplus_objects.h"

#include <cairo.h>

#include <functional>

namespace platform::gdi {

// What a drawing may touch, in the graphics' coordinates.
struct Reach
{
    double left, top, right, bottom;
};

// The context handed to the drawing has the clip, smoothing and
// compositing of the graphics, and pixel centres on whole coordinates.
GpStatus Paint(const GpGraphics& graphics, const Reach& reach, const std::function<void(cairo_t*)>& draw);

// Sets every pixel inside the clip to the colour, without blending.
GpStatus Clear(const GpGraphics& graphics, ARGB color);

void SetSourceColor(cairo_t* cr, ARGB color);

}  // namespace platform::gdi
