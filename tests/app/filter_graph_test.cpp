// The filter response graph: its tables, the four-pole response point by
// point against the curve worked out here from the filter's written-out
// denominator, the sweep's ends and first point, the handle, and dragging
// it with the mouse or the arrow keys.
#include "filter_graph_fixture.h"

#include "app/SkinTable.h"
#include "app/graphs/FilterGraphTables.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcModifiers.h"

#include <cmath>
#include <complex>

namespace ui_test {
namespace {

using platform::testing::GdiplusCall;

constexpr int kLeft = kGraphLeft;
constexpr int kTop = kGraphTop;

// The sweep's points, each from the written-out
// fifth-order denominator, with the single-precision constants.
std::vector<CurvePoint> ExpectedPoints(double a, double b, double r, int width)
{
    using C = std::complex<double>;
    const double g = std::pow(1 - a, 4);
    std::vector<CurvePoint> points;
    for (int i = 0; i < 10 * width; i += 5) {
        const double f = 440 * std::pow(2.0, (i - 290) / 60.0);
        if (f > 15625)
            break;
        const double w = 2 * 3.14159265358979323846 * f / 31250;
        auto z = [w](int k) { return std::polar(1.0, -k * w); };
        const C d = 1.0 - (4 * a + b + g * b * r) * z(1) + (6 * a * a + 4 * a * b + g * r) * z(2) -
                    (4 * a * a * a + 6 * a * a * b) * z(3) + (a * a * a * a + 4 * a * a * a * b) * z(4) -
                    a * a * a * a * b * z(5);
        const double level = 20 * std::log10(std::abs(g * (1.0 - b * z(1))) / std::abs(d));
        const double l = std::log10(f);
        points.push_back({static_cast<float>(30 * l - 28),
                          static_cast<float>(double{20.4f} - static_cast<float>(double{0.816f} * level + 0.5)), level});
    }
    return points;
}

using FilterGraph = FilterGraphTest<CQBCtrlFilterGraph>;

TEST(FilterGraphTables, CutoffRowsFollowTheGraphWidth)
{
    const int narrow[] = {3, 4, 5, 6, 7, 8, 8, 9, 10, 10, 11};
    const int wide[] = {6, 7, 8, 9, 10, 11, 11, 12, 13};
    for (int c = 0; c < 11; ++c)
        EXPECT_EQ(FilterCutoffRow(c, 99), narrow[c]) << c;
    for (int c = 0; c < 9; ++c)
        EXPECT_EQ(FilterCutoffRow(c, 100), wide[c]) << c;
    EXPECT_EQ(FilterCutoffRow(99, 90), 60);
    EXPECT_EQ(FilterCutoffRow(99, 140), 95);
    for (int width : {90, 140})
        for (int c = 1; c < 100; ++c) {
            const int step = FilterCutoffRow(c, width) - FilterCutoffRow(c - 1, width);
            EXPECT_TRUE(step == 0 || step == 1) << width << " " << c;
        }
}

TEST(FilterGraphTables, CoefficientRowsPassThroughTheKnownRowsMonotonically)
{
    const struct
    {
        int row;
        float a0, a1, b;
    } known[] = {{0, 0.998358f, 0.998358f, -0.000400f},  {25, 0.989429f, 0.989429f, -0.002664f},
                 {50, 0.933621f, 0.933621f, -0.017485f}, {75, 0.645655f, 0.645655f, -0.126039f},
                 {90, 0.298394f, 0.304656f, -0.486097f}, {99, 0.056332f, 0.178479f, -0.954657f}};
    for (const auto& k : known) {
        EXPECT_EQ(FilterCoefficients(k.row).a0, k.a0) << k.row;
        EXPECT_EQ(FilterCoefficients(k.row).a1, k.a1) << k.row;
        EXPECT_EQ(FilterCoefficients(k.row).b, k.b) << k.row;
    }
    for (int row = 1; row < kFilterRowCount; ++row) {
        EXPECT_LT(FilterCoefficients(row).a0, FilterCoefficients(row - 1).a0) << row;
        EXPECT_LT(FilterCoefficients(row).a1, FilterCoefficients(row - 1).a1) << row;
        EXPECT_LT(FilterCoefficients(row).b, FilterCoefficients(row - 1).b) << row;
    }
}

TEST_F(FilterGraph, CreateGrowsTheRectangleTwoUpAndLeftAndFourDownAndRight)
{
    CQBCtrlFilterGraph other;
    for (const auto& [width, height] : {std::pair{0, 60}, {140, 0}}) {
        const QBFilterGraphDescriptor descriptor = FilterGraphAt(width, height);
        EXPECT_FALSE(other.Create(&descriptor, 1, 7));
    }
    EXPECT_FALSE(other.Create(nullptr, 1, 7));
    EXPECT_EQ(graph.GetRect(), (RECT{kLeft - 2, kTop - 2, kLeft + 144, kTop + 64}));
    EXPECT_EQ(graph.GetEventCode(), 7u);
}

TEST_F(FilterGraph, WithoutResonanceThePlainFourPoleCurve)
{
    // Resonance value 98 is -1; cutoff value 100 is parameter 50, row 50.
    Set(98, 100);
    ExpectCurve(ExpectedPoints(0.933621f, 0.0, 0.0, 140));
}

TEST_F(FilterGraph, WithResonanceTheFeedbackPoleJoins)
{
    // Resonance value 198 is 99; cutoff value 154 is parameter 77, row 75.
    Set(198, 154);
    ExpectCurve(ExpectedPoints(0.645655f, -0.126039f, 3.9, 140));
    Set(148, 188);  // resonance 49, parameter 94, row 90
    ExpectCurve(ExpectedPoints(0.304656f, -0.486097f, 49 * 3.9 / 99, 140));
}

TEST_F(FilterGraph, TheSweepSkipsItsFirstPointAndStopsBelow15625Hz)
{
    Set(98, 198);
    const std::vector<GdiplusCall> fills = WithPen(Lines(), 4.0f);
    ASSERT_FALSE(fills.empty());
    // Point 0 (15.43 Hz, x 7.7) only starts the curve; point 1 draws first.
    EXPECT_NEAR(fills.front().args[0], kLeft + 30 * std::log10(440 * std::pow(2.0, -285 / 60.0)) - 28, 1e-3);
    // The last point is i = 595, about 14,917 Hz.
    EXPECT_NEAR(fills.back().args[0], kLeft + 30 * std::log10(440 * std::pow(2.0, 305 / 60.0)) - 28, 1e-3);
}

TEST_F(FilterGraph, OtherFilterTypesDrawNoCurve)
{
    Set(98, 100);
    graph.SetFilterType(4, true);
    EXPECT_TRUE(Lines().empty());
    graph.SetFilterType(2, true);
    EXPECT_FALSE(Lines().empty());
}

TEST_F(FilterGraph, ADisabledGraphTruncatesItsAlphas)
{
    Set(98, 100);
    graph.SetEnabled(false);
    const std::vector<GdiplusCall> lines = Lines();
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(WithPen(lines, 4.0f)[0].color, 0x20FFFFFFu) << "0x40 x 0.5";
    EXPECT_EQ(WithPen(lines, 0.5f)[0].color, 0x7FFFFFFFu) << "0xFF x 0.5, truncated";
}

TEST_F(FilterGraph, TheHandleSitsByItsValuesAndIsHitStrictlyInside)
{
    Set(99, 66);
    // x = 66 x 132 / 198 + 4 = 48; y = 4 + 52 - 99 x 52 / 198 = 30.
    EXPECT_EQ(graph.GetHandlePosition(0).x, 48);
    EXPECT_EQ(graph.GetHandlePosition(0).y, 30);
    // The square reaches 9 left and up of the handle and is 18 wide; the
    // control's points lie 2 right and down of the drawing area's.
    EXPECT_EQ(graph.HitHandle(2 + 48 - 9, 2 + 30), CQBCtrlFilterGraph::kNoHandle);
    EXPECT_EQ(graph.HitHandle(2 + 48 - 8, 2 + 30), 0);
    EXPECT_EQ(graph.HitHandle(2 + 48 + 8, 2 + 30 + 8), 0);
    EXPECT_EQ(graph.HitHandle(2 + 48 + 9, 2 + 30), CQBCtrlFilterGraph::kNoHandle);
}

TEST_F(FilterGraph, DraggingTheHandleReportsCutoffAndResonanceAndShiftHalves)
{
    Set(99, 66);
    Press(graph, 50, 32);
    EXPECT_TRUE(HoldsCapture(graph));
    EXPECT_EQ(graph.GetActiveHandle(), 0);
    // One pixel across is 199 / 132 values; with Shift a pixel down is half
    // a value. The graph holds the key focus, so Shift reaches its owner.
    MoveTo(graph, 60, 32);
    MoveTo(graph, 60, 42, kHfcModifierShift);
    Release(graph, 60, 42);
    const int cutoff = static_cast<int>((66 * 16.0f + 8 + 10 * 16 * (199.0f / 132)) / 16);
    const int resonance = 198 - static_cast<int>(((198 - 99) * 16.0f + 8 + 10 * 16 / 2.0f) / 16);
    EXPECT_EQ(
        Events(),
        (std::vector<std::string>{
            "owner:mouse down 50,32", "owner:edit begin", "owner:report 0 resonance 99 cutoff 66", "owner:get focus",
            "owner:report 0 resonance 99 cutoff " + std::to_string(cutoff), "owner:key down 16",
            "owner:report 0 resonance " + std::to_string(resonance) + " cutoff " + std::to_string(cutoff),
            "owner:key up 16",
            "owner:report 0 resonance " + std::to_string(resonance) + " cutoff " + std::to_string(cutoff),
            "owner:edit end", "owner:capture released"}));
    EXPECT_EQ(graph.GetActiveHandle(), CQBCtrlFilterGraph::kNoHandle);
}

TEST_F(FilterGraph, ArrowsMoveTheHandleTheWayTheyPoint)
{
    Set(99, 66);
    Events().clear();
    EXPECT_TRUE(graph.OnKeyDown(28, 0, 0));
    EXPECT_TRUE(graph.OnKeyRepeat(29, 0, 0));
    EXPECT_TRUE(graph.OnKeyDown(29, 0, 0));
    EXPECT_TRUE(graph.OnKeyDown(30, 0, 0));
    EXPECT_TRUE(graph.OnKeyDown(31, 0, 0));
    EXPECT_EQ(Events(), (std::vector<std::string>{
                            "owner:report 0 resonance 99 cutoff 64", "owner:report 0 resonance 99 cutoff 66",
                            "owner:report 0 resonance 99 cutoff 68", "owner:report 0 resonance 100 cutoff 68",
                            "owner:report 0 resonance 99 cutoff 68"}));
    Set(0, 198);
    Events().clear();
    graph.OnKeyDown(29, 0, 0);
    graph.OnKeyDown(31, 0, 0);
    EXPECT_TRUE(Events().empty()) << "clamped at the range's ends";
}

TEST_F(FilterGraph, RendersOnTheProgramWindowsDisplayInEachTheme)
{
    // Where the program window shows it: 66 x 49 at (28, 252) on the
    // timbre's display, dark in every theme, so the curve is light.
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    for (int theme : {0, 1, 2}) {
        CQBCtrlFilterGraph themed;
        QBFilterGraphDescriptor descriptor = FilterGraphAt(66, 49);
        CHfcBmp* window = GetBitmap(ThemedBitmapName("BG_ProgramEdit", theme).c_str());
        ASSERT_NE(window, nullptr);
        const std::unique_ptr<CHfcBmp> background = Slice(*window, {26, 250, 26 + 72, 250 + 55});
        descriptor.background = background.get();
        descriptor.lineColor = 0xFFF0F0F0;
        descriptor.fillColor = 0x40F0F0F0;
        ASSERT_TRUE(themed.Create(&descriptor, 4, 7));
        Place(themed);
        QBFilterGraphValues values{0, 170, 90};
        themed.SetData(&values, false);
        Render(themed);
        EXPECT_TRUE(MatchesReference(themed.GetRect(), "app/reference", "filter_graph_theme" + std::to_string(theme)));
        themed.Destroy();
    }
    CResourceManager::Release();
}

}  // namespace
}  // namespace ui_test
