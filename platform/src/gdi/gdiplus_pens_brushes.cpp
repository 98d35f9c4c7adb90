#include "gdiplus_objects.h"
#include "recording.h"

using namespace platform::gdi;

GpStatus GdipCreatePen1(ARGB color, REAL width, GpUnit unit, GpPen** pen)
{
    if (pen)
        *pen = nullptr;
    if (GpStatus status = Note("GdipCreatePen1", nullptr, {width, float(unit)}, color, width); status != Ok)
        return status;
    if (!pen || (unit != UnitWorld && unit != UnitPixel))
        return InvalidParameter;
    *pen = new GpPen{color, width};
    return Ok;
}

GpStatus GdipSetPenColor(GpPen* pen, ARGB color)
{
    if (GpStatus status = Note("GdipSetPenColor", pen, {}, color); status != Ok)
        return status;
    if (!pen)
        return InvalidParameter;
    pen->color = color;
    return Ok;
}

GpStatus GdipSetPenWidth(GpPen* pen, REAL width)
{
    if (GpStatus status = Note("GdipSetPenWidth", pen, {width}, 0, width); status != Ok)
        return status;
    if (!pen)
        return InvalidParameter;
    pen->width = width;
    return Ok;
}

GpStatus GdipDeletePen(GpPen* pen)
{
    if (GpStatus status = Note("GdipDeletePen", pen); status != Ok)
        return status;
    if (!pen)
        return InvalidParameter;
    delete pen;
    return Ok;
}

GpStatus GdipCreateSolidFill(ARGB color, GpSolidFill** brush)
{
    if (brush)
        *brush = nullptr;
    if (GpStatus status = Note("GdipCreateSolidFill", nullptr, {}, color); status != Ok)
        return status;
    if (!brush)
        return InvalidParameter;
    *brush = new SolidFill(color);
    return Ok;
}

GpStatus GdipSetSolidFillColor(GpSolidFill* brush, ARGB color)
{
    if (GpStatus status = Note("GdipSetSolidFillColor", brush, {}, color); status != Ok)
        return status;
    if (!brush)
        return InvalidParameter;
    static_cast<SolidFill*>(brush)->color = color;
    return Ok;
}

GpStatus GdipDeleteBrush(GpBrush* brush)
{
    if (GpStatus status = Note("GdipDeleteBrush", brush); status != Ok)
        return status;
    if (!brush)
        return InvalidParameter;
    delete static_cast<SolidFill*>(brush);
    return Ok;
}
