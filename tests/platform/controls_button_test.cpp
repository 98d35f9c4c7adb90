// BUTTON made directly as children of a recording window: check boxes
// turning over by mouse and Space, what push buttons and group boxes do with
// the check messages, and presses that do not count.
#include "display_fixture.h"

#include <platform/dialogs.h>

namespace display_test {
namespace {

using platform::testing::Click;
using platform::testing::MouseButton;
using platform::testing::PressMouse;
using platform::testing::ReleaseMouse;
using platform::testing::TypeKey;

class Buttons : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        parent_ = MakeTop({100, 100, 400, 300});
    }
    HWND Make(DWORD style, int id, const RECT& rect = {10, 10, 110, 30})
    {
        return CreateWindowExA(0, "BUTTON", "Auto scan", WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, rect.left,
                               rect.top, rect.right - rect.left, rect.bottom - rect.top, parent_,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }
    // The BN_CLICKED commands the parent heard, by control id.
    std::vector<int> Clicks()
    {
        std::vector<int> ids;
        for (const Received& r : LoggedOf(WM_COMMAND)) {
            EXPECT_EQ(HIWORD(r.wParam), BN_CLICKED);
            ids.push_back(LOWORD(r.wParam));
        }
        Log().clear();
        return ids;
    }
    void ClickOn(HWND control, int x = 5, int y = 5)
    {
        const POINT at = OnScreen(control, x, y);
        Click(MouseButton::Left, at.x, at.y);
        Pump();
    }
    HWND parent_ = nullptr;
};

TEST_F(Buttons, ACheckBoxTurnsOverByMouseAndSpaceAndTellsItsParent)
{
    HWND box = Make(BS_AUTOCHECKBOX, 2002);
    Pump();
    Log().clear();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    ClickOn(box);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(GetFocus(), box);
    EXPECT_EQ(Clicks(), std::vector<int>{2002});

    TypeKey(VK_SPACE);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(Clicks(), std::vector<int>{2002});

    // Setting the state tells nobody.
    EXPECT_EQ(SendMessageA(box, BM_SETCHECK, BST_CHECKED, 0), 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_CHECKED);
    SendMessageA(box, BM_SETCHECK, BST_UNCHECKED, 0);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    Pump();
    EXPECT_TRUE(Clicks().empty());
}

TEST_F(Buttons, PressesThatDoNotCount)
{
    HWND box = Make(BS_AUTOCHECKBOX, 7);
    HWND push = Make(BS_PUSHBUTTON, 8, {10, 40, 110, 60});
    Pump();
    Log().clear();

    // Released outside the box: no click, no change.
    const POINT inside = OnScreen(box, 5, 5), outside = OnScreen(box, 150, 5);
    PressMouse(MouseButton::Left, inside.x, inside.y);
    ReleaseMouse(MouseButton::Left, outside.x, outside.y);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // A Space released here that was pressed in another window.
    SetFocus(push);
    platform::testing::PressKey(VK_SPACE);
    Pump();
    SetFocus(box);
    platform::testing::ReleaseKey(VK_SPACE);
    Pump();
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);

    // A greyed box takes no clicks.
    EnableWindow(box, FALSE);
    ClickOn(box);
    EXPECT_EQ(SendMessageA(box, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(Clicks().empty());
}

TEST_F(Buttons, PushButtonsAndGroupBoxesHaveNoCheck)
{
    HWND push = Make(BS_DEFPUSHBUTTON, 500);
    HWND group = Make(BS_GROUPBOX, 600, {5, 5, 200, 100});
    for (HWND button : {push, group}) {
        SendMessageA(button, BM_SETCHECK, BST_CHECKED, 0);
        EXPECT_EQ(SendMessageA(button, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    }
    Pump();
    Log().clear();

    // The group box, made after the push button, lies under it: the click reaches the button.
    ClickOn(push);
    TypeKey(VK_SPACE);
    Pump();
    EXPECT_EQ(Clicks(), (std::vector<int>{500, 500}));

    // The group box gave up its tab stop and does nothing when clicked.
    EXPECT_FALSE(GetWindowLongPtrA(group, GWL_STYLE) & WS_TABSTOP);
    ClickOn(group, 150, 60);
    EXPECT_NE(GetFocus(), group);
    EXPECT_TRUE(Clicks().empty());
    EXPECT_EQ(SendMessageA(group, WM_GETDLGCODE, 0, 0), DLGC_STATIC);
    EXPECT_EQ(SendMessageA(push, WM_GETDLGCODE, 0, 0), DLGC_BUTTON | DLGC_DEFPUSHBUTTON);
}

}  // namespace
}  // namespace display_test
