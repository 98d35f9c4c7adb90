#pragma once
// Our accelerator resource format; see accelerators.h.
#include <platform/accelerators.h>

#include <string>
#include <string_view>
#include <vector>

namespace platform::menus {

struct ParsedAccelerators
{
    std::vector<ACCEL> entries;
    std::string error;  // "line 3: ..." when the text is not a table
};

ParsedAccelerators ParseAcceleratorText(std::string_view text);

}  // namespace platform::menus
