#include "paint_state.h"

#include "../clock.h"
#include "../utf16.h"
#include "backend.h"
#include "desktop_icon.h"
#include "geometry.h"

#include <platform/kernel.h>
#include <platform/painting.h>

#include <mutex>
#include <set>

namespace platform::detail {
namespace {

struct DirtyWindows
{
    std::mutex mutex;
    std::set<HWND> windows;  // handles grow with creation, so parents come before their children
};

DirtyWindows& Dirty()
{
    static DirtyWindows* dirty = new DirtyWindows;
    return *dirty;
}

void MarkDirty(Window& window)
{
    {
        auto& dirty = Dirty();
        std::lock_guard lock(dirty.mutex);
        dirty.windows.insert(window.handle);
    }
    WakeThread(window.threadId);
}

bool HasFrame(const Window& window)
{
    RECT client = ClientRectInWindow(window);
    return client.left > 0 || client.top > 0 || client.right < window.width || client.bottom < window.height;
}

std::vector<HWND> DirtySnapshot()
{
    auto& dirty = Dirty();
    std::lock_guard lock(dirty.mutex);
    return {dirty.windows.begin(), dirty.windows.end()};
}

// Drops the window from the dirty set once nothing is left to paint.
void SettleIfClean(Window& window)
{
    DisplayState& state = StateOf(window);
    if (!IsEmpty(state.invalid) || state.frameDirty)
        return;
    auto& dirty = Dirty();
    std::lock_guard lock(dirty.mutex);
    dirty.windows.erase(window.handle);
}

void PaintFrameIfDirty(Window& window)
{
    DisplayState& state = StateOf(window);
    if (!state.frameDirty)
        return;
    state.frameDirty = false;
    CallWindow(window.handle, WM_NCPAINT, 1, 0);
}

class PaintSource final : public MessageSource
{
public:
    bool Next(const MessageFilter& filter, bool remove, MSG* msg) override
    {
        for (HWND handle : DirtySnapshot()) {
            auto window = FindWindowRecord(handle);
            if (!window) {
                ForgetPaint(handle);
                continue;
            }
            if (window->threadId != filter.threadId || !IsShown(*window))
                continue;
            if (remove)
                PaintFrameIfDirty(*window);
            if (!IsWindow(handle))
                continue;
            if (IsEmpty(StateOf(*window).invalid)) {
                SettleIfClean(*window);
                continue;
            }
            if (!filter.Accepts(handle, WM_PAINT))
                continue;
            *msg = MSG{handle, WM_PAINT, 0, 0, static_cast<DWORD>(NowMs()), {0, 0}};
            return true;
        }
        if (remove)
            PresentThread(filter.threadId);
        return false;
    }
};

}  // namespace

void InvalidateClient(Window& window, const RECT& rect, bool erase)
{
    RECT client = ClientRectInWindow(window);
    RECT area = Intersect(rect, {0, 0, client.right - client.left, client.bottom - client.top});
    if (IsEmpty(area))
        return;
    DisplayState& state = StateOf(window);
    state.invalid = Union(state.invalid, area);
    state.erase = state.erase || erase;
    MarkDirty(window);
}

void InvalidateFrame(Window& window)
{
    if (!HasFrame(window))
        return;
    StateOf(window).frameDirty = true;
    MarkDirty(window);
}

void ExposeArea(Window& topLevel, const RECT& area)
{
    auto expose = [&](Window& window) {
        if (!IsShown(window))
            return true;
        POINT origin = OriginInTopLevel(window);
        RECT whole = Offset(RECT{0, 0, window.width, window.height}, origin.x, origin.y);
        RECT overlap = Intersect(whole, area);
        if (IsEmpty(overlap))
            return true;
        RECT client = ClientRectInWindow(window);
        RECT clientInTop = Offset(client, origin.x, origin.y);
        RECT clientPart = Intersect(overlap, clientInTop);
        if (!IsEmpty(clientPart))
            InvalidateClient(window, Offset(clientPart, -clientInTop.left, -clientInTop.top), true);
        if (!(clientPart == overlap))
            InvalidateFrame(window);
        return true;
    };
    expose(topLevel);
    ForEachDescendant(topLevel, expose);
}

void ExposeWindow(Window& window)
{
    auto top = TopLevelOf(FindWindowRecord(window.handle));
    if (!top)
        return;
    POINT origin = OriginInTopLevel(window);
    ExposeArea(*top, Offset(RECT{0, 0, window.width, window.height}, origin.x, origin.y));
}

std::shared_ptr<Surface> SurfaceOf(Window& window)
{
    auto top = TopLevelOf(FindWindowRecord(window.handle));
    return top ? StateOf(*top).surface : nullptr;
}

namespace {

DesktopFrame FrameFor(DWORD style)
{
    if ((style & WS_POPUP) != 0 && (style & WS_CAPTION) != WS_CAPTION)
        return DesktopFrame::None;
    return (style & WS_THICKFRAME) != 0 ? DesktopFrame::Sizable : DesktopFrame::Fixed;
}

}  // namespace

void AttachSurface(Window& topLevel)
{
    DisplayState& state = StateOf(topLevel);
    if (!state.surface) {
        state.surface = std::make_shared<Surface>();
        // The desktop keeps the normal place of a window it shows minimised or maximised.
        bool changed = state.minimized || state.maximized;
        Display().Open(topLevel.handle, changed ? state.restoreRect : WindowRectInParent(topLevel),
                       Utf16ToUtf8(state.text.c_str()), FrameFor(topLevel.style));
        if (changed)
            Display().SetState(topLevel.handle, state.minimized ? DesktopState::Minimized : DesktopState::Maximized);
        ShowDesktopIcon(topLevel);
    }
    state.surface->Resize(topLevel.width, topLevel.height);
}

void PresentWindow(Window& topLevel)
{
    auto& surface = StateOf(topLevel).surface;
    if (!surface || IsEmpty(surface->unpresented))
        return;
    Display().Present(topLevel.handle, *surface, surface->unpresented);
    surface->unpresented = {0, 0, 0, 0};
}

void PresentThread(DWORD threadId)
{
    for (HWND handle : TopLevelWindows()) {
        auto window = FindWindowRecord(handle);
        if (window && window->threadId == threadId && window->display)
            PresentWindow(*window);
    }
}

void PaintNow(Window& window)
{
    if (!IsShown(window))
        return;
    HWND handle = window.handle;
    PaintFrameIfDirty(window);
    if (IsWindow(handle) && !IsEmpty(StateOf(window).invalid))
        CallWindow(handle, WM_PAINT, 0, 0);
    if (!IsWindow(handle))
        return;
    SettleIfClean(window);
    for (HWND child : std::vector<HWND>(window.children))
        if (auto record = FindWindowRecord(child))
            PaintNow(*record);
}

void ForgetPaint(HWND handle)
{
    auto& dirty = Dirty();
    std::lock_guard lock(dirty.mutex);
    dirty.windows.erase(handle);
}

void InstallPaintSource()
{
    static PaintSource source;
    SetMessageSource(SourceSlot::Paint, &source);
}

}  // namespace platform::detail
