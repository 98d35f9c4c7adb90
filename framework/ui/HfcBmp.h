#pragma once
// The framework's image: 32-bit straight-alpha pixels 0xAARRGGBB (stored
// blue, green, red, alpha; rows top-down) in a vector-drawing bitmap, with a
// counted lock on the pixel memory and an optional Windows copy for the
// paths that need a bitmap handle.
#include <platform/gdi.h>
#include <platform/gdiplus.h>

#include <cstddef>

class CHfcBmp
{
public:
    CHfcBmp() = default;
    virtual ~CHfcBmp();
    CHfcBmp(const CHfcBmp&) = delete;
    CHfcBmp& operator=(const CHfcBmp&) = delete;

    // A transparent image of width x height. A size of 0 gives an empty
    // image; false when the pixels cannot be had.
    virtual bool Create(int width, int height);
    // A packed Windows bitmap resource of 8, 24 or 32 bits per pixel.
    virtual bool LoadBitmapResource(const char* name);
    virtual bool ReloadBitmapResource(const char* name);
    // The resource of type "PNG"; false when missing or not a PNG.
    virtual bool LoadPngResource(const char* name);
    // Exactly size bytes of PNG. False, with the image empty, for anything
    // but a whole valid PNG.
    virtual bool DecodePng(const BYTE* data, std::size_t size);
    // A PNG file, read through the caller's buffer when it holds the whole
    // file, else through one of its own.
    virtual bool LoadFromFile(const char* path, BYTE* buffer, std::size_t bufferSize);
    // Empties the image, its lock and its Windows copy.
    virtual int Release();

    bool Resize(int width, int height);

    int GetWidth() const { return m_iWidth; }
    int GetHeight() const { return m_iHeight; }

    // The first pixel row, read and written in place, or null for an empty
    // image. Locks nest: only the outermost UnlockBits unlocks.
    BYTE* LockBits();
    void UnlockBits();
    // Bytes from one row to the next; valid while locked.
    int GetStride() const { return m_lockedData.Stride; }

    // The vector-drawing bitmap behind the pixels; null when empty.
    GpBitmap* GetGdipBitmap() const { return m_pBitmap; }

    // A top-down 32-bit DIB holding the whole image; null when a copy
    // already exists or none can be made.
    HBITMAP CreateWin32Bitmap();
    // A zeroed width x height DIB holding the part of the image at
    // (sourceX, sourceY) that lies inside it, at the matching place.
    HBITMAP CreateWin32SubBitmap(int sourceX, int sourceY, int width, int height);
    void DeleteWin32Bitmap();

private:
    HBITMAP NewWin32Bitmap(int width, int height, BYTE** bits);

    int m_iWidth = 0;
    int m_iHeight = 0;
    int m_iLockCount = 0;
    GpBitmap* m_pBitmap = nullptr;
    BitmapData m_lockedData{};
    HBITMAP m_hWin32Bitmap = nullptr;
};
