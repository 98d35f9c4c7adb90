#pragma once
// Where windows are: frames, rectangles, coordinates, the z-order, what is
// visible and what lies under a point.
#include "display_state.h"
#include "region.h"

#include <vector>

namespace platform::detail {

struct FrameParts
{
    LONG border = 0;   // each side
    LONG edge = 0;     // sunken client edge, each side
    LONG caption = 0;  // below the top border
    LONG menu = 0;     // below the caption
};

inline constexpr LONG kCaptionHeight = 18;
inline constexpr LONG kToolCaptionHeight = 14;
inline constexpr LONG kMenuBarHeight = 20;
// The width of a vertical scroll bar and the height of a horizontal one.
inline constexpr LONG kScrollBarSize = 16;

FrameParts FramePartsFor(DWORD style, DWORD exStyle, bool menu);
FrameParts FramePartsOf(const Window& window);
bool IsTopLevel(const Window& window);

// In the parent's client coordinates; screen coordinates for a top-level window.
RECT WindowRectInParent(const Window& window);
bool ShowsScrollBar(const Window& window, bool vertical);
// The client area relative to the window's top-left: inside the frame and
// left of and above the scroll bars shown.
RECT ClientRectInWindow(const Window& window);
POINT WindowOriginOnScreen(const Window& window);
POINT ClientOriginOnScreen(const Window& window);

std::shared_ptr<Window> TopLevelOf(std::shared_ptr<Window> window);
// The window's top-left relative to its top-level window's top-left.
POINT OriginInTopLevel(const Window& window);
// The window and every ancestor are visible and the top level is not minimised.
bool IsShown(const Window& window);

// Where the window (or only its client area) may paint, in its top-level
// window's coordinates: inside its ancestors' client areas, outside its
// visible children and outside visible siblings above it and its ancestors.
Region VisibleRegion(const Window& window, bool clientOnly);

// Top-level windows, bottom of the z-order first.
std::vector<HWND> TopLevelWindows();
void AddTopLevel(HWND window);
void RemoveTopLevel(HWND window);
// Moves the window above its siblings (below top-most ones unless it is one).
void Raise(Window& window);
void Lower(Window& window);

// The deepest visible and enabled window under a screen point; null for none.
HWND WindowFromScreenPoint(POINT screen);

// Walks the window's descendants, each child before its own children, top of the z-order first.
template <class Visit>
bool ForEachDescendant(const Window& window, Visit&& visit)
{
    std::vector<HWND> children = window.children;
    for (auto it = children.rbegin(); it != children.rend(); ++it) {
        auto child = FindWindowRecord(*it);
        if (!child)
            continue;
        if (!visit(*child))
            return false;
        if (!ForEachDescendant(*child, visit))
            return false;
    }
    return true;
}

}  // namespace platform::detail
