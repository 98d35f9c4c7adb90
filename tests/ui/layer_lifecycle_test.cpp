// A layer's life on its window: creation, controls, showing, moving and
// resizing with the areas they composite, and what it gives up when it goes.
#include "window_fixture.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcKeyFocus.h"
#include "framework/ui/HfcMouse.h"

namespace ui_test {
namespace {

class LayerLifecycle : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &MakeWindow(0, 0, 400, 300);
        window->invalidated.clear();
    }

    CTestWindow* window = nullptr;
};

TEST_F(LayerLifecycle, CreationAttachesAHiddenLayerWithABitmapOfItsSize)
{
    CRecordingLayer layer("layer");
    EXPECT_FALSE(layer.Show(true)) << "not created";
    EXPECT_FALSE(layer.Move(1, 1, true));
    EXPECT_FALSE(layer.Resize(1, 1, true));
    POINT point{5, 5};
    EXPECT_FALSE(layer.ScreenToLayer(point));
    ASSERT_TRUE(layer.Create(100, 50, 200, 100, window));
    EXPECT_EQ(layer.GetRect(), (RECT{100, 50, 300, 150}));
    EXPECT_EQ(layer.GetWidth(), 200);
    EXPECT_EQ(layer.GetHeight(), 100);
    EXPECT_FALSE(layer.IsVisible());
    EXPECT_EQ(layer.GetOpacity(), 1.0f);
    EXPECT_EQ(window->GetLayers().back(), &layer);
    EXPECT_TRUE(window->invalidated.empty()) << "attached without a redraw";
    EXPECT_FALSE(window->AddLayer(&layer, true)) << "no layer twice";

    point = {5, 5};
    ASSERT_TRUE(layer.LayerToScreen(point));
    const POINT client = OnScreen(*window, 105, 55);
    EXPECT_EQ(point.x, client.x);
    EXPECT_EQ(point.y, client.y);
    ASSERT_TRUE(layer.ScreenToLayer(point));
    EXPECT_EQ(point.x, 5);
    EXPECT_EQ(point.y, 5);

    ASSERT_TRUE(layer.Show(true));
    EXPECT_EQ(window->invalidated, std::vector<RECT>{layer.GetRect()});
    window->RemoveLayer(&layer, false);
}

TEST_F(LayerLifecycle, ResizeCompositesTheUnionOfTheOldAndNewSize)
{
    CRecordingLayer layer("layer");
    ASSERT_TRUE(layer.Create(100, 50, 200, 100, window));
    Events().clear();
    ASSERT_TRUE(layer.Resize(150, 120, true));
    EXPECT_EQ(Events(), std::vector<std::string>{"layer:resizing 150,120"});
    EXPECT_EQ(layer.GetRect(), (RECT{100, 50, 250, 170}));
    EXPECT_EQ(layer.GetWidth(), 150);
    EXPECT_EQ(window->invalidated, std::vector<RECT>{(RECT{100, 50, 300, 170})});
    window->invalidated.clear();
    ASSERT_TRUE(layer.Resize(10, 10, false));
    EXPECT_TRUE(window->invalidated.empty());
    window->RemoveLayer(&layer, false);
}

TEST_F(LayerLifecycle, MovingAVisibleLayerCompositesWhereItWasAndWhereItIs)
{
    CRecordingLayer layer("layer");
    ASSERT_TRUE(layer.Create(10, 10, 50, 50, window));
    ASSERT_TRUE(layer.Move(30, 5, true));
    EXPECT_TRUE(window->invalidated.empty()) << "a hidden layer moves without a redraw";
    layer.Show(false);
    ASSERT_TRUE(layer.Move(60, 20, true));
    EXPECT_EQ(layer.GetRect(), (RECT{60, 20, 110, 70}));
    EXPECT_EQ(window->invalidated, std::vector<RECT>{(RECT{30, 5, 110, 70})});
    window->invalidated.clear();
    layer.Move(0, 0, false);
    EXPECT_TRUE(window->invalidated.empty()) << "queued";
    EXPECT_EQ(window->GetDirtyRect(), (RECT{0, 0, 110, 70}));
    window->RemoveLayer(&layer, false);
}

TEST_F(LayerLifecycle, UpdatesAndInvalidationsAreShiftedToTheWindow)
{
    CRecordingLayer layer("layer");
    ASSERT_TRUE(layer.Create(30, 40, 100, 100, window));
    layer.UpdateArea(5, 6, 10, 10, true);
    layer.Update(true);
    layer.InvalidateArea({1, 2, 3, 4});
    layer.Invalidate();
    EXPECT_EQ(window->invalidated,
              (std::vector<RECT>{{35, 46, 45, 56}, {30, 40, 130, 140}, {31, 42, 33, 44}, {30, 40, 130, 140}}));
    window->RemoveLayer(&layer, false);
}

