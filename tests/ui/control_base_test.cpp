// The control base: raw mouse events, redraw and erase, the focus frame,
// the hold timer, the drag speed factor, keys through the owner first, and
// what Destroy gives up.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcKeyFocus.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"

#include <platform/testing.h>

namespace ui_test {
namespace {

// A control that writes its own drawing, mouse and key operations down.
class CPlainControl : public CHfcControl
{
public:
    bool Create(const RECT& rect)
    {
        FinishCreate(rect, 7, 3);
        return true;
    }
    void Draw(CHfcDrawContext* context) override
    {
        Events().push_back("control:draw");
        CHfcControl::Draw(context);
    }
    void DrawBackground(CHfcDrawContext*) override { Events().push_back("control:background"); }
    bool OnHfcMouseLButtonDown(CHfcMouse*, int x, int y, int modifiers) override
    {
        return Own("down", x, y, modifiers);
    }
    bool OnHfcMouseLButtonDblClk(CHfcMouse*, int x, int y, int modifiers) override
    {
        return Own("double", x, y, modifiers);
    }
    bool OnHfcMouseLButtonUp(CHfcMouse*, int x, int y, int modifiers) override { return Own("up", x, y, modifiers); }
    bool OnHfcMouseMove(CHfcMouse*, int x, int y, int modifiers) override { return Own("move", x, y, modifiers); }
    bool OnKeyDown(int key, int, int) override { return OwnKey("key down", key); }
    bool OnKeyRepeat(int key, int, int) override { return OwnKey("key repeat", key); }
    bool OnKeyUp(int key, int, int) override { return OwnKey("key up", key); }
    bool OnChar(int character) override { return OwnKey("char", character); }
    void OnGetFocus() override { Events().push_back("control:got focus"); }
    void OnKillFocus() override { Events().push_back("control:lost focus"); }

private:
    bool Own(const char* what, int x, int y, int modifiers)
    {
        Events().push_back(Describe("control", what, x, y) + " mod " + std::to_string(modifiers));
        return true;
    }
    bool OwnKey(const char* what, int code)
    {
        Events().push_back(std::string("control:") + what + " " + std::to_string(code));
        return true;
    }
};

class ControlBase : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        ASSERT_TRUE(control.Create({30, 40, 70, 60}));
        Place(control);
        control.Redraw(false, true);
        window->invalidated.clear();
        Events().clear();
    }
    POINT Screen(int x, int y)
    {
        POINT point{x, y};
        control.ControlToScreen(point);
        return point;
    }

    CPlainControl control;
};

TEST_F(ControlBase, RawButtonEventsReachOnlyAnEnabledControlAndRawMovesAlways)
{
    const POINT at = Screen(5, 6);
    EXPECT_TRUE(control.OnHfcMouseRawLButtonDown(mouse, at.x, at.y, kHfcModifierShift));
    EXPECT_TRUE(control.OnHfcMouseRawLButtonDblClk(mouse, at.x, at.y, 0));
    EXPECT_TRUE(control.OnHfcMouseRawLButtonUp(mouse, at.x, at.y, 0));
    EXPECT_TRUE(control.OnHfcMouseRawMove(mouse, at.x, at.y, kHfcModifierAlt));
    EXPECT_EQ(Events(), (std::vector<std::string>{"control:down 5,6 mod 1", "control:double 5,6 mod 0",
                                                  "control:up 5,6 mod 0", "control:move 5,6 mod 4"}));
    Events().clear();
    control.SetEnabled(false);
    EXPECT_FALSE(control.OnHfcMouseRawLButtonDown(mouse, at.x, at.y, 0));
    EXPECT_FALSE(control.OnHfcMouseRawLButtonDblClk(mouse, at.x, at.y, 0));
    EXPECT_FALSE(control.OnHfcMouseRawLButtonUp(mouse, at.x, at.y, 0));
    EXPECT_TRUE(control.OnHfcMouseRawMove(mouse, at.x - 40, at.y, 0));
    EXPECT_EQ(Events(), std::vector<std::string>{"control:move -35,6 mod 0"});
}

