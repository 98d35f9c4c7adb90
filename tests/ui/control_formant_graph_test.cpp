// The formant graph: the axes, the traces drawn from the back to the front
// with their alpha ramp, and the data block copied only when it changed.
#include "control_fixture.h"

#include "framework/ui/HfcCtrlFormantGraph.h"

#include <platform/testing/gdi.h>

#include <cmath>
#include <cstring>

namespace ui_test {
namespace {

using platform::testing::GdiplusCall;
using platform::testing::GdiplusRecording;

// A graph whose traces the test fills, as a derived display would.
class CFilledFormantGraph : public CHfcCtrlFormantGraph
{
public:
    // Trace j holds heights j + 1, j + 2, ... so every line tells its trace.
    void Fill(int count, int baseLine)
    {
        Fill(count, baseLine, [](int j, int k) { return j + 1 + k; });
    }
    template <typename Height>
    void Fill(int count, int baseLine, Height height)
    {
        for (int j = 0; j < kTraceCount; ++j)
            for (int k = 0; k < kPointsPerTrace; ++k)
                Trace(j)[k] = {k, height(j, k)};
        SetPointCount(count);
        SetBaseLineLength(baseLine);
        SetDataFlag(true);
    }
    using CHfcCtrlFormantGraph::SetDataFlag;
    using CHfcCtrlFormantGraph::SetPointCount;
};

HfcFormantGraphDescriptor Graph()
{
    HfcFormantGraphDescriptor descriptor;
    descriptor.x = 10;
    descriptor.y = 5;
    descriptor.width = 180;
    descriptor.height = 140;
    descriptor.stepX = 6;
    descriptor.stepY = 4;
    descriptor.traceColor = 0xFF20C040;
    descriptor.axisColor = 0xFFE0E0E0;
    return descriptor;
}

class FormantGraph : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const HfcFormantGraphDescriptor descriptor = Graph();
        ASSERT_TRUE(graph.Create(&descriptor, 4, 1));
        Place(graph);
    }
    // The lines drawn by one redraw, each as its pen colour and end points.
    std::vector<GdiplusCall> DrawnLines()
    {
        GdiplusRecording recording;
        Render(graph);
        return recording.CallsOf("GdipDrawLine");
    }

    CFilledFormantGraph graph;
};

// A line's end points as whole pixels.
std::vector<int> Ends(const GdiplusCall& call)
{
    std::vector<int> ends;
    for (float value : call.args)
        ends.push_back(static_cast<int>(value));
    return ends;
}

TEST_F(FormantGraph, WithoutDataOnlyTheBaseLineAndTheDepthAxis)
{
    graph.Fill(3, 100);
    graph.SetDataFlag(false);
    const std::vector<GdiplusCall> lines = DrawnLines();
    // Base = bottom - 1 = 144; the axis climbs 15 steps back.
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(Ends(lines[0]), (std::vector<int>{110, 144, 10, 144}));
    EXPECT_EQ(Ends(lines[1]), (std::vector<int>{10, 144, 10 + 15 * 6, 144 - 15 * 4}));
    EXPECT_EQ(lines[0].color, 0xFFE0E0E0u);

    graph.SetDataFlag(true);
    graph.SetPointCount(0);
    EXPECT_EQ(DrawnLines().size(), 2u);
}

