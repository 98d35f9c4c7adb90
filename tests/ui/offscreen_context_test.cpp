// The offscreen context: bit-exact integer blends of bitmaps into its
// buffer, their clipping, scrolling, clearing and resizing.
#include "framework/ui/HfcOffscreenContext.h"

#include "framework/ui/HfcBmp.h"

#include "dc_fixture.h"
#include "png_fixture.h"

#include <platform/testing/gdi.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using platform::testing::GdiplusRecording;
using Pixels = std::vector<std::uint32_t>;

// Pixels numbered from 1, row by row, so every move shows.
Pixels Numbered(int width, int height, std::uint32_t base = 0xFF000000)
{
    Pixels pixels;
    for (int i = 0; i < width * height; ++i)
        pixels.push_back(base + std::uint32_t(i) + 1);
    return pixels;
}

TEST(OffscreenBlend, PixelCasesAreBitExact)
{
    enum class Op
    {
        Blend,
        Opacity,
        Lighten
    };
    struct Case
    {
        const char* name;
        Op op;
        float opacity;
        std::uint32_t source, destination, expected;
    };
    const Case cases[] = {
        {"opaque source replaces", Op::Blend, 0, 0xFF102030, 0x12345678, 0xFF102030},
        {"transparent black over white", Op::Blend, 0, 0x00000000, 0x80FFFFFF, 0x81FEFEFE},
        {"transparent colour over white", Op::Blend, 0, 0x00123456, 0x80FFFFFF, 0x81FFFFFF},
        {"transparent over transparent", Op::Blend, 0, 0x00000000, 0x00000000, 0x01000000},
        {"half red over black", Op::Blend, 0, 0x80FF0000, 0xFF000000, 0xFF810000},
        {"half opacity truncates 127.5", Op::Opacity, 0.5f, 0xFFFFFFFF, 0xFF000000, 0xFF808080},
        {"full opacity is a plain blend", Op::Opacity, 1.0f, 0x80FF0000, 0xFF000000, 0xFF810000},
        {"no opacity acts as transparent", Op::Opacity, 0.0f, 0xFFFFFFFF, 0x80000000, 0x81010101},
        {"opacity beyond 1 stays opaque", Op::Opacity, 2.0f, 0xFF102030, 0x12345678, 0xFF102030},
        {"lighten keeps the larger bytes", Op::Lighten, 0, 0x80102030, 0x40302010, 0x80302030},
        {"lighten skips a transparent source", Op::Lighten, 0, 0x00FFFFFF, 0x40302010, 0x40302010},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHfcBmp source;
        ui_test::MakeSolid(source, 1, 1, c.source);
        CHfcOffscreenContext context(1, 1);
        ui_test::Fill(*context.GetBitmap(), {c.destination});
        switch (c.op) {
        case Op::Blend: context.DrawBitmap(0, 0, 1, 1, &source, 0, 0); break;
        case Op::Opacity: context.DrawBitmapAlpha(0, 0, 1, 1, &source, c.opacity, 0, 0); break;
        case Op::Lighten: context.DrawBitmapLighten(0, 0, 1, 1, &source, 0, 0); break;
        }
        EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), Pixels{c.expected});
    }
}

TEST(OffscreenBlend, CopiesAreClippedToBothBitmaps)
{
    struct Case
    {
        const char* name;
        int x, y, width, height, sourceX, sourceY;
    };
    const Case cases[] = {
        {"inside", 1, 1, 2, 2, 0, 0},
        {"left of the buffer", -5, 0, 10, 4, 0, 0},
        {"above the buffer", 0, -2, 4, 4, 1, 0},
        {"past the right and bottom", 2, 3, 10, 10, 0, 0},
        {"source before its start", 0, 0, 4, 4, -3, -1},
        {"source past its end", 0, 0, 4, 4, 4, 3},
        {"nothing left", 6, 0, 2, 2, 0, 0},
    };
    // A 6 x 4 buffer and a 6 x 4 source: every destination pixel whose
    // source lies inside both takes that source pixel.
    const Pixels source = Numbered(6, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHfcBmp bitmap;
        bitmap.Create(6, 4);
        ui_test::Fill(bitmap, source);
        CHfcOffscreenContext context(6, 4);
        context.DrawBitmap(c.x, c.y, c.width, c.height, &bitmap, c.sourceX, c.sourceY);

        Pixels expected(24, 0);
        for (int dy = 0; dy < c.height; ++dy) {
            for (int dx = 0; dx < c.width; ++dx) {
                const int x = c.x + dx, y = c.y + dy, sx = c.sourceX + dx, sy = c.sourceY + dy;
                if (x >= 0 && x < 6 && y >= 0 && y < 4 && sx >= 0 && sx < 6 && sy >= 0 && sy < 4)
                    expected[y * 6 + x] = source[sy * 6 + sx];
            }
        }
        EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), expected);
    }
}

TEST(OffscreenContext, ScrollMovesPixelsAndLeavesUncoveredOnesAlone)
{
    struct Case
    {
        const char* name;
        RECT rect;
        int dx, dy;
    };
    const Case cases[] = {
        {"down", {0, 0, 4, 6}, 0, 2},
        {"up", {0, 0, 4, 6}, 0, -2},
        {"right", {0, 0, 4, 6}, 1, 0},
        {"left", {0, 0, 4, 6}, -3, 0},
        {"diagonally inside", {1, 1, 3, 4}, 1, 1},
        {"up and left from an overhanging rectangle", {-2, -1, 9, 9}, -1, -2},
        {"off the buffer", {0, 0, 4, 6}, 0, 7},
    };
    const Pixels before = Numbered(4, 6);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHfcOffscreenContext context(4, 6);
        ui_test::Fill(*context.GetBitmap(), before);
        context.ScrollRect(&c.rect, c.dx, c.dy);
        // As if every pixel of the rectangle moved from a snapshot.
        Pixels expected = before;
        for (int y = std::max(0, int(c.rect.top)); y < std::min(6, int(c.rect.bottom)); ++y) {
            for (int x = std::max(0, int(c.rect.left)); x < std::min(4, int(c.rect.right)); ++x) {
                const int tx = x + c.dx, ty = y + c.dy;
                if (tx >= 0 && tx < 4 && ty >= 0 && ty < 6)
                    expected[ty * 4 + tx] = before[y * 4 + x];
            }
        }
        EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), expected);
    }
}

