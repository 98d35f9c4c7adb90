// A layer hands mouse, wheel and drag events to the control under the point
// and keeps the rest itself.
#include "window_fixture.h"

#include "framework/ui/HfcMouse.h"

namespace ui_test {
namespace {

class LayerRouting : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &MakeWindow(50, 50, 300, 200);
        ASSERT_TRUE(layer.Create(20, 10, 200, 150, window));
        layer.Show(false);
        for (CRecordingControl* control : {&first, &second, &third})
            layer.AddControl(control, false);
        Events().clear();
        mouse = CHfcMouse::GetInstance();
    }
    void TearDown() override
    {
        layer.Destroy();
        WindowTest::TearDown();
    }
    // The screen point of a layer point.
    POINT Screen(int x, int y)
    {
        POINT point{x, y};
        layer.LayerToScreen(point);
        return point;
    }

    CTestWindow* window = nullptr;
    CHfcMouse* mouse = nullptr;
    // The first two overlap over (40..60, 10..30).
    CRecordingControl first{"first", {0, 0, 60, 30}};
    CRecordingControl second{"second", {40, 10, 100, 50}};
    CRecordingControl third{"third", {120, 0, 160, 40}};
    CRecordingLayer layer{"layer"};
};

TEST_F(LayerRouting, OverlappingControlsAreAskedInTheOrderTheyWereAdded)
{
    EXPECT_FALSE(layer.DispatchLButtonDown(mouse, 50, 20, 0));
    EXPECT_EQ(Events(), (std::vector<std::string>{"first:LButtonDown 50,20", "second:LButtonDown 10,10",
                                                  "layer:LButtonDown 50,20"}));
    Events().clear();
    first.answer = true;
    EXPECT_TRUE(layer.DispatchLButtonDown(mouse, 50, 20, 0));
    EXPECT_EQ(Events(), std::vector<std::string>{"first:LButtonDown 50,20"});
    Events().clear();
    EXPECT_FALSE(layer.DispatchLButtonDown(mouse, 60, 30, 0)) << "right and bottom are outside";
    EXPECT_EQ(Events(), (std::vector<std::string>{"second:LButtonDown 20,20", "layer:LButtonDown 60,30"}));
}

TEST_F(LayerRouting, TheMiddleButtonOverTheThirdControlReachesIt)
{
    layer.DispatchMButtonDown(mouse, 125, 5, 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"third:MButtonDown 5,5", "layer:MButtonDown 125,5"}));
}

TEST_F(LayerRouting, HiddenOrDisabledControlsGetNoMouseButDisabledOnesStillGetDrags)
{
    first.SetEnabled(false);
    second.SetVisible(false);
    layer.DispatchMouseMove(mouse, 50, 20, 0);
    layer.DispatchMouseWheel(mouse, 50, 20, 0, 120, 0);
    EXPECT_EQ(Events(), (std::vector<std::string>{"layer:Move 50,20", "layer:Wheel 120 50,20"}));

    Events().clear();
    int effect = 0;
    const POINT at = Screen(50, 20);
    EXPECT_FALSE(layer.OnHfcRawDragEnter(nullptr, nullptr, at.x, at.y, 0, &effect));
    EXPECT_EQ(Events(), (std::vector<std::string>{"first:drag enter 50,20", "layer:drag enter 50,20"}))
        << "the disabled control is entered, the hidden one is not";
    EXPECT_EQ(effect, 2);
    EXPECT_TRUE(first.IsDragInside());
    EXPECT_FALSE(second.IsDragInside());
    Events().clear();
    layer.OnHfcRawDragLeave(nullptr);
    EXPECT_EQ(Events(), (std::vector<std::string>{"first:drag leave", "layer:drag leave"}));
    EXPECT_FALSE(first.IsDragInside());
}

