// Bitmaps with straight alpha: untouched pixels stay exact, compositing,
// locking in place, graphics on device contexts, start-up.
#include "gdi_pixels.h"

#include <array>

namespace gdi_test {
namespace {

TEST(GdiImage, PixelsADrawingDoesNotCoverStayExact)
{
    // Colours under zero alpha and odd alphas would not survive a
    // premultiplied round trip.
    const std::array<std::uint32_t, 4> pattern = {0x00123456, 0x80FFFFFF, 0x01FF0000, 0xFF102030};
    ImageCanvas canvas(12, 12, SmoothingModeAntiAlias);
    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x)
            canvas.Pixel(x, y) = pattern[(x + y) % 4];

    GdipSetSolidFillColor(canvas.brush, 0xFF0000FF);
    ASSERT_EQ(GdipFillPie(canvas.graphics, canvas.brush, 3, 3, 6, 6, 0, 360), Ok);
    GdipSetSolidFillColor(canvas.brush, 0x00FFFFFF);
    ASSERT_EQ(GdipFillRectangle(canvas.graphics, canvas.brush, -0.5f, -0.5f, 12, 12), Ok) << "an invisible fill";

    for (int y = 0; y < 12; ++y)
        for (int x = 0; x < 12; ++x) {
            const bool nearPie = x >= 2 && x <= 10 && y >= 2 && y <= 10;
            if (!nearPie) {
                EXPECT_EQ(canvas.Pixel(x, y), pattern[(x + y) % 4]) << x << "," << y;
            }
        }
    EXPECT_EQ(canvas.Pixel(6, 6), 0xFF0000FFu);
}

TEST(GdiImage, StraightAlphaSurvivesDrawingAtEveryLevel)
{
    struct Case
    {
        std::uint32_t under, ink, expected;
        int tolerance;
    };
    const Case cases[] = {
        {0x00000000, 0xFF112233, 0xFF112233, 0},  // opaque over transparent
        {0x00FFFFFF, 0x80FF0000, 0x80FF0000, 1},  // half over transparent keeps its colour
        {0x80FFFFFF, 0xFF000000, 0xFF000000, 0}, {0xFFFFFFFF, 0x80FF0000, 0xFFFF7F7F, 1},  // blended over opaque white
        {0x40FFFFFF, 0x01000000, 0x41FBFBFB, 1},  // nearly invisible ink still darkens a little
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << std::hex << c.ink << " over " << c.under);
        ImageCanvas canvas(3, 3);
        canvas.Fill(c.under, 3, 3);
        GdipSetSolidFillColor(canvas.brush, c.ink);
        ASSERT_EQ(GdipFillRectangle(canvas.graphics, canvas.brush, 0.5f, 0.5f, 1, 1), Ok);
        EXPECT_TRUE(Near(canvas.Pixel(1, 1), c.expected, c.tolerance));
        EXPECT_EQ(canvas.Pixel(0, 0), c.under);
    }
}

TEST(GdiImage, SourceCopyReplacesInsteadOfBlending)
{
    struct Case
    {
        CompositingMode mode;
        std::uint32_t expected;
    };
    for (const Case& c : {Case{CompositingModeSourceOver, 0xFFFF7F7F}, Case{CompositingModeSourceCopy, 0x80FF0000}}) {
        SCOPED_TRACE(c.mode);
        ImageCanvas canvas(2, 2);
        canvas.Fill(0xFFFFFFFF, 2, 2);
        ASSERT_EQ(GdipSetCompositingMode(canvas.graphics, c.mode), Ok);
        GdipSetSolidFillColor(canvas.brush, 0x80FF0000);
        GdipFillRectangle(canvas.graphics, canvas.brush, -0.5f, -0.5f, 1, 1);
        EXPECT_TRUE(Near(canvas.Pixel(0, 0), c.expected, 1));
    }
}

TEST(GdiImage, LockedBitsAreTheBitmapsOwnPixels)
{
    ImageCanvas canvas(4, 3);
    BitmapData data{};
    const GpRect part{1, 1, 2, 2};
    ASSERT_EQ(GdipBitmapLockBits(canvas.bitmap, &part, ImageLockModeWrite, PixelFormat32bppARGB, &data), Ok);
    EXPECT_EQ(data.Width, 2u);
    EXPECT_EQ(data.Height, 2u);
    EXPECT_EQ(data.Stride, 16);
    EXPECT_EQ(data.PixelFormat, PixelFormat32bppARGB);
    static_cast<std::uint32_t*>(data.Scan0)[0] = 0x11223344;

    BitmapData again{};
    EXPECT_EQ(GdipBitmapLockBits(canvas.bitmap, nullptr, ImageLockModeWrite, PixelFormat32bppARGB, &again), WrongState);
    EXPECT_EQ(GdipFillRectangle(canvas.graphics, canvas.brush, 0, 0, 2, 2), ObjectBusy) << "no drawing while locked";
    ASSERT_EQ(GdipBitmapUnlockBits(canvas.bitmap, &data), Ok);
    EXPECT_EQ(GdipBitmapUnlockBits(canvas.bitmap, &data), WrongState);

    EXPECT_EQ(canvas.Pixel(1, 1), 0x11223344u);
    EXPECT_EQ(canvas.Pixel(0, 0), 0u);
    const GpRect outside{3, 0, 2, 1};
    EXPECT_EQ(GdipBitmapLockBits(canvas.bitmap, &outside, ImageLockModeRead, PixelFormat32bppARGB, &data),
              InvalidParameter);
}

