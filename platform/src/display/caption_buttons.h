#pragma once
// The buttons at the right of a caption, each with its own glyph: a cross
// to close, a window to maximise, a bar to minimise and two stacked windows
// to restore.
#include "region.h"
#include "surface.h"

namespace platform::detail {

enum class CaptionGlyph
{
    Close,
    Maximize,
    Minimize,
    Restore
};

// The button's face with its glyph centred; button and clip in surface
// coordinates.
void DrawCaptionButton(Surface& surface, const Region& clip, const RECT& button, CaptionGlyph glyph);

}  // namespace platform::detail