TEST_F(FormantGraph, TracesRunFromTheBackToTheFrontGrowingOpaque)
{
    graph.Fill(3, 100);
    const std::vector<GdiplusCall> lines = DrawnLines();
    // The axes, then per trace a rise to its first point and two steps.
    ASSERT_EQ(lines.size(), 2u + 16 * 3);
    for (int i = 0; i < 16; ++i) {
        const int j = 15 - i;
        const ARGB alpha = 75 + 180 * i / 15;
        const int ox = 10 + j * 6;
        const int oy = 144 - j * 4;
        const GdiplusCall* trace = &lines[2 + static_cast<std::size_t>(i) * 3];
        SCOPED_TRACE("trace " + std::to_string(j));
        for (int n = 0; n < 3; ++n)
            EXPECT_EQ(trace[n].color, (alpha << 24) | 0x20C040u);
        EXPECT_EQ(Ends(trace[0]), (std::vector<int>{ox, oy, ox, oy - (j + 1)}));
        EXPECT_EQ(Ends(trace[1]), (std::vector<int>{ox, oy - (j + 1), ox + 1, oy - (j + 2)}));
        EXPECT_EQ(Ends(trace[2]), (std::vector<int>{ox + 1, oy - (j + 2), ox + 2, oy - (j + 3)}));
    }
    EXPECT_EQ(lines[2].color >> 24, 75u);
    EXPECT_EQ(lines[5].color >> 24, 87u);
    EXPECT_EQ(lines.back().color >> 24, 255u);
}

TEST_F(FormantGraph, FaintTracesShowOverTheClearedGround)
{
    // Flat traces 20 high: each rises at its origin, then runs level.
    graph.Fill(60, 170, [](int, int) { return 20; });
    Render(graph);
    // The back trace rises at x = 10 + 15 x 6, the front one at x = 10; the
    // lines are smoothed, so their pixels carry at most the pen's alpha.
    const std::uint32_t back = Pixel(100, 144 - 60 - 10);
    const std::uint32_t front = Pixel(10, 144 - 10);
    EXPECT_GT(back >> 24, 0u);
    EXPECT_LE(back >> 24, 75u);
    EXPECT_GT(front >> 24, 180u);
    for (std::uint32_t pixel : {back, front})
        EXPECT_NEAR(static_cast<int>((pixel >> 8) & 0xFF), 0xC0, 4) << "the trace colour kept";
    EXPECT_GT(Pixel(150, 144) >> 24, 180u) << "the base line";

    // A picture to look at: a moving formant bump per trace.
    graph.Fill(100, 170, [](int j, int k) {
        const double centre = 30 + 3 * j;
        return static_cast<int>(10 + 40 * std::exp(-(k - centre) * (k - centre) / 120.0));
    });
    graph.SetDirty(true);
    Render(graph);
    SaveCrop(graph.GetRect(), "formant_graph");
}

TEST_F(FormantGraph, APointCountBeyondATraceDrawsOneTraceLength)
{
    graph.Fill(5000, 0);
    const std::vector<GdiplusCall> lines = DrawnLines();
    EXPECT_EQ(lines.size(), 2u + 16 * CHfcCtrlFormantGraph::kPointsPerTrace);
}

TEST_F(FormantGraph, SetDataCopiesAndRedrawsOnlyAChangedBlock)
{
    std::vector<std::uint8_t> block(CHfcCtrlFormantGraph::kDataBytes, 0);
    Render(graph);
    graph.SetData(block.data(), true);
    EXPECT_FALSE(graph.IsDirty()) << "the same as the empty block";

    block[11999] = 7;
    graph.SetData(block.data(), true);
    EXPECT_TRUE(graph.IsDirty());
    EXPECT_EQ(graph.GetData(), block);
    Render(graph);
    graph.SetData(block.data(), true);
    EXPECT_FALSE(graph.IsDirty());

    block[0] = 1;
    graph.SetData(block.data(), false);
    EXPECT_FALSE(graph.IsDirty());
    EXPECT_EQ(graph.GetData(), block);
    graph.SetData(nullptr, true);
    EXPECT_EQ(graph.GetData(), block);
}

TEST_F(FormantGraph, DestroyRestoresTheDefaultDescriptor)
{
    graph.Destroy();
    EXPECT_FALSE(graph.IsCreated());
    const HfcFormantGraphDescriptor& descriptor = graph.GetDescriptor();
    EXPECT_EQ(descriptor.width, 0);
    EXPECT_EQ(descriptor.stepX, 10);
    EXPECT_EQ(descriptor.stepY, 10);
    EXPECT_EQ(descriptor.traceColor, 0xFF000000u);
    EXPECT_FALSE(graph.Create(nullptr, 1, 1));
}

}  // namespace
}  // namespace ui_test
