#pragma once
// Icons with pixels: the program's own, loaded from the embedded resources
// of type "ICON" (a PNG each), at the size asked for.
#include <platform/types.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace platform::detail {

struct IconImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;  // 0xAARRGGBB, straight alpha, rows top-down
};

// Null for a handle that is no icon with pixels (the standard ones have none).
std::shared_ptr<const IconImage> FindIcon(HICON icon);

// The icon resource at width x height (0 x 0: its own size); a shared icon
// is made once per name and size and never destroyed. Null when there is no
// such resource or it is no PNG.
HICON LoadResourceIcon(LPCSTR name, int width, int height, bool shared);
// Only icons that are not shared go.
bool DestroyResourceIcon(HICON icon);

}  // namespace platform::detail
