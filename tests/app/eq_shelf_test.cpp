// The EQ shelves: the frequency tables with their jumps, half a decibel per
// gain step, the boost and cut filters checked by their gain at 0 Hz and
// at half the sample rate, and what the edit layer hands the EQ graph.
#include "app/EqShelf.h"
#include "app/graphs/CustomEqGraph.h"
#include "edit_layer_fixture.h"

#include <gmock/gmock.h>

#include <cmath>

namespace editor_test {
namespace {

// |H| of b0 + b1 z^-1 over 1 + a1 z^-1 at z = 1 (0 Hz) and z = -1 (24 kHz).
double GainAtDc(const EqShelfCoefficients& c)
{
    return (c.b0 + c.b1) / (1.0 + c.a1);
}

double GainAtNyquist(const EqShelfCoefficients& c)
{
    return std::fabs((c.b0 - c.b1) / (1.0 - c.a1));
}

TEST(EqShelfTest, TheFrequencyTablesRunFromEndToEndWithTheirJumps)
{
    EXPECT_EQ(kEqLowShelfFrequencies.size(), 34u);
    EXPECT_EQ(kEqHighShelfFrequencies.size(), 26u);
    struct Case
    {
        int band, index, frequency;
    };
    const Case cases[] = {
        {kEqLowShelf, 0, 20},
        {kEqLowShelf, 24, 315},
        {kEqLowShelf, 25, 400},
        {kEqLowShelf, 33, 1000},
        {kEqHighShelf, 0, 1000},
        {kEqHighShelf, 10, 3150},
        {kEqHighShelf, 11, 4000},
        {kEqHighShelf, 25, 20000},
        // Values past either end take the end.
        {kEqLowShelf, -1, 20},
        {kEqLowShelf, 34, 1000},
        {kEqHighShelf, 26, 20000},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EqShelfFrequency(c.band, c.index), c.frequency) << c.band << " " << c.index;
    EXPECT_TRUE(std::is_sorted(kEqLowShelfFrequencies.begin(), kEqLowShelfFrequencies.end()));
    EXPECT_TRUE(std::is_sorted(kEqHighShelfFrequencies.begin(), kEqHighShelfFrequencies.end()));
    EXPECT_EQ(EqShelfGain(24), 12.0);
    EXPECT_EQ(EqShelfGain(-24), -12.0);
    EXPECT_EQ(EqShelfGain(1), 0.5);
}

TEST(EqShelfTest, AFrequencySnapsDownToItsBandsStepAndAGainToHalfDecibelsTowardZero)
{
    struct Case
    {
        int band;
        double frequency;
        int index;
    };
    const Case cases[] = {
        {kEqLowShelf, 330.0, 24},    {kEqLowShelf, 399.99, 24},  {kEqLowShelf, 400.0, 25},
        {kEqLowShelf, 20.0, 0},      {kEqLowShelf, 10.0, 0},     {kEqLowShelf, 0.0001, 0},
        {kEqLowShelf, 20000.0, 33},  {kEqHighShelf, 3999.0, 10}, {kEqHighShelf, 19999.0, 24},
        {kEqHighShelf, 20000.0, 25}, {kEqHighShelf, 999.0, 0},   {kEqHighShelf, 1119.9, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(EqShelfIndexAtOrBelow(c.band, c.frequency), c.index) << c.band << " " << c.frequency;
    struct Gain
    {
        double db;
        int value;
    };
    const Gain gains[] = {{-15.0, -30}, {15.0, 30}, {7.75, 15}, {-7.75, -15}, {0.49, 0}, {-0.49, 0}, {0.5, 1}};
    for (const Gain& g : gains)
        EXPECT_EQ(EqShelfGainValue(g.db), g.value) << g.db;
}

TEST(EqShelfTest, EachShelfHasItsGainAtOneEndAndUnityAtTheOther)
{
    for (int band : {kEqLowShelf, kEqHighShelf}) {
        const auto& table = band == kEqLowShelf
                                ? std::vector<int>(kEqLowShelfFrequencies.begin(), kEqLowShelfFrequencies.end())
                                : std::vector<int>(kEqHighShelfFrequencies.begin(), kEqHighShelfFrequencies.end());
        for (int frequency : {table.front(), table[table.size() / 2], table.back()}) {
            for (double gain : {12.0, -12.0, 0.5, -0.5, 7.5}) {
                const EqShelfCoefficients c = EqShelfCoefficientsFor(band, frequency, gain);
                const double shelf = std::pow(10.0, gain / 20.0);
                const double atDc = band == kEqLowShelf ? shelf : 1.0;
                const double atNyquist = band == kEqLowShelf ? 1.0 : shelf;
                EXPECT_NEAR(GainAtDc(c), atDc, 1e-4 * atDc) << band << " " << frequency << " Hz " << gain << " dB";
                EXPECT_NEAR(GainAtNyquist(c), atNyquist, 1e-4 * atNyquist)
                    << band << " " << frequency << " Hz " << gain << " dB";
                EXPECT_LT(std::fabs(c.a1), 1.0f) << "a stable pole";
                EXPECT_EQ(c.b2, 0.0f);
                EXPECT_EQ(c.a2, 0.0f);
            }
            const EqShelfCoefficients flat = EqShelfCoefficientsFor(band, frequency, 0.0);
            EXPECT_EQ(flat.b0, 1.0f);
            EXPECT_EQ(flat.b1, 0.0f);
            EXPECT_EQ(flat.a1, 0.0f);
        }
    }
    // A boost keeps its pole at k; a cut moves it.
    const double w = 2.0 * 3.14159265358979 * 400.0 / 48000.0;
    const double k = (std::sin(w) - 1.0) / std::cos(w);
    EXPECT_NEAR(EqShelfCoefficientsFor(kEqLowShelf, 400, 12.0).a1, k, 1e-6);
    EXPECT_NEAR(EqShelfCoefficientsFor(kEqHighShelf, 400, 12.0).a1, k, 1e-6);
    EXPECT_GT(std::fabs(EqShelfCoefficientsFor(kEqLowShelf, 400, -12.0).a1 - k), 1e-3);
}

// Records what the layer hands a graph.
class CRecordingGraph : public CHfcControl, public CCustomControl
{
public:
    CRecordingGraph(std::uint32_t id) { FinishCreate({0, 0, 120, 60}, id, 7); }
    void SetData(const void* data, bool) override { records.push_back(*static_cast<const CustomEqGraphRecord*>(data)); }
    void SetDirty(bool dirty) override
    {
        if (dirty)
            dirtyAfter = records.size();
    }
    int GetControlType() const override { return kEqGraph; }

    std::vector<CustomEqGraphRecord> records;
    std::size_t dirtyAfter = 0;
};

using EditLayerEqTest = EditLayerTest;

TEST_F(EditLayerEqTest, TheGraphGetsFrequencyAndGainOfEachBandThenBothCoefficientRecords)
{
    auto made = std::make_unique<CRecordingGraph>(static_cast<std::uint32_t>(NextId()));
    CRecordingGraph* graph = Attach(std::move(made), ParameterAddress{4, 48, 0});
    layer->SetEqGraph(0, 25, 24, 11, -6);
    ASSERT_EQ(graph->records.size(), 6u);
    const auto& r = graph->records;
    EXPECT_EQ(r[0].kind, CustomEqGraphRecord::kFrequency);
    EXPECT_EQ(r[0].band, 0);
    EXPECT_EQ(r[0].values[0], 400.0f);
    EXPECT_EQ(r[1].kind, CustomEqGraphRecord::kGain);
    EXPECT_EQ(r[1].band, 0);
    EXPECT_EQ(r[1].values[0], 12.0f);
    EXPECT_EQ(r[2].kind, CustomEqGraphRecord::kFrequency);
    EXPECT_EQ(r[2].band, 1);
    EXPECT_EQ(r[2].values[0], 4000.0f);
    EXPECT_EQ(r[3].kind, CustomEqGraphRecord::kGain);
    EXPECT_EQ(r[3].band, 1);
    EXPECT_EQ(r[3].values[0], -3.0f);
    for (int band : {0, 1}) {
        const CustomEqGraphRecord& c = r[static_cast<std::size_t>(4 + band)];
        EXPECT_EQ(c.kind, CustomEqGraphRecord::kCoefficients);
        EXPECT_EQ(c.band, band);
        const EqShelfCoefficients expected = band == 0 ? EqShelfCoefficientsFor(kEqLowShelf, 400, 12.0)
                                                       : EqShelfCoefficientsFor(kEqHighShelf, 4000, -3.0);
        EXPECT_THAT(std::vector<float>(c.values, c.values + 5),
                    ::testing::ElementsAre(expected.b0, expected.b1, 0.0f, expected.a1, 0.0f));
    }
    EXPECT_EQ(graph->dirtyAfter, 6u) << "marked for a redraw once everything is in";

    // The flat shelf at 0 dB is the identity.
    graph->records.clear();
    layer->SetEqGraph(0, 25, 0, 0, 0);
    EXPECT_THAT(std::vector<float>(graph->records[4].values, graph->records[4].values + 5),
                ::testing::ElementsAre(1.0f, 0.0f, 0.0f, 0.0f, 0.0f));
}

TEST_F(EditLayerEqTest, TheRealGraphDrawsTheShelvesItIsGiven)
{
    auto made = std::make_unique<CCustomEqGraph>();
    CustomEqGraphDescriptor descriptor;
    ASSERT_TRUE(made->Create(&descriptor, static_cast<std::uint32_t>(NextId())));
    CCustomEqGraph* graph = Attach(std::move(made), ParameterAddress{4, 48, 0});
    layer->SetEqGraph(0, 0, 24, 25, -24);
    EXPECT_EQ(graph->GetBands()[0].frequency, 20.0f);
    EXPECT_EQ(graph->GetBands()[1].gain, -12.0f);
    EXPECT_NEAR(graph->ResponseAt(1.0f), 12.0f, 0.1f) << "the low boost at the bottom";
    EXPECT_NEAR(graph->ResponseAt(1000.0f), 0.0f, 0.5f) << "between the shelves";
    EXPECT_TRUE(graph->IsDirty());
}

}  // namespace
}  // namespace editor_test
