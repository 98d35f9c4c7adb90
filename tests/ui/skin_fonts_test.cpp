// The bitmap fonts: 128 cells in one column, filler and caret where the
// text controls expect them, every printable character drawn.
#include "skin_png.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using skin_test::DecodeResource;
using skin_test::Image;

struct Font
{
    const char* name;
    int cellWidth, cellHeight;
    bool backed;  // opaque cells for selection or field backing
};

constexpr Font kFonts[] = {
    {"LcdChar", 6, 9, false},
    {"LcdCharDim", 6, 9, false},
    {"LcdCharSelected", 6, 9, true},
    {"LcdCharBack", 6, 9, true},
    {"LcdCharWhite", 6, 9, false},
    {"LcdCharWhiteDim", 6, 9, false},
    {"LcdCharWhiteSelected", 6, 9, true},
    {"LcdCharWhiteBack", 6, 9, true},
    {"LcdCharLarge", 7, 11, false},
    {"LcdCharLargeDim", 7, 11, false},
    {"LcdCharLargeSelected", 7, 11, true},
    {"LcdCharLargeWhite", 7, 11, false},
    {"LcdCharLargeWhiteDim", 7, 11, false},
    {"LcdCharLargeWhiteSelected", 7, 11, true},
    {"LcdCharStrong", 6, 9, false},
    {"LcdCharStrongDim", 6, 9, false},
};

bool CellsEqual(const Image& image, const Font& font, int a, int b)
{
    for (int y = 0; y < font.cellHeight; ++y) {
        for (int x = 0; x < font.cellWidth; ++x) {
            if (image.At(x, a * font.cellHeight + y) != image.At(x, b * font.cellHeight + y))
                return false;
        }
    }
    return true;
}

// Rows of a cell that hold a pixel other than the cell's backing.
bool InkInRows(const Image& image, const Font& font, int code, int fromRow, int toRow)
{
    const std::uint32_t backing = image.At(font.cellWidth - 1, code * font.cellHeight);
    for (int y = fromRow; y < toRow; ++y) {
        for (int x = 0; x < font.cellWidth; ++x) {
            if (image.At(x, code * font.cellHeight + y) != backing)
                return true;
        }
    }
    return false;
}

TEST(SkinFonts, CaretIsABarInTheFirstColumnOnly)
{
    for (const Font& font : kFonts) {
        SCOPED_TRACE(font.name);
        const auto image = DecodeResource(font.name);
        ASSERT_TRUE(image);
        ASSERT_EQ(image->height, font.cellHeight * 128);
        for (int y = 0; y < font.cellHeight; ++y) {
            EXPECT_EQ(image->At(0, font.cellHeight + y) >> 24, 0xFFu);
            for (int x = 1; x < font.cellWidth; ++x)
                EXPECT_EQ(image->At(x, font.cellHeight + y) >> 24, 0u) << x << "," << y;
        }
    }
}

TEST(SkinFonts, FillerIsClearOrTheBackingAndUnusedCodesMatchIt)
{
    for (const Font& font : kFonts) {
        SCOPED_TRACE(font.name);
        const auto image = DecodeResource(font.name);
        ASSERT_TRUE(image);
        for (int y = 0; y < font.cellHeight; ++y) {
            for (int x = 0; x < font.cellWidth; ++x)
                EXPECT_EQ(image->At(x, y) >> 24, font.backed ? 0xFFu : 0u);
        }
        for (int code : {2, 10, 31, 32, 127})
            EXPECT_TRUE(CellsEqual(*image, font, 0, code)) << "code " << code;
    }
}

TEST(SkinFonts, EveryPrintableCharacterIsDrawnAndDistinct)
{
    for (const Font& font : kFonts) {
        SCOPED_TRACE(font.name);
        const auto image = DecodeResource(font.name);
        ASSERT_TRUE(image);
        for (int code = 33; code <= 126; ++code) {
            EXPECT_FALSE(CellsEqual(*image, font, 0, code)) << "code " << code << " is blank";
            for (int other = 33; other < code; ++other)
                EXPECT_FALSE(CellsEqual(*image, font, other, code)) << "codes " << other << " and " << code;
        }
    }
}

TEST(SkinFonts, OnlyDescendersReachBelowTheBody)
{
    for (const Font& font : kFonts) {
        SCOPED_TRACE(font.name);
        const auto image = DecodeResource(font.name);
        ASSERT_TRUE(image);
        const int body = font.cellHeight - 2;
        for (char c : std::string("gjpqy,;"))
            EXPECT_TRUE(InkInRows(*image, font, c, body, font.cellHeight)) << c;
        for (char c : std::string("AZaz09:+"))
            EXPECT_FALSE(InkInRows(*image, font, c, body, font.cellHeight)) << c;
        // the last column is spacing
        for (int code = 33; code <= 126; ++code) {
            const std::uint32_t backing = image->At(font.cellWidth - 1, 0);
            for (int y = 0; y < font.cellHeight; ++y)
                EXPECT_EQ(image->At(font.cellWidth - 1, code * font.cellHeight + y), backing) << "code " << code;
        }
    }
}

}  // namespace
