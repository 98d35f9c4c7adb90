#include "app/controls/EnabledLook.h"

#include "app/CustomControl.h"
#include "framework/ui/HfcControl.h"

bool ChangeEnabledState(CHfcControl& control, CCustomControl& binding, bool enabled, bool hasDim)
{
    if (binding.CCustomControl::IsEnabled() == enabled)
        return false;
    binding.CCustomControl::SetEnabled(enabled);
    if (hasDim) {
        control.SetDirty(true);
        return true;
    }
    if (enabled)
        control.Show(true);
    else
        control.Hide(true);
    return false;
}
