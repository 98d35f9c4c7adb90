#pragma once
// The framework's effect codes (0 none, 1 move, 2 copy, 3 link) and the
// platform's drop-effect bits.
#include <platform/ole.h>

// Any other code is no effect.
DWORD HfcDropEffectFromCode(int code);
// Only a single move, copy or link bit has a code; anything else is none.
int HfcCodeFromDropEffect(DWORD effect);
