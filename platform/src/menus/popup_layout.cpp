#include "popup_layout.h"

#include "mnemonic.h"

#include <algorithm>
#include <cctype>

namespace platform::menus {

PopupLayout LayOut(const Menu& menu, int maxWindowHeight, const std::function<int(const MenuItem&)>& textWidth)
{
    PopupLayout layout;
    std::vector<std::size_t> columnStart{0};
    std::vector<int> columnWidth{0};
    int y = 0;
    for (std::size_t i = 0; i < menu.items.size(); ++i) {
        const MenuItem& item = menu.items[i];
        if (i > 0 && (item.type & (MFT_MENUBREAK | MFT_MENUBARBREAK))) {
            columnStart.push_back(i);
            columnWidth.push_back(0);
            y = 0;
        }
        const int height = (item.type & MFT_SEPARATOR) ? kSeparatorHeight : kRowHeight;
        layout.slots.push_back({0, y, 0, y + height});
        y += height;
        layout.contentHeight = std::max(layout.contentHeight, y);
        if (!(item.type & MFT_SEPARATOR))
            columnWidth.back() = std::max(columnWidth.back(), textWidth(item) + 40);
    }
    int x = kPadding;
    for (std::size_t c = 0; c < columnStart.size(); ++c) {
        std::size_t end = c + 1 < columnStart.size() ? columnStart[c + 1] : menu.items.size();
        const int width = std::max(columnWidth[c], 60);
        for (std::size_t i = columnStart[c]; i < end; ++i) {
            layout.slots[i].left = x;
            layout.slots[i].right = x + width;
        }
        x += width + 1;  // a line between columns
    }
    layout.width = x - 1 + kPadding;
    layout.viewHeight = layout.contentHeight;
    if (layout.contentHeight + 2 * kPadding > maxWindowHeight) {
        layout.scrolls = true;
        layout.viewHeight = std::max(kRowHeight, maxWindowHeight - 2 * kPadding - 2 * kScrollArrowHeight);
    }
    return layout;
}

int PopupLayout::ItemAt(POINT p) const
{
    const int y = p.y - ViewTop();
    if (y < 0 || y >= viewHeight)
        return -1;
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const RECT& r = slots[i];
        if (p.x >= r.left && p.x < r.right && y + scroll >= r.top && y + scroll < r.bottom)
            return int(i);
    }
    return -1;
}

void PopupLayout::Reveal(int item)
{
    if (item < 0 || item >= int(slots.size()))
        return;
    if (slots[item].top < scroll)
        scroll = slots[item].top;
    if (slots[item].bottom > scroll + viewHeight)
        scroll = slots[item].bottom - viewHeight;
}

void PopupLayout::ScrollBy(int pixels)
{
    scroll = std::clamp(scroll + pixels, 0, std::max(0, contentHeight - viewHeight));
}

bool IsPickable(const MenuItem& item)
{
    return !(item.type & MFT_SEPARATOR) && !(item.state & (MF_GRAYED | MF_DISABLED)) && !item.submenu;
}

int NextItem(const Menu& menu, int from, int step)
{
    const int count = int(menu.items.size());
    for (int n = 1; n <= count; ++n) {
        int i = from < 0 ? (step > 0 ? n - 1 : count - n) : ((from + step * n) % count + count) % count;
        if (!(menu.items[i].type & MFT_SEPARATOR))
            return i;
    }
    return -1;
}

int ItemInNextColumn(const Menu& menu, const PopupLayout& layout, int from, int step)
{
    if (from < 0)
        return NextItem(menu, from, 1);
    const RECT& here = layout.slots[from];
    int best = -1;
    for (std::size_t i = 0; i < layout.slots.size(); ++i) {
        const RECT& r = layout.slots[i];
        const bool beside = step > 0 ? r.left > here.left : r.left < here.left;
        if (!beside || (menu.items[i].type & MFT_SEPARATOR))
            continue;
        if (best < 0) {
            best = int(i);
            continue;
        }
        const RECT& b = layout.slots[best];
        const bool nearerColumn = step > 0 ? r.left < b.left : r.left > b.left;
        const bool sameColumn = r.left == b.left;
        if (nearerColumn || (sameColumn && std::abs(r.top - here.top) < std::abs(b.top - here.top)))
            best = int(i);
    }
    return best < 0 ? from : best;
}

int ItemWithMnemonic(const Menu& menu, char16_t character)
{
    if (character > 0x7F)
        return -1;
    const int wanted = std::tolower(int(character));
    for (std::size_t i = 0; i < menu.items.size(); ++i)
        if (MnemonicOf(menu.items[i].text).key == wanted)
            return int(i);
    return -1;
}

}  // namespace platform::menus
