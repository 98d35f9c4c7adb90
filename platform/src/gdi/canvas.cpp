#include "canvas.h"

#include "ellipse_path.h"
#include "gdi_objects.h"
#include "premultiply.h"

#include <cmath>
#include <memory>

namespace platform::gdi {
namespace {

struct Canvas
{
    PixelBuffer buffer;
    std::vector<RECT> visible;  // buffer coordinates
    POINT origin{0, 0};         // the graphics' (0, 0) in the buffer
    bool straightAlpha = false;
};

GpStatus CanvasOf(const GpGraphics& graphics, Canvas* canvas)
{
    if (graphics.bitmap) {
        if (graphics.bitmap->disposed)
            return InvalidParameter;
        if (graphics.bitmap->locked)
            return ObjectBusy;
        const PixelBuffer& pixels = graphics.bitmap->buffer;
        *canvas = {pixels, {pixels.Bounds()}, {0, 0}, true};
        return Ok;
    }
    if (!FindObjectOf<DeviceContext>(graphics.context) && !IsWindowContext(graphics.context))
        return InvalidParameter;
    DrawTarget target = TargetOf(graphics.context);
    *canvas = {target.buffer, std::move(target.visible), target.origin, false};
    return Ok;
}

RECT VisibleBounds(const Canvas& canvas)
{
    RECT bounds{0, 0, 0, 0};
    for (const RECT& r : canvas.visible) {
        if (IsEmptyRect(r))
            continue;
        bounds = IsEmptyRect(bounds) ? r
                                     : RECT{std::min(bounds.left, r.left), std::min(bounds.top, r.top),
                                            std::max(bounds.right, r.right), std::max(bounds.bottom, r.bottom)};
    }
    return Overlap(bounds, canvas.buffer.Bounds());
}

// Whole pixels that a drawing within the reach can touch, with a margin for
// smoothed edges.
RECT PixelsWithin(const Reach& reach, POINT origin)
{
    auto low = [](double v) { return LONG(std::max(-1e9, std::floor(v) - 1)); };
    auto high = [](double v) { return LONG(std::min(1e9, std::ceil(v) + 2)); };
    return {low(reach.left + origin.x), low(reach.top + origin.y), high(reach.right + origin.x),
            high(reach.bottom + origin.y)};
}

// The bounding box of the clip's figures.
Reach ClipReach(const GpGraphics& graphics)
{
    Reach reach{0, 0, 0, 0};
    bool first = true;
    for (const PieFigure& f : graphics.clip) {
        Reach r{std::min(f.x, f.x + f.width), std::min(f.y, f.y + f.height), std::max(f.x, f.x + f.width),
                std::max(f.y, f.y + f.height)};
        reach = first ? r
                      : Reach{std::min(reach.left, r.left), std::min(reach.top, r.top), std::max(reach.right, r.right),
                              std::max(reach.bottom, r.bottom)};
        first = false;
    }
    return reach;
}

struct CairoDeleter
{
    void operator()(cairo_t* cr) const { cairo_destroy(cr); }
    void operator()(cairo_surface_t* s) const { cairo_surface_destroy(s); }
};
using CairoContext = std::unique_ptr<cairo_t, CairoDeleter>;
using CairoSurface = std::unique_ptr<cairo_surface_t, CairoDeleter>;

// A context on a surface that covers `box` of the canvas: clipped to the
// visible area and the graphics' clip, in the graphics' coordinates.
CairoContext Prepare(cairo_surface_t* surface, const GpGraphics& graphics, const Canvas& canvas, const RECT& box)
{
    CairoContext cr(cairo_create(surface));
    cairo_set_antialias(cr.get(), CAIRO_ANTIALIAS_NONE);
    for (const RECT& r : canvas.visible)
        cairo_rectangle(cr.get(), r.left - box.left, r.top - box.top, r.right - r.left, r.bottom - r.top);
    cairo_clip(cr.get());
    cairo_translate(cr.get(), canvas.origin.x - box.left + 0.5, canvas.origin.y - box.top + 0.5);
    if (graphics.clipped) {
        for (const PieFigure& figure : graphics.clip)
            AppendPie(cr.get(), figure);
        cairo_set_fill_rule(cr.get(), graphics.clipFillMode == FillModeWinding ? CAIRO_FILL_RULE_WINDING
                                                                               : CAIRO_FILL_RULE_EVEN_ODD);
        cairo_clip(cr.get());
    }
    const bool smooth = graphics.smoothing == SmoothingModeAntiAlias || graphics.smoothing == SmoothingModeHighQuality;
    cairo_set_antialias(cr.get(), smooth ? CAIRO_ANTIALIAS_GRAY : CAIRO_ANTIALIAS_NONE);
    cairo_set_operator(cr.get(),
                       graphics.compositing == CompositingModeSourceCopy ? CAIRO_OPERATOR_SOURCE : CAIRO_OPERATOR_OVER);
    cairo_set_line_cap(cr.get(), CAIRO_LINE_CAP_BUTT);
    cairo_set_line_join(cr.get(), CAIRO_LINE_JOIN_MITER);
    cairo_set_miter_limit(cr.get(), 10.0);
    return cr;
}

void PaintStraight(const GpGraphics& graphics, const Canvas& canvas, const RECT& box,
                   const std::function<void(cairo_t*)>& draw)
{
    const int width = box.right - box.left, height = box.bottom - box.top;
    CairoSurface surface(cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return;
    const PixelBuffer source = canvas.buffer.Part(box);
    const PixelBuffer copy{cairo_image_surface_get_data(surface.get()), width, height,
                           cairo_image_surface_get_stride(surface.get())};
    std::vector<std::uint32_t> before(std::size_t(width) * height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            copy.Row(y)[x] = before[std::size_t(y) * width + x] = Premultiply(source.Row(y)[x]);
    cairo_surface_mark_dirty(surface.get());
    draw(Prepare(surface.get(), graphics, canvas, box).get());
    cairo_surface_flush(surface.get());
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (copy.Row(y)[x] != before[std::size_t(y) * width + x])
                source.Row(y)[x] = Unpremultiply(copy.Row(y)[x]);
}

void PaintDirect(const GpGraphics& graphics, const Canvas& canvas, const RECT& box,
                 const std::function<void(cairo_t*)>& draw)
{
    const PixelBuffer target = canvas.buffer.Part(box);
    CairoSurface surface(cairo_image_surface_create_for_data(target.pixels, CAIRO_FORMAT_RGB24, target.width,
                                                             target.height, target.stride));
    if (cairo_surface_status(surface.get()) != CAIRO_STATUS_SUCCESS)
        return;
    draw(Prepare(surface.get(), graphics, canvas, box).get());
    cairo_surface_flush(surface.get());
}

}  // namespace

GpStatus Paint(const GpGraphics& graphics, const Reach& reach, const std::function<void(cairo_t*)>& draw)
{
    Canvas canvas;
    if (GpStatus status = CanvasOf(graphics, &canvas); status != Ok)
        return status;
    const RECT box = Overlap(PixelsWithin(reach, canvas.origin), VisibleBounds(canvas));
    if (IsEmptyRect(box))
        return Ok;
    if (canvas.straightAlpha)
        PaintStraight(graphics, canvas, box, draw);
    else
        PaintDirect(graphics, canvas, box, draw);
    return Ok;
}

GpStatus Clear(const GpGraphics& graphics, ARGB color)
{
    Canvas canvas;
    if (GpStatus status = CanvasOf(graphics, &canvas); status != Ok)
        return status;
    RECT box = VisibleBounds(canvas);
    if (graphics.clipped)
        box = Overlap(box, PixelsWithin(ClipReach(graphics), canvas.origin));
    if (IsEmptyRect(box))
        return Ok;
    // The clip is aliased, so the mask holds only 0 and 255.
    const int width = box.right - box.left, height = box.bottom - box.top;
    CairoSurface mask(cairo_image_surface_create(CAIRO_FORMAT_A8, width, height));
    if (cairo_surface_status(mask.get()) != CAIRO_STATUS_SUCCESS)
        return OutOfMemory;
    GpGraphics aliased = graphics;
    aliased.smoothing = SmoothingModeNone;
    cairo_paint(Prepare(mask.get(), aliased, canvas, box).get());
    cairo_surface_flush(mask.get());
    const BYTE* coverage = cairo_image_surface_get_data(mask.get());
    const int maskStride = cairo_image_surface_get_stride(mask.get());
    const PixelBuffer target = canvas.buffer.Part(box);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            if (coverage[std::ptrdiff_t(y) * maskStride + x])
                target.Row(y)[x] = color;
    return Ok;
}

void SetSourceColor(cairo_t* cr, ARGB color)
{
    auto channel = [color](int shift) { return ((color >> shift) & 0xFF) / 255.0; };
    cairo_set_source_rgba(cr, channel(16), channel(8), channel(0), channel(24));
}

}  // namespace platform::gdi
