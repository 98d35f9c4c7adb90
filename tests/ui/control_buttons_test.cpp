// Buttons, switches, LEDs and bitmap lists: what each mouse gesture
// reports, which frame of the strip shows, and what Create refuses.
#include "control_fixture.h"

#include "framework/ui/HfcBmp.h"
#include "framework/ui/HfcCtrlButtons.h"
#include "framework/ui/HfcKey.h"
#include "framework/ui/HfcKeyFocus.h"
#include "framework/ui/HfcMouse.h"
#include "framework/ui/HfcOffscreenContext.h"

namespace ui_test {
namespace {

// The descriptor words of a strip control at (x, y) with the size derived.
std::vector<HfcWord> Strip(CHfcBmp* strip, int x, int y, int states, int frames)
{
    return {x, y, 0, 0, HfcBitmapWord(strip), 0, 0, 0, states, frames};
}

class StripControls : public ControlTest
{
protected:
    void SetUp() override
    {
        ControlTest::SetUp();
        // Six frames of 16 x 10.
        FillNumberedStrip(strip, 16, 10, 6);
    }
    // The frame the control shows in the layer after a redraw.
    int ShownFrame(CHfcControl& control)
    {
        Render(control);
        return FrameOf(Pixel(control.GetRect().left + 2, control.GetRect().top + 2));
    }

