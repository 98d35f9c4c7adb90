// The drawing context on a device context: what it asks of the vector
// drawing calls, how it survives failed creations, and its bitmap copies.
#include "framework/ui/HfcDrawContext.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcOffscreenContext.h"

#include "dc_fixture.h"
#include "png_fixture.h"

#include <platform/testing/gdi.h>

#include <gtest/gtest.h>

#include <functional>
#include <numbers>
#include <string>
#include <vector>

namespace {

using platform::testing::GdiplusCall;
using platform::testing::GdiplusRecording;
using Functions = std::vector<std::string>;

constexpr float kPi = std::numbers::pi_v<float>;

void ExpectArgs(const GdiplusCall& call, const std::vector<float>& expected)
{
    ASSERT_EQ(call.args.size(), expected.size()) << call.function;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NEAR(call.args[i], expected[i], 1e-3f) << call.function << " argument " << i;
}

TEST(DrawContext, MakesSourceCopyGraphicsWithABlackPenAndBrush)
{
    ui_test::MemoryCanvas canvas(4, 4);
    GdiplusRecording recording;
    {
        CHfcDrawContext context(canvas.context);
    }
    EXPECT_EQ(recording.Functions(),
              (Functions{"GdipCreateFromHDC", "GdipSetCompositingMode", "GdipCreatePen1", "GdipCreateSolidFill",
                         "GdipDeleteBrush", "GdipDeletePen", "GdipDeleteGraphics"}));
    EXPECT_EQ(recording.CallsOf("GdipSetCompositingMode")[0].args, (std::vector<float>{CompositingModeSourceCopy}));
    const GdiplusCall pen = recording.CallsOf("GdipCreatePen1")[0];
    EXPECT_EQ(pen.color, 0xFF000000u);
    EXPECT_EQ(pen.args, (std::vector<float>{1.0f, float(UnitWorld)}));
    EXPECT_EQ(recording.CallsOf("GdipCreateSolidFill")[0].color, 0xFF000000u);
}

TEST(DrawContext, AFailedCreationLeavesOutThatObjectAndTheOnesAfterIt)
{
    struct Case
    {
        const char* failing;
        Functions made;
        GpStatus clear, fill, outline;
    };
    const Case cases[] = {
        {"GdipCreateFromHDC", {"GdipCreateFromHDC"}, InvalidParameter, InvalidParameter, InvalidParameter},
        {"GdipCreatePen1",
         {"GdipCreateFromHDC", "GdipSetCompositingMode", "GdipCreatePen1"},
         Ok,
         InvalidParameter,
         InvalidParameter},
        {"GdipCreateSolidFill",
         {"GdipCreateFromHDC", "GdipSetCompositingMode", "GdipCreatePen1", "GdipCreateSolidFill"},
         Ok,
         InvalidParameter,
         Ok},
    };
    ui_test::MemoryCanvas canvas(4, 4);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        GdiplusRecording recording;
        recording.FailNext(c.failing, OutOfMemory);
        CHfcDrawContext context(canvas.context);
        EXPECT_EQ(recording.Functions(), c.made);
        EXPECT_EQ(context.ClearRectangle(0, 0, 2, 2), c.clear);
        EXPECT_EQ(context.FillRectangle(0, 0, 2, 2), c.fill);
        EXPECT_EQ(context.DrawRectangle(0, 0, 2, 2), c.outline);
    }
}

TEST(DrawContext, WithoutADeviceContextItMakesNothing)
{
    GdiplusRecording recording;
    CHfcDrawContext context(nullptr);
    EXPECT_TRUE(recording.Functions().empty());
    EXPECT_EQ(context.LineTo(3, 3), InvalidParameter);
}

