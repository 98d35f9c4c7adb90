#pragma once
// The steps that follow a skinned control's Create in every editor layer's
// layout: the control is bound to its parameter (with the layer's timbre
// in place of the layout's when the layer has one), added to the layer and
// to the layer's bindings, shown without a repaint, and given the layer as
// its owner last, so that it reports nothing before it is complete. The
// layer's running control counter gave Create the id, which must be the
// binding's position in the layer's list: the layer finds a reporting
// control's binding by it.
#include "app/CustomControl.h"

class CBaseLayer;
class CHfcControl;

// False, with nothing attached, for a control whose id is not the next
// position in the layer's bindings.
bool AttachBoundControl(CBaseLayer& layer, CHfcControl& control, CCustomControl& binding, ParameterReference reference);

// For a skinned control, which is both.
template <class Control>
bool AttachBoundControl(CBaseLayer& layer, Control& control, const ParameterReference& reference)
{
    return AttachBoundControl(layer, static_cast<CHfcControl&>(control), static_cast<CCustomControl&>(control),
                              reference);
}
