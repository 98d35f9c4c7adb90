// The arpeggiator window: its page and the rotation of its eight steps.
#include "part_edit_fixture.h"

#include "editor/ArpEditLayer.h"
#include "editor/ArpEditWindow.h"
#include "framework/ui/HfcControl.h"
#include "model/Program.h"

#include <gmock/gmock.h>

#include <array>
#include <cstring>

namespace editor_test {
namespace {

using ::testing::ElementsAreArray;

using Steps = std::array<std::int32_t, 8>;

constexpr ParameterAddress StepAddress(int step)
{
    return {8, 9 + static_cast<std::uint32_t>(step), 0};
}
constexpr ParameterAddress kLastStep{8, 4, 0};

class ArpWindowTest : public PartEditTest
{
protected:
    CArpEditWindow* OpenArp()
    {
        window = OpenWindow<CArpEditWindow>();
        page = static_cast<CArpEditLayer*>(window->GetMainLayer());
        return window;
    }

    void SetSteps(const Steps& steps)
    {
        for (int i = 0; i < 8; ++i)
            SetValue(StepAddress(i), steps[static_cast<std::size_t>(i)]);
    }
    Steps GetSteps()
    {
        Steps steps{};
        for (int i = 0; i < 8; ++i)
            steps[static_cast<std::size_t>(i)] = Value(StepAddress(i));
        return steps;
    }
    // The eight changes a rotation sends, steps taken in the order given.
    static std::vector<DeviceSimulator::Bytes> StepChanges(const Steps& steps, const std::array<int, 8>& order)
    {
        std::vector<DeviceSimulator::Bytes> changes;
        for (int step : order)
            changes.push_back(ChangeBytes(StepAddress(step), steps[static_cast<std::size_t>(step)]));
        return changes;
    }
    // A press and release in the middle of a control.
    void Click(int id)
    {
        CHfcControl& control = *page->GetControl(id);
        const int x = (control.GetRect().right - control.GetRect().left) / 2;
        const int y = (control.GetRect().bottom - control.GetRect().top) / 2;
        Press(control, x, y);
        Release(control, x, y);
    }

