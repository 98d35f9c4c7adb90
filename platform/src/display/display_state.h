#pragma once
// What the display keeps of each window beside its record: text, invalid
// area, frame state and, for a top-level window, its framebuffer.
#include "../window_table.h"
#include "rect_math.h"

#include <memory>
#include <string>

namespace platform::detail {

struct Surface;

// A window's own scroll bar, which its style (WS_HSCROLL, WS_VSCROLL) allows
// and its owner shows when needed: positions run from minimum to maximum
// inclusive and the view covers page of them.
struct ScrollBarState
{
    bool shown = false;
    int minimum = 0;
    int maximum = 0;
    int page = 0;
    int position = 0;
};

struct DisplayState
{
    std::u16string text;
    RECT invalid{0, 0, 0, 0};  // client coordinates
    bool erase = false;
    bool frameDirty = false;
    bool topMost = false;
    bool minimized = false;
    bool maximized = false;
    bool captionActive = false;
    bool showWhenCreated = false;
    RECT restoreRect{0, 0, 0, 0};  // parent coordinates, kept while minimised or maximised
    HICON icons[2] = {nullptr, nullptr};
    ScrollBarState scrollBars[2];      // horizontal, vertical
    std::shared_ptr<Surface> surface;  // top-level windows only
};

// Made on first use.
DisplayState& StateOf(Window& window);

// The record of a window owned by the calling thread, or null with the last error set.
std::shared_ptr<Window> OwnedWindow(HWND handle);

}  // namespace platform::detail
