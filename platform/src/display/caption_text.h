#pragma once
// Window titles in captions.
#include "region.h"
#include "surface.h"

#include <string>

namespace platform::detail {

// Left-aligned and centred vertically in the area, cut off at its right
// edge; area and clip in surface coordinates.
void DrawCaptionText(Surface& surface, const Region& clip, const RECT& area, const std::u16string& text,
                     COLORREF color);

}  // namespace platform::detail
