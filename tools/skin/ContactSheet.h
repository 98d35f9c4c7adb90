#pragma once
// A review sheet per theme: every bitmap that theme shows, tiled with its
// name. Tall strips show their first frames, backgrounds are halved.
#include "SkinTable.h"

#include <string>
#include <vector>

namespace skin {

void WriteContactSheet(const std::vector<SkinEntry>& entries, const std::vector<const Canvas*>& images, int theme,
                       const std::string& path);

}  // namespace skin