TEST(OffscreenContext, ClearingTruncatesTowardZeroAndClips)
{
    struct Case
    {
        const char* name;
        std::function<void(CHfcOffscreenContext&)> clear;
        int left, top, right, bottom;  // the pixels made transparent
    };
    const Case cases[] = {
        {"negative start", [](auto& c) { c.ClearRectangle(-2.7f, 0.0f, 10.0f, 1.0f); }, 0, 0, 8, 1},
        {"past the edges", [](auto& c) { c.ClearRectangle(10.9f, 1.0f, 5.0f, 1.9f); }, 10, 1, 12, 2},
        {"by rectangle",
         [](auto& c) {
             c.ClearRectangle(RECT{1, 0, 3, 3});
         },
         1, 0, 3, 3},
        {"by integers", [](auto& c) { c.ClearRectangle(-1, -1, 3, 2); }, 0, 0, 2, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CHfcOffscreenContext context(12, 3);
        ui_test::Fill(*context.GetBitmap(), Pixels(36, 0xFFFFFFFF));
        c.clear(context);
        Pixels expected(36, 0xFFFFFFFF);
        for (int y = c.top; y < c.bottom; ++y)
            for (int x = c.left; x < c.right; ++x)
                expected[y * 12 + x] = 0;
        EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), expected);
    }
}

TEST(OffscreenContext, DrawsShapesSmoothlyOverItsBuffer)
{
    GdiplusRecording recording;
    CHfcOffscreenContext context(4, 4);
    EXPECT_EQ(recording.Functions(),
              (std::vector<std::string>{"GdipCreateBitmapFromScan0", "GdipGetImageGraphicsContext",
                                        "GdipSetSmoothingMode", "GdipCreatePen1", "GdipCreateSolidFill"}))
        << "no source-copy compositing here";
    EXPECT_EQ(recording.CallsOf("GdipSetSmoothingMode")[0].args, (std::vector<float>{SmoothingModeAntiAlias}));
    EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), Pixels(16, 0)) << "the buffer starts transparent";
}

TEST(OffscreenContext, AfterAResizeShapesLandOnTheNewBuffer)
{
    for (int size : {4, 0}) {
        SCOPED_TRACE(size);
        CHfcOffscreenContext context(size, size);
        ui_test::Fill(*context.GetBitmap(), Pixels(size * size, 0xFF00FF00));
        ASSERT_TRUE(context.Resize(6, 3));
        EXPECT_EQ(context.GetBitmap()->GetWidth(), 6);
        EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), Pixels(18, 0)) << "the content is lost";
        context.SetFillColor(0xFFFF0000);
        EXPECT_EQ(context.FillRectangle(0, 0, 6, 3), Ok);
        EXPECT_EQ(ui_test::Pixels(*context.GetBitmap()), Pixels(18, 0xFFFF0000));
    }
}

TEST(OffscreenContext, AFailedPartLeavesOutTheOnesAfterIt)
{
    struct Case
    {
        const char* failing;
        std::vector<std::string> made;
    };
    const Case cases[] = {
        {"GdipCreateBitmapFromScan0", {"GdipCreateBitmapFromScan0"}},
        {"GdipGetImageGraphicsContext", {"GdipCreateBitmapFromScan0", "GdipGetImageGraphicsContext"}},
        {"GdipCreatePen1",
         {"GdipCreateBitmapFromScan0", "GdipGetImageGraphicsContext", "GdipSetSmoothingMode", "GdipCreatePen1"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        GdiplusRecording recording;
        recording.FailNext(c.failing, OutOfMemory);
        CHfcOffscreenContext context(4, 4);
        EXPECT_EQ(recording.Functions(), c.made);
        EXPECT_NE(context.FillRectangle(0, 0, 2, 2), Ok);
    }
}

TEST(OffscreenContext, CopiesBlendIntoOffscreenTargetsAndCopyOntoDeviceContexts)
{
    CHfcOffscreenContext layer(2, 1);
    ui_test::Fill(*layer.GetBitmap(), {0x00000000, 0x80FF0000});

    CHfcOffscreenContext composite(3, 1);
    ui_test::Fill(*composite.GetBitmap(), {0xFF000000, 0xFF000000, 0xFF000000});
    layer.CopyTo(&composite, 1, 0, 2, 1, 0, 0);
    EXPECT_EQ(ui_test::Pixels(*composite.GetBitmap()), (Pixels{0xFF000000, 0xFF000000, 0xFF810000}));

    ui_test::MemoryCanvas screen(3, 1, 0xFF0000FF);
    CHfcDrawContext paint(screen.context);
    layer.CopyAllTo(&paint);
    EXPECT_EQ(screen.At(0, 0), 0x00000000u) << "a device context takes the pixels as they are";
    EXPECT_EQ(screen.At(1, 0), 0x80FF0000u);
    EXPECT_EQ(screen.At(2, 0), 0xFF0000FFu);
}

}  // namespace
