// The recording of vector-drawing calls and injected failures.
#include "gdi_pixels.h"

#include <platform/testing/gdi.h>

namespace gdi_test {
namespace {

using platform::testing::GdiplusCall;
using platform::testing::GdiplusRecording;

TEST(GdiRecording, KeepsTheArgumentsAndColoursOfShapes)
{
    ImageCanvas canvas(40, 40);
    GdiplusRecording recording;
    GdipSetPenColor(canvas.pen, 0xFF00FF00);
    GdipSetPenWidth(canvas.pen, 2.5f);
    GdipSetSolidFillColor(canvas.brush, 0x80123456);

    GdipFillPie(canvas.graphics, canvas.brush, 9.5f, 9.5f, 21.0f, 21.0f, 270.0f, -90.0f);
    GdipDrawArc(canvas.graphics, canvas.pen, 10.0f, 10.0f, 21.0f, 21.0f, 0.0f, 90.0f);
    GdipDrawRectangle(canvas.graphics, canvas.pen, 0.0f, 0.0f, 9.0f, 9.0f);
    GdipFillRectangle(canvas.graphics, canvas.brush, -0.5f, -0.5f, 10.0f, 10.0f);
    GdipDrawLine(canvas.graphics, canvas.pen, 1.0f, 2.0f, 3.0f, 4.0f);

    const void* g = canvas.graphics;
    EXPECT_EQ(
        recording.CallsOf("GdipFillPie"),
        (std::vector<GdiplusCall>{{"GdipFillPie", g, {9.5f, 9.5f, 21.0f, 21.0f, 270.0f, -90.0f}, 0x80123456, 0}}));
    EXPECT_EQ(
        recording.CallsOf("GdipDrawArc"),
        (std::vector<GdiplusCall>{{"GdipDrawArc", g, {10.0f, 10.0f, 21.0f, 21.0f, 0.0f, 90.0f}, 0xFF00FF00, 2.5f}}));
    EXPECT_EQ(recording.CallsOf("GdipDrawRectangle"),
              (std::vector<GdiplusCall>{{"GdipDrawRectangle", g, {0.0f, 0.0f, 9.0f, 9.0f}, 0xFF00FF00, 2.5f}}));
    EXPECT_EQ(recording.CallsOf("GdipFillRectangle"),
              (std::vector<GdiplusCall>{{"GdipFillRectangle", g, {-0.5f, -0.5f, 10.0f, 10.0f}, 0x80123456, 0}}));
    EXPECT_EQ(recording.Functions(),
              (std::vector<std::string>{"GdipSetPenColor", "GdipSetPenWidth", "GdipSetSolidFillColor", "GdipFillPie",
                                        "GdipDrawArc", "GdipDrawRectangle", "GdipFillRectangle", "GdipDrawLine"}));
}

TEST(GdiRecording, KeepsTheOrderOfAClearThroughAPieClip)
{
    ImageCanvas canvas(20, 20);
    GdiplusRecording recording;
    GpPath* path = nullptr;
    ASSERT_EQ(GdipCreatePath(FillModeAlternate, &path), Ok);
    GdipAddPathPie(path, 0.0f, 0.0f, 11.0f, 11.0f, 90.0f, 45.0f);
    GdipSetClipPath(canvas.graphics, path, CombineModeReplace);
    GdipGraphicsClear(canvas.graphics, 0);
    GdipResetClip(canvas.graphics);
    GdipDeletePath(path);

    EXPECT_EQ(recording.Functions(),
              (std::vector<std::string>{"GdipCreatePath", "GdipAddPathPie", "GdipSetClipPath", "GdipGraphicsClear",
                                        "GdipResetClip", "GdipDeletePath"}));
    EXPECT_EQ(recording.CallsOf("GdipAddPathPie")[0].args,
              (std::vector<float>{0.0f, 0.0f, 11.0f, 11.0f, 90.0f, 45.0f}));
    EXPECT_EQ(recording.CallsOf("GdipAddPathPie")[0].object, path);
}

TEST(GdiRecording, AnInjectedFailureStopsOneCallAndLeavesItsOutputNull)
{
    GdiplusRecording recording;
    recording.FailNext("GdipCreatePen1", OutOfMemory);
    GpPen* pen = reinterpret_cast<GpPen*>(1);
    EXPECT_EQ(GdipCreatePen1(0xFF000000, 1.0f, UnitWorld, &pen), OutOfMemory);
    EXPECT_EQ(pen, nullptr);
    EXPECT_EQ(GdipCreatePen1(0xFF000000, 1.0f, UnitWorld, &pen), Ok) << "only the next call fails";
    ASSERT_NE(pen, nullptr);
    EXPECT_EQ(recording.CallsOf("GdipCreatePen1").size(), 2u);
    EXPECT_EQ(recording.CallsOf("GdipCreatePen1")[0].args, (std::vector<float>{1.0f, float(UnitWorld)}));
    GdipDeletePen(pen);
}

}  // namespace
}  // namespace gdi_test
