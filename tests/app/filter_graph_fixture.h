#pragma once
// A filter response graph of 140 x 60 at (20, 30) of a layer, its owner
// logging the values it reports, and its drawing checked point by point
// against a curve the test works out.
#include "control_fixture.h"

#include "app/CustomControl.h"
#include "app/graphs/QBCtrlFilterGraph.h"
#include "app/graphs/QBCtrlVindelFilterGraph.h"

#include <platform/testing/gdi.h>

#include <sstream>
#include <type_traits>
#include <vector>

namespace ui_test {

inline constexpr int kGraphLeft = 20;
inline constexpr int kGraphTop = 30;

// Logs the graph's reports with their values.
class CFilterOwner : public CRecordingOwner
{
public:
    void OnControlEvent(CHfcControl*, std::intptr_t word) override
    {
        const auto* report = reinterpret_cast<const QBFilterGraphValues*>(word);
        std::ostringstream text;
        text << "owner:report " << report->handle << " resonance " << report->resonance << " cutoff " << report->cutoff;
        Events().push_back(text.str());
    }
};

// The descriptor of a graph at (20, 30) with the value range of its kind.
template <class Graph = CQBCtrlFilterGraph>
QBFilterGraphDescriptor FilterGraphAt(int width = 140, int height = 60)
{
    QBFilterGraphDescriptor descriptor;
    descriptor.x = kGraphLeft;
    descriptor.y = kGraphTop;
    descriptor.width = width;
    descriptor.height = height;
    if constexpr (std::is_base_of_v<CQBCtrlVindelFilterGraph, Graph>)
        descriptor.maximum = CQBCtrlVindelFilterGraph::kModelMaximum;
    return descriptor;
}

// A point of a sweep, from the graph's top-left corner, with its level.
struct CurvePoint
{
    float x;
    float y;
    double level;
};

template <class Graph>
class FilterGraphTest : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const QBFilterGraphDescriptor descriptor = FilterGraphAt<Graph>();
        // The wrappers of the edit layers take no event code: theirs is fixed.
        if constexpr (std::is_base_of_v<CCustomControl, Graph>)
            ASSERT_TRUE(graph.Create(&descriptor, 2));
        else
            ASSERT_TRUE(graph.Create(&descriptor, 2, 7));
        Place(graph);
        graph.SetOwner(&filterOwner);
    }
    void Set(int resonance, int cutoff)
    {
        QBFilterGraphValues values{0, resonance, cutoff};
        graph.SetData(&values, true);
    }
    std::vector<platform::testing::GdiplusCall> Lines() { return Lines(graph); }
    std::vector<platform::testing::GdiplusCall> Lines(CHfcControl& control)
    {
        platform::testing::GdiplusRecording recording;
        Render(control);
        return recording.CallsOf("GdipDrawLine");
    }
    // The fill lines (pen 4) or the curve lines (pen 0.5) of a drawing.
    static std::vector<platform::testing::GdiplusCall> WithPen(const std::vector<platform::testing::GdiplusCall>& lines,
                                                               float width)
    {
        std::vector<platform::testing::GdiplusCall> kept;
        for (const platform::testing::GdiplusCall& line : lines)
            if (line.penWidth == width)
                kept.push_back(line);
        return kept;
    }
    // Every point of a sweep, in order: one below the floor leaves a gap,
    // the first at or above it only starts the curve, and every later one
    // inside the area gets its fill line down to the bottom and a curve
    // line from the point before it (from itself after a gap).
    void ExpectCurve(CHfcControl& control, const std::vector<CurvePoint>& points, int width, int height)
    {
        const std::vector<platform::testing::GdiplusCall> lines = Lines(control);
        const std::vector<platform::testing::GdiplusCall> fills = WithPen(lines, 4.0f);
        const std::vector<platform::testing::GdiplusCall> curve = WithPen(lines, 0.5f);
        ASSERT_EQ(fills.size(), curve.size());
        std::size_t n = 0;
        int shown = 0;
        bool gap = false;
        CurvePoint previous{};
        for (std::size_t k = 0; k < points.size(); ++k) {
            const CurvePoint& p = points[k];
            if (p.level < -90) {
                gap = true;
            } else if (shown++ > 0) {
                const CurvePoint from = gap ? p : previous;
                gap = false;
                if (p.y > 2 && p.y < height + 1 && p.x > 2 && p.x < width - 1) {
                    SCOPED_TRACE(k);
                    ASSERT_LT(n, fills.size());
                    EXPECT_NEAR(fills[n].args[0], kGraphLeft + p.x, 1e-3);
                    EXPECT_NEAR(fills[n].args[1], kGraphTop + p.y, 1e-3);
                    EXPECT_FLOAT_EQ(fills[n].args[3], static_cast<float>(kGraphTop + height + 1));
                    EXPECT_NEAR(curve[n].args[0], kGraphLeft + from.x, 1e-3);
                    EXPECT_NEAR(curve[n].args[1], kGraphTop + from.y, 1e-3);
                    EXPECT_NEAR(curve[n].args[3], kGraphTop + p.y, 1e-3);
                    ++n;
                }
            }
            previous = p;
        }
        EXPECT_EQ(n, fills.size());
        EXPECT_GT(n, 10u);
    }
    void ExpectCurve(const std::vector<CurvePoint>& points) { ExpectCurve(graph, points, 140, 60); }

    Graph graph;
    CFilterOwner filterOwner;
};

}  // namespace ui_test
