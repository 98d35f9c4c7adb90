#pragma once
// How a control tells its parent what the user did.
#include <platform/types.h>

namespace platform::dialogs {

// WM_COMMAND to the parent with the control's id and the code; nothing
// without a parent.
void NotifyParent(HWND control, WORD code);

}  // namespace platform::dialogs
