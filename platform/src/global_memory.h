#pragma once
#include <platform/types.h>

namespace platform::detail {

// The handle is a live block of GlobalAlloc.
bool IsGlobalBlock(HGLOBAL block);
// The handle of the live block whose memory starts at the address, or NULL.
HGLOBAL GlobalBlockAt(const void* address);

}  // namespace platform::detail