TEST_F(LayerLifecycle, ControlsJoinAndLeaveTheLayer)
{
    CRecordingControl first("first", {0, 0, 10, 10});
    CRecordingControl second("second", {10, 0, 20, 10});
    CRecordingLayer layer("layer");
    ASSERT_TRUE(layer.Create(0, 0, 50, 50, window));
    EXPECT_FALSE(layer.AddControl(nullptr, true));
    ASSERT_TRUE(layer.AddControl(&first, false));
    ASSERT_TRUE(layer.AddControl(&second, true));
    EXPECT_EQ(Events(), (std::vector<std::string>{"first:dirty", "second:dirty", "second:redraw forced now"}));
    EXPECT_EQ(first.GetLayer(), &layer);
    Events().clear();
    layer.RemoveAllControls();
    EXPECT_EQ(Events(), (std::vector<std::string>{"second:release focus", "second:detach", "first:release focus",
                                                  "first:detach"}));
    EXPECT_EQ(first.GetLayer(), nullptr);
    EXPECT_TRUE(layer.GetControls().empty());
    EXPECT_FALSE(layer.RemoveControl(&first));
    window->RemoveLayer(&layer, false);
}

TEST_F(LayerLifecycle, DestroyGivesUpFocusAndCaptureAndMayBeRefused)
{
    CRecordingControl focused("focused", {0, 0, 10, 10});
    CRecordingLayer layer("layer");
    ASSERT_TRUE(layer.Create(0, 0, 50, 50, window));
    layer.AddControl(&focused, false);
    layer.Show(false);
    layer.SetKeyFocus(&layer);
    ASSERT_TRUE(layer.HasKeyFocus(&layer));
    CHfcKey::GetInstance()->SetFocus(&layer, window->GetHandle());
    CHfcMouse::GetInstance()->SetCapture(&layer, window);
    layer.allowDestroy = false;
    Events().clear();

    EXPECT_FALSE(layer.Destroy());
    EXPECT_EQ(Events(), (std::vector<std::string>{"layer:capture released", "layer:destroy"}));
    EXPECT_EQ(window->GetKeyFocus()->GetListener(), nullptr) << "the layer's own key focus went first";
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_TRUE(layer.IsCreated()) << "the refusal keeps the layer as it was";
    EXPECT_TRUE(layer.IsVisible());
    EXPECT_EQ(layer.GetControls().size(), 1u);
    EXPECT_EQ(layer.GetWidth(), 50);

    layer.allowDestroy = true;
    layer.SetKeyFocus(&focused);
    Events().clear();
    EXPECT_TRUE(layer.Destroy());
    EXPECT_EQ(Events(), (std::vector<std::string>{"layer:destroy", "focused:release focus", "focused:focus killed",
                                                  "focused:detach"}))
        << "a control holding the window's key focus loses it as it leaves";
    EXPECT_EQ(window->GetKeyFocus()->GetListener(), nullptr);
    EXPECT_FALSE(layer.IsCreated());
    EXPECT_FALSE(layer.IsVisible());
    EXPECT_EQ(layer.GetWidth(), 0);
    EXPECT_EQ(layer.GetRect(), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(layer.GetOwner(), nullptr);
    EXPECT_EQ(window->GetLayers().back(), &layer) << "the window removes it itself";
    EXPECT_FALSE(layer.Destroy());
    window->RemoveLayer(&layer, false);
}

TEST_F(LayerLifecycle, DetachingAnyLayerKillsTheWindowsKeyFocusWhoeverHoldsIt)
{
    CRecordingControl focused("focused", {0, 0, 10, 10});
    CRecordingLayer holder("holder"), other("other");
    ASSERT_TRUE(holder.Create(0, 0, 50, 50, window));
    ASSERT_TRUE(other.Create(60, 0, 50, 50, window));
    holder.AddControl(&focused, false);
    holder.SetKeyFocus(&focused);
    Events().clear();
    ASSERT_TRUE(window->RemoveLayer(&other, true));
    EXPECT_EQ(Events(), (std::vector<std::string>{"other:detach", "focused:focus killed"}));
    EXPECT_EQ(other.GetOwner(), nullptr);
    EXPECT_EQ(window->invalidated.back(), (RECT{0, 0, 400, 300})) << "with redraw, one full composite";
    EXPECT_FALSE(window->RemoveLayer(&other, false));
    window->RemoveLayer(&holder, false);
}

}  // namespace
}  // namespace ui_test
