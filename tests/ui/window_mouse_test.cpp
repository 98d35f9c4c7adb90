// Mouse input through a window: to the capture holder or down the layers,
// the last-event record, modifiers, double clicks, the wheel, and how a
// capture ends.
#include "window_fixture.h"

#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcModifiers.h"
#include "framework/ui/HfcMouse.h"

#include <platform/dialogs.h>
#include <platform/input.h>

namespace ui_test {
namespace {

using platform::testing::MouseButton;
namespace input = platform::testing;

// A capture holder that writes down its raw events.
class CRawRecorder : public CHfcMouseListener
{
public:
    explicit CRawRecorder(std::string name) : name(std::move(name)) {}
    bool OnHfcMouseRawLButtonDown(CHfcMouse*, int x, int y, int modifiers) override
    {
        return Own("raw LButtonDown", x, y, modifiers);
    }
    bool OnHfcMouseRawLButtonUp(CHfcMouse*, int x, int y, int modifiers) override
    {
        return Own("raw LButtonUp", x, y, modifiers);
    }
    bool OnHfcMouseRawMove(CHfcMouse*, int x, int y, int modifiers) override
    {
        return Own("raw Move", x, y, modifiers);
    }
    bool OnHfcMouseRawWheel(CHfcMouse*, int x, int y, int, int delta, int) override
    {
        return Own(("raw Wheel " + std::to_string(delta)).c_str(), x, y, 0);
    }
    bool OnHfcMouseCaptureReleased(CHfcMouse*) override
    {
        Events().push_back(name + ":capture released");
        return false;
    }
    std::string name;
    std::vector<int> modifiers;

private:
    bool Own(const char* what, int x, int y, int mods)
    {
        Events().push_back(Describe(name, what, x, y));
        modifiers.push_back(mods);
        return true;
    }
};

class WindowMouse : public WindowTest
{
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        window = &MakeWindow(200, 100, 300, 200);
        ASSERT_TRUE(below.Create(0, 0, 200, 150, window));
        ASSERT_TRUE(above.Create(100, 50, 200, 150, window));
        below.Show(false);
        above.Show(false);
        Events().clear();
    }
    void ClickAt(int x, int y, MouseButton button = MouseButton::Left)
    {
        const POINT screen = OnScreen(*window, x, y);
        input::Click(button, screen.x, screen.y);
        Pump();
    }

    CTestWindow* window = nullptr;
    CRecordingLayer below{"below"};
    CRecordingLayer above{"above"};
};

TEST_F(WindowMouse, TheLayerAttachedLaterIsAskedFirstAndAMissReachesNoLayer)
{
    ClickAt(150, 100);
    EXPECT_EQ(Events(), (std::vector<std::string>{"above:LButtonDown 50,50", "below:LButtonDown 150,100",
                                                  "above:LButtonUp 50,50", "below:LButtonUp 150,100"}));
    Events().clear();
    above.answer = true;
    ClickAt(150, 100, MouseButton::Right);
    EXPECT_EQ(Events(), (std::vector<std::string>{"above:RButtonDown 50,50", "above:RButtonUp 50,50"}))
        << "a layer that takes the event ends the walk";

    Events().clear();
    above.Hide(false);
    ClickAt(250, 60);
    EXPECT_TRUE(Events().empty()) << "only visible layers, right and bottom exclusive";
    EXPECT_FALSE(window->OnHfcMouseLButtonDown(CHfcMouse::GetInstance(), 200, 60, 0));
    EXPECT_FALSE(window->OnHfcMouseLButtonDown(CHfcMouse::GetInstance(), 199, 150, 0));
    EXPECT_TRUE(Events().empty());
}

TEST_F(WindowMouse, RawEventsRecordTheLastEventAndCarryTheModifiers)
{
    input::PressKey(VK_MENU);
    input::PressKey(VK_SHIFT);
    const POINT screen = OnScreen(*window, 20, 30);
    input::PressMouse(MouseButton::Left, screen.x, screen.y);
    Pump();
    const SHfcMouseEvent& last = CHfcMouse::GetInstance()->GetLastEvent();
    EXPECT_EQ(last.window, window);
    EXPECT_EQ(last.screenX, screen.x);
    EXPECT_EQ(last.screenY, screen.y);
    EXPECT_EQ(last.clientX, 20);
    EXPECT_EQ(last.clientY, 30);
    EXPECT_EQ(last.modifiers, kHfcModifierShift | kHfcModifierAlt);
    input::ReleaseMouse(MouseButton::Left, screen.x, screen.y);
    input::ReleaseKey(VK_SHIFT);
    input::ReleaseKey(VK_MENU);
    Pump();
}

TEST_F(WindowMouse, TheCaptureHolderGetsRawScreenEventsWhereverThePointerIs)
{
    CRawRecorder holder("holder");
    CHfcMouse::GetInstance()->SetCapture(&holder, window);
    const POINT outside = OnScreen(*window, 400, -30);
    input::MoveMouse(outside.x, outside.y);
    input::PressKey(VK_CONTROL);
    input::PressMouse(MouseButton::Left, outside.x, outside.y);
    Pump();
    EXPECT_EQ(Events(), (std::vector<std::string>{Describe("holder", "raw Move", outside.x, outside.y),
                                                  Describe("holder", "raw LButtonDown", outside.x, outside.y)}));
    EXPECT_EQ(holder.modifiers.back(), kHfcModifierCtrl);
    input::ReleaseKey(VK_CONTROL);
    Events().clear();
    input::ReleaseMouse(MouseButton::Left, outside.x, outside.y);
    Pump();
    EXPECT_EQ(Events(), (std::vector<std::string>{Describe("holder", "raw LButtonUp", outside.x, outside.y),
                                                  "holder:capture released"}))
        << "a holder that kept the capture past the last release loses it";
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
    EXPECT_EQ(GetCapture(), nullptr);
}

TEST_F(WindowMouse, AHolderKeepsTheCaptureWhileAnotherButtonIsStillDown)
{
    CRawRecorder holder("holder");
    const POINT at = OnScreen(*window, 10, 10);
    input::PressMouse(MouseButton::Right, at.x, at.y);
    Pump();
    CHfcMouse::GetInstance()->SetCapture(&holder, window);
    input::PressMouse(MouseButton::Left, at.x, at.y);
    input::ReleaseMouse(MouseButton::Left, at.x, at.y);
    Pump();
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), &holder);
    input::ReleaseMouse(MouseButton::Right, at.x, at.y);
    Pump();
    EXPECT_EQ(CHfcMouse::GetInstance()->GetCapture(), nullptr);
}