TEST_F(LayerRouting, ADragAcrossTwoControlsEntersLeavesAndDropsInTurn)
{
    first.answer = true;
    second.answer = true;
    int effect = 0;
    POINT at = Screen(10, 10);
    EXPECT_TRUE(layer.OnHfcRawDragEnter(nullptr, nullptr, at.x, at.y, 0, &effect));
    at = Screen(20, 10);
    EXPECT_TRUE(layer.OnHfcRawDragOver(nullptr, nullptr, at.x, at.y, 0, &effect));
    at = Screen(80, 40);
    EXPECT_TRUE(layer.OnHfcRawDragOver(nullptr, nullptr, at.x, at.y, 0, &effect));
    at = Screen(90, 45);
    EXPECT_TRUE(layer.OnHfcRawDrop(nullptr, nullptr, at.x, at.y, 0, &effect));
    EXPECT_EQ(Events(), (std::vector<std::string>{"first:drag enter 10,10", "first:drag over 20,10", "first:drag leave",
                                                  "second:drag enter 40,30", "second:drop 50,35"}))
        << "the drop takes the flag of the control that accepted it: no leave follows";
    EXPECT_FALSE(second.IsDragInside());
}

TEST_F(LayerRouting, OverTheOverlapOnlyTheFirstAcceptingControlIsAskedAndADropElsewhereLeavesTheRest)
{
    first.answer = true;
    int effect = 0;
    const POINT overlap = Screen(50, 20);
    layer.OnHfcRawDragOver(nullptr, nullptr, overlap.x, overlap.y, 0, &effect);
    EXPECT_EQ(Events(), std::vector<std::string>{"first:drag enter 50,20"});
    EXPECT_FALSE(second.IsDragInside()) << "left untouched after the acceptance";
    Events().clear();
    first.answer = false;
    layer.OnHfcRawDragOver(nullptr, nullptr, overlap.x, overlap.y, 0, &effect);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"first:drag over 50,20", "second:drag enter 10,10", "layer:drag over 50,20"}));
    Events().clear();
    const POINT elsewhere = Screen(130, 10);
    EXPECT_FALSE(layer.OnHfcRawDrop(nullptr, nullptr, elsewhere.x, elsewhere.y, 0, &effect));
    EXPECT_EQ(Events(), (std::vector<std::string>{"third:drop 10,10", "first:drag leave", "second:drag leave",
                                                  "layer:drop 130,10"}));
}

TEST_F(LayerRouting, WhileTheLayerHoldsTheCaptureItsControlsGetNothing)
{
    mouse->SetCapture(&layer, window);
    Events().clear();
    const POINT at = Screen(10, 10);
    layer.OnHfcMouseRawLButtonDown(mouse, at.x, at.y, 0);
    layer.OnHfcMouseRawMove(mouse, at.x + 5, at.y, 0);
    layer.OnHfcMouseRawWheel(mouse, at.x, at.y, 0, -120, 0);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"layer:LButtonDown 10,10", "layer:Move 15,10", "layer:Wheel -120 10,10"}))
        << "raw screen points arrive converted to layer coordinates";
    mouse->ReleaseCapture();
}

TEST_F(LayerRouting, TheWindowOffersDragsToItsVisibleLayersFirstAttachedFirst)
{
    CRecordingLayer top("top");
    ASSERT_TRUE(top.Create(0, 0, 300, 200, window));
    top.Show(false);
    top.answer = true;
    int effect = 0;
    const POINT at = Screen(150, 100);
    EXPECT_TRUE(window->OnHfcRawDragEnter(nullptr, nullptr, at.x, at.y, 0, &effect));
    EXPECT_EQ(Events(), (std::vector<std::string>{"layer:drag enter 150,100", "top:drag enter 170,110"}));
    Events().clear();
    top.Hide(false);
    layer.Hide(false);
    EXPECT_FALSE(window->OnHfcRawDragEnter(nullptr, nullptr, at.x, at.y, 0, &effect));
    EXPECT_EQ(Events(), std::vector<std::string>{"window:drag enter 170,110"});
    window->RemoveLayer(&top, false);
}

}  // namespace
}  // namespace ui_test