TEST(GdiImage, ABitmapOverCallerMemoryDrawsThere)
{
    std::array<std::uint32_t, 2 * 8> memory{};  // rows of 8 pixels, 2 used
    GpBitmap* bitmap = nullptr;
    ASSERT_EQ(
        GdipCreateBitmapFromScan0(2, 2, 32, PixelFormat32bppARGB, reinterpret_cast<BYTE*>(memory.data()), &bitmap), Ok);
    GpGraphics* graphics = nullptr;
    GpSolidFill* brush = nullptr;
    GdipGetImageGraphicsContext(bitmap, &graphics);
    GdipCreateSolidFill(0xFFABCDEF, &brush);
    GdipFillRectangle(graphics, brush, -0.5f, 0.5f, 1, 1);
    EXPECT_EQ(memory[8], 0xFFABCDEFu);
    EXPECT_EQ(memory[0], 0u);
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(graphics);
    GdipDisposeImage(bitmap);
}

TEST(GdiImage, RefusesFormatsAndSizesItDoesNotHold)
{
    GpBitmap* bitmap = reinterpret_cast<GpBitmap*>(1);
    EXPECT_EQ(GdipCreateBitmapFromScan0(4, 4, 0, 0x000E200B, nullptr, &bitmap), InvalidParameter);
    EXPECT_EQ(bitmap, nullptr);
    EXPECT_EQ(GdipCreateBitmapFromScan0(0, 4, 0, PixelFormat32bppARGB, nullptr, &bitmap), InvalidParameter);
    BYTE memory[16];
    EXPECT_EQ(GdipCreateBitmapFromScan0(2, 2, 6, PixelFormat32bppARGB, memory, &bitmap), InvalidParameter);
}

TEST(GdiImage, AGraphicsOutlivingItsBitmapDrawsNothing)
{
    GpBitmap* bitmap = nullptr;
    GpGraphics* graphics = nullptr;
    GpSolidFill* brush = nullptr;
    ASSERT_EQ(GdipCreateBitmapFromScan0(8, 8, 0, PixelFormat32bppARGB, nullptr, &bitmap), Ok);
    GdipGetImageGraphicsContext(bitmap, &graphics);
    GdipCreateSolidFill(0xFF000000, &brush);
    ASSERT_EQ(GdipDisposeImage(bitmap), Ok);
    EXPECT_EQ(GdipFillRectangle(graphics, brush, 0, 0, 4, 4), InvalidParameter);
    EXPECT_EQ(GdipGraphicsClear(graphics, 0), InvalidParameter);
    GdipDeleteBrush(brush);
    EXPECT_EQ(GdipDeleteGraphics(graphics), Ok);
}

TEST(GdiImage, AGraphicsOnADeviceContextDrawsOnItsBitmap)
{
    MemoryCanvas target(4, 4);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(target.context, &graphics), Ok);
    GdipSetCompositingMode(graphics, CompositingModeSourceCopy);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF102030, &brush);
    ASSERT_EQ(GdipFillRectangle(graphics, brush, 0.5f, 0.5f, 2, 3), Ok);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            const bool inside = x >= 1 && x <= 2 && y >= 1;
            EXPECT_EQ(target.Pixel(x, y) & 0xFFFFFF, inside ? 0x102030u : 0u) << x << "," << y;
        }
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(graphics);

    EXPECT_EQ(GdipCreateFromHDC(reinterpret_cast<HDC>(target.bitmap), &graphics), InvalidParameter);
    EXPECT_EQ(graphics, nullptr);
}

TEST(GdiImage, StartupTakesOnlyTheFirstVersion)
{
    ULONG_PTR token = 0;
    GdiplusStartupInput input{2, nullptr, FALSE, FALSE};
    EXPECT_EQ(GdiplusStartup(&token, &input, nullptr), UnsupportedGdiplusVersion);
    input.GdiplusVersion = 1;
    ASSERT_EQ(GdiplusStartup(&token, &input, nullptr), Ok);
    EXPECT_NE(token, 0u);
    GdiplusShutdown(token);
}

}  // namespace
}  // namespace gdi_test