    CArpEditWindow* window = nullptr;
    CArpEditLayer* page = nullptr;
};

constexpr std::array<int, 8> kLeftOrder{0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<int, 8> kRightOrder{7, 6, 5, 4, 3, 2, 1, 0};

TEST_F(ArpWindowTest, IsAnArpeggiatorPageOf342By226WithItsNineteenControls)
{
    std::strcpy((*bank)[kProgram].GetRegion().name, "Arp Lead");
    OpenArp();
    EXPECT_EQ(window->GetKind(), CBaseWindow::kArpeggiatorWindow);
    EXPECT_EQ(window->GetSecondIndex(), -1);
    EXPECT_EQ(window->GetWindowTitle(), "Untitled [004:Arp Lead] Arpeggiator");
    RECT client{};
    ASSERT_TRUE(window->GetClientRect(client));
    EXPECT_EQ(client.right - client.left, 342);
    EXPECT_EQ(client.bottom - client.top, 226);
    ASSERT_EQ(page->GetBoundControlCount(), 19);
    struct Expected
    {
        int type;
        int x, y;
        ParameterAddress address;
        std::uint32_t eventCode;
    };
    using C = CCustomControl;
    const Expected expected[] = {
        {C::kEditText, 31, 107, {8, 1, 0}, 0},     {C::kEditText, 31, 135, {8, 0, 0}, 0},
        {C::kEditText, 109, 107, {8, 3, 0}, 0},    {C::kEditText, 109, 135, {8, 4, 0}, 0},
        {C::kEditText, 31, 79, {0, 36, 0}, 0},     {C::kSwitch, 205, 74, {8, 2, 0}, 1},
        {C::kSwitch, 270, 74, {7, 2, 0}, 1},       {C::kSwitch, 129, 186, StepAddress(0), 1},
        {C::kSwitch, 153, 186, StepAddress(1), 1}, {C::kSwitch, 177, 186, StepAddress(2), 1},
        {C::kSwitch, 201, 186, StepAddress(3), 1}, {C::kSwitch, 225, 186, StepAddress(4), 1},
        {C::kSwitch, 249, 186, StepAddress(5), 1}, {C::kSwitch, 273, 186, StepAddress(6), 1},
        {C::kSwitch, 296, 186, StepAddress(7), 1}, {C::kKnob, 277, 113, {8, 6, 0}, 0},
        {C::kKnob, 210, 113, {8, 5, 0}, 0},        {C::kButton, 58, 190, {0, 0, 0}, 257},
        {C::kButton, 90, 190, {0, 0, 0}, 258},
    };
    for (int i = 0; i < 19; ++i) {
        const Expected& e = expected[i];
        CCustomControl* binding = page->GetBoundControl(i);
        const CHfcControl* control = page->GetControl(i);
        EXPECT_EQ(binding->GetControlType(), e.type) << i;
        EXPECT_EQ(control->GetRect().left, e.x) << i;
        EXPECT_EQ(control->GetRect().top, e.y) << i;
        EXPECT_EQ(page->GetControlParameter(binding), e.address) << i;
        EXPECT_EQ(control->GetEventCode(), e.eventCode) << i;
    }
    // The step switches stand 24 pixels apart, the last 23.
    for (int step = 1; step < 8; ++step)
        EXPECT_EQ(page->GetControl(7 + step)->GetRect().left - page->GetControl(6 + step)->GetRect().left,
                  step == 7 ? 23 : 24)
            << step;
    // The knobs show their value at placement 4 while turned; no other
    // control does.
    for (int i = 0; i < 19; ++i) {
        ParameterReference reference{};
        page->GetBoundControl(i)->GetParameter(reference);
        const bool knob = i == 15 || i == 16;
        EXPECT_EQ(reference.showValue, knob ? 1 : 0) << i;
        EXPECT_EQ(reference.valuePlacement, knob ? 4 : 0) << i;
    }
}

TEST_F(ArpWindowTest, ARotationWritesAndSendsAllEightStepsInWritingOrderWhateverTheLastStep)
{
    OpenArp();
    SetValue(kLastStep, 2);
    struct Case
    {
        Steps before;
        CArpEditLayer::Rotation rotation;
        Steps after;
    };
    const Case cases[] = {
        {{1, 0, 0, 0, 1, 1, 0, 0}, CArpEditLayer::kRotateLeft, {0, 0, 0, 1, 1, 0, 0, 1}},
        {{1, 0, 0, 0, 1, 1, 0, 0}, CArpEditLayer::kRotateRight, {0, 1, 0, 0, 0, 1, 1, 0}},
        // Unchanged steps are sent too.
        {{1, 1, 1, 1, 1, 1, 1, 1}, CArpEditLayer::kRotateLeft, {1, 1, 1, 1, 1, 1, 1, 1}},
        {{0, 0, 0, 0, 0, 0, 0, 0}, CArpEditLayer::kRotateRight, {0, 0, 0, 0, 0, 0, 0, 0}},
        {{0, 0, 0, 0, 0, 0, 0, 1}, CArpEditLayer::kRotateLeft, {0, 0, 0, 0, 0, 0, 1, 0}},
        {{0, 0, 0, 0, 0, 0, 0, 1}, CArpEditLayer::kRotateRight, {1, 0, 0, 0, 0, 0, 0, 0}},
    };
    std::vector<DeviceSimulator::Bytes> expected;
    for (const Case& c : cases) {
        SetSteps(c.before);
        page->RotateSteps(c.rotation);
        EXPECT_EQ(GetSteps(), c.after);
        const auto changes = StepChanges(c.after, c.rotation == CArpEditLayer::kRotateLeft ? kLeftOrder : kRightOrder);
        expected.insert(expected.end(), changes.begin(), changes.end());
    }
    EXPECT_THAT(ReceivedChanges(expected.size()), ElementsAreArray(expected));
    EXPECT_EQ(Value(kLastStep), 2);
}

TEST_F(ArpWindowTest, RotationsUndoEachOtherAndEightOfThemComeBackToTheStart)
{
    OpenArp();
    const Steps start{1, 1, 0, 1, 0, 0, 0, 1};
    SetSteps(start);
    page->RotateSteps(CArpEditLayer::kRotateLeft);
    page->RotateSteps(CArpEditLayer::kRotateRight);
    EXPECT_EQ(GetSteps(), start);
    for (auto rotation : {CArpEditLayer::kRotateLeft, CArpEditLayer::kRotateRight}) {
        for (int i = 0; i < 8; ++i) {
            page->RotateSteps(rotation);
            EXPECT_EQ(GetSteps() == start, i == 7) << i;
        }
    }
}

TEST_F(ArpWindowTest, TheArrowsRotateWhenClickedAndNameNothingOnTheMessageLine)
{
    SetSteps({1, 0, 0, 0, 0, 0, 0, 0});
    OpenArp();
    Click(17);
    EXPECT_EQ(GetSteps(), (Steps{0, 0, 0, 0, 0, 0, 0, 1}));
    EXPECT_STREQ(page->GetShownName(), "");
    EXPECT_THAT(Log(), ::testing::Contains("library:SetModified 1"));
    Click(18);
    Click(18);
    EXPECT_EQ(GetSteps(), (Steps{0, 1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ReceivedChanges(24).size(), 24u);
    // Event 7 came back: the switches show the rotated steps.
    EXPECT_EQ(page->GetBoundControl(7)->GetValue() & 1, 0);
    EXPECT_EQ(page->GetBoundControl(8)->GetValue() & 1, 1);
}

TEST_F(ArpWindowTest, AStepSwitchFlipsItsStepAndSendsIt)
{
    SetSteps({0, 0, 0, 0, 0, 0, 0, 0});
    OpenArp();
    Click(9);
    EXPECT_EQ(Value(StepAddress(2)), 1);
    // Step 3's id is 61 12, byte for byte.
    EXPECT_THAT(ReceivedChanges(1),
                ElementsAreArray({DeviceSimulator::Bytes{0xF0, 0x7D, 0x30, 0x00, 0x01, 0x6E, 0x41, 0x61, 0x00, 0x12,
                                                         0x00, 0x01, 0x00, 0xF7}}));
    EXPECT_STREQ(page->GetShownName(), "Step 3 SW");
}

TEST_F(ArpWindowTest, LooksRightInEveryTheme)
{
    SetSteps({1, 0, 1, 1, 0, 1, 0, 0});
    SetValue(kLastStep, 5);
    ExpectRendersInEachTheme("arp", [this] { return OpenArp(); });
}

}  // namespace
}  // namespace editor_test
