// The MDI window menu lists the children in the real menu.
#include "display_fixture.h"

#include "platform/src/class_registration.h"

#include <platform/mdi.h>
#include <platform/menus.h>

#include <string>

namespace display_test {
namespace {

LRESULT CALLBACK ChildProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(window, message, wParam, lParam);
}

class MenuMdiWindowMenu : public DisplayTest
{};

TEST_F(MenuMdiWindowMenu, ChildrenAppearBelowASeparatorAndGoAgain)
{
    platform::detail::RegisterOwnClass({.name = "MenuTestMdiChild", .procedure = ChildProc});

    HMENU bar = LoadMenuA(nullptr, "MainMenuBar");
    HMENU windowMenu = GetSubMenu(bar, 4);
    const int ownItems = GetMenuItemCount(windowMenu);
    HWND frame = MakeTop({0, 0, 500, 400});
    SetMenu(frame, bar);
    CLIENTCREATESTRUCT create{windowMenu, 50000};
    HWND client = CreateWindowExA(0, "MDICLIENT", nullptr, WS_CHILD | WS_VISIBLE, 0, 0, 400, 300, frame, nullptr,
                                  nullptr, &create);
    ASSERT_NE(client, nullptr);
    HWND first = CreateMDIWindowA("MenuTestMdiChild", "First", 0, 0, 0, 100, 80, client, nullptr, 0);
    HWND second = CreateMDIWindowA("MenuTestMdiChild", "Second", 0, 20, 20, 100, 80, client, nullptr, 0);
    Pump();

    ASSERT_EQ(GetMenuItemCount(windowMenu), ownItems + 3);
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_FTYPE;
    GetMenuItemInfoA(windowMenu, UINT(ownItems), TRUE, &info);
    EXPECT_EQ(info.fType, MFT_SEPARATOR);
    char text[64];
    info.fMask = MIIM_STRING | MIIM_STATE | MIIM_ID;
    info.dwTypeData = text;
    info.cch = sizeof text;
    ASSERT_TRUE(GetMenuItemInfoA(windowMenu, 50001, FALSE, &info));
    EXPECT_NE(std::string(text).find("Second"), std::string::npos);
    EXPECT_EQ(info.fState & MFS_CHECKED, MFS_CHECKED) << "the active child";

    DestroyWindow(second);
    DestroyWindow(first);
    Pump();
    EXPECT_EQ(GetMenuItemCount(windowMenu), ownItems) << "the menu's own items stay";
    SetMenu(frame, nullptr);
    DestroyMenu(bar);
}

}  // namespace
}  // namespace display_test