    CHfcBmp strip;
};

// One mouse gesture in the control's own coordinates: press at (5, 5),
// then moves, then the release where the last move ended.
struct Gesture
{
    const char* name;
    std::vector<POINT> moves;
};

const Gesture kClick{"click", {}};
const Gesture kDragOff{"drag off", {{-10, 5}}};
const Gesture kDragOffAndBack{"drag off and back", {{-10, 5}, {6, 4}}};

struct GestureCase
{
    const char* control;
    const Gesture* gesture;
    std::vector<std::string> reports;
};

TEST_F(StripControls, EachGestureReportsWhatTheOwnerReliesOn)
{
    const std::vector<std::string> switchClick{"owner:mouse down 5,5", "owner:edit begin", "owner:value 1 pressed",
                                               "owner:mouse up",       "owner:value 1",    "owner:edit end"};
    const std::vector<std::string> ledClick{"owner:mouse down 5,5", "owner:edit begin", "owner:value 2 pressed",
                                            "owner:value 2",        "owner:edit end",   "owner:value 2",
                                            "owner:edit end"};
    const GestureCase cases[] = {
        {"button", &kClick, {"owner:mouse down 5,5", "owner:value 1"}},
        {"button", &kDragOff, {"owner:mouse down 5,5"}},
        {"button", &kDragOffAndBack, {"owner:mouse down 5,5", "owner:value 1"}},
        {"switch", &kClick, switchClick},
        {"switch", &kDragOff, switchClick},
        {"led", &kClick, ledClick},
        {"led", &kDragOff, ledClick},
    };
    for (const GestureCase& c : cases) {
        CHfcCtrlButton button;
        CHfcCtrlOldSwitch toggle;
        CHfcCtrlLed led;
        CHfcControl* control = nullptr;
        const std::string kind = c.control;
        if (kind == "button") {
            ASSERT_TRUE(button.Create(Strip(&strip, 20, 20, 2, 0).data(), 1, 0));
            control = &button;
        } else if (kind == "switch") {
            ASSERT_TRUE(toggle.Create(Strip(&strip, 20, 20, 2, 0).data(), 1, 0));
            control = &toggle;
        } else {
            ASSERT_TRUE(led.Create(Strip(&strip, 20, 20, 0, 6).data(), 1, 0));
            control = &led;
        }
        Place(*control);
        control->SetValue(kind == "led" ? 2 : 1, false);
        Events().clear();

        POINT last{5, 5};
        Press(*control, last.x, last.y);
        EXPECT_TRUE(HoldsCapture(*control)) << kind;
        for (POINT move : c.gesture->moves) {
            MoveTo(*control, move.x, move.y);
            last = move;
        }
        Release(*control, last.x, last.y);
        // The release's position is the owner's; only its name is compared.
        std::vector<std::string> reports = Events();
        for (std::string& report : reports)
            if (report.rfind("owner:mouse up", 0) == 0)
                report = "owner:mouse up";
        EXPECT_EQ(reports, c.reports) << kind << ", " << c.gesture->name;
        EXPECT_EQ(mouse->GetCapture(), nullptr) << kind << ", " << c.gesture->name;
        EXPECT_EQ(control->GetValue(), kind == "led" ? 2 : 1) << "values are reported, never changed";
        control->Destroy();
    }
}

TEST_F(StripControls, AButtonShowsPressedOnlyWhileThePointerIsOverIt)
{
    CHfcCtrlButton button;
    ASSERT_TRUE(button.Create(Strip(&strip, 20, 20, 3, 0).data(), 1, 0));
    EXPECT_EQ(button.GetRect(), (RECT{20, 20, 36, 30})) << "strip height / (2 x states)";
    EXPECT_EQ(button.GetWords()[kHfcStripWidth], 16) << "the worked-out size is kept";
    EXPECT_EQ(button.GetWords()[kHfcStripHeight], 10);
    Place(button);
    button.SetValue(2, true);
    EXPECT_EQ(ShownFrame(button), 4);
    Press(button, 3, 3);
    EXPECT_EQ(ShownFrame(button), 5);
    MoveTo(button, 16, 3);
    EXPECT_FALSE(button.IsPressed()) << "right is outside";
    EXPECT_EQ(ShownFrame(button), 4);
    MoveTo(button, 15, 9);
    EXPECT_EQ(ShownFrame(button), 5);
    Release(button, 15, 9);
    EXPECT_EQ(ShownFrame(button), 4);

    button.SetValue(7, false);
    EXPECT_EQ(button.GetValue(), 2);
    button.SetValue(-1, false);
    EXPECT_EQ(button.GetValue(), 0);
    EXPECT_EQ(button.GetMaximum(), 1) << "the range stays 0..1";
}

TEST_F(StripControls, APressTheOwnerSwallowsLeavesTheControlIdle)
{
    owner.swallow = {"mouse down"};
    CHfcCtrlButton button;
    CHfcCtrlOldSwitch toggle;
    CHfcCtrlLed led;
    ASSERT_TRUE(button.Create(Strip(&strip, 0, 0, 1, 0).data(), 1, 0));
    ASSERT_TRUE(toggle.Create(Strip(&strip, 40, 0, 1, 0).data(), 2, 0));
    ASSERT_TRUE(led.Create(Strip(&strip, 80, 0, 0, 1).data(), 3, 0));
    for (CHfcControl* control :
         {static_cast<CHfcControl*>(&button), static_cast<CHfcControl*>(&toggle), static_cast<CHfcControl*>(&led)}) {
        Place(*control);
        Events().clear();
        Press(*control, 2, 2);
        EXPECT_EQ(Events(), std::vector<std::string>{"owner:mouse down 2,2"});
        EXPECT_EQ(mouse->GetCapture(), nullptr);
        Release(*control, 2, 2);
    }
    EXPECT_FALSE(button.IsPressed());
    EXPECT_FALSE(toggle.IsPressed());
}

TEST_F(StripControls, ASwitchAndAnLedTakeTheKeyFocusAwayAndHandOnTheRightButton)
{
    CHfcCtrlOldSwitch toggle;
    ASSERT_TRUE(toggle.Create(Strip(&strip, 0, 0, 1, 0).data(), 1, 0));
    Place(toggle);
    CHfcKey::GetInstance()->SetFocus(&toggle, window->GetHandle());
    Press(toggle, 1, 1);
    EXPECT_EQ(CHfcKey::GetInstance()->GetFocus(), nullptr);
    Release(toggle, 1, 1);
    Events().clear();
    EXPECT_TRUE(toggle.OnHfcMouseRButtonDown(mouse, 3, 4, 0));
    EXPECT_EQ(Events(), std::vector<std::string>{"owner:right down 3,4"});
}

TEST_F(StripControls, ASwitchReadsBit31AsItsPressedState)
{
    CHfcCtrlOldSwitch toggle;
    // Three states of two frames of 10: the height is worked out as 10.
    ASSERT_TRUE(toggle.Create(Strip(&strip, 0, 0, 3, 0).data(), 1, 0));
    Place(toggle);
    EXPECT_EQ(toggle.GetMaximum(), 2);
    toggle.SetValue(2, true);
    EXPECT_EQ(ShownFrame(toggle), 4);
    toggle.SetValue(static_cast<int>(0x80000001u), true);
    EXPECT_TRUE(toggle.IsPressed());
    EXPECT_EQ(toggle.GetValue(), 0) << "the negative value is clamped to the minimum";
    EXPECT_EQ(ShownFrame(toggle), 1);
    toggle.SetValue(1, true);
    EXPECT_FALSE(toggle.IsPressed());
    EXPECT_EQ(ShownFrame(toggle), 2);
}

TEST_F(StripControls, AnLedKeepsItsWordsAsAttributesAndFillsUnderItsFrame)
{
    CHfcCtrlLed led;
    ASSERT_TRUE(led.Create(Strip(&strip, 4, 6, 0, 6).data(), 1, 0));
    Place(led);
    EXPECT_EQ(led.GetMaximum(), 5);
    led.SetValue(9, true);
    EXPECT_EQ(led.GetValue(), 5);
    EXPECT_EQ(ShownFrame(led), 5);
    EXPECT_EQ(led.GetAttribute(0), 4);
    EXPECT_EQ(led.GetAttribute(9), 6);
    EXPECT_EQ(led.GetAttribute(10), 0);
    EXPECT_EQ(led.GetAttribute(-1), 0);

    CHfcBmp other;
    FillNumberedStrip(other, 16, 10, 6);
    BYTE* bits = other.LockBits();
    for (int i = 0; i < 16 * 60; ++i)
        reinterpret_cast<std::uint32_t*>(bits)[i] = 0x80FF0000u;
    other.UnlockBits();
    led.SetAttribute(4, 99, HfcBitmapWord(&other));
    EXPECT_EQ(HfcWordBitmap(led.GetAttribute(4)), &other) << "the bitmap comes from the word";
    led.SetAttribute(7, 3, 0);
    EXPECT_EQ(led.GetAttribute(7), 3);
    led.SetFillColor(0xFF0000FFu);
    Render(led);
    EXPECT_EQ(Pixel(6, 8), 0xFF81007Fu) << "half-transparent red over the blue fill";
}

TEST_F(StripControls, ABitmapListIgnoresTheMouseAndClampsOnlyOnTheNextSetValue)
{
    CHfcCtrlBitmapList list;
    ASSERT_TRUE(list.Create(Strip(&strip, 0, 0, 0, 6).data(), 1, 0));
    EXPECT_EQ(list.GetRect(), (RECT{0, 0, 16, 10}));
    Place(list);
    list.SetValue(4, true);
    EXPECT_EQ(ShownFrame(list), 4);
    list.SetMaximum(2, true);
    EXPECT_EQ(list.GetValue(), 4);
    list.SetValue(4, true);
    EXPECT_EQ(list.GetValue(), 2);
    Events().clear();
    Press(list, 2, 2);
    Release(list, 2, 2);
    EXPECT_TRUE(Events().empty());
    EXPECT_EQ(mouse->GetCapture(), nullptr);
}

TEST_F(StripControls, CreateRefusesWhatItCannotSizeAndSetsNoVisibility)
{
    CHfcCtrlButton button;
    CHfcCtrlOldSwitch toggle;
    CHfcCtrlLed led;
    CHfcCtrlBitmapList list;
    EXPECT_FALSE(button.Create(nullptr, 1, 0));
    EXPECT_FALSE(button.Create(Strip(&strip, 0, 0, 0, 0).data(), 1, 0)) << "no states to divide by";
    EXPECT_FALSE(button.Create(Strip(nullptr, 0, 0, 1, 0).data(), 1, 0)) << "no strip to size from";
    EXPECT_FALSE(toggle.Create(Strip(nullptr, 0, 0, 1, 0).data(), 1, 0));
    EXPECT_FALSE(toggle.Create(Strip(&strip, 0, 0, 0, 0).data(), 1, 0));
    EXPECT_FALSE(led.Create(Strip(&strip, 0, 0, 0, 0).data(), 1, 0));
    EXPECT_FALSE(led.Create(nullptr, 1, 0));
    EXPECT_FALSE(list.Create(Strip(&strip, 0, 0, 0, -2).data(), 1, 0));
    EXPECT_FALSE(button.IsCreated() || toggle.IsCreated() || led.IsCreated() || list.IsCreated());

    // A given size needs no counts and, for the button and the list, no strip.
    std::vector<HfcWord> sized{3, 4, 10, 8, 0, 0, 0, 0, 1, 1};
    EXPECT_TRUE(button.Create(sized.data(), 5, 9));
    EXPECT_EQ(button.GetRect(), (RECT{3, 4, 13, 12}));
    EXPECT_EQ(button.GetId(), 5u);
    EXPECT_EQ(button.GetEventCode(), 9u);
    EXPECT_TRUE(button.IsEnabled());
    EXPECT_FALSE(button.IsVisible());
    EXPECT_TRUE(list.Create(sized.data(), 1, 0));
}

TEST_F(StripControls, DestroyingAFocusedControlReleasesTheFocusFirst)
{
    auto* button = new CHfcCtrlButton;
    auto* list = new CHfcCtrlBitmapList;
    ASSERT_TRUE(button->Create(Strip(&strip, 0, 0, 1, 0).data(), 1, 0));
    ASSERT_TRUE(list->Create(Strip(&strip, 40, 0, 0, 6).data(), 2, 0));
    for (CHfcControl* control : {static_cast<CHfcControl*>(button), static_cast<CHfcControl*>(list)}) {
        Place(*control);
        control->SetFocus(0);
        ASSERT_TRUE(window->HasKeyFocus(control));
        control->Destroy();
        EXPECT_EQ(window->GetKeyFocus()->GetListener(), nullptr);
        EXPECT_FALSE(control->IsCreated());
        delete control;
    }
    EXPECT_TRUE(layer.GetControls().empty());
    // A key after the controls are gone reaches nobody.
    platform::testing::TypeKey(VK_RIGHT);
    Pump();
}

TEST_F(StripControls, RenderedSwitchAndFocusedButton)
{
    CHfcBmp switchStrip;
    CHfcBmp buttonStrip;
    ASSERT_TRUE(switchStrip.LoadPngResource("SwitchOnOff"));
    ASSERT_TRUE(buttonStrip.LoadPngResource("ButtonEdit"));
    CHfcCtrlOldSwitch off;
    CHfcCtrlOldSwitch on;
    CHfcCtrlButton plain;
    CHfcCtrlButton ringed;
    ASSERT_TRUE(off.Create(Strip(&switchStrip, 10, 10, 2, 0).data(), 1, 0));
    ASSERT_TRUE(on.Create(Strip(&switchStrip, 60, 10, 2, 0).data(), 2, 0));
    ASSERT_TRUE(plain.Create(Strip(&buttonStrip, 10, 40, 1, 0).data(), 3, 0));
    ASSERT_TRUE(ringed.Create(Strip(&buttonStrip, 60, 40, 1, 0).data(), 4, 0));
    EXPECT_EQ(off.GetRect(), (RECT{10, 10, 43, 22}));
    EXPECT_EQ(plain.GetRect(), (RECT{10, 40, 43, 52}));
    ringed.SetMargin(3);
    for (CHfcControl* control : {static_cast<CHfcControl*>(&off), static_cast<CHfcControl*>(&on),
                                 static_cast<CHfcControl*>(&plain), static_cast<CHfcControl*>(&ringed)})
        Place(*control);
    on.SetValue(1, true);
    Render(off);
    Render(on);
    SaveCrop({6, 6, 98, 26}, "switch_off_and_on");
    EXPECT_NE(Pixel(18, 16), Pixel(68, 16)) << "the lamp is lit only in the on frame";

    plain.SetFocus(0);
    Render(plain);
    EXPECT_EQ(Pixel(11, 40), CHfcControl::kDefaultFocusFrameColor);
    EXPECT_EQ(Pixel(41, 51), CHfcControl::kDefaultFocusFrameColor);
    ringed.SetFocus(0);
    Render(ringed);
    EXPECT_EQ(Pixel(57, 45), CHfcControl::kDefaultFocusFrameColor) << "outermost ring";
    SaveCrop({6, 36, 98, 56}, "button_focused");

    ringed.SetEnabled(false);
    Render(ringed);
    CHfcOffscreenContext reference(33, 12);
    reference.DrawBitmapAlpha(0, 0, 33, 12, &buttonStrip, 0.5f, 0, 0);
    BYTE* bits = reference.GetBitmap()->LockBits();
    const std::uint32_t half = reinterpret_cast<std::uint32_t*>(bits)[6 * 33 + 16];
    reference.GetBitmap()->UnlockBits();
    EXPECT_EQ(Pixel(76, 46), half) << "a disabled button is drawn at half opacity";
}

}  // namespace
}  // namespace ui_test
