#pragma once
// The menu bar in a top-level window's frame: its titles drawn there, and
// driven by the mouse and by Alt, F10, arrows and "&" letters.
#include "platform/src/display/region.h"
#include "platform/src/display/surface.h"

#include <vector>

namespace platform::menus {

// The titles of the window's bar, in screen coordinates; empty without a bar.
std::vector<RECT> MenuBarTitlesOnScreen(HWND frame);

// Draws the titles into the bar's strip; area and clip in surface coordinates.
void DrawMenuBarTitles(detail::Surface& surface, const detail::Region& clip, const RECT& area, HWND frame);

// A press on the bar at a screen point.
void MenuBarClick(HWND window, POINT screen);
// DefWindowProc's keys: true when the bar took the message.
bool MenuBarKey(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace platform::menus
