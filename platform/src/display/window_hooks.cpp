#include "window_hooks.h"

#include "activation.h"
#include "backend.h"
#include "geometry.h"
#include "input_source.h"
#include "mdi_internal.h"
#include "paint_state.h"
#include "text.h"
#include "window_ops.h"

#include "platform/src/dialogs/combo_box.h"

#include "platform/src/dialogs/basic_controls.h"
#include "platform/src/dialogs/edit_control.h"

#include <platform/display.h>
#include <platform/kernel.h>

#include <atomic>
#include <mutex>

namespace platform::detail {
namespace {

std::atomic<int> gDefaultPlacements{0};

void Prepare(Window& window, int x, int y, int width, int height, std::u16string title)
{
    DisplayState& state = StateOf(window);
    state.text = std::move(title);
    state.showWhenCreated = (window.style & WS_VISIBLE) != 0;
    window.style &= ~WS_VISIBLE;
    state.topMost = (window.exStyle & WS_EX_TOPMOST) != 0;
    bool child = (window.style & WS_CHILD) && window.parent;
    if (!child && (x == CW_USEDEFAULT || width == CW_USEDEFAULT)) {
        // Cascade new top-level windows over the work area.
        RECT area = Display().WorkArea();
        int step = gDefaultPlacements++ % 8;
        if (x == CW_USEDEFAULT) {
            x = area.left + 32 * step;
            y = area.top + 32 * step;
        }
        if (width == CW_USEDEFAULT) {
            width = (area.right - area.left) * 3 / 4;
            height = (area.bottom - area.top) * 3 / 4;
        }
    }
    auto placed = [](int value) { return value == CW_USEDEFAULT ? 0 : value; };
    window.x = placed(x);
    window.y = placed(y);
    window.width = std::max(placed(width), 0);
    window.height = std::max(placed(height), 0);
}

}  // namespace

DisplayState& StateOf(Window& window)
{
    if (!window.display)
        window.display = std::make_shared<DisplayState>();
    return *window.display;
}

std::shared_ptr<Window> OwnedWindow(HWND handle)
{
    auto window = FindWindowRecord(handle);
    if (window && window->threadId != GetCurrentThreadId()) {
        SetLastError(ERROR_ACCESS_DENIED);
        return nullptr;
    }
    return window;
}

void EnsureDisplayModule()
{
    static std::once_flag once;
    std::call_once(once, [] {
        InstallPaintSource();
        InstallInputSource();
        RegisterMdiClientClass();
        platform::dialogs::RegisterComboBox();
        platform::dialogs::RegisterBasicControls();
        platform::dialogs::RegisterEditControl();
    });
}

void PrepareWindow(Window& window, int x, int y, int width, int height, LPCSTR title)
{
    Prepare(window, x, y, width, height, Utf8ToUtf16(title));
}

void PrepareWindow(Window& window, int x, int y, int width, int height, LPCWSTR title)
{
    Prepare(window, x, y, width, height, title ? std::u16string(title) : std::u16string());
}

LPARAM ClientSizeParam(const Window& window)
{
    RECT client = ClientRectInWindow(window);
    return MAKELPARAM(client.right - client.left, client.bottom - client.top);
}

LPARAM ClientOriginParam(const Window& window)
{
    RECT client = ClientRectInWindow(window);
    return MAKELPARAM(window.x + client.left, window.y + client.top);
}

void WindowCreated(HWND handle)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return;
    if (IsTopLevel(*window))
        AddTopLevel(handle);
    if (StateOf(*window).showWhenCreated)
        SetShown(*window, true, IsTopLevel(*window));
}

void WindowDestroying(HWND handle)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return;
    LeaveWindow(*window, true);
    if (IsWindow(handle) && MdiClientOf(*window))
        MdiChildGoing(*window);
    if (IsWindow(handle) && (window->style & WS_VISIBLE))
        SetShown(*window, false, false);
}

void WindowRemoved(Window& window)
{
    ForgetInput(window.handle);
    ForgetPaint(window.handle);
    RemoveTopLevel(window.handle);
    if (window.display && window.display->surface) {
        Display().Close(window.handle);
        window.display->surface.reset();
    }
}

}  // namespace platform::detail
