// The titles of a frame's menu bar, drawn with the frame.
#include "menu_bar.h"
#include "menu_bar_layout.h"
#include "menu_font.h"
#include "mnemonic.h"

#include "platform/src/display/display_state.h"
#include "platform/src/display/surface_cairo.h"
#include "platform/src/gdi/window_paint.h"

#include <platform/painting.h>

namespace platform::menus {
namespace {

using gdi::SetColor;

// Titles across the bar, with the bar's top left at the origin.
void DrawTitles(cairo_t* cr, const Menu& bar, LONG height, HWND frame)
{
    const gdi::FontMetrics font = gdi::MetricsOf(kMenuFont);
    const double baseline = (height + font.ascent - font.descent) / 2.0;
    const std::vector<RECT> slots = TitleSlots(bar, height);
    const int hot = HotTitle(frame);
    for (std::size_t i = 0; i < slots.size(); ++i) {
        const MenuItem& item = bar.items[i];
        if (item.type & MFT_SEPARATOR)
            continue;
        const RECT& slot = slots[i];
        const bool highlighted = int(i) == hot;
        if (highlighted) {
            SetColor(cr, GetSysColor(COLOR_HIGHLIGHT));
            cairo_rectangle(cr, slot.left, slot.top, slot.right - slot.left, slot.bottom - slot.top);
            cairo_fill(cr);
        }
        const bool grey = item.state & (MF_GRAYED | MF_DISABLED);
        SetColor(cr, GetSysColor(grey ? COLOR_GRAYTEXT : highlighted ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        gdi::ShowText(cr, kMenuFont, slot.left + kTitlePadding, baseline, ShownTitle(item.text));
    }
}

}  // namespace

void DrawMenuBarTitles(detail::Surface& surface, const detail::Region& clip, const RECT& area, HWND frame)
{
    auto window = detail::FindWindowRecord(frame);
    auto bar = window ? FindMenu(window->menuOrId) : nullptr;
    if (!bar)
        return;
    detail::DrawOnSurface(surface, clip, area, [&](cairo_t* cr) {
        cairo_translate(cr, area.left, area.top);
        DrawTitles(cr, *bar, area.bottom - area.top, frame);
    });
}

}  // namespace platform::menus
