#pragma once
// How a knob turns mouse movement into values, as the user's preferences
// choose it. The application sets it at start-up and whenever the
// preferences change; every knob reads it when it is pressed.
inline constexpr int kHfcKnobModeCircular = 0;  // the pointer's angle about the knob
inline constexpr int kHfcKnobModeRelative = 1;  // the rotation from the press point
inline constexpr int kHfcKnobModeVertical = 2;  // the pointer's vertical movement

// Vertical until set.
int HfcGetKnobMode();
// Clamped to the three modes.
void HfcSetKnobMode(int mode);
