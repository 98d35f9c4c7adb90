#pragma once
// Drawing an EDIT control: border, background, text, the selection while it
// has the focus, and the caret.
#include "edit_state.h"

#include <platform/types.h>

namespace platform::dialogs {

void PaintEdit(HWND edit, const EditState& state);

}  // namespace platform::dialogs
