// Driving a frame's menu bar: a press on a title, or keyboard mode entered
// with Alt, F10 or an "&" letter, opens the title's menu with the popup
// machinery; a pick is posted to the frame as WM_COMMAND.
#include "menu_bar.h"
#include "menu_bar_layout.h"
#include "popup_layout.h"
#include "popup_tracking.h"

#include "platform/src/display/frame.h"
#include "platform/src/display/geometry.h"
#include "platform/src/display/paint_state.h"

#include <platform/input.h>
#include <platform/window.h>

namespace platform::menus {
namespace {

using detail::Window;

struct Bar
{
    std::shared_ptr<Window> frame;
    std::shared_ptr<Menu> menu;
};

// The top-level window with a bar that a window's keys belong to.
Bar BarOf(HWND handle)
{
    auto window = detail::FindWindowRecord(handle);
    auto frame = window ? detail::TopLevelOf(window) : nullptr;
    auto menu = frame ? FindMenu(frame->menuOrId) : nullptr;
    if (!menu || menu->items.empty())
        return {};
    return {frame, menu};
}

void Highlight(const Bar& bar, int title)
{
    if (HotTitle(bar.frame->handle) == title)
        return;
    SetHotTitle(bar.frame->handle, title);
    detail::InvalidateFrame(*bar.frame);
}

bool IsGrey(const MenuItem& item)
{
    return item.state & (MF_GRAYED | MF_DISABLED);
}

bool HasDropDown(const MenuItem& item)
{
    return item.submenu && !IsGrey(item) && !(item.type & MFT_SEPARATOR);
}

// Opens the title's menu below it, or picks a title without one. Answers
// the step along the bar that Left or Right in the menu asked for, else 0.
int Open(const Bar& bar, int title, bool fromKeyboard)
{
    const MenuItem item = bar.menu->items[title];
    if (IsGrey(item) || (item.type & MFT_SEPARATOR))
        return 0;
    HWND frame = bar.frame->handle;
    DropDownEnd end{item.id, 0};
    if (item.submenu) {
        Highlight(bar, title);
        const RECT at = MenuBarTitlesOnScreen(frame)[title];
        end = TrackDropDown(item.submenu, at.left, at.bottom, frame, fromKeyboard);
    }
    if (end.picked)
        PostMessageA(frame, WM_COMMAND, end.picked, 0);
    return end.along;
}

int Step(const Menu& menu, int from, int step)
{
    const int count = int(menu.items.size());
    for (int i = 1; i <= count; ++i) {
        const int at = ((from + step * i) % count + count) % count;
        if (!(menu.items[at].type & MFT_SEPARATOR))
            return at;
    }
    return from;
}

bool BarGone(const Bar& bar)
{
    return !IsWindow(bar.frame->handle) || !FindMenu(bar.frame->menuOrId);
}

// Keyboard mode: a title is highlighted until the user leaves or picks.
// An open menu's Left and Right move to the neighbouring title, opening
// its menu at once when it has one.
void KeyboardMode(const Bar& bar, int title, bool openNow)
{
    HWND frame = bar.frame->handle;
    Highlight(bar, title);
    MSG msg;
    bool done = false;
    while (!done) {
        if (openNow) {
            const int along = Open(bar, title, true);
            if (!along || BarGone(bar))
                break;
            title = Step(*bar.menu, title, along);
            openNow = HasDropDown(bar.menu->items[title]);
            Highlight(bar, title);
            continue;
        }
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));
            break;
        }
        const bool isKey = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
        const bool isPress = msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
                             msg.message == WM_NCLBUTTONDOWN || msg.message == WM_NCRBUTTONDOWN;
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            switch (msg.wParam) {
            case VK_LEFT: title = Step(*bar.menu, title, -1); break;
            case VK_RIGHT: title = Step(*bar.menu, title, 1); break;
            case VK_RETURN:
            case VK_DOWN: openNow = true; break;
            case VK_ESCAPE:
            case VK_MENU:
            case VK_F10: done = true; break;
            default: TranslateMessage(&msg); break;
            }
            Highlight(bar, title);
        } else if (msg.message == WM_CHAR || msg.message == WM_SYSCHAR) {
            const int found = ItemWithMnemonic(*bar.menu, char16_t(msg.wParam));
            if (found >= 0)
                title = found, openNow = true;
        } else if (isPress) {
            done = true;  // the press still does what it would have done
            DispatchMessageA(&msg);
        } else if (!isKey) {
            DispatchMessageA(&msg);
        }
        if (BarGone(bar))
            return;
    }
    if (IsWindow(frame))
        Highlight(bar, -1);
}

// Alt pressed and released with no other key between enters keyboard mode.
thread_local HWND altArmed = nullptr;

}  // namespace

std::vector<RECT> MenuBarTitlesOnScreen(HWND handle)
{
    auto window = detail::FindWindowRecord(handle);
    auto menu = window && detail::IsTopLevel(*window) ? FindMenu(window->menuOrId) : nullptr;
    if (!menu)
        return {};
    const RECT strip = detail::LayoutOf(*window).menu;
    const POINT origin = detail::WindowOriginOnScreen(*window);
    std::vector<RECT> titles = TitleSlots(*menu, strip.bottom - strip.top);
    for (RECT& r : titles)
        r = detail::Offset(r, origin.x + strip.left, origin.y + strip.top);
    return titles;
}

void MenuBarClick(HWND handle, POINT screen)
{
    Bar bar = BarOf(handle);
    if (!bar.frame || bar.frame->handle != handle)
        return;
    const std::vector<RECT> titles = MenuBarTitlesOnScreen(handle);
    for (std::size_t i = 0; i < titles.size(); ++i) {
        if (!detail::Contains(titles[i], screen))
            continue;
        const int along = Open(bar, int(i), false);
        if (along && !BarGone(bar)) {
            const int next = Step(*bar.menu, int(i), along);
            KeyboardMode(bar, next, HasDropDown(bar.menu->items[next]));
        }
        if (IsWindow(handle))
            Highlight(bar, -1);
        return;
    }
}

bool MenuBarKey(HWND handle, UINT message, WPARAM wParam, LPARAM lParam)
{
    const bool down = message == WM_KEYDOWN || message == WM_SYSKEYDOWN;
    const bool repeat = (lParam >> 30) & 1;
    if (message == WM_SYSKEYDOWN && wParam == VK_MENU) {
        if (!repeat)
            altArmed = handle;
        return false;
    }
    if (down)
        altArmed = nullptr;
    const bool altReleased = message == WM_SYSKEYUP && wParam == VK_MENU && altArmed == handle;
    if (message == WM_SYSKEYUP && wParam == VK_MENU)
        altArmed = nullptr;
    Bar bar = BarOf(handle);
    if (!bar.frame)
        return false;
    if (altReleased || (down && wParam == VK_F10)) {
        KeyboardMode(bar, Step(*bar.menu, -1, 1), false);
        return true;
    }
    if (message == WM_SYSCHAR) {
        const int found = ItemWithMnemonic(*bar.menu, char16_t(wParam));
        if (found < 0)
            return false;
        KeyboardMode(bar, found, true);
        return true;
    }
    return false;
}

}  // namespace platform::menus
