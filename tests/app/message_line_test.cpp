// The message line: a two-line box beside the control under the pointer,
// shown at full strength on its own wake-up broadcast, faded out in 60 ms
// steps once the pointer left the controls, then cleared; it lets every
// mouse and drop event through to the layers below.
#include "editor_base_fixture.h"

#include "app/WindowEvents.h"
#include "framework/ui/HfcMouse.h"

#include <gmock/gmock.h>

#include <cstring>
#include <string>

namespace editor_test {
namespace {

using ::testing::ElementsAre;

constexpr int kClientWidth = 600;
constexpr int kClientHeight = 400;

class MessageLineTest : public EditorBaseTest
{
protected:
    void SetUp() override
    {
        EditorBaseTest::SetUp();
        main = window.BindMainLayer(0, 0, kClientWidth, kClientHeight);
        line = std::make_unique<CMessageWindowLayer>();  // registers with the shell's window manager
    }
    void TearDown() override
    {
        line.reset();
        EditorBaseTest::TearDown();
    }
    void MakeLine(const MessageLayerSetup& setup)
    {
        ASSERT_TRUE(line->Setup(setup, &window, kClientWidth, kClientHeight));
        line->Show(false);
    }
    // Woken with the texts, and the broadcast delivered.
    void ShowTexts(const char* text1, const char* text2)
    {
        line->Wake();
        line->PostText(text1, text2);
        Pump();
    }
    // The fill's alpha inside the box, above the text.
    std::uint32_t FillAlpha()
    {
        const RECT& box = line->GetLastBox();
        return Pixel(*line, box.left + 2, box.top + 2) >> 24;
    }

