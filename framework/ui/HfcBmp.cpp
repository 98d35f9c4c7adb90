#include "framework/ui/HfcBmp.h"

#include "framework/ui/HfcPackedDib.h"
#include "framework/ui/HfcPngDecoder.h"

#include <platform/resources.h>

#include <png.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <memory>
#include <system_error>
#include <vector>

namespace {

constexpr std::size_t kPngSignatureSize = 8;

LPCSTR BitmapResourceType()
{
    return MAKEINTRESOURCEA(2);
}

struct ResourceBytes
{
    const BYTE* data = nullptr;
    std::size_t size = 0;
};

ResourceBytes FindResourceBytes(const char* name, LPCSTR type)
{
    HRSRC found = FindResourceA(nullptr, name, type);
    if (found == nullptr)
        return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const auto* data = loaded != nullptr ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (data == nullptr)
        return {};
    return {data, SizeofResource(nullptr, found)};
}

struct FileCloser
{
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

CHfcBmp::~CHfcBmp()
{
    CHfcBmp::Release();
}

bool CHfcBmp::Create(int width, int height)
{
    Release();
    if (width <= 0 || height <= 0)
        return true;
    if (GdipCreateBitmapFromScan0(width, height, 0, PixelFormat32bppARGB, nullptr, &m_pBitmap) != Ok) {
        m_pBitmap = nullptr;
        return false;
    }
    m_iWidth = width;
    m_iHeight = height;
    return true;
}

bool CHfcBmp::Resize(int width, int height)
{
    Release();
    return Create(width, height);
}

int CHfcBmp::Release()
{
    DeleteWin32Bitmap();
    if (m_pBitmap != nullptr) {
        if (m_iLockCount > 0)
            GdipBitmapUnlockBits(m_pBitmap, &m_lockedData);
        GdipDisposeImage(m_pBitmap);
        m_pBitmap = nullptr;
    }
    m_lockedData = {};
    m_iWidth = 0;
    m_iHeight = 0;
    m_iLockCount = 0;
    return 0;
}

BYTE* CHfcBmp::LockBits()
{
    if (m_pBitmap == nullptr)
        return nullptr;
    if (m_iLockCount == 0) {
        const GpRect whole{0, 0, m_iWidth, m_iHeight};
        if (GdipBitmapLockBits(m_pBitmap, &whole, ImageLockModeWrite, PixelFormat32bppARGB, &m_lockedData) != Ok)
            m_lockedData = {};
    }
    if (m_lockedData.Scan0 == nullptr)
        return nullptr;
    ++m_iLockCount;
    return static_cast<BYTE*>(m_lockedData.Scan0);
}

void CHfcBmp::UnlockBits()
{
    if (m_iLockCount <= 0)
        return;
    if (--m_iLockCount == 0) {
        GdipBitmapUnlockBits(m_pBitmap, &m_lockedData);
        m_lockedData = {};
    }
}

bool CHfcBmp::LoadPngResource(const char* name)
{
    Release();
    const ResourceBytes png = FindResourceBytes(name, "PNG");
    if (png.size < kPngSignatureSize || png_sig_cmp(png.data, 0, kPngSignatureSize) != 0)
        return false;
    return DecodePng(png.data, png.size);
}

bool CHfcBmp::DecodePng(const BYTE* data, std::size_t size)
{
    return DecodePngInto(data, size, *this);
}

bool CHfcBmp::LoadFromFile(const char* path, BYTE* buffer, std::size_t bufferSize)
{
    Release();
    std::error_code error;
    const auto fileSize = std::filesystem::file_size(path, error);
    if (error || fileSize == 0)
        return false;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
    if (!file)
        return false;
    std::vector<BYTE> own;
    if (buffer == nullptr || bufferSize < fileSize) {
        own.resize(fileSize);
        buffer = own.data();
    }
    if (std::fread(buffer, 1, fileSize, file.get()) != fileSize)
        return false;
    return DecodePng(buffer, fileSize);
}

bool CHfcBmp::LoadBitmapResource(const char* name)
{
    Release();
    const ResourceBytes dib = FindResourceBytes(name, BitmapResourceType());
    return dib.data != nullptr && ConvertPackedDib(dib.data, dib.size, *this);
}

bool CHfcBmp::ReloadBitmapResource(const char* name)
{
    Release();
    return LoadBitmapResource(name);
}

HBITMAP CHfcBmp::NewWin32Bitmap(int width, int height, BYTE** bits)
{
    if (m_hWin32Bitmap != nullptr)
        return nullptr;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* memory = nullptr;
    m_hWin32Bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &memory, nullptr, 0);
    *bits = static_cast<BYTE*>(memory);
    return m_hWin32Bitmap;
}

HBITMAP CHfcBmp::CreateWin32Bitmap()
{
    BYTE* bits = nullptr;
    if (m_hWin32Bitmap != nullptr || !NewWin32Bitmap(m_iWidth, m_iHeight, &bits))
        return nullptr;
    if (const BYTE* pixels = LockBits()) {
        for (int y = 0; y < m_iHeight; ++y)
            std::memcpy(bits + std::size_t(y) * m_iWidth * 4, pixels + std::size_t(y) * GetStride(),
                        std::size_t(m_iWidth) * 4);
        UnlockBits();
    }
    return m_hWin32Bitmap;
}

HBITMAP CHfcBmp::CreateWin32SubBitmap(int sourceX, int sourceY, int width, int height)
{
    BYTE* bits = nullptr;
    if (m_hWin32Bitmap != nullptr || !NewWin32Bitmap(width, height, &bits))
        return nullptr;
    // The overlap of the image with the area, in image coordinates.
    const int left = std::max(sourceX, 0);
    const int top = std::max(sourceY, 0);
    const int right = std::min(sourceX + width, m_iWidth);
    const int bottom = std::min(sourceY + height, m_iHeight);
    if (left >= right || top >= bottom)
        return m_hWin32Bitmap;
    if (const BYTE* pixels = LockBits()) {
        for (int y = top; y < bottom; ++y)
            std::memcpy(bits + (std::size_t(y - sourceY) * width + (left - sourceX)) * 4,
                        pixels + std::size_t(y) * GetStride() + std::size_t(left) * 4, std::size_t(right - left) * 4);
        UnlockBits();
    }
    return m_hWin32Bitmap;
}

void CHfcBmp::DeleteWin32Bitmap()
{
    if (m_hWin32Bitmap != nullptr && DeleteObject(m_hWin32Bitmap))
        m_hWin32Bitmap = nullptr;
}
