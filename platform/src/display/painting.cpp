// Window device contexts, BeginPaint and EndPaint, invalidation calls and
// the system colours.
#include "geometry.h"
#include "paint_state.h"
#include "window_dc.h"

#include <platform/kernel.h>
#include <platform/painting.h>

#include <mutex>
#include <set>

namespace platform::detail {
namespace {

struct OpenDcs
{
    std::mutex mutex;
    std::set<WindowDc*> dcs;
};

OpenDcs& Dcs()
{
    static OpenDcs* dcs = new OpenDcs;
    return *dcs;
}

RECT ClientBounds(const Window& window)
{
    RECT client = ClientRectInWindow(window);
    return {0, 0, client.right - client.left, client.bottom - client.top};
}

}  // namespace

HDC OpenWindowDc(HWND handle, const RECT* paintArea)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return nullptr;
    auto dc = new WindowDc;
    dc->window = handle;
    dc->surface = SurfaceOf(*window);
    POINT origin = OriginInTopLevel(*window);
    RECT client = ClientRectInWindow(*window);
    dc->origin = {origin.x + client.left, origin.y + client.top};
    dc->clip = VisibleRegion(*window, true);
    RECT area = paintArea ? Intersect(*paintArea, ClientBounds(*window)) : ClientBounds(*window);
    dc->clip.Intersect(Offset(area, dc->origin.x, dc->origin.y));
    auto& dcs = Dcs();
    std::lock_guard lock(dcs.mutex);
    dcs.dcs.insert(dc);
    return reinterpret_cast<HDC>(dc);
}

void CloseWindowDc(HDC handle)
{
    WindowDc* dc = FindWindowDc(handle);
    if (!dc)
        return;
    if (dc->surface)
        dc->surface->MarkPainted(dc->clip.Bounds());
    {
        auto& dcs = Dcs();
        std::lock_guard lock(dcs.mutex);
        dcs.dcs.erase(dc);
    }
    delete dc;
}

WindowDc* FindWindowDc(HDC handle)
{
    auto* dc = reinterpret_cast<WindowDc*>(handle);
    auto& dcs = Dcs();
    std::lock_guard lock(dcs.mutex);
    return dcs.dcs.count(dc) ? dc : nullptr;
}

void FillClient(WindowDc& dc, const RECT& rect, COLORREF color)
{
    if (dc.surface)
        Fill(*dc.surface, dc.clip, Offset(rect, dc.origin.x, dc.origin.y), color);
}

}  // namespace platform::detail

using namespace platform::detail;

COLORREF GetSysColor(int index)
{
    static constexpr COLORREF kColors[] = {
        RGB(200, 200, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128), RGB(236, 233, 216),
        RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(0, 0, 0),       RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(212, 208, 200), RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255),
        RGB(212, 208, 200), RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
        RGB(255, 255, 255)};
    return index >= 0 && index < static_cast<int>(std::size(kColors)) ? kColors[index] : 0;
}

BOOL InvalidateRect(HWND handle, const RECT* rect, BOOL erase)
{
    if (!handle) {
        for (HWND top : TopLevelWindows())
            if (auto window = FindWindowRecord(top))
                ExposeWindow(*window);
        return TRUE;
    }
    auto window = FindWindowRecord(handle);
    if (!window)
        return FALSE;
    InvalidateClient(*window, rect ? *rect : ClientBounds(*window), erase != FALSE);
    return TRUE;
}

BOOL ValidateRect(HWND handle, const RECT* rect)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return FALSE;
    DisplayState& state = StateOf(*window);
    // The invalid area is kept as one rectangle: validating a part that
    // spans it on three sides shrinks it, anything less leaves it whole.
    if (!rect || (rect->left <= state.invalid.left && rect->top <= state.invalid.top &&
                  rect->right >= state.invalid.right && rect->bottom >= state.invalid.bottom)) {
        state.invalid = {0, 0, 0, 0};
        state.erase = false;
    }
    return TRUE;
}

BOOL GetUpdateRect(HWND handle, LPRECT rect, BOOL)
{
    auto window = FindWindowRecord(handle);
    if (!window)
        return FALSE;
    RECT invalid = window->display ? window->display->invalid : RECT{0, 0, 0, 0};
    if (rect)
        *rect = invalid;
    return IsEmpty(invalid) ? FALSE : TRUE;
}

BOOL UpdateWindow(HWND handle)
{
    auto window = OwnedWindow(handle);
    if (!window)
        return FALSE;
    PaintNow(*window);
    if (auto top = TopLevelOf(window); top && IsWindow(top->handle))
        PresentWindow(*top);
    return TRUE;
}

HDC BeginPaint(HWND handle, LPPAINTSTRUCT paint)
{
    auto window = OwnedWindow(handle);
    if (!window || !paint)
        return nullptr;
    DisplayState& state = StateOf(*window);
    RECT area = Intersect(state.invalid, ClientBounds(*window));
    bool erase = state.erase;
    state.invalid = {0, 0, 0, 0};
    state.erase = false;
    *paint = PAINTSTRUCT{};
    paint->rcPaint = area;
    paint->hdc = OpenWindowDc(handle, &area);
    if (erase && !IsEmpty(area))
        paint->fErase = CallWindow(handle, WM_ERASEBKGND, reinterpret_cast<WPARAM>(paint->hdc), 0) ? FALSE : TRUE;
    return paint->hdc;
}

BOOL EndPaint(HWND, const PAINTSTRUCT* paint)
{
    if (!paint)
        return FALSE;
    CloseWindowDc(paint->hdc);
    return TRUE;
}
