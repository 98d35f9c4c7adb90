#pragma once
// Drawing a window of the layer itself with cairo, straight into its
// framebuffer.
#include <platform/types.h>

#include <cairo.h>

#include <functional>

namespace platform::gdi {

// BeginPaint, the drawing in client coordinates clipped to what may be
// painted, EndPaint. The client rectangle is handed to the drawing.
void PaintWindow(HWND window, const std::function<void(cairo_t*, const RECT&)>& draw);

void SetColor(cairo_t* cr, COLORREF color);

}  // namespace platform::gdi
