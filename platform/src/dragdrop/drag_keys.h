#pragma once
#include <platform/types.h>

namespace platform::dragdrop {

// The key state of the drag calls (MK_ buttons, shift, control and alt),
// as of the last input retrieved.
DWORD DragKeyState();

}  // namespace platform::dragdrop
