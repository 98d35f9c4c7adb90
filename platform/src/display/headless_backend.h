#pragma once
// The in-memory display used by tests: windows are pixels in memory and
// input comes from the test hooks.
#include "icons.h"

#include <platform/types.h>

#include <optional>

namespace platform::detail {

// The work area every headless display reports from now on.
void SetHeadlessWorkArea(const RECT& area);
// The icon last given for the window, while it is open.
std::optional<IconImage> HeadlessIconOf(HWND window);

}  // namespace platform::detail
