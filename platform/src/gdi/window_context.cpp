// Device contexts of windows: the display keeps them; drawing reaches the
// window's part of its top-level framebuffer.
#include "gdi_objects.h"

#include "platform/src/display/window_dc.h"

#include <platform/kernel.h>
#include <platform/window.h>

namespace platform::gdi {

DrawTarget WindowTargetOf(HDC context)
{
    detail::WindowDc* dc = detail::FindWindowDc(context);
    if (!dc || !dc->surface)
        return {};
    detail::Surface& surface = *dc->surface;
    return {{reinterpret_cast<BYTE*>(surface.pixels.data()), surface.width, surface.height, surface.width * 4},
            dc->clip.Rects(),
            dc->origin};
}

bool IsWindowContext(HDC context)
{
    return detail::FindWindowDc(context) != nullptr;
}

}  // namespace platform::gdi

HDC GetDC(HWND window)
{
    HDC context = platform::detail::OpenWindowDc(window, nullptr);
    if (!context)
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return context;
}

int ReleaseDC(HWND window, HDC context)
{
    platform::detail::WindowDc* dc = platform::detail::FindWindowDc(context);
    if (!dc || dc->window != window)
        return 0;
    platform::detail::CloseWindowDc(context);
    return 1;
}
