// Popup menus tracked modally: picks and cancels by keys and mouse,
// columns, scrolling of long menus, notifications.
#include "display_fixture.h"
#include "platform/src/menus/menu_font.h"
#include "platform/src/menus/popup_layout.h"

#include <platform/menus.h>

#include <functional>
#include <set>
#include <string>

namespace display_test {
namespace {

using platform::testing::TypeKey;
using namespace platform::menus;

// Items with ids from 1, a new column every `perColumn` items as the
// editor's popup lists make them.
HMENU MakePopup(int count, int perColumn = 0, std::vector<std::string> texts = {})
{
    HMENU popup = CreatePopupMenu();
    for (int i = 0; i < count; ++i) {
        std::string text = i < int(texts.size()) ? texts[i] : "Item " + std::to_string(i + 1);
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID | MIIM_TYPE;
        info.fType = (perColumn && i && i % perColumn == 0) ? MFT_MENUBARBREAK : MFT_STRING;
        info.wID = UINT(i + 1);
        info.dwTypeData = text.data();
        InsertMenuItemA(popup, UINT(i), TRUE, &info);
    }
    return popup;
}

class MenuPopup : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        owner = MakeTop({0, 0, 400, 300});
        Pump();
        Log().clear();
    }
    UINT Track(HMENU popup, UINT flags = TPM_RETURNCMD | TPM_NONOTIFY, int x = 50, int y = 40)
    {
        return UINT(TrackPopupMenu(popup, flags, x, y, 0, owner, nullptr));
    }
    HWND owner = nullptr;
};

TEST_F(MenuPopup, KeysPickAndEscapeCancels)
{
    HMENU popup = MakePopup(4, 0, {"&Alpha", "&Bravo", "-", "&Delta"});
    struct Case
    {
        std::vector<UINT> keys;
        UINT expected;
    };
    const Case cases[] = {
        {{VK_DOWN, VK_DOWN, VK_RETURN}, 2},
        {{VK_UP, VK_RETURN}, 4},  // wraps to the last
        {{VK_ESCAPE}, 0},
        {{'B'}, 2},  // the item's letter
        {{VK_END, VK_UP, VK_UP, VK_RETURN}, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.expected);
        for (UINT key : c.keys)
            TypeKey(key);
        EXPECT_EQ(Track(popup), c.expected);
    }
    EXPECT_TRUE(LoggedOf(WM_COMMAND).empty()) << "no notification with the returned command";
    EXPECT_TRUE(LoggedOf(WM_KEYDOWN).empty()) << "the menu keeps its keys";
    DestroyMenu(popup);
}

TEST_F(MenuPopup, AGreyItemCannotBePicked)
{
    HMENU popup = MakePopup(2);
    EnableMenuItem(popup, 1, MF_BYCOMMAND | MF_GRAYED);
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    TypeKey(VK_ESCAPE);
    EXPECT_EQ(Track(popup), 0u);
    DestroyMenu(popup);
}

TEST_F(MenuPopup, AClickPicksTheItemUnderItAndAClickOutsideCancels)
{
    HMENU popup = MakePopup(3);
    const int second = 40 + kPadding + kRowHeight + kRowHeight / 2;
    platform::testing::MoveMouse(60, second);
    platform::testing::Click(platform::testing::MouseButton::Left, 60, second);
    EXPECT_EQ(Track(popup), 2u);

    platform::testing::Click(platform::testing::MouseButton::Left, 300, 250);
    EXPECT_EQ(Track(popup), 0u);
    DestroyMenu(popup);
}

TEST_F(MenuPopup, WithoutReturnCommandAPickIsPostedToTheOwner)
{
    HMENU popup = MakePopup(3);
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    EXPECT_EQ(Track(popup, 0), 1u) << "TRUE for a pick";
    Pump();
    ASSERT_EQ(LoggedOf(WM_COMMAND).size(), 1u);
    EXPECT_EQ(LoggedOf(WM_COMMAND)[0].wParam, 1u);

    Log().clear();
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    Track(popup, TPM_NONOTIFY);
    Pump();
    EXPECT_TRUE(LoggedOf(WM_COMMAND).empty());
    DestroyMenu(popup);
}

