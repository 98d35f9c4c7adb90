#pragma once
// Where the items of a popup menu sit: columns started by the break types,
// rows of fixed height, and a scroll offset when the menu is taller than
// the room it has.
#include "menu_table.h"

#include <functional>

namespace platform::menus {

inline constexpr int kRowHeight = 20;
inline constexpr int kSeparatorHeight = 8;
inline constexpr int kPadding = 3;  // around the items
inline constexpr int kScrollArrowHeight = 12;

struct PopupLayout
{
    std::vector<RECT> slots;  // one per item, content coordinates
    int width = 0;
    int contentHeight = 0;
    int viewHeight = 0;  // the part shown between the scroll arrows
    bool scrolls = false;
    int scroll = 0;

    int WindowHeight() const { return viewHeight + 2 * kPadding + (scrolls ? 2 * kScrollArrowHeight : 0); }
    int ViewTop() const { return kPadding + (scrolls ? kScrollArrowHeight : 0); }
    // The item under a point of the popup window, or -1.
    int ItemAt(POINT inWindow) const;
    void Reveal(int item);
    void ScrollBy(int pixels);
};

// textWidth measures one item's text.
PopupLayout LayOut(const Menu& menu, int maxWindowHeight, const std::function<int(const MenuItem&)>& textWidth);

// Keyboard moves among the items that are not separators, wrapping around.
int NextItem(const Menu& menu, int from, int step);
// The nearest item of the next column to the left (step -1) or right (+1).
int ItemInNextColumn(const Menu& menu, const PopupLayout& layout, int from, int step);
// The item whose "&" letter is the character, or -1.
int ItemWithMnemonic(const Menu& menu, char16_t character);
bool IsPickable(const MenuItem& item);

}  // namespace platform::menus
