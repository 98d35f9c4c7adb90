// The timbre EQ window: its page, its graph and what a drag of a band's
// square writes and sends.
#include "part_edit_fixture.h"

#include "app/graphs/CustomEqGraph.h"
#include "editor/EditorEditWindows.h"
#include "editor/TimbreEqEditLayer.h"
#include "editor/TimbreEqEditWindow.h"
#include "model/Program.h"

#include <gmock/gmock.h>

#include <cstring>

namespace editor_test {
namespace {

using ::testing::ElementsAre;

// The EQ rows of timbre 2, which the tests edit.
constexpr std::uint32_t kTimbre = 1;
constexpr ParameterAddress kLowFrequency{4, 48, kTimbre};
constexpr ParameterAddress kLowGain{4, 49, kTimbre};
constexpr ParameterAddress kHighFrequency{4, 50, kTimbre};
constexpr ParameterAddress kHighGain{4, 51, kTimbre};

class TimbreEqWindowTest : public PartEditTest
{
protected:
    CTimbreEqEditWindow* OpenEq(int timbre = kTimbre)
    {
        window = OpenWindow<CTimbreEqEditWindow>(kProgram, 40, 30, timbre);
        page = static_cast<CTimbreEqEditLayer*>(window->GetMainLayer());
        return window;
    }
    CCustomEqGraph& Graph() { return *static_cast<CCustomEqGraph*>(page->GetControl(4)); }
    // A report of the graph as a drag of a band's square gives it.
    void Drag(int band, float frequency, float gain)
    {
        CustomEqGraphReport report{CustomEqGraphReport::kFrequencyAndGain, band, frequency, gain};
        page->OnControlEvent(&Graph(), reinterpret_cast<std::intptr_t>(&report));
        Pump();
    }

