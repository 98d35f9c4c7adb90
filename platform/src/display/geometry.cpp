#include "geometry.h"

#include <platform/display.h>

#include <algorithm>
#include <mutex>

namespace platform::detail {
namespace {

struct TopLevels
{
    std::mutex mutex;
    std::vector<HWND> order;  // bottom first
};

TopLevels& TopLevelList()
{
    static TopLevels* list = new TopLevels;
    return *list;
}

bool IsTopMost(HWND handle)
{
    auto window = FindWindowRecord(handle);
    return window && window->display && window->display->topMost;
}

// Keeps top-most windows above the others, each group in its own order.
void PlaceInOrder(std::vector<HWND>& order, HWND handle, bool toTop)
{
    std::erase(order, handle);
    bool topMost = IsTopMost(handle);
    if (toTop) {
        auto firstTopMost = topMost ? order.end() : std::find_if(order.begin(), order.end(), IsTopMost);
        order.insert(firstTopMost, handle);
    } else {
        auto firstPlain = topMost ? std::find_if(order.begin(), order.end(), IsTopMost) : order.begin();
        order.insert(firstPlain, handle);
    }
}

void Reorder(Window& window, bool toTop)
{
    if (auto parent = FindWindowRecord(window.parent)) {
        PlaceInOrder(parent->children, window.handle, toTop);
        return;
    }
    auto& list = TopLevelList();
    std::lock_guard lock(list.mutex);
    if (std::find(list.order.begin(), list.order.end(), window.handle) != list.order.end())
        PlaceInOrder(list.order, window.handle, toTop);
}

bool Accepts(const Window& window)
{
    return (window.style & WS_VISIBLE) && !(window.style & WS_DISABLED) &&
           !(window.display && window.display->minimized && IsTopLevel(window));
}

// The deepest enabled child under a point given in the window's own coordinates.
HWND DeepestAt(const Window& window, POINT inWindow)
{
    RECT client = ClientRectInWindow(window);
    if (!Contains(client, inWindow))
        return window.handle;
    POINT inClient{inWindow.x - client.left, inWindow.y - client.top};
    for (auto it = window.children.rbegin(); it != window.children.rend(); ++it) {
        auto child = FindWindowRecord(*it);
        if (!child || !(child->style & WS_VISIBLE))
            continue;
        RECT rect = WindowRectInParent(*child);
        if (!Contains(rect, inClient))
            continue;
        // A disabled child lets the click through to its parent.
        if (child->style & WS_DISABLED)
            return window.handle;
        return DeepestAt(*child, {inClient.x - rect.left, inClient.y - rect.top});
    }
    return window.handle;
}

}  // namespace

FrameParts FramePartsFor(DWORD style, DWORD exStyle, bool menu)
{
    FrameParts parts;
    if (exStyle & WS_EX_CLIENTEDGE)
        parts.edge = 2;
    if (!(style & WS_CHILD)) {
        // The desktop draws the frame of a top-level window; the menu bar is ours.
        if (menu)
            parts.menu = kMenuBarHeight;
        return parts;
    }
    if (style & WS_THICKFRAME)
        parts.border = 4;
    else if (style & (WS_BORDER | WS_DLGFRAME))
        parts.border = 2;
    if ((style & WS_CAPTION) == WS_CAPTION)
        parts.caption = (exStyle & WS_EX_TOOLWINDOW) ? kToolCaptionHeight : kCaptionHeight;
    return parts;
}

bool IsTopLevel(const Window& window)
{
    return !(window.style & WS_CHILD) || !window.parent;
}

FrameParts FramePartsOf(const Window& window)
{
    return FramePartsFor(IsTopLevel(window) ? (window.style & ~WS_CHILD) : window.style, window.exStyle,
                         IsTopLevel(window) && window.menuOrId != nullptr);
}

RECT WindowRectInParent(const Window& window)
{
    return {window.x, window.y, window.x + window.width, window.y + window.height};
}

bool ShowsScrollBar(const Window& window, bool vertical)
{
    return window.display && window.display->scrollBars[vertical ? 1 : 0].shown;
}

RECT ClientRectInWindow(const Window& window)
{
    FrameParts parts = FramePartsOf(window);
    LONG side = parts.border + parts.edge;
    RECT client{side, parts.border + parts.caption + parts.menu + parts.edge, window.width - side,
                window.height - side};
    if (ShowsScrollBar(window, true))
        client.right -= kScrollBarSize;
    if (ShowsScrollBar(window, false))
        client.bottom -= kScrollBarSize;
    client.right = std::max(client.right, client.left);
    client.bottom = std::max(client.bottom, client.top);
    return client;
}

POINT WindowOriginOnScreen(const Window& window)
{
    POINT origin{window.x, window.y};
    if (IsTopLevel(window))
        return origin;
    if (auto parent = FindWindowRecord(window.parent)) {
        POINT parentClient = ClientOriginOnScreen(*parent);
        origin.x += parentClient.x;
        origin.y += parentClient.y;
    }
    return origin;
}

POINT ClientOriginOnScreen(const Window& window)
{
    POINT origin = WindowOriginOnScreen(window);
    RECT client = ClientRectInWindow(window);
    return {origin.x + client.left, origin.y + client.top};
}

std::shared_ptr<Window> TopLevelOf(std::shared_ptr<Window> window)
{
    while (window && !IsTopLevel(*window)) {
        auto parent = FindWindowRecord(window->parent);
        if (!parent)
            break;
        window = parent;
    }
    return window;
}

POINT OriginInTopLevel(const Window& window)
{
    if (IsTopLevel(window))
        return {0, 0};
    POINT origin{window.x, window.y};
    if (auto parent = FindWindowRecord(window.parent)) {
        POINT parentOrigin = OriginInTopLevel(*parent);
        RECT client = ClientRectInWindow(*parent);
        origin.x += parentOrigin.x + client.left;
        origin.y += parentOrigin.y + client.top;
    }
    return origin;
}

bool IsShown(const Window& window)
{
    if (!(window.style & WS_VISIBLE))
        return false;
    if (IsTopLevel(window))
        return !(window.display && window.display->minimized);
    auto parent = FindWindowRecord(window.parent);
    return parent && IsShown(*parent);
}

Region VisibleRegion(const Window& window, bool clientOnly)
{
    POINT origin = OriginInTopLevel(window);
    RECT own = clientOnly ? ClientRectInWindow(window) : RECT{0, 0, window.width, window.height};
    Region region(Offset(own, origin.x, origin.y));
    if (!IsShown(window))
        return Region();

    // Children cover their parent's client area, never its frame or scroll bars.
    RECT client = ClientRectInWindow(window);
    RECT inClient{0, 0, client.right - client.left, client.bottom - client.top};
    for (HWND handle : window.children) {
        auto child = FindWindowRecord(handle);
        if (!child || !(child->style & WS_VISIBLE))
            continue;
        RECT covered = Intersect(WindowRectInParent(*child), inClient);
        region.Subtract(Offset(covered, origin.x + client.left, origin.y + client.top));
    }
    // Every ancestor's client area clips, and siblings above cover at every level.
    const Window* current = &window;
    while (!IsTopLevel(*current)) {
        auto parent = FindWindowRecord(current->parent);
        if (!parent)
            break;
        POINT parentOrigin = OriginInTopLevel(*parent);
        RECT parentClient = ClientRectInWindow(*parent);
        LONG dx = parentOrigin.x + parentClient.left, dy = parentOrigin.y + parentClient.top;
        region.Intersect(Offset(parentClient, parentOrigin.x, parentOrigin.y));
        auto self = std::find(parent->children.begin(), parent->children.end(), current->handle);
        for (auto above = self == parent->children.end() ? self : self + 1; above != parent->children.end(); ++above) {
            auto sibling = FindWindowRecord(*above);
            if (sibling && (sibling->style & WS_VISIBLE))
                region.Subtract(Offset(WindowRectInParent(*sibling), dx, dy));
        }
        current = parent.get();
        if (region.IsEmpty())
            break;
    }
    return region;
}

std::vector<HWND> TopLevelWindows()
{
    auto& list = TopLevelList();
    std::lock_guard lock(list.mutex);
    return list.order;
}

void AddTopLevel(HWND handle)
{
    auto& list = TopLevelList();
    std::lock_guard lock(list.mutex);
    PlaceInOrder(list.order, handle, true);
}

void RemoveTopLevel(HWND handle)
{
    auto& list = TopLevelList();
    std::lock_guard lock(list.mutex);
    std::erase(list.order, handle);
}

void Raise(Window& window)
{
    Reorder(window, true);
}
void Lower(Window& window)
{
    Reorder(window, false);
}

HWND WindowFromScreenPoint(POINT screen)
{
    auto order = TopLevelWindows();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        auto window = FindWindowRecord(*it);
        if (!window || !(window->style & WS_VISIBLE) || (window->display && window->display->minimized))
            continue;
        if (!Contains(WindowRectInParent(*window), screen))
            continue;
        if (!Accepts(*window))
            return nullptr;
        return DeepestAt(*window, {screen.x - window->x, screen.y - window->y});
    }
    return nullptr;
}

}  // namespace platform::detail
