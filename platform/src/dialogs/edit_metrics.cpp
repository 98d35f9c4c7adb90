#include "edit_metrics.h"

#include "control_paint.h"
#include "../utf16.h"

#include <algorithm>
#include <cstdlib>

namespace platform::dialogs {

// Advances add up character by character: cairo's text drawing applies no
// kerning, so the sum is where the drawn text puts each character.
void MeasureEdit(EditState& state)
{
    const std::u16string& text = state.text.Text();
    state.offsets.assign(text.size() + 1, 0);
    MeasureInControlFont([&](cairo_t* cr) {
        double x = 0;
        for (std::size_t at = 0; at < text.size();) {
            const std::size_t next = state.text.Next(at);
            const std::u16string character = text.substr(at, next - at);
            cairo_text_extents_t extents{};
            cairo_text_extents(cr, Utf16ToUtf8(character.c_str()).c_str(), &extents);
            // The middle of a surrogate pair sits with the pair's start, so it is never the nearest.
            for (std::size_t i = at + 1; i < next; ++i) state.offsets[i] = state.offsets[at];
            x += extents.x_advance;
            state.offsets[next] = int(x + 0.5);
            at = next;
        }
    });
}

RECT EditTextArea(const RECT& client)
{
    const int inset = kEditBorder + kEditMargin;
    RECT area{client.left + inset, client.top + kEditBorder, client.right - inset, client.bottom - kEditBorder};
    if (area.right < area.left) area.right = area.left;
    return area;
}

std::size_t PositionAt(const EditState& state, const RECT& client, int x)
{
    const int wanted = x - EditTextArea(client).left + state.scroll;
    std::size_t best = 0;
    for (std::size_t i = 0; i < state.offsets.size(); ++i)
        if (std::abs(state.offsets[i] - wanted) < std::abs(state.offsets[best] - wanted)) best = i;
    return best;
}

void ScrollToCaret(EditState& state, const RECT& client)
{
    const RECT area = EditTextArea(client);
    const int width = std::max<int>(1, area.right - area.left);
    const int caret = state.offsets[state.text.Caret()];
    const int textWidth = state.offsets.back();
    if (caret < state.scroll) state.scroll = caret;
    if (caret >= state.scroll + width) state.scroll = caret - width + 1;
    // No empty room on the right while the text could fill it.
    state.scroll = std::clamp(state.scroll, 0, std::max(0, textWidth - width + 1));
}

}  // namespace platform::dialogs
