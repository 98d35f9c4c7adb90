#pragma once
// Invalid areas, the WM_PAINT source and presenting framebuffers.
#include "display_state.h"
#include "region.h"
#include "surface.h"

namespace platform::detail {

// Part of the client area (client coordinates) needs painting.
void InvalidateClient(Window& window, const RECT& rect, bool erase);
// The frame needs drawing again.
void InvalidateFrame(Window& window);
// Something changed under an area of a top-level window (its coordinates):
// every visible window there paints again, frames and erased backgrounds included.
void ExposeArea(Window& topLevel, const RECT& area);
// The whole window and everything inside it, as when it appears.
void ExposeWindow(Window& window);

// The framebuffer of the window's top-level window while it is on the display.
std::shared_ptr<Surface> SurfaceOf(Window& window);
// Makes or drops a top-level window's framebuffer as it shows or hides.
void AttachSurface(Window& topLevel);
// Shows what was painted on every top-level window of the thread.
void PresentThread(DWORD threadId);
void PresentWindow(Window& topLevel);

// Paints a window and its invalid descendants now.
void PaintNow(Window& window);
// Forgets a window that goes away.
void ForgetPaint(HWND window);

void InstallPaintSource();

}  // namespace platform::detail
