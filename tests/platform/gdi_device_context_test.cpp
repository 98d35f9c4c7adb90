// Memory device contexts, DIB sections, selection and BitBlt copies.
#include "gdi_pixels.h"

#include <platform/kernel.h>

namespace gdi_test {
namespace {

BITMAPINFO Header(LONG width, LONG height, WORD bits = 32, DWORD compression = BI_RGB)
{
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, bits, compression, 0, 0, 0, 0, 0};
    return info;
}

TEST(GdiDibSection, StartsZeroedAndTopDown)
{
    MemoryCanvas canvas(3, 2);
    ASSERT_NE(canvas.bits, nullptr);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(canvas.bits[i], 0u);
}

TEST(GdiDibSection, RefusesLayoutsItCannotHold)
{
    struct Case
    {
        const char* what;
        BITMAPINFO info;
    };
    for (const Case& c : {Case{"bottom-up rows", Header(4, 4)}, Case{"24 bits", Header(4, -4, 24)},
                          Case{"compressed", Header(4, -4, 32, 3)}, Case{"no width", Header(0, -4)},
                          Case{"huge", Header(1 << 16, -(1 << 16))}}) {
        SCOPED_TRACE(c.what);
        void* bits = reinterpret_cast<void*>(1);
        EXPECT_EQ(CreateDIBSection(nullptr, &c.info, DIB_RGB_COLORS, &bits, nullptr, 0), nullptr);
        EXPECT_EQ(bits, nullptr);
        EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
    }
}

TEST(GdiSelection, ABitmapLivesInOneContextAndOutlivesIt)
{
    BITMAPINFO info = Header(2, -2);
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, nullptr, nullptr, 0);
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(nullptr);

    HGDIOBJ stock = SelectObject(first, bitmap);
    ASSERT_NE(stock, nullptr) << "a new context holds a stock bitmap";
    EXPECT_EQ(SelectObject(second, bitmap), nullptr) << "already selected elsewhere";
    EXPECT_FALSE(DeleteObject(bitmap)) << "still selected";
    EXPECT_EQ(SelectObject(first, stock), bitmap);
    EXPECT_EQ(SelectObject(second, bitmap), stock) << "free again once deselected";

    EXPECT_TRUE(DeleteDC(second));
    EXPECT_TRUE(DeleteObject(bitmap)) << "deleting the context released the bitmap";
    EXPECT_FALSE(DeleteObject(bitmap)) << "gone";
    EXPECT_TRUE(DeleteDC(first));
    EXPECT_FALSE(DeleteDC(first));
}

class GdiBitBlt : public ::testing::Test
{
protected:
    GdiBitBlt() : source(4, 3), target(6, 5)
    {
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x)
                source.Pixel(x, y) = std::uint32_t(y << 24 | x);  // the row in the alpha byte
        for (int i = 0; i < 30; ++i)
            target.bits[i] = 0xFFEEEEEE;
    }
    // Which source pixel, if any, each target pixel now holds.
    std::vector<std::string> Picture()
    {
        std::vector<std::string> rows;
        for (int y = 0; y < 5; ++y) {
            std::string row;
            for (int x = 0; x < 6; ++x) {
                std::uint32_t p = target.Pixel(x, y);
                row += p == 0xFFEEEEEE ? '.' : char('a' + (p & 0xFF) + 4 * (p >> 24));
            }
            rows.push_back(row);
        }
        return rows;
    }
    MemoryCanvas source;
    MemoryCanvas target;
};

TEST_F(GdiBitBlt, CopiesWholePixelsWithinBothBuffers)
{
    struct Case
    {
        int x, y, width, height, sourceX, sourceY;
        std::vector<std::string> picture;
    };
    const Case cases[] = {
        {1, 1, 2, 2, 1, 0, {"......", ".bc...", ".fg...", "......", "......"}},
        {3, 3, 4, 3, 0, 0, {"......", "......", "......", "...abc", "...efg"}},
        {0, 0, 6, 5, 2, 1, {"gh....", "kl....", "......", "......", "......"}},
        {-1, -1, 3, 3, 0, 0, {"fg....", "jk....", "......", "......", "......"}},
        {0, 0, 2, 2, -1, 0, {".a....", ".e....", "......", "......", "......"}},
        {0, 0, 0, 3, 0, 0, {"......", "......", "......", "......", "......"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << "," << c.y << " " << c.width << "x" << c.height << " from "
                                          << c.sourceX << "," << c.sourceY);
        for (int i = 0; i < 30; ++i)
            target.bits[i] = 0xFFEEEEEE;
        EXPECT_TRUE(BitBlt(target.context, c.x, c.y, c.width, c.height, source.context, c.sourceX, c.sourceY, SRCCOPY));
        EXPECT_EQ(Picture(), c.picture);
    }
}

TEST_F(GdiBitBlt, KeepsAlphaAndColourExactly)
{
    source.Pixel(0, 0) = 0x00000000;
    source.Pixel(1, 0) = 0x80FF7F01;
    ASSERT_TRUE(BitBlt(target.context, 0, 0, 2, 1, source.context, 0, 0, SRCCOPY));
    EXPECT_EQ(target.Pixel(0, 0), 0x00000000u) << "a cleared pixel shows black, never blended";
    EXPECT_EQ(target.Pixel(1, 0), 0x80FF7F01u);
}

TEST_F(GdiBitBlt, RefusesOtherOperationsAndUnknownContexts)
{
    EXPECT_FALSE(BitBlt(target.context, 0, 0, 2, 2, source.context, 0, 0, 0x00EE0086));
    EXPECT_FALSE(BitBlt(target.context, 0, 0, 2, 2, reinterpret_cast<HDC>(source.bitmap), 0, 0, SRCCOPY));
    EXPECT_EQ(Picture()[0], "......");
}

TEST_F(GdiBitBlt, ScrollsWithinOneBufferWithoutSmearing)
{
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            target.Pixel(x, y) = y;
    ASSERT_TRUE(BitBlt(target.context, 0, 1, 6, 4, target.context, 0, 0, SRCCOPY));
    for (int y = 1; y < 5; ++y)
        EXPECT_EQ(target.Pixel(3, y), std::uint32_t(y - 1)) << "row " << y;
}

}  // namespace
}  // namespace gdi_test
