#pragma once
// Where the wheel moved a skinned control: the owner hears of the position
// the way a drag reports one, and the layer sets the accepted value back.
class CHfcControl;

// Clamped to the control's range, reported when it differs from the
// control's current position.
void ReportWheelPosition(CHfcControl& control, int position);
