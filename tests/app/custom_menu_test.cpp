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

// The six items a kind renames, as the bar shows them after SetEditMenuTexts.
struct KindTexts
{
    std::string receiveAll, transmitAll, receiveCurrent, transmitCurrent, previous, next;
    bool operator==(const KindTexts&) const = default;
};

TEST_F(CustomMenuTest, EachKindNamesWhatItsWindowHoldsInEitherLanguage)
{
    const auto textsOf = [this](CCustomMenu& menu, int kind) {
        menu.SetEditMenuTexts(kind);
        EXPECT_EQ(menu.GetKind(), kind);
        return KindTexts{Text(kCommandReceiveAll),      Text(kCommandTransmitAll), Text(kCommandReceiveCurrent),
                         Text(kCommandTransmitCurrent), Text(kCommandPrevProgram), Text(kCommandNextProgram)};
    };
    // The program list, a program's edit window, the global page, and kinds without texts of their own.
    const int kinds[] = {1, 2, 12, 13, 15, 99};
    std::map<int, KindTexts> english;
    for (const char* locale : {"en_US.UTF-8", "ja_JP.UTF-8"}) {
        platform::testing::SetUserLocale(locale);
        strings = std::make_unique<CQRVResource>();
        CCustomMenu menu(bar.GetMenu());
        std::map<int, KindTexts> shown;
        for (int kind : kinds) {
            const KindTexts t = textsOf(menu, kind);
            for (const std::string* text : {&t.receiveAll, &t.transmitAll, &t.receiveCurrent, &t.transmitCurrent})
                EXPECT_FALSE(text->empty()) << locale << " kind " << kind;
            // The window items keep their shortcuts whatever the kind.
            EXPECT_TRUE(t.previous.ends_with("\tCtrl+1") && t.previous.size() > 7) << locale << " " << t.previous;
            EXPECT_TRUE(t.next.ends_with("\tCtrl+2") && t.next.size() > 7) << locale << " " << t.next;
            shown[kind] = t;
        }
        // The list transfers all programs and the global page the global data; every other
        // window all data. Only a program's edit window steps through programs.
        EXPECT_NE(shown[1].receiveAll, shown[99].receiveAll) << locale;
        EXPECT_NE(shown[12].receiveAll, shown[99].receiveAll) << locale;
        EXPECT_NE(shown[1].receiveAll, shown[12].receiveAll) << locale;
        EXPECT_NE(shown[2].previous, shown[99].previous) << locale;
        for (int kind : {13, 15})
            EXPECT_EQ(shown[kind], shown[99]) << locale << " kind " << kind;
        for (int kind : {1, 2, 12})
            EXPECT_EQ(shown[kind].receiveCurrent, shown[99].receiveCurrent) << locale << " kind " << kind;
        if (english.empty())
            english = shown;
        else
            for (int kind : kinds)
                EXPECT_NE(shown[kind].receiveAll, english[kind].receiveAll) << "Japanese texts, kind " << kind;
    }
}

TEST_F(CustomMenuTest, EachKindEnablesItsGroupsOfItems)
{
    // New/Open, Save, Edit, Revert, All data, All, Receive current, Transmit current, Prev/Next.
    const std::map<int, std::string> matrix = {
        {1, "EEEEEEEED"},  {3, "EEEEEEEED"},  {11, "EEEEEEDED"}, {12, "EEDDEEDDD"}, {13, "EDDDDDDDD"},
        {14, "EEEDEEEED"}, {15, "DDEDDDDDD"}, {2, "EEDDDDEEE"},  {4, "EEDDDDEEE"},
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
