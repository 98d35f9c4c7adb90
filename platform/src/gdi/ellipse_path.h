#pragma once
// Pies and arcs of an ellipse as cairo paths, angles as the drawing
// interface gives them: degrees, clockwise with y down, the angle being
// that of the point itself rather than of the ellipse's parameter.
#include "gdiplus_objects.h"

#include <cairo.h>

namespace platform::gdi {

// Nothing is added for an ellipse without area.
void AppendArc(cairo_t* cr, const PieFigure& figure);
void AppendPie(cairo_t* cr, const PieFigure& figure);

}  // namespace platform::gdi
