// The LFO graph: what Create accepts and sets up, the rate, shape and
// waveform settings, every waveform point by point against the curve
// worked out here from its definition in single precision, and what it
// draws.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlLfoGraph.h"

#include <cmath>

namespace ui_test {
namespace {

constexpr int kLeft = 10;
constexpr int kTop = 20;

HfcLfoGraphDescriptor Graph(int width, int height, bool fixedRate = true)
{
    HfcLfoGraphDescriptor descriptor;
    descriptor.x = kLeft;
    descriptor.y = kTop;
    descriptor.width = width;
    descriptor.height = height;
    descriptor.lineColor = 0xFFFF0000;
    descriptor.fixedRate = fixedRate;
    return descriptor;
}

// The settings of one curve, as the owner gives them.
struct Curve
{
    int waveform;
    int shapeValue;
    int startValue;
    int rateValue;
};

std::ostream& operator<<(std::ostream& out, const Curve& c)
{
    return out << "waveform " << c.waveform << " shape " << c.shapeValue << " start " << c.startValue << " rate "
               << c.rateValue;
}

// The value at phase u of the waveform, each quantity the definition keeps
// rounded to a float.
float ExpectedValue(int waveform, float s, float u, int wraps)
{
    switch (waveform) {
    case 0: {
        const double e = 1.0e-32f;
        float y0;
        if (s >= 0.0f) {
            const float threshold = static_cast<float>(1.0 - s);
            const float r1 = static_cast<float>(1.0 / (s + e));
            const float r2 = static_cast<float>(1.0 / (s - 1.0 + e));
            y0 = u >= threshold ? static_cast<float>((u - 1.0) * r1) : static_cast<float>(u * double{r2});
            return static_cast<float>(1.0 + 2.0 * y0);
        }
        const float threshold = -s;
        const float r1 = static_cast<float>(-1.0 / (s + 1.0 + e));
        const float r2 = static_cast<float>(-1.0 / (s + e));
        y0 = u >= threshold ? static_cast<float>((u - 1.0) * r1) : static_cast<float>(u * double{r2});
        return static_cast<float>(-1.0 + 2.0 * y0);
    }
    case 1: return 2.0 * u - 1.0 + s >= 0.0 ? 1.0f : -1.0f;
    case 2: return 2.0 * u - 1.0 + s >= 0.0 ? 1.0f : 0.0f;
    case 3: {
        const float inner = static_cast<float>(0.5 - u);
        const float w = static_cast<float>(2.0 * (0.5 - std::fabs(double{inner})));
        return static_cast<float>(2.0 * ((w + double{s} * w * (1.0 - w)) - 0.5));
    }
    case 4: {
        const float d = static_cast<float>(0.5 - u);
        const float m = static_cast<float>(1.0 - 2.0 * std::fabs(double{d}));
        const float p = static_cast<float>(8.0 * d * m);
        const float q = static_cast<float>(p * (1.0 + double{s} * (1.0 - std::fabs(double{p}))));
        return static_cast<float>(q * (1.0 + double{s} * (1.0 - std::fabs(double{q}))));
    }
    default: {
        const float table[9] = {-1.0f, 1.0f, -0.2f, 0.1f, 0.5f, -0.8f, 0.0f, -0.3f, 0.6f};
        const double value = table[wraps % 9];
        const double next = table[(wraps + 1) % 9];
        if (s == 0.0f)
            return static_cast<float>(value);
        if (s > 0.0f)
            return static_cast<float>(value + static_cast<float>(s * (next - value)) * double{u});
        const double c = -s;
        const double g = 1.0 - c;
        const float d = static_cast<float>((next - value) / c);
        return static_cast<float>(u < g ? value : value + d * (u - g));
    }
    }
}

// The points of a curve across a graph at (kLeft, kTop).
std::vector<POINT> ExpectedPoints(const Curve& c, const HfcLfoGraphDescriptor& d)
{
    const float s = c.shapeValue == 0 ? 0.0f : static_cast<float>(c.shapeValue / 63.0);
    const float rate =
        d.fixedRate ? static_cast<float>(d.fixedCycles / static_cast<double>(d.width))
                    : static_cast<float>((std::fabs(double{d.maximumCycles} - d.minimumCycles) * c.rateValue / 127.0 +
                                          d.minimumCycles) /
                                         d.width);
    const int half = (d.height - 1) / 2;
    float u = static_cast<float>(c.startValue / 127.0);
    if (c.waveform == 3)
        u = static_cast<float>(u + 0.25);
    int wraps = 0;
    std::vector<POINT> points;
    for (int i = 0; i < d.width; ++i) {
        if (i > 0) {
            const float before = u;
            u = static_cast<float>(std::fmod(double{u} + rate, 1.0));
            wraps += u < before ? 1 : 0;
        }
        const float v = ExpectedValue(c.waveform, s, u, wraps);
        points.push_back({kLeft + i, kTop + half - static_cast<int>(double{v} * static_cast<float>(half))});
    }
    return points;
}

class LfoGraph : public ControlTest
{
protected:
    // The graph's points for a curve.
    std::vector<POINT> Build(const Curve& c)
    {
        graph.SetWaveform(c.waveform);
        graph.SetShape(c.shapeValue);
        graph.SetStartPhase(c.startValue);
        graph.SetRate(c.rateValue);
        graph.UpdateWave();
        return graph.GetPoints();
    }
    // The y of each point.
    static std::vector<int> Heights(const std::vector<POINT>& points)
    {
        std::vector<int> heights;
        for (const POINT& p : points)
            heights.push_back(static_cast<int>(p.y));
        return heights;
    }