TEST_F(ControlBase, ACapturingControlGetsTheWindowsRawEvents)
{
    mouse->SetCapture(&control, window);
    Events().clear();
    MoveTo(control, -12, 3);
    EXPECT_EQ(Events(), std::vector<std::string>{"control:move -12,3 mod 0"});
    mouse->ReleaseCapture();
}

TEST_F(ControlBase, RedrawPaintsOnlyWhenDirtyOrForcedAndErasesAHiddenControlOnce)
{
    control.Redraw(false, true);
    EXPECT_TRUE(Events().empty());
    EXPECT_TRUE(window->invalidated.empty());

    control.Redraw(true, true);
    EXPECT_EQ(Events(), std::vector<std::string>{"control:draw"});
    // The layer sits at (10, 20) of the window.
    EXPECT_EQ(window->invalidated, (std::vector<RECT>{RECT{40, 60, 80, 80}}));

    Events().clear();
    control.SetDirty(true);
    control.OnTimer(60);
    EXPECT_EQ(Events(), std::vector<std::string>{"control:draw"}) << "a timer step redraws when dirty";
    EXPECT_FALSE(control.IsDirty());

    Events().clear();
    control.Hide(true);
    control.Redraw(false, true);
    control.Redraw(true, true);
    EXPECT_EQ(Events(), std::vector<std::string>{"control:background"});
    Events().clear();
    control.Show(false);
    control.Redraw(false, true);
    EXPECT_EQ(Events(), std::vector<std::string>{"control:draw"}) << "Hide with redraw left it dirty";
}

TEST_F(ControlBase, AMarginGrowsTheInvalidatedAreaAndFollowsMoves)
{
    control.SetMargin(3);
    EXPECT_EQ(control.GetHitRect(), (RECT{27, 37, 73, 63}));
    window->invalidated.clear();
    control.Redraw(true, true);
    EXPECT_EQ(window->invalidated, (std::vector<RECT>{RECT{37, 57, 83, 83}}));

    EXPECT_TRUE(control.Move(100, 10, true));
    EXPECT_EQ(control.GetRect(), (RECT{100, 10, 140, 30}));
    EXPECT_EQ(control.GetHitRect(), (RECT{97, 7, 143, 33}));
    EXPECT_TRUE(control.IsDirty());
    EXPECT_TRUE(control.Resize(10, 5, false));
    EXPECT_EQ(control.GetRect(), (RECT{100, 10, 110, 15}));

    layer.RemoveControl(&control);
    EXPECT_FALSE(control.Move(0, 0, false)) << "no layer";
    EXPECT_EQ(control.GetRect(), (RECT{0, 0, 10, 5})) << "yet the rectangle moved";
    CPlainControl uncreated;
    EXPECT_FALSE(uncreated.Move(1, 1, false));
}

class FocusFrame : public ::testing::Test
{
protected:
    std::uint32_t At(int x, int y)
    {
        CHfcBmp* bitmap = context.GetBitmap();
        const BYTE* p = bitmap->LockBits() + y * bitmap->GetStride() + x * 4;
        const std::uint32_t pixel =
            (std::uint32_t{p[3]} << 24) | (std::uint32_t{p[2]} << 16) | (std::uint32_t{p[1]} << 8) | p[0];
        bitmap->UnlockBits();
        return pixel;
    }
    void Make(int margin, bool openBottom = false)
    {
        control.Create({10, 10, 30, 24});
        control.SetMargin(margin);
        control.SetOpenBottom(openBottom);
        control.Show(false);
    }

    CHfcOffscreenContext context{40, 40};
    CPlainControl control;
};

