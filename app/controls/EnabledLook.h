#pragma once
// How a skinned bitmap control shows its enabled state: with a dim bitmap
// it swaps that in while disabled; without one it hides while disabled
// and shows again when enabled.
class CCustomControl;
class CHfcControl;

// Stores the state in the binding and hides or shows a control without a
// dim bitmap. True when the state changed and the control has a dim
// bitmap: the caller then swaps its bitmap.
bool ChangeEnabledState(CHfcControl& control, CCustomControl& binding, bool enabled, bool hasDim);
