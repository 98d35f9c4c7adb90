#pragma once
// The BUTTON and STATIC window classes, as far as dialogs and message boxes
// need them: push buttons that notify their parent, plain labels.
namespace platform::dialogs {

// Once per process; later calls do nothing.
void RegisterBasicControls();

}  // namespace platform::dialogs
