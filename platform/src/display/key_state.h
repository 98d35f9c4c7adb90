#pragma once
// Which keys and mouse buttons are down: as of the last input (async) and
// as of the last input message retrieved.
#include <platform/types.h>

namespace platform::detail {

// Left and right variants also count for the plain shift, control and alt keys.
void NoteAsyncKey(UINT virtualKey, bool down);
void NoteRetrievedKey(UINT virtualKey, bool down);
bool IsAsyncKeyDown(UINT virtualKey);
// The key a key message names: Shift, Ctrl and Alt without their side.
UINT MessageKey(UINT virtualKey);
// MK_ flags of the async state: buttons, shift and control.
WPARAM AsyncMouseKeys();

// TranslateMessage: WM_KEYDOWN to WM_CHAR with a US keyboard layout, or
// only to control characters where the desktop types the text.
void InstallKeyTranslator();

}  // namespace platform::detail