TEST_F(FocusFrame, WithoutAMarginFourCornerMarksOfThreePixels)
{
    Make(0);
    control.DrawFocusFrame(&context);
    const std::uint32_t colour = CHfcControl::kDefaultFocusFrameColor;
    // The marks' inner pixels are covered whole; their ends, on the pixel
    // edges, only partly.
    for (auto [x, y] : {std::pair{11, 10},
                        {12, 10},
                        {10, 11},
                        {10, 12},
                        {28, 10},
                        {27, 10},
                        {29, 11},
                        {29, 12},
                        {11, 23},
                        {12, 23},
                        {10, 22},
                        {10, 21},
                        {28, 23},
                        {27, 23},
                        {29, 22},
                        {29, 21}})
        EXPECT_EQ(At(x, y), colour) << x << "," << y;
    for (auto [x, y] : {std::pair{10, 10}, {29, 10}, {10, 23}, {29, 23}})
        EXPECT_GE(At(x, y) >> 24, 0x80u) << x << "," << y;
    for (auto [x, y] : {std::pair{15, 10}, {10, 16}, {29, 17}, {20, 23}, {20, 17}, {9, 9}, {30, 24}})
        EXPECT_EQ(At(x, y) >> 24, 0u) << x << "," << y;
}

TEST_F(FocusFrame, WithAMarginRingsFadeTowardTheControl)
{
    Make(3);
    control.DrawFocusFrame(&context);
    // Rings at 1, 2 and 3 pixels outside; alpha 85, 170, 255.
    EXPECT_EQ(At(9, 15), 0x55BDFF00u);
    EXPECT_EQ(At(8, 15), 0xAABDFF00u);
    EXPECT_EQ(At(7, 15), 0xFFBDFF00u);
    EXPECT_EQ(At(20, 24), 0x55BDFF00u) << "bottom ring 1";
    EXPECT_EQ(At(20, 26), 0xFFBDFF00u) << "bottom ring 3";
    EXPECT_EQ(At(20, 27) >> 24, 0u);
    EXPECT_EQ(At(15, 15) >> 24, 0u) << "the control itself is left alone";
}

TEST_F(FocusFrame, AnOpenBottomGrowsOnePixelPerRingAndColourZeroDrawsNothing)
{
    Make(2, true);
    control.DrawFocusFrame(&context);
    EXPECT_EQ(At(20, 8), 0xFFBDFF00u) << "top ring 2";
    EXPECT_EQ(At(20, 9), 0x7FBDFF00u) << "top ring 1";
    EXPECT_EQ(At(8, 23), 0xFFBDFF00u) << "ring 2's side reaches the control's last row";
    EXPECT_EQ(At(20, 23), 0xFFBDFF00u) << "every ring ends on the control's last row";
    EXPECT_EQ(At(20, 24) >> 24, 0u);

    CHfcOffscreenContext blank(40, 40);
    control.SetFocusFrameColor(0);
    control.DrawFocusFrame(&blank);
    control.SetFocusFrameColor(CHfcControl::kDefaultFocusFrameColor);
    control.Hide(false);
    control.DrawFocusFrame(&blank);
    CHfcBmp* bitmap = blank.GetBitmap();
    const BYTE* bits = bitmap->LockBits();
    bool empty = true;
    for (int i = 0; i < 40 * 40 * 4; ++i)
        empty = empty && bits[i] == 0;
    bitmap->UnlockBits();
    EXPECT_TRUE(empty) << "colour 0 and a hidden control draw nothing";
}

TEST_F(ControlBase, TheHoldTimerReportsOnceAt500Milliseconds)
{
    control.AdvanceHoldTimer(300);
    EXPECT_TRUE(Events().empty());
    control.AdvanceHoldTimer(300);
    control.AdvanceHoldTimer(300);
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:delay elapsed"});
    control.ResetHoldTimer();
    control.AdvanceHoldTimer(499);
    control.AdvanceHoldTimer(1);
    EXPECT_EQ(Events().size(), 2u);
}

TEST_F(ControlBase, TheDragSpeedFactorSlowsDragsAfterAPause)
{
    platform::testing::ScopedFakeClock clock(10000);
    control.GetDragSpeedFactor();
    struct Step
    {
        DWORD pause;
        float factor;
    };
    for (const Step& step : {Step{50, 1.0f}, Step{100, 1.0f}, Step{101, 50.0f / 101}, Step{200, 0.25f},
                             Step{1600, 0.03125f}, Step{5000, 0.03125f}, Step{0, 1.0f}}) {
        platform::testing::AdvanceClock(step.pause);
        EXPECT_FLOAT_EQ(control.GetDragSpeedFactor(), step.factor) << step.pause << " ms";
    }
}

