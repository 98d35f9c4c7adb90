#include "app/controls/WheelReport.h"

#include "framework/ui/HfcControl.h"
#include "framework/ui/HfcControlListener.h"

#include <algorithm>

void ReportWheelPosition(CHfcControl& control, int position)
{
    position = std::clamp(position, control.GetMinimum(), std::max(control.GetMinimum(), control.GetMaximum()));
    if (position != control.GetValue() && control.GetOwner() != nullptr)
        control.GetOwner()->OnControlValueChanged(&control, position);
}
