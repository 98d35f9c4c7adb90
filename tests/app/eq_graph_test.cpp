// The EQ response graph: its axes, the response summed over the bands with
// the graph's own dB factor, the curve column by column up to half the
// sample rate, the squares, and dragging a band with Shift and Alt.
#include "control_fixture.h"

#include "app/SkinTable.h"
#include "app/graphs/CustomEqGraph.h"

#include "framework/services/ServiceSlots.h"
#include "framework/ui/HfcModifiers.h"

#include <platform/testing/gdi.h>

#include <cmath>
#include <sstream>

namespace ui_test {
namespace {

using platform::testing::GdiplusCall;
using platform::testing::GdiplusRecording;

constexpr int kLeft = 20;
constexpr int kTop = 30;

// Logs the graph's reports with their values.
class CEqOwner : public CRecordingOwner
{
public:
    void OnControlEvent(CHfcControl*, std::intptr_t word) override
    {
        const auto* report = reinterpret_cast<const CustomEqGraphReport*>(word);
        std::ostringstream text;
        text << "owner:report " << report->kind << " band " << report->band << " " << report->value1 << " "
             << report->value2;
        Events().push_back(text.str());
    }
};

CustomEqGraphDescriptor Graph()
{
    CustomEqGraphDescriptor descriptor;
    descriptor.x = kLeft;
    descriptor.y = kTop;
    return descriptor;
}

// A peaking band of +6 dB at 1 kHz (Q 1) for 44.1 kHz, in single precision.
constexpr float kPeak[5] = {1.0476f, -1.8850f, 0.8567f, -1.8850f, 0.9043f};

// The band's level worked out from its definition: the float 2 pi and the
// factor 0.4343.
double ExpectedLevel(const float c[5], float f, float rate)
{
    const double w = static_cast<float>(6.2831855f * f) / rate;
    auto magnitude = [w](double c0, double c1, double c2) {
        const double re = c0 + c1 * std::cos(w) + c2 * std::cos(2 * w);
        const double im = -c1 * std::sin(w) - c2 * std::sin(2 * w);
        return re * re + im * im;
    };
    return 10 * 0.4343 * std::log(magnitude(c[0], c[1], c[2]) / magnitude(1, c[3], c[4]));
}

class EqGraph : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        const CustomEqGraphDescriptor descriptor = Graph();
        ASSERT_TRUE(graph.Create(&descriptor, 3));
        Place(graph);
        graph.SetOwner(&eqOwner);
    }
    void Set(int kind, int band, std::initializer_list<float> values, bool redraw = false)
    {
        CustomEqGraphRecord record{kind, band, {}};
        std::copy(values.begin(), values.end(), record.values);
        graph.SetData(&record, redraw);
    }
    std::vector<GdiplusCall> Drawn(const char* function)
    {
        GdiplusRecording recording;
        Render(graph);
        return recording.CallsOf(function);
    }

    CCustomEqGraph graph;
    CEqOwner eqOwner;
};

TEST_F(EqGraph, CreateKeepsTheDescriptorAndStartsFlatAt44100)
{
    CCustomEqGraph other;
    EXPECT_FALSE(other.Create(nullptr, 1));
    EXPECT_EQ(graph.GetRect(), (RECT{kLeft, kTop, kLeft + 120, kTop + 61}));
    EXPECT_EQ(graph.GetId(), 3u);
    EXPECT_EQ(graph.GetEventCode(), 7u);
    EXPECT_EQ(graph.GetControlType(), 19);
    EXPECT_EQ(graph.GetSampleRate(), 44100.0f);
    EXPECT_EQ(graph.GetSelectedBand(), -1);
    ASSERT_EQ(graph.GetBands().size(), 4u);
    EXPECT_EQ(graph.GetBands()[2].frequency, 1000.0f);
    EXPECT_EQ(graph.GetBands()[2].width, 0.3f);
    for (float f : {20.0f, 1000.0f, 20000.0f})
        EXPECT_EQ(graph.ResponseAt(f), 0.0f) << f;
}

