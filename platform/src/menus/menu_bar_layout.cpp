#include "menu_bar_layout.h"

#include "menu_font.h"
#include "mnemonic.h"

namespace platform::menus {
namespace {

struct Hot
{
    HWND frame = nullptr;
    int title = -1;
};
// Only one bar is driven at a time.
thread_local Hot hot;

}  // namespace

std::vector<RECT> TitleSlots(const Menu& bar, LONG height)
{
    std::vector<RECT> slots;
    LONG left = 0;
    for (const MenuItem& item : bar.items) {
        const LONG width = (item.type & MFT_SEPARATOR) ? 0 : MenuTextWidth(ShownTitle(item.text)) + 2 * kTitlePadding;
        slots.push_back({left, 0, left + width, height});
        left += width;
    }
    return slots;
}

int HotTitle(HWND frame)
{
    return hot.frame == frame ? hot.title : -1;
}

void SetHotTitle(HWND frame, int title)
{
    hot = {frame, title};
}

}  // namespace platform::menus