TEST(DrawContext, RectanglesCoverTheirPixelsAndLinesFollowTheCurrentPoint)
{
    ui_test::MemoryCanvas canvas(20, 20);
    CHfcDrawContext context(canvas.context);
    GdiplusRecording recording;
    context.SetPenColor(0xFF112233);
    context.SetPenWidth(2.0f);
    context.SetFillColor(0x80445566);
    context.DrawRectangle(0, 0, 10, 10);
    context.FillRectangle(RECT{0, 0, 10, 10});
    context.ClearRectangle(1.5f, 2.0f, 3.0f, 4.0f);
    context.MoveTo(1, 2);
    context.LineTo(3, 4);
    context.LineTo(5.5f, 6.0f);

    const GdiplusCall outline = recording.CallsOf("GdipDrawRectangle")[0];
    ExpectArgs(outline, {0, 0, 9, 9});
    EXPECT_EQ(outline.color, 0xFF112233u);
    EXPECT_EQ(outline.penWidth, 2.0f);
    const auto fills = recording.CallsOf("GdipFillRectangle");
    ASSERT_EQ(fills.size(), 2u);
    ExpectArgs(fills[0], {-0.5f, -0.5f, 10, 10});
    EXPECT_EQ(fills[0].color, 0x80445566u);
    ExpectArgs(fills[1], {1.5f, 2.0f, 3.0f, 4.0f});
    EXPECT_EQ(fills[1].color, 0xFFFFFFFFu) << "a device context clears to opaque white";
    EXPECT_EQ(recording.CallsOf("GdipCreateSolidFill").size(), recording.CallsOf("GdipDeleteBrush").size());
    const auto lines = recording.CallsOf("GdipDrawLine");
    ASSERT_EQ(lines.size(), 2u);
    ExpectArgs(lines[0], {1, 2, 3, 4});
    ExpectArgs(lines[1], {3, 4, 5.5f, 6});
}

TEST(DrawContext, PiesAndArcsPassDegreesInBothAngleConventions)
{
    struct Case
    {
        const char* name;
        std::function<void(CHfcDrawContext&)> draw;
        const char* function;
        std::vector<float> args;
    };
    // Start-and-sweep forms: counter-clockwise start, square from r + 0.5.
    // Start-and-end forms: clockwise start, sweep negated unless clockwise.
    const Case cases[] = {
        {"pie from 0", [](auto& c) { c.FillPie(10, 10, 5, 0, kPi / 2); }, "GdipFillPie", {4.5f, 4.5f, 11, 11, 0, 90}},
        {"pie from a quarter",
         [](auto& c) { c.FillPie(10, 10, 5, kPi / 2, kPi); },
         "GdipFillPie",
         {4.5f, 4.5f, 11, 11, 270, 180}},
        {"pie from below 0",
         [](auto& c) { c.FillPie(10, 10, 5, -kPi / 2, kPi); },
         "GdipFillPie",
         {4.5f, 4.5f, 11, 11, 90, 180}},
        {"arc", [](auto& c) { c.DrawArc(10, 10, 5, kPi, kPi / 2); }, "GdipDrawArc", {4.5f, 4.5f, 11, 11, 180, 90}},
        {"arc pie", [](auto& c) { c.FillArcPie(10, 10, 5, 0, kPi / 2, false); }, "GdipFillPie", {5, 5, 11, 11, 0, -90}},
        {"clockwise arc pie",
         [](auto& c) { c.FillArcPie(10, 10, 5, 0, kPi / 2, true); },
         "GdipFillPie",
         {5, 5, 11, 11, 0, 90}},
        {"arc segment",
         [](auto& c) { c.DrawArcSegment(10, 10, 5, kPi / 2, kPi, false); },
         "GdipDrawArc",
         {5, 5, 11, 11, 90, -90}},
        {"circle", [](auto& c) { c.FillCircle(10, 10, 5); }, "GdipFillPie", {5, 5, 11, 11, 0, -360}},
        {"circle outline", [](auto& c) { c.DrawCircle(10, 10, 5); }, "GdipDrawArc", {5, 5, 11, 11, 0, -360}},
    };
    ui_test::MemoryCanvas canvas(24, 24);
    CHfcDrawContext context(canvas.context);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        GdiplusRecording recording;
        c.draw(context);
        const auto calls = recording.CallsOf(c.function);
        ASSERT_EQ(calls.size(), 1u);
        ExpectArgs(calls[0], c.args);
    }
}

