#pragma once
// The popup menus that a press on a skinned field opens in place of a value
// drag, shown at the field's top-left corner.
#include "model/VpParameterTable.h"

#include <cstdint>
#include <optional>

class CHfcControl;
class CHfcWindowLayer;
class CPopupMenu;
class CVpProgramAccessor;
class CVpProgramData;

// Releases the mouse capture, shows the menu at the control of the layer
// and answers the chosen item index, or -1 when nothing was chosen.
int TrackPopupAtControl(CPopupMenu& menu, CHfcWindowLayer& layer, CHfcControl& control);

// Every value the parameter can take, minimum to maximum, by the
// accessor's value text, the current one checked; the chosen value, or none.
std::optional<std::int32_t> ChooseParameterValue(CHfcWindowLayer& layer, CHfcControl& control,
                                                 const CVpProgramAccessor& accessor, const CVpProgramData* program,
                                                 const ParameterAddress& address);
