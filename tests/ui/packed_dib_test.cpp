// Windows bitmap resources converted to the framework's image.
#include "framework/ui/HfcPackedDib.h"

#include "framework/ui/HfcBmp.h"

#include "png_fixture.h"

#include <platform/gdi.h>
#include <platform/testing/gdi.h>

#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>

namespace {

// A header for a 2 x 2 image (or of the given width) followed by the given bytes.
std::vector<BYTE> Dib(int height, WORD bitCount, DWORD coloursUsed, const std::vector<BYTE>& body, int width = 2)
{
    const BITMAPINFOHEADER header{
        sizeof(BITMAPINFOHEADER), width, height, 1, bitCount, BI_RGB, 0, 0, 0, coloursUsed, 0};
    std::vector<BYTE> dib(sizeof header);
    std::memcpy(dib.data(), &header, sizeof header);
    dib.insert(dib.end(), body.begin(), body.end());
    return dib;
}

struct DibCase
{
    const char* name;
    std::vector<BYTE> dib;
    std::vector<std::uint32_t> pixels;  // top row first
};

TEST(PackedDib, ConvertsEachDepthTopRowFirst)
{
    // Palette entries are blue, green, red, unused; rows are bottom-up and
    // padded to 4 bytes.
    const std::vector<BYTE> twoColours{0x30, 0x20, 0x10, 0, 0xF0, 0xE0, 0xD0, 0};
    std::vector<BYTE> fullPalette(1024);
    std::memcpy(fullPalette.data(), twoColours.data(), twoColours.size());
    auto with = [](std::vector<BYTE> head, const std::vector<BYTE>& tail) {
        head.insert(head.end(), tail.begin(), tail.end());
        return head;
    };
    const DibCase cases[] = {
        {"8 bits, two colours used",
         Dib(2, 8, 2, with(twoColours, {0, 1, 0, 0, 1, 1, 0, 0})),
         {0xFFD0E0F0, 0xFFD0E0F0, 0xFF102030, 0xFFD0E0F0}},
        {"8 bits, whole palette",
         Dib(2, 8, 0, with(fullPalette, {1, 0, 0, 0, 0, 0, 0, 0})),
         {0xFF102030, 0xFF102030, 0xFFD0E0F0, 0xFF102030}},
        {"24 bits",
         Dib(2, 24, 0, {1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0}),
         {0xFF090807, 0xFF0C0B0A, 0xFF030201, 0xFF060504}},
        {"32 bits keep their alpha",
         Dib(2, 32, 0, {1, 2, 3, 0x40, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12, 13, 14}),
         {0x0A090807, 0x0E0D0C0B, 0x40030201, 0x00060504}},
        {"32 bits stored top-down",
         Dib(-2, 32, 0, {1, 2, 3, 0x40, 4, 5, 6, 0, 7, 8, 9, 10, 11, 12, 13, 14}),
         {0x40030201, 0x00060504, 0x0A090807, 0x0E0D0C0B}},
        {"4 bits stay transparent", Dib(2, 4, 0, std::vector<BYTE>(72)), {0, 0, 0, 0}},
        {"a palette before 24 bits stays transparent", Dib(2, 24, 2, std::vector<BYTE>(24)), {0, 0, 0, 0}},
    };
    for (const DibCase& c : cases) {
        SCOPED_TRACE(c.name);
        CHfcBmp bitmap;
        ASSERT_TRUE(ConvertPackedDib(c.dib.data(), c.dib.size(), bitmap));
        EXPECT_EQ(bitmap.GetWidth(), 2);
        EXPECT_EQ(bitmap.GetHeight(), 2);
        EXPECT_EQ(ui_test::Pixels(bitmap), c.pixels);
    }
}

TEST(PackedDib, RefusesDataShorterThanItsRows)
{
    const std::vector<BYTE> whole = Dib(2, 24, 0, std::vector<BYTE>(16));
    for (std::size_t length : {std::size_t{10}, whole.size() - 1}) {
        SCOPED_TRACE(length);
        const std::vector<BYTE> cut(whole.begin(), whole.begin() + length);
        CHfcBmp bitmap;
        EXPECT_FALSE(ConvertPackedDib(cut.data(), cut.size(), bitmap));
        EXPECT_EQ(bitmap.GetWidth(), 0);
    }
    const std::vector<BYTE> shortPalette = Dib(2, 8, 0, std::vector<BYTE>(100));
    CHfcBmp bitmap;
    EXPECT_FALSE(ConvertPackedDib(shortPalette.data(), shortPalette.size(), bitmap));
}

TEST(PackedDib, RefusesADamagedHeaderBeforeMakingTheImage)
{
    struct Case
    {
        const char* name;
        std::vector<BYTE> dib;
    };
    const Case cases[] = {
        {"24-bit rows the data does not hold", Dib(-16777215, 24, 0, {}, 4)},
        {"no rows at all", Dib(0, 24, 0, std::vector<BYTE>(16))},
        {"the most negative height", Dib(INT_MIN, 32, 0, std::vector<BYTE>(16))},
        {"wider than any image", Dib(1, 4, 0, std::vector<BYTE>(16), 8193)},
        {"more pixels than any image", Dib(4097, 4, 0, std::vector<BYTE>(16), 4096)},
        {"a palette past the data", Dib(1, 8, 0xFFFF, std::vector<BYTE>(64))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        platform::testing::GdiplusRecording recording;
        CHfcBmp bitmap;
        EXPECT_FALSE(ConvertPackedDib(c.dib.data(), c.dib.size(), bitmap));
        EXPECT_EQ(bitmap.GetWidth(), 0);
        EXPECT_TRUE(recording.CallsOf("GdipCreateBitmapFromScan0").empty());
    }
}

}  // namespace
