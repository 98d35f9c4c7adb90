#include "combo_paint.h"
#include "../utf16.h"
#include "control_paint.h"

#include <platform/input.h>
#include <platform/painting.h>

namespace platform::dialogs {
namespace {

constexpr int kTextIndent = 3;

void DrawEntry(cairo_t* cr, const RECT& slot, const std::u16string& text, int colorIndex)
{
    const RECT inside{slot.left + kTextIndent, slot.top, slot.right, slot.bottom};
    DrawLine(cr, Utf16ToUtf8(text.c_str()), inside, Align::Left, GetSysColor(colorIndex));
}

void DownArrow(cairo_t* cr, const RECT& button, int colorIndex)
{
    const double middleX = (button.left + button.right) / 2.0, middleY = (button.top + button.bottom) / 2.0;
    SetColor(cr, GetSysColor(colorIndex));
    cairo_move_to(cr, middleX - 4, middleY - 2);
    cairo_line_to(cr, middleX + 4, middleY - 2);
    cairo_line_to(cr, middleX, middleY + 2);
    cairo_close_path(cr);
    cairo_fill(cr);
}

}  // namespace

void PaintComboBox(HWND combo, const ComboState& state)
{
    const bool enabled = IsWindowEnabled(combo);
    const bool focused = GetFocus() == combo && !state.list;
    PaintWindow(combo, [&](cairo_t* cr, const RECT& client) {
        FillBox(cr, client, GetSysColor(enabled ? COLOR_WINDOW : COLOR_BTNFACE));
        const RECT button{client.right - kComboArrowWidth, client.top, client.right, client.bottom};
        FillBox(cr, button, GetSysColor(COLOR_BTNFACE));
        OutlineBox(cr, button, GetSysColor(COLOR_BTNSHADOW));
        DownArrow(cr, button, enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
        OutlineBox(cr, client, GetSysColor(COLOR_BTNSHADOW));
        const RECT slot{client.left + 2, client.top + 2, button.left - 1, client.bottom - 2};
        if (focused)
            FillBox(cr, slot, GetSysColor(COLOR_HIGHLIGHT));
        if (state.selected >= 0)
            DrawEntry(cr, slot, state.entries[state.selected],
                      !enabled  ? COLOR_GRAYTEXT
                      : focused ? COLOR_HIGHLIGHTTEXT
                                : COLOR_WINDOWTEXT);
    });
}

void PaintComboList(HWND list, const ComboState& state)
{
    const ComboListView& view = state.view;
    PaintWindow(list, [&](cairo_t* cr, const RECT& client) {
        FillBox(cr, client, GetSysColor(COLOR_WINDOW));
        OutlineBox(cr, client, GetSysColor(COLOR_WINDOWFRAME));
        const int right = view.Scrolls() ? view.ScrollBar().left : client.right - kComboListBorder;
        for (int row = 0; row < view.rows && view.top + row < view.count; ++row) {
            const int entry = view.top + row;
            const int top = kComboListBorder + row * kComboRowHeight;
            const RECT slot{kComboListBorder, top, right, top + kComboRowHeight};
            const bool hot = entry == view.hot;
            if (hot)
                FillBox(cr, slot, GetSysColor(COLOR_HIGHLIGHT));
            DrawEntry(cr, slot, state.entries[entry], hot ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        }
        if (view.Scrolls()) {
            FillBox(cr, view.ScrollBar(), GetSysColor(COLOR_SCROLLBAR));
            const RECT thumb = view.Thumb();
            FillBox(cr, thumb, GetSysColor(COLOR_BTNFACE));
            OutlineBox(cr, thumb, GetSysColor(COLOR_BTNSHADOW));
        }
    });
}

}  // namespace platform::dialogs
