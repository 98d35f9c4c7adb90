#include "ellipse_path.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace platform::gdi {
namespace {

double Radians(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// The ellipse parameter whose point lies at the given angle from the
// centre, kept within a quarter turn of the angle so sweeps stay continuous.
double ParameterAt(double angle, double a, double b)
{
    if (a == b)
        return angle;
    double parameter = std::atan2(a * std::sin(angle), b * std::cos(angle));
    return angle + std::remainder(parameter - angle, 2 * std::numbers::pi);
}

}  // namespace

void AppendArc(cairo_t* cr, const PieFigure& f)
{
    if (!(f.width > 0) || !(f.height > 0))
        return;
    const double a = f.width / 2.0, b = f.height / 2.0;
    const double sweep = std::clamp<double>(f.sweepAngle, -360.0, 360.0);
    const double start = Radians(f.startAngle), end = Radians(f.startAngle + sweep);
    const double from = ParameterAt(start, a, b);
    const double to = std::abs(sweep) == 360.0 ? from + Radians(sweep) : ParameterAt(end, a, b);
    cairo_save(cr);
    cairo_translate(cr, f.x + a, f.y + b);
    cairo_scale(cr, a, b);
    if (sweep >= 0)
        cairo_arc(cr, 0, 0, 1, from, std::max(from, to));
    else
        cairo_arc_negative(cr, 0, 0, 1, from, std::min(from, to));
    cairo_restore(cr);
}

void AppendPie(cairo_t* cr, const PieFigure& f)
{
    if (!(f.width > 0) || !(f.height > 0))
        return;
    cairo_move_to(cr, f.x + f.width / 2.0, f.y + f.height / 2.0);
    AppendArc(cr, f);
    cairo_close_path(cr);
}

}  // namespace platform::gdi
