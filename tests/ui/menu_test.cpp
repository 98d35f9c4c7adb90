// The menu-bar and popup-menu wrappers.
#include "framework/ui/HfcMenu.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(HfcMenuBar, LoadsOnceByNameOrNumberAndDestroyAlwaysAnswersFalse)
{
    CHfcMenuBar bar;
    ASSERT_TRUE(bar.LoadFromName(nullptr, "testbar")) << "resource names match in any case";
    HMENU first = bar.GetMenu();
    EXPECT_FALSE(bar.LoadFromName(nullptr, "TestBar")) << "a second load fails";
    EXPECT_FALSE(bar.LoadFromId(301));
    EXPECT_EQ(bar.GetMenu(), first) << "and keeps the first menu";
    EXPECT_FALSE(bar.Destroy());
    EXPECT_EQ(bar.GetMenu(), nullptr);
    EXPECT_FALSE(IsMenu(first));

    EXPECT_TRUE(bar.LoadFromId(301));
    EXPECT_NE(GetMenuItemID(GetSubMenu(bar.GetMenu(), 0), 0), 0u);
    CHfcMenuBar missing;
    EXPECT_FALSE(missing.LoadFromName(nullptr, "NoSuchMenu"));
    EXPECT_FALSE(missing.LoadFromId(302));
    EXPECT_FALSE(missing.Destroy());
}

TEST(HfcPopupMenu, ItemsTakeTheirTypeAndStateFromTheFlags)
{
    CHfcPopupMenu popup;
    EXPECT_FALSE(popup.InsertItem(0, 1, "none", 0)) << "no menu yet";
    ASSERT_TRUE(popup.Create());
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_MENUDATA;
    ASSERT_TRUE(GetMenuInfo(popup.GetMenu(), &info));
    EXPECT_EQ(info.dwMenuData, reinterpret_cast<ULONG_PTR>(&popup));

    struct Case
    {
        UINT flags;
        UINT type;
        UINT state;
    };
    const Case cases[] = {{0, MFT_STRING, MFS_ENABLED},
                          {1, MFT_SEPARATOR, MFS_ENABLED},
                          {2, MFT_STRING, MFS_GRAYED},
                          {3, MFT_SEPARATOR, MFS_GRAYED}};
    for (UINT i = 0; i < 4; ++i)
        ASSERT_TRUE(popup.InsertItem(i, 100 + i, ("item " + std::to_string(100 + i)).c_str(), cases[i].flags));
    for (UINT i = 0; i < 4; ++i) {
        char text[32] = {};
        MENUITEMINFOA item{};
        item.cbSize = sizeof(item);
        item.fMask = MIIM_TYPE | MIIM_STATE | MIIM_ID | MIIM_DATA;
        item.dwTypeData = text;
        item.cch = sizeof(text);
        ASSERT_TRUE(GetMenuItemInfoA(popup.GetMenu(), i, TRUE, &item));
        EXPECT_EQ(item.fType & MFT_SEPARATOR, cases[i].type) << i;
        EXPECT_EQ(item.fState & MFS_GRAYED, cases[i].state) << i;
        EXPECT_EQ(item.wID, 100 + i);
        EXPECT_EQ(item.dwItemData, 0u);
        if (cases[i].type == MFT_STRING) {
            EXPECT_EQ(std::string(text), "item " + std::to_string(100 + i));
        }
    }
}

TEST(HfcPopupMenu, CreatingOnAHeldMenuDestroysItAndFails)
{
    CHfcPopupMenu popup;
    ASSERT_TRUE(popup.Create());
    HMENU held = popup.GetMenu();
    EXPECT_FALSE(popup.Create());
    EXPECT_EQ(popup.GetMenu(), nullptr);
    EXPECT_FALSE(IsMenu(held));
    EXPECT_FALSE(popup.Destroy()) << "nothing left to destroy";
    ASSERT_TRUE(popup.Create());
    EXPECT_TRUE(popup.Destroy());
    EXPECT_EQ(popup.GetMenu(), nullptr);
}

}  // namespace