TEST_F(WindowMouse, ACaptureTakenByAnotherWindowEndsTheGestureOnce)
{
    CRawRecorder holder("holder");
    CHfcMouse& mouse = *CHfcMouse::GetInstance();
    mouse.SetCapture(&holder, window);
    CTestWindow& other = MakeWindow(10, 10, 50, 50);
    Events().clear();
    SetCapture(other.GetHandle());
    EXPECT_EQ(Events(), std::vector<std::string>{"holder:capture released"});
    EXPECT_EQ(mouse.GetCapture(), nullptr);

    Events().clear();
    mouse.SetCapture(&holder, window);
    CRawRecorder next("next");
    mouse.SetCapture(&next, &other);
    EXPECT_EQ(Events(), std::vector<std::string>{"holder:capture released"})
        << "a change the mouse manager makes is told by the manager alone";
    Events().clear();
    mouse.ReleaseCapture();
    EXPECT_EQ(Events(), std::vector<std::string>{"next:capture released"});
}

TEST_F(WindowMouse, ALayerHoldingTheCaptureGetsEventsInItsOwnCoordinatesPastItsControls)
{
    CRecordingControl control("control", {0, 0, 50, 50});
    above.AddControl(&control, false);
    CHfcMouse::GetInstance()->SetCapture(&above, window);
    Events().clear();
    ClickAt(110, 60);
    EXPECT_EQ(Events(),
              (std::vector<std::string>{"above:LButtonDown 10,10", "above:LButtonUp 10,10", "above:capture released"}));
    Events().clear();
    ClickAt(10, 10, MouseButton::Middle);
    EXPECT_EQ(Events(), (std::vector<std::string>{"below:MButtonDown 10,10"})) << "captured no more";
    above.RemoveControl(&control);
}

TEST_F(WindowMouse, TwoQuickClicksMakeADoubleClick)
{
    ClickAt(20, 20);
    ClickAt(20, 20);
    EXPECT_EQ(Events(), (std::vector<std::string>{"below:LButtonDown 20,20", "below:LButtonUp 20,20",
                                                  "below:LButtonDblClk 20,20", "below:LButtonUp 20,20"}));
}

TEST_F(WindowMouse, TheWheelGoesToTheLayerUnderThePointWithItsDelta)
{
    const POINT at = OnScreen(*window, 120, 70);
    input::TurnWheel(-240, at.x, at.y);
    Pump();
    EXPECT_EQ(Events(), (std::vector<std::string>{"above:Wheel -240 20,20", "below:Wheel -240 120,70"}));
    CRawRecorder holder("holder");
    CHfcMouse::GetInstance()->SetCapture(&holder, window);
    Events().clear();
    input::TurnWheel(120, at.x, at.y);
    Pump();
    EXPECT_EQ(Events(), std::vector<std::string>{Describe("holder", "raw Wheel 120", at.x, at.y)});
    CHfcMouse::GetInstance()->ReleaseCapture();
}

TEST_F(WindowMouse, WithoutTheManagersInputIsDroppedWithAnErrorBox)
{
    CHfcMouse::Release();
    CHfcKey::Release();
    ASSERT_EQ(CHfcMouse::GetInstance(), nullptr);
    platform::testing::QueueMessageBoxAnswers({IDOK, IDOK, IDOK});
    ClickAt(20, 20);
    SendMessageA(window->GetHandle(), WM_KEYDOWN, VK_LEFT, 0);
    const POINT at = OnScreen(*window, 20, 20);
    input::TurnWheel(120, at.x, at.y);
    Pump();
    const auto shown = platform::testing::TakeShownMessageBoxes();
    ASSERT_EQ(shown.size(), 3u) << "down and up, then the key; the wheel drops quietly";
    EXPECT_EQ(shown[0].text, "Mouse=0");
    EXPECT_EQ(shown[0].caption, "error");
    EXPECT_EQ(shown[0].owner, nullptr);
    EXPECT_EQ(shown[2].text, "Key=0");
    EXPECT_TRUE(Events().empty());
    ASSERT_TRUE(CHfcMouse::Acquire());
    ASSERT_TRUE(CHfcKey::Acquire());
}

}  // namespace
}  // namespace ui_test
