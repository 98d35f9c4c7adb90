#include "caption_text.h"
#include "surface_cairo.h"

#include "../gdi/text_layout.h"
#include "../gdi/window_paint.h"
#include "../utf16.h"

namespace platform::detail {

void DrawCaptionText(Surface& surface, const Region& clip, const RECT& area, const std::u16string& text, COLORREF color)
{
    if (text.empty())
        return;
    DrawOnSurface(surface, clip, area, [&](cairo_t* cr) {
        gdi::SetColor(cr, color);
        const gdi::FontMetrics font = gdi::MetricsOf(gdi::kCaptionFont);
        const double baseline = area.top + ((area.bottom - area.top) + font.ascent - font.descent) / 2.0;
        gdi::ShowText(cr, gdi::kCaptionFont, area.left + 4, baseline, Utf16ToUtf8(text.c_str()));
    });
}

}  // namespace platform::detail
