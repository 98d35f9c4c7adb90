// The model-A and model-B filter graphs: their tables, their responses point
// by point against curves worked out here from the second-order section and
// the comb, the type clamps, and the handle on their wider value range.
#include "filter_graph_fixture.h"

#include "app/SkinTable.h"
#include "app/graphs/CustomVindelFilter.h"
#include "app/graphs/QBCtrlVindelFilterAGraph.h"
#include "app/graphs/QBCtrlVindelFilterBGraph.h"
#include "app/graphs/VindelFilterTables.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcModifiers.h"

#include <algorithm>
#include <cmath>
#include <complex>

namespace ui_test {
namespace {

using platform::testing::GdiplusCall;
using platform::testing::GdiplusRecording;

constexpr double kPi = 3.14159265358979323846;

// The section's gain and denominator from a cutoff and a resonance value
// 0-127, step by step as the hardware takes them.
struct Section
{
    double k;
    double d1;
    double d2;
};

Section ExpectedSection(int v, int u)
{
    double x = v / 127.0 - 0.03;
    if (x < 0)
        x = 0;
    const double y = u / 127.0;
    double f = std::pow(2.0, 10 * (x - 0.3)) * 0.010901041666666667;
    if (f > 1)
        f = 1;
    double k = std::sin(f * kPi / 2) / 0.92;
    if (k > 1)
        k = 1;
    const double r = 1 - 0.9668 * y;
    const double s = 0.42 * (1 - r * r * k) * (1 - r * r * k) + 0.5;
    const double big = 2 * s * k;
    const double r2 = 2 * s * r * r;
    return {big, big * big + big * r2 - 2, 1 - big * r2};
}

// The normalised frequency of pixel i of a sweep across a graph.
double SweepFrequency(int i, int width)
{
    return double{0.0005f} * std::pow(1000.0, static_cast<double>(i) / (width - 1));
}

// The points of a section with the numerator
// n0 + n1 z^-1 + n2 z^-2.
std::vector<CurvePoint> SectionPoints(const Section& s, double n0, double n1, double n2, int width, int height)
{
    using C = std::complex<double>;
    std::vector<CurvePoint> points;
    for (int i = 0; i < width; ++i) {
        const double f = SweepFrequency(i, width);
        const C z = std::exp(C(0, -2 * kPi * f));
        const C n = n0 + n1 * z + n2 * z * z;
        const C d = 1.0 + s.d1 * z + s.d2 * z * z;
        const double level = 10 * std::log(std::norm(n) / std::norm(d));
        const double x = width > 50 ? i : 12 * (std::log10(width * f) + 2.05);
        points.push_back({static_cast<float>(x), static_cast<float>(height * 0.6 - height * level * 0.005), level});
    }
    return points;
}

// The points of a feedback comb of delay D and feedback g.
std::vector<CurvePoint> CombPoints(double delay, double g, int width, int height)
{
    std::vector<CurvePoint> points;
    for (int i = 0; i < width; ++i) {
        const double f = SweepFrequency(i, width);
        const double level = -10 * std::log(std::sqrt(1 - 2 * g * std::cos(2 * kPi * f * delay) + g * g));
        const double x = width > 50 ? 21 * (std::log10(width * f) + 1.8) : 12 * (std::log10(width * f) + 2.05);
        points.push_back({static_cast<float>(x), static_cast<float>(height * 0.6 - height * level * 0.006), level});
    }
    return points;
}

using FilterAGraph = FilterGraphTest<CQBCtrlVindelFilterAGraph>;
using FilterBGraph = FilterGraphTest<CQBCtrlVindelFilterBGraph>;

TEST(VindelFilterTables, ModelAMixesEachOutputAloneThenCrossfadesToTheNext)
{
    const struct
    {
        int type;
        float low, high, band, direct;
    } rows[] = {
        {0, 1, 0, 0, 0},
        {30, 1, 0, 0, 0},
        {31, 1, 0, 0, 0},
        {33, 1, 0, 0, 0},
        {34, 29 / 30.0f, 1 / 30.0f, 0, 0},
        {62, 1 / 30.0f, 29 / 30.0f, 0, 0},
        {63, 0, 1, 0, 0},
        {65, 0, 1, 0, 0},
        {95, 0, 0, 1, 0},
        {98, 0, 0, 29 / 30.0f, 1 / 30.0f},
        {126, 0, 0, 1 / 30.0f, 29 / 30.0f},
        {127, 0, 0, 0, 1},
        {500, 0, 0, 0, 1},
    };
    for (const auto& row : rows) {
        const VindelMixing m = VindelMixingOf(row.type);
        EXPECT_FLOAT_EQ(m.low, row.low) << row.type;
        EXPECT_FLOAT_EQ(m.high, row.high) << row.type;
        EXPECT_FLOAT_EQ(m.band, row.band) << row.type;
        EXPECT_FLOAT_EQ(m.direct, row.direct) << row.type;
    }
    EXPECT_NEAR(VindelMixingOf(34).low, 0.96667, 1e-5);
    for (int t = 31; t < 128; ++t) {
        const VindelMixing m = VindelMixingOf(t);
        EXPECT_NEAR(m.low + m.high + m.band + m.direct, 1.0, 1e-6) << t;
    }
}

TEST(VindelFilterTables, TheCombDelayIsOnePeriodOfTheCutoffsNoteWithinTheDelayLine)
{
    for (int v = 0; v <= 6; ++v)
        EXPECT_EQ(VindelCombDelay(v), 4088.0) << v;
    // Kept to about seven significant digits.
    EXPECT_NEAR(VindelCombDelay(69), 109.090897, 2e-5);
    EXPECT_EQ(VindelCombDelay(7), static_cast<float>(48000 / (440 * std::pow(2.0, -62 / 12.0))));
    for (int v = 117; v <= 127; ++v)
        EXPECT_EQ(VindelCombDelay(v), 7.0) << v;
    for (int v = 1; v < 128; ++v)
        EXPECT_LE(VindelCombDelay(v), VindelCombDelay(v - 1)) << v;
    EXPECT_EQ(VindelCombDelay(-5), 4088.0);
    EXPECT_EQ(VindelCombDelay(300), 7.0);
}

TEST(VindelFilterTables, TheCombFeedbackRisesThroughTheKnownValues)
{
    for (int u = 0; u <= 34; ++u)
        EXPECT_EQ(VindelCombFeedback(u), 0.0) << u;
    const std::pair<int, double> known[] = {
        {35, 4.768e-07},   {40, 0.0002919436}, {48, 0.0395601988}, {56, 0.277537584},  {64, 0.601287484},
        {72, 0.817200541}, {80, 0.923012495},  {96, 0.987462282},  {112, 0.998014927}, {127, 0.999648809}};
    for (const auto& [u, g] : known)
        EXPECT_EQ(VindelCombFeedback(u), g) << u;
    for (int u = 36; u < 128; ++u)
        EXPECT_GT(VindelCombFeedback(u), VindelCombFeedback(u - 1)) << u;
    // Near the top 1 - g halves about every 6 values.
    for (int u = 90; u + 6 < 128; ++u)
        EXPECT_NEAR((1 - VindelCombFeedback(u + 6)) / (1 - VindelCombFeedback(u)), 0.5, 0.06) << u;
}

TEST_F(FilterAGraph, TakesCutoffAsItIsAndCountsResonanceFrom127OnItsWiderRange)
{
    EXPECT_EQ(graph.GetDescriptor().maximum, 254);
    EXPECT_EQ(graph.CutoffToRow(99), 99);
    // Resonance value 191 is 64; cutoff value 161 is 80, halved unsigned.
    Set(191, 161);
    graph.SetFilterType(31, true);
    const Section s = ExpectedSection(80, 64);
    ExpectCurve(SectionPoints(s, s.k * s.k, 0, 0, 140, 60));
    // Below 127 the resonance is clamped to 0.
    Set(40, 161);
    const Section plain = ExpectedSection(80, 0);
    ExpectCurve(SectionPoints(plain, plain.k * plain.k, 0, 0, 140, 60));
}

TEST_F(FilterAGraph, TheTypeValueWeighsLowHighBandAndTheUnfilteredSignal)
{
    Set(200, 150);
    const Section s = ExpectedSection(75, 73);
    const double k = s.k;
    const struct
    {
        int type;
        double low, high, band, direct;
    } mixes[] = {{10, 1, 0, 0, 0},
                 {40, 23 / 30.0, 7 / 30.0, 0, 0},
                 {64, 0, 1, 0, 0},
                 {96, 0, 0, 1, 0},
                 {110, 0, 0, 17 / 30.0, 13 / 30.0}};
    for (const auto& mix : mixes) {
        SCOPED_TRACE(mix.type);
        graph.SetFilterType(mix.type, true);
        // The weights as the table keeps them, in single precision.
        const double low = static_cast<float>(mix.low);
        const double high = static_cast<float>(mix.high);
        const double band = static_cast<float>(mix.band);
        const double direct = static_cast<float>(mix.direct);
        ExpectCurve(SectionPoints(s, low * k * k + high + band * k + direct, -band * k - 2 * high + direct * s.d1,
                                  high + direct * s.d2, 140, 60));
    }
}

TEST_F(FilterAGraph, ATypeValueAbove127IsKeptAs127AndDrawsTheFlatUnfilteredLine)
{
    Set(220, 100);
    graph.SetFilterType(200, true);
    const std::vector<GdiplusCall> fills = WithPen(Lines(), 4.0f);
    EXPECT_EQ(graph.GetFilterType(), 127);
    ASSERT_EQ(fills.size(), 136u) << "the points at x = 3 to 138";
    for (const GdiplusCall& fill : fills)
        EXPECT_NEAR(fill.args[1], kGraphTop + 36, 1e-4);
    graph.SetFilterType(-4, true);
    Lines();
    EXPECT_EQ(graph.GetFilterType(), 0);
}

TEST_F(FilterAGraph, AModelATypeAbove3ShowsNoBandWhileDragged)
{
    Set(200, 100);
    for (const auto& [type, bands] : {std::pair{2, 1u}, {4, 0u}, {64, 0u}}) {
        graph.SetFilterType(type, false);
        const POINT handle = graph.GetHandlePosition(0);
        Press(graph, handle.x + 2, handle.y + 2);
        GdiplusRecording recording;
        Render(graph);
        std::size_t found = 0;
        for (const GdiplusCall& fill : recording.CallsOf("GdipFillRectangle"))
            found += fill.color == CQBCtrlFilterGraph::kActiveBandColor;
        EXPECT_EQ(found, bands) << type;
        Release(graph, handle.x + 2, handle.y + 2);
    }
}

TEST_F(FilterBGraph, SectionTypesHaveTheirOwnNumerators)
{
    Set(180, 170);
    const Section s = ExpectedSection(85, 53);
    graph.SetFilterType(CQBCtrlVindelFilterBGraph::kLowPass, true);
    ExpectCurve(SectionPoints(s, s.k * s.k, 0, 0, 140, 60));
    graph.SetFilterType(CQBCtrlVindelFilterBGraph::kHighPass, true);
    ExpectCurve(SectionPoints(s, 1, -2, 1, 140, 60));
    graph.SetFilterType(CQBCtrlVindelFilterBGraph::kBandPass, true);
    ExpectCurve(SectionPoints(s, s.k, -s.k, 0, 140, 60));
    graph.SetFilterType(4, true);
    EXPECT_TRUE(Lines().empty());
}

TEST_F(FilterBGraph, TheCombFollowsItsDelayAndFeedback)
{
    graph.SetFilterType(CQBCtrlVindelFilterBGraph::kComb, false);
    // Cutoff 60, resonance 103.
    Set(230, 120);
    ExpectCurve(CombPoints(VindelCombDelay(60), VindelCombFeedback(103), 140, 60));
    // Cutoff 3 takes the longest delay.
    Set(200, 6);
    ExpectCurve(CombPoints(4088, VindelCombFeedback(73), 140, 60));
}

TEST_F(FilterBGraph, ACombWithoutFeedbackIsTheFlatLineAtSixTenthsOfTheHeight)
{
    graph.SetFilterType(CQBCtrlVindelFilterBGraph::kComb, false);
    Set(161, 120);
    const std::vector<GdiplusCall> fills = WithPen(Lines(), 4.0f);
    ASSERT_FALSE(fills.empty());
    for (const GdiplusCall& fill : fills)
        EXPECT_FLOAT_EQ(fill.args[1], kGraphTop + 36.0f);
    // Resonance 48 feeds back 0.04: ripples of about a tenth of a pixel.
    Set(175, 120);
    float ripple = 0;
    for (const GdiplusCall& fill : WithPen(Lines(), 4.0f))
        ripple = std::max(ripple, std::abs(fill.args[1] - (kGraphTop + 36.0f)));
    EXPECT_GT(ripple, 0.1f);
}

TEST_F(FilterBGraph, ASmallGraphEndsItsCurveShortOfTheRightEdge)
{
    CQBCtrlVindelFilterBGraph small;
    const QBFilterGraphDescriptor descriptor = FilterGraphAt<CQBCtrlVindelFilterBGraph>(50, 40);
    ASSERT_TRUE(small.Create(&descriptor, 5, 9));
    Place(small);
    QBFilterGraphValues values{0, 127, 127};
    small.SetData(&values, false);
    const Section s = ExpectedSection(63, 0);
    const std::vector<CurvePoint> points = SectionPoints(s, 1, -2, 1, 50, 40);
    small.SetFilterType(CQBCtrlVindelFilterBGraph::kHighPass, false);
    ExpectCurve(small, points, 50, 40);
    EXPECT_NEAR(points.back().x, 41.4, 0.05);
    small.SetFilterType(CQBCtrlVindelFilterBGraph::kComb, false);
    ExpectCurve(small, CombPoints(VindelCombDelay(63), 0, 50, 40), 50, 40);
    small.Destroy();
}

TEST_F(FilterBGraph, TheHandleRunsOverTheWholeRangeAndShiftHalvesTheDrag)
{
    Set(127, 127);
    // x = 127 x 132 / 254 + 4 = 70; y = 4 + 52 - 127 x 52 / 254 = 30.
    EXPECT_EQ(graph.GetHandlePosition(0).x, 70);
    EXPECT_EQ(graph.GetHandlePosition(0).y, 30);
    Press(graph, 72, 32);
    MoveTo(graph, 82, 32, kHfcModifierShift);
    Release(graph, 82, 32);
    // Ten pixels with Shift: ten halves of a value.
    EXPECT_EQ(Events().back(), "owner:capture released");
    EXPECT_EQ(Events()[Events().size() - 3], "owner:report 0 resonance 127 cutoff 132");
    Events().clear();
    graph.OnKeyDown(28, 0, 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:report 0 resonance 127 cutoff 130"}))
        << "left lowers the cutoff";
}

// Both models where the program window shows its filters, 66 x 49 on the
// timbre's display: model A between low-pass and high-pass with a strong
// resonance, model B's comb.
TEST_F(FilterBGraph, BothModelsRenderOnTheProgramWindowsDisplay)
{
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    CHfcBmp* window = GetBitmap("BG_ProgramEdit");
    ASSERT_NE(window, nullptr);
    const std::unique_ptr<CHfcBmp> background = Slice(*window, {26, 250, 26 + 72, 250 + 55});
    CQBCtrlVindelFilterAGraph a;
    CQBCtrlVindelFilterBGraph b;
    const std::pair<CQBCtrlFilterGraph*, int> graphs[] = {{&a, 45}, {&b, CQBCtrlVindelFilterBGraph::kComb}};
    for (const auto& [model, type] : graphs) {
        QBFilterGraphDescriptor descriptor = FilterGraphAt<CQBCtrlVindelFilterAGraph>(66, 49);
        descriptor.background = background.get();
        descriptor.lineColor = 0xFFF0F0F0;
        descriptor.fillColor = 0x40F0F0F0;
        descriptor.filterType = type;
        ASSERT_TRUE(model->Create(&descriptor, 4, 8));
        Place(*model);
        QBFilterGraphValues values{0, 235, 150};
        model->SetData(&values, false);
        Render(*model);
        const char* name = model == &a ? "filter_a_graph" : "filter_b_graph";
        EXPECT_TRUE(MatchesReference(model->GetRect(), "app/reference", name));
        model->Destroy();
    }
    CResourceManager::Release();
}

using CustomFilterA = FilterGraphTest<CCustomVindelFilterA>;

TEST_F(CustomFilterA, TheWrappersCreateUnderTheirFixedCodesAndReadOnlyStopsTheMouse)
{
    CCustomVindelFilterA a;
    CCustomVindelFilterB b;
    const QBFilterGraphDescriptor descriptor = FilterGraphAt<CCustomVindelFilterA>();
    ASSERT_TRUE(a.Create(&descriptor, 4));
    ASSERT_TRUE(b.Create(&descriptor, 5));
    EXPECT_FALSE(a.Create(nullptr, 6));
    EXPECT_EQ(a.GetEventCode(), 8u);
    EXPECT_EQ(b.GetEventCode(), 9u);
    EXPECT_EQ(a.GetId(), 4u);
    EXPECT_TRUE(a.IsDirty());
    EXPECT_EQ(static_cast<CCustomControl&>(a).GetControlType(), 20);
    EXPECT_EQ(static_cast<CCustomControl&>(b).GetControlType(), 21);
    a.Destroy();
    b.Destroy();
    EXPECT_EQ(a.GetDescriptor().maximum, 254) << "the model's defaults back";
    EXPECT_EQ(a.GetDescriptor().x, 0);

    Set(127, 127);
    CCustomControl& binding = graph;
    binding.SetReadOnly(true);
    EXPECT_TRUE(binding.IsReadOnly());
    Press(graph, 72, 32);
    EXPECT_FALSE(HoldsCapture(graph));
    binding.SetReadOnly(false);
    Press(graph, 72, 32);
    EXPECT_TRUE(HoldsCapture(graph));
    Release(graph, 72, 32);

    binding.SetEnabled(false);
    EXPECT_FALSE(binding.IsEnabled());
    const std::vector<GdiplusCall> curve = WithPen(Lines(), 0.5f);
    ASSERT_FALSE(curve.empty());
    EXPECT_EQ(curve.front().color, 0x7FFFFFFFu) << "drawn dimmed";
}

}  // namespace
}  // namespace ui_test