TEST_F(ControlBase, TheOwnerIsAskedAboutEveryKeyFirst)
{
    control.SetFocus(2);
    EXPECT_TRUE(control.HasFocus());
    EXPECT_EQ(control.GetFocusedItem(), 2);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:get focus", "control:got focus"}));

    Events().clear();
    EXPECT_TRUE(control.OnHfcKeyFocusKeyDown(nullptr, 28, 0, 0));
    EXPECT_TRUE(control.OnHfcKeyFocusKeyRepeat(nullptr, 29, 0, 0));
    EXPECT_TRUE(control.OnHfcKeyFocusKeyUp(nullptr, 30, 0, 0));
    EXPECT_TRUE(control.OnHfcKeyFocusChar(nullptr, 'a'));
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:key down 28", "control:key down 28", "owner:key repeat 29",
                                                  "control:key repeat 29", "owner:key up 30", "control:key up 30",
                                                  "owner:char 97", "control:char 97"}));
    Events().clear();
    owner.swallow = {"key down", "key repeat", "key up", "char"};
    EXPECT_TRUE(control.OnHfcKeyFocusKeyDown(nullptr, 28, 0, 0));
    EXPECT_TRUE(control.OnHfcKeyFocusKeyRepeat(nullptr, 29, 0, 0));
    EXPECT_TRUE(control.OnHfcKeyFocusKeyUp(nullptr, 30, 0, 0));
    EXPECT_TRUE(control.OnHfcKeyFocusChar(nullptr, 'a'));
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:key down 28", "owner:key repeat 29", "owner:key up 30",
                                                  "owner:char 97"}));

    Events().clear();
    control.SetFocus(-1);
    EXPECT_FALSE(control.HasFocus());
    EXPECT_EQ(control.GetFocusedItem(), -1);
    EXPECT_EQ(Events(), (std::vector<std::string>{"owner:kill focus", "control:lost focus"}));
}

TEST_F(ControlBase, KeysTypedIntoTheWindowReachTheFocusedControlThroughItsOwner)
{
    control.SetFocus(0);
    Events().clear();
    platform::testing::TypeKey(VK_LEFT);
    Pump();
    ASSERT_FALSE(Events().empty());
    EXPECT_EQ(Events().front(), "owner:key down 28");
}

TEST_F(ControlBase, HitTestTakesScreenPoints)
{
    const POINT inside = Screen(0, 0);
    const POINT outside = Screen(40, 10);
    EXPECT_TRUE(control.HitTest(nullptr, inside.x, inside.y));
    EXPECT_FALSE(control.HitTest(nullptr, outside.x, outside.y)) << "right is exclusive";
}

TEST_F(ControlBase, DestroyGivesUpFocusKeysAndCaptureAndLeavesTheLayer)
{
    control.SetFocus(0);
    CHfcKey::GetInstance()->SetFocus(&control, window->GetHandle());
    mouse->SetCapture(&control, window);
    Events().clear();
    control.Destroy();
    EXPECT_FALSE(window->HasKeyFocus(&control));
    EXPECT_EQ(window->GetKeyFocus()->GetListener(), nullptr);
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    EXPECT_EQ(mouse->GetCapture(), nullptr);
    EXPECT_TRUE(layer.GetControls().empty());
    EXPECT_EQ(control.GetLayer(), nullptr);
    EXPECT_FALSE(control.IsCreated());
    EXPECT_EQ(control.GetRect(), (RECT{0, 0, 0, 0}));
    EXPECT_EQ(Events().front(), "owner:kill focus");
}

TEST_F(ControlBase, AControlDeletedOnALayerLeavesIt)
{
    auto* doomed = new CPlainControl;
    doomed->Create({0, 0, 5, 5});
    Place(*doomed);
    doomed->SetFocus(0);
    delete doomed;
    EXPECT_EQ(layer.GetControls(), std::vector<CHfcLayerControl*>{&control});
    EXPECT_EQ(window->GetKeyFocus()->GetListener(), nullptr);
}

}  // namespace
}  // namespace ui_test
