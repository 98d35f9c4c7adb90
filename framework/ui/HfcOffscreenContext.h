#pragma once
// A drawing context that paints into a pixel buffer of its own: shapes are
// drawn anti-aliased over what is there; bitmaps are blended in by their
// alpha in integer arithmetic; clearing makes pixels transparent.
#include "framework/ui/HfcDrawContext.h"

#include <memory>

class CHfcOffscreenContext : public CHfcDrawContext
{
public:
    // A transparent width x height buffer. When a part cannot be made the
    // context lacks it and the parts after it.
    CHfcOffscreenContext(int width, int height);
    ~CHfcOffscreenContext() override;

    using CHfcDrawContext::ClearRectangle;
    GpStatus ClearRectangle(float x, float y, float width, float height) override;
    GpStatus BlitBitmap(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY) override;
    GpStatus BlitBitmapAlpha(int x, int y, int width, int height, CHfcBmp* bitmap, float opacity, int sourceX,
                             int sourceY) override;
    GpStatus DrawBitmapLighten(int x, int y, int width, int height, CHfcBmp* bitmap, int sourceX, int sourceY) override;

    // Moves the pixels of the rectangle by (dx, dy) within the buffer; the
    // pixels it uncovers keep their values.
    virtual void ScrollRect(const RECT* rect, int dx, int dy);
    // Draws a part of the buffer on another context: copied to a device
    // context, blended into an offscreen one.
    virtual GpStatus CopyTo(CHfcDrawContext* target, int x, int y, int width, int height, int sourceX, int sourceY);
    virtual GpStatus CopyAllTo(CHfcDrawContext* target);

    // A new transparent buffer of the new size; false when it cannot be had.
    bool Resize(int width, int height);

    CHfcBmp* GetBitmap() const { return m_pBitmap.get(); }

private:
    bool CreateGraphics();

    std::unique_ptr<CHfcBmp> m_pBitmap;
};
