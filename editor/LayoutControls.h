#pragma once
// The skinned controls of an edit page made from its layout rows: the
// strips, fields, labels, switches, knobs, faders, LEDs, value bars and
// buttons, each bound to the row's parameter, with the range and drag ratio
// the program gives it. Graphs and drop areas are left to the page that
// makes them.
#include "app/CustomControl.h"
#include "editor/layout/WindowLayout.h"

#include <memory>
#include <optional>

class CBaseLayer;
class CEditLayerBase;
class CHfcBmp;
class CHfcControl;

// The range of a control's values and, for fields and knobs, the drag
// ratio.
struct ValueRange
{
    int minimum = 0;
    int maximum = 0;
    int ratio = 1;
};

// The row's control with the next control id, cutting its background
// piece from the page's background, bound and shown in the layer; the
// caller keeps it. A field, knob, fader or bar is made with the fixed
// range when one is given, else with its parameter's. Null, with nothing added, for a kind made
// elsewhere or a control that could not be made.
std::unique_ptr<CHfcControl> MakeLayoutControl(CBaseLayer& layer, const layout::Control& row, CHfcBmp* background,
                                               std::optional<ValueRange> fixedRange = std::nullopt);

// The same, kept by the edit layer.
CHfcControl* AddLayoutControl(CEditLayerBase& layer, const layout::Control& row, CHfcBmp* background);

// The row's parameter as the binding takes it.
ParameterReference ReferenceOf(const layout::Control& row);
