#include "editor/GlobalTabStrip.h"

namespace {

constexpr int kCellWidth = 6;
constexpr int kCellHeight = 9;
constexpr int kTabWidth = 75;
constexpr int kTabHeight = 16;
constexpr int kTabGap = 5;
constexpr int kCentred = -1;

}  // namespace

std::unique_ptr<CCustomPageButton> MakeGlobalTabStrip(const layout::Control& place, const GlobalTabStripLook& look)
{
    HfcWord words[kHfcPageWords] = {};
    words[kHfcPageX] = place.x;
    words[kHfcPageY] = place.y;
    words[kHfcPageWidth] = place.w;
    words[kHfcPageHeight] = place.h;
    words[kHfcPageBackX] = look.backgroundX;
    words[kHfcPageBackY] = look.backgroundY;
    words[kHfcPageBack] = HfcBitmapWord(look.background);
    words[kHfcPageFont] = HfcBitmapWord(look.font);
    words[kHfcPageSelectedFont] = HfcBitmapWord(look.selectedFont);
    words[kHfcPageDisabledFont] = HfcBitmapWord(look.dimFont);
    words[kHfcPageCellWidth] = kCellWidth;
    words[kHfcPageCellHeight] = kCellHeight;
    words[kHfcPageTabWidth] = kTabWidth;
    words[kHfcPageTabHeight] = kTabHeight;
    words[kHfcPageGap] = kTabGap;
    words[kHfcPageLabelX] = kCentred;
    words[kHfcPageLabelY] = kCentred;
    words[kHfcPageFrameColor] = look.frameColour;
    words[kHfcPageFillColor] = look.fillColour;
    words[kHfcPageDragSwitch] = look.dragSwitches ? 1 : 0;
    auto strip = std::make_unique<CCustomPageButton>();
    if (!strip->Create(words, static_cast<std::uint32_t>(place.id)))
        return nullptr;
    return strip;
}
