#include "frame.h"

#include "../menus/menu_bar.h"
#include "caption_buttons.h"
#include "caption_text.h"
#include "geometry.h"
#include "paint_state.h"
#include "scroll_bars.h"

#include <platform/painting.h>

#include <utility>

namespace platform::detail {
namespace {

inline constexpr LONG kCornerGrip = 12;

// The sizing code for a point on the border.
LRESULT BorderHit(const Window& window, POINT p)
{
    bool left = p.x < kCornerGrip, right = p.x >= window.width - kCornerGrip;
    bool top = p.y < kCornerGrip, bottom = p.y >= window.height - kCornerGrip;
    if (top)
        return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
    if (bottom)
        return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
    return left ? HTLEFT : HTRIGHT;
}

}  // namespace

FrameLayout LayoutOf(const Window& window)
{
    FrameLayout layout;
    FrameParts parts = FramePartsOf(window);
    layout.border = parts.border;
    layout.client = ClientRectInWindow(window);
    LONG inner = window.width - parts.border;
    if (parts.caption) {
        layout.caption = {parts.border, parts.border, inner, parts.border + parts.caption};
        LONG size = parts.caption - 4;
        LONG right = inner - 2;
        auto button = [&](RECT& slot) {
            slot = {right - size, layout.caption.top + 2, right, layout.caption.top + 2 + size};
            right -= size + 2;
        };
        if (window.style & WS_SYSMENU)
            button(layout.close);
        if (window.style & (WS_MAXIMIZEBOX | WS_MINIMIZEBOX)) {
            button(layout.maximize);
            button(layout.minimize);
            if (!(window.style & WS_MAXIMIZEBOX))
                layout.maximize = {0, 0, 0, 0};
            if (!(window.style & WS_MINIMIZEBOX))
                layout.minimize = {0, 0, 0, 0};
        }
    }
    if (parts.menu) {
        LONG top = parts.border + parts.caption;
        layout.menu = {parts.border, top, inner, top + parts.menu};
    }
    const RECT& client = layout.client;
    LONG right = client.right + kScrollBarSize, bottom = client.bottom + kScrollBarSize;
    bool across = ShowsScrollBar(window, false), down = ShowsScrollBar(window, true);
    if (down)
        layout.vscroll = {client.right, client.top, right, client.bottom};
    if (across)
        layout.hscroll = {client.left, client.bottom, client.right, bottom};
    if (across && down)
        layout.corner = {client.right, client.bottom, right, bottom};
    return layout;
}

LRESULT HitTest(const Window& window, POINT p)
{
    if (!Contains(RECT{0, 0, window.width, window.height}, p))
        return HTNOWHERE;
    FrameLayout layout = LayoutOf(window);
    if (Contains(layout.client, p))
        return HTCLIENT;
    if (Contains(layout.vscroll, p))
        return HTVSCROLL;
    if (Contains(layout.hscroll, p))
        return HTHSCROLL;
    if (Contains(layout.close, p))
        return HTCLOSE;
    if (Contains(layout.maximize, p))
        return HTMAXBUTTON;
    if (Contains(layout.minimize, p))
        return HTMINBUTTON;
    if (Contains(layout.caption, p))
        return HTCAPTION;
    if (Contains(layout.menu, p))
        return HTMENU;
    bool onBorder = p.x < layout.border || p.y < layout.border || p.x >= window.width - layout.border ||
                    p.y >= window.height - layout.border;
    if (onBorder)
        return (window.style & WS_THICKFRAME) ? BorderHit(window, p) : HTBORDER;
    return HTBORDER;  // the client edge
}

void DrawFrame(Window& window)
{
    auto surface = SurfaceOf(window);
    if (!surface)
        return;
    Region clip = VisibleRegion(window, false);
    POINT origin = OriginInTopLevel(window);
    FrameLayout layout = LayoutOf(window);
    clip.Subtract(Offset(layout.client, origin.x, origin.y));
    auto fill = [&](const RECT& rect, int colorIndex) {
        Fill(*surface, clip, Offset(rect, origin.x, origin.y), GetSysColor(colorIndex));
    };
    bool active = StateOf(window).captionActive;
    fill({0, 0, window.width, window.height}, active ? COLOR_ACTIVEBORDER : COLOR_INACTIVEBORDER);
    // The edge sits around the client area and its scroll bars.
    RECT edge = Union(Union(layout.client, layout.hscroll), layout.vscroll);
    FrameParts parts = FramePartsOf(window);
    fill({edge.left - parts.edge, edge.top - parts.edge, edge.right + parts.edge, edge.bottom + parts.edge},
         COLOR_BTNSHADOW);
    fill(layout.caption, active ? COLOR_ACTIVECAPTION : COLOR_INACTIVECAPTION);
    RECT title = layout.caption;
    for (const RECT& button : {layout.close, layout.maximize, layout.minimize})
        if (!IsEmpty(button))
            title.right = std::min(title.right, button.left - 2);
    DrawCaptionText(*surface, clip, Offset(title, origin.x, origin.y), StateOf(window).text,
                    GetSysColor(active ? COLOR_CAPTIONTEXT : COLOR_INACTIVECAPTIONTEXT));
    fill(layout.menu, COLOR_MENU);
    platform::menus::DrawMenuBarTitles(*surface, clip, Offset(layout.menu, origin.x, origin.y), window.handle);
    const ScrollBarState* bars = StateOf(window).scrollBars;
    for (bool vertical : {false, true}) {
        const RECT& bar = vertical ? layout.vscroll : layout.hscroll;
        if (IsEmpty(bar))
            continue;
        DrawScrollBar(*surface, clip, Offset(bar, origin.x, origin.y), vertical, bars[vertical ? 1 : 0]);
    }
    fill(layout.corner, COLOR_BTNFACE);
    // The button that would undo the window's minimised or maximised state restores it.
    const bool iconic = StateOf(window).minimized;
    const bool zoomed = StateOf(window).maximized && !iconic;
    const std::pair<RECT, CaptionGlyph> buttons[] = {
        {layout.close, CaptionGlyph::Close},
        {layout.maximize, zoomed ? CaptionGlyph::Restore : CaptionGlyph::Maximize},
        {layout.minimize, iconic ? CaptionGlyph::Restore : CaptionGlyph::Minimize}};
    for (const auto& [button, glyph] : buttons)
        if (!IsEmpty(button))
            DrawCaptionButton(*surface, clip, Offset(button, origin.x, origin.y), glyph);
}

}  // namespace platform::detail
