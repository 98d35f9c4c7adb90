#pragma once
// The dropped list of a combo box: a topmost popup below the box (above it
// when there is more room there) that only draws. The box keeps the focus
// and the mouse capture while the list is open and handles all input.
#include "combo_state.h"

namespace platform::dialogs {

void OpenComboList(HWND combo, ComboState& state);
// Closes the list; with `pick` the marked entry becomes the selection.
// Answers the entry picked, or -1.
int CloseComboList(HWND combo, ComboState& state, bool pick);
// A point of the box's client area in the list's client coordinates.
POINT ComboPointInList(HWND combo, const ComboState& state, LPARAM clientPoint);

}  // namespace platform::dialogs
