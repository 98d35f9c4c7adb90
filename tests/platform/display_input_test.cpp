// Mouse routing, capture, double clicks, the wheel, keys and their
// translation, focus, key state and cursors.
#include "display_fixture.h"

#include <thread>

namespace display_test {
namespace {

using platform::testing::MouseButton;
namespace input = platform::testing;

class DisplayInputTest : public DisplayTest
{
protected:
    std::vector<Received> MouseMessagesOf(HWND window)
    {
        std::vector<Received> found;
        for (const Received& r : Log())
            if (r.window == window && r.message >= WM_MOUSEFIRST && r.message <= WM_MOUSELAST)
                found.push_back(r);
        return found;
    }
    static std::vector<UINT> Kinds(const std::vector<Received>& messages)
    {
        std::vector<UINT> kinds;
        for (const Received& r : messages)
            kinds.push_back(r.message);
        return kinds;
    }
};

TEST_F(DisplayInputTest, MouseMessagesGoToTheWindowUnderThePointerInItsClientCoordinates)
{
    HWND top = MakeTop({100, 100, 400, 400});
    HWND child = MakeChild(top, {50, 50, 150, 150});
    input::Click(MouseButton::Left, 160, 170);
    Pump();
    auto clicks = MouseMessagesOf(child);
    ASSERT_EQ(Kinds(clicks), (std::vector<UINT>{WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(clicks[0].lParam, MAKELPARAM(10, 20));
    EXPECT_EQ(clicks[0].wParam, static_cast<WPARAM>(MK_LBUTTON));
    EXPECT_EQ(clicks[1].wParam, 0u);

    Log().clear();
    EnableWindow(child, FALSE);
    input::Click(MouseButton::Right, 160, 170);
    Pump();
    EXPECT_TRUE(MouseMessagesOf(child).empty()) << "a disabled child takes no input";
    auto passed = MouseMessagesOf(top);
    ASSERT_EQ(Kinds(passed), (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP}));
    EXPECT_EQ(passed[0].lParam, MAKELPARAM(60, 70));
}

TEST_F(DisplayInputTest, CaptureTakesEveryMouseMessageWithCoordinatesOutsideTheWindow)
{
    HWND top = MakeTop({100, 100, 400, 400});
    HWND child = MakeChild(top, {50, 50, 150, 150});
    HWND other = MakeChild(top, {200, 200, 250, 250});
    SetCapture(child);
    Log().clear();
    input::MoveMouse(50, 60);
    input::Click(MouseButton::Left, 310, 310);
    Pump();
    auto captured = MouseMessagesOf(child);
    ASSERT_EQ(Kinds(captured), (std::vector<UINT>{WM_MOUSEMOVE, WM_LBUTTONDOWN, WM_LBUTTONUP}));
    EXPECT_EQ(GET_X_LPARAM(captured[0].lParam), -100);
    EXPECT_EQ(GET_Y_LPARAM(captured[0].lParam), -90);
    EXPECT_EQ(GET_X_LPARAM(captured[1].lParam), 160);
    EXPECT_TRUE(MouseMessagesOf(other).empty());
    EXPECT_TRUE(LoggedOf(WM_SETCURSOR).empty()) << "the cursor stays as the capturing window set it";
}

TEST_F(DisplayInputTest, CaptureChangesAreToldToTheWindowThatLosesIt)
{
    HWND top = MakeTop({0, 0, 100, 100});
    HWND a = MakeChild(top, {0, 0, 10, 10});
    HWND b = MakeChild(top, {20, 0, 30, 10});
    EXPECT_EQ(SetCapture(a), nullptr);
    EXPECT_EQ(SetCapture(a), a);
    EXPECT_TRUE(LoggedOf(WM_CAPTURECHANGED).empty()) << "capturing again loses nothing";
    EXPECT_EQ(SetCapture(b), a);
    ASSERT_TRUE(ReleaseCapture());
    EXPECT_EQ(GetCapture(), nullptr);
    EXPECT_EQ(
        LoggedOf(WM_CAPTURECHANGED),
        (std::vector<Received>{{a, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(b)}, {b, WM_CAPTURECHANGED, 0, 0}}));
}

TEST_F(DisplayInputTest, DoubleClicksNeedTheClassStyleAndASecondPressSoonAndClose)
{
    struct Case
    {
        const char* what;
        const char* className;
        DWORD delayMs;
        int offset;
        std::vector<UINT> expected;
    };
    const std::vector<UINT> doubled{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDBLCLK, WM_LBUTTONUP};
    const std::vector<UINT> twoClicks{WM_LBUTTONDOWN, WM_LBUTTONUP, WM_LBUTTONDOWN, WM_LBUTTONUP};
    for (const Case& c : {Case{"double click", kClickClass, 200, 1, doubled},
                          Case{"class without double clicks", kPlainClass, 200, 0, twoClicks},
                          Case{"too late", kClickClass, GetDoubleClickTime() + 1, 0, twoClicks},
                          Case{"too far", kClickClass, 100, 5, twoClicks}}) {
        SCOPED_TRACE(c.what);
        platform::testing::ScopedFakeClock clock(5000);
        HWND top = MakeTop({0, 0, 200, 200}, WS_VISIBLE, c.className);
        Pump();
        Log().clear();
        input::Click(MouseButton::Left, 50, 50);
        platform::testing::AdvanceClock(c.delayMs);
        input::Click(MouseButton::Left, 50 + c.offset, 50);
        Pump();
        EXPECT_EQ(Kinds(MouseMessagesOf(top)), c.expected);
        DestroyWindow(top);
    }
}

TEST_F(DisplayInputTest, AThirdPressStartsANewPair)
{
    platform::testing::ScopedFakeClock clock(5000);
    HWND top = MakeTop({0, 0, 200, 200});
    for (int i = 0; i < 3; ++i)
        input::Click(MouseButton::Right, 50, 50);
    Pump();
    EXPECT_EQ(Kinds(MouseMessagesOf(top)), (std::vector<UINT>{WM_RBUTTONDOWN, WM_RBUTTONUP, WM_RBUTTONDBLCLK,
                                                              WM_RBUTTONUP, WM_RBUTTONDOWN, WM_RBUTTONUP}));
}

TEST_F(DisplayInputTest, WheelCarriesScreenCoordinatesAndClimbsToTheParentUnlessHandled)
{
    HWND top = MakeTop({100, 100, 400, 400});
    HWND child = MakeChild(top, {50, 50, 150, 150});
    HWND handling = MakeChild(top, {200, 50, 250, 100});
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (window == handling && message == WM_MOUSEWHEEL)
            return 0;
        return DefWindowProcA(window, message, wParam, lParam);
    };
    input::TurnWheel(-2 * WHEEL_DELTA, 170, 180);
    input::TurnWheel(WHEEL_DELTA, 310, 160);
    Pump();
    auto wheels = LoggedOf(WM_MOUSEWHEEL);
    ASSERT_EQ(wheels.size(), 3u);
    EXPECT_EQ(wheels[0].window, child);
    EXPECT_EQ(GET_WHEEL_DELTA_WPARAM(wheels[0].wParam), -240);
    EXPECT_EQ(GET_X_LPARAM(wheels[0].lParam), 170);
    EXPECT_EQ(GET_Y_LPARAM(wheels[0].lParam), 180);
    EXPECT_EQ(wheels[1].window, top) << "the default procedure hands it on unchanged";
    EXPECT_EQ(wheels[1].lParam, wheels[0].lParam);
    EXPECT_EQ(wheels[2].window, handling);
}

TEST_F(DisplayInputTest, KeysGoToTheFocusWindowAndTranslateIntoCharacters)
{
    struct Case
    {
        UINT key;
        std::vector<UINT> modifiers;
        std::vector<WPARAM> chars;
    };
    HWND top = MakeTop({0, 0, 100, 100});
    HWND focused = MakeChild(top, {0, 0, 10, 10});
    SetFocus(focused);
    for (const Case& c :
         {Case{VK_BACK, {}, {8}}, Case{VK_TAB, {}, {9}}, Case{VK_RETURN, {}, {13}}, Case{VK_ESCAPE, {}, {27}},
          Case{'A', {VK_CONTROL}, {1}}, Case{'Z', {VK_LCONTROL}, {26}}, Case{'A', {}, {'a'}},
          Case{'A', {VK_SHIFT}, {'A'}}, Case{'1', {VK_RSHIFT}, {'!'}}, Case{VK_OEM_PERIOD, {}, {'.'}},
          Case{VK_SPACE, {}, {' '}}, Case{VK_LEFT, {}, {}}, Case{VK_DELETE, {}, {}}, Case{'1', {VK_CONTROL}, {}}}) {
        SCOPED_TRACE(c.key);
        Log().clear();
        input::TypeKey(c.key, c.modifiers);
        Pump();
        std::vector<WPARAM> chars;
        for (const Received& r : LoggedOf(WM_CHAR)) {
            EXPECT_EQ(r.window, focused);
            EXPECT_EQ(LOWORD(r.lParam), 1) << "repeat count";
            chars.push_back(r.wParam);
        }
        EXPECT_EQ(chars, c.chars);
        auto downs = LoggedOf(WM_KEYDOWN);
        ASSERT_FALSE(downs.empty());
        EXPECT_EQ(downs.back().wParam, c.key);
        EXPECT_EQ(downs.back().window, focused);
    }
}

// Windows name Shift, Ctrl and Alt without their side in key messages.
TEST_F(DisplayInputTest, F10AltAndAltCombinationsArriveAsSystemKeys)
{
    struct Case
    {
        const char* what;
        UINT key;
        std::vector<UINT> modifiers;
        WPARAM named;  // in the messages
        int altBit;    // -1: either
        std::vector<WPARAM> systemChars;
    };
    HWND top = MakeTop({0, 0, 100, 100});
    for (const Case& c :
         {Case{"F10", VK_F10, {}, VK_F10, 0, {}}, Case{"Shift+F10", VK_F10, {VK_SHIFT}, VK_F10, 0, {}},
          Case{"Alt+F", 'F', {VK_MENU}, 'F', 1, {'f'}}, Case{"left Alt alone", VK_LMENU, {}, VK_MENU, -1, {}},
          Case{"right Alt alone", VK_RMENU, {}, VK_MENU, -1, {}}}) {
        SCOPED_TRACE(c.what);
        Log().clear();
        input::TypeKey(c.key, c.modifiers);
        Pump();
        std::vector<Received> downs, ups;
        for (const Received& r : LoggedOf(WM_SYSKEYDOWN))
            if (r.wParam == c.named)
                downs.push_back(r);
        for (const Received& r : LoggedOf(WM_SYSKEYUP))
            if (r.wParam == c.named)
                ups.push_back(r);
        ASSERT_EQ(downs.size(), 1u);
        ASSERT_EQ(ups.size(), 1u);
        EXPECT_EQ(downs[0].window, top);
        if (c.altBit >= 0) {
            EXPECT_EQ((downs[0].lParam >> 29) & 1, c.altBit);
        }
        for (const Received& r : Log()) {
            if (r.message == WM_KEYDOWN || r.message == WM_KEYUP) {
                EXPECT_NE(r.wParam, c.named);
            }
        }
        std::vector<WPARAM> chars;
        for (const Received& r : LoggedOf(WM_SYSCHAR))
            chars.push_back(r.wParam);
        EXPECT_EQ(chars, c.systemChars);
        EXPECT_TRUE(LoggedOf(WM_CHAR).empty());
    }
}

TEST_F(DisplayInputTest, ShiftAndCtrlAreNamedWithoutTheirSide)
{
    HWND top = MakeTop({0, 0, 100, 100});
    for (UINT key : {VK_LSHIFT, VK_RSHIFT, VK_LCONTROL, VK_RCONTROL}) {
        SCOPED_TRACE(key);
        Log().clear();
        input::TypeKey(key);
        Pump();
        auto downs = LoggedOf(WM_KEYDOWN);
        ASSERT_EQ(downs.size(), 1u);
        EXPECT_EQ(downs[0].window, top);
        EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(key == VK_LSHIFT || key == VK_RSHIFT ? VK_SHIFT : VK_CONTROL));
    }
}

TEST_F(DisplayInputTest, AKeyPressedAgainWhileDownArrivesAsARepeat)
{
    HWND top = MakeTop({0, 0, 100, 100});
    input::PressKey('A');
    input::PressKey('A');
    input::ReleaseKey('A');
    Pump();
    auto downs = LoggedOf(WM_KEYDOWN);
    ASSERT_EQ(downs.size(), 2u);
    EXPECT_EQ(downs[0].window, top);
    EXPECT_EQ(downs[0].lParam & (1 << 30), 0);
    EXPECT_NE(downs[1].lParam & (1 << 30), 0) << "the key was down before";
    EXPECT_EQ(LoggedOf(WM_CHAR).size(), 2u) << "every repeat types again";
    auto up = LoggedOf(WM_KEYUP);
    ASSERT_EQ(up.size(), 1u);
    EXPECT_NE(up[0].lParam & (1u << 31), 0);
}

TEST_F(DisplayInputTest, TextWithoutKeysArrivesAsCharacters)
{
    HWND top = MakeTop({0, 0, 100, 100});
    input::TypeText("\xC3\xA9!");
    Pump();
    auto chars = LoggedOf(WM_CHAR);
    ASSERT_EQ(chars.size(), 2u);
    EXPECT_EQ(chars[0].window, top);
    EXPECT_EQ(chars[0].wParam, 0xE9u);
    EXPECT_EQ(chars[1].wParam, static_cast<WPARAM>('!'));
}

TEST_F(DisplayInputTest, FocusChangeTellsTheOldWindowBeforeTheNewOne)
{
    HWND top = MakeTop({0, 0, 100, 100});
    HWND a = MakeChild(top, {0, 0, 10, 10});
    HWND b = MakeChild(top, {20, 0, 30, 10});
    SetFocus(a);
    Log().clear();
    EXPECT_EQ(SetFocus(b), a);
    std::vector<Received> focusMessages;
    for (const Received& r : Log())
        if (r.message == WM_KILLFOCUS || r.message == WM_SETFOCUS)
            focusMessages.push_back(r);
    EXPECT_EQ(focusMessages, (std::vector<Received>{{a, WM_KILLFOCUS, reinterpret_cast<WPARAM>(b), 0},
                                                    {b, WM_SETFOCUS, reinterpret_cast<WPARAM>(a), 0}}));
    EXPECT_EQ(GetFocus(), b);
    EXPECT_EQ(SetFocus(b), b);
    EXPECT_EQ(LoggedOf(WM_SETFOCUS).size(), 1u) << "focusing the focus window again says nothing";
}

TEST_F(DisplayInputTest, TheLoserOfTheFocusSeesTheNewHolderAndCannotCancelTheChangeByDyingThere)
{
    HWND top = MakeTop({0, 0, 100, 100});
    HWND a = MakeChild(top, {0, 0, 10, 10});
    HWND b = MakeChild(top, {20, 0, 30, 10});
    SetFocus(a);
    HWND seenDuringKill = nullptr;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (window == a && message == WM_KILLFOCUS) {
            seenDuringKill = GetFocus();
            DestroyWindow(a);
            return 0;
        }
        return DefWindowProcA(window, message, wParam, lParam);
    };
    Log().clear();
    EXPECT_EQ(SetFocus(b), a);
    EXPECT_EQ(seenDuringKill, b);
    EXPECT_FALSE(IsWindow(a));
    EXPECT_EQ(GetFocus(), b);
    auto set = LoggedOf(WM_SETFOCUS);
    ASSERT_EQ(set.size(), 1u) << "the new holder is told although the old one died";
    EXPECT_EQ(set[0].window, b);
}

TEST_F(DisplayInputTest, TheLoserOfTheFocusMayPassItOnToAThirdWindow)
{
    HWND top = MakeTop({0, 0, 100, 100});
    HWND a = MakeChild(top, {0, 0, 10, 10});
    HWND b = MakeChild(top, {20, 0, 30, 10});
    HWND c = MakeChild(top, {40, 0, 50, 10});
    SetFocus(a);
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        if (window == a && message == WM_KILLFOCUS)
            SetFocus(c);
        return DefWindowProcA(window, message, wParam, lParam);
    };
    Log().clear();
    SetFocus(b);
    EXPECT_EQ(GetFocus(), c);
    std::vector<Received> focusMessages;
    for (const Received& r : Log())
        if (r.message == WM_KILLFOCUS || r.message == WM_SETFOCUS)
            focusMessages.push_back(r);
    ASSERT_EQ(focusMessages.size(), 2u) << "b never held the focus, so it hears nothing";
    EXPECT_EQ(focusMessages[0].window, a);
    EXPECT_EQ(focusMessages[0].message, static_cast<UINT>(WM_KILLFOCUS));
    EXPECT_EQ(focusMessages[1].window, c);
    EXPECT_EQ(focusMessages[1].message, static_cast<UINT>(WM_SETFOCUS));
}

