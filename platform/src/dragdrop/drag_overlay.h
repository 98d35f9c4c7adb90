#pragma once
// The drag image drawn over the framebuffers of the calling thread's
// top-level windows. What lay under it comes back when it moves or goes,
// except where a window painted over it meanwhile.
#include "drag_image.h"

#include <platform/types.h>

#include <cstdint>
#include <vector>

namespace platform::dragdrop {

class DragOverlay
{
public:
    explicit DragOverlay(DragImage image) : image_(std::move(image)) {}
    ~DragOverlay() { Hide(); }
    DragOverlay(const DragOverlay&) = delete;
    DragOverlay& operator=(const DragOverlay&) = delete;

    // Draws the image with its hot spot at the screen point, on top of
    // whatever was painted since it was last drawn.
    void ShowAt(POINT pointer);
    void Hide();

private:
    struct Patch
    {
        HWND topLevel;
        RECT area;  // framebuffer coordinates
        int surfaceWidth, surfaceHeight;
        std::vector<std::uint32_t> under, drawn;
    };
    DragImage image_;
    std::vector<Patch> patches_;
};

}  // namespace platform::dragdrop
