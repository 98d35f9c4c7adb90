#pragma once
// Every skin bitmap by its resource name: size, frame count and how to
// draw it. Backgrounds appear once per theme.
#include "Canvas.h"

#include <functional>
#include <string>
#include <vector>

namespace skin {

struct SkinEntry
{
    std::string name;
    int width;
    int height;
    int frames;
    std::function<void(const Canvas&)> draw;
};

std::vector<SkinEntry> SkinEntries();

}  // namespace skin
