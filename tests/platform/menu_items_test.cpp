// Menu objects: inserting items, lookups by id through submenus and by
// position, grey and check states, menu data, destruction.
#include <platform/kernel.h>
#include <platform/menus.h>

#include <gtest/gtest.h>

#include <string>

namespace menu_test {
namespace {

BOOL InsertText(HMENU menu, UINT position, UINT id, const char* text, UINT type = MFT_STRING, UINT state = 0)
{
    MENUITEMINFOA info{};
    info.cbSize = 48;  // the size callers written for 32-bit systems give
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_DATA;
    info.fType = type;
    info.fState = state;
    info.wID = id;
    info.dwItemData = 0;
    info.dwTypeData = const_cast<LPSTR>(text);
    info.cch = UINT(std::char_traits<char>::length(text) + 1);
    return InsertMenuItemA(menu, position, TRUE, &info);
}

MENUITEMINFOA Read(HMENU menu, UINT item, BOOL byPosition, char* buffer = nullptr, UINT capacity = 0)
{
    MENUITEMINFOA info{};
    info.cbSize = sizeof info;
    info.fMask = MIIM_STATE | MIIM_ID | MIIM_TYPE | MIIM_DATA | MIIM_SUBMENU;
    info.dwTypeData = buffer;
    info.cch = capacity;
    EXPECT_TRUE(GetMenuItemInfoA(menu, item, byPosition, &info));
    return info;
}

class MenuItems : public ::testing::Test
{
protected:
    void TearDown() override { DestroyMenu(bar); }
    HMENU bar = CreateMenu();
};

TEST_F(MenuItems, InsertFlagsBecomeTypeAndState)
{
    HMENU popup = CreatePopupMenu();
    struct Case
    {
        UINT type, state;
    };
    const Case cases[] = {
        {MFT_STRING, 0}, {MFT_SEPARATOR, MFS_GRAYED}, {MFT_STRING, MFS_GRAYED}, {MFT_MENUBARBREAK, MFS_CHECKED}};
    for (UINT i = 0; i < 4; ++i)
        ASSERT_TRUE(InsertText(popup, i, 100 + i, "Item", cases[i].type, cases[i].state));
    for (UINT i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        MENUITEMINFOA info = Read(popup, i, TRUE);
        EXPECT_EQ(info.fType, cases[i].type);
        EXPECT_EQ(info.fState, cases[i].state);
        EXPECT_EQ(info.wID, 100 + i);
    }
    DestroyMenu(popup);
}

TEST_F(MenuItems, PositionsPastTheEndAppendAndEarlierOnesGoBefore)
{
    HMENU popup = CreatePopupMenu();
    InsertText(popup, 0, 2, "b");
    InsertText(popup, 99, 3, "c");
    InsertText(popup, 0, 1, "a");
    ASSERT_EQ(GetMenuItemCount(popup), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(GetMenuItemID(popup, i), UINT(i + 1));
    EXPECT_EQ(GetMenuItemID(popup, 3), UINT(-1));
    DestroyMenu(popup);
}

TEST_F(MenuItems, LookupByIdSearchesSubmenusAndSetsTexts)
{
    HMENU file = CreatePopupMenu();
    HMENU presets = CreatePopupMenu();
    InsertText(presets, 0, 51101, "VQ-700Z");
    InsertText(file, 0, 51000, "&New");
    MENUITEMINFOA sub{};
    sub.cbSize = sizeof sub;
    sub.fMask = MIIM_SUBMENU | MIIM_STRING;
    sub.hSubMenu = presets;
    sub.dwTypeData = const_cast<LPSTR>("New From &Preset Data");
    ASSERT_TRUE(InsertMenuItemA(file, 1, TRUE, &sub));
    ASSERT_TRUE(AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), "&File"));

    char text[64];
    EXPECT_EQ(std::string(text, Read(bar, 51101, FALSE, text, sizeof text).cch), "VQ-700Z");
    EXPECT_EQ(GetSubMenu(bar, 0), file);
    EXPECT_EQ(GetSubMenu(file, 1), presets);

