// The modal popup menu: an overlay window drawn here, driven by the keys
// and mouse input of the calling thread until a pick or a cancel.
#include "menu_font.h"
#include "popup_layout.h"
#include "popup_scripts.h"
#include "track_popup.h"

#include "platform/src/class_registration.h"
#include "platform/src/gdi/window_paint.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/window.h>

#include <cairo.h>

#include <algorithm>

namespace {

using namespace platform::menus;
using platform::gdi::SetColor;

constexpr char kPopupClass[] = "VqPopupMenu";

struct Tracking {
    std::shared_ptr<Menu> menu;
    PopupLayout layout;
    int selected = -1;
    bool done = false;
    UINT picked = 0;
};

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
        if (c == '&' && i + 1 < item.text.size()) c = item.text[++i];
        into->push_back(c);
    }
    cairo_move_to(cr, slot.left + 20, top + 14);
    cairo_show_text(cr, shown.c_str());
    if (!keys.empty()) {
        cairo_text_extents_t extents{};
        cairo_text_extents(cr, keys.c_str(), &extents);
        cairo_move_to(cr, slot.right - 8 - extents.x_advance, top + 14);
        cairo_show_text(cr, keys.c_str());
    }
}

void Draw(cairo_t* cr, const Tracking& t)
{
    SetColor(cr, GetSysColor(COLOR_MENU));
    cairo_paint(cr);
    UseMenuFont(cr);
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

void Paint(HWND window, const Tracking& t)
{
    platform::gdi::PaintWindow(window, [&t](cairo_t* cr, const RECT&) { Draw(cr, t); });
}

LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* t = reinterpret_cast<Tracking*>(GetWindowLongPtrA(window, GWLP_USERDATA));
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

void Select(HWND popup, Tracking& t, int item)
{
    if (item == t.selected) return;
    t.selected = item;
    t.layout.Reveal(item);
    InvalidateRect(popup, nullptr, FALSE);
}

void Pick(Tracking& t, int item)
{
    if (item < 0 || !IsPickable(t.menu->items[item])) return;
    t.picked = t.menu->items[item].id;
    t.done = true;
}

void OnKey(HWND popup, Tracking& t, WPARAM key)
{
    switch (key) {
    case VK_ESCAPE: t.done = true; break;
    case VK_RETURN: Pick(t, t.selected); break;
    case VK_DOWN: Select(popup, t, NextItem(*t.menu, t.selected, 1)); break;
    case VK_UP: Select(popup, t, NextItem(*t.menu, t.selected, -1)); break;
    case VK_HOME: Select(popup, t, NextItem(*t.menu, -1, 1)); break;
    case VK_END: Select(popup, t, NextItem(*t.menu, -1, -1)); break;
    case VK_RIGHT: Select(popup, t, ItemInNextColumn(*t.menu, t.layout, t.selected, 1)); break;
    case VK_LEFT: Select(popup, t, ItemInNextColumn(*t.menu, t.layout, t.selected, -1)); break;
    default: break;
    }
}

// Input on the popup's terms; everything else is handled as usual.
void Handle(HWND popup, Tracking& t, const MSG& msg)
{
    const bool isKey = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    const bool isMouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        OnKey(popup, t, msg.wParam);
        TranslateMessage(&msg);
    } else if (msg.message == WM_CHAR) {
        Pick(t, ItemWithMnemonic(*t.menu, char16_t(msg.wParam)));
    } else if (isMouse && msg.hwnd == popup) {
        POINT p{GET_X_LPARAM(msg.lParam), GET_Y_LPARAM(msg.lParam)};
        RECT client{};
        GetClientRect(popup, &client);
        const bool inside = p.x >= 0 && p.y >= 0 && p.x < client.right && p.y < client.bottom;
        const int item = t.layout.ItemAt(p);
        if (msg.message == WM_MOUSEMOVE && item >= 0) Select(popup, t, item);
        if (msg.message == WM_LBUTTONUP && item >= 0) Pick(t, item);
        if ((msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN) && !inside) t.done = true;
        if ((msg.message == WM_LBUTTONDOWN && inside && item < 0 && t.layout.scrolls)) {
            t.layout.ScrollBy(p.y < t.layout.ViewTop() ? -kRowHeight : kRowHeight);
            InvalidateRect(popup, nullptr, FALSE);
        }
        if (msg.message == WM_MOUSEWHEEL) {
            t.layout.ScrollBy(-GET_WHEEL_DELTA_WPARAM(msg.wParam) / WHEEL_DELTA * 3 * kRowHeight);
            InvalidateRect(popup, nullptr, FALSE);
        }
    } else if (!isKey && !isMouse) {
        DispatchMessageA(&msg);
    }
}

POINT Placement(UINT flags, int x, int y, int width, int height)
{
    if (flags & TPM_RIGHTALIGN) x -= width;
    if (flags & TPM_CENTERALIGN) x -= width / 2;
    if (flags & TPM_BOTTOMALIGN) y -= height;
    if (flags & TPM_VCENTERALIGN) y -= height / 2;
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    return {x, y};
}

// What TrackPopupMenu answers for a pick (0 for none).
BOOL Finish(UINT picked, UINT flags, HWND owner)
{
    if (flags & TPM_RETURNCMD) return BOOL(picked);
    if (picked && !(flags & TPM_NONOTIFY) && owner) PostMessageA(owner, WM_COMMAND, picked, 0);
    return picked != 0;
}

}  // namespace

BOOL platform::menus::TrackPopup(HMENU handle, UINT flags, int x, int y, HWND owner, bool selectFirst)
{
    Tracking t;
    t.menu = FindMenu(handle);
    if (!t.menu || t.menu->items.empty()) return FALSE;
    if (selectFirst) t.selected = NextItem(*t.menu, -1, 1);
    RegisterPopupClass();
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    t.layout = LayOut(*t.menu, area.bottom - area.top, [](const MenuItem& item) { return MenuTextWidth(item.text); });
    const int height = t.layout.WindowHeight();
    const POINT at = Placement(flags, x, y, t.layout.width, height);

    HWND popup = CreateWindowExA(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, kPopupClass, nullptr, WS_POPUP, at.x, at.y,
                                 t.layout.width, height, owner, nullptr, nullptr, nullptr);
    if (!popup) return FALSE;
    SetWindowLongPtrA(popup, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&t));
    ShowWindow(popup, SW_SHOWNOACTIVATE);
    HWND previousCapture = GetCapture();
    SetCapture(popup);

    MSG msg;
    while (!t.done && IsWindow(popup)) {
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));  // the outer loop must still see it
            break;
        }
        Handle(popup, t, msg);
        if (!FindMenu(handle)) t.picked = 0, t.done = true;  // destroyed under us: a cancel
    }
    if (GetCapture() == popup) ReleaseCapture();
    if (previousCapture && IsWindow(previousCapture)) SetCapture(previousCapture);
    DestroyWindow(popup);
    return Finish(t.picked, flags, owner);
}

BOOL TrackPopupMenu(HMENU handle, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    auto menu = FindMenu(handle);
    if (menu && !menu->items.empty())
        if (auto answer = platform::menus::TakePopupAnswer(*menu, flags, x, y, owner)) return Finish(*answer, flags, owner);
    return platform::menus::TrackPopup(handle, flags, x, y, owner, false);
}
