// The frame's menu bar: titles drawn in the strip, and picks by mouse and
// keyboard posted to the frame as WM_COMMAND.
#include "display_fixture.h"
#include "platform/src/menus/menu_bar.h"
#include "platform/src/menus/menu_font.h"
#include "platform/src/menus/popup_layout.h"

#include <platform/menus.h>

namespace display_test {
namespace {

using platform::testing::Click;
using platform::testing::MouseButton;
using platform::testing::PixelAt;
using platform::testing::TypeKey;
using namespace platform::menus;

enum : UINT
{
    kNew = 101,
    kOpen = 102,
    kLocked = 103,
    kPresetA = 111,
    kPresetB = 112,
    kUndo = 201,
    kAbout = 301,
    kGreyTitle = 401
};

// "&File" (New, Open, a greyed Locked, a submenu of two presets), "&Edit"
// (Undo), a plain "&About" and a greyed plain "&Locked".
HMENU MakeBar()
{
    HMENU presets = CreatePopupMenu();
    AppendMenuA(presets, MF_STRING, kPresetA, "Preset &A");
    AppendMenuA(presets, MF_STRING, kPresetB, "Preset &B");
    HMENU file = CreatePopupMenu();
    AppendMenuA(file, MF_STRING, kNew, "&New");
    AppendMenuA(file, MF_STRING, kOpen, "&Open");
    AppendMenuA(file, MF_STRING | MF_GRAYED, kLocked, "Loc&ked");
    AppendMenuA(file, MF_POPUP, reinterpret_cast<UINT_PTR>(presets), "New From &Preset Data");
    HMENU edit = CreatePopupMenu();
    AppendMenuA(edit, MF_STRING, kUndo, "&Undo");
    HMENU bar = CreateMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(edit), "&Edit");
    AppendMenuA(bar, MF_STRING, kAbout, "&About");
    AppendMenuA(bar, MF_STRING | MF_GRAYED, kGreyTitle, "&Locked");
    return bar;
}

// Keys typed one after another, each with the modifiers held around it,
// and the commands they pick.
struct KeyCase
{
    const char* what;
    std::vector<std::vector<UINT>> keys;
    std::vector<UINT> expected;
};

class MenuBar : public DisplayTest
{
protected:
    void SetUp() override
    {
        DisplayTest::SetUp();
        frame = MakeTop({20, 20, 420, 320}, WS_OVERLAPPEDWINDOW | WS_VISIBLE);
        SetMenu(frame, MakeBar());
        Pump();
        Log().clear();
    }
    std::vector<UINT> Commands()
    {
        Pump();
        std::vector<UINT> ids;
        for (const auto& m : LoggedOf(WM_COMMAND)) {
            EXPECT_EQ(HIWORD(m.wParam), 0u);
            ids.push_back(LOWORD(m.wParam));
        }
        Log().clear();
        return ids;
    }
    template <std::size_t N>
    void TypeEach(const KeyCase (&cases)[N])
    {
        for (const KeyCase& c : cases) {
            SCOPED_TRACE(c.what);
            for (const auto& key : c.keys)
                TypeKey(key[0], std::vector<UINT>(key.begin() + 1, key.end()));
            Pump();
            EXPECT_EQ(Commands(), c.expected);
        }
    }
    RECT Title(int index) { return MenuBarTitlesOnScreen(frame).at(std::size_t(index)); }
    void ClickTitle(int index)
    {
        const RECT r = Title(index);
        Click(MouseButton::Left, (r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // A row of the menu opened below a title.
    void ClickItem(int title, int row)
    {
        const RECT r = Title(title);
        const int y = r.bottom + kPadding + row * kRowHeight + kRowHeight / 2;
        platform::testing::MoveMouse(r.left + 20, y);
        Click(MouseButton::Left, r.left + 20, y);
    }
    HWND frame = nullptr;
};

TEST_F(MenuBar, EachTitleIsDrawnInTheStrip)
{
    const std::vector<RECT> titles = MenuBarTitlesOnScreen(frame);
    ASSERT_EQ(titles.size(), 4u);
    const COLORREF empty = GetSysColor(COLOR_MENU);
    auto inkIn = [&](const RECT& onScreen) {
        int ink = 0;
        for (LONG y = onScreen.top; y < onScreen.bottom; ++y)
            for (LONG x = onScreen.left; x < onScreen.right; ++x) {
                POINT p{x, y};
                ScreenToClient(frame, &p);
                ink += PixelAt(frame, p.x, p.y) != empty;
            }
        return ink;
    };
    for (std::size_t i = 0; i < titles.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_GT(titles[i].right - titles[i].left, 0);
        EXPECT_GT(inkIn(titles[i]), 0);
    }
    const RECT beyond{titles.back().right, titles.back().top, titles.back().right + 40, titles.back().bottom};
    EXPECT_EQ(inkIn(beyond), 0) << "the strip is empty past the last title";
    EXPECT_TRUE(MenuBarTitlesOnScreen(MakeTop({0, 0, 100, 100}, WS_OVERLAPPEDWINDOW | WS_VISIBLE)).empty());
}

TEST_F(MenuBar, MouseOpensTitlesAndPicksItems)
{
    ClickTitle(0);
    ClickItem(0, 1);
    Pump();
    EXPECT_EQ(Commands(), std::vector<UINT>{kOpen});

    ClickTitle(1);
    ClickItem(1, 0);
    Pump();
    EXPECT_EQ(Commands(), std::vector<UINT>{kUndo});

    ClickTitle(2);  // a title without a menu is itself the item
    Pump();
    EXPECT_EQ(Commands(), std::vector<UINT>{kAbout});
}

TEST_F(MenuBar, GreyItemsAndTitlesPostNothing)
{
    ClickTitle(0);
    ClickItem(0, 2);
    Click(MouseButton::Left, 400, 310);  // outside: the menu closes
    Pump();
    EXPECT_TRUE(Commands().empty());

    ClickTitle(3);
    Pump();
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MenuBar, KeyboardOpensAndPicks)
{
    const KeyCase cases[] = {
        {"Alt+F then Enter", {{'F', VK_MENU}, {VK_RETURN}}, {kNew}},
        {"Alt+F, Down, Enter", {{'F', VK_MENU}, {VK_DOWN}, {VK_RETURN}}, {kOpen}},
        {"Alt+E then a letter", {{'E', VK_MENU}, {'U'}}, {kUndo}},
        {"Alt+A picks a plain title", {{'A', VK_MENU}}, {kAbout}},
        {"Alt+F then Escape", {{'F', VK_MENU}, {VK_ESCAPE}}, {}},
        {"Alt, Enter opens File", {{VK_MENU}, {VK_RETURN}, {VK_RETURN}}, {kNew}},
        {"Alt, Right, Down", {{VK_MENU}, {VK_RIGHT}, {VK_DOWN}, {VK_RETURN}}, {kUndo}},
        {"Alt, Left wraps", {{VK_MENU}, {VK_LEFT}, {VK_RETURN}}, {}},  // the greyed last title
        {"F10, Right, Right, Enter", {{VK_F10}, {VK_RIGHT}, {VK_RIGHT}, {VK_RETURN}}, {kAbout}},
        {"Alt then Escape", {{VK_MENU}, {VK_ESCAPE}}, {}},
        {"Alt then Alt", {{VK_MENU}, {VK_MENU}}, {}},
    };
    TypeEach(cases);
}

// A drop-down's submenu reaches its commands by mouse and by keys.
TEST_F(MenuBar, ASubmenuOfADropDownReachesItsCommands)
{
    // The drop-down of File opens below its title; its submenu beside it,
    // with its first row level with the row that opened it.
    const RECT title = Title(0);
    auto file = FindMenu(GetSubMenu(GetMenu(frame), 0));
    const int width = LayOut(*file, 10000, [](const MenuItem& item) { return MenuTextWidth(item.text); }).width;
    const int openerY = title.bottom + kPadding + 3 * kRowHeight + kRowHeight / 2;
    const POINT second{title.left + width + 20, openerY + kRowHeight};
    ClickTitle(0);
    platform::testing::MoveMouse(title.left + 20, openerY);
    platform::testing::MoveMouse(title.left + 24, openerY);  // still on the opener: the submenu stays
    platform::testing::MoveMouse(second.x, second.y);
    Click(MouseButton::Left, second.x, second.y);
    Pump();
    EXPECT_EQ(Commands(), std::vector<UINT>{kPresetB});

    struct Case
    {
        const char* what;
        std::vector<UINT> keys;  // after Alt+F
        std::vector<UINT> expected;
    };
    const Case cases[] = {
        {"Right opens, Down, Enter picks", {VK_UP, VK_RIGHT, VK_DOWN, VK_RETURN}, {kPresetB}},
        {"Enter opens with the first selected", {VK_UP, VK_RETURN, VK_RETURN}, {kPresetA}},
        {"the item's letter opens it", {'P', 'B'}, {kPresetB}},
        {"Left closes, the drop-down goes on", {VK_UP, VK_RIGHT, VK_LEFT, VK_HOME, VK_RETURN}, {kNew}},
        {"Escape closes the submenu, then the drop-down", {VK_UP, VK_RIGHT, VK_ESCAPE, VK_ESCAPE}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TypeKey('F', {VK_MENU});
        for (UINT key : c.keys)
            TypeKey(key);
        Pump();
        EXPECT_EQ(Commands(), c.expected);
    }
}

// With a drop-down open, Left and Right go to the bar's previous and next
// menu; Right on a submenu's opener opens it first, Left in a submenu
// closes it first. A title without a menu is only highlighted.
TEST_F(MenuBar, LeftAndRightInAnOpenMenuMoveAlongTheBar)
{
    const KeyCase cases[] = {
        {"Right opens Edit with its first item", {{'F', VK_MENU}, {VK_RIGHT}, {VK_RETURN}}, {kUndo}},
        {"Left goes back to File", {{'E', VK_MENU}, {VK_LEFT}, {VK_DOWN}, {VK_RETURN}}, {kOpen}},
        {"Right onto a plain title only highlights it", {{'E', VK_MENU}, {VK_RIGHT}, {VK_RETURN}}, {kAbout}},
        {"Left wraps to the greyed title, Left again", {{'F', VK_MENU}, {VK_LEFT}, {VK_LEFT}, {VK_RETURN}}, {kAbout}},
        {"Right opens the submenu, Right again moves on",
         {{'F', VK_MENU}, {VK_UP}, {VK_RIGHT}, {VK_RIGHT}, {VK_RETURN}},
         {kUndo}},
        {"Left closes the submenu, Left again moves back",
         {{'F', VK_MENU}, {VK_UP}, {VK_RIGHT}, {VK_LEFT}, {VK_LEFT}, {VK_LEFT}, {VK_RETURN}},
         {kAbout}},
        {"Escape in the next menu leaves the bar", {{'F', VK_MENU}, {VK_RIGHT}, {VK_ESCAPE}, {VK_RETURN}}, {}},
    };
    TypeEach(cases);
    Log().clear();
    ClickTitle(0);  // a menu opened by the mouse moves along the bar too
    TypeKey(VK_RIGHT);
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(Commands(), std::vector<UINT>{kUndo});
}

TEST_F(MenuBar, AltHeldWithAnotherKeyDoesNotEnterTheBar)
{
    TypeKey('Z', {VK_MENU});  // no title has Z
    TypeKey(VK_RETURN);
    Pump();
    EXPECT_EQ(LoggedOf(WM_KEYDOWN).size(), 1u) << "Enter reaches the window";
    EXPECT_TRUE(Commands().empty());
}

}  // namespace
}  // namespace display_test
