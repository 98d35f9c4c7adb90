#include "canvas.h"
#include "ellipse_path.h"
#include "recording.h"

#include <algorithm>

using namespace platform::gdi;

namespace {

Reach Around(REAL x, REAL y, REAL width, REAL height, double margin)
{
    return {std::min(x, x + width) - margin, std::min(y, y + height) - margin, std::max(x, x + width) + margin,
            std::max(y, y + height) + margin};
}

// A pen of no width still draws a pixel wide line.
double StrokeWidth(const GpPen& pen)
{
    return pen.width > 0 ? pen.width : 1.0;
}

GpStatus Stroke(const GpGraphics& graphics, const GpPen& pen, const Reach& reach, void (*path)(cairo_t*, const float*),
                const float* args)
{
    return Paint(graphics, reach, [&](cairo_t* cr) {
        path(cr, args);
        cairo_set_line_width(cr, StrokeWidth(pen));
        SetSourceColor(cr, pen.color);
        cairo_stroke(cr);
    });
}

GpStatus Fill(const GpGraphics& graphics, const GpBrush& brush, const Reach& reach,
              void (*path)(cairo_t*, const float*), const float* args)
{
    return Paint(graphics, reach, [&](cairo_t* cr) {
        path(cr, args);
        SetSourceColor(cr, static_cast<const SolidFill&>(brush).color);
        cairo_fill(cr);
    });
}

void LinePath(cairo_t* cr, const float* a)
{
    cairo_move_to(cr, a[0], a[1]);
    cairo_line_to(cr, a[2], a[3]);
}
void RectanglePath(cairo_t* cr, const float* a)
{
    cairo_rectangle(cr, a[0], a[1], a[2], a[3]);
}
void ArcPath(cairo_t* cr, const float* a)
{
    AppendArc(cr, {a[0], a[1], a[2], a[3], a[4], a[5]});
}
void PiePath(cairo_t* cr, const float* a)
{
    AppendPie(cr, {a[0], a[1], a[2], a[3], a[4], a[5]});
}

}  // namespace

GpStatus GdipDrawLine(GpGraphics* graphics, GpPen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
    const float args[] = {x1, y1, x2, y2};
    if (GpStatus status = Note("GdipDrawLine", graphics, {x1, y1, x2, y2}, pen ? pen->color : 0, pen ? pen->width : 0);
        status != Ok)
        return status;
    if (!graphics || !pen)
        return InvalidParameter;
    return Stroke(*graphics, *pen, Around(x1, y1, x2 - x1, y2 - y1, StrokeWidth(*pen)), LinePath, args);
}

GpStatus GdipDrawRectangle(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height)
{
    const float args[] = {x, y, width, height};
    if (GpStatus status =
            Note("GdipDrawRectangle", graphics, {x, y, width, height}, pen ? pen->color : 0, pen ? pen->width : 0);
        status != Ok)
        return status;
    if (!graphics || !pen)
        return InvalidParameter;
    // Mitred corners reach about 0.71 widths beyond the outline.
    return Stroke(*graphics, *pen, Around(x, y, width, height, StrokeWidth(*pen)), RectanglePath, args);
}

GpStatus GdipFillRectangle(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height)
{
    const float args[] = {x, y, width, height};
    if (GpStatus status = Note("GdipFillRectangle", graphics, {x, y, width, height},
                               brush ? static_cast<SolidFill*>(brush)->color : 0);
        status != Ok)
        return status;
    if (!graphics || !brush)
        return InvalidParameter;
    return Fill(*graphics, *brush, Around(x, y, width, height, 0), RectanglePath, args);
}

GpStatus GdipFillPie(GpGraphics* graphics, GpBrush* brush, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                     REAL sweepAngle)
{
    const float args[] = {x, y, width, height, startAngle, sweepAngle};
    if (GpStatus status = Note("GdipFillPie", graphics, {x, y, width, height, startAngle, sweepAngle},
                               brush ? static_cast<SolidFill*>(brush)->color : 0);
        status != Ok)
        return status;
    if (!graphics || !brush)
        return InvalidParameter;
    return Fill(*graphics, *brush, Around(x, y, width, height, 0), PiePath, args);
}

GpStatus GdipDrawArc(GpGraphics* graphics, GpPen* pen, REAL x, REAL y, REAL width, REAL height, REAL startAngle,
                     REAL sweepAngle)
{
    const float args[] = {x, y, width, height, startAngle, sweepAngle};
    if (GpStatus status = Note("GdipDrawArc", graphics, {x, y, width, height, startAngle, sweepAngle},
                               pen ? pen->color : 0, pen ? pen->width : 0);
        status != Ok)
        return status;
    if (!graphics || !pen)
        return InvalidParameter;
    return Stroke(*graphics, *pen, Around(x, y, width, height, StrokeWidth(*pen)), ArcPath, args);
}
