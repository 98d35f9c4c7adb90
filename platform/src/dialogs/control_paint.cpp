#include "control_paint.h"

#include "platform/src/utf16.h"

#include <platform/painting.h>

namespace platform::dialogs {

void FillBox(cairo_t* cr, const RECT& box, COLORREF color)
{
    if (box.right <= box.left || box.bottom <= box.top) return;
    SetColor(cr, color);
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    cairo_fill(cr);
}

namespace {

// Top and left in one colour, bottom and right in another.
void Edges(cairo_t* cr, const RECT& box, COLORREF topLeft, COLORREF bottomRight)
{
    FillBox(cr, {box.left, box.top, box.right - 1, box.top + 1}, topLeft);
    FillBox(cr, {box.left, box.top, box.left + 1, box.bottom - 1}, topLeft);
    FillBox(cr, {box.left, box.bottom - 1, box.right, box.bottom}, bottomRight);
    FillBox(cr, {box.right - 1, box.top, box.right, box.bottom}, bottomRight);
}

}  // namespace

void OutlineBox(cairo_t* cr, const RECT& box, COLORREF color) { Edges(cr, box, color, color); }

void DrawBevel(cairo_t* cr, const RECT& box, bool raised)
{
    const COLORREF light = GetSysColor(COLOR_BTNHIGHLIGHT), shadow = GetSysColor(COLOR_BTNSHADOW);
    const COLORREF dark = GetSysColor(COLOR_WINDOWFRAME), face = GetSysColor(COLOR_BTNFACE);
    const RECT inner{box.left + 1, box.top + 1, box.right - 1, box.bottom - 1};
    if (raised) {
        Edges(cr, box, light, dark);
        Edges(cr, inner, face, shadow);
    } else {
        Edges(cr, box, shadow, light);
        Edges(cr, inner, dark, face);
    }
}

void DrawFocusBox(cairo_t* cr, const RECT& box)
{
    if (box.right - box.left < 2 || box.bottom - box.top < 2) return;
    cairo_save(cr);
    SetColor(cr, GetSysColor(COLOR_WINDOWTEXT));
    cairo_set_line_width(cr, 1);
    const double dash[] = {1.0};
    cairo_set_dash(cr, dash, 1, 0);
    cairo_rectangle(cr, box.left + 0.5, box.top + 0.5, box.right - box.left - 1, box.bottom - box.top - 1);
    cairo_stroke(cr);
    cairo_restore(cr);
}

LRESULT SetTextAndRepaint(HWND window, WPARAM wParam, LPARAM lParam)
{
    const LRESULT done = DefWindowProcW(window, WM_SETTEXT, wParam, lParam);
    InvalidateRect(window, nullptr, FALSE);
    return done;
}

std::string WindowTextOf(HWND window)
{
    const int length = GetWindowTextLengthW(window);
    std::u16string text(std::size_t(length) + 1, u'\0');
    GetWindowTextW(window, text.data(), length + 1);
    return Utf16ToUtf8(text.c_str());
}

int TextWidth(const std::string& utf8) { return gdi::TextWidth(kControlFont, utf8); }

int LineHeight()
{
    static const int height = int(gdi::MetricsOf(kControlFont).height + 0.5);
    return height;
}

std::vector<std::string> WrapLines(const std::string& utf8, int width) { return gdi::WrapText(kControlFont, utf8, width); }

namespace {

double LineLeft(const std::string& text, const RECT& box, Align align)
{
    if (align == Align::Left) return box.left;
    const int free = (box.right - box.left) - TextWidth(text);
    return align == Align::Centre ? box.left + free / 2 : box.left + free;
}

}  // namespace

void DrawLines(cairo_t* cr, const std::vector<std::string>& lines, const RECT& box, Align align, COLORREF color)
{
    cairo_save(cr);
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    cairo_clip(cr);
    SetColor(cr, color);
    double baseline = box.top + gdi::MetricsOf(kControlFont).ascent;
    for (const std::string& line : lines) {
        gdi::ShowText(cr, kControlFont, LineLeft(line, box, align), baseline, line);
        baseline += LineHeight();
    }
    cairo_restore(cr);
}

void DrawLine(cairo_t* cr, const std::string& text, const RECT& box, Align align, COLORREF color)
{
    const int top = box.top + ((box.bottom - box.top) - LineHeight()) / 2;
    DrawLines(cr, {text}, {box.left, top, box.right, box.bottom}, align, color);
}

}  // namespace platform::dialogs
