// The framework's image: creation, counted locks and its Windows copies.
#include "framework/ui/HfcBmp.h"

#include "dc_fixture.h"
#include "png_fixture.h"

#include <platform/testing/gdi.h>

#include <gtest/gtest.h>

namespace {

using platform::testing::GdiplusRecording;

TEST(Bitmap, CreateMakesATransparentImageAndReleaseEmptiesIt)
{
    CHfcBmp bitmap;
    ASSERT_TRUE(bitmap.Create(3, 2));
    EXPECT_EQ(bitmap.GetWidth(), 3);
    EXPECT_EQ(bitmap.GetHeight(), 2);
    EXPECT_EQ(ui_test::Pixels(bitmap), std::vector<std::uint32_t>(6, 0u));
    EXPECT_EQ(bitmap.Release(), 0);
    EXPECT_EQ(bitmap.GetWidth(), 0);
    EXPECT_EQ(bitmap.LockBits(), nullptr) << "an empty image has no pixels";
    EXPECT_TRUE(bitmap.Create(0, 5)) << "an empty image is a valid request";
    EXPECT_EQ(bitmap.GetWidth(), 0);
}

TEST(Bitmap, OnlyTheOutermostUnlockUnlocks)
{
    CHfcBmp bitmap;
    bitmap.Create(2, 2);
    GdiplusRecording recording;
    BYTE* first = bitmap.LockBits();
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(bitmap.LockBits(), first);
    EXPECT_EQ(bitmap.GetStride(), 8);
    bitmap.UnlockBits();
    EXPECT_TRUE(recording.CallsOf("GdipBitmapUnlockBits").empty()) << "still held by the outer lock";
    bitmap.UnlockBits();
    bitmap.UnlockBits();
    EXPECT_EQ(recording.CallsOf("GdipBitmapLockBits").size(), 1u);
    EXPECT_EQ(recording.CallsOf("GdipBitmapUnlockBits").size(), 1u) << "a third unlock does nothing";
}

TEST(Bitmap, ASubBitmapIsZeroWhereTheAreaLeavesTheImage)
{
    CHfcBmp bitmap;
    std::vector<std::uint32_t> pixels(16);
    for (std::uint32_t i = 0; i < 16; ++i)
        pixels[i] = 0x80000000u | i;
    bitmap.Create(4, 4);
    ui_test::Fill(bitmap, pixels);

    HBITMAP copy = bitmap.CreateWin32SubBitmap(-2, 0, 10, 10);
    ASSERT_NE(copy, nullptr);
    ui_test::MemoryCanvas canvas(10, 10, 0xDEADBEEF);
    canvas.CopyFrom(copy, 10, 10);
    for (int y = 0; y < 10; ++y) {
        for (int x = 0; x < 10; ++x) {
            const bool inside = x >= 2 && x < 6 && y < 4;
            EXPECT_EQ(canvas.At(x, y), inside ? pixels[y * 4 + x - 2] : 0u) << x << "," << y;
        }
    }
    bitmap.DeleteWin32Bitmap();
}

TEST(Bitmap, OnlyOneWindowsCopyAtATime)
{
    CHfcBmp bitmap;
    ui_test::MakeSolid(bitmap, 3, 2, 0x11223344);
    HBITMAP whole = bitmap.CreateWin32Bitmap();
    ASSERT_NE(whole, nullptr);
    EXPECT_EQ(bitmap.CreateWin32Bitmap(), nullptr);
    EXPECT_EQ(bitmap.CreateWin32SubBitmap(0, 0, 1, 1), nullptr);

    ui_test::MemoryCanvas canvas(3, 2);
    canvas.CopyFrom(whole, 3, 2);
    EXPECT_EQ(canvas.At(2, 1), 0x11223344u) << "the first copy is kept";

    bitmap.DeleteWin32Bitmap();
    HBITMAP again = bitmap.CreateWin32Bitmap();
    EXPECT_NE(again, nullptr);
    bitmap.Release();
    EXPECT_NE(bitmap.CreateWin32SubBitmap(0, 0, 1, 1), nullptr) << "Release deleted the copy";
}

}  // namespace
