#pragma once
// Where an EDIT control's text lies: the caret offsets, the text area inside
// the border, the position under a point, scrolling that keeps the caret seen.
#include "edit_state.h"

#include <platform/types.h>

namespace platform::dialogs {

// The sunken border and the room between it and the text, in pixels.
inline constexpr int kEditBorder = 2;
inline constexpr int kEditMargin = 2;

// Recomputes state.offsets for the current text.
void MeasureEdit(EditState& state);
// The client area less the border and margins.
RECT EditTextArea(const RECT& client);
// The caret position nearest to a client x coordinate.
std::size_t PositionAt(const EditState& state, const RECT& client, int x);
// Scrolls so that the caret is inside the text area.
void ScrollToCaret(EditState& state, const RECT& client);

}  // namespace platform::dialogs
