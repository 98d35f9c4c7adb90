#include "combo_paint.h"
#include "../utf16.h"

#include "platform/src/gdi/gdi_objects.h"

#include <platform/input.h>
#include <platform/painting.h>

#include <cairo.h>

namespace platform::dialogs {
namespace {

void SetColor(cairo_t* cr, COLORREF color)
{
    cairo_set_source_rgb(cr, (color & 0xFF) / 255.0, ((color >> 8) & 0xFF) / 255.0, ((color >> 16) & 0xFF) / 255.0);
}

void Fill(cairo_t* cr, const RECT& r, int colorIndex)
{
    SetColor(cr, GetSysColor(colorIndex));
    cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
    cairo_fill(cr);
}

void Outline(cairo_t* cr, const RECT& r, int colorIndex)
{
    SetColor(cr, GetSysColor(colorIndex));
    cairo_set_line_width(cr, 1);
    cairo_rectangle(cr, r.left + 0.5, r.top + 0.5, r.right - r.left - 1, r.bottom - r.top - 1);
    cairo_stroke(cr);
}

// Left-aligned, centred vertically, cut off at the slot's right edge.
void Text(cairo_t* cr, const RECT& slot, const std::u16string& text, int colorIndex)
{
    if (text.empty()) return;
    cairo_save(cr);
    cairo_rectangle(cr, slot.left, slot.top, slot.right - slot.left, slot.bottom - slot.top);
    cairo_clip(cr);
    cairo_select_font_face(cr, "sans-serif", CAIRO_FONT_SLANT_NORMAL, CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(cr, 12);
    cairo_font_extents_t font{};
    cairo_font_extents(cr, &font);
    SetColor(cr, GetSysColor(colorIndex));
    cairo_move_to(cr, slot.left + 3, slot.top + (slot.bottom - slot.top + font.ascent - font.descent) / 2.0);
    cairo_show_text(cr, Utf16ToUtf8(text.c_str()).c_str());
    cairo_restore(cr);
}

// Runs draw with a cairo context on the window's paint area, in client
// coordinates.
template <class Draw>
void PaintWithCairo(HWND window, Draw draw)
{
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    gdi::DrawTarget target = gdi::TargetOf(dc);
    if (!target.buffer.Empty()) {
        cairo_surface_t* surface = cairo_image_surface_create_for_data(
            target.buffer.pixels, CAIRO_FORMAT_RGB24, target.buffer.width, target.buffer.height, target.buffer.stride);
        cairo_t* cr = cairo_create(surface);
        for (const RECT& r : target.visible) cairo_rectangle(cr, r.left, r.top, r.right - r.left, r.bottom - r.top);
        cairo_clip(cr);
        cairo_translate(cr, target.origin.x, target.origin.y);
        RECT client{};
        GetClientRect(window, &client);
        draw(cr, client);
        cairo_destroy(cr);
        cairo_surface_flush(surface);
        cairo_surface_destroy(surface);
    }
    EndPaint(window, &paint);
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
    PaintWithCairo(combo, [&](cairo_t* cr, const RECT& client) {
        Fill(cr, client, enabled ? COLOR_WINDOW : COLOR_BTNFACE);
        const RECT button{client.right - kComboArrowWidth, client.top, client.right, client.bottom};
        Fill(cr, button, COLOR_BTNFACE);
        Outline(cr, button, COLOR_BTNSHADOW);
        DownArrow(cr, button, enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
        Outline(cr, client, COLOR_BTNSHADOW);
        const RECT slot{client.left + 2, client.top + 2, button.left - 1, client.bottom - 2};
        if (focused) Fill(cr, slot, COLOR_HIGHLIGHT);
        if (state.selected >= 0)
            Text(cr, slot, state.entries[state.selected],
                 !enabled ? COLOR_GRAYTEXT : focused ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
    });
}

void PaintComboList(HWND list, const ComboState& state)
{
    const ComboListView& view = state.view;
    PaintWithCairo(list, [&](cairo_t* cr, const RECT& client) {
        Fill(cr, client, COLOR_WINDOW);
        Outline(cr, client, COLOR_WINDOWFRAME);
        const int right = view.Scrolls() ? view.ScrollBar().left : client.right - kComboListBorder;
        for (int row = 0; row < view.rows && view.top + row < view.count; ++row) {
            const int entry = view.top + row;
            const int top = kComboListBorder + row * kComboRowHeight;
            const RECT slot{kComboListBorder, top, right, top + kComboRowHeight};
            const bool hot = entry == view.hot;
            if (hot) Fill(cr, slot, COLOR_HIGHLIGHT);
            Text(cr, slot, state.entries[entry], hot ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT);
        }
        if (view.Scrolls()) {
            Fill(cr, view.ScrollBar(), COLOR_SCROLLBAR);
            const RECT thumb = view.Thumb();
            Fill(cr, thumb, COLOR_BTNFACE);
            Outline(cr, thumb, COLOR_BTNSHADOW);
        }
    });
}

}  // namespace platform::dialogs
