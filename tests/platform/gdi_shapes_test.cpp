// Shapes drawn on bitmaps: where their pixels land, angle direction,
// smoothed and aliased edges, pie clips and clearing.
#include "gdi_pixels.h"

namespace gdi_test {
namespace {

constexpr std::uint32_t kInk = 0xFF102030;

TEST(GdiShapes, RectanglesCoverWholePixelsWithCentresOnIntegers)
{
    for (SmoothingMode smoothing : {SmoothingModeNone, SmoothingModeAntiAlias}) {
        SCOPED_TRACE(smoothing);
        ImageCanvas canvas(12, 12, smoothing);
        GdipSetSolidFillColor(canvas.brush, kInk);
        GdipSetPenColor(canvas.pen, kInk);
        ASSERT_EQ(GdipFillRectangle(canvas.graphics, canvas.brush, 0.5f, 0.5f, 4.0f, 3.0f), Ok);
        ASSERT_EQ(GdipDrawRectangle(canvas.graphics, canvas.pen, 5.0f, 5.0f, 6.0f, 6.0f), Ok);
        for (int y = 0; y < 12; ++y)
            for (int x = 0; x < 12; ++x) {
                bool filled = x >= 1 && x <= 4 && y >= 1 && y <= 3;
                bool outline = (x == 5 || x == 11) && y >= 5 && y <= 11;
                outline = outline || ((y == 5 || y == 11) && x >= 5 && x <= 11);
                EXPECT_EQ(canvas.Pixel(x, y), filled || outline ? kInk : 0u) << x << "," << y;
            }
    }
}

TEST(GdiShapes, SmoothedEdgesArePartlyCovered)
{
    ImageCanvas canvas(6, 2, SmoothingModeAntiAlias);
    GdipSetSolidFillColor(canvas.brush, kInk);
    ASSERT_EQ(GdipFillRectangle(canvas.graphics, canvas.brush, 0.0f, -0.5f, 4.0f, 1.0f), Ok);
    EXPECT_TRUE(Near(canvas.Pixel(0, 0), 0x80102030, 2)) << "half of the first pixel";
    EXPECT_EQ(canvas.Pixel(2, 0), kInk);
    EXPECT_TRUE(Near(canvas.Pixel(4, 0), 0x80102030, 2)) << "half of the last";
    EXPECT_EQ(canvas.Pixel(5, 0), 0u);
    EXPECT_EQ(canvas.Pixel(2, 1), 0u);
}

// A circle of radius 10 around (20, 20); pixels well inside each quadrant.
struct Quadrants
{
    bool lowerRight, lowerLeft, upperLeft, upperRight;
};
Quadrants Covered(ImageCanvas& canvas)
{
    return {canvas.Pixel(25, 25) != 0, canvas.Pixel(15, 25) != 0, canvas.Pixel(15, 15) != 0, canvas.Pixel(25, 15) != 0};
}

TEST(GdiShapes, PiesTurnClockwiseWithYDownAndBackForNegativeSweeps)
{
    struct Case
    {
        float start, sweep;
        Quadrants expected;
    };
    const Case cases[] = {
        {0, 90, {true, false, false, false}},   {0, -90, {false, false, false, true}},
        {180, 90, {false, false, true, false}}, {90, 180, {false, true, true, false}},
        {-90, 90, {false, false, false, true}}, {45, 360, {true, true, true, true}},
        {300, 720, {true, true, true, true}},   {10, 0, {false, false, false, false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "start " << c.start << " sweep " << c.sweep);
        ImageCanvas canvas(40, 40, SmoothingModeAntiAlias);
        GdipSetSolidFillColor(canvas.brush, kInk);
        ASSERT_EQ(GdipFillPie(canvas.graphics, canvas.brush, 10, 10, 20, 20, c.start, c.sweep), Ok);
        Quadrants q = Covered(canvas);
        EXPECT_EQ(q.lowerRight, c.expected.lowerRight);
        EXPECT_EQ(q.lowerLeft, c.expected.lowerLeft);
        EXPECT_EQ(q.upperLeft, c.expected.upperLeft);
        EXPECT_EQ(q.upperRight, c.expected.upperRight);
        if (c.expected.lowerRight) {
            EXPECT_EQ(canvas.Pixel(25, 25), kInk) << "inside is solid";
        }
    }
}

TEST(GdiShapes, PieEdgesAreSmoothOnlyWhenAskedFor)
{
    // (27, 27) lies on the circle's edge.
    for (SmoothingMode smoothing : {SmoothingModeNone, SmoothingModeHighQuality, SmoothingModeAntiAlias}) {
        SCOPED_TRACE(smoothing);
        ImageCanvas canvas(40, 40, smoothing);
        GdipFillPie(canvas.graphics, canvas.brush, 10, 10, 20, 20, 0, 90);
        const int alpha = Channel(canvas.Pixel(27, 27), 24);
        if (smoothing == SmoothingModeNone)
            EXPECT_TRUE(alpha == 0 || alpha == 255) << alpha;
        else
            EXPECT_TRUE(alpha > 0 && alpha < 255) << alpha;
    }
}

TEST(GdiShapes, ArcsFollowTheCircleInTheSweepsDirection)
{
    struct Case
    {
        float sweep;
        bool below, above;  // points at 30 degrees below and above the x axis
    };
    for (const Case& c : {Case{90, true, false}, Case{-90, false, true}}) {
        SCOPED_TRACE(c.sweep);
        ImageCanvas canvas(40, 40);
        GdipSetPenWidth(canvas.pen, 2.0f);
        ASSERT_EQ(GdipDrawArc(canvas.graphics, canvas.pen, 10, 10, 20, 20, 0, c.sweep), Ok);
        EXPECT_EQ(canvas.Pixel(29, 25) != 0, c.below);
        EXPECT_EQ(canvas.Pixel(29, 15) != 0, c.above);
        EXPECT_EQ(canvas.Pixel(20, 20), 0u) << "an arc is not a pie";
        EXPECT_EQ(canvas.Pixel(10, 20), 0u);
    }
}

TEST(GdiShapes, ClearInAPieClipTakesPixelsWhoseCentresAreInside)
{
    ImageCanvas canvas(40, 40, SmoothingModeAntiAlias);
    canvas.Fill(kInk, 40, 40);
    GpPath* path = nullptr;
    ASSERT_EQ(GdipCreatePath(FillModeAlternate, &path), Ok);
    GdipAddPathPie(path, 10, 10, 20, 20, 0, 90);
    ASSERT_EQ(GdipSetClipPath(canvas.graphics, path, CombineModeReplace), Ok);
    GdipDeletePath(path);
    ASSERT_EQ(GdipGraphicsClear(canvas.graphics, 0), Ok);

    EXPECT_EQ(canvas.Pixel(27, 27), 0u) << "centre 9.9 from the middle";
    EXPECT_EQ(canvas.Pixel(28, 27), kInk) << "centre 10.6 from the middle";
    EXPECT_EQ(canvas.Pixel(15, 25), kInk);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            std::uint32_t p = canvas.Pixel(x, y);
            EXPECT_TRUE(p == 0 || p == kInk) << "the clip has no partial pixels at " << x << "," << y;
        }

    GdipSetSolidFillColor(canvas.brush, 0xFFFFFFFF);
    GdipFillRectangle(canvas.graphics, canvas.brush, -0.5f, -0.5f, 40, 40);
    EXPECT_EQ(canvas.Pixel(25, 25), 0xFFFFFFFFu) << "drawing keeps to the clip";
    EXPECT_EQ(canvas.Pixel(15, 15), kInk);

    ASSERT_EQ(GdipResetClip(canvas.graphics), Ok);
    ASSERT_EQ(GdipGraphicsClear(canvas.graphics, 0x12345678), Ok);
    EXPECT_EQ(canvas.Pixel(0, 0), 0x12345678u) << "cleared exactly, not blended";
    EXPECT_EQ(canvas.Pixel(39, 39), 0x12345678u);
}

TEST(GdiShapes, EmptyEllipsesDrawNothing)
{
    ImageCanvas canvas(10, 10, SmoothingModeAntiAlias);
    EXPECT_EQ(GdipFillPie(canvas.graphics, canvas.brush, 5, 5, 0, 4, 0, 90), Ok);
    EXPECT_EQ(GdipDrawArc(canvas.graphics, canvas.pen, 5, 5, 4, -1, 0, 90), Ok);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            EXPECT_EQ(canvas.Pixel(x, y), 0u);
}

TEST(GdiShapes, EllipseAnglesAreThoseOfThePointsThemselves)
{
    // A 60 x 20 ellipse around (30, 10). Taking 45 degrees as the ellipse's
    // parameter would end the pie on the ray at 18 degrees.
    ImageCanvas canvas(60, 21, SmoothingModeAntiAlias);
    ASSERT_EQ(GdipFillPie(canvas.graphics, canvas.brush, 0, 0, 60, 20, 0, 45), Ok);
    EXPECT_NE(canvas.Pixel(40, 16), 0u) << "at 31 degrees";
    EXPECT_EQ(canvas.Pixel(34, 17), 0u) << "at 60 degrees";
}

}  // namespace
}  // namespace gdi_test
