// The active window, the keyboard focus and the mouse capture. One of each
// for the process; messages are sent outside the lock.
#include "activation.h"

#include "backend.h"
#include "geometry.h"
#include "paint_state.h"

#include <platform/input.h>
#include <platform/kernel.h>

#include <mutex>

namespace platform::detail {
namespace {

struct Holders
{
    std::mutex mutex;
    HWND focus = nullptr;
    // Recorded as the focus but not yet told so with WM_SETFOCUS.
    HWND focusAnnounced = nullptr;
    HWND capture = nullptr;
    HWND active = nullptr;
};

Holders& Current()
{
    static Holders* holders = new Holders;
    return *holders;
}

HWND Exchange(HWND Holders::*field, HWND value)
{
    auto& holders = Current();
    std::lock_guard lock(holders.mutex);
    HWND previous = holders.*field;
    holders.*field = value;
    return previous;
}

HWND Read(HWND Holders::*field)
{
    auto& holders = Current();
    std::lock_guard lock(holders.mutex);
    return holders.*field;
}

// The next visible top-level window below the given one, for activation.
HWND NextTopLevel(HWND leaving)
{
    auto order = TopLevelWindows();
    for (auto it = order.rbegin(); it != order.rend(); ++it) {
        if (*it == leaving)
            continue;
        auto window = FindWindowRecord(*it);
        if (window && IsShown(*window) && !(window->style & WS_DISABLED))
            return *it;
    }
    return nullptr;
}

}  // namespace

bool IsSameOrInside(HWND ancestor, HWND handle)
{
    while (handle) {
        if (handle == ancestor)
            return true;
        auto window = FindWindowRecord(handle);
        if (!window || IsTopLevel(*window))
            return false;
        handle = window->parent;
    }
    return false;
}

HWND CurrentFocus()
{
    return Read(&Holders::focus);
}
HWND CurrentCapture()
{
    return Read(&Holders::capture);
}
HWND CurrentActive()
{
    return Read(&Holders::active);
}

HWND ActivateTopLevel(HWND handle)
{
    HWND previous = Read(&Holders::active);
    if (handle == previous)
        return previous;
    Exchange(&Holders::active, handle);
    if (previous && IsWindow(previous)) {
        CallWindow(previous, WM_NCACTIVATE, FALSE, 0);
        CallWindow(previous, WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(handle));
    }
    if (!handle) {
        if (HWND focus = CurrentFocus(); focus && IsSameOrInside(previous, focus))
            SetFocus(nullptr);
        return previous;
    }
    if (auto window = FindWindowRecord(handle)) {
        Raise(*window);
        if (IsShown(*window))
            ExposeWindow(*window);
    }
    CallWindow(handle, WM_NCACTIVATE, TRUE, 0);
    CallWindow(handle, WM_ACTIVATE, WA_ACTIVE, reinterpret_cast<LPARAM>(previous));
    return previous;
}

void DeactivateForDesktop()
{
    ReleaseCapture();
    ActivateTopLevel(nullptr);
}

void LeaveWindow(Window& window, bool destroying)
{
    HWND handle = window.handle;
    if (HWND capture = CurrentCapture(); capture && IsSameOrInside(handle, capture))
        ReleaseCapture();
    if (HWND focus = CurrentFocus(); focus && IsSameOrInside(handle, focus)) {
        if (destroying || !window.parent || IsTopLevel(window))
            SetFocus(nullptr);
        else
            SetFocus(window.parent);
    }
    if (CurrentActive() == handle)
        ActivateTopLevel(NextTopLevel(handle));
}

}  // namespace platform::detail

using namespace platform::detail;

HWND SetFocus(HWND handle)
{
    if (handle && !IsWindow(handle))
        return nullptr;
    HWND previous = CurrentFocus();
    if (handle == previous)
        return previous;
    if (handle) {
        auto top = TopLevelOf(FindWindowRecord(handle));
        if (top && top->handle != CurrentActive()) {
            ActivateTopLevel(top->handle);
            // Activation may have focused the window already.
            previous = CurrentFocus();
            if (previous == handle)
                return previous;
        }
    }
    // The new holder is recorded before the old one hears of the loss, so
    // that GetFocus inside WM_KILLFOCUS answers it, and a loser that
    // destroys itself there cannot take the focus away from it.
    Exchange(&Holders::focus, handle);
    HWND pending = Exchange(&Holders::focusAnnounced, handle);
    if (previous && previous != pending && IsWindow(previous)) {
        CallWindow(previous, WM_KILLFOCUS, reinterpret_cast<WPARAM>(handle), 0);
        // The loser moved the focus on itself; that change has told the windows.
        if (CurrentFocus() != handle || Read(&Holders::focusAnnounced) != handle)
            return previous;
    }
    Exchange(&Holders::focusAnnounced, nullptr);
    if (handle && IsWindow(handle))
        CallWindow(handle, WM_SETFOCUS, reinterpret_cast<WPARAM>(previous), 0);
    return previous;
}

HWND GetFocus()
{
    return CurrentFocus();
}

HWND SetCapture(HWND handle)
{
    if (handle && !IsWindow(handle))
        return nullptr;
    HWND previous = Exchange(&Holders::capture, handle);
    if (previous && previous != handle && IsWindow(previous))
        CallWindow(previous, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(handle));
    Display().CaptureMouse(handle != nullptr);
    return previous;
}

BOOL ReleaseCapture()
{
    HWND previous = Exchange(&Holders::capture, nullptr);
    if (previous) {
        Display().CaptureMouse(false);
        if (IsWindow(previous))
            CallWindow(previous, WM_CAPTURECHANGED, 0, 0);
    }
    return TRUE;
}

HWND GetCapture()
{
    return CurrentCapture();
}

HWND SetActiveWindow(HWND handle)
{
    if (handle) {
        auto top = TopLevelOf(FindWindowRecord(handle));
        if (!top)
            return nullptr;
        handle = top->handle;
    }
    return ActivateTopLevel(handle);
}

HWND GetActiveWindow()
{
    return CurrentActive();
}

BOOL SetForegroundWindow(HWND handle)
{
    if (!IsWindow(handle))
        return FALSE;
    SetActiveWindow(handle);
    return TRUE;
}

HWND GetForegroundWindow()
{
    return CurrentActive();
}