TEST_F(EqGraph, AxesMapInsideTheEdgesAndGiveMinusOneOutside)
{
    EXPECT_EQ(graph.FrequencyToX(10.0f), -1.0f);
    EXPECT_EQ(graph.FrequencyToX(30000.0f), -1.0f);
    EXPECT_FLOAT_EQ(graph.FrequencyToX(16.0f), 0.0f);
    EXPECT_FLOAT_EQ(graph.FrequencyToX(24000.0f), 120.0f);
    const double expected = (std::log10(1000.0) - std::log10(16.0)) / (std::log10(24000.0) - std::log10(16.0)) * 120;
    EXPECT_NEAR(graph.FrequencyToX(1000.0f), expected, 1e-4);
    EXPECT_NEAR(graph.XToFrequency(static_cast<float>(expected)), 1000.0f, 0.05f);
    EXPECT_EQ(graph.XToFrequency(-2000.0f), 0.0001f) << "an exponent at or below 0";
    EXPECT_EQ(graph.GainToY(18.5f), -1.0f);
    EXPECT_EQ(graph.GainToY(-18.5f), -1.0f);
    EXPECT_FLOAT_EQ(graph.GainToY(18.0f), 0.0f);
    EXPECT_FLOAT_EQ(graph.GainToY(0.0f), 30.5f);
    EXPECT_FLOAT_EQ(graph.GainToY(-18.0f), 61.0f);
    EXPECT_FLOAT_EQ(graph.YToGain(0.0f), 18.0f);
    EXPECT_FLOAT_EQ(graph.YToGain(61.0f), -18.0f);
}

