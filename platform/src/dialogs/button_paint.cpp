// How each kind of BUTTON looks.
#include "basic_controls.h"
#include "control_paint.h"

#include "platform/src/menus/mnemonic.h"

#include <platform/painting.h>

namespace platform::dialogs {
namespace {

constexpr int kCheckSize = 13;
constexpr int kCheckGap = 4;

COLORREF TextColor(const ButtonLook& look)
{
    return GetSysColor(look.enabled ? COLOR_BTNTEXT : COLOR_GRAYTEXT);
}

// The text is shown without its marks; `underline` is its mnemonic's byte offset.
void PaintPush(cairo_t* cr, RECT box, const std::string& text, std::size_t underline, const ButtonLook& look)
{
    if (look.marked) {
        OutlineBox(cr, box, GetSysColor(COLOR_WINDOWFRAME));
        box = {box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    }
    if (look.pushed) {
        OutlineBox(cr, box, GetSysColor(COLOR_BTNSHADOW));
    } else {
        DrawBevel(cr, box, true);
    }
    const int shift = look.pushed ? 1 : 0;
    DrawLine(cr, text, {box.left + 2 + shift, box.top + 2 + shift, box.right - 2 + shift, box.bottom - 2 + shift},
             Align::Centre, TextColor(look), underline);
    if (look.focused)
        DrawFocusBox(cr, {box.left + 3, box.top + 3, box.right - 3, box.bottom - 3});
}

void PaintCheckBox(cairo_t* cr, const RECT& client, const std::string& text, std::size_t underline,
                   const ButtonLook& look)
{
    const int top = (client.top + client.bottom - kCheckSize) / 2;
    const RECT box{client.left, top, client.left + kCheckSize, top + kCheckSize};
    DrawBevel(cr, box, false);
    const bool plain = look.pushed || !look.enabled;
    FillBox(cr, {box.left + 2, box.top + 2, box.right - 2, box.bottom - 2},
            GetSysColor(plain ? COLOR_BTNFACE : COLOR_WINDOW));
    if (look.checked) {
        SetColor(cr, TextColor(look));
        cairo_set_line_width(cr, 2);
        cairo_move_to(cr, box.left + 3.5, box.top + 6.5);
        cairo_line_to(cr, box.left + 5.5, box.top + 9);
        cairo_line_to(cr, box.left + 9.5, box.top + 3.5);
        cairo_stroke(cr);
    }
    const int textLeft = box.right + kCheckGap;
    const int textWidth = std::min<int>(TextWidth(text), client.right - textLeft - 2);
    const RECT label{textLeft, client.top, textLeft + textWidth + 2, client.bottom};
    DrawLine(cr, text, {label.left + 1, label.top, label.right, label.bottom}, Align::Left, TextColor(look), underline);
    if (look.focused) {
        const int lineTop = (client.top + client.bottom - LineHeight()) / 2;
        DrawFocusBox(cr, {label.left - 1, lineTop - 1, label.right + 1, lineTop + LineHeight() + 1});
    }
}

// An etched frame whose top runs through the middle of the caption.
void PaintGroupBox(cairo_t* cr, const RECT& client, const std::string& text, const ButtonLook& look)
{
    const int top = client.top + LineHeight() / 2;
    const RECT frame{client.left, top, client.right - 1, client.bottom - 1};
    OutlineBox(cr, {frame.left + 1, frame.top + 1, frame.right + 1, frame.bottom + 1}, GetSysColor(COLOR_BTNHIGHLIGHT));
    OutlineBox(cr, frame, GetSysColor(COLOR_BTNSHADOW));
    if (text.empty())
        return;
    const int width = std::min<int>(TextWidth(text) + 4, client.right - client.left - 16);
    const RECT caption{client.left + 8, client.top, client.left + 8 + width, client.top + LineHeight()};
    FillBox(cr, caption, GetSysColor(COLOR_BTNFACE));
    DrawLines(cr, {text}, {caption.left + 2, caption.top, caption.right, caption.bottom}, Align::Left,
              GetSysColor(look.enabled ? COLOR_WINDOWTEXT : COLOR_GRAYTEXT));
}

}  // namespace

void PaintButton(HWND button, const ButtonLook& look)
{
    const DWORD type = DWORD(GetWindowLongPtrA(button, GWL_STYLE)) & BS_TYPEMASK;
    const std::string marked = WindowTextOf(button);
    const std::string text = menus::ShownTitle(marked);
    const std::size_t underline = menus::MnemonicOf(marked).at;
    PaintWindow(button, [&](cairo_t* cr, const RECT& client) {
        FillBox(cr, client, GetSysColor(COLOR_BTNFACE));
        switch (type) {
        case BS_AUTOCHECKBOX: PaintCheckBox(cr, client, text, underline, look); break;
        case BS_GROUPBOX: PaintGroupBox(cr, client, text, look); break;
        default: PaintPush(cr, client, text, underline, look); break;
        }
    });
}

}  // namespace platform::dialogs
