#pragma once
// Drawing of a combo box and of its dropped list, each in its own WM_PAINT.
#include "combo_state.h"

namespace platform::dialogs {

// The selection's text, the arrow button, a highlight while focused.
void PaintComboBox(HWND combo, const ComboState& state);
// The shown entries, the marked one highlighted, and a scroll bar when the
// entries do not all fit.
void PaintComboList(HWND list, const ComboState& state);

}  // namespace platform::dialogs