TEST_F(EqGraph, BandsAddTheirLevelsWithTheGraphsOwnFactor)
{
    Set(CustomEqGraphRecord::kCoefficients, 1, {kPeak[0], kPeak[1], kPeak[2], kPeak[3], kPeak[4]});
    Set(CustomEqGraphRecord::kCoefficients, 3, {kPeak[0], kPeak[1], kPeak[2], kPeak[3], kPeak[4]});
    for (float f : {50.0f, 700.0f, 1000.0f, 3000.0f})
        EXPECT_NEAR(graph.ResponseAt(f), 2 * ExpectedLevel(kPeak, f, 44100.0f), 1e-5) << f;

    // A plain gain of 4 shows the factor: 12.0414 dB, not 20 log10 4 = 12.0412.
    Set(CustomEqGraphRecord::kCoefficients, 1, {4.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    Set(CustomEqGraphRecord::kCoefficients, 3, {1.0f, 0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_NEAR(graph.ResponseAt(500.0f), 10 * 0.4343 * std::log(16.0), 1e-5);
    EXPECT_GT(graph.ResponseAt(500.0f) - 20 * std::log10(4.0), 1e-4);
}

TEST_F(EqGraph, TheCurveRunsColumnByColumnAndStopsAtHalfTheSampleRate)
{
    Set(CustomEqGraphRecord::kCoefficients, 0, {kPeak[0], kPeak[1], kPeak[2], kPeak[3], kPeak[4]});
    Set(CustomEqGraphRecord::kSampleRate, 0, {30000.0f});
    const std::vector<GdiplusCall> lines = Drawn("GdipDrawLine");
    // Every column below 15 kHz joins the one before it: the curve lies
    // inside the gain range all the way.
    int last = 0;
    while (graph.XToFrequency(static_cast<float>(last + 1)) < 15000.0f)
        ++last;
    ASSERT_LT(last, 120);
    ASSERT_EQ(lines.size(), static_cast<std::size_t>(last));
    for (int i = 1; i <= last; ++i) {
        const GdiplusCall& line = lines[static_cast<std::size_t>(i - 1)];
        const float f = graph.XToFrequency(static_cast<float>(i));
        const double y = (1 - (ExpectedLevel(kPeak, f, 30000.0f) + 18) / 36) * 61;
        SCOPED_TRACE(i);
        EXPECT_FLOAT_EQ(line.args[2], static_cast<float>(kLeft + i));
        EXPECT_NEAR(line.args[3], kTop + y, 1e-3);
        EXPECT_EQ(line.color, 0xFF7F7F7Fu);
        EXPECT_EQ(line.penWidth, 1.0f);
    }
}

TEST_F(EqGraph, PointsOffTheGainRangeAreMovedToNotDrawn)
{
    // A flat cut of 14 dB draws; two of them lie below the bottom edge.
    Set(CustomEqGraphRecord::kCoefficients, 0, {0.2f, 0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_FALSE(Drawn("GdipDrawLine").empty()) << "-14 dB stays inside";
    Set(CustomEqGraphRecord::kCoefficients, 1, {0.2f, 0.0f, 0.0f, 0.0f, 0.0f});
    EXPECT_TRUE(Drawn("GdipDrawLine").empty()) << "-28 dB is below the bottom edge everywhere";
}

TEST_F(EqGraph, SquaresShowBandsOnTheAxesUnlessReadOnly)
{
    Set(CustomEqGraphRecord::kFrequency, 0, {10.0f});
    Set(CustomEqGraphRecord::kGain, 1, {30.0f});
    Set(CustomEqGraphRecord::kFrequency, 2, {100.0f});
    Set(CustomEqGraphRecord::kSelect, 2, {});
    std::vector<GdiplusCall> fills = Drawn("GdipFillRectangle");
    ASSERT_EQ(fills.size(), 2u) << "bands 2 and 3; band 0 lies left of the axis, band 1 above it";
    EXPECT_EQ(fills[0].color, 0xFFFF0000u);
    EXPECT_EQ(fills[1].color, 0xFF000000u);
    const float x = kLeft + graph.FrequencyToX(100.0f) - 2;
    // The context fills from half a pixel up and left of the corner.
    EXPECT_EQ(fills[0].args, (std::vector<float>{x - 0.5f, kTop + 30.5f - 2.5f, 5, 5}));

    graph.SetReadOnly(true);
    EXPECT_TRUE(Drawn("GdipFillRectangle").empty());
    EXPECT_FALSE(Drawn("GdipDrawLine").empty()) << "the curve stays";
}

TEST_F(EqGraph, ABandOutsideTheGraphChangesNothingButStillMarksItDirty)
{
    Render(graph);
    ASSERT_FALSE(graph.IsDirty());
    Set(CustomEqGraphRecord::kSampleRate, 4, {48000.0f}, true);
    Set(CustomEqGraphRecord::kSelect, -1, {}, true);
    EXPECT_TRUE(graph.IsDirty());
    EXPECT_EQ(graph.GetSampleRate(), 44100.0f);
    EXPECT_EQ(graph.GetSelectedBand(), -1);
}

TEST_F(EqGraph, ADisabledGraphDimsItsCurve)
{
    graph.SetEnabled(false);
    EXPECT_FALSE(graph.CCustomControl::IsEnabled());
    EXPECT_FALSE(graph.CHfcControl::IsEnabled());
    const std::vector<GdiplusCall> lines = Drawn("GdipDrawLine");
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0].color, 0x7F7F7F7Fu) << "alpha 0xFF x 0.5, truncated";
}

TEST_F(EqGraph, APressGrabsABandWithinFourPixelsAndAlwaysCaptures)
{
    // Band 0 at 1 kHz, 0 dB: x 72.8 (72 truncated), y 30.
    const int bx = static_cast<int>(graph.FrequencyToX(1000.0f));
    Press(graph, bx + 5, 30);
    EXPECT_TRUE(HoldsCapture(graph)) << "a miss captures too";
    EXPECT_EQ(graph.GetDraggedBand(), -1);
    Release(graph, bx + 5, 30);
    EXPECT_FALSE(HoldsCapture(graph));
    Events().clear();

    Press(graph, bx + 4, 34);
    EXPECT_EQ(graph.GetDraggedBand(), 0) << "the first of the four bands that sit together";
    std::ostringstream expected;
    expected << "owner:report 0 band 0 " << graph.XToFrequency(static_cast<float>(bx + 4)) << " "
             << graph.YToGain(34.0f);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse down " + std::to_string(bx + 4) + ",34", expected.str()}));
}

TEST_F(EqGraph, ABandOffTheAxisCannotBeGrabbedAtTheLeftEdge)
{
    for (int band = 0; band < 4; ++band)
        Set(CustomEqGraphRecord::kFrequency, band, {10.0f});
    for (int x : {0, 1, 3}) {
        Press(graph, x, 30);
        EXPECT_EQ(graph.GetDraggedBand(), -1) << x;
        Release(graph, x, 30);
    }
}

TEST_F(EqGraph, DraggingFollowsTheMouseAtATenthWithShiftAndClampsItsReports)
{
    const int bx = static_cast<int>(graph.FrequencyToX(1000.0f));
    Press(graph, bx, 30);
    Events().clear();
    MoveTo(graph, bx + 10, 20, kHfcModifierShift);
    MoveTo(graph, bx + 200, -100);
    std::ostringstream fine;
    fine << "owner:report 0 band 0 " << graph.XToFrequency(static_cast<float>(bx) + 1.0f) << " "
         << graph.YToGain(29.0f);
    std::ostringstream clamped;
    clamped << "owner:report 0 band 0 20000 18";
    EXPECT_EQ(Events(), (std::vector<std::string>{fine.str(), clamped.str()}));
    Events().clear();

    Release(graph, bx + 200, -100);
    EXPECT_EQ(graph.GetDraggedBand(), -1);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"owner:mouse up " + std::to_string(bx + 200) + ",-100", "owner:value 1"}));
}

TEST_F(EqGraph, AltDragsTheWidth)
{
    const int bx = static_cast<int>(graph.FrequencyToX(1000.0f));
    Press(graph, bx, 30);
    Events().clear();
    MoveTo(graph, bx + 10, 40, kHfcModifierAlt);
    MoveTo(graph, bx + 20, 40, kHfcModifierAlt | kHfcModifierShift);
    std::ostringstream first;
    first << "owner:report 1 band 0 " << 0.3f * 9.5f + 0.5f + 1.0f << " 0";
    std::ostringstream second;
    second << "owner:report 1 band 0 " << 0.3f * 9.5f + 0.5f + 1.0f + 0.1f << " 0";
    EXPECT_EQ(Events(), (std::vector<std::string>{first.str(), second.str()}));
    Release(graph, bx + 20, 40);
}

TEST_F(EqGraph, AReadOnlyGraphIgnoresTheMouse)
{
    graph.SetReadOnly(true);
    Press(graph, static_cast<int>(graph.FrequencyToX(1000.0f)), 30);
    EXPECT_FALSE(HoldsCapture(graph));
    EXPECT_EQ(graph.GetDraggedBand(), -1);
}

TEST_F(EqGraph, RendersOnTheTimbreEqWindowsDisplayInEachTheme)
{
    // Where the EQ window shows it: 181 x 70 on the display at (19, 71) of
    // its background, which is dark in every theme, so the curve is light.
    ASSERT_NE(CResourceManager::Acquire(), nullptr);
    for (int theme : {0, 1, 2}) {
        CCustomEqGraph themed;
        CustomEqGraphDescriptor descriptor;
        descriptor.x = 10;
        descriptor.y = 30;
        descriptor.width = 181;
        descriptor.height = 70;
        descriptor.background = GetBitmap(ThemedBitmapName("BG_TimbreEqEdit", theme).c_str());
        descriptor.backgroundX = 19;
        descriptor.backgroundY = 71;
        descriptor.curveColor = 0xFFE0E0E0;
        ASSERT_NE(descriptor.background, nullptr);
        ASSERT_TRUE(themed.Create(&descriptor, 4));
        Place(themed);
        CustomEqGraphRecord peak{CustomEqGraphRecord::kCoefficients, 1, {}};
        std::copy(kPeak, kPeak + 5, peak.values);
        themed.SetData(&peak, false);
        const float places[4][2] = {{100.0f, -3.0f}, {1000.0f, 6.0f}, {5000.0f, 0.0f}, {12000.0f, 9.0f}};
        for (int band = 0; band < 4; ++band) {
            CustomEqGraphRecord frequency{CustomEqGraphRecord::kFrequency, band, {places[band][0]}};
            CustomEqGraphRecord gain{CustomEqGraphRecord::kGain, band, {places[band][1]}};
            themed.SetData(&frequency, false);
            themed.SetData(&gain, false);
        }
        CustomEqGraphRecord select{CustomEqGraphRecord::kSelect, 1, {}};
        themed.SetData(&select, false);
        Render(themed);
        EXPECT_TRUE(MatchesReference(themed.GetRect(), "app/reference", "eq_graph_theme" + std::to_string(theme)));
        themed.Destroy();
    }
    CResourceManager::Release();
}

}  // namespace
}  // namespace ui_test
