#pragma once
// Window backgrounds: theme chrome with bevels, dark LCD panels under every
// text, list and graph, section frames, and the captions of the controls
// taken from the window layouts.
#include "Canvas.h"
#include "Theme.h"

#include <string>
#include <vector>

namespace skin {

// The background named by its theme-0 name ("BG_SynthEdit",
// "BG_ProgramListFav"), drawn in the given theme. Answers the captions
// that found no free spot.
std::vector<std::string> DrawBackground(const Canvas& canvas, const char* baseName, const Theme& theme);

}  // namespace skin
