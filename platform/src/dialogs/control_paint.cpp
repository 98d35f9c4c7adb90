#include "control_paint.h"

#include "dialog_template.h"
#include "platform/src/menus/mnemonic.h"

#include "platform/src/utf16.h"

#include <platform/painting.h>

namespace platform::dialogs {

void FillBox(cairo_t* cr, const RECT& box, COLORREF color)
{
    if (box.right <= box.left || box.bottom <= box.top)
        return;
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

void OutlineBox(cairo_t* cr, const RECT& box, COLORREF color)
{
    Edges(cr, box, color, color);
}

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
    if (box.right - box.left < 2 || box.bottom - box.top < 2)
        return;
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

int TextWidth(const std::string& utf8)
{
    return gdi::TextWidth(kControlFont, utf8);
}

int ShownTextUnits(const char* utf8)
{
    return PixelsToDialogUnitsX(TextWidth(menus::ShownTitle(utf8)));
}

int LineHeight()
{
    static const int height = int(gdi::MetricsOf(kControlFont).height + 0.5);
    return height;
}

std::vector<std::string> WrapLines(const std::string& utf8, int width)
{
    return gdi::WrapText(kControlFont, utf8, width);
}

namespace {

double LineLeft(const std::string& text, const RECT& box, Align align)
{
    if (align == Align::Left)
        return box.left;
    const int free = (box.right - box.left) - TextWidth(text);
    return align == Align::Centre ? box.left + free / 2 : box.left + free;
}

}  // namespace

Underline UnderlineIn(const std::vector<std::string>& lines, const std::string& text, std::size_t at)
{
    std::size_t from = 0;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const std::size_t start = text.find(lines[i], from);
        if (start == std::string::npos)
            break;
        from = start + lines[i].size();
        if (at >= start && at < from)
            return {int(i), at - start};
    }
    return {};
}

namespace {

// A one-pixel line under the character at the byte offset of a line drawn from x.
void UnderlineCharacter(cairo_t* cr, const std::string& line, std::size_t at, double x, double baseline)
{
    std::size_t end = at + 1;
    while (end < line.size() && (static_cast<unsigned char>(line[end]) & 0xC0) == 0x80)
        ++end;
    const std::vector<int> xs = gdi::CaretOffsets(kControlFont, line, {at, end});
    cairo_rectangle(cr, x + xs[0], baseline + 1, xs[1] - xs[0], 1);
    cairo_fill(cr);
}

}  // namespace

void DrawLines(cairo_t* cr, const std::vector<std::string>& lines, const RECT& box, Align align, COLORREF color,
               Underline underline)
{
    cairo_save(cr);
    cairo_rectangle(cr, box.left, box.top, box.right - box.left, box.bottom - box.top);
    cairo_clip(cr);
    SetColor(cr, color);
    double baseline = box.top + gdi::MetricsOf(kControlFont).ascent;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const double left = LineLeft(lines[i], box, align);
        gdi::ShowText(cr, kControlFont, left, baseline, lines[i]);
        if (int(i) == underline.line && underline.at < lines[i].size())
            UnderlineCharacter(cr, lines[i], underline.at, left, baseline);
        baseline += LineHeight();
    }
    cairo_restore(cr);
}

void DrawLine(cairo_t* cr, const std::string& text, const RECT& box, Align align, COLORREF color, std::size_t underline)
{
    const int top = box.top + ((box.bottom - box.top) - LineHeight()) / 2;
    DrawLines(cr, {text}, {box.left, top, box.right, box.bottom}, align, color,
              underline == std::string::npos ? Underline{} : Underline{0, underline});
}

}  // namespace platform::dialogs
