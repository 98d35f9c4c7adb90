#include "edit_metrics.h"

#include "../utf16.h"
#include "control_paint.h"

#include <algorithm>
#include <cstdlib>

namespace platform::dialogs {

void MeasureEdit(EditState& state)
{
    const std::u16string& text = state.text.Text();
    // Each character's start in the UTF-8 text the layout holds.
    std::string utf8;
    std::vector<std::size_t> starts;
    std::vector<std::size_t> boundaries;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t next = state.text.Next(at);
        boundaries.push_back(at);
        starts.push_back(utf8.size());
        utf8 += Utf16ToUtf8(text.substr(at, next - at).c_str());
        at = next;
    }
    boundaries.push_back(text.size());
    starts.push_back(utf8.size());
    const std::vector<int> xs = gdi::CaretOffsets(kControlFont, utf8, starts);
    state.offsets.assign(text.size() + 1, 0);
    for (std::size_t i = 0; i < boundaries.size(); ++i) {
        // The middle of a surrogate pair sits with the pair's start, so it is never the nearest.
        const std::size_t end = i + 1 < boundaries.size() ? boundaries[i + 1] : text.size() + 1;
        for (std::size_t unit = boundaries[i]; unit < end; ++unit)
            state.offsets[unit] = xs[i];
    }
}

RECT EditTextArea(const RECT& client)
{
    const int inset = kEditBorder + kEditMargin;
    RECT area{client.left + inset, client.top + kEditBorder, client.right - inset, client.bottom - kEditBorder};
    if (area.right < area.left)
        area.right = area.left;
    return area;
}

std::size_t PositionAt(const EditState& state, const RECT& client, int x)
{
    const int wanted = x - EditTextArea(client).left + state.scroll;
    std::size_t best = 0;
    for (std::size_t i = 0; i < state.offsets.size(); ++i)
        if (std::abs(state.offsets[i] - wanted) < std::abs(state.offsets[best] - wanted))
            best = i;
    return best;
}

void ScrollToCaret(EditState& state, const RECT& client)
{
    const RECT area = EditTextArea(client);
    const int width = std::max<int>(1, area.right - area.left);
    const int caret = state.offsets[state.text.Caret()];
    const int textWidth = state.offsets.back();
    if (caret < state.scroll)
        state.scroll = caret;
    if (caret >= state.scroll + width)
        state.scroll = caret - width + 1;
    // No empty room on the right while the text could fill it.
    state.scroll = std::clamp(state.scroll, 0, std::max(0, textWidth - width + 1));
}

}  // namespace platform::dialogs