    CTimbreEqEditWindow* window = nullptr;
    CTimbreEqEditLayer* page = nullptr;
};

TEST_F(TimbreEqWindowTest, IsAnEqPageOf342By166WithFourFieldsAndTheGraphOfItsTimbre)
{
    std::strcpy((*bank)[kProgram].GetRegion().name, "Warm Pad");
    OpenEq();
    EXPECT_EQ(window->GetKind(), CBaseWindow::kTimbreEqWindow);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Warm Pad] Timbre 2 EQ");
    RECT client{};
    ASSERT_TRUE(window->GetClientRect(client));
    EXPECT_EQ(client.right - client.left, 342);
    EXPECT_EQ(client.bottom - client.top, 166);
    ASSERT_EQ(page->GetBoundControlCount(), 5);
    struct Expected
    {
        int type;
        RECT rect;  // left and top, and for the graph right and bottom
        ParameterAddress address;
    };
    const Expected expected[] = {
        {CCustomControl::kEditText, {267, 73, 0, 0}, kLowFrequency},
        {CCustomControl::kEditText, {267, 92, 0, 0}, kLowGain},
        {CCustomControl::kEditText, {267, 111, 0, 0}, kHighFrequency},
        {CCustomControl::kEditText, {267, 131, 0, 0}, kHighGain},
        {CCustomControl::kEqGraph, {19, 71, 19 + 181, 71 + 70}, kLowFrequency},
    };
    for (int i = 0; i < 5; ++i) {
        const Expected& e = expected[i];
        CCustomControl* binding = page->GetBoundControl(i);
        const RECT& rect = page->GetControl(i)->GetRect();
        EXPECT_EQ(binding->GetControlType(), e.type) << i;
        EXPECT_EQ(rect.left, e.rect.left) << i;
        EXPECT_EQ(rect.top, e.rect.top) << i;
        if (e.rect.right != 0) {
            EXPECT_EQ(rect.right, e.rect.right) << i;
            EXPECT_EQ(rect.bottom, e.rect.bottom) << i;
        }
        EXPECT_EQ(page->GetControlParameter(binding), e.address) << i;
    }
    const CustomEqGraphDescriptor& graph = Graph().GetDescriptor();
    EXPECT_EQ(graph.bandCount, 2);
    EXPECT_EQ(graph.leftFrequency, 16.0f);
    EXPECT_EQ(graph.rightFrequency, 26000.0f);
    EXPECT_EQ(graph.highestDragFrequency, 20000.0f);
    EXPECT_EQ(graph.bottomGain, -16.0f);
    EXPECT_EQ(graph.lowestDragGain, -15.0f);
    EXPECT_EQ(graph.curveColor, 0xFFFFFFFFu);
    EXPECT_EQ(Graph().GetSampleRate(), 48000.0f);
    EXPECT_EQ(Graph().GetEventCode(), CCustomControl::kEventEqGraph);
}

TEST_F(TimbreEqWindowTest, OpensShowingTheStoredValuesEvenWhenAllAreZero)
{
    // A cache that started at 0 would take these for already shown and
    // leave the graph's bands at their 1000 Hz start.
    for (const ParameterAddress& a : {kLowFrequency, kLowGain, kHighFrequency, kHighGain})
        SetValue(a, 0);
    OpenEq();
    EXPECT_EQ(Graph().GetBands()[0].frequency, 20.0f);
    EXPECT_EQ(Graph().GetBands()[1].frequency, 1000.0f);
    EXPECT_EQ(Graph().GetSelectedBand(), 0);
    CloseWindow(window);

    SetValue(kLowFrequency, 25);
    SetValue(kLowGain, 24);
    SetValue(kHighFrequency, 11);
    SetValue(kHighGain, -7);
    OpenEq();
    EXPECT_EQ(Graph().GetBands()[0].frequency, 400.0f);
    EXPECT_EQ(Graph().GetBands()[0].gain, 12.0f);
    EXPECT_EQ(Graph().GetBands()[1].frequency, 4000.0f);
    EXPECT_EQ(Graph().GetBands()[1].gain, -3.5f);
}

TEST_F(TimbreEqWindowTest, ADragSnapsTheFrequencyDownAndHalvesTheGainTowardZeroWritingAndSendingGainFirst)
{
    OpenEq();
    struct Case
    {
        int band;
        float frequency;
        float gain;
        std::int32_t frequencyIndex;
        std::int32_t gainValue;
    };
    const Case cases[] = {
        {0, 330.0f, 0.0f, 24, 0},                                 // 315 Hz: there is no 355 step
        {0, 20.0f, -15.0f, 0, -30},   {0, 10.0f, 7.75f, 0, 15},   // below the table still gives its first step
        {0, 999.9f, -7.75f, 32, -15},                             // toward zero, not down
        {0, 20000.0f, 15.0f, 33, 30}, {1, 3999.0f, 0.4f, 10, 0},  // 3150 Hz: there is no 3550 step
        {1, 19999.0f, -0.6f, 24, -1},                             // 18000 Hz
        {1, 1000.0f, 3.0f, 0, 6},     {1, 20000.0f, 15.0f, 25, 30},
    };
    std::size_t sent = 0;
    for (const Case& c : cases) {
        const ParameterAddress& frequency = c.band == 0 ? kLowFrequency : kHighFrequency;
        const ParameterAddress& gain = c.band == 0 ? kLowGain : kHighGain;
        SetValue(frequency, 5);
        SetValue(gain, 5);
        Drag(c.band, c.frequency, c.gain);
        EXPECT_EQ(Value(frequency), c.frequencyIndex) << c.frequency;
        EXPECT_EQ(Value(gain), c.gainValue) << c.gain;
        sent += 2;
        const auto received = ReceivedChanges(sent);
        ASSERT_EQ(received.size(), sent) << c.frequency;
        EXPECT_THAT(std::vector(received.end() - 2, received.end()),
                    ElementsAre(ChangeBytes(gain, c.gainValue), ChangeBytes(frequency, c.frequencyIndex)))
            << c.band << " " << c.frequency;
    }
    // The ids of timbre 2's EQ, byte for byte: low gain 29 01, then low
    // frequency 29 00.
    const auto received = ReceivedChanges(sent);
    EXPECT_EQ(received[2], (DeviceSimulator::Bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x41, 0x29, 0x00, 0x01, 0x00,
                                                   0x62, 0x7F, 0xF7}));
    EXPECT_EQ(received[3], (DeviceSimulator::Bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x41, 0x29, 0x00, 0x00, 0x00,
                                                   0x00, 0x00, 0xF7}));
}

