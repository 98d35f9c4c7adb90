#pragma once
#include <platform/types.h>

namespace platform::detail {

// The handle is a live block of GlobalAlloc.
bool IsGlobalBlock(HGLOBAL block);

}  // namespace platform::detail
