#pragma once
// The in-memory display used by tests: windows are pixels in memory and
// input comes from the test hooks.
#include <platform/types.h>

namespace platform::detail {

// The work area every headless display reports from now on.
void SetHeadlessWorkArea(const RECT& area);

}  // namespace platform::detail