TEST_F(DisplayInputTest, KeyStateFollowsRetrievedMessagesWhileAsyncStateFollowsInput)
{
    HWND top = MakeTop({0, 0, 100, 100});
    input::PressKey(VK_LSHIFT);
    EXPECT_LT(GetAsyncKeyState(VK_SHIFT), 0) << "the left shift key counts as shift";
    EXPECT_GE(GetKeyState(VK_SHIFT), 0) << "not yet retrieved";
    input::Click(MouseButton::Left, 10, 10);
    input::ReleaseKey(VK_LSHIFT);
    EXPECT_GE(GetAsyncKeyState(VK_SHIFT), 0);
    MSG msg;
    ASSERT_TRUE(PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(msg.message, static_cast<UINT>(WM_KEYDOWN));
    EXPECT_LT(GetKeyState(VK_SHIFT), 0);
    Pump();
    EXPECT_GE(GetKeyState(VK_SHIFT), 0);
    auto down = LoggedOf(WM_LBUTTONDOWN);
    ASSERT_EQ(down.size(), 1u);
    EXPECT_EQ(down[0].window, top);
    EXPECT_EQ(down[0].wParam, static_cast<WPARAM>(MK_LBUTTON | MK_SHIFT)) << "keys as they were at the click";
}

// A musician answers a box with Alt+letter and lets go of Alt once the box is gone:
// the next box must still take Return as a plain key.
TEST_F(DisplayInputTest, KeysReleasedWhileNoWindowOfOursTakesThemAreReleasedInTheKeyState)
{
    struct Case
    {
        const char* what;
        void (*away)(HWND);
    };
    for (const Case& c : {Case{"its window was destroyed", [](HWND w) { DestroyWindow(w); }},
                          Case{"its window was hidden", [](HWND w) { ShowWindow(w, SW_HIDE); }},
                          Case{"another program had the keyboard", [](HWND) { input::SwitchToOtherProgram(); }}}) {
        SCOPED_TRACE(c.what);
        HWND box = MakeTop({0, 0, 100, 100});
        input::PressKey(VK_LMENU);
        Pump();
        ASSERT_LT(GetKeyState(VK_MENU), 0);
        c.away(box);
        Pump();
        ASSERT_EQ(GetFocus(), nullptr);
        input::ReleaseKey(VK_LMENU);
        Pump();
        EXPECT_GE(GetKeyState(VK_MENU), 0);
        EXPECT_GE(GetAsyncKeyState(VK_MENU), 0);

        HWND next = MakeTop({0, 0, 100, 100});
        Log().clear();
        input::TypeKey(VK_RETURN);
        Pump();
        auto downs = LoggedOf(WM_KEYDOWN);
        ASSERT_EQ(downs.size(), 1u);
        EXPECT_EQ(downs[0].window, next);
        EXPECT_EQ(downs[0].wParam, static_cast<WPARAM>(VK_RETURN));
        EXPECT_TRUE(LoggedOf(WM_SYSKEYDOWN).empty());
        DestroyWindow(next);
        if (IsWindow(box))
            DestroyWindow(box);
        Pump();
    }
}

TEST_F(DisplayInputTest, KeysAndButtonsThatNoWindowTakesStillCountAsHeld)
{
    DestroyWindow(MakeTop({0, 0, 100, 100}));
    input::PressKey(VK_LCONTROL);
    Pump();
    EXPECT_LT(GetKeyState(VK_CONTROL), 0) << "pressed after the last window went";
    MakeTop({0, 0, 100, 100});
    input::ReleaseKey(VK_LCONTROL);
    input::PressMouse(MouseButton::Left, 50, 50);
    input::ReleaseMouse(MouseButton::Left, 500, 500);
    Pump();
    EXPECT_GE(GetKeyState(VK_CONTROL), 0);
    EXPECT_GE(GetKeyState(VK_LBUTTON), 0) << "released outside every window";
    EXPECT_EQ(LoggedOf(WM_LBUTTONDOWN).size(), 1u);
}

TEST_F(DisplayInputTest, StandardCursorsLoadAndTheClassCursorComesBackOnSetCursor)
{
    HCURSOR arrow = LoadCursorA(nullptr, IDC_ARROW);
    HCURSOR hand = LoadCursorA(nullptr, IDC_HAND);
    ASSERT_NE(arrow, nullptr);
    ASSERT_NE(hand, nullptr);
    EXPECT_NE(arrow, hand);
    for (LPCSTR id : {IDC_IBEAM, IDC_WAIT, IDC_CROSS, IDC_SIZEWE})
        EXPECT_NE(LoadCursorA(nullptr, id), nullptr);
    EXPECT_EQ(LoadCursorA(nullptr, IDC_HAND), hand);
    EXPECT_EQ(LoadCursorA(nullptr, MAKEINTRESOURCEA(12345)), nullptr);

    HWND withCursor = MakeTop({0, 0, 100, 100});
    HWND without = MakeTop({200, 0, 300, 100}, WS_VISIBLE, kPlainClass);
    SetCursor(hand);
    EXPECT_EQ(SetCursor(hand), hand);
    input::MoveMouse(250, 50);
    Pump();
    EXPECT_EQ(GetCursor(), hand) << "a class without a cursor leaves it alone";
    input::MoveMouse(50, 50);
    Pump();
    EXPECT_EQ(GetCursor(), arrow);
    auto setCursor = LoggedOf(WM_SETCURSOR);
    ASSERT_FALSE(setCursor.empty());
    EXPECT_EQ(setCursor.back().window, withCursor);
    EXPECT_EQ(LOWORD(setCursor.back().lParam), HTCLIENT);
    EXPECT_EQ(HIWORD(setCursor.back().lParam), WM_MOUSEMOVE);
    (void)without;
}

TEST_F(DisplayInputTest, InputWaitsForTheThreadOfItsWindow)
{
    HWND top = MakeTop({0, 0, 100, 100});
    std::vector<std::thread::id> askedOn;
    Reply() = [&](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
        askedOn.push_back(std::this_thread::get_id());
        return DefWindowProcA(window, message, wParam, lParam);
    };
    input::Click(MouseButton::Left, 50, 50);
    BOOL otherThreadGotOne = TRUE;
    std::thread([&] {
        MSG msg;
        otherThreadGotOne = PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE);
    }).join();
    EXPECT_FALSE(otherThreadGotOne);
    for (auto id : askedOn)
        EXPECT_EQ(id, std::this_thread::get_id()) << "no window is called from a foreign thread";
    Pump();
    EXPECT_EQ(LoggedOf(WM_LBUTTONDOWN).size(), 1u);
    EXPECT_EQ(LoggedOf(WM_LBUTTONDOWN).at(0).window, top);
}

TEST_F(DisplayInputTest, APressActivatesTheTopLevelWindowUnderThePointer)
{
    HWND first = MakeTop({0, 0, 100, 100});
    HWND second = MakeTop({200, 0, 300, 100});
    ASSERT_EQ(GetActiveWindow(), second);
    Log().clear();
    input::Click(MouseButton::Left, 50, 50);
    Pump();
    EXPECT_EQ(GetActiveWindow(), first);
    auto activations = LoggedOf(WM_ACTIVATE);
    ASSERT_EQ(activations.size(), 2u);
    EXPECT_EQ(activations[0].window, second);
    EXPECT_EQ(activations[1].window, first);
    auto order = Log();
    auto at = [&](HWND window, UINT message) {
        return std::find_if(order.begin(), order.end(),
                            [&](const Received& r) { return r.window == window && r.message == message; }) -
               order.begin();
    };
    EXPECT_LT(at(first, WM_ACTIVATE), at(first, WM_LBUTTONDOWN)) << "activated before it hears the press";
}

}  // namespace
}  // namespace display_test
