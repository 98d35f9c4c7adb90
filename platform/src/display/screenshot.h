#pragma once
#include "surface.h"

namespace platform::detail {

// RGB, 8 bits a channel; false when the file cannot be written.
bool WritePng(const Surface& surface, const char* path);

}  // namespace platform::detail
