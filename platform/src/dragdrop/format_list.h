#pragma once
// The formats a data object offers, walked one after another.
#include <platform/ole.h>

#include <vector>

namespace platform::dragdrop {

// With one reference for the caller; the formats are copied without target devices.
IEnumFORMATETC* NewFormatList(std::vector<FORMATETC> formats);

}  // namespace platform::dragdrop