TEST_F(MenuPopup, PostedWorkGoesOnWhileTheMenuIsOpen)
{
    HMENU popup = MakePopup(2);
    PostMessageA(owner, WM_USER + 5, 7, 0);
    TypeKey(VK_ESCAPE);
    Track(popup);
    ASSERT_EQ(LoggedOf(WM_USER + 5).size(), 1u);
    DestroyMenu(popup);
}

TEST_F(MenuPopup, TheLastOfTwoHundredItemsIsReachable)
{
    for (int perColumn : {0, 32}) {
        SCOPED_TRACE(perColumn);
        HMENU popup = MakePopup(200, perColumn);
        TypeKey(VK_END);
        TypeKey(VK_RETURN);
        EXPECT_EQ(Track(popup), 200u);
        TypeKey(VK_UP);  // from nothing selected, up reaches the last
        TypeKey(VK_RETURN);
        EXPECT_EQ(Track(popup), 200u);
        DestroyMenu(popup);
    }
}

// A menu opened by a press, with its first item under the pointer, as the
// editor's list popups open at their control's corner.
class MenuOpenedByAPress : public MenuPopup
{
protected:
    void SetUp() override
    {
        MenuPopup::SetUp();
        popup = MakePopup(3);
        Reply() = [this](HWND window, UINT message, WPARAM wParam, LPARAM lParam) -> LRESULT {
            if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) {  // the cases follow quickly
                picked = Track(popup, TPM_RETURNCMD | TPM_NONOTIFY, press.x - 10, press.y - kPadding - 5);
                ++opened;
                return 0;
            }
            return DefWindowProcA(window, message, wParam, lParam);
        };
    }
    void TearDown() override
    {
        Reply() = nullptr;
        DestroyMenu(popup);
        MenuPopup::TearDown();
    }
    // The first item's row lies under the press; the second one below it.
    const POINT press{100, 100};
    const POINT second{press.x, press.y + kRowHeight};
    HMENU popup = nullptr;
    UINT picked = 99;
    int opened = 0;
};

TEST_F(MenuOpenedByAPress, ItsReleasePicksNothingButAMoveOrALaterClickDoes)
{
    using platform::testing::MoveMouse;
    using platform::testing::PressMouse;
    using platform::testing::ReleaseMouse;
    constexpr auto kLeft = platform::testing::MouseButton::Left;
    struct Case
    {
        const char* what;
        std::function<void()> after;  // input after the press that opens the menu
        UINT expected;
    };
    const Case cases[] = {
        {"the release alone",
         [&] {
             ReleaseMouse(kLeft, press.x, press.y);
             TypeKey(VK_ESCAPE);
         },
         0},
        {"a later click on the item under it",
         [&] {
             ReleaseMouse(kLeft, press.x, press.y);
             platform::testing::Click(kLeft, press.x, press.y);
         },
         1},
        {"dragged onto the second item and released",
         [&] {
             MoveMouse(second.x, second.y);
             ReleaseMouse(kLeft, second.x, second.y);
         },
         2},
        {"released, moved onto the first item and clicked",
         [&] {
             ReleaseMouse(kLeft, press.x, press.y);
             MoveMouse(press.x + 3, press.y);
             platform::testing::Click(kLeft, press.x + 3, press.y);
         },
         1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        picked = 99;
        PressMouse(kLeft, press.x, press.y);
        c.after();
        Pump();
        EXPECT_EQ(picked, c.expected);
    }
    EXPECT_EQ(opened, 4);
}

// "One", "&More" opening "Deep &A" and "Deep &B", "Three".
HMENU MakeCascade()
{
    HMENU deep = CreatePopupMenu();
    AppendMenuA(deep, MF_STRING, 11, "Deep &A");
    AppendMenuA(deep, MF_STRING, 12, "Deep &B");
    HMENU popup = CreatePopupMenu();
    AppendMenuA(popup, MF_STRING, 1, "One");
    AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(deep), "&More");
    AppendMenuA(popup, MF_STRING, 3, "Three");
    return popup;
}