    CRecordingWindow window{"window"};
    CRecordingLayer* main = nullptr;
    std::unique_ptr<CMessageWindowLayer> line;
};

TEST_F(MessageLineTest, ZeroSetUpFieldsTakeTheDefaultBoxAndDuration)
{
    MakeLine({12, 34});
    EXPECT_EQ(line->GetDurationMs(), 200);
    EXPECT_EQ(line->GetRect(), (RECT{0, 0, kClientWidth, kClientHeight})) << "over the whole client area";
    ShowTexts("Cutoff", "64");
    EXPECT_EQ(line->GetLastBox(), (RECT{12, 34, 12 + 170, 34 + 30}));
    line->SetDuration(0);
    EXPECT_EQ(line->GetDurationMs(), 200);
    line->SetDuration(120);
    EXPECT_EQ(line->GetDurationMs(), 120);
    line->SetBox(5, 6, 0, 0);
    line->PostText("Cutoff", "65");
    Pump();
    EXPECT_EQ(line->GetLastBox(), (RECT{5, 6, 5 + 170, 6 + 30}));
    EXPECT_EQ(FillAlpha(), 220u);
}

TEST_F(MessageLineTest, AutomaticWidthFollowsTheLongerTextAndLongTextsAreCut)
{
    MakeLine({0, 0, 0, 0, false, true});
    ShowTexts("0123456789", "01234567890123");
    EXPECT_EQ(line->GetLastBox().right - line->GetLastBox().left, 96);
    const std::string forty(40, 'x');
    line->PostText(forty.c_str(), "y");
    Pump();
    EXPECT_EQ(std::strlen(line->GetText1()), 33u);
    EXPECT_STREQ(line->GetText2(), "y");
    EXPECT_EQ(line->GetLastBox().right - line->GetLastBox().left, 6 * 33 + 12);
}

TEST_F(MessageLineTest, TheBoxGoesRightOfItsControlElseLeftAndStaysAboveTheBottom)
{
    struct Case
    {
        RECT control;
        POINT at;
    };
    const Case cases[] = {
        {{100, 50, 140, 90}, {146, 50}},     // right of the control
        {{400, 50, 424, 90}, {430, 50}},     // 424 + 170 + 6 = 600 just fits
        {{401, 50, 425, 90}, {225, 50}},     // one more does not: left of it
        {{500, 50, 540, 90}, {324, 50}},     // near the right edge: left of it
        {{100, 380, 140, 400}, {146, 370}},  // the bottom meets the client's bottom
    };
    MakeLine({7, 8, 0, 0, true});
    for (const Case& c : cases) {
        CTestControl control(*main, c.control, {});
        line->SetSourceControl(&control);
        line->Wake();
        line->PostText("Name", "Value");
        Pump();
        line->ClearWoken();
        EXPECT_EQ(line->GetLastBox().left, c.at.x) << c.control;
        EXPECT_EQ(line->GetLastBox().top, c.at.y) << c.control;
        line->SetSourceControl(nullptr);
        main->RemoveControl(&control);
        main->RemoveBoundControl(&control);
    }
    // Without a control, or without following, the fixed place.
    line->Wake();
    line->PostText("Name", "Value");
    Pump();
    EXPECT_EQ(line->GetLastBox().left, 7);
    EXPECT_EQ(line->GetLastBox().top, 8);
}

TEST_F(MessageLineTest, OnlyItsOwnBroadcastWhileWokenShowsTheBox)
{
    MakeLine({});
    line->Wake();
    line->ClearWoken();
    Pump();
    EXPECT_FALSE(line->IsDrawn()) << "its post arrived after the pointer had left";

    line->PostText("Name", "Value");
    Pump();
    EXPECT_FALSE(line->IsDrawn()) << "not woken";

    struct Other : CWindowManagerListener
    {
        void OnWindowManagerMessage(CWindowManager*, int, LONG_PTR, LONG_PTR, LONG_PTR, LONG_PTR,
                                    CWindowManagerListener*) override
        {}
    } other;
    line->Wake();
    line->OnWindowManagerMessage(&shell->windowManager, kEventMessageLine, 0, 0, 0, 0, &other);
    EXPECT_FALSE(line->IsDrawn()) << "another layer's event 29";
    line->OnWindowManagerMessage(&shell->windowManager, 13, 0, 0, 0, 0, line.get());
    EXPECT_FALSE(line->IsDrawn()) << "another event";
    Pump();
    EXPECT_TRUE(line->IsDrawn());
    EXPECT_EQ(line->GetRemainingMs(), 200);
    EXPECT_EQ(FillAlpha(), 220u);
}

TEST_F(MessageLineTest, OncePointerLeavesTheBoxFadesThroughFourStepsAndIsClearedOnTheFifthTick)
{
    MakeLine({20, 20});
    ShowTexts("Cutoff", "64");
    const RECT box = line->GetLastBox();
    line->OnFadeTick();
    EXPECT_EQ(FillAlpha(), 220u) << "no fading while woken";

    line->ClearWoken();
    std::vector<std::uint32_t> fills;
    for (int tick = 0; tick < 4; ++tick) {
        line->OnFadeTick();
        fills.push_back(FillAlpha());
    }
    // Opacities 178, 102, 25 and 0; the fill is drawn at 220/255 of them.
    EXPECT_THAT(fills, ElementsAre(178 * 220 / 255, 102 * 220 / 255, 25 * 220 / 255, 0u));
    EXPECT_EQ(CMessageWindowLayer::FillColor(178), 0x99300000u);
    EXPECT_EQ(CMessageWindowLayer::OutlineColor(102), 0x66FFFFFFu);
    EXPECT_TRUE(line->IsDrawn());
    line->OnFadeTick();
    EXPECT_FALSE(line->IsDrawn());
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x)
            ASSERT_EQ(Pixel(*line, x, y), 0u) << "cleared at " << x << "," << y;
    line->OnFadeTick();
    EXPECT_FALSE(line->IsDrawn());
}

TEST_F(MessageLineTest, ItCoversTheClientAreaButTakesNoMouseOrDropInput)
{
    MakeLine({});
    ASSERT_EQ(window.GetLayers().back(), line.get()) << "on top of the main layer";
    main->Show(false);
    Log().clear();
    EXPECT_TRUE(window.OnHfcMouseLButtonDown(CHfcMouse::GetInstance(), 30, 40, 0));
    EXPECT_THAT(Log(), ElementsAre("window main:LButtonDown 30,40"));
    EXPECT_FALSE(line->DispatchLButtonDown(CHfcMouse::GetInstance(), 30, 40, 0));
    EXPECT_FALSE(line->DispatchMouseMove(CHfcMouse::GetInstance(), 30, 40, 0));
    int effect = 0;
    EXPECT_FALSE(line->OnHfcRawDragEnter(nullptr, nullptr, 30, 40, 0, &effect));
    EXPECT_FALSE(line->OnHfcRawDrop(nullptr, nullptr, 30, 40, 0, &effect));
    EXPECT_EQ(effect, 0);
}

TEST_F(MessageLineTest, TheBoxRendersItsTwoLinesReadablyOnTheDarkRedFill)
{
    MakeLine({10, 10});
    ShowTexts("Filter Cutoff", "127");
    const RECT box = line->GetLastBox();
    SaveCrop(*line, {box.left - 3, box.top - 3, box.right + 3, box.bottom + 3}, "message_line_box");
    const std::uint32_t fill = Pixel(*line, box.left + 2, box.top + 2);
    EXPECT_EQ(fill >> 24, 0xDCu);
    EXPECT_NEAR((fill >> 16) & 0xFF, 0x30, 1);
    EXPECT_EQ(fill & 0xFFFF, 0u);
}

}  // namespace
}  // namespace editor_test
