// STATIC: a label, wrapped at word boundaries and placed as its style says.
#include "basic_controls.h"
#include "control_paint.h"

#include "platform/src/menus/mnemonic.h"

#include <platform/painting.h>

namespace platform::dialogs {
namespace {

Align AlignOf(DWORD style)
{
    switch (style & SS_TYPEMASK) {
    case SS_CENTER: return Align::Centre;
    case SS_RIGHT: return Align::Right;
    }
    return Align::Left;
}

void Paint(HWND label)
{
    const DWORD style = DWORD(GetWindowLongPtrA(label, GWL_STYLE));
    std::string text = WindowTextOf(label);
    menus::Mnemonic mnemonic;
    if (!(style & SS_NOPREFIX)) {
        mnemonic = menus::MnemonicOf(text);
        text = menus::ShownTitle(text);
    }
    const COLORREF color = GetSysColor(IsWindowEnabled(label) ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT);
    PaintWindow(label, [&](cairo_t* cr, const RECT& client) {
        FillBox(cr, client, GetSysColor(COLOR_BTNFACE));
        const std::vector<std::string> lines = WrapLines(text, client.right - client.left);
        DrawLines(cr, lines, client, AlignOf(style), color, UnderlineIn(lines, text, mnemonic.at));
    });
}

}  // namespace

LRESULT CALLBACK StaticProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_GETDLGCODE: return DLGC_STATIC;
    case WM_PAINT: Paint(label); return 0;
    case WM_ERASEBKGND: return 1;
    case WM_ENABLE: InvalidateRect(label, nullptr, FALSE); return 0;
    case WM_SETTEXT: return SetTextAndRepaint(label, wParam, lParam);
    }
    return DefWindowProcW(label, message, wParam, lParam);
}

}  // namespace platform::dialogs
