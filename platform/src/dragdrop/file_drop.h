#pragma once
// The global block of a file drop: a DROPFILES header, then the paths as
// UTF-16, each NUL-terminated, and one more NUL.
#include <platform/shellapi.h>

#include <string>
#include <vector>

namespace platform::dragdrop {

// Paths as the system names them (any bytes); the point in the receiver's client coordinates. NULL
// when no memory is left.
HDROP MakeFileDrop(const std::vector<std::string>& paths, POINT point, bool nonClient);

}  // namespace platform::dragdrop