TEST(DrawContext, ClearingAPieClearsThroughAPieClip)
{
    ui_test::MemoryCanvas canvas(24, 24);
    CHfcDrawContext context(canvas.context);
    const Functions clear{"GdipCreatePath",    "GdipAddPathPie", "GdipSetClipPath",
                          "GdipGraphicsClear", "GdipResetClip",  "GdipDeletePath"};
    {
        GdiplusRecording recording;
        context.ClearArcPie(10, 10, 5, 0, kPi / 2, true);
        EXPECT_EQ(recording.Functions(), clear) << "the start-and-end form leaves the smoothing alone";
        ExpectArgs(recording.CallsOf("GdipAddPathPie")[0], {5, 5, 11, 11, 0, 90});
        EXPECT_EQ(recording.CallsOf("GdipGraphicsClear")[0].color, 0u);
    }
    GdiplusRecording recording;
    context.ClearPie(10, 10, 5, kPi / 2, kPi / 2);
    Functions smoothed{"GdipSetSmoothingMode"};
    smoothed.insert(smoothed.end(), clear.begin(), clear.end());
    EXPECT_EQ(recording.Functions(), smoothed);
    EXPECT_EQ(recording.CallsOf("GdipSetSmoothingMode")[0].args, (std::vector<float>{SmoothingModeHighQuality}));
    ExpectArgs(recording.CallsOf("GdipAddPathPie")[0], {4.5f, 4.5f, 11, 11, 270, 90});
}

TEST(DrawContext, BitmapsAreCopiedUnblendedAndClippedToTheBitmap)
{
    CHfcBmp bitmap;
    ui_test::MakeSolid(bitmap, 4, 4, 0x40A0B0C0);
    ui_test::MemoryCanvas canvas(8, 8, 0xFF0000FF);
    CHfcDrawContext context(canvas.context);

    EXPECT_EQ(context.DrawBitmap(1, 1, 10, 10, &bitmap, 2, 2), Ok);
    EXPECT_EQ(context.DrawBitmapAlpha(RECT{5, 5, 7, 7}, &bitmap, 0.25f, 0, 0), Ok) << "the opacity is ignored";
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool copied = (x >= 1 && x < 3 && y >= 1 && y < 3) || (x >= 5 && x < 7 && y >= 5 && y < 7);
            EXPECT_EQ(canvas.At(x, y), copied ? 0x40A0B0C0u : 0xFF0000FFu) << x << "," << y;
        }
    }
    EXPECT_NE(bitmap.CreateWin32Bitmap(), nullptr) << "the temporary Windows copy was deleted";
}

TEST(DrawContext, BitmapTextDrawsOneCellPerByteUpToTheTerminator)
{
    // Cell c of the font is filled with the colour 0xFF000000 + c.
    CHfcBmp font;
    std::vector<std::uint32_t> cells;
    for (std::uint32_t c = 0; c < 128; ++c)
        cells.insert(cells.end(), 2 * 3, 0xFF000000u + c);
    font.Create(2, 128 * 3);
    ui_test::Fill(font, cells);

    CHfcOffscreenContext target(10, 3);
    target.DrawBitmapText(1, 0,
                          "AB\xC8"
                          "\0C",
                          10, &font, 0, 0);
    const std::vector<std::uint32_t> row = ui_test::Pixels(*target.GetBitmap());
    const std::uint32_t a = 0xFF000041;
    const std::uint32_t b = 0xFF000042;
    EXPECT_EQ(std::vector<std::uint32_t>(row.begin(), row.begin() + 10),
              (std::vector<std::uint32_t>{0, a, a, b, b, 0, 0, 0, 0, 0}))
        << "a code of 128 or more lies outside the strip, and the zero byte ends the text";
    target.DrawBitmapText(0, 0, "CCC", 1, &font, 1, 2);
    EXPECT_EQ(ui_test::Pixels(*target.GetBitmap())[0], 0xFF000000u + ('C' * 2 / 3))
        << "one character, from the cell of the given size";
}

}  // namespace
