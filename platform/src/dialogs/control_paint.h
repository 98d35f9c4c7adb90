#pragma once
// What the standard controls share to draw themselves with cairo: a paint
// pass over the window's framebuffer, the colours of the 3-D look, the font
// and texts cut to lines.
#include "platform/src/gdi/text_layout.h"
#include "platform/src/gdi/window_paint.h"

#include <platform/types.h>

#include <cairo.h>

#include <string>
#include <vector>

namespace platform::dialogs {

using gdi::PaintWindow;
using gdi::SetColor;

void FillBox(cairo_t* cr, const RECT& box, COLORREF color);
// A one-pixel line along each side of the box, inside it.
void OutlineBox(cairo_t* cr, const RECT& box, COLORREF color);
// Two-pixel bevel inside the box: raised for buttons, sunken for fields.
void DrawBevel(cairo_t* cr, const RECT& box, bool raised);
// The dotted rectangle that shows the keyboard focus.
void DrawFocusBox(cairo_t* cr, const RECT& box);

// WM_SETTEXT for a control that shows its text: stores it, then repaints.
LRESULT SetTextAndRepaint(HWND window, WPARAM wParam, LPARAM lParam);

// The window text in UTF-8.
std::string WindowTextOf(HWND window);

inline constexpr const gdi::Font& kControlFont = gdi::kUiFont;

int TextWidth(const std::string& utf8);
// Dialog units across a control's text as shown, its "&" marks dropped.
int ShownTextUnits(const char* utf8);
// The height of one line of the dialog font.
int LineHeight();
// The text cut at its line breaks and wrapped between words to the width.
std::vector<std::string> WrapLines(const std::string& utf8, int width);

// A character to underline: its line and its byte offset in that line.
struct Underline
{
    int line = -1;  // none
    std::size_t at = 0;
};
// Where the byte at `at` of `text` falls once the text is cut to `lines`
// (which drops spaces and breaks between lines).
Underline UnderlineIn(const std::vector<std::string>& lines, const std::string& text, std::size_t at);

enum class Align
{
    Left,
    Centre,
    Right
};
// Lines of the dialog font from the top of the box, each placed across the
// box as asked.
void DrawLines(cairo_t* cr, const std::vector<std::string>& lines, const RECT& box, Align align, COLORREF color,
               Underline underline = {});
// One line centred down the box; `underline` is a byte offset in it.
void DrawLine(cairo_t* cr, const std::string& text, const RECT& box, Align align, COLORREF color,
              std::size_t underline = std::string::npos);

}  // namespace platform::dialogs
