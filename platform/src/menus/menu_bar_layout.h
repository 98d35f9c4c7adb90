#pragma once
// Where the titles of a menu bar sit, and what the bar shows highlighted.
#include "menu_table.h"

#include <string>
#include <vector>

namespace platform::menus {

inline constexpr int kTitlePadding = 6;  // each side of a title's text

// One slot per item, left to right from the strip's left edge, in the
// strip's own coordinates.
std::vector<RECT> TitleSlots(const Menu& bar, LONG height);

// The highlighted title of a frame's bar, or -1.
int HotTitle(HWND frame);
void SetHotTitle(HWND frame, int title);

}  // namespace platform::menus