TEST_F(TimbreEqWindowTest, DraggingTheHighBandLeavesTheLowBandAloneSelectsItAndMarksTheLibraryModified)
{
    SetValue(kLowFrequency, 7);
    SetValue(kLowGain, -4);
    OpenEq();
    Log().clear();
    Drag(1, 5000.0f, 6.0f);
    EXPECT_EQ(Value(kLowFrequency), 7);
    EXPECT_EQ(Value(kLowGain), -4);
    EXPECT_EQ(Value(kHighFrequency), 13);
    EXPECT_EQ(Value(kHighGain), 12);
    EXPECT_EQ(page->GetSelectedBand(), 1);
    // Event 7 came back: the graph shows the new band and selects it.
    EXPECT_EQ(Graph().GetSelectedBand(), 1);
    EXPECT_EQ(Graph().GetBands()[1].frequency, 5000.0f);
    EXPECT_EQ(Graph().GetBands()[1].gain, 6.0f);
    EXPECT_THAT(Log(), ::testing::Contains("library:SetModified 1"));
    char text[32] = {};
    page->GetBoundControl(2)->GetText(text, sizeof text);
    EXPECT_THAT(text, ::testing::HasSubstr("5.00k"));
}

TEST_F(TimbreEqWindowTest, ABandSquareDraggedWithTheMouseEndsOnTheStepBelowThePointer)
{
    SetValue(kLowFrequency, 0);
    SetValue(kLowGain, 0);
    OpenEq();
    CCustomEqGraph& graph = Graph();
    Press(graph, static_cast<int>(graph.FrequencyToX(20.0f)), static_cast<int>(graph.GainToY(0.0f)));
    // 370 Hz lies well inside the step from 315 to 400 Hz, whatever pixel
    // it falls on; 5.3 dB is 10 half decibels give or take half a pixel.
    const int x = static_cast<int>(graph.FrequencyToX(370.0f));
    const int y = static_cast<int>(graph.GainToY(5.3f));
    MoveTo(graph, x, y);
    Release(graph, x, y);
    EXPECT_EQ(Value(kLowFrequency), 24);
    EXPECT_GE(Value(kLowGain), 9);
    EXPECT_LE(Value(kLowGain), 11);
}

TEST_F(TimbreEqWindowTest, TheGraphNamesNoParameterOnTheMessageLineWhileTheFieldsDo)
{
    OpenEq();
    MoveTo(Graph(), 90, 10);
    EXPECT_STREQ(page->GetShownName(), "");
    MoveTo(*page->GetControl(1), 2, 2);
    EXPECT_STREQ(page->GetShownName(), "Low Gain");
}

TEST_F(TimbreEqWindowTest, TheEditorsFactoryOpensItForEitherTimbreAndTheArpeggiatorWithoutOne)
{
    CEditorEditWindows factory;
    CBaseWindow* first = factory.CreateEditWindow(CEditWindowFactory::kTimbreEq, Context(), 30, 30, 9, 0);
    CBaseWindow* second = factory.CreateEditWindow(CEditWindowFactory::kTimbreEq, Context(), 60, 60, 9, 1);
    CBaseWindow* arp = factory.CreateEditWindow(CEditWindowFactory::kArpeggiator, Context(), 90, 90, 9, -1);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(second, nullptr);
    ASSERT_NE(arp, nullptr);
    EXPECT_EQ(first->GetKind(), 9);
    EXPECT_EQ(arp->GetKind(), 12);
    EXPECT_EQ(first->GetProgramIndex(), 9);
    EXPECT_EQ(arp->GetProgramIndex(), 9);
    EXPECT_EQ(first->GetSecondIndex(), 0);
    EXPECT_EQ(second->GetSecondIndex(), 1);
    EXPECT_EQ(arp->GetSecondIndex(), -1);
    EXPECT_EQ(second->GetMainLayer()->GetTimbreOverride(), 1);
    EXPECT_THAT(second->GetWindowTitle(), ::testing::EndsWith("] Timbre 2 EQ"));
    EXPECT_EQ(factory.GetWindowCount(), 3);
}

TEST_F(TimbreEqWindowTest, LooksRightInEveryTheme)
{
    // Layer mode, so that timbre 2 is live and its fields are not dimmed.
    SetValue({0, 35, 0}, 1);
    SetValue(kLowFrequency, 12);
    SetValue(kLowGain, 12);
    SetValue(kHighFrequency, 16);
    SetValue(kHighGain, -14);
    ExpectRendersInEachTheme("timbre_eq", [this] { return OpenEq(); });
}

}  // namespace
}  // namespace editor_test
