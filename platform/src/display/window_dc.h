#pragma once
// A device context on a window: where its painting lands in the top-level
// framebuffer. BeginPaint makes one clipped to the paint rectangle.
#include "region.h"
#include "surface.h"

#include <memory>

namespace platform::detail {

struct WindowDc
{
    HWND window = nullptr;
    std::shared_ptr<Surface> surface;  // null while the window is not on the display
    POINT origin{0, 0};                // the client area's top-left in the surface
    Region clip;                       // surface coordinates
};

// Whole client area when paintArea is null; client coordinates otherwise.
HDC OpenWindowDc(HWND window, const RECT* paintArea);
void CloseWindowDc(HDC dc);
// Null for anything that is not an open window context.
WindowDc* FindWindowDc(HDC dc);

// Fills a client rectangle through the context.
void FillClient(WindowDc& dc, const RECT& rect, COLORREF color);

}  // namespace platform::detail
