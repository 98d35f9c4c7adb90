#pragma once
// Cairo drawing straight onto a window's framebuffer.
#include "region.h"
#include "surface.h"

#include <cairo.h>

#include <functional>

namespace platform::detail {

// The drawing clipped to the part of the area inside the clip, all in
// surface coordinates; nothing is drawn when that part is empty.
void DrawOnSurface(Surface& surface, const Region& clip, const RECT& area, const std::function<void(cairo_t*)>& draw);

}  // namespace platform::detail
