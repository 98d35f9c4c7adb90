// The popup menu's overlay window: the items of one level drawn with their
// checks, greys, selection, submenu arrows and scroll arrows.
#include "popup_window.h"
#include "menu_font.h"

#include "platform/src/class_registration.h"
#include "platform/src/gdi/window_paint.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/window.h>

#include <cairo.h>

namespace {

using namespace platform::menus;
using platform::gdi::SetColor;

constexpr char kPopupClass[] = "VqPopupMenu";

// The text without its "&" marks and with the part after a tab apart.
void DrawItemText(cairo_t* cr, const MenuItem& item, const RECT& slot, int top)
{
    std::string shown, keys;
    std::string* into = &shown;
    for (std::size_t i = 0; i < item.text.size(); ++i) {
        char c = item.text[i];
        if (c == '\t') {
            into = &keys;
            continue;
        }
        if (c == '&' && i + 1 < item.text.size())
            c = item.text[++i];
        into->push_back(c);
    }
    platform::gdi::ShowText(cr, kMenuFont, slot.left + 20, top + 14, shown);
    if (!keys.empty())
        platform::gdi::ShowText(cr, kMenuFont, slot.right - 8 - MenuTextWidth(keys), top + 14, keys);
}

void Draw(cairo_t* cr, const PopupLevel& t)
{
    SetColor(cr, GetSysColor(COLOR_MENU));
    cairo_paint(cr);
    const int viewTop = t.layout.ViewTop();
    cairo_save(cr);
    cairo_rectangle(cr, 0, viewTop, t.layout.width, t.layout.viewHeight);
    cairo_clip(cr);
    for (std::size_t i = 0; i < t.menu->items.size(); ++i) {
        const MenuItem& item = t.menu->items[i];
        const RECT& slot = t.layout.slots[i];
        const int top = slot.top - t.layout.scroll + viewTop;
        if (i > 0 && (item.type & MFT_MENUBARBREAK)) {
            SetColor(cr, GetSysColor(COLOR_BTNSHADOW));
            cairo_rectangle(cr, slot.left - 1, viewTop, 1, t.layout.viewHeight);
            cairo_fill(cr);
        }
        if (item.type & MFT_SEPARATOR) {
            SetColor(cr, GetSysColor(COLOR_BTNSHADOW));
            cairo_rectangle(cr, slot.left + 2, top + kSeparatorHeight / 2, slot.right - slot.left - 4, 1);
            cairo_fill(cr);
            continue;
        }
        const bool selected = int(i) == t.selected;
        if (selected) {
            SetColor(cr, GetSysColor(COLOR_HIGHLIGHT));
            cairo_rectangle(cr, slot.left, top, slot.right - slot.left, slot.bottom - slot.top);
            cairo_fill(cr);
        }
        const bool grey = item.state & (MF_GRAYED | MF_DISABLED);
        SetColor(cr, GetSysColor(grey ? COLOR_GRAYTEXT : selected ? COLOR_HIGHLIGHTTEXT : COLOR_MENUTEXT));
        if (item.state & MF_CHECKED) {
            cairo_rectangle(cr, slot.left + 6, top + 7, 6, 6);
            cairo_fill(cr);
        }
        DrawItemText(cr, item, slot, top);
        if (item.submenu) {
            const double tip = slot.right - 6, middle = top + (slot.bottom - slot.top) / 2.0;
            cairo_move_to(cr, tip - 4, middle - 4);
            cairo_line_to(cr, tip, middle);
            cairo_line_to(cr, tip - 4, middle + 4);
            cairo_fill(cr);
        }
    }
    cairo_restore(cr);
    if (t.layout.scrolls) {
        SetColor(cr, GetSysColor(COLOR_MENUTEXT));
        const double middle = t.layout.width / 2.0;
        const int bottom = viewTop + t.layout.viewHeight;
        cairo_move_to(cr, middle - 4, kPadding + 8);
        cairo_line_to(cr, middle + 4, kPadding + 8);
        cairo_line_to(cr, middle, kPadding + 4);
        cairo_move_to(cr, middle - 4, bottom + 4);
        cairo_line_to(cr, middle + 4, bottom + 4);
        cairo_line_to(cr, middle, bottom + 8);
        cairo_fill(cr);
    }
}

void Paint(HWND window, const PopupLevel& t)
{
    platform::gdi::PaintWindow(window, [&t](cairo_t* cr, const RECT&) { Draw(cr, t); });
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* t = reinterpret_cast<PopupLevel*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (message == WM_PAINT && t) {
        Paint(window, *t);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void RegisterPopupClass()
{
    static const ATOM atom = platform::detail::RegisterOwnClass({.name = kPopupClass, .procedure = PopupProc});
    (void)atom;
}

}  // namespace

HWND platform::menus::OpenPopupWindow(PopupLevel& level, POINT at, HWND owner)
{
    RegisterPopupClass();
    HWND popup = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, nullptr, WS_POPUP, at.x, at.y,
                                 level.layout.width, level.layout.WindowHeight(), owner, nullptr, nullptr, nullptr);
    if (!popup)
        return nullptr;
    SetWindowLongPtrA(popup, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&level));
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    return popup;
}
