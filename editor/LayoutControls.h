#pragma once
// The skinned controls of an edit page made from its layout rows: the
// strips, fields, switches, knobs, LEDs and buttons, each bound to the
// row's parameter, with the range and drag ratio the program gives it, and
// kept by the layer. Graphs are left to the page that draws them.
#include "app/CustomControl.h"
#include "editor/layout/WindowLayout.h"

class CEditLayerBase;
class CHfcBmp;
class CHfcControl;

// The row's control with the next control id, cutting its background
// piece from the page's background; null, with nothing added, for a kind
// made elsewhere or a control that could not be made.
CHfcControl* AddLayoutControl(CEditLayerBase& layer, const layout::Control& row, CHfcBmp* background);

// The row's parameter as the binding takes it.
ParameterReference ReferenceOf(const layout::Control& row);
