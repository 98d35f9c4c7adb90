#pragma once
// GDI objects behind their handles: bitmaps and device contexts.
#include "pixel_buffer.h"

#include <platform/gdi.h>

#include <memory>
#include <optional>
#include <vector>

namespace platform::gdi {

class GdiObject
{
public:
    virtual ~GdiObject() = default;
};

class Bitmap : public GdiObject
{
public:
    Bitmap(int width, int height, bool stock = false);
    PixelBuffer Pixels() { return {reinterpret_cast<BYTE*>(pixels_.data()), width_, height_, width_ * 4}; }
    // A stock bitmap may sit in any number of contexts and is never deleted.
    const bool stock;
    HDC selectedInto = nullptr;

private:
    int width_;
    int height_;
    std::vector<std::uint32_t> pixels_;
};

// A brush of one colour; the stock brushes are the only ones.
class Brush : public GdiObject
{
public:
    explicit Brush(COLORREF color) : color(color) {}
    const COLORREF color;
};

// What a device context draws on now: a buffer, the part of it the context
// may touch (rectangles that do not overlap, in buffer coordinates), and
// where the context's (0, 0) lies in the buffer.
struct DrawTarget
{
    PixelBuffer buffer;
    std::vector<RECT> visible;
    POINT origin{0, 0};
};

class DeviceContext : public GdiObject
{
public:
    // Nothing to draw on when the buffer is empty.
    virtual DrawTarget Target() = 0;
};

// Enters the object under a handle never used before.
HGDIOBJ AddObject(std::shared_ptr<GdiObject> object);
void RemoveObject(HGDIOBJ handle);
std::shared_ptr<GdiObject> FindObject(HGDIOBJ handle);

template <class T>
std::shared_ptr<T> FindObjectOf(HGDIOBJ handle)
{
    return std::dynamic_pointer_cast<T>(FindObject(handle));
}

// The drawing target of a device context handle; an empty one for a handle
// that is not a device context.
DrawTarget TargetOf(HDC context);
// The same for the device contexts of windows, which the display keeps.
DrawTarget WindowTargetOf(HDC context);
bool IsWindowContext(HDC context);

// The colour of a brush handle, none for a handle that is no brush.
std::optional<COLORREF> BrushColor(HBRUSH brush);

}  // namespace platform::gdi
