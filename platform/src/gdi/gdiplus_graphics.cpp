#include "canvas.h"
#include "gdi_objects.h"
#include "recording.h"

using namespace platform::gdi;

GpStatus GdipCreateFromHDC(HDC context, GpGraphics** graphics)
{
    if (graphics)
        *graphics = nullptr;
    if (GpStatus status = Note("GdipCreateFromHDC", context); status != Ok)
        return status;
    if (!graphics || (!FindObjectOf<DeviceContext>(context) && !IsWindowContext(context)))
        return InvalidParameter;
    *graphics = new GpGraphics;
    (*graphics)->context = context;
    return Ok;
}

GpStatus GdipGetImageGraphicsContext(GpImage* image, GpGraphics** graphics)
{
    if (graphics)
        *graphics = nullptr;
    if (GpStatus status = Note("GdipGetImageGraphicsContext", image); status != Ok)
        return status;
    if (!image || !graphics)
        return InvalidParameter;
    *graphics = new GpGraphics;
    (*graphics)->bitmap = static_cast<BitmapImage*>(image)->pixels;
    return Ok;
}

GpStatus GdipDeleteGraphics(GpGraphics* graphics)
{
    if (GpStatus status = Note("GdipDeleteGraphics", graphics); status != Ok)
        return status;
    if (!graphics)
        return InvalidParameter;
    delete graphics;
    return Ok;
}

GpStatus GdipSetCompositingMode(GpGraphics* graphics, CompositingMode mode)
{
    if (GpStatus status = Note("GdipSetCompositingMode", graphics, {float(mode)}); status != Ok)
        return status;
    if (!graphics || (mode != CompositingModeSourceOver && mode != CompositingModeSourceCopy))
        return InvalidParameter;
    graphics->compositing = mode;
    return Ok;
}

GpStatus GdipSetSmoothingMode(GpGraphics* graphics, SmoothingMode mode)
{
    if (GpStatus status = Note("GdipSetSmoothingMode", graphics, {float(mode)}); status != Ok)
        return status;
    if (!graphics || mode < SmoothingModeDefault || mode > SmoothingModeAntiAlias)
        return InvalidParameter;
    graphics->smoothing = mode;
    return Ok;
}

GpStatus GdipCreatePath(GpFillMode fillMode, GpPath** path)
{
    if (path)
        *path = nullptr;
    if (GpStatus status = Note("GdipCreatePath", nullptr, {float(fillMode)}); status != Ok)
        return status;
    if (!path || (fillMode != FillModeAlternate && fillMode != FillModeWinding))
        return InvalidParameter;
    *path = new GpPath{fillMode, {}};
    return Ok;
}

GpStatus GdipAddPathPie(GpPath* path, REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
    if (GpStatus status = Note("GdipAddPathPie", path, {x, y, width, height, startAngle, sweepAngle}); status != Ok)
        return status;
    if (!path)
        return InvalidParameter;
    path->figures.push_back({x, y, width, height, startAngle, sweepAngle});
    return Ok;
}

GpStatus GdipDeletePath(GpPath* path)
{
    if (GpStatus status = Note("GdipDeletePath", path); status != Ok)
        return status;
    if (!path)
        return InvalidParameter;
    delete path;
    return Ok;
}

GpStatus GdipSetClipPath(GpGraphics* graphics, GpPath* path, CombineMode combineMode)
{
    if (GpStatus status = Note("GdipSetClipPath", graphics, {float(combineMode)}); status != Ok)
        return status;
    if (!graphics || !path)
        return InvalidParameter;
    if (combineMode != CombineModeReplace)
        return NotImplemented;
    graphics->clipped = true;
    graphics->clipFillMode = path->fillMode;
    graphics->clip = path->figures;
    return Ok;
}

GpStatus GdipResetClip(GpGraphics* graphics)
{
    if (GpStatus status = Note("GdipResetClip", graphics); status != Ok)
        return status;
    if (!graphics)
        return InvalidParameter;
    graphics->clipped = false;
    graphics->clip.clear();
    return Ok;
}

GpStatus GdipGraphicsClear(GpGraphics* graphics, ARGB color)
{
    if (GpStatus status = Note("GdipGraphicsClear", graphics, {}, color); status != Ok)
        return status;
    if (!graphics)
        return InvalidParameter;
    return Clear(*graphics, color);
}
