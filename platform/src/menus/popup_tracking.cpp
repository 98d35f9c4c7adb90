#include "popup_tracking.h"

#include "menu_font.h"
#include "popup_scripts.h"
#include "popup_window.h"

#include "platform/src/display/input_source.h"

#include <platform/input.h>
#include <platform/painting.h>
#include <platform/window.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace platform::menus {
namespace {

struct Tracking
{
    HWND owner = nullptr;
    std::vector<std::unique_ptr<PopupLevel>> levels;  // the tracked menu first, then each open submenu
    POINT opened{0, 0};                               // the pointer when the menu came up
    bool armed = false;                               // the mouse may pick
    bool alongBar = false;                            // a drop-down of the menu bar
    bool done = false;
    UINT picked = 0;
    int along = 0;  // the step along the bar asked for on leaving

    PopupLevel& Deepest() { return *levels.back(); }
};

RECT WorkArea()
{
    RECT area{};
    SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

POINT Placement(UINT flags, int x, int y, int width, int height)
{
    if (flags & TPM_RIGHTALIGN)
        x -= width;
    if (flags & TPM_CENTERALIGN)
        x -= width / 2;
    if (flags & TPM_BOTTOMALIGN)
        y -= height;
    if (flags & TPM_VCENTERALIGN)
        y -= height / 2;
    const RECT area = WorkArea();
    x = std::max<int>(area.left, std::min<int>(x, area.right - width));
    y = std::max<int>(area.top, std::min<int>(y, area.bottom - height));
    return {x, y};
}

std::unique_ptr<PopupLevel> LayOutLevel(std::shared_ptr<Menu> menu)
{
    auto level = std::make_unique<PopupLevel>();
    level->menu = std::move(menu);
    const RECT area = WorkArea();
    level->layout =
        LayOut(*level->menu, area.bottom - area.top, [](const MenuItem& item) { return MenuTextWidth(item.text); });
    return level;
}

RECT WindowRectOf(const PopupLevel& level)
{
    RECT rect{};
    GetWindowRect(level.window, &rect);
    return rect;
}

// The item's row in screen coordinates.
RECT ItemOnScreen(const PopupLevel& level, int item)
{
    const RECT window = WindowRectOf(level);
    const RECT& slot = level.layout.slots[std::size_t(item)];
    const int top = window.top + slot.top - level.layout.scroll + level.layout.ViewTop();
    return {window.left + slot.left, top, window.left + slot.right, top + (slot.bottom - slot.top)};
}

void CloseAbove(Tracking& t, std::size_t keep)
{
    while (t.levels.size() > keep + 1) {
        if (IsWindow(t.levels.back()->window))
            DestroyWindow(t.levels.back()->window);
        t.levels.pop_back();
    }
}

void Select(PopupLevel& level, int item)
{
    if (item == level.selected)
        return;
    level.selected = item;
    level.layout.Reveal(item);
    InvalidateRect(level.window, nullptr, FALSE);
}

bool OpensSubmenu(const MenuItem& item)
{
    return item.submenu && !(item.state & (MF_GRAYED | MF_DISABLED));
}

// Opens the submenu of the level's selected item beside it, right of it
// where there is room, else left.
void OpenSubmenu(Tracking& t, std::size_t index, bool selectFirst)
{
    PopupLevel& parent = *t.levels[index];
    if (parent.selected < 0)
        return;
    const MenuItem& item = parent.menu->items[std::size_t(parent.selected)];
    auto menu = OpensSubmenu(item) ? FindMenu(item.submenu) : nullptr;
    if (!menu || menu->items.empty())
        return;
    if (t.levels.size() > index + 1 && t.levels[index + 1]->menu == menu)
        return;  // open already
    CloseAbove(t, index);
    auto level = LayOutLevel(menu);
    const RECT row = ItemOnScreen(parent, parent.selected);
    const RECT beside = WindowRectOf(parent);
    const int height = level->layout.WindowHeight();
    const int top = row.top - level->layout.ViewTop();
    const bool roomRight = beside.right + level->layout.width <= WorkArea().right;
    const POINT at =
        Placement(0, roomRight ? beside.right : beside.left - level->layout.width, top, level->layout.width, height);
    level->window = OpenPopupWindow(*level, at, t.owner);
    if (!level->window)
        return;
    if (selectFirst)
        level->selected = NextItem(*menu, -1, 1);
    t.levels.push_back(std::move(level));
}

// An item of the level is chosen: a submenu opens, anything pickable ends the tracking.
void Choose(Tracking& t, std::size_t index, int item, bool fromKeyboard)
{
    PopupLevel& level = *t.levels[index];
    if (item < 0)
        return;
    Select(level, item);
    const MenuItem& chosen = level.menu->items[std::size_t(item)];
    if (chosen.submenu) {
        OpenSubmenu(t, index, fromKeyboard);
        return;
    }
    if (!IsPickable(chosen))
        return;
    t.picked = chosen.id;
    t.done = true;
}

// Left and Right move between a menu's columns; in a drop-down of the bar,
// with no column that way, they go on to the bar's neighbouring menu.
void Across(Tracking& t, PopupLevel& level, int step)
{
    const int next = ItemInNextColumn(*level.menu, level.layout, level.selected, step);
    if (t.alongBar && (level.selected < 0 || next == level.selected)) {
        t.along = step;
        t.done = true;
        return;
    }
    Select(level, next);
}

void OnKey(Tracking& t, WPARAM key)
{
    const std::size_t deepest = t.levels.size() - 1;
    PopupLevel& level = t.Deepest();
    const Menu& menu = *level.menu;
    const bool onSubmenu = level.selected >= 0 && OpensSubmenu(menu.items[std::size_t(level.selected)]);
    switch (key) {
    case VK_ESCAPE:
        if (deepest == 0)
            t.done = true;
        else
            CloseAbove(t, deepest - 1);
        break;
    case VK_RETURN: Choose(t, deepest, level.selected, true); break;
    case VK_DOWN: Select(level, NextItem(menu, level.selected, 1)); break;
    case VK_UP: Select(level, NextItem(menu, level.selected, -1)); break;
    case VK_HOME: Select(level, NextItem(menu, -1, 1)); break;
    case VK_END: Select(level, NextItem(menu, -1, -1)); break;
    case VK_RIGHT:
        if (onSubmenu)
            OpenSubmenu(t, deepest, true);
        else
            Across(t, level, 1);
        break;
    case VK_LEFT:
        if (deepest > 0)
            CloseAbove(t, deepest - 1);
        else
            Across(t, level, -1);
        break;
    default: break;
    }
}

// The deepest open level under a screen point, or -1.
int LevelAt(const Tracking& t, POINT screen)
{
    for (std::size_t i = t.levels.size(); i-- > 0;) {
        const RECT r = WindowRectOf(*t.levels[i]);
        if (screen.x >= r.left && screen.x < r.right && screen.y >= r.top && screen.y < r.bottom)
            return int(i);
    }
    return -1;
}

void OnMouse(Tracking& t, const MSG& msg)
{
    const int index = LevelAt(t, msg.pt);
    PopupLevel* level = index >= 0 ? t.levels[std::size_t(index)].get() : nullptr;
    int item = -1;
    POINT inWindow{0, 0};
    if (level) {
        const RECT r = WindowRectOf(*level);
        inWindow = {msg.pt.x - r.left, msg.pt.y - r.top};
        item = level->layout.ItemAt(inWindow);
    }
    const bool press = msg.message == WM_LBUTTONDOWN || msg.message == WM_RBUTTONDOWN ||
                       msg.message == WM_LBUTTONDBLCLK || msg.message == WM_RBUTTONDBLCLK;
    switch (msg.message) {
    case WM_MOUSEMOVE:
        if (item < 0)
            break;
        if (msg.pt.x != t.opened.x || msg.pt.y != t.opened.y)
            t.armed = true;
        if (!t.armed)
            break;
        CloseAbove(t, std::size_t(index));
        Select(*level, item);
        OpenSubmenu(t, std::size_t(index), false);
        break;
    case WM_LBUTTONUP:
        if (t.armed && item >= 0)
            Choose(t, std::size_t(index), item, false);
        break;
    case WM_MOUSEWHEEL:
        if (PopupLevel* scrolled = level ? level : &t.Deepest(); scrolled->layout.scrolls) {
            scrolled->layout.ScrollBy(-GET_WHEEL_DELTA_WPARAM(msg.wParam) / WHEEL_DELTA * 3 * kRowHeight);
            InvalidateRect(scrolled->window, nullptr, FALSE);
        }
        break;
    default: break;
    }
    if (!press)
        return;
    if (!level) {
        t.done = true;  // a press outside every open menu cancels
        return;
    }
    t.armed = true;
    if (item >= 0) {
        CloseAbove(t, std::size_t(index));
        Select(*level, item);
        OpenSubmenu(t, std::size_t(index), false);
    } else if (level->layout.scrolls && msg.message == WM_LBUTTONDOWN) {
        level->layout.ScrollBy(inWindow.y < level->layout.ViewTop() ? -kRowHeight : kRowHeight);
        InvalidateRect(level->window, nullptr, FALSE);
    }
}

// Input on the menu's terms; everything else is handled as usual.
void Handle(Tracking& t, const MSG& msg)
{
    const bool isKey = msg.message >= WM_KEYFIRST && msg.message <= WM_KEYLAST;
    const bool isMouse = msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST;
    if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
        OnKey(t, msg.wParam);
        TranslateMessage(&msg);
    } else if (msg.message == WM_CHAR) {
        Choose(t, t.levels.size() - 1, ItemWithMnemonic(*t.Deepest().menu, char16_t(msg.wParam)), true);
    } else if (isMouse && msg.hwnd == t.levels.front()->window) {
        OnMouse(t, msg);
    } else if (!isKey && !isMouse) {
        DispatchMessageA(&msg);
    }
}

// What TrackPopupMenu answers for a pick (0 for none).
BOOL Finish(UINT picked, UINT flags, HWND owner)
{
    if (flags & TPM_RETURNCMD)
        return BOOL(picked);
    if (picked && !(flags & TPM_NONOTIFY) && owner)
        PostMessageA(owner, WM_COMMAND, picked, 0);
    return picked != 0;
}

// The modal loop until a pick or a cancel; t holds the outcome.
void Track(Tracking& t, HMENU handle, UINT flags, int x, int y, bool selectFirst)
{
    auto menu = FindMenu(handle);
    if (!menu || menu->items.empty())
        return;
    t.opened = detail::RetrievedPointerPosition();
    t.levels.push_back(LayOutLevel(menu));
    PopupLevel& top = *t.levels.front();
    if (selectFirst)
        top.selected = NextItem(*menu, -1, 1);
    top.window = OpenPopupWindow(top, Placement(flags, x, y, top.layout.width, top.layout.WindowHeight()), t.owner);
    if (!top.window)
        return;
    HWND popup = top.window;
    HWND previousCapture = GetCapture();
    SetCapture(popup);

    MSG msg;
    while (!t.done && IsWindow(popup)) {
        if (!GetMessageA(&msg, nullptr, 0, 0)) {
            PostQuitMessage(int(msg.wParam));  // the outer loop must still see it
            break;
        }
        Handle(t, msg);
        if (!FindMenu(handle))
            t.picked = 0, t.along = 0, t.done = true;  // destroyed under us: a cancel
    }
    CloseAbove(t, 0);
    if (GetCapture() == popup)
        ReleaseCapture();
    if (previousCapture && IsWindow(previousCapture))
        SetCapture(previousCapture);
    DestroyWindow(popup);
}

}  // namespace

BOOL TrackPopup(HMENU handle, UINT flags, int x, int y, HWND owner, bool selectFirst)
{
    Tracking t;
    t.owner = owner;
    Track(t, handle, flags, x, y, selectFirst);
    return Finish(t.picked, flags, owner);
}

DropDownEnd TrackDropDown(HMENU handle, int x, int y, HWND owner, bool selectFirst)
{
    Tracking t;
    t.owner = owner;
    t.alongBar = true;
    Track(t, handle, TPM_LEFTALIGN | TPM_TOPALIGN, x, y, selectFirst);
    return {t.picked, t.along};
}

}  // namespace platform::menus

BOOL TrackPopupMenu(HMENU handle, UINT flags, int x, int y, int, HWND owner, const RECT*)
{
    auto menu = platform::menus::FindMenu(handle);
    if (menu && !menu->items.empty())
        if (auto answer = platform::menus::TakePopupAnswer(*menu, flags, x, y, owner))
            return platform::menus::Finish(*answer, flags, owner);
    return platform::menus::TrackPopup(handle, flags, x, y, owner, false);
}
