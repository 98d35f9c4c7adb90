#include "drag_overlay.h"

#include "platform/src/display/geometry.h"
#include "platform/src/display/paint_state.h"

#include <platform/kernel.h>

namespace platform::dragdrop {
namespace {

using platform::detail::Surface;
using platform::detail::Window;

struct Shown
{
    std::shared_ptr<Window> window;
    std::shared_ptr<Surface> surface;
};

// The patch's window when it still has the framebuffer the patch was made on.
Shown SurfaceFor(HWND topLevel, int width, int height)
{
    auto window = platform::detail::FindWindowRecord(topLevel);
    if (!window || !platform::detail::IsShown(*window))
        return {};
    auto surface = platform::detail::SurfaceOf(*window);
    if (!surface || surface->width != width || surface->height != height)
        return {};
    return {window, surface};
}

void Present(const Shown& shown, const RECT& area)
{
    shown.surface->MarkPainted(area);
    platform::detail::PresentWindow(*shown.window);
}

}  // namespace

void DragOverlay::Hide()
{
    for (const Patch& patch : patches_) {
        Shown shown = SurfaceFor(patch.topLevel, patch.surfaceWidth, patch.surfaceHeight);
        if (!shown.surface)
            continue;
        std::size_t i = 0;
        for (LONG y = patch.area.top; y < patch.area.bottom; ++y) {
            std::uint32_t* row = shown.surface->Row(y);
            for (LONG x = patch.area.left; x < patch.area.right; ++x, ++i)
                if (row[x] == patch.drawn[i])
                    row[x] = patch.under[i];
        }
        Present(shown, patch.area);
    }
    patches_.clear();
}

void DragOverlay::ShowAt(POINT pointer)
{
    Hide();
    const RECT image{pointer.x - image_.hotSpot.x, pointer.y - image_.hotSpot.y,
                     pointer.x - image_.hotSpot.x + image_.width, pointer.y - image_.hotSpot.y + image_.height};
    const DWORD thread = GetCurrentThreadId();
    for (HWND handle : platform::detail::TopLevelWindows()) {
        auto window = platform::detail::FindWindowRecord(handle);
        if (!window || window->threadId != thread || !platform::detail::IsShown(*window))
            continue;
        auto surface = platform::detail::SurfaceOf(*window);
        if (!surface)
            continue;
        const RECT frame = platform::detail::WindowRectInParent(*window);
        RECT area = platform::detail::Intersect(
            {image.left - frame.left, image.top - frame.top, image.right - frame.left, image.bottom - frame.top},
            {0, 0, surface->width, surface->height});
        if (platform::detail::IsEmpty(area))
            continue;
        Patch patch{handle, area, surface->width, surface->height, {}, {}};
        for (LONG y = area.top; y < area.bottom; ++y) {
            std::uint32_t* row = surface->Row(y);
            const std::uint32_t* source =
                image_.pixels.data() + std::size_t(y + frame.top - image.top) * std::size_t(image_.width);
            for (LONG x = area.left; x < area.right; ++x) {
                std::uint32_t pixel = source[x + frame.left - image.left];
                patch.under.push_back(row[x]);
                if ((pixel & 0xFFFFFFu) != image_.colorKey)
                    row[x] = pixel | 0xFF000000u;
                patch.drawn.push_back(row[x]);
            }
        }
        Present({window, surface}, area);
        patches_.push_back(std::move(patch));
    }
}

}  // namespace platform::dragdrop
