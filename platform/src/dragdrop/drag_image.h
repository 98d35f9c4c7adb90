#pragma once
// The image a drag shows under the pointer, handed over by the drag image
// helper before DoDragDrop and kept with the data object until the drag takes it.
#include <platform/ole.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace platform::dragdrop {

struct DragImage
{
    int width = 0;
    int height = 0;
    POINT hotSpot{0, 0};                // the image's point under the pointer
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, rows top-down
    std::uint32_t colorKey = 0;         // 0x00RRGGBB: pixels of this colour are not drawn
};

// The image given for the data object, taken away from the helper.
std::optional<DragImage> TakeDragImage(IDataObject* data);

}  // namespace platform::dragdrop
