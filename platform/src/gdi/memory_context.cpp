#include "memory_context.h"

#include <platform/kernel.h>

namespace platform::gdi {

DrawTarget MemoryContext::Target()
{
    PixelBuffer pixels = bitmap->Pixels();
    return {pixels, {pixels.Bounds()}, {0, 0}};
}

HGDIOBJ StockBitmap()
{
    static HGDIOBJ stock = AddObject(std::make_shared<Bitmap>(1, 1, true));
    return stock;
}

}  // namespace platform::gdi

using namespace platform::gdi;

HDC CreateCompatibleDC(HDC)
{
    HGDIOBJ stock = StockBitmap();
    return static_cast<HDC>(AddObject(std::make_shared<MemoryContext>(FindObjectOf<Bitmap>(stock), stock)));
}

BOOL DeleteDC(HDC context)
{
    auto dc = FindObjectOf<MemoryContext>(context);
    if (!dc) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (!dc->bitmap->stock)
        dc->bitmap->selectedInto = nullptr;
    RemoveObject(context);
    return TRUE;
}

HGDIOBJ SelectObject(HDC context, HGDIOBJ object)
{
    auto dc = FindObjectOf<MemoryContext>(context);
    auto bitmap = FindObjectOf<Bitmap>(object);
    if (!dc || !bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    if (!bitmap->stock && bitmap->selectedInto && bitmap->selectedInto != context) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    HGDIOBJ previous = dc->bitmapHandle;
    if (!dc->bitmap->stock)
        dc->bitmap->selectedInto = nullptr;
    if (!bitmap->stock)
        bitmap->selectedInto = context;
    dc->bitmap = std::move(bitmap);
    dc->bitmapHandle = object;
    return previous;
}

BOOL DeleteObject(HGDIOBJ object)
{
    if (FindObjectOf<Brush>(object))
        return TRUE;  // only stock brushes exist
    auto bitmap = FindObjectOf<Bitmap>(object);
    if (!bitmap) {
        SetLastError(ERROR_INVALID_HANDLE);
        return FALSE;
    }
    if (bitmap->stock)
        return TRUE;
    if (bitmap->selectedInto) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return FALSE;
    }
    RemoveObject(object);
    return TRUE;
}
