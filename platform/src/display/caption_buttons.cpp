#include "caption_buttons.h"

#include <platform/painting.h>

namespace platform::detail {
namespace {

// Small enough for a tool window's caption buttons.
constexpr LONG kGlyphWidth = 8;
constexpr LONG kGlyphHeight = 7;

// A window's outline with a thick top edge for its title bar.
void WindowShape(Surface& surface, const Region& clip, const RECT& r, COLORREF ink)
{
    Fill(surface, clip, {r.left, r.top, r.right, r.top + 2}, ink);
    Fill(surface, clip, {r.left, r.top + 2, r.left + 1, r.bottom}, ink);
    Fill(surface, clip, {r.right - 1, r.top + 2, r.right, r.bottom}, ink);
    Fill(surface, clip, {r.left, r.bottom - 1, r.right, r.bottom}, ink);
}

}  // namespace

void DrawCaptionButton(Surface& surface, const Region& clip, const RECT& button, CaptionGlyph glyph)
{
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    const COLORREF ink = GetSysColor(COLOR_BTNTEXT);
    Fill(surface, clip, button, face);
    const LONG left = button.left + (button.right - button.left - kGlyphWidth) / 2;
    const LONG top = button.top + (button.bottom - button.top - kGlyphHeight) / 2;
    const LONG right = left + kGlyphWidth, bottom = top + kGlyphHeight;
    switch (glyph) {
    case CaptionGlyph::Close:  // two strokes two pixels wide
        for (LONG row = 0; row < kGlyphHeight; ++row) {
            Fill(surface, clip, {left + row, top + row, left + row + 2, top + row + 1}, ink);
            Fill(surface, clip, {right - row - 2, top + row, right - row, top + row + 1}, ink);
        }
        break;
    case CaptionGlyph::Maximize: WindowShape(surface, clip, {left, top, right, bottom}, ink); break;
    case CaptionGlyph::Minimize: Fill(surface, clip, {left, bottom - 2, right, bottom}, ink); break;
    case CaptionGlyph::Restore:  // the front window hides the back one's lower left
        WindowShape(surface, clip, {left + 2, top, right, bottom - 2}, ink);
        Fill(surface, clip, {left, top + 2, right - 2, bottom}, face);
        WindowShape(surface, clip, {left, top + 2, right - 2, bottom}, ink);
        break;
    }
}

}  // namespace platform::detail
