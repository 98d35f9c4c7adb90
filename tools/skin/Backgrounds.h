#pragma once
// Window backgrounds: theme chrome with bevels, dark LCD panels under every
// text, list and graph, section frames, and the captions of the controls
// taken from the window layouts.
#include "BackgroundPlans.h"
#include "Canvas.h"
#include "Theme.h"
#include "editor/layout/WindowLayout.h"

#include <string>
#include <vector>

namespace skin {

// Where a control's caption went, in background coordinates.
struct CaptionPlace
{
    layout::Control control;
    Rect controlRect;
    Rect captionRect;
};

struct DrawnCaptions
{
    std::vector<CaptionPlace> placed;
    std::vector<std::string> unplaced;  // the captions that found no free spot
};

// The background named by its theme-0 name ("BG_SynthEdit",
// "BG_ProgramListFav"), drawn in the given theme.
DrawnCaptions DrawBackground(const Canvas& canvas, const char* baseName, const Theme& theme);

}  // namespace skin
