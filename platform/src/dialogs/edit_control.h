#pragma once
// The EDIT window class: one line of text with a caret, a selection made by
// mouse or keys, the clipboard keys and a length limit for what users enter.
namespace platform::dialogs {

// Once per process; later calls do nothing.
void RegisterEditControl();

}  // namespace platform::dialogs