    CHfcCtrlLfoGraph graph;
};

TEST_F(LfoGraph, CreateRefusesAnEmptySizeAndSetsUpNoCurve)
{
    for (const auto& [width, height] : {std::pair{0, 100}, {250, 0}, {-1, 100}}) {
        const HfcLfoGraphDescriptor descriptor = Graph(width, height);
        EXPECT_FALSE(graph.Create(&descriptor, 1)) << width << " x " << height;
        EXPECT_FALSE(graph.IsCreated());
    }
    EXPECT_FALSE(graph.Create(nullptr, 1));

    const HfcLfoGraphDescriptor descriptor = Graph(180, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 9));
    EXPECT_EQ(graph.GetRect(), (RECT{kLeft, kTop, kLeft + 180, kTop + 100}));
    EXPECT_EQ(graph.GetId(), 9u);
    EXPECT_EQ(graph.GetEventCode(), 5u);
    EXPECT_EQ(graph.GetWaveform(), CHfcCtrlLfoGraph::kNoWaveform);
    EXPECT_EQ(graph.GetShapeValue(), -1);
    EXPECT_EQ(graph.GetRateValue(), -1);
    EXPECT_EQ(graph.GetStartValue(), 0);
    graph.UpdateWave();
    EXPECT_TRUE(graph.GetPoints().empty());
}

TEST_F(LfoGraph, CreateLeavesARateAndShapeThatARebuildCanUse)
{
    // The owner may pick a waveform and rebuild before it sets anything else.
    HfcLfoGraphDescriptor descriptor = Graph(180, 60, false);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    EXPECT_EQ(graph.GetRate(), static_cast<float>(0.3f / 180.0));
    EXPECT_EQ(graph.GetShape(), 0.0f);
    EXPECT_EQ(graph.GetStartPhase(), 0.0f);
    graph.SetWaveform(CHfcCtrlLfoGraph::kSine);
    graph.UpdateWave();
    EXPECT_EQ(Heights(graph.GetPoints()), Heights(ExpectedPoints({4, 0, 0, 0}, descriptor)));
}

TEST_F(LfoGraph, TheRateIsTheFixedCountOrFollowsTheRateValue)
{
    HfcLfoGraphDescriptor descriptor = Graph(250, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    for (int value : {0, 64, 127}) {
        graph.SetRate(value);
        EXPECT_EQ(graph.GetRate(), static_cast<float>(2.0 / 250)) << value;
        EXPECT_EQ(graph.GetRateValue(), value);
    }
    graph.Destroy();

    descriptor.fixedRate = false;
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    graph.SetRate(127);
    EXPECT_EQ(graph.GetRate(), static_cast<float>(20.0 / 250));
    graph.SetValue(0, true);
    EXPECT_EQ(graph.GetRate(), static_cast<float>(0.3f / 250.0));
    EXPECT_EQ(graph.GetRateValue(), 0);
    // Setting alone does not rebuild.
    graph.SetWaveform(CHfcCtrlLfoGraph::kSaw);
    graph.SetRate(64);
    EXPECT_TRUE(graph.GetPoints().empty());
}

TEST_F(LfoGraph, ShapeStartAndWaveformSettings)
{
    const HfcLfoGraphDescriptor descriptor = Graph(250, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    graph.SetShape(-63);
    EXPECT_EQ(graph.GetShape(), -1.0f);
    graph.SetShape(21);
    EXPECT_EQ(graph.GetShape(), static_cast<float>(21 / 63.0));
    graph.SetStartPhase(127);
    EXPECT_EQ(graph.GetStartPhase(), 1.0f);
    graph.SetWaveform(CHfcCtrlLfoGraph::kSteps);
    for (int ignored : {6, 7, 100}) {
        graph.SetWaveform(ignored);
        EXPECT_EQ(graph.GetWaveform(), CHfcCtrlLfoGraph::kSteps) << ignored;
    }
}

TEST_F(LfoGraph, TheAmplitudeIsHalfTheHeightLessOne)
{
    // Square, no shape, start 0: the first half cycle low, the second high;
    // with height 100 the middle is 49 below the top.
    const HfcLfoGraphDescriptor descriptor = Graph(250, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    const std::vector<int> heights = Heights(Build({1, 0, 0, 0}));
    ASSERT_EQ(heights.size(), 250u);
    EXPECT_EQ(heights[0], kTop + 98);
    EXPECT_EQ(heights[62], kTop + 98);
    EXPECT_EQ(heights[63], kTop);
    EXPECT_EQ(heights[124], kTop);
    EXPECT_EQ(heights[125], kTop + 98);
    EXPECT_EQ(graph.GetPoints()[249].x, kLeft + 249);
    // The unipolar square drops to the middle line; the plain triangle
    // starts there, a quarter into its cycle.
    EXPECT_EQ(Heights(Build({2, 0, 0, 0}))[0], kTop + 49);
    EXPECT_EQ(Heights(Build({3, 0, 0, 0}))[0], kTop + 49);
}

TEST_F(LfoGraph, TheShapeMovesTheSquaresRisingEdge)
{
    // s = 1/3 moves the rising edge to u = 1/3, between columns 41 and 42
    // at 2 cycles across 250; s = 1 keeps the square high throughout.
    const HfcLfoGraphDescriptor descriptor = Graph(250, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    const std::vector<int> third = Heights(Build({1, 21, 0, 0}));
    EXPECT_EQ(third[41], kTop + 98);
    EXPECT_EQ(third[42], kTop);
    EXPECT_EQ(Heights(Build({1, 63, 0, 0})), std::vector<int>(250, kTop));
}

TEST_F(LfoGraph, PlainStepsTakeOneLevelPerCycle)
{
    // Two cycles across the width: -1 for the first, +1 for the second,
    // then back to the first entry at the next rebuild.
    const HfcLfoGraphDescriptor descriptor = Graph(250, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    for (int rebuild = 0; rebuild < 2; ++rebuild) {
        const std::vector<int> heights = Heights(Build({5, 0, 0, 0}));
        EXPECT_EQ(heights[0], kTop + 98);
        EXPECT_EQ(heights[124], kTop + 98);
        EXPECT_EQ(heights[125], kTop);
        EXPECT_EQ(heights[249], kTop);
    }
}

TEST_F(LfoGraph, FullyGlidingStepsRunFromEachLevelToTheNext)
{
    // s = -1: v = value + (next - value) x u in every column, so the first
    // cycle climbs from -1 to 1 and the second falls from 1 toward -0.2.
    const HfcLfoGraphDescriptor descriptor = Graph(250, 100);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    const std::vector<int> heights = Heights(Build({5, -63, 0, 0}));
    EXPECT_EQ(heights[0], kTop + 98);
    EXPECT_NEAR(heights[62], kTop + 49, 1);
    for (int i = 1; i < 124; ++i)
        ASSERT_LE(heights[i], heights[i - 1]) << i;
    EXPECT_NEAR(heights[126], kTop, 1);
    EXPECT_NEAR(heights[249], kTop + 49 + static_cast<int>(0.2 * 49), 2);
}

TEST_F(LfoGraph, EveryWaveformMatchesItsDefinitionPointByPoint)
{
    const Curve curves[] = {
        {0, 0, 0, 0},
        {0, 63, 0, 0},
        {0, 32, 40, 0},
        {0, -20, 0, 90},
        {0, -63, 0, 127},
        {1, -40, 10, 30},
        {2, 17, 0, 0},
        {3, 0, 0, 0},
        {3, 45, 100, 5},
        {3, -63, 127, 70},
        {4, 0, 0, 0},
        {4, 50, 30, 64},
        {4, -63, 0, 127},
        {5, 0, 0, 127},
        {5, 40, 0, 100},
        {5, -63, 0, 127},
        {5, -25, 64, 127},
        // Worked out in double precision, each of these is a pixel off
        // somewhere.
        {3, -42, 0, 0},
        {3, 42, 0, 127},
        {4, -63, 17, 90},
        {5, -42, 34, 127},
        {5, -63, 51, 127},
    };
    for (bool fixedRate : {true, false}) {
        const HfcLfoGraphDescriptor descriptor = Graph(173, 61, fixedRate);
        ASSERT_TRUE(graph.Create(&descriptor, 1));
        for (const Curve& c : curves) {
            const std::vector<POINT> expected = ExpectedPoints(c, descriptor);
            const std::vector<POINT> points = Build(c);
            ASSERT_EQ(points.size(), expected.size()) << c;
            for (std::size_t i = 0; i < points.size(); ++i) {
                ASSERT_EQ(points[i].x, expected[i].x) << c << " column " << i;
                ASSERT_EQ(points[i].y, expected[i].y) << c << " column " << i;
            }
        }
        graph.Destroy();
    }
}

TEST_F(LfoGraph, DrawsTheBackgroundThenTheCurveInItsColour)
{
    CHfcBmp background;
    FillNumberedStrip(background, 200, 150, 1);
    HfcLfoGraphDescriptor descriptor = Graph(120, 41);
    descriptor.background = &background;
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    Place(graph);
    Render(graph);
    // No waveform yet: the background alone.
    for (int x = kLeft; x < kLeft + 120; x += 7)
        for (int y = kTop; y < kTop + 41; y += 5)
            ASSERT_EQ(FrameOf(Pixel(x, y)), 0) << x << "," << y;

    graph.SetWaveform(CHfcCtrlLfoGraph::kSquare);
    graph.UpdateWaveAndRedraw();
    EXPECT_TRUE(graph.IsDirty());
    Render(graph);
    SaveCrop(graph.GetRect(), "lfo_graph_square");
    // The low half cycle runs along y = top + 40, the high one along the
    // top; the smoothed line tints its pixels red over the background.
    for (const POINT on : {POINT{kLeft + 10, kTop + 40}, POINT{kLeft + 40, kTop}}) {
        const std::uint32_t pixel = Pixel(on.x, on.y);
        EXPECT_GE((pixel >> 16) & 0xFF, 0xA0u) << on.x << "," << on.y;
        EXPECT_EQ(pixel & 0xFF00, 0u);
    }
    EXPECT_EQ(FrameOf(Pixel(kLeft + 10, kTop + 20)), 0);
    EXPECT_EQ(FrameOf(Pixel(kLeft + 40, kTop + 20)), 0);

    graph.SetWaveform(CHfcCtrlLfoGraph::kSine);
    graph.SetShape(30);
    graph.UpdateWaveAndRedraw();
    Render(graph);
    SaveCrop(graph.GetRect(), "lfo_graph_sine");
}

TEST_F(LfoGraph, MouseEventsGoToTheOwner)
{
    const HfcLfoGraphDescriptor descriptor = Graph(120, 40);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    EXPECT_FALSE(graph.NotifyMouseDown(mouse, 1, 2, 0));
    Place(graph);
    owner.logMoves = true;
    owner.swallow = {"mouse up"};
    EXPECT_FALSE(graph.NotifyMouseDown(mouse, 1, 2, 0));
    EXPECT_TRUE(graph.NotifyMouseUp(mouse, 3, 4, 0));
    EXPECT_FALSE(graph.NotifyMouseMove(mouse, 5, 6, 0));
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse down 1,2", "owner:mouse up 3,4", "owner:mouse move 5,6"}));
}

TEST_F(LfoGraph, DestroyRestoresTheDefaultsAndDropsThePoints)
{
    const HfcLfoGraphDescriptor descriptor = Graph(120, 40, false);
    ASSERT_TRUE(graph.Create(&descriptor, 1));
    Build({0, 0, 0, 0});
    ASSERT_FALSE(graph.GetPoints().empty());
    graph.Destroy();
    EXPECT_FALSE(graph.IsCreated());
    EXPECT_TRUE(graph.GetPoints().empty());
    EXPECT_EQ(graph.GetDescriptor().width, 250);
    EXPECT_EQ(graph.GetDescriptor().height, 100);
    EXPECT_TRUE(graph.GetDescriptor().fixedRate);
    EXPECT_EQ(graph.GetDescriptor().lineColor, 0xFF000000u);
}

}  // namespace
}  // namespace ui_test
