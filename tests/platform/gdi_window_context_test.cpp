// Device contexts of windows draw on the window's part of the framebuffer.
#include "display_fixture.h"

#include <platform/gdi.h>
#include <platform/gdiplus.h>

namespace display_test {
namespace {

class GdiWindowContext : public DisplayTest
{};

TEST_F(GdiWindowContext, DrawsClippedToTheChildsClientArea)
{
    HWND top = MakeTop({100, 100, 300, 260});
    HWND child = MakeChild(top, {10, 10, 50, 40});
    Pump();

    HDC dc = GetDC(child);
    ASSERT_NE(dc, nullptr);
    GpGraphics* graphics = nullptr;
    ASSERT_EQ(GdipCreateFromHDC(dc, &graphics), Ok);
    GdipSetCompositingMode(graphics, CompositingModeSourceCopy);
    GpSolidFill* brush = nullptr;
    GdipCreateSolidFill(0xFF0000FF, &brush);
    ASSERT_EQ(GdipFillRectangle(graphics, brush, -10.5f, -10.5f, 200, 200), Ok);
    GdipDeleteBrush(brush);
    GdipDeleteGraphics(graphics);
    EXPECT_EQ(ReleaseDC(top, dc), 0) << "not that window's context";
    EXPECT_EQ(ReleaseDC(child, dc), 1);

    EXPECT_EQ(platform::testing::PixelAt(child, 0, 0), RGB(0, 0, 255));
    EXPECT_EQ(platform::testing::PixelAt(child, 39, 29), RGB(0, 0, 255));
    EXPECT_NE(platform::testing::PixelAt(top, 9, 9), RGB(0, 0, 255)) << "outside the child";
    EXPECT_NE(platform::testing::PixelAt(top, 50, 40), RGB(0, 0, 255));
}

TEST_F(GdiWindowContext, BitBltCopiesAMemoryBitmapOntoTheWindow)
{
    HWND top = MakeTop({0, 0, 120, 100});
    Pump();
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    static_cast<std::uint32_t*>(bits)[0] = 0x00102030;  // cleared alpha shows as the colour
    static_cast<std::uint32_t*>(bits)[1] = 0xFFFFFFFF;
    HDC memory = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(memory, bitmap);

    HDC dc = GetDC(top);
    ASSERT_TRUE(BitBlt(dc, 5, 6, 2, 1, memory, 0, 0, SRCCOPY));
    ReleaseDC(top, dc);
    EXPECT_EQ(platform::testing::PixelAt(top, 5, 6), RGB(0x10, 0x20, 0x30));
    EXPECT_EQ(platform::testing::PixelAt(top, 6, 6), RGB(255, 255, 255));

    SelectObject(memory, old);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

}  // namespace
}  // namespace display_test
