#pragma once
// The windows registered for drops, and whether drag and drop is up.
#include <platform/ole.h>

namespace platform::dragdrop {

bool OleIsUp();

// A target with a reference for the caller, or null.
struct FoundTarget
{
    HWND window = nullptr;
    IDropTarget* target = nullptr;
};
// The window's own target or its nearest registered ancestor's.
FoundTarget TargetAround(HWND window);

}  // namespace platform::dragdrop
