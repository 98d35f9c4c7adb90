#include "edit_paint.h"

#include "../utf16.h"
#include "control_paint.h"
#include "edit_metrics.h"

#include <platform/painting.h>

namespace platform::dialogs {
namespace {

void ShowText(cairo_t* cr, const std::u16string& text, double x, double baseline)
{
    gdi::ShowText(cr, kControlFont, x, baseline, Utf16ToUtf8(text.c_str()));
}

void Draw(cairo_t* cr, const RECT& client, const EditState& state, bool enabled)
{
    FillBox(cr, client, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
    DrawBevel(cr, client, false);

    const RECT area = EditTextArea(client);
    cairo_rectangle(cr, area.left, area.top, area.right - area.left, area.bottom - area.top);
    cairo_clip(cr);
    const gdi::FontMetrics font = gdi::MetricsOf(kControlFont);
    const double baseline = area.top + ((area.bottom - area.top) + font.ascent - font.descent) / 2.0;
    const double x = area.left - state.scroll;
    const EditText& text = state.text;
    SetColor(cr, GetSysColor(enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
    ShowText(cr, text.Text(), x, baseline);

    if (!state.focused)
        return;
    if (text.HasSelection()) {
        const LONG left = LONG(x) + state.offsets[text.SelectionStart()];
        const LONG right = LONG(x) + state.offsets[text.SelectionEnd()];
        FillBox(cr, {left, area.top, right, area.bottom}, GetSysColor(COLOR_HIGHLIGHT));
        SetColor(cr, GetSysColor(COLOR_HIGHLIGHTTEXT));
        ShowText(cr, text.Selected(), left, baseline);
    }
    const LONG caret = LONG(x) + state.offsets[text.Caret()];
    FillBox(cr, {caret, area.top + 1, caret + 1, area.bottom - 1}, GetSysColor(COLOR_WINDOWTEXT));
}

}  // namespace

void PaintEdit(HWND edit, const EditState& state)
{
    const bool enabled = IsWindowEnabled(edit);
    PaintWindow(edit, [&](cairo_t* cr, const RECT& client) { Draw(cr, client, state, enabled); });
}

}  // namespace platform::dialogs