    MENUITEMINFOW rename{};
    rename.cbSize = sizeof rename;
    rename.fMask = MIIM_STRING;
    rename.dwTypeData = const_cast<LPWSTR>(u"プリセット");
    ASSERT_TRUE(SetMenuItemInfoW(bar, 51101, FALSE, &rename));
    char16_t wide[8];
    MENUITEMINFOW back{};
    back.cbSize = sizeof back;
    back.fMask = MIIM_STRING;
    back.dwTypeData = wide;
    back.cch = 8;
    ASSERT_TRUE(GetMenuItemInfoW(presets, 0, TRUE, &back));
    EXPECT_EQ(std::u16string(wide, back.cch), u"プリセット");

    EXPECT_EQ(Read(bar, 51101, FALSE, text, 4).cch, 15u) << "the whole length, UTF-8 bytes";
    EXPECT_STREQ(text, "\xE3\x83\x97") << "cut to the buffer with its zero";

    MENUITEMINFOA missing{};
    missing.cbSize = sizeof missing;
    missing.fMask = MIIM_STATE;
    EXPECT_FALSE(GetMenuItemInfoA(bar, 51999, FALSE, &missing));
    missing.cbSize = 12;
    EXPECT_FALSE(GetMenuItemInfoA(bar, 51101, FALSE, &missing)) << "unknown structure size";
}

TEST_F(MenuItems, GreyAndCheckStatesAnswerTheirPreviousValue)
{
    HMENU popup = CreatePopupMenu();
    InsertText(popup, 0, 54000, "&Show Values");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(popup), "&Options");

    EXPECT_EQ(CheckMenuItem(bar, 54000, MF_BYCOMMAND | MF_CHECKED), DWORD(MF_UNCHECKED));
    EXPECT_EQ(CheckMenuItem(bar, 54000, MF_BYCOMMAND | MF_UNCHECKED), DWORD(MF_CHECKED));
    EXPECT_EQ(EnableMenuItem(bar, 54000, MF_BYCOMMAND | MF_GRAYED | MF_DISABLED), MF_ENABLED);
    EXPECT_EQ(Read(popup, 0, TRUE).fState, MFS_GRAYED);
    EXPECT_EQ(EnableMenuItem(popup, 0, MF_BYPOSITION | MF_ENABLED), BOOL(MF_GRAYED | MF_DISABLED));
    EXPECT_EQ(Read(popup, 0, TRUE).fState, MFS_ENABLED);

    EXPECT_EQ(CheckMenuItem(bar, 1, MF_BYCOMMAND | MF_CHECKED), DWORD(-1));
    EXPECT_EQ(EnableMenuItem(popup, 5, MF_BYPOSITION), -1);
}

TEST_F(MenuItems, MenuDataComesBackAndDestroyingTakesTheSubmenus)
{
    HMENU popup = CreatePopupMenu();
    HMENU inner = CreatePopupMenu();
    AppendMenuA(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(inner), "inner");
    MENUINFO info{};
    info.cbSize = 28;
    info.fMask = MIM_MENUDATA;
    info.dwMenuData = reinterpret_cast<ULONG_PTR>(this);
    ASSERT_TRUE(SetMenuInfo(popup, &info));
    MENUINFO read{};
    read.cbSize = sizeof read;
    read.fMask = MIM_MENUDATA;
    ASSERT_TRUE(GetMenuInfo(popup, &read));
    EXPECT_EQ(read.dwMenuData, reinterpret_cast<ULONG_PTR>(this));

    EXPECT_TRUE(DestroyMenu(popup));
    EXPECT_FALSE(IsMenu(popup));
    EXPECT_FALSE(IsMenu(inner));
    EXPECT_FALSE(DestroyMenu(popup));
    EXPECT_EQ(GetMenuItemCount(popup), -1);
}

TEST_F(MenuItems, DeleteDestroysASubmenuAndRemoveKeepsIt)
{
    HMENU kept = CreatePopupMenu();
    HMENU dropped = CreatePopupMenu();
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(kept), "kept");
    AppendMenuA(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(dropped), "dropped");
    AppendMenuA(bar, MF_SEPARATOR, 0, nullptr);
    EXPECT_TRUE(RemoveMenu(bar, 0, MF_BYPOSITION));
    EXPECT_TRUE(DeleteMenu(bar, 0, MF_BYPOSITION));
    EXPECT_TRUE(IsMenu(kept));
    EXPECT_FALSE(IsMenu(dropped));
    EXPECT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(Read(bar, 0, TRUE).fType, MFT_SEPARATOR);
    DestroyMenu(kept);
}

}  // namespace
}  // namespace menu_test
