#pragma once
// Files dropped on our windows from the desktop: one drop at the pointer,
// as WM_DROPFILES to the nearest window that accepts files, otherwise as a
// CF_HDROP data object to the nearest registered drop target.
#include <platform/types.h>

#include <string>
#include <vector>

namespace platform::dragdrop {

// Lets the display hand its file drops here; once is enough.
void InstallDesktopDrops();
void DeliverFileDrop(HWND under, POINT screen, const std::vector<std::string>& paths);

// The key state of the drag calls, as of the last input retrieved.
DWORD DragKeyState();

}  // namespace platform::dragdrop
