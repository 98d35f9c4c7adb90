#include "app/ControlBinding.h"

#include "app/BaseLayer.h"
#include "framework/ui/HfcControl.h"

bool AttachBoundControl(CBaseLayer& layer, CHfcControl& control, CCustomControl& binding, ParameterReference reference)
{
    if (control.GetId() != static_cast<std::uint32_t>(layer.GetBoundControlCount()))
        return false;
    if (layer.GetTimbreOverride() != -1)
        reference.address.timbre = static_cast<std::uint32_t>(layer.GetTimbreOverride());
    binding.SetParameter(reference);
    layer.AddControl(&control, false);
    layer.AddBoundControl(&binding);
    control.Show(false);
    control.SetOwner(&layer);
    return true;
}
