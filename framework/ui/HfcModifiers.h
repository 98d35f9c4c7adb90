#pragma once
// The modifier mask of every mouse, drag and key-focus event.
#include <platform/types.h>

inline constexpr int kHfcModifierShift = 1;
inline constexpr int kHfcModifierCtrl = 2;
inline constexpr int kHfcModifierAlt = 4;

// Shift and Ctrl from the MK_ bits of a mouse message, Alt from the
// keyboard as it is now.
int HfcMouseModifiers(WPARAM keys);
// Shift, Ctrl and Alt from the keyboard as it is now.
int HfcKeyboardModifiers();
