// The main menu bar's texts and enabled items for every kind of window.
#include "app/CustomMenu.h"

#include "framework/services/QRVResource.h"
#include "framework/ui/HfcMenu.h"

#include <platform/testing.h>

#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>

namespace {

class CustomMenuTest : public testing::Test
{
protected:
    void SetUp() override
    {
        platform::testing::SetUserLocale("en_US.UTF-8");
        strings = std::make_unique<CQRVResource>();
        ASSERT_TRUE(bar.LoadFromName(nullptr, "MainMenuBar"));
    }
    void TearDown() override
    {
        strings.reset();
        platform::testing::SetUserLocale(nullptr);
    }

    UINT State(UINT id)
    {
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_STATE;
        EXPECT_TRUE(GetMenuItemInfoA(bar.GetMenu(), id, FALSE, &info)) << id;
        return info.fState;
    }
    bool Enabled(UINT id) { return (State(id) & (MFS_GRAYED | MFS_DISABLED)) == 0; }
    std::string Text(UINT id)
    {
        char text[128]{};
        MENUITEMINFOA info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_TYPE;
        info.dwTypeData = text;
        info.cch = sizeof text;
        EXPECT_TRUE(GetMenuItemInfoA(bar.GetMenu(), id, FALSE, &info)) << id;
        return text;
    }

    std::unique_ptr<CQRVResource> strings;
    CHfcMenuBar bar;
};

TEST_F(CustomMenuTest, EachKindSetsItsTexts)
{
    struct Case
    {
        int kind;
        const char* receiveAll;
        const char* transmitAll;
        const char* receiveCurrent;
        const char* transmitCurrent;
        const char* previous;
        const char* next;
    };
    const Case cases[] = {
        {1, "Receive All Programs", "Write All Programs", "Receive Current Program", "Transmit to Current Program",
         "Previous Item\tCtrl+1", "Next Item\tCtrl+2"},
        {2, "Receive All Data", "Write All Data", "Receive Current Program", "Transmit to Current Program",
         "Previous Program\tCtrl+1", "Next Program\tCtrl+2"},
        {12, "Receive Global Data", "Write Global Data", "Receive Current Program", "Transmit to Current Program",
         "Previous Item\tCtrl+1", "Next Item\tCtrl+2"},
        {13, "Receive All Data", "Write All Data", "Receive Current Program", "Transmit to Current Program",
         "Previous Item\tCtrl+1", "Next Item\tCtrl+2"},
    };
    CCustomMenu menu(bar.GetMenu());
    EXPECT_EQ(menu.GetKind(), 15);
    for (const Case& c : cases) {
        menu.SetEditMenuTexts(c.kind);
        EXPECT_EQ(menu.GetKind(), c.kind);
        EXPECT_EQ(Text(kCommandReceiveAll), c.receiveAll) << c.kind;
        EXPECT_EQ(Text(kCommandTransmitAll), c.transmitAll) << c.kind;
        EXPECT_EQ(Text(kCommandReceiveCurrent), c.receiveCurrent) << c.kind;
        EXPECT_EQ(Text(kCommandTransmitCurrent), c.transmitCurrent) << c.kind;
        EXPECT_EQ(Text(kCommandPrevProgram), c.previous) << c.kind;
        EXPECT_EQ(Text(kCommandNextProgram), c.next) << c.kind;
    }
}

TEST_F(CustomMenuTest, EachKindEnablesItsGroupsOfItems)
{
    // New/Open, Save, Edit, Revert, All data, All, Receive current, Transmit current, Prev/Next.
    const std::map<int, std::string> matrix = {
        {1, "EEEEEEEED"},  {3, "EEEEEEEED"},  {11, "EEEEEEDED"}, {12, "EEDDEEDDD"},
        {13, "EDDDDDDDD"}, {14, "EEEDEEEED"}, {15, "DDEDDDDDD"}, {2, "EEDDDDEEE"},
        {4, "EEDDDDEEE"},
    };
    const std::vector<std::vector<UINT>> groups = {
        {kCommandNew, kCommandOpen},
        {kCommandSave, kCommandSaveAs},
        {kCommandCut, kCommandCopy, kCommandPaste, kCommandInitialize},
        {kCommandRevert},
        {kCommandReceiveAllData, kCommandWriteAllData},
        {kCommandReceiveAll, kCommandTransmitAll},
        {kCommandReceiveCurrent},
        {kCommandTransmitCurrent},
        {kCommandPrevProgram, kCommandNextProgram},
    };
    CCustomMenu menu(bar.GetMenu());
    for (const auto& [kind, row] : matrix) {
        menu.SetEditMenuTexts(kind);
        for (std::size_t group = 0; group < groups.size(); ++group)
            for (UINT id : groups[group])
                EXPECT_EQ(Enabled(id), row[group] == 'E') << "kind " << kind << " item " << id;
        EXPECT_TRUE(Enabled(kCommandExit)) << "items outside the groups stay as they are";
    }
}

TEST_F(CustomMenuTest, DisablingSetsBothBitsAndTheShowValuesCheckFollows)
{
    CCustomMenu menu(bar.GetMenu());
    menu.EnableItem(kCommandSave, false);
    EXPECT_EQ(State(kCommandSave) & MFS_GRAYED, MFS_GRAYED);
    menu.EnableItem(kCommandSave, true);
    EXPECT_EQ(State(kCommandSave) & MFS_GRAYED, 0u);
    menu.SetShowValuesCheck(true);
    EXPECT_EQ(State(kCommandShowValues) & MFS_CHECKED, MFS_CHECKED);
    menu.SetShowValuesCheck(false);
    EXPECT_EQ(State(kCommandShowValues) & MFS_CHECKED, 0u);
}

TEST_F(CustomMenuTest, WithoutAMenuOnlyTheKindIsKept)
{
    CCustomMenu menu(nullptr);
    menu.SetEditMenuTexts(12);
    menu.EnableItem(kCommandSave, false);
    menu.SetShowValuesCheck(true);
    EXPECT_EQ(menu.GetKind(), 12);
}

}  // namespace
