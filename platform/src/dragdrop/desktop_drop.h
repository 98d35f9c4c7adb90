#pragma once
// Files dropped on our windows from the desktop: one drop at the pointer,
// as WM_DROPFILES to the nearest window that accepts files, otherwise as a
// CF_HDROP data object to the nearest registered drop target.
#include <platform/types.h>

namespace platform::dragdrop {

// Lets the display hand its file drops here; once is enough.
void InstallDesktopDrops();

}  // namespace platform::dragdrop