TEST_F(MenuPopup, SubmenusOpenAndPickByKeys)
{
    HMENU popup = MakeCascade();
    struct Case
    {
        const char* what;
        std::vector<UINT> keys;
        UINT expected;
    };
    const Case cases[] = {
        {"Right opens with the first selected", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_DOWN, VK_RETURN}, 12},
        {"Enter opens, Enter picks", {VK_DOWN, VK_DOWN, VK_RETURN, VK_RETURN}, 11},
        {"letters open and pick", {'M', 'B'}, 12},
        {"Left closes and the menu goes on", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_LEFT, VK_DOWN, VK_RETURN}, 3},
        {"Escape closes only the submenu", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_UP, VK_RETURN}, 1},
        {"then Escape cancels", {VK_DOWN, VK_DOWN, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, 0},
        {"Enter on a submenu's item is no pick of its own", {VK_DOWN, VK_DOWN, VK_RETURN, VK_ESCAPE, VK_ESCAPE}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        for (UINT key : c.keys)
            TypeKey(key);
        EXPECT_EQ(Track(popup), c.expected);
    }
    DestroyMenu(popup);
}

TEST_F(MenuPopup, PointingAtASubmenuItemOpensItBesideTheMenu)
{
    HMENU popup = MakeCascade();
    auto menu = FindMenu(popup);
    const int width = LayOut(*menu, 10000, [](const MenuItem& item) { return MenuTextWidth(item.text); }).width;
    const int moreY = 40 + kPadding + kRowHeight + kRowHeight / 2;
    const POINT deepB{50 + width + 20, moreY + kRowHeight};
    platform::testing::MoveMouse(60, moreY);
    platform::testing::MoveMouse(deepB.x, deepB.y);
    platform::testing::Click(platform::testing::MouseButton::Left, deepB.x, deepB.y);
    EXPECT_EQ(Track(popup), 12u);

    // Back on another item of the menu the submenu closes: the same point picks nothing then.
    platform::testing::MoveMouse(60, moreY);
    platform::testing::MoveMouse(60, moreY + kRowHeight);  // "Three"
    platform::testing::MoveMouse(deepB.x, deepB.y);
    platform::testing::Click(platform::testing::MouseButton::Left, deepB.x, deepB.y);
    EXPECT_EQ(Track(popup), 0u) << "outside every open menu: a cancel";
    DestroyMenu(popup);
}

TEST(PopupLayout, BreaksMakeColumnsAndTallMenusScroll)
{
    HMENU handle = MakePopup(100, 32);
    auto menu = FindMenu(handle);
    PopupLayout columns = LayOut(*menu, 2000, [](const MenuItem&) { return 50; });
    std::map<LONG, int> perColumn;
    for (const RECT& slot : columns.slots)
        ++perColumn[slot.left];
    std::vector<int> counts;
    for (const auto& [left, count] : perColumn)
        counts.push_back(count);
    EXPECT_EQ(counts, (std::vector<int>{32, 32, 32, 4}));
    EXPECT_FALSE(columns.scrolls);

    PopupLayout tall = LayOut(*menu, 300, [](const MenuItem&) { return 50; });
    EXPECT_TRUE(tall.scrolls);
    EXPECT_LE(tall.WindowHeight(), 300);
    tall.Reveal(31);
    EXPECT_EQ(tall.scroll, 32 * kRowHeight - tall.viewHeight);
    EXPECT_EQ(tall.ItemAt({kPadding + 1, tall.ViewTop() + tall.viewHeight - 1}), 31);
    tall.ScrollBy(-100000);
    EXPECT_EQ(tall.scroll, 0);
    DestroyMenu(handle);
}

TEST(PopupLayout, MnemonicsSkipDoubledAmpersands)
{
    HMENU handle = MakePopup(3, 0, {"Salt && Pepper", "&Vinegar", "Oil && &Lemon"});
    auto menu = FindMenu(handle);
    EXPECT_EQ(ItemWithMnemonic(*menu, u'p'), -1) << "&& shows an ampersand and marks nothing";
    EXPECT_EQ(ItemWithMnemonic(*menu, u'V'), 1);
    EXPECT_EQ(ItemWithMnemonic(*menu, u'l'), 2);
    DestroyMenu(handle);
}

}  // namespace
}  // namespace display_test
