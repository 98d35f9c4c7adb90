#include "gdi_objects.h"

#include <platform/kernel.h>

using namespace platform::gdi;

namespace {

// Larger pixel counts are refused rather than risk a failed allocation.
constexpr long long kMaxPixels = 1LL << 26;

bool IsSupported(const BITMAPINFOHEADER& header)
{
    return header.biSize >= sizeof(BITMAPINFOHEADER) && header.biWidth > 0 && header.biHeight < 0 &&
           header.biPlanes == 1 && header.biBitCount == 32 && header.biCompression == BI_RGB &&
           static_cast<long long>(header.biWidth) * -static_cast<long long>(header.biHeight) <= kMaxPixels;
}

}  // namespace

HBITMAP CreateDIBSection(HDC, const BITMAPINFO* info, UINT usage, void** bits, HANDLE section, DWORD)
{
    if (bits)
        *bits = nullptr;
    if (!info || usage != DIB_RGB_COLORS || section || !IsSupported(info->bmiHeader)) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return nullptr;
    }
    auto bitmap = std::make_shared<Bitmap>(info->bmiHeader.biWidth, -info->bmiHeader.biHeight);
    if (bits)
        *bits = bitmap->Pixels().pixels;
    return static_cast<HBITMAP>(AddObject(std::move(bitmap)));
}
